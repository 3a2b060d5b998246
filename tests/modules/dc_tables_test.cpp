#include "modules/dc_tables.h"

#include <gtest/gtest.h>

#include <string>

using namespace setrix;

namespace {

// The cells of a pattern row as "0"/"1" text, S1 | S2 | S3.
std::string Cells(const TSwitchPattern& p) {
  std::string s;
  for (int i = 0; i < kDcSwitchColumns; ++i) {
    if (i == kDcS2Column || i == kDcS3Column) s += '|';
    s += p[static_cast<std::size_t>(i)] == 1 ? '1' : (p[static_cast<std::size_t>(i)] == 0 ? '0' : '?');
  }
  return s;
}

}  // namespace

TEST(DcTables, InputCodesAreTheIndexInBinary) {
  for (int r = 0; r < kDcInputRangeCount; ++r) {
    const auto& p = InputSwitchPatterns[static_cast<std::size_t>(r)];
    int code = 0;
    for (int bit = 0; bit < 4; ++bit) code |= p[static_cast<std::size_t>(kDcS1Column + bit)] << bit;
    EXPECT_EQ(code, r) << InputRanges[static_cast<std::size_t>(r)].name;
  }
  EXPECT_EQ(Cells(InputSwitchPatterns[kDcLiveZeroInput]), "1111000000|10000|000");
}

TEST(DcTables, InputKindSwitchesMatchTheRanges) {
  for (int r = 0; r < kDcInputRangeCount; ++r) {
    const auto& in = InputRanges[static_cast<std::size_t>(r)];
    const auto& p = InputSwitchPatterns[static_cast<std::size_t>(r)];
    SCOPED_TRACE(std::string(in.name));
    const int s21 = p[kDcS2Column], s22 = p[kDcS2Column + 1], s23 = p[kDcS2Column + 2];
    EXPECT_LE(s21 + s22 + s23, 1) << "at most one of S2 switches 1..3";
    EXPECT_EQ(s21 == 1, in.isCurrent == 1);
    EXPECT_EQ(s22 == 1, in.range >= 1.0 && in.range <= 10.0 && in.isCurrent == 0);
    EXPECT_EQ(s23 == 1, in.range == 100.0);
    if (in.isCurrent == 0 && in.range <= 0.5) {
      EXPECT_EQ(s21 + s22 + s23, 0);
    }
    // only S1 switches 1..4 and S2 switches 1..3 are filled
    for (int col = 0; col < kDcSwitchColumns; ++col) {
      const bool own =
          (col >= kDcS1Column && col < kDcS1Column + 4) || (col >= kDcS2Column && col < kDcS2Column + 3);
      if (!own) {
        EXPECT_EQ(p[static_cast<std::size_t>(col)], 0) << "column " << col;
      }
    }
  }
}

TEST(DcTables, OutputAndZeroPatterns) {
  const char* outputs[] = {
      "0000000000|00000|110",  // 0..10V
      "0000100000|00000|110",  // 2..10V
      "0000010000|00000|110",  // 0..5V
      "0000110000|00000|110",  // 1..5V
      "0000001000|00000|000",  // 0..20mA
      "0000101000|00000|000",  // 4..20mA
  };
  for (int c = 0; c < kDcOutputRangeCount; ++c) {
    EXPECT_EQ(Cells(OutputSwitchPatterns[static_cast<std::size_t>(c)]), outputs[c])
        << OutputRanges[static_cast<std::size_t>(c)].name;
    // the voltage outputs are the ones that switch S3 1 and 2 on
    EXPECT_EQ(OutputSwitchPatterns[static_cast<std::size_t>(c)][kDcS3Column] == 1,
              OutputRanges[static_cast<std::size_t>(c)].isCurrent == 0);
  }
  const char* zeros[] = {
      "0000000000|00000|000",  // 0 %
      "0000000100|00000|000",  // -100 %
      "0000000010|00000|000",  // -50 %
      "0000000110|00000|000",  // +50 %
      "0000000001|00000|000",  // +100 %
  };
  const double percent[] = {0, -100, -50, 50, 100};
  for (int k = 0; k < kDcZeroStepCount; ++k) {
    EXPECT_EQ(Cells(ZeroSwitchPatterns[static_cast<std::size_t>(k)]), zeros[k]) << k;
    EXPECT_EQ(ZeroSteps[static_cast<std::size_t>(k)], percent[k]);
  }
}

TEST(DcTables, RangesTheCalculationRecognises) {
  EXPECT_EQ(InputRanges[9].name, "0.3 mA");
  EXPECT_EQ(InputRanges[9].range, 0.0003);
  EXPECT_EQ(InputRanges[kDcLiveZeroInput].name, "4..20 mA");
  EXPECT_EQ(InputRanges[kDcLiveZeroInput].range, 0.016);
  EXPECT_EQ(InputRanges[kDcLiveZeroInput].isCurrent, 1);
  for (const auto& in : InputRanges) {
    EXPECT_GT(in.range, 0) << in.name;
    EXPECT_TRUE(in.terminal >= 0 && in.terminal <= 2) << in.name;
  }
  for (const auto& out : OutputRanges) {
    EXPECT_LT(out.rangeStart, out.rangeEnd) << out.name;
    EXPECT_TRUE(out.limitLow <= out.rangeStart && out.rangeEnd <= out.limitHigh) << out.name;
  }
}
