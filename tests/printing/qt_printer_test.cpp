// The primitives on a real QPrinter writing a PDF file: positions on the sheet, the job title,
// and failures of the printer and while drawing.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "pdf_words.h"
#include "printing/printout.h"
#include "printing/qt_printer_sink.h"
#include "texts/texts.h"

namespace setrix::printing {
namespace {

using test::PdfPrinter;
using test::ReadPdfText;
using test::RunCommand;

constexpr double kTolerance = 0.05;  // cm

class QtPrinterTest : public testing::Test {
 protected:
  void SetUp() override {
    texts::SetCurrentLanguage(1);
    options.date = "2024-12-24";
  }
  void TearDown() override { texts::SetCurrentLanguage(0); }
  PrintOptions options;
};

TEST_F(QtPrinterTest, HeaderTextsKeepTheirSheetPositionsOnAPrinterWithMargins) {
  const auto file = test::OutputDir() / "header_margins.pdf";
  std::filesystem::remove(file);
  // 5 mm unprintable on the left, 7 mm at the top.
  auto printer = PdfPrinter(file, 600, QMarginsF(5, 7, 5, 7));
  {
    QtPrinterSink sink(*printer);
    Printout out(sink, options);
    out.CreateScratchImage();
    out.BeginPrintPage(true);
    EXPECT_NEAR(out.Metrics().offsetX, 0.5, 0.01);
    EXPECT_NEAR(out.Metrics().offsetY, 0.7, 0.01);
    EXPECT_NEAR(out.Metrics().paperWidth, 21.0, 0.02);  // 595 points
    EXPECT_NEAR(out.Metrics().rightMargin, 0.5, 0.01);
    // 1.05 x the cell height of Arial 11 pt (1.117 em).
    EXPECT_NEAR(out.Metrics().lineHeight, 1.05 * 1.117 * 11 / 72 * 2.54, 0.01);
    EXPECT_DOUBLE_EQ(out.PrintHeader("RTD", "SN 0815-A", 0, 0, true), 4.8);
    out.EndDocument();
  }
  const test::PdfText pdf = ReadPdfText(file);
  ASSERT_EQ(pdf.pages, 1);
  struct Expect {
    const char* word;
    double x, baseline;
  };
  const Expect expected[] = {
      {"VORNEX", 2.3, 1.75}, {"for", 2.3, 2.5},   {"Zantrel", 15.99, 4.6}, {"Fax", 15.99, 5.8},
      {"Date:", 15.99, 6.5}, {"Note:", 2.3, 4.8}, {"SN", 5.4, 4.8},
  };
  for (const Expect& e : expected) {
    const test::Word w = pdf.First(e.word);
    ASSERT_FALSE(w.text.empty()) << e.word;
    EXPECT_NEAR(w.left, e.x, kTolerance) << e.word;
    EXPECT_NEAR(w.Baseline(), e.baseline, kTolerance) << e.word;
  }
  EXPECT_EQ(pdf.LineFrom("Date:", 1, 21.0), (std::vector<std::string>{"Date:", "2024-12-24"}));
  EXPECT_EQ(pdf.LineFrom("for"),
            (std::vector<std::string>{"for", "signal", "isolator", "VORNEX", "TELIQ", "ZOR", "RTD"}));
  EXPECT_FALSE(pdf.Has("Page:"));
  EXPECT_NE(RunCommand("pdfinfo '" + file.string() + "'").find("Zantrel SETRIX"), std::string::npos);
}

TEST_F(QtPrinterTest, APrinterThatCannotStartReportsWithoutAFile) {
  const auto file = test::OutputDir() / "no such folder" / "out.pdf";
  auto printer = PdfPrinter(file);
  QtPrinterSink sink(*printer);
  Printout out(sink, options);
  out.CreateScratchImage();
  try {
    out.BeginPrintPage(true);
    FAIL() << "the job started";
  } catch (const PrintError& e) {
    EXPECT_NE(std::string(e.what()).find("out.pdf"), std::string::npos) << e.what();
  }
  EXPECT_FALSE(std::filesystem::exists(file));
}

TEST_F(QtPrinterTest, AnErrorWhileDrawingEndsTheJobWithAReadableFile) {
  const auto file = test::OutputDir() / "broken_picture.pdf";
  std::filesystem::remove(file);
  auto printer = PdfPrinter(file);
  options.pictures = [](std::string_view name) -> raster::Bitmap {
    throw std::invalid_argument("no picture named " + std::string(name));
  };
  {
    QtPrinterSink sink(*printer);
    try {
      Printout out(sink, options);
      out.CreateScratchImage();
      out.BeginPrintPage(true);
      out.SetPrinterFont(11, false, false);
      out.TextAt("before the logo", 2.3, 10.0);
      out.PrintHeader("DC", "", 0, 0, true);
      FAIL() << "the missing picture did not raise";
    } catch (const std::invalid_argument& e) {
      EXPECT_STREQ(e.what(), "no picture named ZTLOGO");
    }
  }
  // The job was ended with what had been drawn.
  const std::string check = RunCommand("qpdf --check '" + file.string() + "' 2>&1");
  EXPECT_NE(check.find("No syntax or stream encoding errors"), std::string::npos) << check;
  EXPECT_TRUE(ReadPdfText(file).Has("before"));
}

TEST(DocumentFontTest, ArialOrItsStandIn) {
  const QString family = DocumentFontFamily();
  EXPECT_TRUE(family == "Arial" || family == "Liberation Sans") << family.toStdString();
  const QFont font = DocumentFont(TextFont{100, true, true, false}, true);
  EXPECT_EQ(font.pixelSize(), 100);
  EXPECT_TRUE(font.bold());
  EXPECT_TRUE(font.italic());
  EXPECT_FALSE(font.kerning());
}

}  // namespace
}  // namespace setrix::printing
