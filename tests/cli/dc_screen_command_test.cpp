// setrix-cli dc: what the DC screen shows for a task (instructions, two steps, service tables).
#include <gtest/gtest.h>

#include <cstdio>
#include <nlohmann/json.hpp>
#include <string>

#include "run_cli.h"

namespace {

using setrix::test::CliRun;

// With the locale's separator ".".
CliRun RunCli(const std::string& args, bool withErrors = false) {
  return setrix::test::RunCli(args, withErrors, "LC_ALL=C");
}

nlohmann::json Json(const std::string& args) {
  const CliRun run = RunCli("dc " + args + " --json");
  EXPECT_EQ(run.status, 0) << run.output;
  return nlohmann::json::parse(run.output);
}

const std::string kSpanTask = "--in-min 0 --in-max 7 --in-unit V --out-min 0 --out-max 10 --out-unit V";
const std::string kTwoStepTask = "--in-min 4 --in-max 20 --in-unit mA --out-min -10 --out-max 10 --out-unit V";
const char* kScreenKeys[] = {"LabelEinstellungenDC", "Label1HelpDC",    "Label2IndexDC",
                             "Label2HelpDC",         "Label3IndexDC",   "Label3HelpDC",
                             "LabelSpecIndexDC",     "LabelSpecHelpDC", "Label4HelpDC"};

}  // namespace

TEST(DcScreenCommand, SpanTaskShowsNumberedInstructionsAndServiceTables) {
  const auto j = Json(kSpanTask);
  EXPECT_EQ(j["twoStep"], false);
  EXPECT_EQ(j["helpPanelVisible"], true);
  EXPECT_EQ(j["documentable"], true);
  EXPECT_FALSE(j.contains("message"));
  EXPECT_FALSE(j.contains("steps"));
  const auto& screen = j["screen"];
  ASSERT_EQ(screen.size(), std::size(kScreenKeys));
  for (const char* key : kScreenKeys) EXPECT_TRUE(screen.contains(key)) << key;
  EXPECT_EQ(screen["Label1HelpDC"], "1. Adjust switches");
  EXPECT_EQ(screen["Label2IndexDC"], "2.");
  EXPECT_EQ(screen["Label2HelpDC"].get<std::string>().rfind("Apply 7 V to the terminals 3 (+) and 4 (-).", 0), 0u);
  EXPECT_NE(screen["Label2HelpDC"].get<std::string>().find(
                "until 10 V are measured\r\nacross the terminals 5 (+) and 6 (-)."),
            std::string::npos);

  const auto& service = j["service"];
  for (const char* grid : {"SGridDaten", "SGridSpan", "SGridZero"}) {
    ASSERT_EQ(service[grid].size(), 17u) << grid;
    for (const auto& row : service[grid]) ASSERT_EQ(row.size(), 7u) << grid;
  }
  EXPECT_EQ(service["SGridDaten"][0][0], "Eing.\\Ausg.");
  EXPECT_EQ(service["SGridSpan"][8][3], " 0.35");  // "10 V" / "0..5V"
  ASSERT_GE(service["SGridAW"].size(), 2u);
  EXPECT_EQ(service["SGridAW"][0][0], "Eingang");
  EXPECT_EQ(service["SGridAW"][1], (nlohmann::json{"10 V", "0..5V", "Nein", "    0", "Ja", " 0.35"}));
  EXPECT_EQ(service["LabelfIndex"], "fIndex = 0");
  EXPECT_EQ(service["LabelV"], "Verstärkung = 1.4286");
  EXPECT_EQ(service["LabelInU"], "Übersteuerung =     7");
  EXPECT_EQ(service["LabelInVerpolt"], "");
}

TEST(DcScreenCommand, LanguageChoosesTheScreenTexts) {
  const auto de = Json(kSpanTask + " --lang de");
  EXPECT_EQ(de["screen"]["LabelEinstellungenDC"], "Einstellungen");
  EXPECT_EQ(
      de["screen"]["Label2HelpDC"].get<std::string>().rfind("Legen Sie 7 V an die Klemmen 3 (+) und 4 (-)", 0),
      0u);
  EXPECT_EQ(de["service"]["SGridAW"][0][0], "Eingang");  // the service texts stay German

  const CliRun bad = RunCli("dc " + kSpanTask + " --lang fr", true);
  EXPECT_EQ(bad.status, 2);
  EXPECT_NE(bad.output.find("--lang"), std::string::npos) << bad.output;
  EXPECT_NE(bad.output.find("de|en|it|es"), std::string::npos) << bad.output;
}

TEST(DcScreenCommand, TwoStepTaskCarriesBothSteps) {
  const auto j = Json(kTwoStepTask + " --bandwidth 10Hz");
  EXPECT_EQ(j["check"], "Ok");  // the calculation alone finds no setting
  EXPECT_EQ(j["twoStep"], true);
  EXPECT_EQ(j["documentable"], true);
  EXPECT_EQ(j["helpPanelVisible"], false);  // no step chosen yet
  EXPECT_EQ(j["screen"]["Label2HelpDC"], "");
  ASSERT_EQ(j["steps"].size(), 2u);
  const auto& one = j["steps"][0];
  const auto& two = j["steps"][1];
  EXPECT_EQ(one["s1"], 15);
  EXPECT_EQ(one["s2"], 17);
  EXPECT_EQ(one["s3"], 7);  // switch 3 of S3 follows "< 10 Hz"
  EXPECT_EQ(two["s1"], 143);
  EXPECT_EQ(two["s2"], 1);
  EXPECT_EQ(two["s3"], 7);
  EXPECT_EQ(one["screen"]["Label2HelpDC"], "Adjust the Switches S1, S2 and S3 as shown on the left. ");
  EXPECT_EQ(one["screen"]["LabelSpecIndexDC"], "-");
  EXPECT_EQ(one["screen"]["LabelSpecHelpDC"].get<std::string>().rfind(
                "Apply 10 mA to the terminals 1 (+) and 4 (-).", 0),
            0u);
  EXPECT_EQ(
      two["screen"]["LabelSpecHelpDC"].get<std::string>().rfind("Apply 4 mA to the terminals 1 (+) and 4 (-).", 0),
      0u);
  EXPECT_EQ(one["screen"]["Label3HelpDC"], "");

  const auto fast = Json(kTwoStepTask);
  EXPECT_EQ(fast["steps"][0]["s3"], 3);
  EXPECT_EQ(fast["steps"][1]["s3"], 3);
}

TEST(DcScreenCommand, RefusedEntriesBringTheMessageBox) {
  const auto en = Json("--in-min abc --in-max 20 --in-unit mA --out-min 0 --out-max 10 --out-unit V");
  ASSERT_TRUE(en.contains("message"));
  EXPECT_EQ(en["message"]["caption"], "Error");
  EXPECT_EQ(en["message"]["text"], "Incomplete or illegal input");
  EXPECT_EQ(en["documentable"], false);
  EXPECT_EQ(en["helpPanelVisible"], false);
  const auto de = Json("--in-min '' --in-max 20 --in-unit mA --out-min 0 --out-max 10 --out-unit V --lang de");
  EXPECT_EQ(de["message"]["caption"], "Fehler");

  // A task the module cannot do is shown on the screen, not in a message box.
  const auto refused = Json("--in-min 0 --in-max 250 --in-unit V --out-min 0 --out-max 10 --out-unit V");
  EXPECT_FALSE(refused.contains("message"));
  EXPECT_EQ(refused["documentable"], false);
  EXPECT_EQ(refused["screen"]["Label2HelpDC"], "\r\nSorry, this setting is invalid:");
  EXPECT_EQ(refused["screen"]["Label3HelpDC"].get<std::string>().rfind("Input range too large.", 0), 0u);
}

TEST(DcScreenCommand, ReadableOutputWordsTheInstructionsAsTheScreen) {
  const CliRun span = RunCli("dc " + kSpanTask);
  ASSERT_EQ(span.status, 0);
  EXPECT_NE(span.output.find("On the screen:\n"
                             "  Settings\n"
                             "  1. Adjust switches\n"
                             "  2. Apply 7 V to the terminals 3 (+) and 4 (-).\n"
                             "     Adjust SPAN pot until 10 V are measured\n"
                             "     across the terminals 5 (+) and 6 (-).\n"
                             "  Terminals 7 and 8: Power supply 20 .. 253 V AC/DC\n"),
            std::string::npos)
      << span.output;

  const CliRun steps = RunCli("dc " + kTwoStepTask + " --lang it");
  ASSERT_EQ(steps.status, 0);
  EXPECT_EQ(steps.output.find('\r'), std::string::npos);
  EXPECT_NE(steps.output.find("in two steps"), std::string::npos) << steps.output;
  EXPECT_EQ(steps.output.find("Sorry"), std::string::npos) << steps.output;
  for (const char* part :
       {"La configurazione desiderata richiede due step.", "1. Passo\n", "2. Passo\n",
        "  - Impostare switch S1, S2 e switch S3 come\n    indicato a sinistra. \n",
        "  - Applicare 10 mA al polo 1 (+) e 4 (-).\n", "  - Applicare 4 mA al polo 1 (+) e 4 (-).\n",
        "S1 (value 15)", "S1 (value 143)", "S2 (value 17)", "S2 (value 1)", "S3 (value 3)"})
    EXPECT_NE(steps.output.find(part), std::string::npos) << part << "\n" << steps.output;

  const CliRun illegal = RunCli("dc --in-min x --in-max 5 --in-unit V --out-min 0 --out-max 10 --out-unit V");
  EXPECT_NE(illegal.output.find("message box \"Error\": Incomplete or illegal input"), std::string::npos)
      << illegal.output;
}
