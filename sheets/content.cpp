#include "sheets/content.h"

#include <algorithm>

#include "modules/dc_screen.h"
#include "modules/frq.h"
#include "modules/numbers.h"
#include "modules/rtd.h"
#include "modules/thermo.h"
#include "texts/texts.h"

namespace setrix::sheets {

namespace {

using dipswitch::TDIPAlignment;

std::string S(std::string_view v) { return std::string(v); }

// Looks texts up in one language.
struct Texts {
  int language;
  std::string operator()(const texts::PerLanguage& e) const { return S(texts::Tx(e, language)); }
  std::string operator()(const texts::ThreePerLanguage& e, int variant) const {
    return S(texts::Tx(e, variant, language));
  }
  std::string Colon(const texts::PerLanguage& e) const { return (*this)(e) + ":"; }
};

BoardBank Bank(const resources::BankPlace& place, int value) {
  const TDIPAlignment alignment = place.turn == 90    ? TDIPAlignment::Deg_90
                                  : place.turn == 180 ? TDIPAlignment::Deg_180
                                  : place.turn == 270 ? TDIPAlignment::Deg_270
                                                      : TDIPAlignment::Deg_0;
  return BoardBank{std::string(place.name), place.count, alignment, value, place};
}

Board MakeBoard(const Texts& tx, std::string picture, std::vector<BoardBank> banks, TerminalPlan plan,
                int illustration) {
  Board b;
  b.picture = std::move(picture);
  b.banks = std::move(banks);
  b.onWord = tx(texts::txOn);
  b.offWord = tx(texts::txOff);
  b.plan = std::move(plan);
  b.illustration = illustration;
  if (illustration > 0) b.caption = tx(texts::txIllustration) + std::to_string(illustration) + ".)";
  return b;
}

SettingsLine AdjustSwitches(const Texts& tx) {
  return {tx.Colon(texts::txSettings), "", tx(texts::txAdjustSwitches)};
}

}  // namespace

TerminalPlan EightTerminals(std::string picture, bool potentiometers) {
  return {std::move(picture), 8, {{"7", "8"}, {"5", "6"}, {"1", "2"}, {"3", "4"}}, potentiometers};
}

TerminalPlan TwelveTerminals(std::string picture, bool thermocouple) {
  TerminalPlan plan{std::move(picture), 12, {{"10", "12"}, {"7", "9"}, {"1", "3"}, {"4", "6"}}, true};
  if (thermocouple) plan.rows[3] = {"", ""};
  return plan;
}

PageHeader MakePageHeader(std::string_view model, int language, std::string_view note, std::string_view date,
                          int page, int pageCount) {
  const Texts tx{language};
  PageHeader h;
  h.language = language;
  h.model = S(model);
  h.title = "SETRIX" + S(kVersionCaption) + " " + tx(texts::txSignalIsolator) + " " + h.model;
  h.productLine = tx(texts::txSignalIsolator) + " VORNEX";
  h.modelLine = "ZOR " + h.model;
  h.address = MakerAddressLines(language);
  h.dateLine = tx(texts::txDate) + S(date);
  h.page = page;
  h.pageCount = pageCount;
  if (page > 0) h.pageLine = tx(texts::txPage) + std::to_string(page) + " / " + std::to_string(pageCount);
  h.noteCaption = tx(texts::txNote);
  h.note = S(note);
  return h;
}

ThermoTypeSplit SplitThermoType(std::string_view type) {
  if (type.size() < 2) return {"", S(type)};
  return {S(type.substr(0, type.size() - 2)), S(type.substr(type.size() - 1))};
}

// ---- DC isolator ------------------------------------------------------------------------

Document DcDocument(const DcScreen& dc, const ContentOptions& o) {
  const Texts tx{o.language};
  const DcConfig& c = dc.Config();
  const bool twoStep = dc.TwoStep();
  const DcNumberTexts n = DcDocumentNumbers(dc);
  const std::string inUnit = DcInputUnit(c.inUnit), outUnit = DcOutputUnit(c.outUnit);
  const bool below10Hz = c.bandwidth == kDcBandwidthBelow10Hz;
  const std::string start = tx.Colon(texts::txStartValue), end = tx.Colon(texts::txEndValue);
  const DcInstructionLabels& l = dc.Labels();

  Document d{"DC", {}};
  const int pages = twoStep ? 2 : 1;
  for (int step = 1; step <= pages; ++step) {
    Page p;
    p.header = MakePageHeader("DC", o.language, o.note, o.date, twoStep ? step : 0, twoStep ? 2 : 0);

    TaskBlock task;
    task.style = TaskStyle::Numbers;
    task.groups.push_back({tx.Colon(texts::txInput),
                           {{start, n.inStart, inUnit, std::nullopt, true},
                            {end, n.inEnd, inUnit, std::nullopt, true},
                            {tx.Colon(texts::txBandwidth), below10Hz ? "<10" : ">10", below10Hz ? "Hz" : "kHz"}}});
    task.groups.push_back(
        {tx.Colon(texts::txOutput),
         {{start, n.outStart, outUnit, std::nullopt, true}, {end, n.outEnd, outUnit, std::nullopt, true}}});
    if (twoStep)
      task.settings = SettingsLine{tx.Colon(texts::txSettings), std::to_string(step) + ".", tx(texts::txStep)};
    else if (!l.Label2IndexDC.text.empty())
      task.settings = SettingsLine{tx.Colon(texts::txSettings), "1.", tx(texts::txAdjustSwitches)};
    else
      task.settings = SettingsLine{tx.Colon(texts::txSettings), "", l.Label1HelpDC.text};
    p.task = std::move(task);

    // The two-step case shows the fixed presets of its step, the screen its own banks.
    const DcBanks banks = twoStep ? DcTwoStepDocumentBanks(step, c.bandwidth) : dc.Banks();
    const auto& places = resources::kDcBankPlaces;
    p.boards.push_back(MakeBoard(tx, "PCB_DC",
                                 {Bank(places[0], banks.s1), Bank(places[1], banks.s2), Bank(places[2], banks.s3)},
                                 EightTerminals("KP_DC", true), twoStep ? step : 0));

    Instructions& in = p.instructions;
    if (twoStep) {
      in.paragraphs = {DcTwoStepTextA(step, o.language), DcTwoStepTextB(step, o.language),
                       tx(texts::txTerminalsPowerWide)};
      if (step == 2) in.paragraphs.push_back(tx(texts::txFurtherFineAdjustmentNecessary));
    } else if (!l.Label2HelpDC.text.empty()) {
      in.lines.push_back({l.Label2IndexDC.text, l.Label2HelpDC.text});
      if (!l.Label3HelpDC.text.empty()) in.lines.push_back({l.Label3IndexDC.text, l.Label3HelpDC.text});
      in.lines.push_back({"", l.Label4HelpDC.text});
    }
    d.pages.push_back(std::move(p));
  }
  return d;
}

// ---- thermocouple and RTD converters ------------------------------------------------------

namespace {

struct TemperatureRows {
  std::string model;
  TaskRow type;
  std::string startText, endText;
  int outputIndex;
  std::string outputText;
  TaskRow fifth;  // filter or response time
  std::string manualText;
  int s1, s2;
  bool thermocouple;
  std::vector<std::string> terminalLists;
};

Document TemperatureDocument(const TemperatureRows& r, const ContentOptions& o) {
  const Texts tx{o.language};
  Page p;
  p.header = MakePageHeader(r.model, o.language, o.note, o.date, 0, 0);
  TaskBlock task;
  task.style = TaskStyle::Lists;
  task.groups.push_back(
      {tx.Colon(texts::txInput),
       {r.type, {tx.Colon(texts::txStartValue), r.startText, ""}, {tx.Colon(texts::txEndValue), r.endText, ""}}});
  task.groups.push_back({tx.Colon(texts::txOutput),
                         {{tx(texts::txOutputVoltage, r.outputIndex), r.outputText, ""},
                          r.fifth,
                          {tx(texts::txFineCalibration), r.manualText, ""}}});
  task.settings = AdjustSwitches(tx);
  p.task = std::move(task);
  const auto& places = resources::kTemperatureBankPlaces;
  p.boards.push_back(MakeBoard(tx, "PCB_RTD", {Bank(places[0], r.s2), Bank(places[1], r.s1)},
                               TwelveTerminals(r.thermocouple ? "KP_THERMO" : "KP_RTD", r.thermocouple), 0));
  p.instructions.terminalLists = r.terminalLists;
  return Document{r.model, {std::move(p)}};
}

}  // namespace

Document ThermoDocument(const ThermoModel& thermo, const ContentOptions& o) {
  const Texts tx{o.language};
  const ThermoConfig& c = thermo.config;
  const ThermoTypeSplit type = SplitThermoType(c.typeText);
  return TemperatureDocument({"THERMO",
                              {type.words + ":", type.letter, "", type.words},
                              c.startText,
                              c.endText,
                              c.outputIndex,
                              c.outputText,
                              {tx.Colon(texts::txFilter), c.filterText, ""},
                              c.manualText,
                              c.s1,
                              c.s2,
                              true,
                              {c.inputTerminalsText, c.outputTerminalsText, c.powerText}},
                             o);
}

Document RtdDocument(const RtdModel& rtd, const ContentOptions& o) {
  const Texts tx{o.language};
  const RtdConfig& c = rtd.config;
  return TemperatureDocument({"RTD",
                              {tx(texts::txType), c.typeText, ""},
                              c.startText,
                              c.endText,
                              c.outputIndex,
                              c.outputText,
                              {tx(texts::txResponseTime), c.responseText, ""},
                              c.manualText,
                              c.s1,
                              c.s2,
                              false,
                              {c.inputTerminalsText, c.outputTerminalsText, c.powerText}},
                             o);
}

// ---- frequency converter ----------------------------------------------------------------

Document FrqDocument(const FrqModel& frq, const ContentOptions& o) {
  const Texts tx{o.language};
  const FrqConfig& c = frq.config;
  const int m = c.modeIndex;
  const bool twoPages = m != kFrqModeZeroToMax;
  const std::string range = FrqRangeText(c.outputIndex), unit = FrqRangeUnit(c.outputIndex);

  std::string lower, upper;  // the frequencies as documented
  if (m == kFrqModeZeroToMax) {
    lower = "0";
    upper = NormalizeNumberText(c.upperText, false);
  } else if (m == kFrqModeMinToMax) {
    lower = NormalizeNumberText(c.lowerText, false);
    upper = NormalizeNumberText(c.upperText, false);
  } else {
    lower = upper = tx(texts::txUserDefined);
  }
  const std::string hz = m == kFrqModeSpecial ? "" : "Hz";
  const std::string mode = frq.mode.ItemText();

  const auto board = [&](int step) {
    const FrqBanks b = FrqStepSwitches(frq, step);
    const auto& places = resources::kFrqBankPlaces;
    return MakeBoard(tx, "PCB_RTD", {Bank(places[0], b.s2), Bank(places[1], b.s1)},
                     EightTerminals("KP_FRQ", false), twoPages ? step : 0);
  };
  const auto pinning = [&](bool withCaption) {
    Pinning pin;
    if (withCaption) pin.caption = tx(texts::txPinning);
    const std::vector<std::string> names = FrqPinningTerminals(o.language);
    const std::vector<std::string> meanings = FrqPinningMeaningGroups(range + " " + unit, o.language);
    pin.groups = {{{names[0], names[1], names[2], names[3]}, meanings[0]},
                  {{names[5], names[6]}, meanings[1]},
                  {{names[8], names[9]}, meanings[2]}};
    return pin;
  };

  Document d{"FREQUENCY", {}};
  Page p1;
  p1.header = MakePageHeader("FREQUENCY", o.language, o.note, o.date, twoPages ? 1 : 0, twoPages ? 2 : 0);
  TaskBlock task;
  task.style = TaskStyle::Frequencies;
  task.groups.push_back({tx.Colon(texts::txInput),
                         {{tx.Colon(texts::txOperatingMode), mode, "", mode},
                          {tx.Colon(texts::txLowerFrequency), lower, hz},
                          {tx.Colon(texts::txUpperFrequency), upper, hz}}});
  task.groups.push_back(
      {tx.Colon(texts::txOutput), {{tx(texts::txOutputVoltage, std::max(c.outputIndex - 1, 0)), range, unit}}});
  if (!twoPages) task.settings = AdjustSwitches(tx);
  p1.task = std::move(task);
  p1.boards.push_back(board(1));
  if (twoPages)
    p1.instructions.steps = FrqDocumentSteps(m, o.language);
  else
    p1.instructions.pinning = pinning(false);
  d.pages.push_back(std::move(p1));

  if (twoPages) {
    Page p2;
    p2.header = MakePageHeader("FREQUENCY", o.language, o.note, o.date, 2, 2);
    p2.boards.push_back(board(2));
    if (m == kFrqModeSpecial) p2.boards.push_back(board(3));
    p2.instructions.pinning = pinning(true);
    d.pages.push_back(std::move(p2));
  }
  return d;
}

}  // namespace setrix::sheets
