#include "devices/module_run.h"

#include "devices/device_model.h"
#include "texts/texts.h"

namespace setrix::devices {

namespace {

// One line of a screen text (CR LF breaks) for a message.
std::string OneLine(std::string_view text) {
  std::string out;
  for (const char c : text) {
    if (c == '\r') continue;
    out += c == '\n' ? ' ' : c;
  }
  return out;
}

// Names the first list of a temperature screen that has nothing chosen.
std::string FirstMissing(std::initializer_list<std::pair<const ChoiceList*, const char*>> lists) {
  for (const auto& [list, option] : lists)
    if (list->index < 0)
      return std::string("the choices are not complete: ") + option + " is missing or not offered";
  return "the choices do not give a setting";
}

}  // namespace

DcScreenRun RunDcScreen(const DcConfig& task) {
  DcScreen s;
  static constexpr DcUnitButton kIn[] = {DcUnitButton::RBtnEmA, DcUnitButton::RBtnEmV, DcUnitButton::RBtnEV};
  static constexpr DcUnitButton kOut[] = {DcUnitButton::RBtnAmA, DcUnitButton::RBtnAV};
  if (task.inUnit >= 0 && task.inUnit < 3) s.RadioBtnClick(kIn[task.inUnit]);
  if (task.outUnit >= 0 && task.outUnit < 2) s.RadioBtnClick(kOut[task.outUnit]);
  s.RBtnGrenzClick(task.bandwidth == kDcBandwidthBelow10Hz ? DcBandwidthButton::RBtn10Hz
                                                           : DcBandwidthButton::RBtn10kHz);
  s.EditChange(DcEdit::EditEMin, task.inMinText);
  s.EditChange(DcEdit::EditEMax, task.inMaxText);
  s.EditChange(DcEdit::EditAMin, task.outMinText);
  s.EditChange(DcEdit::EditAMax, task.outMaxText);
  return RunDcScreen(std::move(s));
}

DcScreenRun RunDcScreen(DcScreen screen) {
  DcScreenRun run{std::move(screen), std::nullopt};
  if (!run.screen.TwoStep()) run.message = run.screen.BitBtnWeiterClick();
  return run;
}

DcScreen DcStepScreen(const DcScreen& screen, int step) {
  DcScreen copy = screen;
  if (step == 1)
    copy.Btn_DCStepOneClick();
  else
    copy.Btn_DCStepTwoClick();
  return copy;
}

std::string DcRefusal(const DcScreen& dc, const std::optional<DcMessage>& message) {
  if (message) return OneLine(message->caption + ": " + message->text);
  const DcInstructionLabels& l = dc.Labels();
  if (!dc.CalcDone() || (!dc.TwoStep() && dc.Banks().s1 < 0))
    return OneLine(l.Label2HelpDC.text + (l.Label3HelpDC.text.empty() ? "" : ": ") + l.Label3HelpDC.text);
  return {};
}

std::string ThermoRefusal(const ThermoModel& thermo) {
  if (thermo.documentable) return {};
  return FirstMissing({{&thermo.type, "--type"},
                       {&thermo.start, "--start"},
                       {&thermo.end, "--end"},
                       {&thermo.output, "--output"},
                       {&thermo.filter, "--filter"},
                       {&thermo.manual, "--manual"}});
}

std::string RtdRefusal(const RtdModel& rtd) {
  if (rtd.documentable) return {};
  return FirstMissing({{&rtd.type, "--type"},
                       {&rtd.start, "--start"},
                       {&rtd.end, "--end"},
                       {&rtd.output, "--output"},
                       {&rtd.response, "--response"},
                       {&rtd.manual, "--manual"}});
}

std::string FrqRefusal(const FrqModel& frq) {
  if (frq.documentable) return {};
  std::string why = FirstMissing({{&frq.mode, "--mode"}, {&frq.output, "--output"}});
  if (frq.mode.index >= 0 && frq.output.index >= 0)
    why = frq.mode.index == kFrqModeSpecial     ? "the choices do not give a setting"
          : frq.mode.index == kFrqModeZeroToMax ? "--upper must be a frequency above 0 Hz"
                                                : "--lower and --upper must be frequencies at least 0.1 Hz apart";
  return why;
}

void ModelRunner::Run(const configfile::Device& device, const std::string& lang, DocumentSink& sink) {
  texts::SetCurrentLanguage(texts::LanguageFromCode(lang));
  if (device.module == "dc") {
    DcScreen dc;
    ApplyDevice(dc, device);
    sink.Dc(RunDcScreen(std::move(dc)));
  } else if (device.module == "thermo") {
    ThermoModel m;
    ApplyDevice(m, device);
    sink.Thermo(m);
  } else if (device.module == "rtd") {
    RtdModel m;
    ApplyDevice(m, device);
    sink.Rtd(m);
  } else if (device.module == "frq") {
    FrqModel m;
    ApplyDevice(m, device);
    sink.Frq(m);
  } else {
    throw DeviceError("module", "\"" + device.module + "\" is no module; use one of dc, thermo, rtd, frq");
  }
}

std::string CheckDevice(const configfile::Device& device, const std::string& lang) {
  struct Check final : DocumentSink {
    std::string why;
    void Dc(const DcScreenRun& run) override { why = DcRefusal(run.screen, run.message); }
    void Thermo(const ThermoModel& m) override { why = ThermoRefusal(m); }
    void Rtd(const RtdModel& m) override { why = RtdRefusal(m); }
    void Frq(FrqModel& m) override { why = FrqRefusal(m); }
  } check;
  ModelRunner runner;
  runner.Run(device, lang, check);
  return check.why;
}

}  // namespace setrix::devices
