// setrix-cli frq: the frequency converter's lists, entries (quantised and rewritten as on
// the screen), step buttons and every step with its banks and instructions.
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
#include "modules/frq.h"
#include "texts/texts.h"

namespace setrix::cli {
namespace {

using texts::Tx;

struct FrqOptions {
  modules::CommonOptions common;
  PdfOptions pdf;
  FoundOptions found{{8, 8}, {}};
  std::string mode, output;  // empty: not given
  std::optional<std::string> lower, upper;
};

// Command-line values in list order: the position is the item index.
const std::vector<std::string> kModes = {"0-fmax", "fmin-fmax", "special"};
const std::vector<std::string> kOutputs = {"0-5V", "0-10V", "0-20mA", "4-20mA"};

struct StepView {
  int step;
  FrqBanks banks;
  std::vector<Paragraph> paragraphs;
};

// Every step of the mode, as its button would show it.
std::vector<StepView> AllSteps(const FrqModel& m) {
  std::vector<StepView> steps;
  for (int step = 1; step <= m.config.stepCount; ++step) {
    FrqModel shown = m;
    if (!FrqShowStep(shown, step)) continue;
    steps.push_back({step, {shown.config.s1, shown.config.s2}, shown.help});
  }
  return steps;
}

// What a caption shows: "&" marks the access key, "&&" is a single "&".
std::string WithoutAccessKey(std::string_view caption) {
  std::string out;
  for (std::size_t i = 0; i < caption.size(); ++i) {
    if (caption[i] == '&' && i + 1 < caption.size()) ++i;
    out += caption[i];
  }
  return out;
}

// The number of characters of a UTF-8 text.
std::size_t Length(std::string_view text) {
  std::size_t n = 0;
  for (char c : text)
    if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++n;
  return n;
}

nlohmann::ordered_json ToJson(const FrqModel& m) {
  nlohmann::ordered_json buttons = nlohmann::ordered_json::array();
  for (std::size_t i = 0; i < 3; ++i)
    if (m.stepButtonVisible[i]) buttons.push_back(m.stepButtonCaptions[i]);
  nlohmann::ordered_json steps = nlohmann::ordered_json::array();
  for (const StepView& view : AllSteps(m)) {
    nlohmann::ordered_json paragraphs = nlohmann::ordered_json::array();
    for (const Paragraph& p : view.paragraphs)
      paragraphs.push_back({{"style", std::string(ParagraphStyleName(p.style))}, {"text", p.text}});
    steps.push_back(
        {{"step", view.step}, {"s1", view.banks.s1}, {"s2", view.banks.s2}, {"paragraphs", paragraphs}});
  }
  return {{"module", "frq"},
          {"mode", modules::ListJson(m.mode, false)},
          {"output", modules::ListJson(m.output, false)},
          {"lowerText", m.config.lowerText},
          {"upperText", m.config.upperText},
          {"stepCount", m.config.stepCount},
          {"stepLine", m.stepLineVisible ? m.stepLine : std::string()},
          {"stepButtons", buttons},
          {"documentable", m.documentable},
          {"steps", steps}};
}

std::string ToText(const FrqModel& m) {
  const FrqEntryRows& rows = m.rows;
  std::string out = "ZOR FREQUENCY\n\n";
  out += modules::ListText(std::string(Tx(texts::txOperatingMode)) + ":", m.mode);
  const auto row = [&out](bool captionVisible, const std::string& caption, const std::string* entry, bool hz) {
    if (!captionVisible && entry == nullptr) return;
    std::string line = captionVisible ? caption : std::string();
    if (entry != nullptr) line += (line.empty() ? "" : " ") + *entry;
    if (hz) line += " Hz";
    out += line + "\n";
  };
  const std::string* first = nullptr;
  const std::string* second = nullptr;
  if (rows.upperEntryRow == 1) {
    if (rows.upperEntryVisible) first = &m.config.upperText;
  } else {
    if (rows.lowerEntryVisible) first = &m.config.lowerText;
    if (rows.upperEntryVisible) second = &m.config.upperText;
  }
  row(rows.firstCaptionVisible, rows.firstCaption, first, rows.hzLowVisible);
  row(rows.secondCaptionVisible, rows.secondCaption, second, rows.hzUpVisible);
  out += modules::ListText(std::string(Tx(texts::txOutput)) + ":", m.output);
  out += "\n";
  if (m.stepLineVisible) out += m.stepLine + "\n";
  std::string buttons;
  for (std::size_t i = 0; i < 3; ++i)
    if (m.stepButtonVisible[i])
      buttons += (buttons.empty() ? "" : " | ") + WithoutAccessKey(m.stepButtonCaptions[i]);
  if (!buttons.empty()) out += "Step buttons: " + buttons + "\n";
  if (!m.documentable) return out + "No setting: the choices are not complete.\n";

  for (const StepView& view : AllSteps(m)) {
    out += "\n[" + std::to_string(view.step) + "/" + std::to_string(m.config.stepCount) + "]\n";
    out += "S1\n" + BankRowsText(view.banks.s1, 8) + "\n" + "S2\n" + BankRowsText(view.banks.s2, 8) + "\n";
    for (const Paragraph& p : view.paragraphs) {
      const std::string text = PlainLines(p.text);
      switch (p.style) {
        case ParagraphStyle::Heading: out += text + "\n" + std::string(Length(text), '=') + "\n"; break;
        case ParagraphStyle::Bullet: out += "  * " + text + "\n"; break;
        case ParagraphStyle::Plain: out += text + "\n"; break;
      }
    }
  }
  return out;
}

// An entry takes only what its key filter lets through.
bool Typeable(const std::string& text) {
  for (char c : text)
    if (c == '\b' || !FrqEditKeyPress(c)) return false;
  return true;
}

void Run(const FrqOptions& o, int& exitCode, ModuleSink* sink) {
  const std::optional<std::vector<int>> found = ParseFound(o.found);
  for (const auto& [name, value] : {std::pair{"--lower", &o.lower}, std::pair{"--upper", &o.upper}}) {
    if (*value && !Typeable(**value))
      throw CLI::ValidationError(name, "\"" + **value +
                                           "\" cannot be typed into the entry; it takes the "
                                           "digits 0 to 9, \",\" and \".\"");
  }
  modules::ApplyCommonOptions(o.common);
  FrqModel m;
  FrqUpdate(m);
  // The order of the stored settings: "Mode", "Min", "Max", "Out".
  if (!o.mode.empty()) FrqChoose(m, FrqList::Mode, modules::IndexOf(kModes, o.mode));
  if (o.lower) {
    FrqEntryChanged(m, FrqEntry::Lower, *o.lower);
    FrqUpdate(m);
  }
  if (o.upper) {
    FrqEntryChanged(m, FrqEntry::Upper, *o.upper);
    FrqUpdate(m);
  }
  if (!o.output.empty()) FrqChoose(m, FrqList::Output, modules::IndexOf(kOutputs, o.output));

  if (sink) {
    exitCode = sink->Frq(m);
    return;
  }
  const CheckResult checked =
      found ? CheckFrq(m, (*found)[0], (*found)[1], texts::CurrentLanguage()) : CheckResult{};
  if (o.common.json) {
    nlohmann::ordered_json j = ToJson(m);
    if (found) j["check"] = CheckJson(checked, *found);
    WriteJson(std::cout, j);
  } else {
    std::cout << ToText(m);
    if (found) std::cout << CheckText(checked, *found);
  }
  exitCode = o.pdf.file.empty() ? 0 : WriteFrqPdf(o.pdf, m);
}

}  // namespace

void AddFrqCommand(CLI::App& app, int& exitCode, ModuleSink* sink) {
  auto options = std::make_shared<FrqOptions>();
  CLI::App* cmd =
      app.add_subcommand("frq", "Frequency converter (ZOR FREQUENCY): lists, entries, steps and DIP switches");
  AddWordOption(*cmd, "--mode", options->mode, kModes, "Operating mode");
  cmd->add_option("--lower", options->lower, "Lower frequency in Hz, as typed into the entry");
  cmd->add_option("--upper", options->upper, "Upper frequency in Hz, as typed into the entry");
  AddWordOption(*cmd, "--output", options->output, kOutputs, "Output range");
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
