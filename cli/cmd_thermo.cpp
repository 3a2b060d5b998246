// setrix-cli thermo: the thermocouple converter's lists, banks and instructions for the
// choices given, applied in the order the stored settings are restored at start-up.
#include <iostream>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "cli/cmd_decode.h"
#include "cli/commands.h"
#include "cli/common.h"
#include "cli/device_run.h"
#include "cli/module_output.h"
#include "cli/pdf_options.h"
#include "modules/thermo.h"
#include "texts/texts.h"

namespace setrix::cli {
namespace {

using texts::Tx;

struct ThermoOptions {
  modules::CommonOptions common;
  PdfOptions pdf;
  FoundOptions found{{8, 8}, {}};
  std::string type, output, filter, manual;  // empty: not given
  std::optional<std::string> start, end;
};

// Command-line values in list order: the position is the item index.
const std::vector<std::string> kTypes = {"K", "J", "T", "E", "N", "R", "S", "B"};
const std::vector<std::string> kOutputs = {"0-10V", "0-20mA", "4-20mA"};
const std::vector<std::string> kFilter = {"on", "off"};
const std::vector<std::string> kManual = {"off", "on"};

// Chooses the item with the given temperature; a value not offered is a command-line error.
void ChooseValue(ThermoModel& m, ThermoList which, const ChoiceList& list, const std::string& option,
                 const std::string& given) {
  const std::optional<double> value = modules::ParseNumberOption(given);
  const int index = value ? modules::FindValue(list, *value) : -1;
  if (index < 0) modules::NotOffered(option, given, list);
  ThermoChoose(m, which, index);
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
  const auto caption = [](const texts::PerLanguage& entry) { return std::string(Tx(entry)) + ":"; };
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
  out += "S1\n" + BankRowsText(c.s1, 8) + "\n" + "S2\n" + BankRowsText(c.s2, 8) + "\n";
  out += PlainLines(c.inputTerminalsText) + "\n" + PlainLines(c.outputTerminalsText) + "\n" +
         PlainLines(c.powerText) + "\n";
  return out;
}

void Run(const ThermoOptions& o, int& exitCode, ModuleSink* sink) {
  const std::optional<std::vector<int>> found = ParseFound(o.found);
  modules::ApplyCommonOptions(o.common);
  ThermoModel m;
  ThermoUpdate(m);
  // The order of the stored settings: "Input", "Min", "Max", "Filter", "Out", "Manual".
  if (!o.type.empty()) ThermoChoose(m, ThermoList::Type, modules::IndexOf(kTypes, o.type));
  if (o.start) ChooseValue(m, ThermoList::Start, m.start, "--start", *o.start);
  if (o.end) ChooseValue(m, ThermoList::End, m.end, "--end", *o.end);
  if (!o.filter.empty()) ThermoChoose(m, ThermoList::Filter, modules::IndexOf(kFilter, o.filter));
  if (!o.output.empty()) ThermoChoose(m, ThermoList::Output, modules::IndexOf(kOutputs, o.output));
  if (!o.manual.empty()) ThermoChoose(m, ThermoList::Manual, modules::IndexOf(kManual, o.manual));

  if (sink) {
    exitCode = sink->Thermo(m);
    return;
  }
  const CheckResult checked =
      found ? CheckThermo(m.config, (*found)[0], (*found)[1], texts::CurrentLanguage()) : CheckResult{};
  if (o.common.json) {
    nlohmann::ordered_json j = ToJson(m);
    if (found) j["check"] = CheckJson(checked, *found);
    WriteJson(std::cout, j);
  } else {
    std::cout << ToText(m);
    if (found) std::cout << CheckText(checked, *found);
  }
  exitCode = o.pdf.file.empty() ? 0 : WriteThermoPdf(o.pdf, m);
}

}  // namespace

void AddThermoCommand(CLI::App& app, int& exitCode, ModuleSink* sink) {
  auto options = std::make_shared<ThermoOptions>();
  CLI::App* cmd =
      app.add_subcommand("thermo", "Thermocouple converter (ZOR THERMO): lists, DIP switches and instructions");
  AddWordOption(*cmd, "--type", options->type, kTypes, "Thermocouple type");
  cmd->add_option("--start", options->start, "Start temperature in °C, as offered for the type");
  cmd->add_option("--end", options->end, "End temperature in °C, as offered for type and start");
  AddWordOption(*cmd, "--output", options->output, kOutputs, "Output range");
  AddWordOption(*cmd, "--filter", options->filter, kFilter, "Filter");
  AddWordOption(*cmd, "--manual", options->manual, kManual, "Manual fine adjustment");
  modules::AddCommonOptions(*cmd, options->common);
  AddFoundOptions(*cmd, options->found);
  AddPdfOptions(*cmd, options->pdf);
  auto config = std::make_shared<ConfigOptions>();
  AddConfigOptions(*cmd, *config);
  cmd->callback([cmd, options, config, &exitCode, sink] {
    ApplyConfig(*cmd, *config);
    Run(*options, exitCode, sink);
    SaveConfig(*cmd, *config);
  });
}

}  // namespace setrix::cli
