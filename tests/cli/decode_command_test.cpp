// setrix-cli decode and the --found-s1/--found-s2/--found-s3 check, run as a program.
#include <gtest/gtest.h>

#include <cstdio>
#include <nlohmann/json.hpp>
#include <string>

#include "run_cli.h"

namespace {

using setrix::test::CliRun;
using setrix::test::RunCli;

nlohmann::json RunJson(const std::string& args) {
  const CliRun run = RunCli(args + " --json");
  EXPECT_EQ(run.status, 0) << args;
  return nlohmann::json::parse(run.output);
}

TEST(DecodeCommand, DcNamesTheSettingWithTheDcCommandsFields) {
  const auto j = RunJson("decode dc --s1 15 --s2 25 --s3 7");
  EXPECT_EQ(j["module"], "dc");
  EXPECT_EQ(j["setting"], (nlohmann::json{{"inIndex", 15},
                                          {"outIndex", 0},
                                          {"zeroStep", 0},
                                          {"zeroPot", false},
                                          {"spanPot", false},
                                          {"bandwidth", 0}}));
  EXPECT_EQ(j["produced"], true);
  EXPECT_EQ(j["lines"][0], (nlohmann::json{{"key", "inIndex"}, {"caption", "Input"}, {"text", "4..20 mA"}}));
  EXPECT_TRUE(j["problems"].empty());
}

TEST(DecodeCommand, BankValuesInEveryAcceptedForm) {
  for (const char* s1 : {"143", "0x8F", "0x8f", "on:1,2,3,4,8", "on:8,4,3,2,1"}) {
    const auto j = RunJson(std::string("decode dc --s1 ") + s1 + " --s2 on:1 --s3 on:1,2");
    EXPECT_EQ(j["s1"], 143) << s1;
    EXPECT_EQ(j["s2"], 1) << s1;
    EXPECT_EQ(j["s3"], 3) << s1;
    EXPECT_EQ(j["twoStep"], 2) << s1;
  }
}

TEST(DecodeCommand, BadCommandLinesExitWithStatusTwoAndSayWhatIsAccepted) {
  struct Case {
    const char* args;
    const char* option;
  };
  const Case cases[] = {
      {"decode dc --s1 1024 --s2 0 --s3 0", "--s1"},
      {"decode dc --s1 0x400 --s2 0 --s3 0", "--s1"},
      {"decode dc --s1 0 --s2 32 --s3 0", "--s2"},
      {"decode dc --s1 0 --s2 0 --s3 on:4", "--s3"},
      {"decode thermo --s1 on:1,,2 --s2 0", "--s1"},
      {"decode thermo --s1 on:1, --s2 0", "--s1"},
      {"decode rtd --s1 12abc --s2 0", "--s1"},
      {"decode frq --s1 0 --s2 0x", "--s2"},
      {"decode dc --s1 0 --s2 0", "--s3"},  // missing
      {"dc --in-min 4 --in-max 20 --in-unit mA --out-min 0 --out-max 10 --out-unit V "
       "--found-s1 15 --found-s2 25",
       "--found-s3"},
      {"thermo --type K --found-s1 300 --found-s2 0", "--found-s1"},
  };
  for (const Case& c : cases) {
    const CliRun run = RunCli(c.args, true);
    EXPECT_EQ(run.status, 2) << c.args;
    EXPECT_NE(run.output.find(c.option), std::string::npos) << c.args << "\n" << run.output;
    EXPECT_NE(run.output.find("on:1,2,3"), std::string::npos) << c.args << "\n" << run.output;
  }
  EXPECT_EQ(RunCli("decode thermo --s1 0 --s2 0 --s3 0").status, 2);  // no third bank
  EXPECT_EQ(RunCli("decode").status, 2);
}

TEST(DecodeCommand, AnImpossiblePatternIsAnAnswer) {
  const CliRun run = RunCli("decode dc --s1 0x67 --s2 26 --s3 7");
  EXPECT_EQ(run.status, 0);
  EXPECT_NE(run.output.find("Output:              ?\n"), std::string::npos) << run.output;
  EXPECT_NE(run.output.find("No setting of the program gives these switches:\n"
                            "  - S1 switches 5 to 7 give no valid value for: Output\n"),
            std::string::npos)
      << run.output;
  const auto j = RunJson("decode dc --s1 0x67 --s2 26 --s3 7");
  EXPECT_EQ(j["produced"], false);
  EXPECT_TRUE(j["setting"]["outIndex"].is_null());
  EXPECT_EQ(j["problems"][0]["switches"].size(), 3u);
}

TEST(DecodeCommand, TemperatureAndFrequencyReadings) {
  const auto thermo = RunJson("decode thermo --s1 127 --s2 211 --lang de");
  EXPECT_EQ(thermo["setting"]["type"], (nlohmann::json{{"index", 0}, {"text", "Thermoelement Typ K"}}));
  EXPECT_EQ(thermo["setting"]["end"], (nlohmann::json{{"text", "400°C"}, {"value", 400}, {"code", 19}}));
  EXPECT_EQ(thermo["setting"]["filter"]["index"], 0);

  const auto rtd = RunJson("decode rtd --s1 78 --s2 185 --decimal-separator ,");
  EXPECT_EQ(rtd["setting"]["start"]["value"], -50);
  EXPECT_EQ(rtd["setting"]["response"]["text"], "slow 2,2s");

  const auto frq = RunJson("decode frq --s1 10 --s2 38");
  EXPECT_EQ(frq["setting"], (nlohmann::json{{"mode", {{"index", 1}, {"text", "fmin ..  fmax"}}},
                                            {"step", 1},
                                            {"lowerText", "50"},
                                            {"upperText", nullptr},
                                            {"output", {{"index", 3}, {"text", "4 .. 20 mA"}}}}));
}

TEST(FoundOptions, ModuleCommandsCheckTheTaskAgainstTheSwitchesFound) {
  const std::string dc =
      "dc --in-min 4 --in-max 20 --in-unit mA --out-min 0 --out-max 10 --out-unit V "
      "--bandwidth 10Hz ";
  const auto same = RunJson(dc + "--found-s1 15 --found-s2 25 --found-s3 7");
  EXPECT_EQ(same["check"]["matches"], true);
  EXPECT_EQ(same["s1"], 15);  // the command's own output stays as it was

  const auto off = RunJson(dc + "--found-s1 on:1,2,3,4,5 --found-s2 25 --found-s3 7");
  EXPECT_EQ(off["check"]["levers"], (nlohmann::json::array({{{"bank", 1}, {"switch", 5}, {"set", "OFF"}}})));

  const CliRun text = RunCli(dc + "--found-s1 31 --found-s2 25 --found-s3 7");
  EXPECT_EQ(text.status, 0);
  EXPECT_NE(text.output.find("\nSwitches found: S1 = 31, S2 = 25, S3 = 7\nLevers to move:\n"
                             "  S1 switch 5: set to OFF\n"),
            std::string::npos)
      << text.output;

  const auto thermo = RunJson(
      "thermo --type K --start 0 --end 400 --output 4-20mA --filter on --found-s1 127 "
      "--found-s2 210");
  EXPECT_EQ(thermo["check"]["lines"], (nlohmann::json::array({"Levers to move:", "S2 switch 1: set to ON"})));
  const auto rtd = RunJson(
      "rtd --type pt100-3wire --start -50 --end 100 --output 0-10V --response slow "
      "--found-s1 78 --found-s2 185");
  EXPECT_EQ(rtd["check"]["matches"], true);
  const auto frq =
      RunJson("frq --mode fmin-fmax --lower 50 --upper 1234 --output 4-20mA --found-s1 10 --found-s2 38");
  EXPECT_EQ(frq["check"]["lines"].back(), "The switches show step 1 of 2.");
  const auto incomplete = RunJson("thermo --type K --found-s1 0 --found-s2 0");
  EXPECT_EQ(incomplete["check"]["hasSetting"], false);
}

}  // namespace
