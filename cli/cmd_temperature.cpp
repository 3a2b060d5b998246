// setrix-cli thermo and rtd: the thermocouple and RTD converters' lists, banks and
// instructions for the choices given, applied in the order the stored settings are restored
// at start-up. The two commands differ in their type list, their fifth list (filter or
// response time) and what the RTD adds (its unit and wiring picture); the rest is one.
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
#include "devices/device_model.h"
#include "modules/decode.h"
#include "modules/rtd.h"
#include "modules/thermo.h"
#include "texts/texts.h"

namespace setrix::cli {
namespace {

using texts::Tx;

struct TemperatureOptions {
  modules::CommonOptions common;
  PdfOptions pdf;
  FoundOptions found{{8, 8}, {}};
  std::string type, output, fifth, manual;  // empty: not given
  std::optional<std::string> start, end;
};

// What a temperature command is made of; `Model` is ThermoModel or RtdModel, `List` its
// list enum.
template <class Model, class List>
struct TemperatureCommand {
  const char* name;  // "thermo"
  const char* description;
  const char* title;  // "ZOR THERMO"
  const char* typeHelp;
  const char* startHelp;
  const char* endHelp;
  const char* fifthName;  // "filter"
  const char* fifthHelp;
  List fifthList;
  ChoiceList Model::*fifth;
  std::string (*fifthCaption)();
  bool (*choose)(Model&, List, int);
  void (*update)(Model&);
  int (*toSink)(ModuleSink&, const Model&);
  int (*writePdf)(const PdfOptions&, const Model&);
  // The RTD's unit and wiring picture; nothing for the thermocouple.
  void (*moreJson)(nlohmann::ordered_json&, const Model&);
  std::string (*wiringLine)(const Model&);
};

template <class Model, class List>
void ChooseValue(const TemperatureCommand<Model, List>& command, Model& m, List which, const ChoiceList& list,
                 const std::string& option, const std::string& given) {
  const std::optional<double> value = modules::ParseNumberOption(given);
  const int index = value ? modules::FindValue(list, *value) : -1;
  if (index < 0) modules::NotOffered(option, given, list);
  command.choose(m, which, index);
}

template <class Model, class List>
nlohmann::ordered_json ToJson(const TemperatureCommand<Model, List>& command, const Model& m) {
  const auto& c = m.config;
  nlohmann::ordered_json j = {{"module", command.name},
                              {"type", modules::ListJson(m.type, false)},
                              {"start", modules::ListJson(m.start, true)},
                              {"end", modules::ListJson(m.end, true)},
                              {"output", modules::ListJson(m.output, false)},
                              {command.fifthName, modules::ListJson(m.*command.fifth, false)},
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
  command.moreJson(j, m);
  return j;
}

std::string Caption(const texts::PerLanguage& entry) { return std::string(Tx(entry)) + ":"; }

template <class Model, class List>
std::string ToText(const TemperatureCommand<Model, List>& command, const Model& m) {
  const auto& c = m.config;
  std::string out = std::string(command.title) + "\n\n";
  out += modules::ListText(Caption(texts::txInput), m.type);
  out += modules::ListText(Caption(texts::txStartValue), m.start);
  out += modules::ListText(Caption(texts::txEndValue), m.end);
  out += modules::ListText(Caption(texts::txOutput), m.output);
  out += modules::ListText(command.fifthCaption(), m.*command.fifth);
  out += modules::ListText(Tx(texts::txFineCalibration), m.manual);
  out += "\n";
  if (!c.complete) return out + "No setting: the choices are not complete.\n";
  out += c.settingsCaption + "\n" + c.switchesCaption + "\n\n";
  out += "S1\n" + BankRowsText(c.s1, 8) + "\n" + "S2\n" + BankRowsText(c.s2, 8) + "\n";
  out += PlainLines(c.inputTerminalsText) + "\n" + command.wiringLine(m) + PlainLines(c.outputTerminalsText) +
         "\n" + PlainLines(c.powerText) + "\n";
  return out;
}

template <class Model, class List>
void Run(const TemperatureCommand<Model, List>& command, const TemperatureOptions& o, int& exitCode,
         ModuleSink* sink) {
  const std::optional<std::vector<int>> found = ParseFound(o.found);
  modules::ApplyCommonOptions(o.common);
  const auto words = [&](const char* choice) -> const std::vector<std::string>& {
    return devices::ChoiceWords(command.name, choice);
  };
  Model m;
  command.update(m);
  // The order of the stored settings: "Input", "Min", "Max", then filter or response, "Out",
  // "Manual".
  if (!o.type.empty()) command.choose(m, List::Type, modules::IndexOf(words("type"), o.type));
  if (o.start) ChooseValue(command, m, List::Start, m.start, "--start", *o.start);
  if (o.end) ChooseValue(command, m, List::End, m.end, "--end", *o.end);
  if (!o.fifth.empty()) command.choose(m, command.fifthList, modules::IndexOf(words(command.fifthName), o.fifth));
  if (!o.output.empty()) command.choose(m, List::Output, modules::IndexOf(words("output"), o.output));
  if (!o.manual.empty()) command.choose(m, List::Manual, modules::IndexOf(words("manual"), o.manual));

  if (sink) {
    exitCode = command.toSink(*sink, m);
    return;
  }
  CheckResult checked;
  if (found) {
    if constexpr (std::is_same_v<Model, ThermoModel>)
      checked = CheckThermo(m.config, (*found)[0], (*found)[1], texts::CurrentLanguage());
    else
      checked = CheckRtd(m.config, (*found)[0], (*found)[1], texts::CurrentLanguage());
  }
  if (o.common.json) {
    nlohmann::ordered_json j = ToJson(command, m);
    if (found) j["check"] = CheckJson(checked, *found);
    WriteJson(std::cout, j);
  } else {
    std::cout << ToText(command, m);
    if (found) std::cout << CheckText(checked, *found);
  }
  exitCode = o.pdf.file.empty() ? 0 : command.writePdf(o.pdf, m);
}

template <class Model, class List>
void AddCommand(CLI::App& app, int& exitCode, ModuleSink* sink, const TemperatureCommand<Model, List>& command) {
  auto options = std::make_shared<TemperatureOptions>();
  const auto words = [&](const char* choice) -> const std::vector<std::string>& {
    return devices::ChoiceWords(command.name, choice);
  };
  CLI::App* cmd = app.add_subcommand(command.name, command.description);
  AddWordOption(*cmd, "--type", options->type, words("type"), command.typeHelp);
  cmd->add_option("--start", options->start, command.startHelp);
  cmd->add_option("--end", options->end, command.endHelp);
  AddWordOption(*cmd, "--output", options->output, words("output"), "Output range");
  AddWordOption(*cmd, std::string("--") + command.fifthName, options->fifth, words(command.fifthName),
                command.fifthHelp);
  AddWordOption(*cmd, "--manual", options->manual, words("manual"), "Manual fine adjustment");
  modules::AddCommonOptions(*cmd, options->common);
  AddFoundOptions(*cmd, options->found);
  AddPdfOptions(*cmd, options->pdf);
  auto config = std::make_shared<ConfigOptions>();
  AddConfigOptions(*cmd, *config);
  cmd->callback([cmd, options, config, &exitCode, sink, &command] {
    ApplyConfig(*cmd, *config);
    Run(command, *options, exitCode, sink);
    SaveConfig(*cmd, *config);
  });
}

const TemperatureCommand<ThermoModel, ThermoList> kThermo{
    "thermo",
    "Thermocouple converter (ZOR THERMO): lists, DIP switches and instructions",
    "ZOR THERMO",
    "Thermocouple type",
    "Start temperature in °C, as offered for the type",
    "End temperature in °C, as offered for type and start",
    "filter",
    "Filter",
    ThermoList::Filter,
    &ThermoModel::filter,
    [] { return Caption(texts::txFilter); },
    ThermoChoose,
    ThermoUpdate,
    [](ModuleSink& sink, const ThermoModel& m) { return sink.Thermo(m); },
    WriteThermoPdf,
    [](nlohmann::ordered_json&, const ThermoModel&) {},
    [](const ThermoModel&) { return std::string(); },
};

const TemperatureCommand<RtdModel, RtdList> kRtd{
    "rtd",
    "RTD converter (ZOR RTD): lists, DIP switches, instructions and wiring",
    "ZOR RTD",
    "Input type",
    "Start value in the type's unit (°C, Ohm or %), as offered for the type",
    "End value, as offered for type and start",
    "response",
    "Response time (slow 2.2 s, fast 1.2 s)",
    RtdList::Response,
    &RtdModel::response,
    [] { return std::string(Tx(texts::txResponseTime)); },
    RtdChoose,
    RtdUpdate,
    [](ModuleSink& sink, const RtdModel& m) { return sink.Rtd(m); },
    WriteRtdPdf,
    [](nlohmann::ordered_json& j, const RtdModel& m) {
      j["unitText"] = m.config.unitText;
      j["wiringPicture"] = m.config.wiringPicture;
    },
    [](const RtdModel& m) { return "(wiring picture " + m.config.wiringPicture + ")\n"; },
};

}  // namespace

void AddThermoCommand(CLI::App& app, int& exitCode, ModuleSink* sink) { AddCommand(app, exitCode, sink, kThermo); }

void AddRtdCommand(CLI::App& app, int& exitCode, ModuleSink* sink) { AddCommand(app, exitCode, sink, kRtd); }

}  // namespace setrix::cli
