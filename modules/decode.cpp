#include "modules/decode.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <initializer_list>
#include <map>
#include <string_view>
#include <utility>

#include "modules/dc_screen.h"
#include "modules/numbers.h"
#include "texts/texts.h"
#include "texts/texts_reading.h"

namespace setrix {

using texts::ReplaceAll;
using texts::Tx;

namespace {

// --- shared pieces ---------------------------------------------------------------------------

int Masked(int value, int count) { return value < 0 ? 0 : value & ((1 << count) - 1); }

bool On(int value, int number) { return (value >> (number - 1) & 1) != 0; }

std::string BankName(int bank) { return "S" + std::to_string(bank); }

// Switches first..last of one bank.
std::vector<SwitchRef> Span(int bank, int first, int last) {
  std::vector<SwitchRef> out;
  for (int k = first; k <= last; ++k) out.push_back({bank, k});
  return out;
}

std::string Caption(const texts::PerLanguage& entry, int language) {
  std::string s(Tx(entry, language));
  while (!s.empty() && (s.back() == ':' || s.back() == ' ')) s.pop_back();
  return s;
}

std::string Replace(std::string_view text, std::initializer_list<std::pair<std::string_view, std::string>> with) {
  std::string out(text);
  for (const auto& [placeholder, value] : with) out = ReplaceAll(out, placeholder, value);
  return out;
}

void AddLine(Reading& r, std::string key, std::string caption, std::string text) {
  r.lines.push_back({std::move(key), std::move(caption), std::move(text)});
}

void AddProblem(Reading& r, std::vector<SwitchRef> switches, std::string text) {
  r.problems.push_back({std::move(switches), std::move(text)});
}

// "$S give no valid value for: $Q".
std::string GiveNoValue(const std::vector<SwitchRef>& switches, const std::string& what, int language) {
  return Replace(Tx(texts::txGiveNoValue, language), {{"$S", SwitchesText(switches, language)}, {"$Q", what}});
}

// "Input 10 V (S1 switches 1 to 4)".
std::string ValueFrom(const std::string& caption, const std::string& value, const std::vector<SwitchRef>& switches,
                      int language) {
  return caption + " " + value + " (" + SwitchesText(switches, language) + ")";
}

// The value of the switches of a table pattern in columns [first, first + n) against the
// same switches of a bank value (bank switch `firstSwitch` is column `first`).
bool PatternMatches(const TSwitchPattern& pattern, int firstColumn, int n, int bankValue, int firstSwitch) {
  for (int i = 0; i < n; ++i) {
    const bool want = pattern[static_cast<std::size_t>(firstColumn + i)] != 0;
    if (want != On(bankValue, firstSwitch + i)) return false;
  }
  return true;
}

std::string OnOffWord(bool on) { return on ? "ON" : "OFF"; }

// --- DC --------------------------------------------------------------------------------------

// The input range that the calculation always trims with SPAN (it recognises it by name).
int AlwaysSpanInput() {
  for (int r = 0; r < kDcInputRangeCount; ++r)
    if (InputRanges[static_cast<std::size_t>(r)].isCurrent == 1 &&
        InputRanges[static_cast<std::size_t>(r)].name == "0.3 mA")
      return r;
  return -1;
}

std::string ZeroStepText(int step) {
  const double v = ZeroSteps[static_cast<std::size_t>(step)];
  return (v > 0 ? "+" : "") + FormatNumber("%g", v) + " %";
}

std::string PotName(std::string_view which, int language) {
  return ReplaceAll(Tx(texts::txPotentiometerName, language), "$P", which);
}

}  // namespace

std::string SwitchesText(const std::vector<SwitchRef>& switches, int language) {
  if (switches.empty()) return {};
  const std::string bank = BankName(switches.front().bank);
  const std::string first = std::to_string(switches.front().number);
  const std::string last = std::to_string(switches.back().number);
  if (switches.size() == 1) return Replace(Tx(texts::txBankSwitchOne, language), {{"$B", bank}, {"$K", first}});
  if (switches.size() == 2)
    return Replace(Tx(texts::txBankSwitchPair, language), {{"$B", bank}, {"$K", first}, {"$L", last}});
  return Replace(Tx(texts::txBankSwitchRange, language), {{"$B", bank}, {"$K", first}, {"$L", last}});
}

DcReading ReadDc(const DcBanks& found, int language) {
  const int s1 = Masked(found.s1, DcScreen::kS1Count);
  const int s2 = Masked(found.s2, DcScreen::kS2Count);
  const int s3 = Masked(found.s3, DcScreen::kS3Count);
  DcReading d;
  Reading& r = d.reading;
  const std::string input = Caption(texts::txInput, language);
  const std::string output = Caption(texts::txOutput, language);

  // Input: S1 switches 1..4 carry the range index; S2 switches 1..3 must agree with it.
  for (int i = 0; i < kDcInputRangeCount; ++i)
    if (PatternMatches(InputSwitchPatterns[static_cast<std::size_t>(i)], kDcS1Column, 4, s1, 1)) d.inIndex = i;
  const TInputRec& in = InputRanges[static_cast<std::size_t>(d.inIndex)];
  AddLine(r, "inIndex", input, std::string(in.name));
  if (!PatternMatches(InputSwitchPatterns[static_cast<std::size_t>(d.inIndex)], kDcS2Column, 3, s2, 1)) {
    const auto sw = Span(2, 1, 3);
    AddProblem(r, sw,
               Replace(Tx(texts::txDoNotFit, language),
                       {{"$S", SwitchesText(sw, language)},
                        {"$V", ValueFrom(input, std::string(in.name), Span(1, 1, 4), language)}}));
  }

  // Output: S1 switches 5..7 name the range; S3 switches 1 and 2 must agree.
  for (int c = 0; c < kDcOutputRangeCount; ++c)
    if (PatternMatches(OutputSwitchPatterns[static_cast<std::size_t>(c)], kDcS1Column + 4, 3, s1, 5))
      d.outIndex = c;
  if (d.outIndex) {
    const TOutputRec& out = OutputRanges[static_cast<std::size_t>(*d.outIndex)];
    AddLine(r, "outIndex", output, std::string(out.name));
    if (!PatternMatches(OutputSwitchPatterns[static_cast<std::size_t>(*d.outIndex)], kDcS3Column, 2, s3, 1)) {
      const auto sw = Span(3, 1, 2);
      AddProblem(r, sw,
                 Replace(Tx(texts::txDoNotFit, language),
                         {{"$S", SwitchesText(sw, language)},
                          {"$V", ValueFrom(output, std::string(out.name), Span(1, 5, 7), language)}}));
    }
  } else {
    AddLine(r, "outIndex", output, "?");
    AddProblem(r, Span(1, 5, 7), GiveNoValue(Span(1, 5, 7), output, language));
    // S3 switches 1 and 2 still tell voltage from current when they agree with some range.
    bool any = false;
    for (const TSwitchPattern& p : OutputSwitchPatterns) any = any || PatternMatches(p, kDcS3Column, 2, s3, 1);
    if (!any) AddProblem(r, Span(3, 1, 2), GiveNoValue(Span(3, 1, 2), output, language));
  }

  // Zero step: S1 switches 8..10.
  const std::string zeroCaption = Caption(texts::txZeroOffset, language);
  for (int k = 0; k < kDcZeroStepCount; ++k)
    if (PatternMatches(ZeroSwitchPatterns[static_cast<std::size_t>(k)], kDcS1Column + 7, 3, s1, 8)) d.zeroStep = k;
  if (d.zeroStep) {
    AddLine(r, "zeroStep", zeroCaption, ZeroStepText(*d.zeroStep));
  } else {
    AddLine(r, "zeroStep", zeroCaption, "?");
    AddProblem(r, Span(1, 8, 10), GiveNoValue(Span(1, 8, 10), zeroCaption, language));
  }

  // Potentiometers: a switch OFF puts its potentiometer in use. Bandwidth: S3 switch 3.
  d.spanPot = !On(s2, 4);
  d.zeroPot = !On(s2, 5);
  d.bandwidth = On(s3, 3) ? kDcBandwidthBelow10Hz : kDcBandwidthAbove10kHz;
  const auto potText = [language](bool inUse) {
    return std::string(Tx(inUse ? texts::txPotInUse : texts::txPotNotInUse, language));
  };
  AddLine(r, "zeroPot", PotName("ZERO", language), potText(d.zeroPot));
  AddLine(r, "spanPot", PotName("SPAN", language), potText(d.spanPot));
  AddLine(r, "bandwidth", Caption(texts::txBandwidth, language),
          d.bandwidth == kDcBandwidthBelow10Hz ? "< 10 Hz" : "> 10 kHz");

  // The two steps of the 4 .. 20 mA -> -10 .. +10 V setting; S3 switch 3 follows the bandwidth.
  for (int step = 1; step <= 2; ++step) {
    const DcBanks preset = DcTwoStepScreenBanks(step);
    if (preset.s1 == s1 && preset.s2 == s2 && (preset.s3 & 3) == (s3 & 3)) d.twoStep = step;
  }
  if (d.twoStep != 0)
    r.notes.push_back(ReplaceAll(Tx(texts::txTwoStepBanks, language), "$N", std::to_string(d.twoStep)));

  // Combinations that no task reaches.
  if (d.inIndex == AlwaysSpanInput() && !d.spanPot) {
    const std::vector<SwitchRef> sw{{2, 4}};
    AddProblem(r, sw,
               Replace(Tx(texts::txRangeNeedsSpan, language),
                       {{"$S", SwitchesText(sw, language)}, {"$V", std::string(in.name)}}));
  }
  // The live-zero input adds 25 % to its offset and allows only +-25.1 %: the steps of +-100 %
  // lie beyond, and +-50 % is reached only 25 points off the step, so with the ZERO
  // potentiometer. Step 2 of the two-step setting is the one exception.
  if (d.inIndex == kDcLiveZeroInput && d.zeroStep && d.twoStep == 0) {
    const double v = std::fabs(ZeroSteps[static_cast<std::size_t>(*d.zeroStep)]);
    if (v > 75 || (v > 0 && !d.zeroPot)) {
      std::vector<SwitchRef> sw = Span(1, 8, 10);
      AddProblem(r, sw,
                 Replace(Tx(texts::txLiveZeroOffset, language),
                         {{"$S", SwitchesText(sw, language)}, {"$V", std::string(in.name)}}));
      if (v <= 75) r.problems.back().switches.push_back({2, 5});
    }
  }
  return d;
}

// --- thermocouple ----------------------------------------------------------------------------

namespace {

// "Start value 0°C" for the problem texts.
std::string Named(const texts::PerLanguage& caption, const std::string& value, int language) {
  return Caption(caption, language) + " " + value;
}

std::string OutputLine(Reading& r, std::optional<int>& index, int s2, int language) {
  const int code = s2 & 96;
  for (std::size_t i = 0; i < kTemperatureOutputs.size(); ++i)
    if (kTemperatureOutputs[i].code == code) index = static_cast<int>(i);
  const std::string caption = Caption(texts::txOutput, language);
  if (index) {
    const std::string text(kTemperatureOutputs[static_cast<std::size_t>(*index)].text);
    AddLine(r, "output", caption, text);
    return text;
  }
  AddLine(r, "output", caption, "?");
  AddProblem(r, Span(2, 6, 7), GiveNoValue(Span(2, 6, 7), caption, language));
  return {};
}

}  // namespace

ThermoReading ReadThermo(int foundS1, int foundS2, int language) {
  const int s1 = Masked(foundS1, 8);
  const int s2 = Masked(foundS2, 8);
  ThermoReading t;
  Reading& r = t.reading;

  for (std::size_t i = 0; i < kThermoTypes.size(); ++i)
    if (kThermoTypes[i].code == (s1 & 7)) t.typeIndex = static_cast<int>(i);
  const ThermoType& type = kThermoTypes[static_cast<std::size_t>(t.typeIndex)];
  const std::string typeName(Tx(texts::txThermoTypeList, t.typeIndex, language));
  AddLine(r, "type", Caption(texts::txInput, language), typeName);

  for (std::size_t i = 0; i < kThermoStartRows.size(); ++i)
    if (kThermoStartRows[i].code == (s1 & 120)) t.startRow = static_cast<int>(i);
  for (std::size_t i = 0; i < kThermoSpanRows.size(); ++i)
    if (kThermoSpanRows[i].code == (s2 & 31)) t.spanRow = static_cast<int>(i);
  const std::string startCaption = Caption(texts::txStartValue, language);
  const std::string endCaption = Caption(texts::txEndValue, language);
  if (t.startRow) {
    const int start = kThermoStartRows[static_cast<std::size_t>(*t.startRow)].start;
    t.startValue = start;
    const std::string startText = ThermoTemperatureText(start, language);
    AddLine(r, "start", startCaption, startText);
    if (start < type.lowestStart || start > type.highestTemperature)
      AddProblem(r, Span(1, 4, 7),
                 Replace(Tx(texts::txNotOfferedForType, language),
                         {{"$S", SwitchesText(Span(1, 4, 7), language)},
                          {"$V", Named(texts::txStartValue, startText, language)},
                          {"$T", std::string(type.name)}}));
    // The end list: start + span capped to the highest temperature; the capped value is
    // offered once, with the first span that reaches it.
    int firstCapped = static_cast<int>(kThermoSpanRows.size());
    for (std::size_t i = 0; i < kThermoSpanRows.size(); ++i)
      if (start + kThermoSpanRows[i].span >= type.highestTemperature) {
        firstCapped = static_cast<int>(i);
        break;
      }
    const int uncapped = start + kThermoSpanRows[static_cast<std::size_t>(t.spanRow)].span;
    t.endValue = t.spanRow <= firstCapped ? std::min(uncapped, type.highestTemperature) : uncapped;
    AddLine(r, "end", endCaption, ThermoTemperatureText(*t.endValue, language));
    if (t.spanRow > firstCapped)
      AddProblem(r, Span(2, 1, 5),
                 Replace(Tx(texts::txAboveHighest, language),
                         {{"$S", SwitchesText(Span(2, 1, 5), language)},
                          {"$V", Named(texts::txEndValue, ThermoTemperatureText(uncapped, language), language)},
                          {"$T", std::string(type.name)},
                          {"$H", ThermoTemperatureText(type.highestTemperature, language)}}));
  } else {
    AddLine(r, "start", startCaption, "?");
    AddLine(r, "end", endCaption, "?");
    AddProblem(r, Span(1, 4, 7), GiveNoValue(Span(1, 4, 7), startCaption, language));
  }

  OutputLine(r, t.outputIndex, s2, language);
  t.filterIndex = On(s2, 8) ? 0 : 1;
  AddLine(r, "filter", Caption(texts::txFilter, language),
          std::string(Tx(texts::txOnLower, t.filterIndex, language)));
  t.manualIndex = On(s1, 8) ? 1 : 0;
  AddLine(r, "manual", Caption(texts::txFineCalibration, language),
          std::string(Tx(texts::txOffLower, t.manualIndex, language)));
  return t;
}

// --- RTD -------------------------------------------------------------------------------------

RtdReading ReadRtd(int foundS1, int foundS2, int language) {
  const int s1 = Masked(foundS1, 8);
  const int s2 = Masked(foundS2, 8);
  RtdReading t;
  Reading& r = t.reading;

  for (std::size_t i = 0; i < kRtdTypes.size(); ++i)
    if (kRtdTypes[i].code == (s1 & 7)) t.typeIndex = static_cast<int>(i);
  const RtdType& type = kRtdTypes[static_cast<std::size_t>(t.typeIndex)];
  const std::string typeName(Tx(texts::txRtdTypeList, t.typeIndex, language));
  AddLine(r, "type", Caption(texts::txInput, language), typeName);
  const bool temperature = type.unit == RtdUnit::Celsius;

  for (std::size_t i = 0; i < kRtdStartRows.size(); ++i)
    if (kRtdStartRows[i].code == (s1 & 120)) t.startRow = static_cast<int>(i);
  for (std::size_t i = 0; i < kRtdSpanRows.size(); ++i)
    if (kRtdSpanRows[i].code == (s2 & 31)) t.spanRow = static_cast<int>(i);
  const std::string startCaption = Caption(texts::txStartValue, language);
  const std::string endCaption = Caption(texts::txEndValue, language);
  if (t.startRow) {
    const int row = kRtdStartRows[static_cast<std::size_t>(*t.startRow)].temperature;
    const double start = temperature ? row : -row;
    t.startValue = start;
    const std::string startText = RtdValueText(start, t.typeIndex, language);
    AddLine(r, "start", startCaption, startText);
    if (*t.startRow >= type.startRows)
      AddProblem(r, Span(1, 4, 7),
                 Replace(Tx(texts::txNotOfferedForType, language),
                         {{"$S", SwitchesText(Span(1, 4, 7), language)},
                          {"$V", Named(texts::txStartValue, startText, language)},
                          {"$T", typeName}}));
    const RtdSpanRow& span = kRtdSpanRows[static_cast<std::size_t>(t.spanRow)];
    const double end = start + (temperature ? span.temperatureSpan : span.resistanceSpan);
    t.endValue = end;
    const std::string endText = RtdValueText(end, t.typeIndex, language);
    AddLine(r, "end", endCaption, endText);
    // The potentiometer's end list stops before the first end above 100 %.
    if (type.unit == RtdUnit::Percent && end > 100)
      AddProblem(
          r, Span(2, 1, 5),
          Replace(Tx(texts::txNotOfferedForType, language), {{"$S", SwitchesText(Span(2, 1, 5), language)},
                                                             {"$V", Named(texts::txEndValue, endText, language)},
                                                             {"$T", typeName}}));
  } else {
    AddLine(r, "start", startCaption, "?");
    AddLine(r, "end", endCaption, "?");
    AddProblem(r, Span(1, 4, 7), GiveNoValue(Span(1, 4, 7), startCaption, language));
  }

  OutputLine(r, t.outputIndex, s2, language);
  t.responseIndex = On(s2, 8) ? 0 : 1;
  std::string response(Tx(texts::txResponseList, t.responseIndex, language));
  for (char& c : response)
    if (c == '.') c = DecimalSeparator();
  AddLine(r, "response", Caption(texts::txResponseTime, language), response);
  t.manualIndex = On(s1, 8) ? 1 : 0;
  AddLine(r, "manual", Caption(texts::txFineCalibration, language),
          std::string(Tx(texts::txOffLower, t.manualIndex, language)));
  return t;
}

// --- frequency converter ---------------------------------------------------------------------

namespace {

// The four bits of v in reverse order (S1 carries both digits so).
int Reverse4(int v) { return ((v & 1) << 3) | ((v & 2) << 1) | ((v & 4) >> 1) | ((v & 8) >> 3); }

// The decade of each decade code in S2 switches 1 and 2, taken from the quantisation itself.
std::optional<int> DecadeOf(int decadeCode) {
  static const std::map<int, int> decades = [] {
    std::map<int, int> m;
    for (double f = 1; f <= 15900; f *= 10) {
      const FrqQuantized q = FrqQuantize(f * 1.6);
      m[q.decadeCode] = q.k;
    }
    return m;
  }();
  const auto it = decades.find(decadeCode);
  if (it == decades.end()) return std::nullopt;
  return it->second;
}

struct StepMark {
  int mode;
  int step;
  int s2;  // S2 switches 1..4 of the step with the frequency 0 (S2 switches 3 and 4 only)
};

// The step marks in S2 switches 1..4, from the step banks the screen shows.
const std::vector<StepMark>& StepMarks() {
  static const std::vector<StepMark> marks = [] {
    std::vector<StepMark> out;
    for (int mode : {kFrqModeZeroToMax, kFrqModeMinToMax, kFrqModeSpecial})
      for (int step = 1; step <= FrqModeStepCount(mode); ++step)
        out.push_back({mode, step, FrqStepBanks(mode, step, 0.0, 0.0, -1).s2 & 15});
    return out;
  }();
  return marks;
}

std::string ModeText(int mode, int language) {
  if (mode == kFrqModeSpecial) return std::string(Tx(texts::txSpecialRange, language));
  // The fixed mode items, as the screen's list holds them.
  static const std::vector<std::string> items = [] {
    FrqModel model;
    FrqUpdate(model);
    std::vector<std::string> out;
    for (const ListItem& item : model.mode.items) out.push_back(item.text);
    return out;
  }();
  return mode >= 0 && static_cast<std::size_t>(mode) < items.size() ? items[static_cast<std::size_t>(mode)]
                                                                    : std::string();
}

}  // namespace

FrqReading ReadFrq(int foundS1, int foundS2, int language) {
  const int s1 = Masked(foundS1, 8);
  const int s2 = Masked(foundS2, 8);
  FrqReading f;
  Reading& r = f.reading;
  const std::string modeCaption = Caption(texts::txOperatingMode, language);
  const std::string stepCaption = Caption(texts::txStep, language);

  // The mode and step: S2 switches 3 and 4 for the steps that store a frequency; in the
  // special range (both ON) switches 1 and 2 number the step.
  const bool special = On(s2, 3) && On(s2, 4);
  if (special) {
    f.modeIndex = kFrqModeSpecial;
    for (const StepMark& mark : StepMarks())
      if (mark.mode == kFrqModeSpecial && mark.s2 == (s2 & 15)) f.step = mark.step;
  } else {
    for (const StepMark& mark : StepMarks())
      if (mark.mode != kFrqModeSpecial && mark.s2 == (s2 & 12)) {
        f.modeIndex = mark.mode;
        f.step = mark.step;
      }
  }
  AddLine(r, "mode", modeCaption, ModeText(f.modeIndex, language));
  const int stepCount = FrqModeStepCount(f.modeIndex);
  if (f.step != 0) {
    AddLine(r, "step", stepCaption,
            Replace(Tx(texts::txStepOfSteps, language),
                    {{"$N", std::to_string(f.step)}, {"$M", std::to_string(stepCount)}}));
  } else {
    AddLine(r, "step", stepCaption, "?");
    AddProblem(r, Span(2, 1, 2), GiveNoValue(Span(2, 1, 2), stepCaption, language));
  }

  const std::string lowerCaption = Caption(texts::txLowerFrequency, language);
  const std::string upperCaption = Caption(texts::txUpperFrequency, language);
  const std::string elsewhere(Tx(texts::txNotInTheseSwitches, language));
  if (special) {
    if (s1 != 0) {
      std::vector<SwitchRef> sw;
      for (int k = 1; k <= 8; ++k)
        if (On(s1, k)) sw.push_back({1, k});
      AddProblem(r, sw,
                 Replace(Tx(texts::txMustBeOff, language), {{"$S", SwitchesText(Span(1, 1, 8), language)},
                                                            {"$V", ModeText(kFrqModeSpecial, language)}}));
    }
  } else {
    f.entry = f.modeIndex == kFrqModeMinToMax && f.step == 1 ? FrqEntry::Lower : FrqEntry::Upper;
    const bool lower = *f.entry == FrqEntry::Lower;
    const std::string& caption = lower ? lowerCaption : upperCaption;
    const int m = Reverse4(s1 & 15);
    const int t = Reverse4(s1 >> 4 & 15);
    const int k = DecadeOf(s2 & 3).value_or(0);
    if (t > 9) {
      AddLine(r, lower ? "lowerText" : "upperText", caption, "?");
      AddProblem(r, Span(1, 5, 8), GiveNoValue(Span(1, 5, 8), caption, language));
    } else {
      const double q = k == 0 ? (m * 10 + t) / 10.0 : (m * 10 + t) * std::pow(10.0, k - 1);
      f.frequency = q;
      const std::string text = FrqFrequencyText(q) + " Hz";
      AddLine(r, lower ? "lowerText" : "upperText", caption, text);
      const FrqQuantized canonical = FrqQuantize(q);
      if (q == 0 && f.modeIndex == kFrqModeZeroToMax) {
        AddProblem(r, Span(1, 1, 8), GiveNoValue(Span(1, 1, 8), caption, language));
      } else if (canonical.code != s1 || canonical.decadeCode != (s2 & 3)) {
        std::vector<SwitchRef> sw = Span(1, 1, 8);
        sw.push_back({2, 1});
        sw.push_back({2, 2});
        const int s2Canonical = (s2 & ~3) | canonical.decadeCode;
        AddProblem(
            r, sw,
            Replace(Tx(texts::txOtherSwitchesForValue, language),
                    {{"$S", SwitchesText(Span(1, 1, 8), language) + ", " + SwitchesText(Span(2, 1, 2), language)},
                     {"$V", text},
                     {"$C", "S1 = " + std::to_string(canonical.code) + ", S2 = " + std::to_string(s2Canonical)}}));
      }
    }
    if (f.modeIndex == kFrqModeMinToMax)
      AddLine(r, lower ? "upperText" : "lowerText", lower ? upperCaption : lowerCaption, elsewhere);
  }

  const int code = s2 & 240;
  for (std::size_t i = 0; i < kFrqOutputs.size(); ++i)
    if (kFrqOutputs[i].code == code) f.outputIndex = static_cast<int>(i);
  const std::string outCaption = Caption(texts::txOutput, language);
  if (f.outputIndex) {
    AddLine(r, "output", outCaption, std::string(kFrqOutputs[static_cast<std::size_t>(*f.outputIndex)].text));
  } else {
    AddLine(r, "output", outCaption, "?");
    AddProblem(r, Span(2, 5, 8), GiveNoValue(Span(2, 5, 8), outCaption, language));
  }
  return f;
}

// --- checking --------------------------------------------------------------------------------

CheckResult CompareBanks(const std::vector<int>& counts, const std::vector<int>& expected,
                         const std::vector<int>& found, int language) {
  CheckResult c;
  c.hasSetting = true;
  for (std::size_t b = 0; b < counts.size() && b < expected.size() && b < found.size(); ++b) {
    const int want = Masked(expected[b], counts[b]);
    const int have = Masked(found[b], counts[b]);
    for (int k = 1; k <= counts[b]; ++k) {
      if (On(want, k) == On(have, k)) continue;
      c.levers.push_back({static_cast<int>(b) + 1, k});
      c.leverOn.push_back(On(want, k));
    }
  }
  c.matches = c.levers.empty();
  if (c.matches) {
    c.lines.push_back(std::string(Tx(texts::txDeviceMatches, language)));
    return c;
  }
  c.lines.push_back(std::string(Tx(texts::txLeversToMove, language)));
  for (std::size_t i = 0; i < c.levers.size(); ++i)
    c.lines.push_back(Replace(Tx(texts::txSetLeverTo, language),
                              {{"$S", SwitchesText({c.levers[i]}, language)}, {"$V", OnOffWord(c.leverOn[i])}}));
  return c;
}

namespace {

std::vector<int> Values(const DcBanks& b) { return {b.s1, b.s2, b.s3}; }

bool SameBanks(const DcBanks& a, const DcBanks& b) {
  return Masked(a.s1, 10) == Masked(b.s1, 10) && Masked(a.s2, 5) == Masked(b.s2, 5) &&
         Masked(a.s3, 3) == Masked(b.s3, 3);
}

std::string Trimming(bool zeroPot, bool spanPot, int language) {
  std::string pots;
  if (zeroPot) pots = PotName("ZERO", language);
  if (spanPot) pots += (pots.empty() ? "" : ", ") + PotName("SPAN", language);
  return ReplaceAll(Tx(texts::txThenTrim, language), "$P", pots);
}

std::string Shows(const std::string& what, int language) {
  return ReplaceAll(Tx(texts::txSwitchesShow, language), "$V", what);
}

std::string StepOf(int step, int count, int language) {
  return Replace(Tx(texts::txStepOfSteps, language),
                 {{"$N", std::to_string(step)}, {"$M", std::to_string(count)}});
}

CheckResult NoSetting(int language) {
  CheckResult c;
  c.lines.push_back(std::string(Tx(texts::txNoSettingToCheck, language)));
  return c;
}

}  // namespace

CheckResult CheckDc(const DcConfig& task, const DcBanks& found, int language) {
  const std::vector<int> counts{DcScreen::kS1Count, DcScreen::kS2Count, DcScreen::kS3Count};
  // The two-step task, recognised as the screen recognises it.
  DcScreen screen;
  screen.RadioBtnClick(task.inUnit == kDcInMilliAmpere ? DcUnitButton::RBtnEmA
                       : task.inUnit == kDcInMilliVolt ? DcUnitButton::RBtnEmV
                                                       : DcUnitButton::RBtnEV);
  screen.RadioBtnClick(task.outUnit == kDcOutMilliAmpere ? DcUnitButton::RBtnAmA : DcUnitButton::RBtnAV);
  screen.EditChange(DcEdit::EditEMin, task.inMinText);
  screen.EditChange(DcEdit::EditEMax, task.inMaxText);
  screen.EditChange(DcEdit::EditAMin, task.outMinText);
  screen.EditChange(DcEdit::EditAMax, task.outMaxText);
  if (screen.TwoStep()) {
    const DcBanks last = DcTwoStepDocumentBanks(2, task.bandwidth);
    CheckResult c = CompareBanks(counts, Values(last), Values(found), language);
    if (SameBanks(found, DcTwoStepDocumentBanks(1, task.bandwidth)))
      c.lines.push_back(Shows(StepOf(1, 2, language), language));
    c.lines.push_back(Trimming(true, true, language));
    return c;
  }

  DcConfig dc = task;
  if (CalculateDc(dc) != DcCheck::Ok || dc.evalList.empty()) return NoSetting(language);
  const TEvalRec& chosen = dc.evalList[static_cast<std::size_t>(dc.evalIndex)];
  CheckResult c = CompareBanks(counts, Values(DcSwitchBanks(chosen, task.bandwidth)), Values(found), language);
  if (!c.matches) {
    for (const TEvalRec& e : dc.evalList) {
      if (!SameBanks(DcSwitchBanks(e, task.bandwidth), found)) continue;
      std::string what = std::string(InputRanges[static_cast<std::size_t>(e.inIndex)].name) + " / " +
                         std::string(OutputRanges[static_cast<std::size_t>(e.outIndex)].name) + " / " +
                         ZeroStepText(e.zeroStep);
      c.lines.push_back(ReplaceAll(Tx(texts::txOtherAdmissible, language), "$V", what));
      if (e.zeroPot || e.spanPot) c.lines.push_back(Trimming(e.zeroPot, e.spanPot, language));
      break;
    }
  }
  if (chosen.zeroPot || chosen.spanPot) c.lines.push_back(Trimming(chosen.zeroPot, chosen.spanPot, language));
  return c;
}

CheckResult CheckThermo(const ThermoConfig& config, int s1, int s2, int language) {
  if (!config.complete) return NoSetting(language);
  return CompareBanks({8, 8}, {config.s1, config.s2}, {s1, s2}, language);
}

CheckResult CheckRtd(const RtdConfig& config, int s1, int s2, int language) {
  if (!config.complete) return NoSetting(language);
  return CompareBanks({8, 8}, {config.s1, config.s2}, {s1, s2}, language);
}

CheckResult CheckFrq(const FrqModel& model, int s1, int s2, int language) {
  const int count = model.config.stepCount;
  if (count == 0 || !model.documentable) return NoSetting(language);
  std::vector<FrqBanks> steps;
  for (int step = 1; step <= count; ++step) steps.push_back(FrqStepSwitches(model, step));
  CheckResult c = CompareBanks({8, 8}, {steps.back().s1, steps.back().s2}, {s1, s2}, language);
  for (int step = 1; step <= count; ++step) {
    const FrqBanks& b = steps[static_cast<std::size_t>(step - 1)];
    if (Masked(b.s1, 8) == Masked(s1, 8) && Masked(b.s2, 8) == Masked(s2, 8) && count > 1)
      c.lines.push_back(Shows(StepOf(step, count, language), language));
  }
  return c;
}

}  // namespace setrix
