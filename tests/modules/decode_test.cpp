// Reading a device: banks back to settings, impossible patterns, and the check of a task.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <iterator>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "modules/dc_calc.h"
#include "modules/dc_screen.h"
#include "modules/decode.h"
#include "modules/frq.h"
#include "modules/numbers.h"
#include "modules/rtd.h"
#include "modules/thermo.h"
#include "texts/texts.h"

namespace setrix {
namespace {

constexpr int kGerman = 0;
constexpr int kEnglish = 1;

class DecodeTest : public ::testing::Test {
 protected:
  void SetUp() override {
    SetDecimalSeparator('.');
    texts::SetCurrentLanguage(kEnglish);
  }
};

std::string Text(double v) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.10g", v);
  return buffer;
}

std::vector<std::string> ProblemTexts(const Reading& r) {
  std::vector<std::string> out;
  for (const ReadingProblem& p : r.problems) out.push_back(p.text);
  return out;
}

std::string Line(const Reading& r, const std::string& key) {
  for (const ReadingLine& line : r.lines)
    if (line.key == key) return line.caption + ": " + line.text;
  return "(no line " + key + ")";
}

// --- DC ---------------------------------------------------------------------------------------

using DcSetting = std::tuple<int, int, int, bool, bool>;  // in, out, zero step, ZERO, SPAN

// Tasks over every input and output range and zero step: the input range mapped onto the
// whole output range or a part of it, with the gain of the ranges or off it, so that the zero
// offset needed lies on the step, just off it or further off; the live-zero input also right
// beside its limits.
std::vector<DcConfig> DcTaskSweep() {
  std::vector<DcConfig> tasks;
  for (int r = 0; r < kDcInputRangeCount; ++r) {
    const TInputRec& in = InputRanges[static_cast<std::size_t>(r)];
    const bool milli = in.isCurrent == 1 || in.range < 1;
    const double inScale = milli ? 1000 : 1;  // entries in mA or mV, else V
    const double liveZero = r == kDcLiveZeroInput ? 25 : 0;
    for (int c = 0; c < kDcOutputRangeCount; ++c) {
      const TOutputRec& out = OutputRanges[static_cast<std::size_t>(c)];
      const double outScale = out.isCurrent == 1 ? 1000 : 1;
      const double span = out.rangeEnd - out.rangeStart;
      for (int k = 0; k < kDcZeroStepCount; ++k) {
        const double step = ZeroSteps[static_cast<std::size_t>(k)];
        for (double target : {step, step + 3, step - 0.2, 25.05, -25.05}) {
          for (double spanFactor : {1.0, 0.8, 0.5, 1.25}) {  // gain / the ranges' gain
            for (double outPart : {1.0, 0.8, 0.5}) {         // share of the output span
              for (double outOffset : {0.0, 0.25}) {         // where that share begins
                // The zero offset needed is `target`: solved for the input start.
                const double inStart = (outOffset - (target - liveZero) / 100) * in.range / spanFactor;
                const double inSpan = outPart * in.range / spanFactor;
                const double outStart = out.rangeStart + outOffset * span;
                DcConfig task;
                task.inUnit = in.isCurrent == 1 ? kDcInMilliAmpere : milli ? kDcInMilliVolt : kDcInVolt;
                task.outUnit = out.isCurrent == 1 ? kDcOutMilliAmpere : kDcOutVolt;
                task.inMinText = Text(inStart * inScale);
                task.inMaxText = Text((inStart + inSpan) * inScale);
                task.outMinText = Text(outStart * outScale);
                task.outMaxText = Text((outStart + outPart * span) * outScale);
                tasks.push_back(task);
              }
            }
          }
        }
      }
    }
  }
  return tasks;
}

TEST_F(DecodeTest, EveryDcEvaluationEntryReadsBack) {
  std::set<DcSetting> reached;
  int entries = 0;
  for (const DcConfig& task : DcTaskSweep()) {
    DcConfig dc = task;
    if (CalculateDc(dc) != DcCheck::Ok) continue;
    for (const TEvalRec& e : dc.evalList) {
      for (int bandwidth : {kDcBandwidthBelow10Hz, kDcBandwidthAbove10kHz}) {
        const DcReading d = ReadDc(DcSwitchBanks(e, bandwidth), kEnglish);
        ASSERT_TRUE(d.reading.Produced()) << task.inMinText << ".." << task.inMaxText << " -> " << task.outMinText
                                          << ".." << task.outMaxText << ": " << d.reading.problems.front().text;
        EXPECT_EQ(d.inIndex, e.inIndex);
        EXPECT_EQ(d.outIndex, e.outIndex);
        EXPECT_EQ(d.zeroStep, e.zeroStep);
        EXPECT_EQ(d.zeroPot, e.zeroPot);
        EXPECT_EQ(d.spanPot, e.spanPot);
        EXPECT_EQ(d.bandwidth, bandwidth);
        ++entries;
      }
      reached.insert({e.inIndex, e.outIndex, e.zeroStep, e.zeroPot, e.spanPot});
    }
  }
  EXPECT_GT(entries, 0);
  // The two steps of the two-step setting are settings of the program as well.
  for (int step : {1, 2}) {
    const DcReading d = ReadDc(DcTwoStepScreenBanks(step), kEnglish);
    reached.insert({d.inIndex, *d.outIndex, *d.zeroStep, d.zeroPot, d.spanPot});
  }

  // Every one of the 2^18 patterns reads without a crash; those read as produced are exactly
  // the settings the sweep reached (and the two steps of the two-step setting).
  std::set<DcSetting> readAsProduced;
  for (int s1 = 0; s1 < 1024; ++s1)
    for (int s2 = 0; s2 < 32; ++s2)
      for (int s3 = 0; s3 < 8; ++s3) {
        const DcReading d = ReadDc({s1, s2, s3}, kEnglish);
        ASSERT_FALSE(d.reading.lines.empty());
        if (!d.reading.Produced()) {
          ASSERT_FALSE(d.reading.problems.front().switches.empty());
          continue;
        }
        ASSERT_TRUE(d.outIndex && d.zeroStep);
        readAsProduced.insert({d.inIndex, *d.outIndex, *d.zeroStep, d.zeroPot, d.spanPot});
      }
  std::vector<DcSetting> readOnly, reachedOnly;
  std::set_difference(readAsProduced.begin(), readAsProduced.end(), reached.begin(), reached.end(),
                      std::back_inserter(readOnly));
  std::set_difference(reached.begin(), reached.end(), readAsProduced.begin(), readAsProduced.end(),
                      std::back_inserter(reachedOnly));
  EXPECT_EQ(readOnly, std::vector<DcSetting>{}) << "read as produced, but no task reaches them";
  EXPECT_EQ(reachedOnly, std::vector<DcSetting>{}) << "reached, but read as impossible";
}

TEST_F(DecodeTest, DcWorkedExamplesReadInTheScreensWords) {
  const DcReading d = ReadDc({15, 25, 7}, kEnglish);  // 4..20 mA -> 0..10 V
  EXPECT_TRUE(d.reading.Produced());
  EXPECT_EQ(Line(d.reading, "inIndex"), "Input: 4..20 mA");
  EXPECT_EQ(Line(d.reading, "outIndex"), "Output: 0..10V");
  EXPECT_EQ(Line(d.reading, "zeroStep"), "Zero offset: 0 %");
  EXPECT_EQ(Line(d.reading, "zeroPot"), "ZERO potentiometer: not in use");
  EXPECT_EQ(Line(d.reading, "spanPot"), "SPAN potentiometer: not in use");
  EXPECT_EQ(Line(d.reading, "bandwidth"), "Bandwidth: < 10 Hz");

  const DcReading span = ReadDc({39, 18, 3}, kGerman);  // 0..7 V -> 0..10 V: SPAN trimmed
  EXPECT_EQ(span.inIndex, 7);
  EXPECT_EQ(span.outIndex, 2);
  EXPECT_TRUE(span.spanPot);
  EXPECT_FALSE(span.zeroPot);
  EXPECT_EQ(Line(span.reading, "spanPot"), "SPAN-Poti: in Gebrauch: der Bereich stimmt erst nach dem Abgleich");
  EXPECT_EQ(Line(span.reading, "bandwidth"), "Grenzfrequenz: > 10 kHz");

  EXPECT_EQ(Line(ReadDc({519, 26, 7}, kEnglish).reading, "zeroStep"), "Zero offset: +100 %");
}

TEST_F(DecodeTest, DcTwoStepBanksAreNamed) {
  for (int step : {1, 2}) {
    for (int bandwidth : {kDcBandwidthBelow10Hz, kDcBandwidthAbove10kHz}) {
      const DcReading d = ReadDc(DcTwoStepDocumentBanks(step, bandwidth), kEnglish);
      EXPECT_TRUE(d.reading.Produced()) << step;
      EXPECT_EQ(d.twoStep, step);
      ASSERT_EQ(d.reading.notes.size(), 1u);
      EXPECT_EQ(d.reading.notes[0], "These are the switches of step " + std::to_string(step) +
                                        " of the two-step setting 4 .. 20 mA -> -10 .. +10 V");
    }
  }
  EXPECT_EQ(ReadDc({15, 25, 7}, kEnglish).twoStep, 0);
}

TEST_F(DecodeTest, ImpossibleDcPatternsNameTheirSwitches) {
  struct Case {
    DcBanks banks;
    std::vector<std::string> problems;
    std::vector<SwitchRef> firstSwitches;
  };
  const Case cases[] = {
      // S1 switches 6 and 7: no output range; S3 still agrees with a voltage range.
      {{7 | 96, 26, 7}, {"S1 switches 5 to 7 give no valid value for: Output"}, {{1, 5}, {1, 6}, {1, 7}}},
      // ... and S3 switches 1 and 2 mixed as well.
      {{7 | 96, 26, 1},
       {"S1 switches 5 to 7 give no valid value for: Output",
        "S3 switches 1 and 2 give no valid value for: Output"},
       {{1, 5}, {1, 6}, {1, 7}}},
      // A current output with the voltage output's S3.
      {{7 | 64, 26, 3}, {"S3 switches 1 and 2 do not fit Output 0..20mA (S1 switches 5 to 7)"}, {{3, 1}, {3, 2}}},
      // S1 switches 8 and 10: no zero step.
      {{7 | 640, 26, 7}, {"S1 switches 8 to 10 give no valid value for: Zero offset"}, {{1, 8}, {1, 9}, {1, 10}}},
      // 10 V in S1 with the current input's S2 switch 1.
      {{7, 25, 7}, {"S2 switches 1 to 3 do not fit Input 10 V (S1 switches 1 to 4)"}, {{2, 1}, {2, 2}, {2, 3}}},
      // 0.3 mA with SPAN switched out.
      {{9, 25, 7}, {"S2 switch 4: the input range 0.3 mA always needs the SPAN potentiometer"}, {{2, 4}}},
      // 4..20 mA with +100 %, and with -50 % but without ZERO.
      {{15 | 512, 1, 7},
       {"S1 switches 8 to 10: the input range 4..20 mA takes only the zero offset 0 %, -50 % and "
        "+50 % only with the ZERO potentiometer"},
       {{1, 8}, {1, 9}, {1, 10}}},
      {{15 | 256, 17, 7},
       {"S1 switches 8 to 10: the input range 4..20 mA takes only the zero offset 0 %, -50 % and "
        "+50 % only with the ZERO potentiometer"},
       {{1, 8}, {1, 9}, {1, 10}, {2, 5}}},
  };
  for (const Case& c : cases) {
    const DcReading d = ReadDc(c.banks, kEnglish);
    EXPECT_EQ(ProblemTexts(d.reading), c.problems) << c.banks.s1 << "/" << c.banks.s2;
    if (!d.reading.problems.empty()) {
      EXPECT_EQ(d.reading.problems.front().switches, c.firstSwitches) << c.banks.s1;
    }
  }
  // What the rest still means.
  const DcReading d = ReadDc({7 | 96, 26, 7}, kEnglish);
  EXPECT_EQ(d.inIndex, 7);
  EXPECT_FALSE(d.outIndex.has_value());
  EXPECT_EQ(d.zeroStep, 0);
  EXPECT_EQ(Line(d.reading, "outIndex"), "Output: ?");
  // The words follow the language.
  EXPECT_EQ(ProblemTexts(ReadDc({7 | 96, 26, 7}, kGerman).reading),
            std::vector<std::string>{"S1 Schalter 5 bis 7 ergeben keinen gültigen Wert für: Ausgang"});
}

// --- thermocouple and RTD ---------------------------------------------------------------------

TEST_F(DecodeTest, EveryThermoListCombinationReadsBackAndNothingElseReadsAsProduced) {
  std::set<std::pair<int, int>> produced;
  for (int t = 0; t < 8; ++t) {
    ThermoModel m;
    ThermoUpdate(m);
    ThermoChoose(m, ThermoList::Type, t);
    for (int s = 0; s < static_cast<int>(m.start.items.size()); ++s) {
      ThermoChoose(m, ThermoList::Start, s);
      for (int e = 0; e < static_cast<int>(m.end.items.size()); ++e) {
        ThermoChoose(m, ThermoList::End, e);
        for (int out = 0; out < 3; ++out) {
          ThermoChoose(m, ThermoList::Output, out);
          for (int filter = 0; filter < 2; ++filter) {
            ThermoChoose(m, ThermoList::Filter, filter);
            for (int manual = 0; manual < 2; ++manual) {
              ThermoChoose(m, ThermoList::Manual, manual);
              const ThermoConfig& c = m.config;
              ASSERT_TRUE(c.complete);
              const ThermoReading r = ReadThermo(c.s1, c.s2, kEnglish);
              ASSERT_TRUE(r.reading.Produced()) << c.s1 << "/" << c.s2 << ": " << r.reading.problems.front().text;
              EXPECT_EQ(r.typeIndex, t);
              EXPECT_EQ(r.startValue, c.startValue);
              EXPECT_EQ(r.endValue, c.endValue) << c.typeText << " " << c.startText;
              EXPECT_EQ(r.outputIndex, out);
              EXPECT_EQ(r.filterIndex, filter);
              EXPECT_EQ(r.manualIndex, manual);
              EXPECT_EQ(Line(r.reading, "end"), "End value: " + c.endText);
              produced.insert({c.s1, c.s2});
            }
          }
        }
      }
    }
  }
  std::set<std::pair<int, int>> readAsProduced;
  for (int s1 = 0; s1 < 256; ++s1)
    for (int s2 = 0; s2 < 256; ++s2)
      if (ReadThermo(s1, s2, kEnglish).reading.Produced()) readAsProduced.insert({s1, s2});
  EXPECT_EQ(readAsProduced, produced);
}

TEST_F(DecodeTest, EveryRtdListCombinationReadsBackAndNothingElseReadsAsProduced) {
  std::set<std::pair<int, int>> produced;
  for (int t = 0; t < 8; ++t) {
    RtdModel m;
    RtdUpdate(m);
    RtdChoose(m, RtdList::Type, t);
    for (int s = 0; s < static_cast<int>(m.start.items.size()); ++s) {
      RtdChoose(m, RtdList::Start, s);
      for (int e = 0; e < static_cast<int>(m.end.items.size()); ++e) {
        RtdChoose(m, RtdList::End, e);
        for (int out = 0; out < 3; ++out) {
          RtdChoose(m, RtdList::Output, out);
          for (int response = 0; response < 2; ++response) {
            RtdChoose(m, RtdList::Response, response);
            for (int manual = 0; manual < 2; ++manual) {
              RtdChoose(m, RtdList::Manual, manual);
              const RtdConfig& c = m.config;
              ASSERT_TRUE(c.complete);
              const RtdReading r = ReadRtd(c.s1, c.s2, kEnglish);
              ASSERT_TRUE(r.reading.Produced()) << c.s1 << "/" << c.s2 << ": " << r.reading.problems.front().text;
              EXPECT_EQ(r.typeIndex, t);
              EXPECT_EQ(r.startValue, c.startValue);
              EXPECT_EQ(r.endValue, c.endValue);
              EXPECT_EQ(r.outputIndex, out);
              EXPECT_EQ(r.responseIndex, response);
              EXPECT_EQ(r.manualIndex, manual);
              EXPECT_EQ(Line(r.reading, "start"), "Start value: " + c.startText);
              produced.insert({c.s1, c.s2});
            }
          }
        }
      }
    }
  }
  std::set<std::pair<int, int>> readAsProduced;
  for (int s1 = 0; s1 < 256; ++s1)
    for (int s2 = 0; s2 < 256; ++s2)
      if (ReadRtd(s1, s2, kEnglish).reading.Produced()) readAsProduced.insert({s1, s2});
  EXPECT_EQ(readAsProduced, produced);
}

TEST_F(DecodeTest, TemperatureWorkedExamplesAndImpossiblePatterns) {
  const ThermoReading k = ReadThermo(127, 211, kEnglish);  // K, 0 .. 400 °C, 4 .. 20 mA
  EXPECT_EQ(Line(k.reading, "type"), "Input: Thermocouple type K");
  EXPECT_EQ(Line(k.reading, "start"), "Start value: 0°C / 32°F");
  EXPECT_EQ(Line(k.reading, "end"), "End value: 400°C / 752°F");
  EXPECT_EQ(Line(k.reading, "output"), "Output: 4 .. 20 mA");
  EXPECT_EQ(Line(k.reading, "filter"), "Filter: on");
  EXPECT_EQ(Line(k.reading, "manual"), "Fine calibration: off");

  const RtdReading pt = ReadRtd(78, 185, kEnglish);  // PT100 / 3-wire, -50 .. 100 °C
  EXPECT_EQ(pt.typeIndex, 1);
  EXPECT_EQ(pt.startValue, -50);
  EXPECT_EQ(pt.endValue, 100);
  EXPECT_EQ(pt.outputIndex, 0);
  EXPECT_EQ(pt.responseIndex, 0);

  struct Case {
    bool rtd;
    int s1, s2;
    std::string problem;
  };
  const Case cases[] = {
      {false, 7, 211, "S1 switches 4 to 7 give no valid value for: Start value"},
      {false, 120, 211, "S1 switches 4 to 7: Start value 0°C / 32°F is not offered for type B"},
      {false, 127, 19 | 96, "S2 switches 6 and 7 give no valid value for: Output"},
      // Type K from 0 °C: span 1450 K passes 1372 °C, which span 1400 K already reaches.
      {false, 127, 4 | 64,
       "S2 switches 1 to 5: End value 1450°C / 2642°F lies above the highest temperature of type "
       "K, 1372°C / 2501°F"},
      {true, 80 | 0, 19, "S1 switches 4 to 7: Start value 90% is not offered for type Potentiometer 100R..100k"},
      {true, 64 | 7, 19, "S1 switches 4 to 7 give no valid value for: Start value"},
      {true, 120, 22, "S2 switches 1 to 5: End value 125% is not offered for type Potentiometer 100R..100k"},
  };
  for (const Case& c : cases) {
    const Reading r = c.rtd ? ReadRtd(c.s1, c.s2, kEnglish).reading : ReadThermo(c.s1, c.s2, kEnglish).reading;
    ASSERT_FALSE(r.problems.empty()) << c.problem;
    EXPECT_EQ(r.problems.front().text, c.problem);
  }
}

// --- frequency converter ----------------------------------------------------------------------

// Every frequency the module can hold, as the screen writes it back.
std::vector<std::string> RepresentedFrequencies() {
  std::vector<std::string> out;
  for (int tenths = 0; tenths <= 159; ++tenths) out.push_back(FrqFrequencyText(tenths / 10.0));
  for (int power : {1, 10, 100})
    for (int v = 16; v <= 159; ++v) out.push_back(FrqFrequencyText(v * power));
  return out;
}

TEST_F(DecodeTest, EveryFrequencyStepReadsBackAndNothingElseReadsAsProduced) {
  std::set<std::pair<int, int>> produced;
  const std::vector<std::string> frequencies = RepresentedFrequencies();
  for (int out = 0; out < 4; ++out) {
    for (int mode : {kFrqModeZeroToMax, kFrqModeMinToMax, kFrqModeSpecial}) {
      for (std::size_t i = 0; i < frequencies.size(); ++i) {
        // fmin..fmax pairs each frequency with a neighbour, so that both steps see all.
        const std::string& lower = frequencies[i];
        const std::string& upper = frequencies[(i + 1) % frequencies.size()];
        FrqModel m;
        FrqUpdate(m);
        FrqChoose(m, FrqList::Mode, mode);
        FrqEntryChanged(m, FrqEntry::Lower, lower);
        FrqEntryChanged(m, FrqEntry::Upper, mode == kFrqModeZeroToMax ? lower : upper);
        FrqChoose(m, FrqList::Output, out);
        if (!m.documentable) continue;  // 0..fmax with 0 Hz
        for (int step = 1; step <= m.config.stepCount; ++step) {
          const FrqBanks b = FrqStepSwitches(m, step);
          const FrqReading r = ReadFrq(b.s1, b.s2, kEnglish);
          ASSERT_TRUE(r.reading.Produced()) << b.s1 << "/" << b.s2 << ": " << r.reading.problems.front().text;
          EXPECT_EQ(r.modeIndex, mode);
          EXPECT_EQ(r.step, step);
          EXPECT_EQ(r.outputIndex, out);
          if (mode != kFrqModeSpecial) {
            const bool readsLower = mode == kFrqModeMinToMax && step == 1;
            ASSERT_TRUE(r.entry && r.frequency);
            EXPECT_EQ(*r.entry, readsLower ? FrqEntry::Lower : FrqEntry::Upper);
            EXPECT_EQ(FrqFrequencyText(*r.frequency), readsLower ? m.config.lowerText : m.config.upperText);
          }
          produced.insert({b.s1, b.s2});
        }
        if (mode == kFrqModeSpecial) break;  // the entries play no part
      }
    }
  }
  std::set<std::pair<int, int>> readAsProduced;
  for (int s1 = 0; s1 < 256; ++s1)
    for (int s2 = 0; s2 < 256; ++s2)
      if (ReadFrq(s1, s2, kEnglish).reading.Produced()) readAsProduced.insert({s1, s2});
  EXPECT_EQ(readAsProduced, produced);
}

TEST_F(DecodeTest, FrequencyReadingsNameModeStepAndTheFrequencyTheyHold) {
  // The worked example: fmin..fmax, 50 Hz and 1230 Hz, 4 .. 20 mA.
  const FrqReading one = ReadFrq(10, 38, kEnglish);
  EXPECT_EQ(Line(one.reading, "mode"), "Operating mode: fmin ..  fmax");
  EXPECT_EQ(Line(one.reading, "step"), "Step: step 1 of 2");
  EXPECT_EQ(Line(one.reading, "lowerText"), "Lower frequency: 50 Hz");
  EXPECT_EQ(Line(one.reading, "upperText"), "Upper frequency: not in these switches (set in another step)");
  EXPECT_EQ(Line(one.reading, "output"), "Output: 4 .. 20 mA");
  const FrqReading two = ReadFrq(195, 41, kEnglish);
  EXPECT_EQ(Line(two.reading, "upperText"), "Upper frequency: 1230 Hz");
  EXPECT_EQ(two.step, 2);
  const FrqReading special = ReadFrq(0, 15 | 208, kEnglish);
  EXPECT_EQ(special.modeIndex, kFrqModeSpecial);
  EXPECT_EQ(special.step, 3);
  EXPECT_FALSE(special.entry.has_value());

  struct Case {
    int s1, s2;
    std::string problem;
  };
  const Case cases[] = {
      {0xF0 | 1, 0, "S1 switches 5 to 8 give no valid value for: Upper frequency"},
      {0, 0, "S1 switches 1 to 8 give no valid value for: Upper frequency"},
      // 10 Hz as decade x10 with the digit 1: the program writes it as 10 x 1.
      {8, 2 | 4,
       "S1 switches 1 to 8, S2 switches 1 and 2: the program sets 10 Hz with other "
       "switches (S1 = 5, S2 = 4)"},
      {1, 14, "S1 switches 1 to 8 must be OFF for Special range"},
      {0, 12, "S2 switches 1 and 2 give no valid value for: Step"},
      {10, 4 | 64, "S2 switches 5 to 8 give no valid value for: Output"},
  };
  for (const Case& c : cases) {
    const FrqReading r = ReadFrq(c.s1, c.s2, kEnglish);
    ASSERT_FALSE(r.reading.problems.empty()) << c.problem;
    EXPECT_EQ(r.reading.problems.front().text, c.problem);
  }
}

// --- checking ---------------------------------------------------------------------------------

DcConfig DcTask(const char* inMin, const char* inMax, int inUnit, const char* outMin, const char* outMax,
                int outUnit, int bandwidth) {
  DcConfig task;
  task.inMinText = inMin;
  task.inMaxText = inMax;
  task.inUnit = inUnit;
  task.outMinText = outMin;
  task.outMaxText = outMax;
  task.outUnit = outUnit;
  task.bandwidth = bandwidth;
  return task;
}

TEST_F(DecodeTest, DcCheckListsTheLeversAndTheTrimming) {
  const DcConfig task = DcTask("4", "20", kDcInMilliAmpere, "0", "10", kDcOutVolt, kDcBandwidthBelow10Hz);
  const CheckResult same = CheckDc(task, {15, 25, 7}, kEnglish);
  EXPECT_TRUE(same.hasSetting);
  EXPECT_TRUE(same.matches);
  EXPECT_EQ(same.lines, std::vector<std::string>{"The device matches the setting."});

  const CheckResult off = CheckDc(task, {15 | 16, 25, 3}, kEnglish);
  EXPECT_FALSE(off.matches);
  EXPECT_EQ(off.levers, (std::vector<SwitchRef>{{1, 5}, {3, 3}}));
  EXPECT_EQ(off.lines,
            (std::vector<std::string>{"Levers to move:", "S1 switch 5: set to OFF", "S3 switch 3: set to ON"}));

  // 0 .. 7 V -> 0 .. 10 V needs SPAN: said also when the device matches.
  const CheckResult trimmed =
      CheckDc(DcTask("0", "7", kDcInVolt, "0", "10", kDcOutVolt, kDcBandwidthAbove10kHz), {39, 18, 3}, kEnglish);
  EXPECT_TRUE(trimmed.matches);
  EXPECT_EQ(trimmed.lines.back(), "After the switches, trim: SPAN potentiometer");

  // 0 .. 10 V -> 0 .. 10 V set to the first admissible entry (5.0 V / 0..5V) instead.
  const CheckResult other = CheckDc(DcTask("0", "10", kDcInVolt, "0", "10", kDcOutVolt, kDcBandwidthBelow10Hz),
                                    {6 | 32, 26, 7}, kEnglish);
  EXPECT_FALSE(other.matches);
  EXPECT_EQ(other.lines.back(), "The switches show another admissible setting for this task: 5.0 V / 0..5V / 0 %");

  // The two-step task: compared with step 2; step 1 is recognised.
  const DcConfig twoStep = DcTask("4", "20", kDcInMilliAmpere, "-10", "10", kDcOutVolt, kDcBandwidthAbove10kHz);
  EXPECT_TRUE(CheckDc(twoStep, {143, 1, 3}, kEnglish).matches);
  const CheckResult first = CheckDc(twoStep, {15, 17, 3}, kEnglish);
  EXPECT_FALSE(first.matches);
  EXPECT_NE(std::find(first.lines.begin(), first.lines.end(), "The switches show step 1 of 2."),
            first.lines.end());

  // A task without a setting.
  const CheckResult none = CheckDc(DcTask("0", "250", kDcInVolt, "0", "10", kDcOutVolt, 0), {0, 0, 0}, kEnglish);
  EXPECT_FALSE(none.hasSetting);
  EXPECT_EQ(none.lines, std::vector<std::string>{"This task has no setting to compare the device with."});
}

TEST_F(DecodeTest, ModuleChecksCompareWithTheScreensBanks) {
  ThermoModel t;
  ThermoUpdate(t);
  ThermoChoose(t, ThermoList::Type, 0);
  ThermoChoose(t, ThermoList::Start, 0);
  ThermoChoose(t, ThermoList::End, 6);  // 400 °C
  ThermoChoose(t, ThermoList::Output, 2);
  ThermoChoose(t, ThermoList::Filter, 0);
  ASSERT_EQ(t.config.s1, 127);
  EXPECT_TRUE(CheckThermo(t.config, 127, 211, kEnglish).matches);
  const CheckResult thermo = CheckThermo(t.config, 127 | 128, 211, kGerman);
  EXPECT_EQ(thermo.lines,
            (std::vector<std::string>{"Zu verstellende Schalter:", "S1 Schalter 8: auf OFF stellen"}));
  EXPECT_FALSE(CheckThermo(ThermoConfig{}, 0, 0, kEnglish).hasSetting);

  FrqModel f;
  FrqUpdate(f);
  FrqChoose(f, FrqList::Mode, kFrqModeMinToMax);
  FrqEntryChanged(f, FrqEntry::Lower, "50");
  FrqEntryChanged(f, FrqEntry::Upper, "1234");
  FrqChoose(f, FrqList::Output, 3);
  EXPECT_TRUE(CheckFrq(f, 195, 41, kEnglish).matches);
  const CheckResult step1 = CheckFrq(f, 10, 38, kEnglish);
  EXPECT_FALSE(step1.matches);
  EXPECT_EQ(step1.lines.back(), "The switches show step 1 of 2.");
}

}  // namespace
}  // namespace setrix
