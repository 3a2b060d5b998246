#include "modules/dc_calc.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "modules/numbers.h"

using namespace setrix;

namespace {

constexpr int mA = kDcInMilliAmpere, mV = kDcInMilliVolt, V = kDcInVolt;
constexpr int oMA = kDcOutMilliAmpere, oV = kDcOutVolt;
constexpr int kSlow = kDcBandwidthBelow10Hz, kFast = kDcBandwidthAbove10kHz;

DcConfig Task(const char* inMin, const char* inMax, int inUnit, const char* outMin, const char* outMax,
              int outUnit, int bandwidth = kSlow) {
  DcConfig dc;
  dc.inMinText = inMin;
  dc.inMaxText = inMax;
  dc.inUnit = inUnit;
  dc.outMinText = outMin;
  dc.outMaxText = outMax;
  dc.outUnit = outUnit;
  dc.bandwidth = bandwidth;
  return dc;
}

int InputIndex(std::string_view name) {
  for (int r = 0; r < kDcInputRangeCount; ++r)
    if (InputRanges[static_cast<std::size_t>(r)].name == name) return r;
  return -1;
}
int OutputIndex(std::string_view name) {
  for (int c = 0; c < kDcOutputRangeCount; ++c)
    if (OutputRanges[static_cast<std::size_t>(c)].name == name) return c;
  return -1;
}

const TCellRec& Cell(const DcConfig& dc, std::string_view in, std::string_view out) {
  return dc.rangeMatrix[static_cast<std::size_t>(InputIndex(in))][static_cast<std::size_t>(OutputIndex(out))];
}

// A worked task and what the calculation must give for it.
struct Worked {
  const char* what;
  DcConfig task;
  std::size_t evalSize;  // 0: not checked
  const char* firstIn;   // first entry of evalList
  const char* firstOut;
  int firstZeroStep;
  int evalIndex;
  int s1, s2, s3;
};

}  // namespace

TEST(CalculateDc, WorkedTasks) {
  const std::vector<Worked> cases = {
      {"0..10 V -> 0..10 V", Task("0", "10", V, "0", "10", oV), 8, "5.0 V", "0..5V", 0, 1, 7, 26, 7},
      {"0..10 V -> 0..10 V fast", Task("0", "10", V, "0", "10", oV, kFast), 8, "5.0 V", "0..5V", 0, 1, 7, 26, 3},
      {"4..20 mA -> 0..10 V", Task("4", "20", mA, "0", "10", oV), 0, "4..20 mA", "0..10V", 0, 0, 15, 25, 7},
      {"0..10 V -> 4..20 mA", Task("0", "10", V, "4", "20", oMA), 0, "10 V", "4..20mA", 0, 0, 87, 26, 4},
      {"0..60 mV -> 0..10 V", Task("0", "60", mV, "0", "10", oV), 0, "60 mV", "0..10V", 0, 0, 0, 24, 7},
      {"0..7 V -> 0..10 V", Task("0", "7", V, "0", "10", oV), 0, "10 V", "0..5V", 0, 0, 39, 18, 7},
      {"10..0 V -> 0..10 V", Task("10", "0", V, "0", "10", oV), 0, "10 V", "0..10V", 4, 0, 519, 26, 7},
      {"20..4 mA -> 10..0 V", Task("20", "4", mA, "10", "0", oV), 0, "4..20 mA", "0..10V", 0, 0, 15, 25, 7},
      {"-5..5 V -> 0..10 V", Task("-5", "5", V, "0", "10", oV), 0, "5.0 V", "0..5V", 4, 0, 550, 26, 7},
      // entries reach the reader verbatim: comma, sign, exponent
      {"0,0..1e1 V -> +0..10 V", Task("0,0", "1e1", V, "+0", "10.", oV), 8, "5.0 V", "0..5V", 0, 1, 7, 26, 7},
  };
  for (const auto& w : cases) {
    SCOPED_TRACE(w.what);
    DcConfig dc = w.task;
    ASSERT_EQ(CalculateDc(dc), DcCheck::Ok);
    ASSERT_FALSE(dc.evalList.empty());
    if (w.evalSize != 0) {
      EXPECT_EQ(dc.evalList.size(), w.evalSize);
    }
    const TEvalRec& first = dc.evalList.front();
    EXPECT_EQ(InputRanges[static_cast<std::size_t>(first.inIndex)].name, w.firstIn);
    EXPECT_EQ(OutputRanges[static_cast<std::size_t>(first.outIndex)].name, w.firstOut);
    EXPECT_EQ(first.zeroStep, w.firstZeroStep);
    EXPECT_EQ(dc.evalIndex, w.evalIndex);
    EXPECT_EQ(dc.s1, w.s1);
    EXPECT_EQ(dc.s2, w.s2);
    EXPECT_EQ(dc.s3, w.s3);
  }
}

TEST(CalculateDc, WorkedDetails) {
  {
    DcConfig dc = Task("0", "10", V, "0", "10", oV);
    ASSERT_EQ(CalculateDc(dc), DcCheck::Ok);
    EXPECT_EQ(dc.gain, 1.0);
    EXPECT_EQ(dc.overdrive, 10.0);
    // the first two need no potentiometer, then the list goes on with trimmed ones
    ASSERT_GE(dc.evalList.size(), 3u);
    EXPECT_EQ(DcPriority(dc.evalList[0].zeroPot, dc.evalList[0].spanPot), 1);
    EXPECT_EQ(DcPriority(dc.evalList[1].zeroPot, dc.evalList[1].spanPot), 1);
    EXPECT_GT(DcPriority(dc.evalList[2].zeroPot, dc.evalList[2].spanPot), 1);
    EXPECT_EQ(dc.evalList[1].inIndex, InputIndex("10 V"));
    EXPECT_EQ(dc.evalList[1].outIndex, OutputIndex("0..10V"));
  }
  {
    DcConfig dc = Task("4", "20", mA, "0", "10", oV);
    ASSERT_EQ(CalculateDc(dc), DcCheck::Ok);
    EXPECT_EQ(dc.gain, 625.0);                   // exactly: the switches alone give the setting
    EXPECT_EQ(dc.evalList[0].zeroPercent, 0.0);  // -25 + 25
    EXPECT_FALSE(dc.evalList[0].zeroPot || dc.evalList[0].spanPot);
    EXPECT_TRUE(dc.inIsCurrent);
    EXPECT_FALSE(dc.outIsCurrent);
  }
  {
    DcConfig dc = Task("0", "10", V, "4", "20", oMA);
    ASSERT_EQ(CalculateDc(dc), DcCheck::Ok);
    EXPECT_EQ(dc.gain, 0.0016);
  }
  {
    DcConfig dc = Task("0", "7", V, "0", "10", oV);
    ASSERT_EQ(CalculateDc(dc), DcCheck::Ok);
    const TEvalRec& e = dc.evalList[0];
    EXPECT_TRUE(e.spanPot);
    EXPECT_FALSE(e.zeroPot);
    EXPECT_DOUBLE_EQ(e.spanRatio, 0.35);
    for (const auto& x : dc.evalList) EXPECT_TRUE(x.zeroPot || x.spanPot);
  }
  {
    DcConfig dc = Task("10", "0", V, "0", "10", oV);
    ASSERT_EQ(CalculateDc(dc), DcCheck::Ok);
    EXPECT_TRUE(dc.inReversed);
    EXPECT_FALSE(dc.outReversed);
    EXPECT_EQ(dc.inStart, -10.0);
    EXPECT_EQ(dc.inEnd, 0.0);
  }
  {
    DcConfig dc = Task("20", "4", mA, "10", "0", oV);
    ASSERT_EQ(CalculateDc(dc), DcCheck::Ok);
    EXPECT_FALSE(dc.inReversed);
    EXPECT_FALSE(dc.outReversed);
    EXPECT_EQ(dc.inStart, 0.004);
    EXPECT_EQ(dc.inEnd, 0.02);
    EXPECT_EQ(dc.outStart, 0.0);
    EXPECT_EQ(dc.outEnd, 10.0);
  }
}

TEST(CalculateDc, TasksWithoutSettingLeaveTheBanksAlone) {
  for (auto task : {Task("4", "20", mA, "-10", "10", oV), Task("2", "10", V, "-10", "10", oV)}) {
    SCOPED_TRACE(task.inMinText + ".." + task.inMaxText + " -> " + task.outMinText + ".." + task.outMaxText);
    task.evalIndex = 7;
    task.s1 = task.s2 = task.s3 = -1;
    ASSERT_EQ(CalculateDc(task), DcCheck::Ok);
    EXPECT_TRUE(task.evalList.empty());
    EXPECT_EQ(task.evalIndex, 0);
    EXPECT_EQ(task.s1, -1);
    EXPECT_EQ(task.s2, -1);
    EXPECT_EQ(task.s3, -1);
  }
  DcConfig dc = Task("2", "10", V, "-10", "10", oV);
  ASSERT_EQ(CalculateDc(dc), DcCheck::Ok);
  for (const auto& row : dc.rangeMatrix)
    for (const auto& cell : row) EXPECT_NE(cell.markers.Text().find("VS"), std::string::npos);
}

TEST(ValidateDcEntries, EveryCheck) {
  struct Case {
    DcConfig task;
    DcCheck check;
  };
  const std::vector<Case> cases = {
      {Task("0", "10", V, "0", "10", oV), DcCheck::Ok},
      {Task("abc", "10", V, "0", "10", oV), DcCheck::EntryError},
      {Task("0", "", V, "0", "10", oV), DcCheck::EntryError},
      {Task("0", "10", V, "-", "10", oV), DcCheck::EntryError},
      {Task("0", "10", V, "0", "1-2", oV), DcCheck::EntryError},
      {Task("0", "10", 3, "0", "10", oV), DcCheck::EntryError},  // no such input unit
      {Task("0", "10", V, "0", "10", 2), DcCheck::EntryError},   // no such output unit
      {Task("5", "5", V, "0", "10", oV), DcCheck::InputSpanTooShort},
      {Task("5", "5", V, "3", "3", oV), DcCheck::InputSpanTooShort},  // input is checked first
      {Task("0", "10", V, "5", "5", oV), DcCheck::OutputSpanTooShort},
      {Task("0", "250", V, "0", "10", oV), DcCheck::InputRangeTooLarge},
      {Task("-200.002", "0", V, "0", "10", oV), DcCheck::InputRangeTooLarge},
      {Task("0", "200.001", V, "0", "10", oV), DcCheck::Ok},  // the limit itself passes
      {Task("0", "100.2", mA, "0", "10", oV), DcCheck::InputRangeTooLarge},
      {Task("0", "100.1", mA, "0", "10", oV), DcCheck::Ok},
      {Task("0", "250000", mV, "0", "10", oV), DcCheck::InputRangeTooLarge},
      {Task("0", "10", V, "0", "10.002", oV), DcCheck::OutputRangeTooLarge},
      {Task("0", "10", V, "-10.001", "10.001", oV), DcCheck::Ok},
      {Task("0", "10", V, "0", "20.002", oMA), DcCheck::OutputRangeTooLarge},
      {Task("0", "10", V, "0", "20.001", oMA), DcCheck::Ok},
      {Task("0", "250", V, "0", "20", oV), DcCheck::InputRangeTooLarge},  // input before output
      {Task("0", "1", mV, "0", "10", oV), DcCheck::GainOutOfRange},       // 10000 > 500
      {Task("0", "200", V, "0", "1", oV), DcCheck::GainOutOfRange},       // 0.005 < 0.013333
      {Task("0", "100", mA, "0", "1", oV), DcCheck::GainOutOfRange},      // 10 < 26.667
      {Task("0", "100", V, "0", "4", oMA), DcCheck::GainOutOfRange},      // 4e-5 < 5.3333e-5
      {Task("0", "0.01", mA, "0", "20", oMA), DcCheck::GainOutOfRange},   // 2000 > 200
      {Task("0", "1", V, "0", "1", oMA), DcCheck::Ok},                    // exactly 1e-3
      {Task("0", "10", V, "0", "10", oV), DcCheck::Ok},
  };
  for (const auto& c : cases) {
    DcConfig dc = c.task;
    SCOPED_TRACE(dc.inMinText + ".." + dc.inMaxText + " unit " + std::to_string(dc.inUnit) + " -> " +
                 dc.outMinText + ".." + dc.outMaxText + " unit " + std::to_string(dc.outUnit));
    EXPECT_EQ(ValidateDcEntries(dc), c.check) << DcCheckName(ValidateDcEntries(dc));
  }
}

TEST(ValidateDcEntries, WhatAFailureLeavesBehind) {
  DcConfig dc = Task("0", "10", V, "0", "10", oV);
  ASSERT_EQ(CalculateDc(dc), DcCheck::Ok);
  const DcConfig before = dc;

  // An entry error changes nothing.
  dc.inMaxText = "abc";
  dc.inUnit = mA;
  dc.outMinText = "10";
  dc.outMaxText = "0";
  EXPECT_EQ(CalculateDc(dc), DcCheck::EntryError);
  EXPECT_EQ(dc.inIsCurrent, before.inIsCurrent);
  EXPECT_EQ(dc.outReversed, before.outReversed);
  EXPECT_EQ(dc.inEnd, before.inEnd);
  EXPECT_EQ(dc.s1, before.s1);
  EXPECT_EQ(dc.evalList.size(), before.evalList.size());

  // A later check has already set the kinds and polarity, but not the limits.
  dc = before;
  dc.inMinText = "20";
  dc.inMaxText = "4";
  dc.inUnit = mA;
  dc.outMinText = "5";
  dc.outMaxText = "5";
  EXPECT_EQ(CalculateDc(dc), DcCheck::OutputSpanTooShort);
  EXPECT_TRUE(dc.inIsCurrent);
  EXPECT_TRUE(dc.inReversed);
  EXPECT_FALSE(dc.outReversed);
  EXPECT_EQ(dc.inStart, before.inStart);
  EXPECT_EQ(dc.inEnd, before.inEnd);
}

TEST(ValidateDcEntries, ReadsEntriesWithEitherSeparator) {
  for (char sep : {'.', ','}) {
    const char saved = DecimalSeparator();
    SetDecimalSeparator(sep);
    DcConfig dc = Task("0,5", "2.5", V, "0", "10", oV);
    EXPECT_EQ(ValidateDcEntries(dc), DcCheck::Ok);
    EXPECT_EQ(dc.inStart, 0.5);
    EXPECT_EQ(dc.inEnd, 2.5);
    SetDecimalSeparator(saved);
  }
}

TEST(BuildRangeMatrix, MarkersInTestOrder) {
  struct Case {
    DcConfig task;
    const char* in;
    const char* out;
    const char* markers;
    bool allowed, zeroPot, spanPot;
  };
  const std::vector<Case> cases = {
      {Task("0", "10", V, "0", "10", oV), "10 V", "0..10V", "", true, false, false},
      {Task("0", "10", V, "0", "10", oV), "10 mA", "0..10V", "AEsVEU1", false, false, true},
      {Task("0", "10", V, "0", "10", oV), "60 mV", "0..20mA", "AEsU1U2", false, false, true},
      {Task("0", "10", V, "0", "10", oV), "100 V", "0..10V", "sVE", false, false, true},
      {Task("0", "7", V, "0", "10", oV), "10 V", "0..5V", "s", true, false, true},
      {Task("2", "10", V, "-10", "10", oV), "10 V", "0..10V", "soVS", false, true, true},
      {Task("0", "0.3", mA, "0", "10", oV), "0.3 mA", "0..10V", "s", true, false, true},
      {Task("4", "20", mA, "0", "10", oV), "4..20 mA", "0..10V", "", true, false, false},
      // the same task on "20 mA" needs -25 %: step 0 and ZERO trimming, and SPAN (500 vs 625)
      {Task("4", "20", mA, "0", "10", oV), "20 mA", "0..10V", "so", true, true, true},
      // on "0..5V" the live-zero row needs -50 + 25 = -25 %, within its narrower limit
      {Task("4", "20", mA, "0", "10", oV), "4..20 mA", "0..5V", "so", true, true, true},
      // the live-zero row is excluded beyond +-25.1 %, where other rows are not
      {Task("4", "20", mA, "-5", "10", oV), "4..20 mA", "0..10V", "soVS", false, true, true},
      {Task("4", "20", mA, "-5", "10", oV), "20 mA", "0..10V", "so", true, true, true},
      {Task("4", "20", mA, "-10", "10", oV), "4..20 mA", "0..10V", "soVS", false, true, true},
  };
  for (const auto& c : cases) {
    DcConfig dc = c.task;
    SCOPED_TRACE(dc.inMinText + ".." + dc.inMaxText + " -> " + dc.outMinText + ".." + dc.outMaxText + ", cell " +
                 c.in + " / " + c.out);
    ASSERT_EQ(CalculateDc(dc), DcCheck::Ok);
    const TCellRec& cell = Cell(dc, c.in, c.out);
    EXPECT_EQ(cell.markers.Text(), c.markers);
    EXPECT_EQ(cell.allowed, c.allowed);
    EXPECT_EQ(cell.zeroPot, c.zeroPot);
    EXPECT_EQ(cell.spanPot, c.spanPot);
  }
}

TEST(BuildRangeMatrix, TheLowestCurrentRangeAlwaysNeedsSpan) {
  DcConfig dc = Task("0", "0.3", mA, "0", "10", oV);
  ASSERT_EQ(CalculateDc(dc), DcCheck::Ok);
  const int r = InputIndex("0.3 mA");
  for (const auto& cell : dc.rangeMatrix[static_cast<std::size_t>(r)]) {
    EXPECT_NE(cell.markers.Text().find('s'), std::string::npos);
    EXPECT_TRUE(cell.spanPot);
  }
  for (const auto& e : dc.evalList)
    if (e.inIndex == r) {
      EXPECT_TRUE(e.spanPot);
    }
}

TEST(BuildRangeMatrix, ZeroStepBoundaries) {
  // Output 0..10 V from an input whose start maps to a chosen offset on "10 V" / "0..10V":
  // zeroPercent = -inStart * 10 (gain 1).
  struct Case {
    const char* inMin;
    const char* inMax;
    int step;
    bool zeroPot;
  };
  const std::vector<Case> cases = {
      {"2.5", "12.5", 0, true},        // -25: still 0 %
      {"2.6", "12.6", 2, true},        // -26: -50 %
      {"5", "15", 2, false},           // -50 exactly
      {"7.5", "17.5", 2, true},        // -75: -50 %
      {"7.6", "17.6", 1, true},        // -76: -100 %
      {"10", "20", 1, false},          // -100 exactly
      {"-2.5", "7.5", 0, true},        // +25: 0 %
      {"-2.6", "7.4", 3, true},        // +26: +50 %
      {"-7.5", "2.5", 3, true},        // +75: +50 %
      {"-7.6", "2.4", 4, true},        // +76: +100 %
      {"0.01", "10.01", 0, false},     // -0.1: within 0.101
      {"0.0102", "10.0102", 0, true},  // -0.102
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.inMin) + ".." + c.inMax);
    DcConfig dc = Task(c.inMin, c.inMax, V, "0", "10", oV);
    ASSERT_EQ(ValidateDcEntries(dc), DcCheck::Ok);
    BuildRangeMatrix(dc);
    const TCellRec& cell = Cell(dc, "100 V", "0..10V");  // any voltage cell shares the offset
    EXPECT_EQ(cell.zeroStep, c.step) << cell.zeroPercent;
    EXPECT_EQ(cell.zeroPot, c.zeroPot) << cell.zeroPercent;
  }
}

// For many tasks: the list holds every admissible cell once, ordered by priority, then output
// and input index descending; it never mixes kinds; the choice follows its rule.
TEST(BuildEvalList, OrderAndChoiceOverManyTasks) {
  const char* values[] = {"-10", "-5", "-1", "0", "0.5", "1", "2", "4", "5", "7", "10", "20", "60"};
  int tasks = 0, withList = 0;
  for (int inUnit : {mA, mV, V})
    for (int outUnit : {oMA, oV})
      for (const char* a : values)
        for (const char* b : values)
          for (const char* o : {"0", "2", "4", "-10"})
            for (const char* p : {"5", "10", "20"}) {
              DcConfig dc = Task(a, b, inUnit, o, p, outUnit);
              if (CalculateDc(dc) != DcCheck::Ok) continue;
              ++tasks;
              std::set<std::pair<int, int>> allowed;
              for (int r = 0; r < kDcInputRangeCount; ++r)
                for (int c = 0; c < kDcOutputRangeCount; ++c)
                  if (dc.rangeMatrix[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)].allowed)
                    allowed.insert({r, c});
              ASSERT_EQ(dc.evalList.size(), allowed.size());
              ASSERT_LE(dc.evalList.size(), 36u);
              std::tuple<int, int, int> last{0, 99, 99};
              for (const auto& e : dc.evalList) {
                const auto& cell =
                    dc.rangeMatrix[static_cast<std::size_t>(e.inIndex)][static_cast<std::size_t>(e.outIndex)];
                ASSERT_TRUE(cell.allowed);
                EXPECT_EQ(e.zeroPot, cell.zeroPot);
                EXPECT_EQ(e.spanPot, cell.spanPot);
                EXPECT_EQ(e.zeroStep, cell.zeroStep);
                EXPECT_EQ(InputRanges[static_cast<std::size_t>(e.inIndex)].isCurrent == 1, dc.inIsCurrent);
                EXPECT_EQ(OutputRanges[static_cast<std::size_t>(e.outIndex)].isCurrent == 1, dc.outIsCurrent);
                const std::tuple<int, int, int> key{DcPriority(e.zeroPot, e.spanPot), e.outIndex, e.inIndex};
                // priority ascending; within it output, then input, descending
                const bool ordered = std::get<0>(key) > std::get<0>(last) ||
                                     (std::get<0>(key) == std::get<0>(last) &&
                                      std::make_pair(std::get<1>(key), std::get<2>(key)) <
                                          std::make_pair(std::get<1>(last), std::get<2>(last)));
                ASSERT_TRUE(ordered);
                last = key;
              }
              if (dc.evalList.empty()) continue;
              ++withList;
              // the choice: the first exact entry whose range is an entered magnitude, else 0
              int expected = 0;
              for (std::size_t i = 0; i < dc.evalList.size(); ++i) {
                const auto& e = dc.evalList[i];
                if (e.zeroPot || e.spanPot) break;
                const double range = InputRanges[static_cast<std::size_t>(e.inIndex)].range;
                if (range == std::fabs(dc.inStart) || range == std::fabs(dc.inEnd)) {
                  expected = static_cast<int>(i);
                  break;
                }
              }
              EXPECT_EQ(dc.evalIndex, expected);
              const DcBanks b = DcSwitchBanks(dc.evalList[static_cast<std::size_t>(dc.evalIndex)], dc.bandwidth);
              EXPECT_EQ(dc.s1, b.s1);
              EXPECT_EQ(dc.s2, b.s2);
              EXPECT_EQ(dc.s3, b.s3);
            }
  EXPECT_GT(tasks, 500);
  EXPECT_GT(withList, 200);
}

TEST(DcSwitchBanks, CodesEveryCombination) {
  for (int r = 0; r < kDcInputRangeCount; ++r)
    for (int c = 0; c < kDcOutputRangeCount; ++c)
      for (int k = 0; k < kDcZeroStepCount; ++k) {
        TEvalRec e{r, c, (r + k) % 2 == 0, (c + k) % 3 == 0, 0, 1, k};
        const DcBanks b = DcSwitchBanks(e, kFast);
        ASSERT_TRUE(b.s1 >= 0 && b.s1 < (1 << 10));
        ASSERT_TRUE(b.s2 >= 0 && b.s2 < (1 << 5));
        ASSERT_TRUE(b.s3 >= 0 && b.s3 < (1 << 2));  // switch 3 OFF for "> 10 kHz"
        EXPECT_EQ(b.s1 & 0xF, r);
        EXPECT_EQ((b.s2 >> 3) & 1, e.spanPot ? 0 : 1);
        EXPECT_EQ((b.s2 >> 4) & 1, e.zeroPot ? 0 : 1);
        EXPECT_EQ(DcSwitchBanks(e, kSlow).s3, b.s3 | 4);
      }
  // S1 switches 8..10 carry the zero step
  const int zeroBits[] = {0, 1, 2, 3, 4};
  for (int k = 0; k < kDcZeroStepCount; ++k)
    EXPECT_EQ(DcSwitchBanks(TEvalRec{0, 0, false, false, 0, 1, k}, kFast).s1 >> 7, zeroBits[k]);
}

TEST(DcSwitchBanks, ARecordOutsideTheTablesGivesNoSetting) {
  for (const TEvalRec& e : {TEvalRec{16, 0, false, false, 0, 1, 0}, TEvalRec{-1, 0, false, false, 0, 1, 0},
                            TEvalRec{0, 6, false, false, 0, 1, 0}, TEvalRec{0, 0, false, false, 0, 1, 5},
                            TEvalRec{0, 0, false, false, 0, 1, -1}}) {
    const DcBanks b = DcSwitchBanks(e, kSlow);
    EXPECT_EQ(b.s1, -1);
    EXPECT_EQ(b.s2, -1);
    EXPECT_EQ(b.s3, -1);
  }
}

TEST(CalculateDc, AConfigReusedForAnotherTaskKeepsNothingOfTheLastOne) {
  // The screen calculates into the same config over and over: every cell, the list and the
  // choice must be those of a fresh calculation.
  const std::vector<DcConfig> tasks = {Task("0", "10", V, "0", "10", oV), Task("4", "20", mA, "-10", "10", oV),
                                       Task("0", "7", V, "0", "10", oV), Task("0", "0.3", mA, "0", "10", oV),
                                       Task("2", "10", V, "-10", "10", oV)};
  DcConfig reused = tasks[0];
  for (std::size_t i = 0; i < tasks.size(); ++i) {
    const DcConfig& t = tasks[(i * 3) % tasks.size()];
    reused.inMinText = t.inMinText;
    reused.inMaxText = t.inMaxText;
    reused.inUnit = t.inUnit;
    reused.outMinText = t.outMinText;
    reused.outMaxText = t.outMaxText;
    reused.outUnit = t.outUnit;
    DcConfig fresh = t;
    ASSERT_EQ(CalculateDc(reused), CalculateDc(fresh));
    for (std::size_t r = 0; r < fresh.rangeMatrix.size(); ++r)
      for (std::size_t c = 0; c < fresh.rangeMatrix[r].size(); ++c) {
        const TCellRec &a = reused.rangeMatrix[r][c], &b = fresh.rangeMatrix[r][c];
        EXPECT_EQ(a.markers, b.markers) << r << "," << c << ": " << a.markers.Text() << " / " << b.markers.Text();
        EXPECT_EQ(std::tie(a.allowed, a.zeroPot, a.spanPot, a.zeroStep),
                  std::tie(b.allowed, b.zeroPot, b.spanPot, b.zeroStep));
        EXPECT_EQ(std::tie(a.zeroPercent, a.spanRatio, a.nativeGain),
                  std::tie(b.zeroPercent, b.spanRatio, b.nativeGain));
      }
    ASSERT_EQ(reused.evalList.size(), fresh.evalList.size());
    for (std::size_t k = 0; k < fresh.evalList.size(); ++k)
      EXPECT_EQ(std::tie(reused.evalList[k].inIndex, reused.evalList[k].outIndex),
                std::tie(fresh.evalList[k].inIndex, fresh.evalList[k].outIndex));
    EXPECT_EQ(reused.evalIndex, fresh.evalIndex);
    // Without a setting the banks keep their last values by design; with one they match.
    if (!fresh.evalList.empty()) {
      EXPECT_EQ(std::tie(reused.s1, reused.s2, reused.s3), std::tie(fresh.s1, fresh.s2, fresh.s3));
    }
  }
}

TEST(DcMarkers, TextFollowsTheTestOrderWhateverTheOrderOfSetting) {
  DcMarkers m;
  EXPECT_TRUE(m.Empty());
  EXPECT_EQ(m.Text(), "");
  for (DcMarker x :
       {DcMarker::U2, DcMarker::o, DcMarker::AE, DcMarker::U1, DcMarker::VS, DcMarker::s, DcMarker::VE})
    m.Set(x);
  EXPECT_EQ(m.Text(), "AEsVEoVSU1U2");
  EXPECT_TRUE(m.Has(DcMarker::VS));
  EXPECT_FALSE(DcMarkers{}.Has(DcMarker::VS));
}
