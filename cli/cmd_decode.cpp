// setrix-cli decode: what the DIP switches found on a module mean; and the check of a module
// command's task against the switches found (--found-s1 ...).
#include "cli/cmd_decode.h"

#include <algorithm>
#include <cstdio>
#include <iostream>
#include <memory>

#include "cli/commands.h"
#include "cli/common.h"
#include "cli/module_output.h"
#include "modules/frq.h"
#include "texts/texts.h"
#include "texts/texts_reading.h"

namespace setrix::cli {

namespace {

std::string AcceptedForms(int count) {
  const int max = (1 << count) - 1;
  char hex[16];
  std::snprintf(hex, sizeof hex, "0x%X", static_cast<unsigned>(max));
  return "a bank value of " + std::to_string(count) + " switches: 0 to " + std::to_string(max) +
         " in decimal, 0x0 to " + hex + " in hex, or the switches that are ON as on:1,2,3 (on: for none)";
}

[[noreturn]] void BadBank(const std::string& option, const std::string& text, int count) {
  throw CLI::ValidationError(option, "\"" + text + "\" is not accepted; give " + AcceptedForms(count));
}

// Digits of one base; false for an empty text, another character or a value beyond `limit`.
bool ParseDigits(const std::string& digits, int base, long limit, long& value) {
  if (digits.empty() || digits.size() > 8) return false;
  value = 0;
  for (char c : digits) {
    int d;
    if (c >= '0' && c <= '9')
      d = c - '0';
    else if (base == 16 && c >= 'a' && c <= 'f')
      d = c - 'a' + 10;
    else if (base == 16 && c >= 'A' && c <= 'F')
      d = c - 'A' + 10;
    else
      return false;
    if (d >= base) return false;
    value = value * base + d;
  }
  return value <= limit;
}

}  // namespace

int ParseBankValue(const std::string& option, const std::string& text, int count) {
  const long max = (1L << count) - 1;
  long value = 0;
  if (text.rfind("on:", 0) == 0) {
    const std::string list = text.substr(3);
    int bits = 0;
    std::size_t pos = 0;
    while (pos < list.size()) {
      std::size_t comma = list.find(',', pos);
      if (comma == std::string::npos) comma = list.size();
      long k = 0;
      if (!ParseDigits(list.substr(pos, comma - pos), 10, count, k) || k < 1) BadBank(option, text, count);
      bits |= 1 << (k - 1);
      pos = comma + 1;
      if (comma + 1 == list.size()) BadBank(option, text, count);  // a trailing comma
    }
    return bits;
  }
  if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
    if (!ParseDigits(text.substr(2), 16, max, value)) BadBank(option, text, count);
    return static_cast<int>(value);
  }
  if (!ParseDigits(text, 10, max, value)) BadBank(option, text, count);
  return static_cast<int>(value);
}

void AddFoundOptions(CLI::App& command, FoundOptions& options) {
  for (std::size_t b = 0; b < options.counts.size(); ++b) {
    const std::string name = "--found-s" + std::to_string(b + 1);
    command
        .add_option(name, options.given[b],
                    "Bank S" + std::to_string(b + 1) +
                        " as found on the device (decimal, 0x hex or on:1,2,...): check the "
                        "setting against it")
        ->type_name("BANK");
  }
}

std::optional<std::vector<int>> ParseFound(const FoundOptions& options) {
  bool any = false;
  for (std::size_t b = 0; b < options.counts.size(); ++b) any = any || options.given[b].has_value();
  if (!any) return std::nullopt;
  std::vector<int> found;
  for (std::size_t b = 0; b < options.counts.size(); ++b) {
    const std::string name = "--found-s" + std::to_string(b + 1);
    if (!options.given[b])
      MissingOption(name, AcceptedForms(options.counts[b]) + "; the check needs every bank of the module");
    found.push_back(ParseBankValue(name, *options.given[b], options.counts[b]));
  }
  return found;
}

namespace {

nlohmann::ordered_json BanksJson(const std::vector<int>& banks) {
  nlohmann::ordered_json j;
  for (std::size_t b = 0; b < banks.size(); ++b) j["s" + std::to_string(b + 1)] = banks[b];
  return j;
}

std::string BanksLine(const std::vector<int>& banks) {
  std::string out;
  for (std::size_t b = 0; b < banks.size(); ++b)
    out += (b == 0 ? "" : ", ") + std::string("S") + std::to_string(b + 1) + " = " + std::to_string(banks[b]);
  return out;
}

}  // namespace

nlohmann::ordered_json CheckJson(const CheckResult& check, const std::vector<int>& found) {
  nlohmann::ordered_json levers = nlohmann::ordered_json::array();
  for (std::size_t i = 0; i < check.levers.size(); ++i)
    levers.push_back({{"bank", check.levers[i].bank},
                      {"switch", check.levers[i].number},
                      {"set", check.leverOn[i] ? "ON" : "OFF"}});
  return {{"found", BanksJson(found)},
          {"hasSetting", check.hasSetting},
          {"matches", check.matches},
          {"levers", levers},
          {"lines", check.lines}};
}

std::string CheckText(const CheckResult& check, const std::vector<int>& found) {
  std::string out = "\nSwitches found: " + BanksLine(found) + "\n";
  for (std::size_t i = 0; i < check.lines.size(); ++i) {
    // The lever lines sit under their heading.
    const bool lever = check.hasSetting && !check.matches && i >= 1 && i <= check.levers.size();
    out += (lever ? "  " : "") + check.lines[i] + "\n";
  }
  return out;
}

namespace {

struct DecodeOptions {
  std::array<std::string, 3> banks;
  modules::CommonOptions common;
};

nlohmann::ordered_json ReadingJson(const Reading& r) {
  nlohmann::ordered_json lines = nlohmann::ordered_json::array();
  for (const ReadingLine& line : r.lines)
    lines.push_back({{"key", line.key}, {"caption", line.caption}, {"text", line.text}});
  nlohmann::ordered_json problems = nlohmann::ordered_json::array();
  for (const ReadingProblem& p : r.problems) {
    nlohmann::ordered_json switches = nlohmann::ordered_json::array();
    for (const SwitchRef& s : p.switches) switches.push_back({{"bank", s.bank}, {"switch", s.number}});
    problems.push_back({{"switches", switches}, {"text", p.text}});
  }
  return {{"produced", r.Produced()}, {"lines", lines}, {"problems", problems}, {"notes", r.notes}};
}

template <typename T>
nlohmann::ordered_json OrNull(const std::optional<T>& v) {
  return v ? nlohmann::ordered_json(*v) : nlohmann::ordered_json(nullptr);
}

nlohmann::ordered_json Choice(const std::optional<int>& index, const std::string& text) {
  if (!index) return nullptr;
  return {{"index", *index}, {"text", text}};
}

std::string LineText(const Reading& r, const std::string& key) {
  for (const ReadingLine& line : r.lines)
    if (line.key == key) return line.text;
  return {};
}

// A value item as the lists hold them: text, value and the switch code.
nlohmann::ordered_json ValueItem(const std::optional<double>& value, const std::string& text, int code) {
  if (!value) return nullptr;
  nlohmann::ordered_json v;
  if (*value == static_cast<double>(static_cast<long long>(*value)))
    v = static_cast<long long>(*value);
  else
    v = *value;
  return {{"text", text}, {"value", v}, {"code", code}};
}

std::string ReadingText(const std::string& title, const std::vector<int>& banks, const std::vector<int>& counts,
                        const Reading& r) {
  const int language = texts::CurrentLanguage();
  std::string out = title + ": the switches found\n";
  for (std::size_t b = 0; b < banks.size(); ++b)
    out += "\nS" + std::to_string(b + 1) + " (value " + std::to_string(banks[b]) + ")\n" +
           BankRowsText(banks[b], counts[b]);
  out += "\n";
  // Captions padded by characters, not bytes, so that the values line up in every language.
  const auto chars = [](const std::string& text) {
    std::size_t n = 0;
    for (char c : text)
      if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++n;
    return n;
  };
  std::size_t width = 0;
  for (const ReadingLine& line : r.lines) width = std::max(width, chars(line.caption) + 1);
  for (const ReadingLine& line : r.lines) {
    const std::string caption = line.caption + ":";
    out += caption + std::string(width + 2 - chars(caption), ' ') + line.text + "\n";
  }
  if (!r.problems.empty()) {
    out += "\n" + std::string(texts::Tx(texts::txNoSettingGivesThese, language)) + "\n";
    for (const ReadingProblem& p : r.problems) out += "  - " + p.text + "\n";
  }
  for (const std::string& note : r.notes) out += "\n" + note + "\n";
  return out;
}

void Emit(bool json, const nlohmann::ordered_json& j, const std::string& text) {
  if (json)
    WriteJson(std::cout, j);
  else
    std::cout << text;
}

void AddModule(CLI::App& decode, const std::string& name, const std::string& description, int banks,
               int& exitCode) {
  auto o = std::make_shared<DecodeOptions>();
  CLI::App* cmd = decode.add_subcommand(name, description);
  const std::vector<int> counts = name == "dc" ? std::vector<int>{10, 5, 3} : std::vector<int>{8, 8};
  for (int b = 0; b < banks; ++b)
    cmd->add_option("--s" + std::to_string(b + 1), o->banks[static_cast<std::size_t>(b)],
                    "Bank S" + std::to_string(b + 1) + " as found: decimal, 0x hex or on:1,2,...")
        ->type_name("BANK");
  modules::AddCommonOptions(*cmd, o->common);
  cmd->allow_extras();
  cmd->callback([cmd, o, name, counts, banks, &exitCode] {
    RejectExtras(*cmd);
    std::vector<int> v;
    for (int b = 0; b < banks; ++b) {
      const std::string option = "--s" + std::to_string(b + 1);
      if (cmd->get_option(option)->count() == 0)
        MissingOption(option, AcceptedForms(counts[static_cast<std::size_t>(b)]));
      v.push_back(
          ParseBankValue(option, o->banks[static_cast<std::size_t>(b)], counts[static_cast<std::size_t>(b)]));
    }
    modules::ApplyCommonOptions(o->common);
    const int language = texts::CurrentLanguage();
    nlohmann::ordered_json j{{"module", name}};
    for (int b = 0; b < banks; ++b) j["s" + std::to_string(b + 1)] = v[static_cast<std::size_t>(b)];
    if (name == "dc") {
      const DcReading d = ReadDc({v[0], v[1], v[2]}, language);
      j["setting"] = {{"inIndex", d.inIndex}, {"outIndex", OrNull(d.outIndex)}, {"zeroStep", OrNull(d.zeroStep)},
                      {"zeroPot", d.zeroPot}, {"spanPot", d.spanPot},           {"bandwidth", d.bandwidth}};
      j["twoStep"] = d.twoStep;
      j.update(ReadingJson(d.reading));
      Emit(o->common.json, j, ReadingText("ZOR DC", v, counts, d.reading));
    } else if (name == "thermo") {
      const ThermoReading t = ReadThermo(v[0], v[1], language);
      const auto& rd = t.reading;
      j["setting"] = {{"type", Choice(t.typeIndex, LineText(rd, "type"))},
                      {"start", ValueItem(t.startValue ? std::optional<double>(*t.startValue) : std::nullopt,
                                          LineText(rd, "start"), v[0] & 120)},
                      {"end", ValueItem(t.endValue ? std::optional<double>(*t.endValue) : std::nullopt,
                                        LineText(rd, "end"), v[1] & 31)},
                      {"output", Choice(t.outputIndex, LineText(rd, "output"))},
                      {"filter", Choice(t.filterIndex, LineText(rd, "filter"))},
                      {"manual", Choice(t.manualIndex, LineText(rd, "manual"))}};
      j.update(ReadingJson(rd));
      Emit(o->common.json, j, ReadingText("ZOR THERMO", v, counts, rd));
    } else if (name == "rtd") {
      const RtdReading t = ReadRtd(v[0], v[1], language);
      const auto& rd = t.reading;
      j["setting"] = {{"type", Choice(t.typeIndex, LineText(rd, "type"))},
                      {"start", ValueItem(t.startValue, LineText(rd, "start"), v[0] & 120)},
                      {"end", ValueItem(t.endValue, LineText(rd, "end"), v[1] & 31)},
                      {"output", Choice(t.outputIndex, LineText(rd, "output"))},
                      {"response", Choice(t.responseIndex, LineText(rd, "response"))},
                      {"manual", Choice(t.manualIndex, LineText(rd, "manual"))}};
      j.update(ReadingJson(rd));
      Emit(o->common.json, j, ReadingText("ZOR RTD", v, counts, rd));
    } else {
      const FrqReading f = ReadFrq(v[0], v[1], language);
      const auto& rd = f.reading;
      nlohmann::ordered_json lower = nullptr, upper = nullptr;
      if (f.entry && f.frequency) (*f.entry == FrqEntry::Lower ? lower : upper) = FrqFrequencyText(*f.frequency);
      j["setting"] = {{"mode", Choice(f.modeIndex, LineText(rd, "mode"))},
                      {"step", f.step},
                      {"lowerText", lower},
                      {"upperText", upper},
                      {"output", Choice(f.outputIndex, LineText(rd, "output"))}};
      j.update(ReadingJson(rd));
      Emit(o->common.json, j, ReadingText("ZOR FREQUENCY", v, counts, rd));
    }
    exitCode = 0;  // every pattern is an answer, also one that no setting produces
  });
}

}  // namespace

void AddDecodeCommand(CLI::App& app, int& exitCode) {
  CLI::App* decode =
      app.add_subcommand("decode", "Read a device: what the DIP switches found on a module are set for");
  decode->require_subcommand(1);
  AddModule(*decode, "dc", "DC isolator (ZOR DC): banks S1 (10), S2 (5), S3 (3)", 3, exitCode);
  AddModule(*decode, "thermo", "Thermocouple converter (ZOR THERMO): banks S1, S2", 2, exitCode);
  AddModule(*decode, "rtd", "RTD converter (ZOR RTD): banks S1, S2", 2, exitCode);
  AddModule(*decode, "frq", "Frequency converter (ZOR FREQUENCY): banks S1, S2 of one step", 2, exitCode);
}

}  // namespace setrix::cli
