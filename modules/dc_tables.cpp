// The DC isolator's range and switch tables.
#include "modules/dc_tables.h"

#include <initializer_list>

namespace setrix {

const std::array<TInputRec, kDcInputRangeCount> InputRanges = {{
    {0.06, 0, "60 mV", 1},
    {0.1, 0, "100 mV", 1},
    {0.15, 0, "150 mV", 1},
    {0.3, 0, "300 mV", 1},
    {0.5, 0, "500 mV", 1},
    {1.0, 0, "1.0 V", 2},
    {5.0, 0, "5.0 V", 2},
    {10.0, 0, "10 V", 2},
    {100.0, 0, "100 V", 2},
    {0.0003, 1, "0.3 mA", 1},
    {0.001, 1, "1 mA", 1},
    {0.005, 1, "5 mA", 1},
    {0.01, 1, "10 mA", 0},
    {0.02, 1, "20 mA", 0},
    {0.05, 1, "50 mA", 0},
    {0.016, 1, "4..20 mA", 0},
}};

const std::array<TOutputRec, kDcOutputRangeCount> OutputRanges = {{
    {0, 10, -10, 10, 0, "0..10V"},
    {2, 10, -10, 10, 0, "2..10V"},
    {0, 5, -10, 10, 0, "0..5V"},
    {1, 5, -10, 10, 0, "1..5V"},
    {0, 0.02, -0.02, 0.02, 1, "0..20mA"},
    {0.004, 0.02, -0.02, 0.02, 1, "4..20mA"},
}};

const std::array<double, kDcZeroStepCount> ZeroSteps = {0, -100, -50, 50, 100};

namespace {

// A pattern row from the switches it turns on: {S1 switches}, {S2 switches}, {S3 switches}.
constexpr TSwitchPattern Pattern(std::initializer_list<int> s1, std::initializer_list<int> s2,
                                 std::initializer_list<int> s3) {
  TSwitchPattern p{};
  for (int k : s1) p[static_cast<std::size_t>(kDcS1Column + k - 1)] = 1;
  for (int k : s2) p[static_cast<std::size_t>(kDcS2Column + k - 1)] = 1;
  for (int k : s3) p[static_cast<std::size_t>(kDcS3Column + k - 1)] = 1;
  return p;
}

}  // namespace

const std::array<TSwitchPattern, kDcInputRangeCount> InputSwitchPatterns = {{
    Pattern({}, {}, {}),             // 60 mV
    Pattern({1}, {}, {}),            // 100 mV
    Pattern({2}, {}, {}),            // 150 mV
    Pattern({1, 2}, {}, {}),         // 300 mV
    Pattern({3}, {}, {}),            // 500 mV
    Pattern({1, 3}, {2}, {}),        // 1.0 V
    Pattern({2, 3}, {2}, {}),        // 5.0 V
    Pattern({1, 2, 3}, {2}, {}),     // 10 V
    Pattern({4}, {3}, {}),           // 100 V
    Pattern({1, 4}, {1}, {}),        // 0.3 mA
    Pattern({2, 4}, {1}, {}),        // 1 mA
    Pattern({1, 2, 4}, {1}, {}),     // 5 mA
    Pattern({3, 4}, {1}, {}),        // 10 mA
    Pattern({1, 3, 4}, {1}, {}),     // 20 mA
    Pattern({2, 3, 4}, {1}, {}),     // 50 mA
    Pattern({1, 2, 3, 4}, {1}, {}),  // 4..20 mA
}};

const std::array<TSwitchPattern, kDcOutputRangeCount> OutputSwitchPatterns = {{
    Pattern({}, {}, {1, 2}),      // 0..10V
    Pattern({5}, {}, {1, 2}),     // 2..10V
    Pattern({6}, {}, {1, 2}),     // 0..5V
    Pattern({5, 6}, {}, {1, 2}),  // 1..5V
    Pattern({7}, {}, {}),         // 0..20mA
    Pattern({5, 7}, {}, {}),      // 4..20mA
}};

const std::array<TSwitchPattern, kDcZeroStepCount> ZeroSwitchPatterns = {{
    Pattern({}, {}, {}),      // 0 %
    Pattern({8}, {}, {}),     // -100 %
    Pattern({9}, {}, {}),     // -50 %
    Pattern({8, 9}, {}, {}),  // +50 %
    Pattern({10}, {}, {}),    // +100 %
}};

}  // namespace setrix
