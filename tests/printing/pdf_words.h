#pragma once
// Reading printed PDF files back in tests: the words with their boxes (pdftotext -bbox), in
// centimetres from the sheet's top-left corner, and a PDF-file printer to print into.
#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace setrix::printing::test {

struct Word {
  int page = 0;                                     // from 1
  double left = 0, top = 0, right = 0, bottom = 0;  // cm
  std::string text;
  // Liberation Sans: the baseline lies 0.212 em above the box's bottom, the box being
  // 1.117 em high.
  double Baseline() const { return bottom - (bottom - top) * 0.212 / 1.117; }
};

struct PdfText {
  int pages = 0;
  std::vector<Word> words;

  std::vector<Word> All(const std::string& text, int page = 0) const {
    std::vector<Word> found;
    for (const Word& w : words) {
      if (w.text == text && (page == 0 || w.page == page)) found.push_back(w);
    }
    return found;
  }
  bool Has(const std::string& text, int page = 0) const { return !All(text, page).empty(); }
  // The first word equal to `text` (on `page`, if given); a word with empty text if none.
  Word First(const std::string& text, int page = 0) const {
    const auto found = All(text, page);
    return found.empty() ? Word{} : found.front();
  }
  // The words of one line (same page, baseline within 0.1 cm), left to right, from the
  // first word equal to `text` up to `maxX` cm (the address column starts at 15.5 cm).
  std::vector<std::string> LineFrom(const std::string& text, int page = 0, double maxX = 15.0) const {
    const Word start = First(text, page);
    std::vector<const Word*> line;
    for (const Word& w : words) {
      if (w.page == start.page && std::abs(w.Baseline() - start.Baseline()) < 0.1 && w.left >= start.left - 0.01 &&
          w.left < maxX) {
        line.push_back(&w);
      }
    }
    std::sort(line.begin(), line.end(), [](const Word* a, const Word* b) { return a->left < b->left; });
    std::vector<std::string> texts;
    for (const Word* w : line) texts.push_back(w->text);
    return texts;
  }
};

inline std::string RunCommand(const std::string& command) {
  std::string output;
  std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
  if (!pipe) return output;
  char buffer[4096];
  size_t n;
  while ((n = fread(buffer, 1, sizeof buffer, pipe.get())) > 0) output.append(buffer, n);
  return output;
}

inline std::string Unescape(std::string s) {
  const std::pair<const char*, const char*> entities[] = {{"&lt;", "<"},   {"&gt;", ">"},  {"&quot;", "\""},
                                                          {"&apos;", "'"}, {"&#39;", "'"}, {"&amp;", "&"}};
  for (const auto& [from, to] : entities) {
    for (std::size_t at = s.find(from); at != std::string::npos; at = s.find(from, at + 1)) {
      s.replace(at, std::string(from).size(), to);
    }
  }
  return s;
}

inline PdfText ReadPdfText(const std::filesystem::path& pdf) {
  PdfText result;
  const std::string xml = RunCommand("pdftotext -bbox '" + pdf.string() + "' - 2>/dev/null");
  constexpr double kCm = 2.54 / 72;
  auto attribute = [](const std::string& tag, const char* name) {
    const std::string key = std::string(name) + "=\"";
    const std::size_t at = tag.find(key);
    double value = 0;
    if (at != std::string::npos) {
      const char* first = tag.data() + at + key.size();
      std::from_chars(first, tag.data() + tag.size(), value);
    }
    return value;
  };
  std::size_t pos = 0;
  while (true) {
    const std::size_t page = xml.find("<page ", pos);
    if (page == std::string::npos) break;
    const std::size_t next = xml.find("<page ", page + 1);
    ++result.pages;
    std::size_t at = page;
    while (true) {
      at = xml.find("<word ", at);
      if (at == std::string::npos || (next != std::string::npos && at > next)) break;
      const std::size_t close = xml.find('>', at);
      const std::size_t endTag = xml.find("</word>", close);
      const std::string tag = xml.substr(at, close - at);
      result.words.push_back({result.pages, attribute(tag, "xMin") * kCm, attribute(tag, "yMin") * kCm,
                              attribute(tag, "xMax") * kCm, attribute(tag, "yMax") * kCm,
                              Unescape(xml.substr(close + 1, endTag - close - 1))});
      at = endTag;
    }
    pos = page + 1;
  }
  return result;
}

// A PDF-file printer: A4, the given margins (mm) as its unprintable border, `dpi`.
inline std::unique_ptr<QPrinter> PdfPrinter(const std::filesystem::path& file, int dpi = 600,
                                            QMarginsF margins = QMarginsF(0, 0, 0, 0)) {
  auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
  printer->setOutputFormat(QPrinter::PdfFormat);
  printer->setOutputFileName(QString::fromStdString(file.string()));
  printer->setResolution(dpi);
  printer->setPageSize(QPageSize(QPageSize::A4));
  printer->setPageMargins(margins, QPageLayout::Millimeter);
  return printer;
}

// A folder for the test's output files, kept after the run so that the pages can be looked at.
inline std::filesystem::path OutputDir() {
  const auto dir = std::filesystem::temp_directory_path() / "setrix_printing_tests";
  std::filesystem::create_directories(dir);
  return dir;
}

}  // namespace setrix::printing::test
