// The layout form as built from its tables.
#include "sheets/pdf_layout.h"

#include <gtest/gtest.h>

#include <set>

namespace setrix::sheets {
namespace {

TEST(PdfLayout, EveryElementSitsInItsContainerWithItsLook) {
  TPDFForm form;
  std::set<std::string_view> names;
  int count = 0;
  for (const auto& elements : {PdfPageElements(), FrqPage1Elements(), FrqPage2Elements()}) {
    for (const LayoutElement& e : elements) {
      ++count;
      EXPECT_TRUE(names.insert(e.name).second) << "duplicate " << e.name;
      const pdf::TControl& c = form.Element(e.name);
      ASSERT_NE(c.Parent(), nullptr) << e.name;
      EXPECT_EQ(c.Parent()->Name(), e.in) << e.name;
      EXPECT_EQ(c.BoundsRect(), (pdf::TRect{e.left, e.top, e.left + e.width, e.top + e.height})) << e.name;
      switch (e.kind) {
        case ElementKind::Panel: EXPECT_STREQ(c.ClassName(), "TPRLayoutPanel") << e.name; break;
        case ElementKind::Label: {
          const auto& l = form.Label(e.name);
          EXPECT_EQ(l.PdfFontName(), e.font.bold ? (e.font.italic ? "Arial-BoldItalic" : "Arial-Bold") : "Arial")
              << e.name;
          EXPECT_EQ(l.FontSize(), e.font.size) << e.name;
          EXPECT_EQ(l.Alignment() == pdf::TPdfAlignment::taRightJustify, e.other.rightAligned) << e.name;
          EXPECT_EQ(l.Printable(), !e.other.notPrintable) << e.name;
          EXPECT_EQ(l.Caption(), e.content ? e.content : "") << e.name;
          break;
        }
        case ElementKind::Text: {
          const auto& t = form.Text(e.name);
          EXPECT_EQ(t.FontSize(), e.font.size) << e.name;
          EXPECT_EQ(t.FontBold(), e.font.bold) << e.name;
          EXPECT_EQ(t.Leading(), e.other.leading) << e.name;
          EXPECT_EQ(t.WordWrap(), e.other.wordWrap) << e.name;
          EXPECT_TRUE(t.Lines().empty()) << e.name;
          break;
        }
        case ElementKind::Image: {
          const auto& i = form.Image(e.name);
          EXPECT_EQ(i.SharedImage(), e.other.sharedImage) << e.name;
          EXPECT_EQ(i.Stretch(), !e.other.notStretched) << e.name;
          EXPECT_EQ(i.Picture(), nullptr) << e.name;
          break;
        }
      }
    }
  }
  EXPECT_EQ(count, 42 + 41 + 49);
  // A few rows read against the layout: the label of the report components' example, the
  // not printable illustration caption, a right-aligned number, a not stretched lever.
  EXPECT_EQ(form.Label("LblSW1").PdfFontName(), "Arial-Bold");
  EXPECT_FALSE(form.Label("IlluLabel").Printable());
  EXPECT_EQ(form.Label("Num1").Alignment(), pdf::TPdfAlignment::taRightJustify);
  EXPECT_EQ(form.Label("FRQ_Num2_P1").Alignment(), pdf::TPdfAlignment::taLeftJustify);
  EXPECT_FALSE(form.Image("FRQ_ImageSwOff_1_P2").Stretch());
  EXPECT_TRUE(form.Text("FRQ_ResultBlock2_P1").WordWrap());
  EXPECT_FALSE(form.Text("FRQ_ResultBlock4_P1").WordWrap());
  EXPECT_THROW(form.Label("NoSuchElement"), std::out_of_range);
  EXPECT_THROW(form.Text("LblSW1"), std::out_of_range);
}

TEST(PdfLayout, PagesReportAndScratchBanks) {
  TPDFForm form;
  for (const pdf::TPRPage* page : {&form.PDFPage, &form.FRQ_PDFPage1, &form.FRQ_PDFPage2}) {
    EXPECT_EQ(page->Width(), 597);
    EXPECT_EQ(page->Height(), 842);
    EXPECT_EQ(page->MarginTop(), 32);
    EXPECT_EQ(page->MarginLeft(), 32);
    EXPECT_EQ(page->MarginRight(), 32);
    EXPECT_EQ(page->MarginBottom(), 32);
    ASSERT_EQ(page->ControlCount(), 1);
  }
  const pdf::TPReport& r = form.PDFReport;
  EXPECT_EQ(r.FileName(), "default.pdf");
  EXPECT_EQ(r.Author(), "Zantrel GmbH");
  EXPECT_EQ(r.Keywords(), "Zantrel Vornex DC RTD Thermo Frequency");
  EXPECT_EQ(r.CreationDate(), (pdf::TPdfDateTime{2001, 11, 1, 0, 21, 42}));
  EXPECT_EQ(r.ModDate(), pdf::TPdfDateTime{});
  EXPECT_EQ(r.Creator(), "");
  EXPECT_EQ(r.Subject(), "");
  EXPECT_FALSE(r.UseOutlines());
  EXPECT_TRUE(r.ViewerPreference().Empty());

  for (const ScratchBank& b : ScratchBanks()) {
    const auto& s = form.Bank(b.name).SwitchSettings();
    EXPECT_EQ(s.Count(), b.count) << b.name;
    EXPECT_EQ(s.Alignment(), b.alignment) << b.name;
    EXPECT_TRUE(s.BMP_BW()) << b.name;
    EXPECT_EQ(s.Value(), -1) << b.name;
  }
  EXPECT_EQ(form.SW1_DC.SwitchSettings().Count(), 10);
  EXPECT_EQ(form.SW2_FRQ.SwitchSettings().Alignment(), dipswitch::TDIPAlignment::Deg_180);
}

}  // namespace
}  // namespace setrix::sheets
