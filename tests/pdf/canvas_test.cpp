// Page canvas: operator bytes, text state, measuring, text in boxes and images.
#include <gtest/gtest.h>

#include <functional>

#include "pdf/canvas.h"
#include "pdf/document.h"
#include "pdf/fonts.h"
#include "pdf/images.h"
#include "pdf_test_util.h"

namespace setrix::pdf {
namespace {

class PdfCanvasTest : public ::testing::Test {
 protected:
  void SetUp() override {
    doc.NewDocument();
    doc.AddPage();
    EXPECT_EQ(Take(), "/F0 10 Tf\n");
  }
  // The content written since the last call.
  std::string Take() {
    std::string out;
    out.swap(canvas().Contents()->Data());
    return out;
  }
  TPdfCanvas& canvas() { return doc.GetCanvas(); }

  TPdfDoc doc{testing::FixedTime};
};

TEST_F(PdfCanvasTest, LabelExampleWritesItsSixLines) {
  canvas().SelectFont("Arial-Bold", 8);
  canvas().SetFillRGB(0);
  canvas().TextInBox({72, 498, 89, 490}, "S1", TPdfAlignment::taLeftJustify, false);
  EXPECT_EQ(Take(), "/F1 8 Tf\n0 0 0 rg\nBT\n72 491.2 Td\n(S1) Tj\nET\n");
}

TEST_F(PdfCanvasTest, PrimitiveOperators) {
  const struct {
    std::function<void(TPdfCanvas&)> call;
    const char* bytes;
  } cases[] = {
      {[](TPdfCanvas& c) { c.PushState(); }, "q\n"},
      {[](TPdfCanvas& c) { c.PopState(); }, "Q\n"},
      {[](TPdfCanvas& c) { c.ConcatMatrix(17, 0, 0, 8.5f, 72, 0.125f); }, "17 0 0 8.5 72 0.13 cm\n"},
      {[](TPdfCanvas& c) { c.MoveTo(-3.5f, 794.4f); }, "-3.5 794.4 m\n"},
      {[](TPdfCanvas& c) { c.LineTo(595.2756f, 0.005f); }, "595.28 0 l\n"},
      {[](TPdfCanvas& c) { c.AddRect(1, 2, 3.333f, 4); }, "1 2 3.33 4 re\n"},
      {[](TPdfCanvas& c) { c.CloseSubpath(); }, "h\n"},
      {[](TPdfCanvas& c) { c.EndPath(); }, "n\n"},
      {[](TPdfCanvas& c) { c.ClipPath(); }, "W\n"},
      {[](TPdfCanvas& c) { c.StartText(); }, "BT\n"},
      {[](TPdfCanvas& c) { c.FinishText(); }, "ET\n"},
      {[](TPdfCanvas& c) { c.MoveTextOrigin(10.2f, 0); }, "10.2 0 Td\n"},
      {[](TPdfCanvas& c) { c.NextLine(); }, "T*\n"},
      {[](TPdfCanvas& c) { c.ShowString("a(b)\\ \xFC\xB0"); }, "(a\\(b\\)\\\\ \xFC\xB0) Tj\n"},
      {[](TPdfCanvas& c) { c.PaintXObject("Logo"); }, "/Logo Do\n"},
      {[](TPdfCanvas& c) { c.EmitFont("/F3", 9.5f); }, "/F3 9.5 Tf\n"},
      {[](TPdfCanvas& c) { c.SetFillRGB(-16777201); }, "0 0 0 rg\n"},
      {[](TPdfCanvas& c) { c.SetFillRGB(255); }, "1 0 0 rg\n"},
      {[](TPdfCanvas& c) { c.SetFillRGB(0x8000); }, "0 0.5 0 rg\n"},
      {[](TPdfCanvas& c) { c.SetFillRGB(0x7FFF0000); }, "0 0 1 rg\n"},
      {[](TPdfCanvas& c) { c.SetFillRGB(0); }, "0 0 0 rg\n"},
  };
  for (const auto& c : cases) {
    c.call(canvas());
    EXPECT_EQ(Take(), c.bytes);
  }
}

TEST_F(PdfCanvasTest, StateOperatorsWriteOnlyChanges) {
  canvas().SelectFont("Arial", 10);  // current since the page was attached
  canvas().SetCharSpace(0);
  canvas().SetWordSpace(0);
  canvas().SetLeading(0);
  EXPECT_EQ(Take(), "");
  canvas().SetLeading(14);
  canvas().SetLeading(14);
  canvas().SetCharSpace(-1.5f);
  canvas().SetWordSpace(2);
  canvas().SelectFont("Times-Roman", 16);
  canvas().SelectFont("Times-Roman", 16);
  canvas().SelectFont("Times-Roman", 12);
  canvas().SelectFont("Arial", 12);
  EXPECT_EQ(Take(), "14 TL\n-1.5 Tc\n2 Tw\n/F1 16 Tf\n/F1 12 Tf\n/F0 12 Tf\n");
  const TPdfDictionary* fonts = canvas().GetPage().LookupDictionary("Resources")->LookupDictionary("Font");
  EXPECT_EQ(fonts->Count(), 2);
  EXPECT_EQ(fonts->Lookup("F1"), doc.GetFont("Times-Roman").Dict());
}

TEST_F(PdfCanvasTest, RangeChecksRefuseAndKeepTheValue) {
  const struct {
    std::function<void(TPdfCanvas&)> call;
    const char* message;
  } cases[] = {
      {[](TPdfCanvas& c) { c.SetWordSpace(-0.5f); }, "SetWordSpace --invalid word space"},
      {[](TPdfCanvas& c) { c.SetCharSpace(-30.5f); }, "SetCharSpace --invalid char space"},
      {[](TPdfCanvas& c) { c.SetCharSpace(301); }, "SetCharSpace --invalid char space"},
      {[](TPdfCanvas& c) { c.SetLeading(300.5f); }, "SetLeading --invalid leading"},
      {[](TPdfCanvas& c) { c.SetLeading(-1); }, "SetLeading --invalid leading"},
      {[](TPdfCanvas& c) { c.Attribute().SetHorizontalScaling(9); },
       "SetHorizontalScaling --invalid horizontal scaling"},
      {[](TPdfCanvas& c) { c.Attribute().SetHorizontalScaling(301); },
       "SetHorizontalScaling --invalid horizontal scaling"},
  };
  for (const auto& c : cases) {
    try {
      c.call(canvas());
      ADD_FAILURE() << "no error, expected " << c.message;
    } catch (const EPdfInvalidValue& e) {
      EXPECT_STREQ(e.what(), c.message);
    }
  }
  EXPECT_EQ(Take(), "");
  const TPdfCanvasAttribute& a = canvas().Attribute();
  EXPECT_EQ(a.WordSpace(), 0);
  EXPECT_EQ(a.CharSpace(), 0);
  EXPECT_EQ(a.Leading(), 0);
  EXPECT_EQ(a.HorizontalScaling(), 100);

  // The extremes are accepted.
  canvas().SetCharSpace(-30);
  canvas().SetCharSpace(300);
  canvas().SetLeading(300);
  EXPECT_EQ(Take(), "-30 Tc\n300 Tc\n300 TL\n");

  // A font size out of range is refused after its Tf line; the font is selected anyway.
  try {
    canvas().SelectFont("Times-Bold", 301);
    ADD_FAILURE();
  } catch (const EPdfInvalidValue& e) {
    EXPECT_STREQ(e.what(), "SetFontSize --invalid font size");
  }
  EXPECT_EQ(Take(), "/F1 301 Tf\n");
  EXPECT_EQ(a.Font(), &doc.GetFont("Times-Bold"));
  EXPECT_EQ(a.FontSize(), 10);

  try {
    canvas().SelectFont("Wingdings", 10);
    ADD_FAILURE();
  } catch (const EClassNotFound& e) {
    EXPECT_STREQ(e.what(), "Class Wingdings not found");
  }
}

TEST_F(PdfCanvasTest, Measuring) {
  canvas().SelectFont("Arial", 10);
  EXPECT_FLOAT_EQ(canvas().MeasureWidth("A"), 6.67f);
  EXPECT_FLOAT_EQ(canvas().MeasureWidth(""), 0);
  canvas().SetWordSpace(2);
  EXPECT_FLOAT_EQ(canvas().MeasureWidth("A "), 6.67f + 2.78f);  // trailing space: no word space
  EXPECT_FLOAT_EQ(canvas().MeasureWidth(" A"), 2.78f + 2 + 6.67f);
  canvas().SetCharSpace(1);
  EXPECT_FLOAT_EQ(canvas().MeasureWidth("AA"), 6.67f * 2 + 1);  // no char space after the last
  EXPECT_FLOAT_EQ(canvas().MeasureWidth(""), -1);
  EXPECT_FLOAT_EQ(canvas().MeasureWidth(std::string("A\x01", 2)), 7.67f - 1);  // width 0: no char space
  canvas().Attribute().SetHorizontalScaling(50);
  EXPECT_FLOAT_EQ(canvas().MeasureWidth("A"), 3.335f);
  canvas().Attribute().SetHorizontalScaling(100);
  canvas().SetCharSpace(0);
  canvas().SetWordSpace(0);

  canvas().SelectFont("FixedWidth", 10);  // 6 points per character
  EXPECT_EQ(canvas().FitChars("abcdef", 18), 3);
  EXPECT_EQ(canvas().FitChars("abcdef", 17.9f), 2);
  EXPECT_EQ(canvas().FitChars("abcdef", 100), 6);
  EXPECT_EQ(canvas().FitChars("abc", 0), 0);
  EXPECT_FLOAT_EQ(canvas().MeasureWidth("\xFC\xB0\xFF"), 18);
}

// Whole texts are measured from width tables kept per font and state; they must give
// exactly the sums of the single characters, bit for bit, whichever font, size and spacing
// came before (a table kept for another state must not answer).
TEST_F(PdfCanvasTest, MeasuringTextsEqualsTheirCharacters) {
  const std::string text = std::string("Ab 4..20 mA \xFC\xE9 \x01 x ") + "ende";
  struct State {
    const char* font;
    float size, charSpace, wordSpace;
    int hScaling;
  };
  const State states[] = {
      {"Arial", 10, 0, 0, 100},
      {"Arial", 8, 0, 0, 100},
      {"Arial", 10, 0.5f, 0, 100},
      {"Arial", 10, 0, 1.25f, 100},
      {"Arial", 10, 0, 0, 73},
      {"Arial-Bold", 10, 0, 0, 100},
      {"Times-Roman", 9.5f, -0.3f, 2, 120},
      {"FixedWidth", 10, 0, 0, 100},
      {"Arial", 10, 0, 0, 100},
  };
  for (int round = 0; round < 2; ++round)  // the second round finds the kept tables
    for (const State& st : states) {
      SCOPED_TRACE(std::string(st.font) + " " + std::to_string(st.size) + " round " + std::to_string(round));
      canvas().SelectFont(st.font, st.size);
      canvas().SetCharSpace(st.charSpace);
      canvas().SetWordSpace(st.wordSpace);
      canvas().Attribute().SetHorizontalScaling(st.hScaling);
      const TPdfCanvasAttribute& a = canvas().Attribute();
      float sum = 0;
      for (int i = 1; i <= static_cast<int>(text.size()); ++i)
        sum = static_cast<float>(static_cast<long double>(sum) + a.CharWidth(text, i));
      EXPECT_EQ(a.MeasureWidth(text), static_cast<float>(static_cast<long double>(sum) - st.charSpace));
      float fit = 0;
      int fitting = 0;
      for (int i = 1; i <= static_cast<int>(text.size()); ++i) {
        fit = static_cast<float>(static_cast<long double>(fit) + a.CharWidth(text, i));
        if (fit > sum / 2) break;
        fitting = i;
      }
      EXPECT_EQ(a.FitChars(text, sum / 2), fitting);
    }
}

TEST(PdfCanvasWords, NextWordCarriesItsSeparator) {
  const std::string text = "Input: 4 mA\r\n\r\nOutput";
  std::vector<std::string> words;
  int pos = 1;
  while (pos <= static_cast<int>(text.size())) words.push_back(TPdfCanvas::NextWord(text, pos));
  EXPECT_EQ(words, (std::vector<std::string>{"Input: ", "4 ", "mA\r\n", "\r\n", "Output"}));
  EXPECT_EQ(pos, static_cast<int>(text.size()) + 1);
  EXPECT_EQ(TPdfCanvas::NextWord(text, pos), "");
  EXPECT_EQ(pos, static_cast<int>(text.size()) + 1);
  pos = 1;
  EXPECT_EQ(TPdfCanvas::NextWord("a\nb\rc", pos), "a\nb\rc");  // lone LF or CR do not end a word
}

TEST_F(PdfCanvasTest, TextInBoxAlignsAndClips) {
  canvas().SelectFont("FixedWidth", 10);  // "X" is 6 points wide
  Take();
  const struct {
    TPdfBox box;
    const char* text;
    TPdfAlignment alignment;
    const char* td;
  } cases[] = {
      {{0, 100, 11, 90}, "X", TPdfAlignment::taCenter, "2 91.5 Td"},  // (11-6)/2 = 2.5 -> 2
      {{0, 100, 13, 90}, "X", TPdfAlignment::taCenter, "4 91.5 Td"},  // 3.5 -> 4
      {{336, 100, 345, 90}, "X", TPdfAlignment::taRightJustify, "339 91.5 Td"},
      {{336, 100, 345, 90}, "XXXX", TPdfAlignment::taRightJustify, "321 91.5 Td"},  // starts left of the box
      {{10, 100, 20, 90}, "XXXX", TPdfAlignment::taLeftJustify, "10 91.5 Td"},
  };
  for (const auto& c : cases) {
    canvas().TextInBox(c.box, c.text, c.alignment, false);
    EXPECT_EQ(Take(), std::string("BT\n") + c.td + "\n(" + c.text + ") Tj\nET\n");
  }
  canvas().TextInBox({10, 100, 20.5f, 90}, "XXXX", TPdfAlignment::taLeftJustify, true);
  EXPECT_EQ(Take(), "q\n10 100 m\n10 90 l\n20.5 90 l\n20.5 100 l\nh\nW\nn\nBT\n10 91.5 Td\n(XXXX) Tj\nET\nQ\n");
}

TEST_F(PdfCanvasTest, TextBlockInBox) {
  canvas().SelectFont("FixedWidth", 10);
  canvas().SetLeading(12);
  Take();
  const TPdfBox box{0, 100, 30, 0};  // five characters per line
  const struct {
    const char* text;
    bool wrap;
    const char* bytes;
  } cases[] = {
      {"", false, "BT\n0 91.5 Td\nET\n"},
      {"Input:\r\n\r\nOutput:", false, "BT\n0 91.5 Td\n(Input) Tj\nT*\nT*\n(Outpu) Tj\nET\n"},
      // A word is measured with its trailing space: "ab cd " (36) does not fit into 30.
      {"ab cd ef gh", true, "BT\n0 91.5 Td\n(ab ) Tj\nT*\n(cd ) Tj\nT*\n(ef gh) Tj\nET\n"},
      {"ab cd ef gh", false, "BT\n0 91.5 Td\n(ab cd) Tj\nET\n"},
      {"abc\r\n", false, "BT\n0 91.5 Td\n(abc) Tj\nET\n"},
      {"a(b\r\nc", false, "BT\n0 91.5 Td\n(a\\(b) Tj\nT*\n(c) Tj\nET\n"},
  };
  for (const auto& c : cases) {
    canvas().TextBlockInBox(box, c.text, c.wrap);
    EXPECT_EQ(Take(), c.bytes) << c.text;
  }
  // Lines that would start less than one font size above Bottom are dropped.
  canvas().TextBlockInBox({0, 100, 30, 70}, "1\r\n2\r\n3\r\n4", false);
  EXPECT_EQ(Take(), "BT\n0 91.5 Td\n(1) Tj\nT*\n(2) Tj\nT*\nET\n");
}

TEST_F(PdfCanvasTest, LockedCanvasMeasuresButWritesNothing) {
  canvas().SetLocked(true);
  canvas().SelectFont("Arial", 10);
  canvas().SetFillRGB(255);
  canvas().SetLeading(14);
  canvas().SelectFont("Times-Bold", 20);
  canvas().TextInBox({0, 10, 100, 0}, "Hello", TPdfAlignment::taCenter, true);
  canvas().TextBlockInBox({0, 100, 100, 0}, "a b\r\nc", true);
  canvas().PushState();
  EXPECT_EQ(Take(), "");
  EXPECT_EQ(canvas().Attribute().Leading(), 14);
  EXPECT_EQ(canvas().Attribute().FontSize(), 20);
  EXPECT_FLOAT_EQ(canvas().MeasureWidth("A"), 14.44f);  // Times-Bold A = 722
  EXPECT_EQ(canvas().FitChars("AAA", 30), 2);
  canvas().SetLocked(false);
  canvas().SelectFont("Times-Bold", 21);
  EXPECT_EQ(Take(), "/F1 21 Tf\n");
}

TEST_F(PdfCanvasTest, ReturningToAPageRestoresItsTextState) {
  TPdfDictionary& first = canvas().GetPage();
  canvas().SelectFont("Times-Italic", 14);
  canvas().SetCharSpace(1.5f);
  canvas().SetWordSpace(3);
  canvas().SetLeading(16);
  canvas().Attribute().SetHorizontalScaling(80);
  Take();
  doc.AddPage();
  EXPECT_EQ(Take(), "/F0 10 Tf\n");
  EXPECT_EQ(canvas().Attribute().CharSpace(), 0);
  EXPECT_EQ(canvas().Attribute().Leading(), 0);

  canvas().AttachPage(first);
  const TPdfCanvasAttribute& a = canvas().Attribute();
  EXPECT_EQ(a.Font(), &doc.GetFont("Times-Italic"));
  EXPECT_EQ(a.FontSize(), 14);
  EXPECT_EQ(a.CharSpace(), 1.5f);
  EXPECT_EQ(a.WordSpace(), 3);
  EXPECT_EQ(a.Leading(), 16);
  EXPECT_EQ(a.HorizontalScaling(), 80);
  EXPECT_EQ(first.LookupName("_Font")->Value(), "Times-Italic");
  canvas().SetLeading(16);
  EXPECT_EQ(Take(), "");  // nothing written on restoring or for the unchanged leading
}

TEST_F(PdfCanvasTest, MediaBox) {
  EXPECT_EQ(canvas().MediaHeight(), 842);
  canvas().SetMediaWidth(597);
  canvas().SetMediaHeight(400);
  EXPECT_EQ(canvas().MediaHeight(), 400);
  std::string out;
  canvas().GetPage().LookupArray("MediaBox")->WriteTo(out);
  EXPECT_EQ(out, "[0 0 597 400 ]");
  EXPECT_EQ(canvas().GetPage().Element(2).Key(), "MediaBox");  // keeps its position
}

TEST_F(PdfCanvasTest, XObjectsArePaintedByName) {
  doc.AddImage("Board", TPdfBitmapImage().MakeImage(raster::Bitmap(4, 2, 1)));
  canvas().DrawXObject(72, 100.5f, 40, 20, "Board");
  EXPECT_EQ(Take(), "q\n40 0 0 20 72 100.5 cm\n/Board Do\nQ\n");
  canvas().DrawXObjectEx(10, 20, 4, 2, 10, 19, 3, 3, "Board");
  EXPECT_EQ(Take(), "q\n10 19 3 3 re\nW\nn\n4 0 0 2 10 20 cm\n/Board Do\nQ\n");
  std::string resources;
  canvas().GetPage().LookupDictionary("Resources")->LookupDictionary("XObject")->WriteTo(resources);
  EXPECT_EQ(resources, "<<\r\n/Board 7 0 R\r\n>>");

  for (const bool ex : {false, true}) {
    try {
      if (ex)
        canvas().DrawXObjectEx(0, 0, 1, 1, 0, 0, 1, 1, "Missing");
      else
        canvas().DrawXObject(0, 0, 1, 1, "Missing");
      ADD_FAILURE();
    } catch (const EPdfInvalidValue& e) {
      EXPECT_EQ(e.what(), std::string(ex ? "DrawXObjectEx" : "DrawXObject") + " --XObject not found: Missing");
    }
  }
  EXPECT_EQ(Take(), "");
}

}  // namespace
}  // namespace setrix::pdf
