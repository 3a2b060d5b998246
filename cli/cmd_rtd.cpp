// setrix-cli rtd: the RTD converter's lists, banks, instructions and wiring picture for the
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
#include "modules/rtd.h"
#include "texts/texts.h"

namespace setrix::cli {
namespace {

using texts::Tx;

struct RtdOptions {
  modules::CommonOptions common;
  PdfOptions pdf;
  FoundOptions found{{8, 8}, {}};
  std::string type, output, response, manual;  // empty: not given
  std::optional<std::string> start, end;
};

// Command-line values in list order: the position is the item index.
const std::vector<std::string>& TypeNames() {
  static const std::vector<std::string> names = [] {
    std::vector<std::string> out;
    for (const RtdType& type : kRtdTypes) out.emplace_back(type.cliName);
    return out;
  }();
  return names;
}
const std::vector<std::string> kOutputs = {"0-10V", "0-20mA", "4-20mA"};
const std::vector<std::string> kResponse = {"slow", "fast"};
const std::vector<std::string> kManual = {"off", "on"};

// Chooses the item with the given value; a value not offered is a command-line error.
void ChooseValue(RtdModel& m, RtdList which, const ChoiceList& list, const std::string& option,
                 const std::string& given) {
  const std::optional<double> value = modules::ParseNumberOption(given);
  const int index = value ? modules::FindValue(list, *value) : -1;
  if (index < 0) modules::NotOffered(option, given, list);
  RtdChoose(m, which, index);
}

nlohmann::ordered_json ToJson(const RtdModel& m) {
  const RtdConfig& c = m.config;
  return {{"module", "rtd"},
          {"type", modules::ListJson(m.type, false)},
          {"start", modules::ListJson(m.start, true)},
          {"end", modules::ListJson(m.end, true)},
          {"output", modules::ListJson(m.output, false)},
          {"response", modules::ListJson(m.response, false)},
          {"manual", modules::ListJson(m.manual, false)},
          {"complete", c.complete},
          {"s1", c.s1},
          {"s2", c.s2},
          {"documentable", m.documentable},
          {"settingsCaption", c.settingsCaption},
          {"switchesCaption", c.switchesCaption},
          {"inputTerminalsText", c.inputTerminalsText},
          {"outputTerminalsText", c.outputTerminalsText},
          {"powerText", c.powerText},
          {"unitText", c.unitText},
          {"wiringPicture", c.wiringPicture}};
}

std::string ToText(const RtdModel& m) {
  const auto caption = [](const texts::PerLanguage& entry) { return std::string(Tx(entry)) + ":"; };
  const RtdConfig& c = m.config;
  std::string out = "ZOR RTD\n\n";
  out += modules::ListText(caption(texts::txInput), m.type);
  out += modules::ListText(caption(texts::txStartValue), m.start);
  out += modules::ListText(caption(texts::txEndValue), m.end);
  out += modules::ListText(caption(texts::txOutput), m.output);
  out += modules::ListText(Tx(texts::txResponseTime), m.response);
  out += modules::ListText(Tx(texts::txFineCalibration), m.manual);
  out += "\n";
  if (!c.complete) return out + "No setting: the choices are not complete.\n";
  out += c.settingsCaption + "\n" + c.switchesCaption + "\n\n";
  out += "S1\n" + BankRowsText(c.s1, 8) + "\n" + "S2\n" + BankRowsText(c.s2, 8) + "\n";
  out += PlainLines(c.inputTerminalsText) + "\n(wiring picture " + c.wiringPicture + ")\n" +
         PlainLines(c.outputTerminalsText) + "\n" + PlainLines(c.powerText) + "\n";
  return out;
}

void Run(const RtdOptions& o, int& exitCode, ModuleSink* sink) {
  const std::optional<std::vector<int>> found = ParseFound(o.found);
  modules::ApplyCommonOptions(o.common);
  RtdModel m;
  RtdUpdate(m);
  // The order of the stored settings: "Input", "Min", "Max", "Response", "Out", "Manual".
  if (!o.type.empty()) RtdChoose(m, RtdList::Type, modules::IndexOf(TypeNames(), o.type));
  if (o.start) ChooseValue(m, RtdList::Start, m.start, "--start", *o.start);
  if (o.end) ChooseValue(m, RtdList::End, m.end, "--end", *o.end);
  if (!o.response.empty()) RtdChoose(m, RtdList::Response, modules::IndexOf(kResponse, o.response));
  if (!o.output.empty()) RtdChoose(m, RtdList::Output, modules::IndexOf(kOutputs, o.output));
  if (!o.manual.empty()) RtdChoose(m, RtdList::Manual, modules::IndexOf(kManual, o.manual));

  if (sink) {
    exitCode = sink->Rtd(m);
    return;
  }
  const CheckResult checked =
      found ? CheckRtd(m.config, (*found)[0], (*found)[1], texts::CurrentLanguage()) : CheckResult{};
  if (o.common.json) {
    nlohmann::ordered_json j = ToJson(m);
    if (found) j["check"] = CheckJson(checked, *found);
    WriteJson(std::cout, j);
  } else {
    std::cout << ToText(m);
    if (found) std::cout << CheckText(checked, *found);
  }
  exitCode = o.pdf.file.empty() ? 0 : WriteRtdPdf(o.pdf, m);
}

}  // namespace

void AddRtdCommand(CLI::App& app, int& exitCode, ModuleSink* sink) {
  auto options = std::make_shared<RtdOptions>();
  CLI::App* cmd =
      app.add_subcommand("rtd", "RTD converter (ZOR RTD): lists, DIP switches, instructions and wiring");
  AddWordOption(*cmd, "--type", options->type, TypeNames(), "Input type");
  cmd->add_option("--start", options->start,
                  "Start value in the type's unit (°C, Ohm or %), as offered for the type");
  cmd->add_option("--end", options->end, "End value, as offered for type and start");
  AddWordOption(*cmd, "--output", options->output, kOutputs, "Output range");
  AddWordOption(*cmd, "--response", options->response, kResponse, "Response time (slow 2.2 s, fast 1.2 s)");
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
