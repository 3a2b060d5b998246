// The DC isolator's printed documentation on a PDF-file printer: the one-page document, the
// two-step case with its presets, and an entry that is no number.
#include <gtest/gtest.h>

#include <memory>
#include <set>

#include "../sheets/doc_fixtures.h"
#include "modules/numbers.h"
#include "pdf_words.h"
#include "printing/module_pages.h"
#include "printing/qt_printer_sink.h"
#include "sheets/pdf_layout.h"
#include "texts/texts.h"

namespace setrix::printing {
namespace {

using test::PdfText;
using test::Word;

constexpr double kTolerance = 0.05;  // cm
const double kLineHeight = 1.05 * 1.117 * 11 / 72 * 2.54;

using sheets::testing::DcTask;

// Digits after the decimal point of a number text.
std::size_t Decimals(const std::string& number) {
  const std::size_t point = number.find('.');
  return point == std::string::npos ? 0 : number.size() - point - 1;
}

class DcPagesTest : public testing::Test {
 protected:
  void SetUp() override {
    texts::SetCurrentLanguage(1);
    SetDecimalSeparator('.');
    options.date = "24/12/2024";
  }
  void TearDown() override { texts::SetCurrentLanguage(0); }

  PdfText Print(const std::string& name, const DcScreen& dc, std::string_view note) {
    const auto file = test::OutputDir() / name;
    std::filesystem::remove(file);
    auto printer = test::PdfPrinter(file, 600, QMarginsF(4, 4, 4, 4));
    QtPrinterSink sink(*printer);
    PrintDCDocumentation(sink, dc, note, options);
    return test::ReadPdfText(file);
  }

  sheets::TPDFForm form;
  PrintOptions options;
};

TEST_F(DcPagesTest, OnePageWithTheTaskBoardAndInstructions) {
  const auto dc = DcTask("4", "20", DcUnitButton::RBtnEmA, "0", "10", DcUnitButton::RBtnAV);
  ASSERT_TRUE(dc->CalcDone());
  ASSERT_FALSE(dc->TwoStep());
  const PdfText pdf = Print("dc.pdf", *dc, "SN 12345");
  form.SaveDCDocumentation((test::OutputDir() / "dc_saved.pdf").string(), *dc, "SN 12345");

  ASSERT_EQ(pdf.pages, 1);
  EXPECT_FALSE(pdf.Has("Page:"));
  EXPECT_FALSE(pdf.Has("Illustration"));
  EXPECT_EQ(pdf.LineFrom("ZOR"), (std::vector<std::string>{"ZOR", "DC"}));

  // Numbers: equal decimals per pair, right-aligned in one column, units left-aligned after it.
  EXPECT_EQ(pdf.LineFrom("Input:"), (std::vector<std::string>{"Input:", "Start", "value:", "4.0", "mA"}));
  const Word in0 = pdf.First("4.0"), in1 = pdf.First("20.0");
  const Word out0 = pdf.First("0.0"), out1 = pdf.First("10.0");
  ASSERT_FALSE(in0.text.empty() || in1.text.empty() || out0.text.empty() || out1.text.empty());
  EXPECT_EQ(Decimals(in0.text), Decimals(in1.text));
  EXPECT_EQ(Decimals(out0.text), Decimals(out1.text));
  const Word band = pdf.First(">10");
  for (const Word* w : {&in1, &out0, &out1, &band}) {
    EXPECT_NEAR(w->right, in0.right, kTolerance) << w->text;
  }
  const auto units = pdf.All("mA");
  EXPECT_NEAR(pdf.First("V").left, units.at(0).left, kTolerance);
  EXPECT_NEAR(pdf.First("kHz").left, units.at(0).left, kTolerance);
  EXPECT_NEAR(pdf.First("Start").left, 5.4, kTolerance);
  EXPECT_NEAR(pdf.First("Bandwidth:").left, 5.4, kTolerance);
  EXPECT_NEAR(pdf.First("Output:").Baseline() - pdf.First("Bandwidth:").Baseline(), 1.7 * kLineHeight, kTolerance);

  // The settings line and the screen's instruction lines.
  const DcInstructionLabels& l = dc->Labels();
  ASSERT_FALSE(l.Label2HelpDC.text.empty());
  if (!l.Label2IndexDC.text.empty()) {
    EXPECT_EQ(pdf.LineFrom("Settings:"), (std::vector<std::string>{"Settings:", "1.", "Adjust", "switches"}));
    EXPECT_NEAR(pdf.First(l.Label2IndexDC.text).left, 2.3, kTolerance);
  }
  const std::string firstWord = l.Label4HelpDC.text.substr(0, l.Label4HelpDC.text.find(' '));
  EXPECT_TRUE(pdf.Has(firstWord)) << firstWord;

  // The eight terminals and the two potentiometers beside the narrow plan.
  std::set<std::string> numbers;
  for (const Word& w : pdf.words) {
    if (w.left > 9.5 && w.right < 12.5 && w.text.size() == 1 && std::isdigit(w.text[0])) numbers.insert(w.text);
  }
  EXPECT_EQ(numbers, (std::set<std::string>{"1", "2", "3", "4", "5", "6", "7", "8"}));
  EXPECT_TRUE(pdf.Has("Zero"));
  EXPECT_TRUE(pdf.Has("Span"));
}

TEST_F(DcPagesTest, TwoStepCasePrintsTwoPagesWithThePresets) {
  for (const DcBandwidthButton bandwidth : {DcBandwidthButton::RBtn10Hz, DcBandwidthButton::RBtn10kHz}) {
    const auto dc = DcTask("4", "20", DcUnitButton::RBtnEmA, "-10", "10", DcUnitButton::RBtnAV,
                           bandwidth == DcBandwidthButton::RBtn10Hz);
    ASSERT_TRUE(dc->TwoStep());
    const PdfText pdf = Print("dc_two_step.pdf", *dc, "Pump 7");
    ASSERT_EQ(pdf.pages, 2);
    for (int page = 1; page <= 2; ++page) {
      const std::string n = std::to_string(page);
      EXPECT_EQ(pdf.LineFrom("Page:", page, 21.0), (std::vector<std::string>{"Page:", n, "/", "2"}));
      EXPECT_EQ(pdf.LineFrom("Illustration", page), (std::vector<std::string>{"Illustration", n + ".)"}));
      EXPECT_EQ(pdf.LineFrom("Settings:", page), (std::vector<std::string>{"Settings:", n + ".", "Step"}));
      // Each page names its device: module and note.
      EXPECT_EQ(pdf.LineFrom("Note:", page), (std::vector<std::string>{"Note:", "Pump", "7"}));
      EXPECT_EQ(pdf.LineFrom("ZOR", page), (std::vector<std::string>{"ZOR", "DC"}));
    }
    // Text B names the test values of its step.
    const std::vector<std::string> apply1 = pdf.LineFrom("Apply", 1), apply2 = pdf.LineFrom("Apply", 2);
    ASSERT_GE(apply1.size(), 3u);
    ASSERT_GE(apply2.size(), 3u);
    EXPECT_EQ(apply1[1] + " " + apply1[2], "10 mA");
    EXPECT_EQ(apply2[1] + " " + apply2[2], "4 mA");
    EXPECT_EQ(pdf.LineFrom("ZERO", 2).at(3), "-10");
    EXPECT_TRUE(pdf.Has("further", 2));
    EXPECT_FALSE(pdf.Has("further", 1));
    if (bandwidth == DcBandwidthButton::RBtn10kHz) {
      form.SaveDCDocumentation((test::OutputDir() / "dc_two_step_saved.pdf").string(), *dc, "Pump 7");
    }
  }
}

TEST_F(DcPagesTest, AnEntryThatIsNoNumberStopsBeforeTheJobWithItsOwnError) {
  DcScreen dc;
  dc.EditChange(DcEdit::EditEMin, "4");
  dc.EditChange(DcEdit::EditEMax, "x");
  const auto file = test::OutputDir() / "dc_bad_entry.pdf";
  std::filesystem::remove(file);
  auto printer = test::PdfPrinter(file);
  {
    QtPrinterSink sink(*printer);
    EXPECT_THROW(PrintDCDocumentation(sink, dc, "", options), std::invalid_argument);
  }
  // The content is built before the job starts: no sheet is wasted on a half page.
  EXPECT_EQ(test::ReadPdfText(file).pages, 0);
}

}  // namespace
}  // namespace setrix::printing
