#include "modules/numbers.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

using namespace setrix;

namespace {

// Sets the process-wide separator for one test and restores it afterwards.
class Separator {
 public:
  explicit Separator(char c) : saved_(DecimalSeparator()) { SetDecimalSeparator(c); }
  ~Separator() { SetDecimalSeparator(saved_); }
  Separator(const Separator&) = delete;
  Separator& operator=(const Separator&) = delete;

 private:
  char saved_;
};

struct ParseCase {
  char sep;
  std::string text;
  bool ok;
  double value;
  std::size_t cursorAfter;
};

}  // namespace

TEST(ParseNumber, ReadsWhatATechnicianOrTheSettingsStoreGiveIt) {
  const std::string digits39(39, '7');
  const std::vector<ParseCase> cases = {
      {'.', "  12,5", true, 12.5, 6},
      {',', "  12,5", true, 12.5, 6},
      {',', "12.5", true, 12.5, 4},
      {'.', "1.000,5", true, 1.0, 5},  // the second separator ends the number
      {',', "1.000,5", true, 1.0, 5},
      {'.', "12abc", true, 12.0, 2},
      {'.', "1e3", true, 1000.0, 3},
      {'.', "+5", true, 5.0, 2},
      {'.', "-2.5E-3 V", true, -0.0025, 7},
      {'.', ".5", true, 0.5, 2},
      {'.', "0", true, 0.0, 1},
      {'.', "", false, 0, 0},
      {'.', "   ", false, 0, 3},
      {'.', "abc", false, 0, 0},
      {'.', "-", false, 0, 1},
      {'.', "1-2", false, 0, 3},
      {'.', "1e", false, 0, 2},
      {'.', "1e999", false, 0, 5},  // beyond any double: no number
      {'.', digits39, true, 7.777777777777777e38, 39},
      {'.', digits39 + "x", true, 7.777777777777777e38, 39},
      {'.', digits39 + "7", false, 0, 39},  // a 40th character would be collected
      {'.', std::string(5000, '1'), false, 0, 39},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE("separator '" + std::string(1, c.sep) + "', text \"" + c.text + "\"");
    Separator sep(c.sep);
    std::size_t cursor = 0;
    double value = -123.0;
    EXPECT_EQ(ParseNumber(c.text, cursor, value), c.ok);
    if (c.ok) {
      EXPECT_DOUBLE_EQ(value, c.value);
    } else {
      EXPECT_EQ(value, -123.0) << "the value is written only on success";
    }
    EXPECT_EQ(cursor, c.cursorAfter);
  }
}

TEST(ParseNumber, ReadsOnFromTheCursor) {
  const std::string text = "4 20";
  std::size_t cursor = 0;
  double a = 0, b = 0;
  ASSERT_TRUE(ParseNumber(text, cursor, a));
  ASSERT_TRUE(ParseNumber(text, cursor, b));
  EXPECT_EQ(a, 4.0);
  EXPECT_EQ(b, 20.0);
  EXPECT_EQ(cursor, text.size());
  EXPECT_FALSE(ParseNumber(text, cursor, a));
  cursor = 99;  // beyond the end: nothing to read, nothing touched
  EXPECT_FALSE(ParseNumber(text, cursor, a));
}

TEST(LocaleTextToDouble, AcceptsOnlyTheLocaleForm) {
  struct Case {
    char sep;
    const char* text;
    double value;
  };
  const std::vector<Case> good = {
      {'.', " 12.5 ", 12.5}, {'.', "+1", 1},
      {'.', "-.5", -0.5},    {'.', "5.", 5},
      {'.', "1E3", 1000},    {'.', "1e-3", 1e-3},
      {',', "2,25", 2.25},   {'.', "0.1", 0.1},
      {'.', "1e-400", 0},    {'.', "00012", 12},
      {'.', "1e+2", 100},    {'.', "123456789012345678901234567890", 123456789012345678901234567890.0},
  };
  for (const auto& c : good) {
    SCOPED_TRACE(c.text);
    Separator sep(c.sep);
    EXPECT_EQ(LocaleTextToDouble(c.text), c.value);  // correctly rounded: exact equality
  }
  const std::vector<std::pair<char, const char*>> bad = {
      {'.', ""},    {'.', " "},   {',', "1.5"}, {'.', "1,5"},   {'.', "1.5.2"}, {'.', "1e"},
      {'.', "e5"},  {'.', "1 2"}, {'.', "--1"}, {'.', "1e999"}, {'.', "0x10"},  {'.', "inf"},
      {'.', "nan"}, {'.', "."},   {'.', "+"},   {'.', "1e5.5"}, {'.', "\t1"},
  };
  for (const auto& [s, text] : bad) {
    SCOPED_TRACE(text);
    Separator sep(s);
    EXPECT_THROW(LocaleTextToDouble(text), ConversionError);
  }
}

TEST(DecimalSeparator, AcceptsPointOrComma) {
  Separator keep(',');
  EXPECT_EQ(DecimalSeparator(), ',');
  EXPECT_THROW(SetDecimalSeparator(';'), std::invalid_argument);
  EXPECT_EQ(DecimalSeparator(), ',');
}

TEST(FormatNumber, FollowsTheProgramsRules) {
  struct Case {
    char sep;
    const char* format;
    double value;
    const char* expected;
  };
  const std::vector<Case> cases = {
      // "g": significant digits, fixed while it fits, trailing zeros dropped, width pads
      {'.', "%5.5g", 0.0, "    0"},
      {'.', "%5.5g", -0.0, "    0"},
      {'.', "%5.5g", 1.0, "    1"},
      {'.', "%5.5g", 12.5, " 12.5"},
      {'.', "%5.5g", -12.5, "-12.5"},
      {'.', "%5.5g", 99999.0, "99999"},
      {'.', "%5.5g", 123456.0, "1.2346E5"},
      {'.', "%5.5g", 12344.5, "12345"},  // exact tie: away from zero
      {'.', "%5.5g", 99999.5, "  1E5"},  // rounding adds a digit: scientific
      {'.', "%5.5g", 0.1, "  0.1"},
      {'.', "%.5g", 0.00001, "0.00001"},
      {'.', "%.5g", 0.0000099999, "9.9999E-6"},
      {'.', "%.3g", 0.0000099999, "0.00001"},  // rounds up to 1.00E-5
      {'.', "%.5g", 0.000001, "1E-6"},
      {'.', "%.5g", 1.5e-7, "1.5E-7"},
      {'.', "%.5g", -1.5e-7, "-1.5E-7"},
      {'.', "%.5g", 1e20, "1E20"},
      {'.', "%.5g", 2.0 / 3.0, "0.66667"},
      {'.', "%.3g", 2.675, "2.67"},  // 2.67499999...: no tie
      {'.', "%.3g", 1000.0, "1E3"},
      {'.', "%.3g", 999.5, "1E3"},
      {'.', "%.3g", 100.0, "100"},
      {'.', "%.3g", 1234.5, "1.23E3"},
      {'.', "%5.3g", 0.016, "0.016"},
      {'.', "%5.3g", -273.15, " -273"},
      {'.', "%.1g", 0.15, "0.1"},  // 0.1499999...: no tie
      {'.', "%.1g", 0.25, "0.3"},  // exact tie
      {'.', "%.1g", -0.25, "-0.3"},
      {'.', "%.0g", 7.5, "8"},  // precision 0 counts as 1
      {'.', "%g", 3.14159265, "3.14159"},
      {'.', "%.17g", 0.1, "0.10000000000000001"},
      {',', "%5.5g", 12.5, " 12,5"},
      {',', "%.5g", 1.5e-7, "1,5E-7"},
      // "f": exactly the given number of decimals
      {'.', "%.3f", 1.0005, "1.000"},  // 1.000499999...
      {'.', "%.3f", 0.0625, "0.063"},  // exact tie: away from zero
      {'.', "%.3f", -0.0625, "-0.063"},
      {'.', "%.3f", 2.0, "2.000"},
      {'.', "%.3f", -0.0001, "0.000"},  // shows as zero: no sign
      {'.', "%.0f", 2.5, "3"},
      {'.', "%.0f", 9.5, "10"},
      {'.', "%.0f", 0.4, "0"},
      {'.', "%.2f", 99.995, "100.00"},  // 99.99500000000000454...
      {'.', "%.2f", 9.995, "9.99"},     // 9.9949999...
      {'.', "%.2f", 0.125, "0.13"},
      {'.', "%.2f", 0.375, "0.38"},
      {'.', "%.1f", 99.95, "100.0"},  // 99.9500000000000028...
      {'.', "%.3f", 1e20, "100000000000000000000.000"},
      {'.', "%2.4f", 0.5, "0.5000"},
      {'.', "%2.4f", 20.0, "20.0000"},
      {'.', "%2.4f", -3.0, "-3.0000"},
      {'.', "%2.4f", 0.00005, "0.0001"},  // 5.0000000000000002e-05
      {'.', "%8.3f", 3.14159, "   3.142"},
      {'.', "%-6.1f|", 2.0, "2.0   |"},
      {'.', "%.1f V", 2.25, "2.3 V"},
      {',', "%.3f", 1.5, "1,500"},
      {',', "%2.4f", 4.0, "4,0000"},
      // no number
      {'.', "%5.5g", std::nan(""), "  NAN"},
      {'.', "%.3f", -HUGE_VAL, "-INF"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.format) + " of " + std::to_string(c.value));
    Separator sep(c.sep);
    EXPECT_EQ(FormatNumber(c.format, c.value), c.expected);
  }
}

TEST(FormatNumber, RejectsFormatsItCannotDo) {
  for (const char* f : {"", "%", "%d", "%5.5", "abc", "%1234g", "%g%g", "%.5e", "%+5g", "%%"}) {
    SCOPED_TRACE(f);
    EXPECT_THROW(FormatNumber(f, 1.0), std::invalid_argument);
  }
}

// The decimals of "f" are the exact binary value rounded half away from zero. The C
// library prints the exact expansion, from which the test rounds by hand as reference.
TEST(FormatNumber, FixedRoundingMatchesTheExactValue) {
  std::mt19937_64 rng(20240611);
  std::uniform_int_distribution<int> numer(-200000, 200000);
  std::uniform_int_distribution<int> shift(0, 12);
  std::uniform_real_distribution<double> real(-1000.0, 1000.0);
  std::uniform_int_distribution<int> decimals(0, 6);
  auto reference = [](double v, int d) {
    char exact[1300];
    std::snprintf(exact, sizeof exact, "%.1100f", std::fabs(v));
    std::string s(exact);
    const auto dot = s.find('.');
    const char next = s[dot + 1 + static_cast<std::size_t>(d)];
    std::string kept = s.substr(0, d == 0 ? dot : dot + 1 + static_cast<std::size_t>(d));
    if (next >= '5') {  // half or more of the last unit: away from zero
      std::size_t i = kept.size();
      bool carry = true;
      while (carry && i-- > 0) {
        if (kept[i] == '.') continue;
        if (kept[i] == '9') {
          kept[i] = '0';
        } else {
          ++kept[i];
          carry = false;
        }
      }
      if (carry) kept.insert(kept.begin(), '1');
    }
    const bool zero = kept.find_first_not_of("0.") == std::string::npos;
    return (v < 0 && !zero ? "-" : "") + kept;
  };
  for (int i = 0; i < 4000; ++i) {
    // dyadic fractions hit exact ties often; plain reals almost never do
    const double v = (i % 2 == 0) ? std::ldexp(numer(rng), -shift(rng)) : real(rng);
    const int d = decimals(rng);
    const std::string format = "%." + std::to_string(d) + "f";
    ASSERT_EQ(FormatNumber(format, v), reference(v, d)) << format << " of " << v;
  }
}

TEST(NumberTexts, NormalizeSeparators) {
  {
    Separator sep(',');
    EXPECT_EQ(NormalizeDecimalSeparator("1.000,5"), "1,000,5");
    EXPECT_THROW(LocaleTextToDouble(NormalizeDecimalSeparator("1.000,5")), ConversionError);
    EXPECT_EQ(NormalizeNumberText("12.5", false), "12,5");
    EXPECT_EQ(NormalizeNumberText(",5", true), "0,5000");
    EXPECT_EQ(NormalizeNumberText("4", true), "4,0000");
  }
  {
    Separator sep('.');
    EXPECT_EQ(NormalizeDecimalSeparator("12,5"), "12.5");
    EXPECT_EQ(NormalizeNumberText("-0,00125", true), "-0.0013");
    EXPECT_EQ(NormalizeNumberText("20", true), "20.0000");
    EXPECT_THROW(NormalizeNumberText("abc", true), ConversionError);
    EXPECT_THROW(NormalizeNumberText("1.000,5", true), ConversionError);
    EXPECT_EQ(NormalizeNumberText("1.000,5", false), "1.000.5");
  }
}

TEST(NumberTexts, TrimTrailingZerosKeepsBothInStep) {
  struct Case {
    char sep;
    const char *a, *b, *wantA, *wantB;
  };
  const std::vector<Case> cases = {
      {'.', "0.5000", "10.0000", "0.5", "10.0"},
      {',', "4,0000", "20,0000", "4,0", "20,0"},
      {'.', "1.2500", "3.0000", "1.25", "3.00"},
      {'.', "1.2345", "3.0000", "1.2345", "3.0000"},
      {'.', "-2.0000", "2.0000", "-2.0", "2.0"},
      // not the form it is made for: integers keep their zeros, nothing breaks
      {'.', "100", "200", "100", "200"},
      {'.', "", "0", "", "0"},
      {'.', "0", "0", "0", "0"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.a) + " / " + c.b);
    Separator sep(c.sep);
    std::string a = c.a, b = c.b;
    TrimTrailingZeros(a, b);
    EXPECT_EQ(a, c.wantA);
    EXPECT_EQ(b, c.wantB);
  }
}

TEST(NumberTexts, TrimLeadingBlanks) {
  EXPECT_EQ(TrimLeadingBlanks("   4.5 "), "4.5 ");
  EXPECT_EQ(TrimLeadingBlanks("   "), "");
  EXPECT_EQ(TrimLeadingBlanks(""), "");
  EXPECT_EQ(TrimLeadingBlanks("\t1"), "\t1");
}

TEST(NumberTexts, CelsiusToFahrenheitTruncatesTowardZero) {
  const std::vector<std::pair<double, const char*>> cases = {
      {100, "212\u00B0F"}, {-200, "-328\u00B0F"}, {37, "98\u00B0F"}, {-18, "0\u00B0F"},
      {-17, "1\u00B0F"},   {-40, "-40\u00B0F"},   {0, "32\u00B0F"},  {1820, "3308\u00B0F"},
  };
  for (const auto& [c, f] : cases) EXPECT_EQ(CelsiusToFahrenheitText(c), f) << c;
}

TEST(DCEditKeyPress, LetsThroughOnlyNumberKeys) {
  const std::string accepted = "\b,-.0123456789";
  for (int k = -128; k < 128; ++k) {
    const char key = static_cast<char>(k);
    const auto got = DCEditKeyPress(key);
    if (accepted.find(key) != std::string::npos) {
      EXPECT_EQ(got, key) << k;
    } else {
      EXPECT_FALSE(got.has_value()) << "key " << k;  // "a", "+", "E", " " among them
    }
  }
}
