// Whole files checked by real tools: qpdf must find no error and pdftotext must read the
// text back. Skipped when the tools are not installed.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>

#include "pdf/canvas.h"
#include "pdf/document.h"
#include "pdf/images.h"
#include "pdf_test_util.h"

namespace setrix::pdf {
namespace {

bool HaveTool(const char* name) {
  return std::system(("command -v " + std::string(name) + " >/dev/null 2>&1").c_str()) == 0;
}

std::string RunCommand(const std::string& command, int& status) {
  std::string out;
  FILE* p = popen(command.c_str(), "r");
  if (!p) {
    status = -1;
    return out;
  }
  char buf[4096];
  std::size_t n;
  while ((n = fread(buf, 1, sizeof buf, p)) > 0) out.append(buf, n);
  status = pclose(p);
  return out;
}

class PdfToolsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!HaveTool("qpdf") || !HaveTool("pdftotext")) GTEST_SKIP() << "qpdf or pdftotext not installed";
  }
  void TearDown() override {
    if (!path_.empty()) std::filesystem::remove(path_);
  }

  // Builds a document with draw(doc), saves it to a temporary file, checks it with qpdf
  // and returns the text pdftotext reads from it (UTF-8).
  std::string Check(const std::function<void(TPdfDoc&)>& draw) {
    TPdfDoc doc(testing::FixedTime);
    doc.NewDocument();
    draw(doc);
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    path_ = std::filesystem::temp_directory_path() /
            ("setrix_" + std::string(info->name()) + "_" + std::to_string(getpid()) + ".pdf");
    {
      std::ofstream file(path_, std::ios::binary);
      doc.SaveToStream(file);
    }
    int status = 0;
    const std::string report = RunCommand("qpdf --check '" + path_.string() + "' 2>&1", status);
    EXPECT_EQ(status, 0) << report;
    EXPECT_NE(report.find("No syntax or stream encoding errors found"), std::string::npos) << report;
    const std::string text = RunCommand("pdftotext -layout '" + path_.string() + "' - 2>&1", status);
    EXPECT_EQ(status, 0) << text;
    return text;
  }

  std::filesystem::path path_;
};

void Line(TPdfCanvas& canvas, float top, const std::string& utf8) {
  canvas.TextInBox({72, top, 500, top - 12}, Utf8ToWinAnsi(utf8), TPdfAlignment::taLeftJustify, false);
}

TEST_F(PdfToolsTest, OnePage) {
  const std::string text = Check([](TPdfDoc& doc) {
    doc.AddPage();
    Line(doc.GetCanvas(), 800, "Zantrel SETRIX (one page) \\ done");
  });
  EXPECT_NE(text.find("Zantrel SETRIX (one page) \\ done"), std::string::npos) << text;
}

TEST_F(PdfToolsTest, TwoPages) {
  const std::string text = Check([](TPdfDoc& doc) {
    doc.AddPage();
    Line(doc.GetCanvas(), 800, "First page");
    doc.AddPage();
    doc.GetCanvas().SelectFont("Times-Bold", 14);
    Line(doc.GetCanvas(), 800, "Second page");
  });
  const std::size_t first = text.find("First page"), form = text.find('\f'), second = text.find("Second page");
  ASSERT_NE(first, std::string::npos) << text;
  ASSERT_NE(second, std::string::npos) << text;
  EXPECT_LT(first, form);  // on separate pages, in order
  EXPECT_LT(form, second);
}

TEST_F(PdfToolsTest, AllTwelveFontsWithCharactersAbove127) {
  const char* fonts[] = {"FixedWidth",  "FixedWidth-Bold", "FixedWidth-Italic", "FixedWidth-BoldItalic",
                         "Arial",       "Arial-Bold",      "Arial-Italic",      "Arial-BoldItalic",
                         "Times-Roman", "Times-Bold",      "Times-Italic",      "Times-BoldItalic"};
  const std::string text = Check([&](TPdfDoc& doc) {
    doc.AddPage();
    TPdfCanvas& canvas = doc.GetCanvas();
    float top = 800;
    for (const char* font : fonts) {
      canvas.SelectFont(font, 12);
      Line(canvas, top, std::string(font) + ": Grüße, 20 °C, 4 … 20 mA, 5 €");
      top -= 20;
    }
    canvas.SelectFont("Arial", 10);
    canvas.SetLeading(12);
    canvas.TextBlockInBox({72, top, 200, 100},
                          Utf8ToWinAnsi("Ein Absatz über mehrere Zeilen, umbrochen an Wortgrenzen."), true);
  });
  for (const char* font : fonts)
    EXPECT_NE(text.find(std::string(font) + ": Grüße, 20 °C, 4 … 20 mA, 5 €"), std::string::npos) << font << "\n"
                                                                                                  << text;
  EXPECT_NE(text.find("Ein Absatz über"), std::string::npos) << text;
  EXPECT_NE(text.find("Wortgrenzen."), std::string::npos) << text;
}

TEST_F(PdfToolsTest, OneBitAndTrueColourImages) {
  const std::string text = Check([](TPdfDoc& doc) {
    doc.AddPage();
    raster::Bitmap mono(17, 9, 1);  // odd width: rows are padded in memory only
    for (int y = 0; y < 9; ++y)
      for (int x = 0; x < 17; ++x) mono.SetIndex(x, y, static_cast<std::uint8_t>((x + y) % 2));
    raster::Bitmap colour(5, 3, 24);
    for (int x = 0; x < 5; ++x) colour.SetColor(x, 1, {255, static_cast<std::uint8_t>(x * 50), 0});
    doc.AddImage("Mono", MakeImageByClassName(mono, "Pdf-Bitmap"));
    doc.AddImage("Colour", MakeImageByClassName(colour, "Pdf-Bitmap"));
    TPdfCanvas& canvas = doc.GetCanvas();
    canvas.DrawXObject(72, 600, 170, 90, "Mono");
    canvas.DrawXObjectEx(300, 600, 50, 30, 300, 600, 40, 30, "Colour");
    Line(canvas, 800, "Two images");
    doc.AddPage();
    canvas.DrawXObject(72, 600, 17, 9, "Mono");  // reused on the second page
  });
  EXPECT_NE(text.find("Two images"), std::string::npos) << text;
}

}  // namespace
}  // namespace setrix::pdf
