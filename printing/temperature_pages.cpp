#include "printing/module_pages.h"

#include <algorithm>
#include <initializer_list>
#include <string>
#include <vector>

#include "printing/page_body.h"
#include "texts/texts.h"

namespace setrix::printing {

namespace {

using dipswitch::TDIPAlignment;
using dipswitch::TDIPSwitch;
using pages::BoardBank;
using pages::Caption;
using pages::Colon;
using pages::NamePlace;
using pages::PageBody;
using pages::Plan;
using pages::ScreenBank;
using texts::Tx;

// The task block of the two temperature converters: type line, start, end, output line,
// filter or response time, fine calibration and the settings line.
struct TemperatureTask {
  std::string typeCaption, typeLabel, typeValue;
  std::string typeMeasured;  // the text that the value column makes room for
  std::string startCaption, startValue, endCaption, endValue;
  std::string outputCaption, outputLabel, outputValue;
  std::string fifthCaption, fifthValue, manualCaption, manualValue;
};

double PrintTemperatureTask(Printout& out, const TemperatureTask& t, double y) {
  const double lh = out.LineHeight();
  out.SetPrinterFont(11, false, false);
  double p = 0;
  for (const std::string* label :
       {&t.typeMeasured, &t.startCaption, &t.endCaption, &t.fifthCaption, &t.manualCaption, &t.outputLabel}) {
    p = std::max(p, kColumns[1] + out.TextWidth(*label + "    "));
  }
  auto row = [&](std::string_view label, std::string_view value) {
    out.TextAt(label, kColumns[1], y);
    out.TextAt(value, p, y);
  };
  y += 1.7 * lh;
  Caption(out, t.typeCaption, y);
  row(t.typeLabel, t.typeValue);
  y += lh;
  row(t.startCaption, t.startValue);
  y += lh;
  row(t.endCaption, t.endValue);
  y += 1.7 * lh;
  Caption(out, t.outputCaption, y);
  row(t.outputLabel, t.outputValue);
  y += lh;
  row(t.fifthCaption, t.fifthValue);
  y += lh;
  row(t.manualCaption, t.manualValue);
  y += 1.7 * lh;
  Caption(out, Colon(Tx(texts::txSettings)), y);
  out.TextAt(Tx(texts::txAdjustSwitches), kColumns[1], y);
  return y + 1.7 * lh;
}

void PrintTemperatureDocumentation(PageSink& printer, std::string_view model, const TemperatureTask& task, int s1,
                                   int s2, const Plan& plan, const std::string* instructions,
                                   std::string_view userText, const PrintOptions& options) {
  Printout out(printer, options);
  out.CreateScratchImage();
  out.BeginPrintPage(true);
  double y = out.PrintHeader(model, userText, 0, 0, true);
  y = PrintTemperatureTask(out, task, y);
  std::vector<BoardBank> banks;
  banks.push_back(ScreenBank(8, TDIPAlignment::Deg_180, s2, 2.1, 2.7, 0.8, "S2", NamePlace::RightOfBottom));
  banks.push_back(ScreenBank(8, TDIPAlignment::Deg_180, s1, 2.1, 2.7, 2.1, "S1", NamePlace::RightOfBottom));
  y = PageBody(out, "PCB_RTD", banks, plan, y).y;
  const double lh = out.LineHeight();
  out.SetPrinterFont(11, false, false);
  for (int i = 0; i < 3; ++i) y = out.PrintTerminalList(instructions[i], y + lh);
  out.EndDocument();
}

}  // namespace

void PrintThermoDocumentation(PageSink& printer, const ThermoModel& thermo, std::string_view userText,
                              const PrintOptions& options) {
  const ThermoConfig& c = thermo.config;
  // "Thermocouple type K": the words before the letter, and the letter.
  const std::string& type = c.typeText;
  TemperatureTask t;
  t.typeCaption = Colon(Tx(texts::txInput));
  t.typeMeasured = type.size() >= 2 ? type.substr(0, type.size() - 2) : std::string();
  t.typeLabel = Colon(t.typeMeasured);
  t.typeValue = type.empty() ? std::string() : type.substr(type.size() - 1);
  t.startCaption = Colon(Tx(texts::txStartValue));
  t.startValue = c.startText;
  t.endCaption = Colon(Tx(texts::txEndValue));
  t.endValue = c.endText;
  t.outputCaption = Colon(Tx(texts::txOutput));
  t.outputLabel = std::string(Tx(texts::txOutputVoltage, c.outputIndex));
  t.outputValue = c.outputText;
  t.fifthCaption = Colon(Tx(texts::txFilter));
  t.fifthValue = c.filterText;
  t.manualCaption = std::string(Tx(texts::txFineCalibration));
  t.manualValue = c.manualText;
  const std::string instructions[] = {c.inputTerminalsText, c.outputTerminalsText, c.powerText};
  PrintTemperatureDocumentation(printer, "THERMO", t, c.s1, c.s2, Plan{"KP_THERMO", 1.107, Plan::Thermocouple},
                                instructions, userText, options);
}

void PrintRTDDocumentation(PageSink& printer, const RtdModel& rtd, std::string_view userText,
                           const PrintOptions& options) {
  const RtdConfig& c = rtd.config;
  TemperatureTask t;
  t.typeCaption = Colon(Tx(texts::txInput));
  t.typeLabel = std::string(Tx(texts::txType));
  t.typeMeasured = t.typeLabel;
  t.typeValue = c.typeText;
  t.startCaption = Colon(Tx(texts::txStartValue));
  t.startValue = c.startText;
  t.endCaption = Colon(Tx(texts::txEndValue));
  t.endValue = c.endText;
  t.outputCaption = Colon(Tx(texts::txOutput));
  t.outputLabel = std::string(Tx(texts::txOutputVoltage, c.outputIndex));
  t.outputValue = c.outputText;
  t.fifthCaption = std::string(Tx(texts::txResponseTime));
  t.fifthValue = c.responseText;
  t.manualCaption = std::string(Tx(texts::txFineCalibration));
  t.manualValue = c.manualText;
  const std::string instructions[] = {c.inputTerminalsText, c.outputTerminalsText, c.powerText};
  PrintTemperatureDocumentation(printer, "RTD", t, c.s1, c.s2, Plan{"KP_RTD", 1.107, Plan::Twelve}, instructions,
                                userText, options);
}

}  // namespace setrix::printing
