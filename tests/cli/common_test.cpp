#include "cli/common.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>
#include <string>

using namespace setrix::cli;

TEST(BankRowsText, ShowsEachLeverOnOrOff) {
  EXPECT_EQ(BankRowsText(0b101, 3),
            "      1  2  3\n"
            "ON    \u25A0  \u00B7  \u25A0\n"
            "OFF   \u00B7  \u25A0  \u00B7\n");
  EXPECT_EQ(BankRowsText(0, 2),
            "      1  2\n"
            "ON    \u00B7  \u00B7\n"
            "OFF   \u25A0  \u25A0\n");
  // bits above the bank are not drawn
  EXPECT_EQ(BankRowsText(0b1111, 2), BankRowsText(0b11, 2));
  // ten switches keep their columns
  const std::string ten = BankRowsText(1 << 9, 10);
  EXPECT_EQ(ten.substr(0, ten.find('\n')), "      1  2  3  4  5  6  7  8  9 10");
  EXPECT_NE(ten.find("OFF   \u25A0  \u25A0  \u25A0  \u25A0  \u25A0  \u25A0  \u25A0  \u25A0  \u25A0  \u00B7\n"),
            std::string::npos);
}

TEST(BankRowsText, NegativeValueIsNoSetting) {
  EXPECT_EQ(BankRowsText(-1, 3), "      1  2  3\n    no setting\n");
  EXPECT_EQ(BankRowsText(-7, 3), BankRowsText(-1, 3));
  EXPECT_THROW(BankRowsText(0, 0), std::invalid_argument);
  EXPECT_THROW(BankRowsText(0, 32), std::invalid_argument);
}

TEST(PlainLines, DropsTheCarriageReturnsOfLineBreaksOnly) {
  EXPECT_EQ(PlainLines("a\r\nb\r\n"), "a\nb\n");
  EXPECT_EQ(PlainLines("a\rb\r"), "a\rb\r");
  EXPECT_EQ(PlainLines(""), "");
}

TEST(LocaleDecimalSeparator, FollowsTheEnvironmentAndLeavesTheCLocaleAlone) {
  const char* saved = std::getenv("LC_ALL");
  const std::string keep = saved != nullptr ? saved : "";
  setenv("LC_ALL", "C", 1);
  EXPECT_EQ(LocaleDecimalSeparator(), '.');
  EXPECT_STREQ(std::setlocale(LC_NUMERIC, nullptr), "C");
  // a comma locale, where the machine has one
  for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "it_IT.UTF-8"}) {
    if (std::setlocale(LC_NUMERIC, name) == nullptr) continue;
    std::setlocale(LC_NUMERIC, "C");
    setenv("LC_ALL", name, 1);
    EXPECT_EQ(LocaleDecimalSeparator(), ',') << name;
    EXPECT_STREQ(std::setlocale(LC_NUMERIC, nullptr), "C");
    break;
  }
  if (saved != nullptr)
    setenv("LC_ALL", keep.c_str(), 1);
  else
    unsetenv("LC_ALL");
}
