#pragma once
// Module screens set up for documentation tests, and the PDF tools that read the files.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "modules/dc_screen.h"
#include "modules/frq.h"
#include "modules/numbers.h"
#include "modules/rtd.h"
#include "modules/thermo.h"
#include "texts/texts.h"

namespace setrix::sheets::testing {

namespace fs = std::filesystem;

// A DC screen after typing the task and pressing "Calculate settings".
inline std::unique_ptr<DcScreen> DcTask(const char* inMin, const char* inMax, DcUnitButton inUnit,
                                        const char* outMin, const char* outMax, DcUnitButton outUnit,
                                        bool below10Hz = false) {
  auto dc = std::make_unique<DcScreen>();
  dc->RadioBtnClick(inUnit);
  dc->RadioBtnClick(outUnit);
  dc->RBtnGrenzClick(below10Hz ? DcBandwidthButton::RBtn10Hz : DcBandwidthButton::RBtn10kHz);
  dc->EditChange(DcEdit::EditEMin, inMin);
  dc->EditChange(DcEdit::EditEMax, inMax);
  dc->EditChange(DcEdit::EditAMin, outMin);
  dc->EditChange(DcEdit::EditAMax, outMax);
  if (!dc->TwoStep()) dc->BitBtnWeiterClick();
  return dc;
}

// 4 .. 20 mA to -10 .. 10 V: the two-step case.
inline std::unique_ptr<DcScreen> DcTwoStep(bool below10Hz = false) {
  auto dc = DcTask("4", "20", DcUnitButton::RBtnEmA, "-10", "10", DcUnitButton::RBtnAV, below10Hz);
  dc->Btn_DCStepOneClick();
  return dc;
}

inline ThermoModel Thermo(int type, int start, int end, int output, int filter = 0, int manual = 0) {
  ThermoModel m;
  ThermoUpdate(m);
  ThermoChoose(m, ThermoList::Type, type);
  ThermoChoose(m, ThermoList::Start, start);
  ThermoChoose(m, ThermoList::End, end);
  ThermoChoose(m, ThermoList::Output, output);
  ThermoChoose(m, ThermoList::Filter, filter);
  ThermoChoose(m, ThermoList::Manual, manual);
  return m;
}

inline RtdModel Rtd(int type, int start, int end, int output, int response = 0, int manual = 0) {
  RtdModel m;
  RtdUpdate(m);
  RtdChoose(m, RtdList::Type, type);
  RtdChoose(m, RtdList::Start, start);
  RtdChoose(m, RtdList::End, end);
  RtdChoose(m, RtdList::Output, output);
  RtdChoose(m, RtdList::Response, response);
  RtdChoose(m, RtdList::Manual, manual);
  return m;
}

inline FrqModel Frq(int mode, const char* lower, const char* upper, int output) {
  FrqModel m;
  FrqUpdate(m);
  FrqChoose(m, FrqList::Mode, mode);
  FrqEntryChanged(m, FrqEntry::Lower, lower);
  FrqEntryChanged(m, FrqEntry::Upper, upper);
  FrqChoose(m, FrqList::Output, output);
  FrqUpdate(m);
  return m;
}

// The standard output of a shell command.
inline std::string Run(const std::string& command, int* status = nullptr) {
  std::string out;
  FILE* p = ::popen(command.c_str(), "r");
  if (!p) return out;
  char buf[4096];
  for (std::size_t n; (n = std::fread(buf, 1, sizeof buf, p)) > 0;) out.append(buf, n);
  const int rc = ::pclose(p);
  if (status) *status = rc;
  return out;
}

inline void WriteFile(const fs::path& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

inline std::string ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

// The text of a PDF file as pdftotext reads it (UTF-8), pages separated by form feeds.
inline std::string PdfText(const fs::path& pdf) { return Run("pdftotext -layout '" + pdf.string() + "' - 2>&1"); }

inline int PdfPages(const fs::path& pdf) {
  const std::string info = Run("pdfinfo '" + pdf.string() + "' 2>&1");
  const auto p = info.find("Pages:");
  return p == std::string::npos ? -1 : std::stoi(info.substr(p + 6));
}

// qpdf --check: exit status 0 and no warnings.
inline bool QpdfClean(const fs::path& pdf, std::string* report = nullptr) {
  int status = -1;
  const std::string out = Run("qpdf --check '" + pdf.string() + "' 2>&1", &status);
  if (report) *report = out;
  return status == 0 && out.find("WARNING") == std::string::npos;
}

// Sets the language and the decimal point for one test and restores them afterwards.
struct LanguageScope {
  explicit LanguageScope(int language, char separator = '.')
      : oldLanguage(texts::CurrentLanguage()), oldSeparator(DecimalSeparator()) {
    texts::SetCurrentLanguage(language);
    SetDecimalSeparator(separator);
  }
  ~LanguageScope() {
    texts::SetCurrentLanguage(oldLanguage);
    SetDecimalSeparator(oldSeparator);
  }
  int oldLanguage;
  char oldSeparator;
};

}  // namespace setrix::sheets::testing

namespace setrix::sheets::testing {

// An image XObject of a PDF file written without compression: 8-bit indices, one per pixel.
struct PdfImage {
  std::string name;
  int width = 0, height = 0;
  std::string data;
  int Index(int x, int y) const {
    return static_cast<unsigned char>(
        data[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + static_cast<std::size_t>(x)]);
  }
};

// The images in object order (the order in which the pages first used them).
inline std::vector<PdfImage> PdfImages(const std::string& pdf) {
  std::vector<PdfImage> images;
  const auto number = [&](std::size_t from, std::size_t to, const std::string& key) {
    const auto p = pdf.find(key, from);
    return p < to ? std::stoi(pdf.substr(p + key.size())) : -1;
  };
  for (auto p = pdf.find("/Subtype /Image"); p != std::string::npos; p = pdf.find("/Subtype /Image", p + 1)) {
    const auto begin = pdf.rfind(" obj", p);
    const auto stream = pdf.find("stream\r\n", p);
    if (begin == std::string::npos || stream == std::string::npos) break;
    PdfImage image;
    image.width = number(begin, stream, "/Width ");
    image.height = number(begin, stream, "/Height ");
    const auto name = pdf.find("/Name /", begin);
    if (name < stream) image.name = pdf.substr(name + 7, pdf.find_first_of(" \r\n/>", name + 7) - name - 7);
    image.data =
        pdf.substr(stream + 8, static_cast<std::size_t>(image.width) * static_cast<std::size_t>(image.height));
    images.push_back(std::move(image));
  }
  return images;
}

}  // namespace setrix::sheets::testing
