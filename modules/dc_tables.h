#pragma once
// The DC isolator's hardware: its 16 input ranges, 6 output ranges, 5 zero steps and the DIP
// switch patterns that select them. Built in; never changed at run time.
#include <array>
#include <cstdint>
#include <string_view>

namespace setrix {

// One input range.
struct TInputRec {
  double range;            // full-scale value in V or A (positive)
  std::uint8_t isCurrent;  // 0 voltage, 1 current
  std::string_view name;   // display name
  std::int32_t terminal;   // plus terminal: 0 terminal 1, 1 terminal 2, 2 terminal 3 (minus is 4)
};

// One output range.
struct TOutputRec {
  double rangeStart;       // output at the start of the range, V or A
  double rangeEnd;         // output at the end of the range
  double limitLow;         // lowest value the output stage can deliver
  double limitHigh;        // highest value the output stage can deliver
  std::uint8_t isCurrent;  // 0 voltage, 1 current
  std::string_view name;
};

inline constexpr int kDcInputRangeCount = 16;
inline constexpr int kDcOutputRangeCount = 6;
inline constexpr int kDcZeroStepCount = 5;

// The live-zero current input "4..20 mA": its `range` is its 16 mA span.
inline constexpr int kDcLiveZeroInput = 15;

extern const std::array<TInputRec, kDcInputRangeCount> InputRanges;
extern const std::array<TOutputRec, kDcOutputRangeCount> OutputRanges;

// Zero offset added by the switches, in percent of the output span, by zero step index.
// The index order is that of the switch codes, not of the values.
extern const std::array<double, kDcZeroStepCount> ZeroSteps;

// A switch pattern row: one cell per DIP switch, 1 ON, 0 OFF. Columns 0..9 are S1 switches
// 1..10, columns 10..14 S2 switches 1..5, columns 15..17 S3 switches 1..3. A table fills only
// the columns its quantity controls; the others are 0 and never read.
inline constexpr int kDcSwitchColumns = 18;
inline constexpr int kDcS1Column = 0;   // column of S1 switch 1
inline constexpr int kDcS2Column = 10;  // column of S2 switch 1
inline constexpr int kDcS3Column = 15;  // column of S3 switch 1
using TSwitchPattern = std::array<std::int16_t, kDcSwitchColumns>;

// S1 switches 1..4 (input index in binary) and S2 switches 1..3 (current / 1..10 V / 100 V).
extern const std::array<TSwitchPattern, kDcInputRangeCount> InputSwitchPatterns;
// S1 switches 5..7 and S3 switches 1..2.
extern const std::array<TSwitchPattern, kDcOutputRangeCount> OutputSwitchPatterns;
// S1 switches 8..10.
extern const std::array<TSwitchPattern, kDcZeroStepCount> ZeroSwitchPatterns;

}  // namespace setrix
