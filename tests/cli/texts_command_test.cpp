// setrix-cli texts, run as a program.
#include <gtest/gtest.h>

#include <cstdio>
#include <nlohmann/json.hpp>
#include <string>

#include "texts/texts.h"

#include "run_cli.h"

namespace {

using setrix::test::CliRun;
using setrix::test::RunCli;

}  // namespace

using namespace setrix::texts;

TEST(TextsCommand, JsonHoldsEveryEntryOfTheChosenLanguage) {
  const CliRun run = RunCli("texts --lang it --json");
  ASSERT_EQ(run.status, 0) << run.output;
  const auto json = nlohmann::ordered_json::parse(run.output);  // throws on invalid JSON
  ASSERT_TRUE(json.is_object());
  ASSERT_EQ(json.size(), AllEntries().size());

  auto it = json.begin();
  for (const Entry& e : AllEntries()) {
    ASSERT_EQ(it.key(), e.name);  // table order
    const auto& value = it.value();
    if (e.layout == Layout::kPerLanguage || e.layout == Layout::kSingle) {
      ASSERT_TRUE(value.is_string()) << e.name;
      EXPECT_EQ(value.get<std::string>(), EntryText(e, 0, 2)) << e.name;
    } else {
      ASSERT_TRUE(value.is_array()) << e.name;
      ASSERT_EQ(value.size(), e.count) << e.name;
      for (std::size_t i = 0; i < e.count; ++i) {
        EXPECT_EQ(value[i].get<std::string>(), EntryText(e, static_cast<int>(i), 2)) << e.name << " " << i;
      }
    }
    ++it;
  }
  EXPECT_EQ(json["txError"], "Errore");
  EXPECT_EQ(json["txTerminalsPower7"], "Polo 7: Alimentazione +18 .. 30 V DC\r\nPolo 8: Gnd");
  EXPECT_EQ(json["txAdjustSwitchesS1S2S3"], "Impostare switch S1, S2 e switch S3 come\rindicato %S. ");
  EXPECT_EQ(json["txPolarityInputPlus"],
            nlohmann::json::array({"1 (+) e 4 (-)", "2 (+) e 4 (-)", "3 (+) e 4 (-)"}));
  EXPECT_EQ(json["txTwoWord"], nlohmann::json::array({"due", "tre"}));
  EXPECT_EQ(json["txRtdTypeList"].size(), 8u);
}

TEST(TextsCommand, DefaultsToEnglish) {
  const CliRun run = RunCli("texts --json");
  ASSERT_EQ(run.status, 0);
  const auto json = nlohmann::json::parse(run.output);
  EXPECT_EQ(json["txError"], "Error");
  EXPECT_EQ(json["txThermoTypeList"][7], "Thermocouple type B");
}

TEST(TextsCommand, ReadableListingShowsLineBreaksAndBlanks) {
  const CliRun run = RunCli("texts --lang de");
  ASSERT_EQ(run.status, 0);
  EXPECT_NE(
      run.output.find("txTerminalsPower10\n  \"Klemme 10: Hilfsenergie +18 .. 30 V DC\\r\\nKlemme 11: Masse\"\n"),
      std::string::npos);
  EXPECT_NE(run.output.find("txDate\n  \"Datum: \"\n"), std::string::npos);
  EXPECT_NE(run.output.find("txOnLower\n  [0] \"ein\"\n  [1] \"aus\"\n"), std::string::npos);
  EXPECT_EQ(run.output.find('\r'), std::string::npos);
}

TEST(TextsCommand, UnknownLanguageIsABadCommandLine) {
  const CliRun quiet = RunCli("texts --lang fr --json 2>/dev/null");
  EXPECT_EQ(quiet.status, 2);
  EXPECT_EQ(quiet.output, "");  // no listing on a bad command line
  const CliRun run = RunCli("texts --lang fr --json", true);
  EXPECT_EQ(run.status, 2);
  EXPECT_NE(run.output.find("--lang"), std::string::npos) << run.output;
  for (const char* code : {"de", "en", "it", "es"})
    EXPECT_NE(run.output.find(code), std::string::npos) << run.output;
}
