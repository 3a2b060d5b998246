// setrix-cli dc, run as a program.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>

namespace {

struct CliRun {
  int status = -1;
  std::string out;
  std::string err;
};

// Runs setrix-cli with `args` (already quoted for the shell) under the environment settings
// `env` ("LC_ALL=C" by default, so the locale's separator is ".").
CliRun RunCli(const std::string& args, const std::string& env = "LC_ALL=C") {
  static int counter = 0;
  const auto errFile = std::filesystem::temp_directory_path() /
                       ("setrix_dc_cli_" + std::to_string(getpid()) + "_" + std::to_string(counter++) + ".err");
  const std::string command =
      "env " + env + " \"" + SETRIX_CLI_PATH + "\" " + args + " 2>\"" + errFile.string() + "\"";
  CliRun run;
  FILE* pipe = popen(command.c_str(), "r");
  if (pipe == nullptr) return run;
  char buffer[4096];
  std::size_t n;
  while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0) run.out.append(buffer, n);
  const int raw = pclose(pipe);
  run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  std::ifstream in(errFile);
  std::stringstream ss;
  ss << in.rdbuf();
  run.err = ss.str();
  std::filesystem::remove(errFile);
  return run;
}

const std::string kLiveZeroTask = "dc --in-min 4 --in-max 20 --in-unit mA --out-min 0 --out-max 10 --out-unit V";

}  // namespace

TEST(DcCommand, LiveZeroToTenVolts) {
  const CliRun run = RunCli(kLiveZeroTask + " --bandwidth 10Hz --json");
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.err, "");
  const auto j = nlohmann::json::parse(run.out);
  EXPECT_EQ(j["module"], "dc");
  EXPECT_EQ(j["check"], "Ok");
  EXPECT_EQ(j["evalIndex"], 0);
  EXPECT_EQ(j["s1"], 15);
  EXPECT_EQ(j["s2"], 25);
  EXPECT_EQ(j["s3"], 7);
  EXPECT_EQ(j["gain"].get<double>(), 625.0);
  EXPECT_EQ(j["inStart"].get<double>(), 0.004);  // full precision, in A
  EXPECT_EQ(j["inEnd"].get<double>(), 0.02);
  EXPECT_EQ(j["inIsCurrent"], true);
  EXPECT_EQ(j["outIsCurrent"], false);
  // 16 input rows of 6 output cells, each with every field
  ASSERT_EQ(j["matrix"].size(), 16u);
  for (const auto& row : j["matrix"]) {
    ASSERT_EQ(row.size(), 6u);
    for (const auto& cell : row)
      for (const char* key :
           {"allowed", "zeroPot", "spanPot", "zeroPercent", "spanRatio", "zeroStep", "nativeGain", "markers"})
        ASSERT_TRUE(cell.contains(key)) << key;
  }
  EXPECT_EQ(j["matrix"][15][0]["markers"], "");
  EXPECT_EQ(j["matrix"][0][0]["markers"].get<std::string>().substr(0, 2), "AE");
  const auto& first = j["evalList"].at(0);
  EXPECT_EQ(first["inIndex"], 15);
  EXPECT_EQ(first["outIndex"], 0);
  EXPECT_EQ(first["zeroPercent"].get<double>(), 0.0);
  // the default bandwidth "> 10 kHz" leaves S3 switch 3 off
  const auto fast = nlohmann::json::parse(RunCli(kLiveZeroTask + " --json").out);
  EXPECT_EQ(fast["s3"], 3);
}

TEST(DcCommand, JsonNumbersKeepFullPrecision) {
  const CliRun run = RunCli(
      "dc --in-min 0 --in-max 7 --in-unit V --out-min 0 --out-max 10 "
      "--out-unit V --json --decimal-separator ,");
  ASSERT_EQ(run.status, 0) << run.err;
  const auto j = nlohmann::json::parse(run.out);  // the separator never reaches JSON
  EXPECT_EQ(j["gain"].get<double>(), 10.0 / 7.0);
  EXPECT_EQ(j["evalList"][0]["spanPot"], true);
}

TEST(DcCommand, RefusedTasksAreAnswers) {
  struct Case {
    std::string args;
    const char* check;
    bool flags;    // inReversed ... present
    bool results;  // matrix ... present
  };
  const Case cases[] = {
      {"--in-min abc --in-max 20 --in-unit mA --out-min 0 --out-max 10 --out-unit V", "EntryError", false, false},
      {"--in-min '' --in-max 20 --in-unit mA --out-min 0 --out-max 10 --out-unit V", "EntryError", false, false},
      {"--in-min 5 --in-max 5 --in-unit V --out-min 0 --out-max 10 --out-unit V", "InputSpanTooShort", true,
       false},
      {"--in-min 0 --in-max 250 --in-unit V --out-min 0 --out-max 10 --out-unit V", "InputRangeTooLarge", true,
       false},
      {"--in-min 0 --in-max 1 --in-unit mV --out-min 0 --out-max 10 --out-unit V", "GainOutOfRange", true, false},
      // valid, but no combination of ranges can do it
      {"--in-min 4 --in-max 20 --in-unit mA --out-min -10 --out-max 10 --out-unit V", "Ok", true, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.args);
    const CliRun run = RunCli("dc " + c.args + " --json");
    ASSERT_EQ(run.status, 0) << run.err;
    const auto j = nlohmann::json::parse(run.out);
    EXPECT_EQ(j["check"], c.check);
    EXPECT_EQ(j.contains("inReversed"), c.flags);
    EXPECT_EQ(j.contains("outIsCurrent"), c.flags);
    EXPECT_EQ(j.contains("matrix"), c.results);
    EXPECT_EQ(j.contains("evalIndex"), c.results);
    EXPECT_EQ(j["s1"], -1);
    EXPECT_EQ(j["s2"], -1);
    EXPECT_EQ(j["s3"], -1);
    if (c.results) {
      EXPECT_TRUE(j["evalList"].empty());
    }
  }
}

TEST(DcCommand, EntriesReachTheCalculationAsTyped) {
  // sign, exponent, both separators and negative values in either option form
  const CliRun a = RunCli(
      "dc --in-min +0 --in-max 1e1 --in-unit V --out-min=-10 --out-max 0,0 "
      "--out-unit V --json");
  const CliRun b = RunCli(
      "dc --in-min 0 --in-max 10 --in-unit V --out-min -10 --out-max 0.0 "
      "--out-unit V --json");
  ASSERT_EQ(a.status, 0) << a.err;
  ASSERT_EQ(b.status, 0) << b.err;
  const auto ja = nlohmann::json::parse(a.out), jb = nlohmann::json::parse(b.out);
  EXPECT_EQ(ja["check"], "Ok");
  EXPECT_EQ(ja["outStart"].get<double>(), -10.0);
  EXPECT_EQ(ja, jb);
}

TEST(DcCommand, BadCommandLinesNameTheOptionAndWhatItTakes) {
  struct Case {
    std::string args;
    std::vector<std::string> inMessage;
  };
  const std::string rest = " --out-min 0 --out-max 10 --out-unit V";
  const Case cases[] = {
      {"dc --in-min 4 --in-max 20 --in-unit A" + rest, {"--in-unit", "mA|mV|V"}},
      {"dc --in-min 4 --in-max 20 --in-unit mA --out-min 0 --out-max 10 --out-unit mV", {"--out-unit", "mA|V"}},
      {"dc --in-min 4 --in-max 20 --in-unit mA" + rest + " --bandwidth 1kHz", {"--bandwidth", "10Hz|10kHz"}},
      {"dc --in-min 4 --in-max 20 --in-unit mA" + rest + " --decimal-separator ';'",
       {"--decimal-separator", ".|,"}},
      {"dc --in-max 20 --in-unit mA" + rest, {"--in-min", "missing"}},
      {"dc --in-min 4 --in-max 20" + rest, {"--in-unit", "mA|mV|V"}},
      {"dc --in-min 4 --in-max 20 --in-unit mA --out-min 0 --out-max 10", {"--out-unit", "mA|V"}},
      {"dc --in-min 4 --in-max 20 --in-unit mA" + rest + " --gain 3",
       {"--gain", "--in-min", "--bandwidth", "--json"}},
      {"dc --in-min 4 --in-max 20 --in-unit mA" + rest + " extra", {"extra", "--in-min"}},
      {"dc --in-min 4 --in-max 20 --in-unit mA" + rest + " --in-min", {"--in-min"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.args);
    const CliRun run = RunCli(c.args + " --json");
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.out, "") << "nothing on standard output";
    for (const auto& part : c.inMessage) EXPECT_NE(run.err.find(part), std::string::npos) << run.err;
  }
}

TEST(DcCommand, ReadableOutput) {
  const CliRun run = RunCli(kLiveZeroTask + " --bandwidth 10Hz");
  ASSERT_EQ(run.status, 0) << run.err;
  const std::string& out = run.out;
  for (const char* part : {"Input:         4 .. 20 mA", "Output:        0 .. 10 V", "Bandwidth:     < 10 Hz",
                           "Input range:   4..20 mA", "Output range:  0..10V", "Zero step:     0 %",
                           "Trimming:      none", "S1 (value 15)", "S2 (value 25)", "S3 (value 7)"})
    EXPECT_NE(out.find(part), std::string::npos) << part << "\n" << out;
  // S2 = 25: switches 1, 4 and 5 ON
  EXPECT_NE(out.find("S2 (value 25)\n      1  2  3  4  5\n"
                     "ON    \u25A0  \u00B7  \u00B7  \u25A0  \u25A0\n"
                     "OFF   \u00B7  \u25A0  \u25A0  \u00B7  \u00B7\n"),
            std::string::npos)
      << out;

  const CliRun refused = RunCli(
      "dc --in-min 5 --in-max 5 --in-unit V --out-min 0 --out-max 10 "
      "--out-unit V");
  ASSERT_EQ(refused.status, 0);
  EXPECT_NE(refused.out.find("Sorry, this setting is invalid:\n"), std::string::npos);
  EXPECT_NE(refused.out.find("Input span too short."), std::string::npos);
  EXPECT_NE(refused.out.find("no setting"), std::string::npos);
  EXPECT_EQ(refused.out.find('\r'), std::string::npos);

  const CliRun illegal = RunCli(
      "dc --in-min x --in-max 5 --in-unit V --out-min 0 --out-max 10 "
      "--out-unit V");
  EXPECT_NE(illegal.out.find("Incomplete or illegal input"), std::string::npos);
}

TEST(DcCommand, DecimalSeparatorOfTheReadableNumbers) {
  const std::string task = "dc --in-min 0 --in-max 7 --in-unit V --out-min 0 --out-max 10 --out-unit V";
  EXPECT_NE(RunCli(task).out.find("Gain:          1.4286"), std::string::npos);
  EXPECT_NE(RunCli(task + " --decimal-separator ,").out.find("Gain:          1,4286"), std::string::npos);
  EXPECT_NE(RunCli(task + " --decimal-separator .", "LC_ALL=C").out.find("1.4286"), std::string::npos);
}
