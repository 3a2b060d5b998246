// setrix-cli thermo: the thermocouple converter's lists, banks and instructions for the
// choices given, applied in the order the stored settings are restored at start-up.
#include <iostream>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "cli/commands.h"
#include "cli/module_output.h"
#include "modules/thermo.h"
#include "texts/texts.h"

namespace setrix::cli {
namespace {

using texts::Tx;

struct ThermoOptions {
  modules::CommonOptions common;
  std::optional<std::string> type, start, end, output, filter, manual;
};

// Command-line values in list order: the position is the item index.
const std::vector<std::string> kTypes = {"K", "J", "T", "E", "N", "R", "S", "B"};
const std::vector<std::string> kOutputs = {"0-10V", "0-20mA", "4-20mA"};
const std::vector<std::string> kFilter = {"on", "off"};
const std::vector<std::string> kManual = {"off", "on"};

// Chooses the item with the given temperature; false (and a message) when not offered.
bool ChooseValue(ThermoModel& m, ThermoList which, ChoiceList& list, std::string_view option,
                 const std::string& given) {
  const std::optional<double> value = modules::ParseNumberOption(given);
  const int index = value ? modules::FindValue(list, *value) : -1;
  if (index < 0) {
    std::cerr << "setrix-cli thermo: " << modules::NotOffered(option, given, list) << "\n";
    return false;
  }
  ThermoChoose(m, which, index);
  return true;
}

nlohmann::ordered_json ToJson(const ThermoModel& m) {
  const ThermoConfig& c = m.config;
  return {{"module", "thermo"},
          {"type", modules::ListJson(m.type, false)},
          {"start", modules::ListJson(m.start, true)},
          {"end", modules::ListJson(m.end, true)},
          {"output", modules::ListJson(m.output, false)},
          {"filter", modules::ListJson(m.filter, false)},
          {"manual", modules::ListJson(m.manual, false)},
          {"complete", c.complete},
          {"s1", c.s1},
          {"s2", c.s2},
          {"documentable", m.documentable},
          {"settingsCaption", c.settingsCaption},
          {"switchesCaption", c.switchesCaption},
          {"inputTerminalsText", c.inputTerminalsText},
          {"outputTerminalsText", c.outputTerminalsText},
          {"powerText", c.powerText}};
}

std::string ToText(const ThermoModel& m) {
  const auto caption = [](const texts::PerLanguage& entry) {
    return std::string(Tx(entry)) + ":";
  };
  const ThermoConfig& c = m.config;
  std::string out = "ZOR THERMO\n\n";
  out += modules::ListText(caption(texts::txInput), m.type);
  out += modules::ListText(caption(texts::txStartValue), m.start);
  out += modules::ListText(caption(texts::txEndValue), m.end);
  out += modules::ListText(caption(texts::txOutput), m.output);
  out += modules::ListText(caption(texts::txFilter), m.filter);
  out += modules::ListText(Tx(texts::txFineCalibration), m.manual);
  out += "\n";
  if (!c.complete) return out + "No setting: the choices are not complete.\n";
  out += c.settingsCaption + "\n" + c.switchesCaption + "\n\n";
  out += modules::BankRows("S1", c.s1, 8) + "\n" + modules::BankRows("S2", c.s2, 8) + "\n";
  out += modules::Lines(c.inputTerminalsText) + "\n" + modules::Lines(c.outputTerminalsText) +
         "\n" + modules::Lines(c.powerText) + "\n";
  return out;
}

void Run(const ThermoOptions& o, int& exitCode) {
  modules::ApplyCommonOptions(o.common);
  ThermoModel m;
  ThermoUpdate(m);
  // The order of the stored settings: "Input", "Min", "Max", "Filter", "Out", "Manual".
  if (o.type) ThermoChoose(m, ThermoList::Type, modules::IndexOf(kTypes, *o.type));
  if (o.start && !ChooseValue(m, ThermoList::Start, m.start, "--start", *o.start)) {
    exitCode = 2;
    return;
  }
  if (o.end && !ChooseValue(m, ThermoList::End, m.end, "--end", *o.end)) {
    exitCode = 2;
    return;
  }
  if (o.filter) ThermoChoose(m, ThermoList::Filter, modules::IndexOf(kFilter, *o.filter));
  if (o.output) ThermoChoose(m, ThermoList::Output, modules::IndexOf(kOutputs, *o.output));
  if (o.manual) ThermoChoose(m, ThermoList::Manual, modules::IndexOf(kManual, *o.manual));

  if (o.common.json)
    std::cout << ToJson(m).dump(2) << "\n";
  else
    std::cout << ToText(m);
  exitCode = 0;
}

}  // namespace

void AddThermoCommand(CLI::App& app, int& exitCode) {
  auto options = std::make_shared<ThermoOptions>();
  CLI::App* cmd = app.add_subcommand(
      "thermo", "Thermocouple converter (ZOR THERMO): lists, DIP switches and instructions");
  cmd->add_option("--type", options->type, "Thermocouple type")->check(CLI::IsMember(kTypes));
  cmd->add_option("--start", options->start, "Start temperature in °C, as offered for the type");
  cmd->add_option("--end", options->end, "End temperature in °C, as offered for type and start");
  cmd->add_option("--output", options->output, "Output range")->check(CLI::IsMember(kOutputs));
  cmd->add_option("--filter", options->filter, "Filter")->check(CLI::IsMember(kFilter));
  cmd->add_option("--manual", options->manual, "Manual fine adjustment")->check(CLI::IsMember(kManual));
  modules::AddCommonOptions(*cmd, options->common);
  cmd->callback([options, &exitCode] { Run(*options, exitCode); });
}

}  // namespace setrix::cli
