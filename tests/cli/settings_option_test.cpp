// --settings FILE of the module commands: the desktop program's stored choices as the start,
// options given override them, bad files and values are named.
#include <gtest/gtest.h>

#include <fstream>
#include <nlohmann/json.hpp>
#include <string>

#include "run_cli.h"

namespace {

const std::string kFixture = SETRIX_TEST_DIR "/../app/fixtures/setrix.ini";

using setrix::test::CliRun;
using setrix::test::RunCli;

nlohmann::json Json(const std::string& args) {
  const CliRun run = RunCli(args + " --json");
  EXPECT_EQ(run.status, 0) << args << "\n" << run.output;
  return nlohmann::json::parse(run.output, nullptr, false);
}

std::string Written(const std::string& name, const std::string& content) {
  const std::string file = testing::TempDir() + name;
  std::ofstream(file, std::ios::binary) << content;
  return file;
}

// The fixture was written by the desktop program; its screens show these choices.
TEST(SettingsOption, EveryModuleStartsFromTheStoredChoices) {
  const auto thermo = Json("thermo --settings " + kFixture);
  EXPECT_EQ(thermo["type"]["index"], 1);
  EXPECT_EQ(thermo["start"]["text"], "0°C / 32°F");
  EXPECT_EQ(thermo["end"]["text"], "250°C / 482°F");
  EXPECT_EQ(thermo["output"]["index"], 2);
  EXPECT_EQ(thermo["filter"]["index"], 0);
  EXPECT_EQ(thermo["manual"]["index"], 1);
  EXPECT_EQ(thermo["s1"], 254);
  EXPECT_EQ(thermo["s2"], 199);
  const auto rtd = Json("rtd --settings " + kFixture);
  EXPECT_EQ(rtd["s1"], 78);
  EXPECT_EQ(rtd["s2"], 185);
  const auto frq = Json("frq --settings " + kFixture);
  EXPECT_EQ(frq["mode"]["index"], 1);
  EXPECT_EQ(frq["lowerText"], "50");
  EXPECT_EQ(frq["upperText"], "1230");
  EXPECT_EQ(frq["output"]["index"], 2);
  const CliRun dc = RunCli("dc --settings " + kFixture);
  EXPECT_EQ(dc.status, 0) << dc.output;
  EXPECT_NE(dc.output.find("Output:        -10 .. 10 V"), std::string::npos) << dc.output;
  EXPECT_NE(dc.output.find("two steps"), std::string::npos);
}

TEST(SettingsOption, OptionsGivenOverrideTheStoredChoices) {
  const auto j = Json("thermo --settings " + kFixture + " --type K --output 0-10V");
  EXPECT_EQ(j["type"]["index"], 0);
  EXPECT_EQ(j["start"]["text"], "0°C / 32°F");  // the stored start is still offered for K
  EXPECT_EQ(j["end"]["text"], "250°C / 482°F");
  EXPECT_EQ(j["output"]["index"], 0);
  EXPECT_EQ(j["manual"]["index"], 1);
  // The stored note goes onto the document unless one is given.
  const std::string pdf = testing::TempDir() + "settings-note.pdf";
  const CliRun run =
      RunCli("thermo --settings " + kFixture + " --date 24.12.2026 --pdf " + pdf + " && pdftotext " + pdf + " -");
  EXPECT_EQ(run.status, 0) << run.output;
  EXPECT_NE(run.output.find("Kessel 3"), std::string::npos) << run.output;
}

TEST(SettingsOption, WithoutOutValueNothingButTheDcKeyIsTaken) {
  const std::string file = Written(
      "no-outvalue.ini", "[Software]\nZantrel\\Setrix\\DC\\Language=1\nZantrel\\Setrix\\Thermo\\Input=1\n");
  const CliRun run = RunCli("thermo --settings " + file + " --json", true);
  EXPECT_EQ(run.status, 0);
  EXPECT_NE(run.output.find("warning: " + file + " holds no DC/OutValue"), std::string::npos) << run.output;
  EXPECT_NE(run.output.find("\"index\": -1"), std::string::npos);
}

TEST(SettingsOption, BadFilesAndValuesAreNamed) {
  const std::string outValue = "[Software]\nZantrel\\Setrix\\DC\\OutValue=1\n";
  struct Case {
    std::string command;
    std::string file;  // "" : a file that does not exist
    std::string message;
  } cases[] = {
      {"thermo", "", "missing.ini: cannot read the settings file (No such file or directory)"},
      {"thermo", "[Software\nZantrel\\Setrix\\DC\\OutValue=1\n",
       "line 1: the group \"[Software\" is not closed; a group reads [Software]"},
      {"rtd", "just words\n", "line 1: \"just words\" is no value; a value reads NAME=VALUE"},
      {"thermo", outValue + "Zantrel\\Setrix\\Thermo\\Min=low\n",
       "line 3, value Thermo/Min = \"low\": cannot be used; it takes an integer: the item index of the list"},
      {"rtd", outValue + "Zantrel\\Setrix\\RTD\\Input=@ByteArray(\\0)\n",
       "line 3, value RTD/Input = \"@ByteArray(\\0)\": cannot be used; it takes an integer"},
      {"frq", outValue + "Zantrel\\Setrix\\Frequency\\Max=" + std::string(33, '1') + "\n",
       "value Frequency/Max = \"" + std::string(33, '1') +
           "\": cannot be used; it takes a text: the upper frequency"},
      {"thermo", outValue + "Zantrel\\Setrix\\Thermo\\UserText=" + std::string(60, 'x') + "\n",
       "value Thermo/UserText: --note: at most 48 characters, not 60"},
      {"frq", outValue + "Zantrel\\Setrix\\Frequency\\Mode=1\nZantrel\\Setrix\\Frequency\\Min=5a\n",
       "value Frequency/Min: \"5a\" cannot be typed into the entry; it takes the digits 0 to 9"},
  };
  int n = 0;
  for (const Case& c : cases) {
    const std::string file = c.file.empty() ? testing::TempDir() + "missing.ini"
                                            : Written("bad" + std::to_string(++n) + ".ini", c.file);
    const CliRun run = RunCli(c.command + " --settings " + file, true);
    EXPECT_EQ(run.status, 2) << c.message;
    EXPECT_NE(run.output.find(file), std::string::npos) << run.output;
    EXPECT_NE(run.output.find(c.message), std::string::npos) << run.output;
  }
  // A value the desktop program's window uses only does not stop a module command.
  const std::string file = Written("bad-top.ini", outValue + "Zantrel\\Setrix\\DC\\Top=high\n");
  EXPECT_EQ(RunCli("thermo --settings " + file).status, 0);
}

}  // namespace
