// The same model of every module printed on a PDF-file printer and saved as a PDF document:
// both come from one document content, so each page carries the same words.
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>

#include "../sheets/doc_fixtures.h"
#include "modules/numbers.h"
#include "pdf_words.h"
#include "printing/module_pages.h"
#include "printing/qt_printer_sink.h"
#include "sheets/content.h"
#include "sheets/pdf_layout.h"
#include "texts/texts.h"

namespace setrix::printing {
namespace {

using WordSet = std::set<std::string>;

// The words of each page.
std::map<int, WordSet> PageWords(const test::PdfText& pdf) {
  std::map<int, WordSet> pages;
  for (const test::Word& w : pdf.words) pages[w.page].insert(w.text);
  return pages;
}

std::string Missing(const WordSet& from, const WordSet& in) {
  std::string out;
  for (const std::string& w : from)
    if (!in.count(w)) out += " [" + w + "]";
  return out;
}

using sheets::testing::DcTask;
using sheets::testing::DcTwoStep;
using sheets::testing::Frq;
using sheets::testing::Rtd;
using sheets::testing::Thermo;

struct Case {
  const char* name;
  int language;
  std::function<sheets::Document(const sheets::ContentOptions&)> build;
};

TEST(PrintVersusPdf, EveryModulePrintsTheWordsItSaves) {
  const int oldLanguage = texts::CurrentLanguage();
  SetDecimalSeparator('.');
  const Case cases[] = {
      {"dc", 1,
       [](const sheets::ContentOptions& o) {
         return sheets::DcDocument(*DcTask("0", "7", DcUnitButton::RBtnEV, "0", "10", DcUnitButton::RBtnAV), o);
       }},
      {"dc-two-step", 0, [](const sheets::ContentOptions& o) { return sheets::DcDocument(*DcTwoStep(), o); }},
      {"thermo", 1,
       [](const sheets::ContentOptions& o) { return sheets::ThermoDocument(Thermo(1, 0, 5, 2, 0, 1), o); }},
      {"rtd", 3, [](const sheets::ContentOptions& o) { return sheets::RtdDocument(Rtd(1, 0, 3, 0, 1, 0), o); }},
      {"frq-0", 1,
       [](const sheets::ContentOptions& o) { return sheets::FrqDocument(Frq(0, "50", "1230", 3), o); }},
      {"frq-1", 0,
       [](const sheets::ContentOptions& o) { return sheets::FrqDocument(Frq(1, "50", "1230", 3), o); }},
      {"frq-2", 2,
       [](const sheets::ContentOptions& o) { return sheets::FrqDocument(Frq(2, "50", "1230", 3), o); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    texts::SetCurrentLanguage(c.language);  // the screen models follow the current language
    const sheets::ContentOptions options{c.language, "Pump 7 Hall B", "24.12.2026"};
    const sheets::Document document = c.build(options);
    const auto printed = test::OutputDir() / (std::string("words_") + c.name + "_printed.pdf");
    const auto saved = test::OutputDir() / (std::string("words_") + c.name + "_saved.pdf");
    std::filesystem::remove(printed);
    {
      auto printer = test::PdfPrinter(printed, 600, QMarginsF(4, 4, 4, 4));
      QtPrinterSink sink(*printer);
      PrintOptions printOptions;
      printOptions.date = options.date;
      PrintDocument(sink, document, printOptions);
    }
    sheets::TPDFForm form;
    form.Save(saved.string(), document);

    const test::PdfText p = test::ReadPdfText(printed), s = test::ReadPdfText(saved);
    ASSERT_EQ(p.pages, static_cast<int>(document.pages.size()));
    ASSERT_EQ(s.pages, p.pages);
    const std::map<int, WordSet> printedWords = PageWords(p), savedWords = PageWords(s);
    for (int page = 1; page <= p.pages; ++page) {
      WordSet pw = printedWords.at(page), sw = savedWords.at(page);
      // Only the printed sheet carries the program's version along its edge; it writes the
      // banks' names into the board picture, the saved document beside it.
      for (const char* w : {"SETRIX", "Version", "1.31"}) pw.erase(w);
      for (const sheets::Board& board : document.pages[static_cast<std::size_t>(page - 1)].boards)
        for (const sheets::BoardBank& bank : board.banks) {
          pw.erase(bank.name);
          sw.erase(bank.name);
        }
      EXPECT_EQ(pw, sw) << "page " << page << ": printed only:" << Missing(pw, sw)
                        << "; saved only:" << Missing(sw, pw);
      // The task and the note are there at all.
      EXPECT_TRUE(sw.count("Pump") && sw.count("Hall")) << "page " << page;
    }
  }
  texts::SetCurrentLanguage(oldLanguage);
}

}  // namespace
}  // namespace setrix::printing
