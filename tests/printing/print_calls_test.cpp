// The printed documentation of a table of tasks, every module and mode in two or more
// languages, recorded call by call on a printer of fixed capabilities. Each case's log is
// reduced to a hash and compared with print_calls.golden, so that a change of what is drawn,
// where, in which font or with which bank picture shows up here.
//
//   SETRIX_PRINT_CALLS_DIR=dir   also writes each case's full log to dir/<case>.txt
//   SETRIX_PRINT_CALLS_UPDATE=1  rewrites print_calls.golden from this run (after a change
//                                of the pages that is meant)
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <sstream>
#include <string>
#include <tuple>

#include "../sheets/doc_fixtures.h"
#include "modules/numbers.h"
#include "printing/module_pages.h"
#include "recording_sink.h"
#include "texts/texts.h"

namespace setrix::printing {
namespace {

namespace fs = std::filesystem;

// A4 at 600 dpi with a 4 mm unprintable border.
constexpr DeviceCaps kCaps{600, 600, 4960, 7016, 94, 94, 4772, 6828};

// A DC screen with its task calculated; a two-step task at its first step.
std::unique_ptr<DcScreen> Dc(const char* inMin, const char* inMax, DcUnitButton inUnit, const char* outMin,
                             const char* outMax, DcUnitButton outUnit, DcBandwidthButton bandwidth) {
  auto dc = sheets::testing::DcTask(inMin, inMax, inUnit, outMin, outMax, outUnit,
                                    bandwidth == DcBandwidthButton::RBtn10Hz);
  if (dc->TwoStep()) dc->Btn_DCStepOneClick();
  return dc;
}

int IndexOfValue(const ChoiceList& list, double value) {
  for (std::size_t i = 0; i < list.items.size(); ++i)
    if (list.items[i].value == value) return static_cast<int>(i);
  return -1;
}

ThermoModel Thermo(int type, int start, int end, int output, int filter, int manual) {
  ThermoModel m;
  ThermoUpdate(m);
  ThermoChoose(m, ThermoList::Type, type);
  ThermoChoose(m, ThermoList::Start, IndexOfValue(m.start, start));
  ThermoChoose(m, ThermoList::End, IndexOfValue(m.end, end));
  ThermoChoose(m, ThermoList::Output, output);
  ThermoChoose(m, ThermoList::Filter, filter);
  ThermoChoose(m, ThermoList::Manual, manual);
  return m;
}

int RtdTypeIndex(std::string_view cliName) {
  for (std::size_t i = 0; i < kRtdTypes.size(); ++i)
    if (kRtdTypes[i].cliName == cliName) return static_cast<int>(i);
  return -1;
}

RtdModel Rtd(std::string_view type, int start, int end, int output, int response, int manual) {
  RtdModel m;
  RtdUpdate(m);
  RtdChoose(m, RtdList::Type, RtdTypeIndex(type));
  RtdChoose(m, RtdList::Start, 0);
  RtdChoose(m, RtdList::End, 0);
  for (std::size_t i = 0; i < m.start.items.size(); ++i)
    if (m.start.items[i].value == start || m.start.items[i].value == -start)
      RtdChoose(m, RtdList::Start, static_cast<int>(i));
  for (std::size_t i = 0; i < m.end.items.size(); ++i)
    if (m.end.items[i].value == end) RtdChoose(m, RtdList::End, static_cast<int>(i));
  RtdChoose(m, RtdList::Output, output);
  RtdChoose(m, RtdList::Response, response);
  RtdChoose(m, RtdList::Manual, manual);
  return m;
}

using sheets::testing::Frq;

struct Case {
  const char* name;
  int language;
  char separator;
  const char* note;
  // Builds the model in the case's language and prints it.
  std::function<void(PageSink&, const PrintOptions&, std::string_view note)> print;
};

void PrintDc(PageSink& sink, const PrintOptions& options, std::string_view note, const DcScreen& dc) {
  PrintDCDocumentation(sink, dc, note, options);
}

void PrintFrq(PageSink& sink, const PrintOptions& options, std::string_view note, FrqModel frq) {
  PrintFRQDocumentation(sink, frq, note, options);
}

const Case kCases[] = {
    {"dc-4-20mA-0-10V-en", 1, '.', "SN 4711",
     [](PageSink& s, const PrintOptions& o, std::string_view n) {
       PrintDc(
           s, o, n,
           *Dc("4", "20", DcUnitButton::RBtnEmA, "0", "10", DcUnitButton::RBtnAV, DcBandwidthButton::RBtn10Hz));
     }},
    {"dc-0-7V-de", 0, ',', "Prüfstand 3, Kanal 12 – eine sehr lange Notiz",
     [](PageSink& s, const PrintOptions& o, std::string_view n) {
       PrintDc(s, o, n,
               *Dc("0", "7", DcUnitButton::RBtnEV, "0", "10", DcUnitButton::RBtnAV, DcBandwidthButton::RBtn10kHz));
     }},
    {"dc-0-100mV-0-20mA-it", 2, ',', "",
     [](PageSink& s, const PrintOptions& o, std::string_view n) {
       PrintDc(
           s, o, n,
           *Dc("0", "100", DcUnitButton::RBtnEmV, "0", "20", DcUnitButton::RBtnAmA, DcBandwidthButton::RBtn10kHz));
     }},
    {"dc-two-step-en", 1, '.', "Pump 7",
     [](PageSink& s, const PrintOptions& o, std::string_view n) {
       PrintDc(
           s, o, n,
           *Dc("4", "20", DcUnitButton::RBtnEmA, "-10", "10", DcUnitButton::RBtnAV, DcBandwidthButton::RBtn10Hz));
     }},
    {"dc-two-step-de", 0, ',', "",
     [](PageSink& s, const PrintOptions& o, std::string_view n) {
       PrintDc(
           s, o, n,
           *Dc("4", "20", DcUnitButton::RBtnEmA, "-10", "10", DcUnitButton::RBtnAV, DcBandwidthButton::RBtn10kHz));
     }},
    {"thermo-K-de", 0, ',', "Kessel 3",
     [](PageSink& s, const PrintOptions& o, std::string_view n) {
       PrintThermoDocumentation(s, Thermo(0, 0, 400, 2, 0, 0), n, o);
     }},
    {"thermo-J-en", 1, '.', "",
     [](PageSink& s, const PrintOptions& o, std::string_view n) {
       PrintThermoDocumentation(s, Thermo(1, 0, 200, 0, 1, 1), n, o);
     }},
    {"thermo-S-es", 3, ',', "Caldera",
     [](PageSink& s, const PrintOptions& o, std::string_view n) {
       PrintThermoDocumentation(s, Thermo(6, 0, 1200, 1, 0, 0), n, o);
     }},
    {"rtd-pt100-3wire-en", 1, '.', "Hall 2",
     [](PageSink& s, const PrintOptions& o, std::string_view n) {
       PrintRTDDocumentation(s, Rtd("pt100-3wire", 0, 100, 2, 0, 0), n, o);
     }},
    {"rtd-ni100-de", 0, ',', "",
     [](PageSink& s, const PrintOptions& o, std::string_view n) {
       PrintRTDDocumentation(s, Rtd("ni100-2wire", 0, 100, 0, 1, 0), n, o);
     }},
    {"rtd-potentiometer-it", 2, ',', "Potenziometro",
     [](PageSink& s, const PrintOptions& o, std::string_view n) {
       PrintRTDDocumentation(s, Rtd("potentiometer", 0, 100, 1, 1, 1), n, o);
     }},
    {"frq-mode0-en", 1, '.', "Meter",
     [](PageSink& s, const PrintOptions& o, std::string_view n) { PrintFrq(s, o, n, Frq(0, "", "1234", 1)); }},
    {"frq-mode1-de", 0, ',', "Zähler",
     [](PageSink& s, const PrintOptions& o, std::string_view n) { PrintFrq(s, o, n, Frq(1, "50", "1234", 3)); }},
    {"frq-mode2-en", 1, '.', "",
     [](PageSink& s, const PrintOptions& o, std::string_view n) { PrintFrq(s, o, n, Frq(2, "50", "1230", 2)); }},
    {"frq-mode2-es", 3, ',', "Contador",
     [](PageSink& s, const PrintOptions& o, std::string_view n) { PrintFrq(s, o, n, Frq(2, "10", "500", 0)); }},
    {"frq-mode1-bad-entry-en", 1, '.', "",
     [](PageSink& s, const PrintOptions& o, std::string_view n) { PrintFrq(s, o, n, Frq(1, "1.96", "x", 0)); }},
};

std::uint64_t Fnv(const std::string& s) {
  std::uint64_t h = 1469598103934665603ull;
  for (const unsigned char c : s) {
    h ^= c;
    h *= 1099511628211ull;
  }
  return h;
}

std::string Hex(std::uint64_t v) {
  std::ostringstream s;
  s << std::hex << v;
  std::string h = s.str();
  return std::string(16 - h.size(), '0') + h;
}

fs::path GoldenFile() { return fs::path(SETRIX_TEST_DIR) / "print_calls.golden"; }

std::map<std::string, std::string> ReadGolden() {
  std::map<std::string, std::string> golden;
  std::ifstream in(GoldenFile());
  std::string hash, name;
  while (in >> hash >> name) golden[name] = hash;
  return golden;
}

TEST(PrintCalls, EveryCaseDrawsWhatItDrewBefore) {
  const int oldLanguage = texts::CurrentLanguage();
  const char oldSeparator = DecimalSeparator();
  const char* dir = std::getenv("SETRIX_PRINT_CALLS_DIR");
  const bool update = std::getenv("SETRIX_PRINT_CALLS_UPDATE") != nullptr;
  if (dir) fs::create_directories(dir);
  const std::map<std::string, std::string> golden = ReadGolden();
  std::ostringstream updated;
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.name);
    texts::SetCurrentLanguage(c.language);
    SetDecimalSeparator(c.separator);
    test::SinkLog log;
    test::RecordingSink sink(log, kCaps);
    PrintOptions options;
    options.date = "24.12.2026";
    c.print(sink, options, c.note);
    std::string text;
    for (const std::string& call : log.calls) text += call + "\n";
    if (dir) std::ofstream(fs::path(dir) / (std::string(c.name) + ".txt"), std::ios::binary) << text;
    const std::string hash = Hex(Fnv(text));
    updated << hash << "  " << c.name << "\n";
    const auto it = golden.find(c.name);
    if (!update) {
      ASSERT_NE(it, golden.end()) << "no golden hash for " << c.name;
      EXPECT_EQ(hash, it->second) << c.name
                                  << " draws other calls than before (SETRIX_PRINT_CALLS_DIR shows them)";
    }
  }
  texts::SetCurrentLanguage(oldLanguage);
  SetDecimalSeparator(oldSeparator);
  if (update) std::ofstream(GoldenFile(), std::ios::binary) << updated.str();
}

// A document is printed in the language it was built in, whatever the current one is; its
// captions read as the saved document's ("Illustration 1.)", one blank).
TEST(PrintCalls, ADocumentPrintsInItsOwnLanguage) {
  const int oldLanguage = texts::CurrentLanguage();
  texts::SetCurrentLanguage(1);
  SetDecimalSeparator('.');
  const auto dc =
      Dc("4", "20", DcUnitButton::RBtnEmA, "-10", "10", DcUnitButton::RBtnAV, DcBandwidthButton::RBtn10Hz);
  for (const auto& [language, caption, note] :
       {std::tuple{1, "Illustration ", "Note:"}, std::tuple{2, "Figura ", "Nota:"}}) {
    test::SinkLog log;
    test::RecordingSink sink(log, kCaps);
    PrintOptions options;
    options.date = "24.12.2026";
    PrintDocument(sink, sheets::DcDocument(*dc, {language, "SN 1", options.date}), options);
    for (int page = 1; page <= 2; ++page) {
      const auto found = log.Find(std::string(caption) + std::to_string(page) + ".)");
      ASSERT_EQ(found.size(), 1u) << caption << page;
      EXPECT_EQ(found[0].page, page);
    }
    EXPECT_EQ(log.Find(note).size(), 2u) << note;
  }
  EXPECT_EQ(texts::CurrentLanguage(), 1);
  texts::SetCurrentLanguage(oldLanguage);
}

}  // namespace
}  // namespace setrix::printing
