// The frequency converter's printed documentation on a PDF-file printer, in its three modes.
#include <gtest/gtest.h>

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

using sheets::testing::Frq;

// How often a word stands on a page.
std::size_t Count(const PdfText& pdf, const std::string& word, int page) { return pdf.All(word, page).size(); }

// The words at the left margin.
std::vector<Word> AtMargin(const PdfText& pdf, const std::string& word, int page) {
  std::vector<Word> found;
  for (const Word& w : pdf.All(word, page)) {
    if (std::abs(w.left - 2.3) < 0.05) found.push_back(w);
  }
  return found;
}

class FrqPagesTest : public testing::Test {
 protected:
  void SetUp() override {
    texts::SetCurrentLanguage(1);
    SetDecimalSeparator('.');
    options.date = "24/12/2024";
  }
  void TearDown() override { texts::SetCurrentLanguage(0); }

  PdfText Print(const std::string& name, FrqModel& frq, std::string_view note) {
    const auto file = test::OutputDir() / (name + ".pdf");
    std::filesystem::remove(file);
    {
      auto printer = test::PdfPrinter(file, 600, QMarginsF(4, 4, 4, 4));
      QtPrinterSink sink(*printer);
      PrintFRQDocumentation(sink, frq, note, options);
    }
    form.SaveFRQDocumentation((test::OutputDir() / (name + "_saved.pdf")).string(), frq, note);
    return test::ReadPdfText(file);
  }

  sheets::TPDFForm form;
  PrintOptions options;
};

TEST_F(FrqPagesTest, ZeroToMaxPrintsOnePageWithSettingsAndPinning) {
  FrqModel frq = Frq(kFrqModeZeroToMax, "", "1000", 3);
  ASSERT_TRUE(frq.documentable);
  const PdfText pdf = Print("frq_mode0", frq, "Pump 7");
  ASSERT_EQ(pdf.pages, 1);
  EXPECT_FALSE(pdf.Has("Page:"));
  EXPECT_FALSE(pdf.Has("Illustration"));
  EXPECT_FALSE(pdf.Has("Pinning"));
  EXPECT_EQ(pdf.LineFrom("ZOR"), (std::vector<std::string>{"ZOR", "FREQUENCY"}));
  // Frequencies in one column, "Hz" in the next, the range and its unit below them.
  const Word lower = pdf.First("0");
  const std::vector<std::string> lowerLine = pdf.LineFrom("Lower");
  ASSERT_FALSE(lowerLine.empty());
  EXPECT_EQ(lowerLine.back(), "Hz");
  EXPECT_EQ(lowerLine[lowerLine.size() - 2], "0");
  EXPECT_EQ(pdf.LineFrom("Upper").at(pdf.LineFrom("Upper").size() - 2), "1000");
  EXPECT_NEAR(pdf.First("1000").left, pdf.First("4").left, kTolerance);  // "4 .. 20" at p
  EXPECT_NEAR(pdf.All("Hz").at(0).left, pdf.First("mA").left, kTolerance);
  EXPECT_EQ(pdf.LineFrom("Settings:"), (std::vector<std::string>{"Settings:", "Adjust", "switches"}));
  // The pinning follows the board on page 1: terminals 1 to 8 at the margin.
  const auto terminals = AtMargin(pdf, "Terminal", 1);
  ASSERT_EQ(terminals.size(), 8u);
  for (const Word& t : terminals) EXPECT_NEAR(t.left, 2.3, kTolerance);
  EXPECT_GT(terminals[0].top, pdf.First("Zero").top);
  EXPECT_EQ(pdf.LineFrom("5:").size() > 1 ? pdf.LineFrom("5:")[1] : "", "Output");
}

TEST_F(FrqPagesTest, MinToMaxPrintsTheStepsAndOneBoardOnPageTwo) {
  FrqModel frq = Frq(kFrqModeMinToMax, "100", "1000", 1);
  ASSERT_TRUE(frq.documentable);
  const PdfText pdf = Print("frq_mode1", frq, "Pump 7");
  ASSERT_EQ(pdf.pages, 2);
  EXPECT_EQ(pdf.LineFrom("Page:", 1, 21.0), (std::vector<std::string>{"Page:", "1", "/", "2"}));
  EXPECT_EQ(pdf.LineFrom("Page:", 2, 21.0), (std::vector<std::string>{"Page:", "2", "/", "2"}));
  // Page 1: task block without settings line, illustration 1, the two steps.
  EXPECT_FALSE(pdf.Has("Settings:", 1));
  EXPECT_EQ(pdf.LineFrom("Illustration", 1), (std::vector<std::string>{"Illustration", "1.)"}));
  EXPECT_TRUE(pdf.Has("Pump", 1));
  EXPECT_EQ(Count(pdf, "Step", 1), 2u);
  const auto steps = pdf.All("Step", 1);
  const double lh = 1.05 * 1.117 * 11 / 72 * 2.54;
  // The next heading is 10.2 lines below the previous one, however long the text is.
  EXPECT_NEAR(steps[1].Baseline() - steps[0].Baseline(), 10.2 * lh, kTolerance);
  EXPECT_NEAR(pdf.First("1.", 1).left, 2.3, kTolerance);
  // Page 2: the note (a loose page still names its device), one board, the pinning.
  EXPECT_EQ(pdf.LineFrom("Note:", 2), (std::vector<std::string>{"Note:", "Pump", "7"}));
  EXPECT_EQ(pdf.LineFrom("ZOR", 2), (std::vector<std::string>{"ZOR", "FREQUENCY"}));
  EXPECT_NEAR(pdf.First("Note:", 2).Baseline(), pdf.First("Note:", 1).Baseline(), kTolerance);
  EXPECT_NEAR(pdf.First("Pump", 2).left, pdf.First("Pump", 1).left, kTolerance);
  EXPECT_GT(pdf.First("\"On\"", 2).top, pdf.First("Note:", 2).bottom);
  EXPECT_EQ(pdf.LineFrom("Illustration", 2), (std::vector<std::string>{"Illustration", "2.)"}));
  EXPECT_FALSE(pdf.Has("3.)", 2));
  EXPECT_EQ(Count(pdf, "\"On\"", 2), 1u);
  EXPECT_TRUE(pdf.Has("Pinning", 2));
  EXPECT_EQ(AtMargin(pdf, "Terminal", 2).size(), 8u);
  EXPECT_GT(pdf.First("Pinning", 2).top, pdf.First("Illustration", 2).top);
  // Terminal 8 reads "Terminal 8: Gnd", its label only once.
  EXPECT_EQ(Count(pdf, "Terminal", 2), 8u);
  EXPECT_EQ(pdf.LineFrom("8:", 2).size() > 1 ? pdf.LineFrom("8:", 2)[1] : "", "Gnd");
}

TEST_F(FrqPagesTest, SpecialRangeIsUserDefinedWithTwoBoardsOnPageTwo) {
  FrqModel frq = Frq(kFrqModeSpecial, "", "", 2);
  ASSERT_TRUE(frq.documentable);
  const PdfText pdf = Print("frq_mode2", frq, "");
  ASSERT_EQ(pdf.pages, 2);
  EXPECT_EQ(Count(pdf, "User", 1), 2u);
  EXPECT_FALSE(pdf.Has("Hz", 1));
  EXPECT_EQ(Count(pdf, "Step", 1), 3u);
  EXPECT_EQ(pdf.LineFrom("Illustration", 2), (std::vector<std::string>{"Illustration", "2.)"}));
  const auto captions = pdf.All("Illustration", 2);
  ASSERT_EQ(captions.size(), 2u);
  EXPECT_EQ(Count(pdf, "\"On\"", 2), 2u);
  EXPECT_TRUE(pdf.Has("3.)", 2));
  EXPECT_GT(pdf.First("Pinning", 2).top, std::max(captions[0].top, captions[1].top));
  EXPECT_TRUE(pdf.Has("Note:", 2));
}

// A note of 48 characters without a blank: whole on both pages, within its column, and the
// blocks below move down so that nothing overlaps it.
TEST_F(FrqPagesTest, ALongNoteStaysWholeWithinItsColumnOnBothPages) {
  FrqModel frq = Frq(kFrqModeMinToMax, "100", "1000", 1);
  const std::string tag = "SN4711-0815/ABCDEFGHIJKLMNOPQRSTUVWXYZ.012345678";
  ASSERT_EQ(tag.size(), 48u);
  const PdfText pdf = Print("frq_long_note", frq, tag);
  ASSERT_EQ(pdf.pages, 2);
  for (int page = 1; page <= 2; ++page) {
    const Word note = pdf.First("Note:", page);
    const double address = pdf.First("Zantrel", page).left;
    std::string joined;
    double bottom = 0;
    for (const Word& w : pdf.words) {
      if (w.page != page || w.left < 5.3 || w.left > 15 || w.top < note.top - 0.1 || w.top > note.top + 0.9)
        continue;
      joined += w.text;
      EXPECT_LT(w.right, address) << w.text;
      bottom = std::max(bottom, w.bottom);
    }
    EXPECT_EQ(joined, tag) << page;
    const Word below = page == 1 ? pdf.First("Input:", 1) : pdf.First("\"On\"", 2);
    EXPECT_GT(below.top, bottom) << page;
  }
}

// The text of each step is wrapped to 0.65 of the printable width.
TEST_F(FrqPagesTest, StepTextsStayWithinTheWrappedWidth) {
  FrqModel frq = Frq(kFrqModeSpecial, "", "", 0);
  const PdfText pdf = Print("frq_mode2_wrap", frq, "");
  const double limit = 2.3 + 0.65 * (21.0 - 0.8);
  for (const Word& w : pdf.words) {
    if (w.page == 1 && w.top > pdf.First("Illustration", 1).top) {
      // A line may run past the limit by one word at most.
      EXPECT_LT(w.left, limit) << w.text;
    }
  }
}

}  // namespace
}  // namespace setrix::printing
