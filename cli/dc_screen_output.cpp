#include "cli/dc_screen_output.h"

#include <string>
#include <string_view>
#include <vector>

#include "cli/common.h"
#include "texts/texts.h"

namespace setrix::cli {
namespace {

using Json = nlohmann::ordered_json;

std::string Shown(const DcLabel& label) { return label.visible ? label.text : std::string(); }

// Splits a label text at its line breaks ("\r\n" or a lone "\r").
std::vector<std::string> Lines(std::string_view text) {
  std::vector<std::string> lines(1);
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r') {
      if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
      lines.emplace_back();
    } else if (text[i] == '\n') {
      lines.emplace_back();
    } else {
      lines.back() += text[i];
    }
  }
  return lines;
}

// One instruction label: "2. first line", further lines under the text, all indented by
// `indent`. Leading empty lines (the refusal heading starts with one) are dropped.
void AppendLabel(std::string& out, const std::string& indent, const std::string& index, const std::string& text) {
  if (text.empty()) return;
  std::vector<std::string> lines = Lines(text);
  while (!lines.empty() && lines.front().empty()) lines.erase(lines.begin());
  const std::string prefix = index.empty() ? std::string() : index + " ";
  const std::string under(prefix.size(), ' ');
  for (std::size_t i = 0; i < lines.size(); ++i) out += indent + (i == 0 ? prefix : under) + lines[i] + "\n";
}

// The instruction area in screen order: heading and first line above the banks, then the
// help panel (while it shows) with the step line between the second and the third line.
void AppendInstructions(std::string& out, const std::string& indent, const DcScreen& screen) {
  const DcInstructionLabels& l = screen.Labels();
  AppendLabel(out, indent, "", Shown(l.LabelEinstellungenDC));
  AppendLabel(out, indent, "", Shown(l.Label1HelpDC));
  if (!screen.HelpPanelVisible()) return;
  AppendLabel(out, indent, Shown(l.Label2IndexDC), Shown(l.Label2HelpDC));
  AppendLabel(out, indent, Shown(l.LabelSpecIndexDC), Shown(l.LabelSpecHelpDC));
  AppendLabel(out, indent, Shown(l.Label3IndexDC), Shown(l.Label3HelpDC));
  AppendLabel(out, indent, "", Shown(l.Label4HelpDC));
}

std::string WithoutAccelerator(std::string caption) {
  for (std::size_t i = 0; i < caption.size(); ++i) {
    if (caption[i] == '&') caption.erase(i, 1);  // "&&" keeps one "&"
  }
  return caption;
}

Json GridJson(const DcServiceTables::ResultGrid& grid) {
  Json rows = Json::array();
  for (const auto& row : grid) rows.push_back(Json(std::vector<std::string>(row.begin(), row.end())));
  return rows;
}

}  // namespace

Json DcScreenTextsJson(const DcScreen& screen) {
  const DcInstructionLabels& l = screen.Labels();
  Json j = Json::object();
  j["LabelEinstellungenDC"] = Shown(l.LabelEinstellungenDC);
  j["Label1HelpDC"] = Shown(l.Label1HelpDC);
  j["Label2IndexDC"] = Shown(l.Label2IndexDC);
  j["Label2HelpDC"] = Shown(l.Label2HelpDC);
  j["Label3IndexDC"] = Shown(l.Label3IndexDC);
  j["Label3HelpDC"] = Shown(l.Label3HelpDC);
  j["LabelSpecIndexDC"] = Shown(l.LabelSpecIndexDC);
  j["LabelSpecHelpDC"] = Shown(l.LabelSpecHelpDC);
  j["Label4HelpDC"] = Shown(l.Label4HelpDC);
  return j;
}

Json DcServiceJson(const DcServiceTables& service) {
  Json j = Json::object();
  j["SGridDaten"] = GridJson(service.SGridDaten);
  j["SGridSpan"] = GridJson(service.SGridSpan);
  j["SGridZero"] = GridJson(service.SGridZero);
  Json aw = Json::array();
  for (const auto& row : service.SGridAW) aw.push_back(Json(std::vector<std::string>(row.begin(), row.end())));
  j["SGridAW"] = aw;
  j["LabelInVerpolt"] = service.LabelInVerpolt;
  j["LabelOutVerpolt"] = service.LabelOutVerpolt;
  j["LabelV"] = service.LabelV;
  j["LabelInU"] = service.LabelInU;
  j["LabelfIndex"] = service.LabelfIndex;
  return j;
}

void AddDcScreenJson(Json& out, const DcScreenRun& run) {
  const DcScreen& s = run.screen;
  out["twoStep"] = s.TwoStep();
  out["screen"] = DcScreenTextsJson(s);
  out["helpPanelVisible"] = s.HelpPanelVisible();
  out["documentable"] = s.CalcDone();
  if (run.message) out["message"] = Json{{"caption", run.message->caption}, {"text", run.message->text}};
  out["service"] = DcServiceJson(s.Service());
  if (s.TwoStep()) {
    Json steps = Json::array();
    for (int step = 1; step <= 2; ++step) {
      const DcBanks banks = DcTwoStepDocumentBanks(step, s.Config().bandwidth);
      steps.push_back(Json{{"s1", banks.s1},
                           {"s2", banks.s2},
                           {"s3", banks.s3},
                           {"screen", DcScreenTextsJson(DcStepScreen(s, step))}});
    }
    out["steps"] = steps;
  }
}

std::string DcScreenText(const DcScreenRun& run) {
  const DcScreen& s = run.screen;
  const std::string indent = "  ";
  std::string out = "\nOn the screen:\n";
  if (run.message) {
    out += indent + "message box \"" + run.message->caption + "\": " + run.message->text + "\n";
    return out;
  }
  if (!s.TwoStep()) {
    AppendInstructions(out, indent, s);
    return out;
  }
  const DcCaptions captions = DcScreenCaptions();
  AppendLabel(out, indent, "", captions.Lbl_DCStep);
  for (int step = 1; step <= 2; ++step) {
    const DcBanks banks = DcTwoStepDocumentBanks(step, s.Config().bandwidth);
    out += "\n" + WithoutAccelerator(step == 1 ? captions.Btn_DCStepOne : captions.Btn_DCStepTwo) + "\n";
    AppendInstructions(out, indent, DcStepScreen(s, step));
    out += "\nS1 (value " + std::to_string(banks.s1) + ")\n" + BankRowsText(banks.s1, DcScreen::kS1Count);
    out += "\nS2 (value " + std::to_string(banks.s2) + ")\n" + BankRowsText(banks.s2, DcScreen::kS2Count);
    out += "\nS3 (value " + std::to_string(banks.s3) + ")\n" + BankRowsText(banks.s3, DcScreen::kS3Count);
  }
  return out;
}

}  // namespace setrix::cli
