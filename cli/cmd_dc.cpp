// setrix-cli dc: the DC isolator calculation from the command line.
#include "cli/cmd_dc.h"

#include <iostream>
#include <memory>

#include "cli/cmd_decode.h"
#include "cli/commands.h"
#include "cli/common.h"
#include "cli/dc_screen_output.h"
#include "cli/device_run.h"
#include "cli/pdf_options.h"
#include "modules/numbers.h"
#include "texts/texts.h"

namespace setrix::cli {

namespace {

constexpr int kEnglish = 1;

const std::vector<std::string> kInUnits = {"mA", "mV", "V"};     // index = DcConfig::inUnit
const std::vector<std::string> kOutUnits = {"mA", "V"};          // index = DcConfig::outUnit
const std::vector<std::string> kBandwidths = {"10Hz", "10kHz"};  // index = DcConfig::bandwidth

int IndexOf(const std::vector<std::string>& words, const std::string& word) {
  for (std::size_t i = 0; i < words.size(); ++i)
    if (words[i] == word) return static_cast<int>(i);
  return -1;
}

std::string English(const texts::PerLanguage& entry) {
  std::string s = PlainLines(texts::Tx(entry, kEnglish));
  while (!s.empty() && s.front() == '\n') s.erase(s.begin());
  return s;
}

// Continuation lines of a multi-line text indented under its first line.
std::string Indented(const std::string& text, const std::string& indent) {
  std::string out;
  for (char c : text) {
    out += c;
    if (c == '\n') out += indent;
  }
  return out;
}

std::string WhyRefused(DcCheck check) {
  const std::string invalid = English(texts::txSettingInvalid) + "\n";
  switch (check) {
    case DcCheck::Ok: return invalid + English(texts::txPermissibleOffsetHasBeen);
    case DcCheck::EntryError: return English(texts::txError) + ": " + English(texts::txIncompleteIllegalInput);
    case DcCheck::InputSpanTooShort: return invalid + English(texts::txInputSpanTooShort);
    case DcCheck::OutputSpanTooShort: return invalid + English(texts::txOutputSpanTooShort);
    case DcCheck::InputRangeTooLarge: return invalid + English(texts::txInputRangeTooLarge);
    case DcCheck::OutputRangeTooLarge: return invalid + English(texts::txOutputRangeTooLarge);
    case DcCheck::GainOutOfRange: return invalid + English(texts::txAmplificationRequiredOutRange);
  }
  return {};
}

std::string Percent(double value) {
  const std::string s = FormatNumber("%.5g", value);
  return (value > 0 && s != "0" ? "+" : "") + s + " %";
}

std::string Trimming(const TEvalRec& e) {
  if (e.zeroPot && e.spanPot) return "ZERO and SPAN";
  if (e.zeroPot) return "ZERO";
  if (e.spanPot) return "SPAN";
  return "none (the switches alone give the exact setting)";
}

std::string Quoted(const std::string& entry) { return entry.empty() ? "\"\"" : entry; }

}  // namespace

nlohmann::ordered_json DcJson(const DcConfig& dc, DcCheck check) {
  nlohmann::ordered_json j;
  j["module"] = "dc";
  j["check"] = std::string(DcCheckName(check));
  if (check != DcCheck::EntryError) {
    j["inReversed"] = dc.inReversed;
    j["outReversed"] = dc.outReversed;
    j["inIsCurrent"] = dc.inIsCurrent;
    j["outIsCurrent"] = dc.outIsCurrent;
  }
  if (check == DcCheck::Ok) {
    j["inStart"] = dc.inStart;
    j["inEnd"] = dc.inEnd;
    j["outStart"] = dc.outStart;
    j["outEnd"] = dc.outEnd;
    j["gain"] = dc.gain;
    j["overdrive"] = dc.overdrive;
    auto matrix = nlohmann::ordered_json::array();
    for (const auto& row : dc.rangeMatrix) {
      auto cells = nlohmann::ordered_json::array();
      for (const TCellRec& cell : row) {
        cells.push_back({{"allowed", cell.allowed},
                         {"zeroPot", cell.zeroPot},
                         {"spanPot", cell.spanPot},
                         {"zeroPercent", cell.zeroPercent},
                         {"spanRatio", cell.spanRatio},
                         {"zeroStep", cell.zeroStep},
                         {"nativeGain", cell.nativeGain},
                         {"markers", cell.markers.Text()}});
      }
      matrix.push_back(std::move(cells));
    }
    j["matrix"] = std::move(matrix);
    auto list = nlohmann::ordered_json::array();
    for (const TEvalRec& e : dc.evalList) {
      list.push_back({{"inIndex", e.inIndex},
                      {"outIndex", e.outIndex},
                      {"zeroPot", e.zeroPot},
                      {"spanPot", e.spanPot},
                      {"zeroPercent", e.zeroPercent},
                      {"spanRatio", e.spanRatio},
                      {"zeroStep", e.zeroStep}});
    }
    j["evalList"] = std::move(list);
    j["evalIndex"] = dc.evalIndex;
  }
  j["s1"] = dc.s1;
  j["s2"] = dc.s2;
  j["s3"] = dc.s3;
  return j;
}

std::string DcText(const DcConfig& dc, DcCheck check, bool twoStep) {
  auto unit = [](const std::vector<std::string>& units, int index) {
    return index >= 0 && static_cast<std::size_t>(index) < units.size() ? units[static_cast<std::size_t>(index)]
                                                                        : std::string("?");
  };
  const std::string indent(15, ' ');
  std::string out;
  out += "DC isolator (ZOR DC)\n";
  out += "Input:         " + Quoted(dc.inMinText) + " .. " + Quoted(dc.inMaxText) + " " +
         unit(kInUnits, dc.inUnit) + "\n";
  out += "Output:        " + Quoted(dc.outMinText) + " .. " + Quoted(dc.outMaxText) + " " +
         unit(kOutUnits, dc.outUnit) + "\n";
  out += std::string("Bandwidth:     ") + (dc.bandwidth == kDcBandwidthBelow10Hz ? "< 10 Hz" : "> 10 kHz") + "\n";

  const bool hasSetting = check == DcCheck::Ok && !dc.evalList.empty();
  if (twoStep) {
    // No single setting exists; the screen offers two steps, each with its own banks.
    out += "Outcome:       the module can do this task in two steps (below)\n";
    return out;
  }
  if (!hasSetting) {
    out += "Outcome:       " + Indented(WhyRefused(check), indent) + "\n";
  } else {
    const TEvalRec& e = dc.evalList[static_cast<std::size_t>(dc.evalIndex)];
    const bool exact = !e.zeroPot && !e.spanPot;
    out += std::string("Outcome:       ") +
           (exact ? "the module can do this task with its switches alone"
                  : "the module can do this task; the potentiometers named below need trimming") +
           "\n";
    out += "Input range:   " + std::string(InputRanges[static_cast<std::size_t>(e.inIndex)].name) + "\n";
    out += "Output range:  " + std::string(OutputRanges[static_cast<std::size_t>(e.outIndex)].name) + "\n";
    out += "Zero step:     " + Percent(ZeroSteps[static_cast<std::size_t>(e.zeroStep)]) + " (offset needed " +
           Percent(e.zeroPercent) + " of the output span)\n";
    out += "Trimming:      " + Trimming(e) + "\n";
    out += "Gain:          " + FormatNumber("%.5g", dc.gain) + " (span ratio " +
           FormatNumber("%.5g", e.spanRatio) + ")\n";
    if (dc.inReversed) out += "Polarity:      input reversed: wire the input the other way round\n";
    if (dc.outReversed) out += "Polarity:      output reversed: wire the output the other way round\n";
  }
  auto bank = [](const char* name, int value, int count) {
    return std::string("\n") + name + (value >= 0 ? " (value " + std::to_string(value) + ")" : "") + "\n" +
           BankRowsText(value, count);
  };
  out += bank("S1", dc.s1, 10);
  out += bank("S2", dc.s2, 5);
  out += bank("S3", dc.s3, 3);
  return out;
}

namespace {

struct DcOptions {
  std::string inMin, inMax, inUnit, outMin, outMax, outUnit;
  std::string bandwidth = "10kHz";
  std::string separator;
  std::string lang = "en";
  PdfOptions pdf;
  FoundOptions found{{10, 5, 3}, {}};
  bool json = false;
};

}  // namespace

void AddDcCommand(CLI::App& app, int& exitCode, ModuleSink* sink) {
  auto* cmd =
      app.add_subcommand("dc", "DC isolator (ZOR DC): ranges, zero step, trimming and switch banks for a task");
  auto o = std::make_shared<DcOptions>();
  // The entries reach the calculation as typed, like texts from the settings store.
  cmd->add_option("--in-min", o->inMin, "Input start value as typed, e.g. 4, 0,5, 1e3 or -10")->type_name("TEXT");
  cmd->add_option("--in-max", o->inMax, "Input end value")->type_name("TEXT");
  AddWordOption(*cmd, "--in-unit", o->inUnit, kInUnits, "Input unit (required)");
  cmd->add_option("--out-min", o->outMin, "Output start value")->type_name("TEXT");
  cmd->add_option("--out-max", o->outMax, "Output end value")->type_name("TEXT");
  AddWordOption(*cmd, "--out-unit", o->outUnit, kOutUnits, "Output unit (required)");
  AddWordOption(*cmd, "--bandwidth", o->bandwidth, kBandwidths,
                "10Hz: \"< 10 Hz\", 10kHz: \"> 10 kHz\" (default)");
  AddDecimalSeparatorOption(*cmd, o->separator);
  AddPdfOptions(*cmd, o->pdf);
  AddWordOption(*cmd, "--lang", o->lang, {"de", "en", "it", "es"}, "Language of the screen's texts (default en)");
  cmd->add_flag("--json", o->json, "Print one JSON object instead of text");
  AddFoundOptions(*cmd, o->found);

  auto config = std::make_shared<ConfigOptions>();
  AddConfigOptions(*cmd, *config);
  cmd->allow_extras();  // an unknown word is answered below with the options that are known

  cmd->callback([cmd, o, config, &exitCode, sink] {
    RejectExtras(*cmd);
    ApplyConfig(*cmd, *config);
    const std::string aNumber = "the entry text, e.g. 4 or -2.5";
    for (const char* name : {"--in-min", "--in-max", "--in-unit", "--out-min", "--out-max", "--out-unit"}) {
      if (cmd->get_option(name)->count() != 0) continue;
      const std::string n(name);
      MissingOption(n, n == "--in-unit" ? "one of mA|mV|V" : n == "--out-unit" ? "one of mA|V" : aNumber);
    }
    const std::optional<std::vector<int>> found = ParseFound(o->found);
    ApplyDecimalSeparator(o->separator);
    texts::SetCurrentLanguage(texts::LanguageFromCode(o->lang));
    DcConfig dc;
    dc.inMinText = o->inMin;
    dc.inMaxText = o->inMax;
    dc.outMinText = o->outMin;
    dc.outMaxText = o->outMax;
    dc.inUnit = IndexOf(kInUnits, o->inUnit);
    dc.outUnit = IndexOf(kOutUnits, o->outUnit);
    dc.bandwidth = IndexOf(kBandwidths, o->bandwidth);
    const DcCheck check = CalculateDc(dc);
    // The same task on the DC screen: what it shows after "Calculate settings", or its two
    // steps.
    const DcScreenRun screen = RunDcScreen(dc);
    if (sink) {
      exitCode = sink->Dc(dc, check, screen);
      return;
    }
    const CheckResult checked =
        found ? CheckDc(dc, {(*found)[0], (*found)[1], (*found)[2]}, texts::CurrentLanguage()) : CheckResult{};
    if (o->json) {
      nlohmann::ordered_json j = DcJson(dc, check);
      AddDcScreenJson(j, screen);
      if (found) j["check"] = CheckJson(checked, *found);
      WriteJson(std::cout, j);
    } else {
      std::cout << DcText(dc, check, screen.screen.TwoStep()) << DcScreenText(screen);
      if (found) std::cout << CheckText(checked, *found);
    }
    // A refused task is an answer, not a command-line error; a document that cannot be made is.
    exitCode = o->pdf.file.empty() ? 0 : WriteDcPdf(o->pdf, screen.screen, screen.message);
    SaveConfig(*cmd, *config);
  });
}

}  // namespace setrix::cli
