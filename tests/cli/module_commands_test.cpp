// setrix-cli thermo, rtd and frq, run as a program.
#include <gtest/gtest.h>

#include <cstdio>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "run_cli.h"

namespace {

using setrix::test::CliRun;
using setrix::test::RunCli;

nlohmann::json RunJson(const std::string& args) {
  const CliRun run = RunCli(args + " --json");
  EXPECT_EQ(run.status, 0) << args;
  return nlohmann::json::parse(run.output);
}

TEST(ThermoCommand, WorkedExampleAsJson) {
  const auto j = RunJson("thermo --type K --start 0 --end 400 --output 4-20mA --filter on");
  EXPECT_EQ(j["module"], "thermo");
  EXPECT_EQ(j["complete"], true);
  EXPECT_EQ(j["documentable"], true);
  EXPECT_EQ(j["s1"], 127);
  EXPECT_EQ(j["s2"], 211);
  EXPECT_EQ(j["type"]["index"], 0);
  EXPECT_EQ(j["type"]["text"], "Thermocouple type K");
  EXPECT_EQ(j["type"]["items"].size(), 8u);
  EXPECT_EQ(j["start"]["items"][0], (nlohmann::json{{"text", "0°C / 32°F"}, {"value", 0}, {"code", 120}}));
  EXPECT_EQ(j["end"]["text"], "400°C / 752°F");
  EXPECT_EQ(j["end"]["style"], "list");
  EXPECT_EQ(j["manual"]["text"], "off");  // the default
  EXPECT_EQ(j["outputTerminalsText"], "Terminal 7: Output 4 .. 20 mA\r\nTerminal 9: Gnd");
  EXPECT_EQ(j["settingsCaption"], "Settings");
}

TEST(ThermoCommand, PartialTaskShowsPromptsAndNoSetting) {
  const auto j = RunJson("thermo --type T --lang de");
  EXPECT_EQ(j["start"]["style"], "list");
  EXPECT_EQ(j["start"]["index"], -1);
  EXPECT_EQ(j["start"]["text"], "Bitte wählen...");
  EXPECT_EQ(j["start"]["items"].size(), 14u);
  EXPECT_EQ(j["end"]["style"], "simple");
  EXPECT_EQ(j["end"]["items"].size(), 0u);
  EXPECT_EQ(j["end"]["text"], "Zuerst Anfangswert angeben...");
  EXPECT_EQ(j["complete"], false);
  EXPECT_EQ(j["s1"], -1);
  EXPECT_EQ(j["inputTerminalsText"], "");
}

TEST(ModuleCommands, ValuesNotOfferedAreCommandLineErrors) {
  struct Case {
    const char* args;
    std::vector<const char*> mentions;  // parts of the message: the option and what it offers
  };
  const Case cases[] = {
      {"thermo --type T --start 500", {"--start", "0, -10, -20", "250"}},
      {"thermo --start 0", {"--start", "Choose input first..."}},
      {"thermo --type B --start 50 --end 10", {"--end", "150, 200", "1820"}},
      {"thermo --type X", {"--type", "K"}},
      {"rtd --type potentiometer --start 90", {"--start", "0, 10, 20, 25", "80"}},
      {"rtd --type resistor --start 25 --end 81", {"--end", "45, 50", "87.5"}},
      {"rtd --response medium", {"--response", "slow"}},
      {"frq --mode 0-fmax --upper -50", {"--upper", "digits"}},
      {"frq --output 0-24mA", {"--output", "4-20mA"}},
  };
  for (const Case& c : cases) {
    const CliRun run = RunCli(c.args, true);
    EXPECT_EQ(run.status, 2) << c.args << "\n" << run.output;
    for (const char* part : c.mentions)
      EXPECT_NE(run.output.find(part), std::string::npos) << c.args << ": " << part << "\n" << run.output;
  }
}

TEST(RtdCommand, PotentiometerFromFiftyOffersSevenEnds) {
  const auto j = RunJson("rtd --type potentiometer --start 50");
  std::vector<double> values;
  for (const auto& item : j["end"]["items"]) values.push_back(item["value"].get<double>());
  EXPECT_EQ(values, (std::vector<double>{70, 75, 80, 85, 90, 95, 100}));
  EXPECT_EQ(j["end"]["items"][6]["text"], "100%");
  EXPECT_EQ(j["end"]["text"], "Please choose...");
  EXPECT_EQ(j["unitText"], "%");
  EXPECT_EQ(j["wiringPicture"], "");
}

TEST(RtdCommand, WorkedExampleAndDecimalSeparator) {
  auto j = RunJson("rtd --type pt100-3wire --start -50 --end 100 --output 0-10V --response slow --manual off");
  EXPECT_EQ(j["s1"], 78);
  EXPECT_EQ(j["s2"], 185);
  EXPECT_EQ(j["wiringPicture"], "Image3W");
  EXPECT_EQ(j["response"]["text"], "slow 2.2s");

  j = RunJson("rtd --type resistor --start 25 --end 87,5 --decimal-separator ,");
  EXPECT_EQ(j["end"]["text"], "87,5 Ohm");
  EXPECT_EQ(j["end"]["items"][9]["value"], 87.5);
  EXPECT_EQ(j["response"]["items"][0], "slow 2,2s");
}

TEST(FrqCommand, WorkedExampleWithEveryStep) {
  const auto j = RunJson("frq --mode fmin-fmax --lower 50 --upper 1234 --output 4-20mA");
  EXPECT_EQ(j["module"], "frq");
  EXPECT_EQ(j["upperText"], "1230");
  EXPECT_EQ(j["lowerText"], "50");
  EXPECT_EQ(j["stepCount"], 2);
  EXPECT_EQ(j["documentable"], true);
  EXPECT_EQ(j["stepButtons"], (nlohmann::json{"&1. Step", "&2. Step"}));
  EXPECT_EQ(j["stepLine"], "The desired setting takes place in two steps. Follow the instructions step by step. ");
  ASSERT_EQ(j["steps"].size(), 2u);
  EXPECT_EQ(j["steps"][0]["s1"], 10);
  EXPECT_EQ(j["steps"][0]["s2"], 38);
  EXPECT_EQ(j["steps"][1]["s1"], 195);
  EXPECT_EQ(j["steps"][1]["s2"], 41);
  EXPECT_EQ(j["steps"][1]["paragraphs"][0],
            (nlohmann::json{{"style", "heading"}, {"text", "2. Step (Setting the upper frequency)"}}));
  EXPECT_EQ(j["steps"][1]["paragraphs"][2]["style"], "bullet");
  EXPECT_EQ(j["mode"]["text"], "fmin ..  fmax");
}

TEST(FrqCommand, IncompleteTasks) {
  auto j = RunJson("frq --lower 50 --upper 100");  // no mode: the entries are emptied
  EXPECT_EQ(j["lowerText"], "");
  EXPECT_EQ(j["mode"]["text"], "Please choose...");
  EXPECT_EQ(j["steps"].size(), 0u);
  EXPECT_EQ(j["stepLine"], "");

  j = RunJson("frq --mode special --output 0-5V");
  EXPECT_EQ(j["stepCount"], 3);
  EXPECT_EQ(j["steps"][2]["s1"], 0);
  EXPECT_EQ(j["steps"][2]["s2"], 15 | 240);
}

TEST(ModuleCommands, ReadableOutputShowsListsBanksAndInstructions) {
  CliRun run = RunCli("thermo --type K --start 0 --end 400 --output 4-20mA --filter on");
  ASSERT_EQ(run.status, 0);
  for (const char* part : {"Input: Thermocouple type K", "offered:", "S1", "Settings",
                           "Terminal 1: Thermocouple type K; positive branch\n"})
    EXPECT_NE(run.output.find(part), std::string::npos) << part << "\n" << run.output;
  EXPECT_EQ(run.output.find('\r'), std::string::npos);

  run = RunCli("frq --mode special --output 4-20mA");
  ASSERT_EQ(run.status, 0);
  for (const char* part :
       {"1. Step (Saving the lower frequency)", "3. Step", "  * Ready.", "Terminal 5: Output 4 .. 20 mA"})
    EXPECT_NE(run.output.find(part), std::string::npos) << part << "\n" << run.output;
}

}  // namespace
