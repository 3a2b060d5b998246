// Output that cannot be delivered is a failure: every command whose standard output is full
// or closed exits with status 1 and says so on standard error.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace {

namespace fs = std::filesystem;

struct RunResult {
  int status = -1;
  std::string err;
};

// Runs setrix-cli with `args`; `redirect` is the shell's redirection of standard output.
RunResult RunCli(const std::string& args, const std::string& redirect) {
  const std::string command = std::string("\"") + SETRIX_CLI_PATH + "\" " + args + " 2>&1 " + redirect;
  RunResult result;
  FILE* pipe = popen(command.c_str(), "r");
  if (pipe == nullptr) return result;
  char buffer[4096];
  std::size_t n;
  while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0) result.err.append(buffer, n);
  const int raw = pclose(pipe);
  result.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  return result;
}

const fs::path& Dir() {
  static const fs::path dir = [] {
    const fs::path d = fs::temp_directory_path() / ("setrix_stdout_" + std::to_string(::getpid()));
    fs::create_directories(d);
    return d;
  }();
  return dir;
}

const char* const kCommands[] = {
    "texts --json",
    "texts --lang de",
    "dc --in-min 4 --in-max 20 --in-unit mA --out-min 0 --out-max 10 --out-unit V --json",
    "dc --in-min 4 --in-max 20 --in-unit mA --out-min 0 --out-max 10 --out-unit V",
    "thermo --type K --start 0 --end 400 --output 4-20mA --filter on --manual off --json",
    "rtd --type pt100-3wire",
    "frq --mode fmin-fmax --lower 50 --upper 1234 --output 4-20mA",
    "dc --help",
};

TEST(StandardOutput, FullDiskIsAFailure) {
  if (!fs::exists("/dev/full")) GTEST_SKIP() << "no /dev/full";
  for (const char* args : kCommands) {
    SCOPED_TRACE(args);
    const RunResult run = RunCli(args, ">/dev/full");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "setrix-cli: cannot write standard output: No space left on device\n");
  }
}

TEST(StandardOutput, ClosedOutputIsAFailure) {
  for (const char* args : kCommands) {
    SCOPED_TRACE(args);
    const RunResult run = RunCli(args, ">&-");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "setrix-cli: cannot write standard output: Bad file descriptor\n");
  }
}

TEST(StandardOutput, FilesNeverTakeTheTerminalsPlace) {
  // With standard output closed, the first file the program opens would get its number and
  // the terminal text with it; the documents and pictures stay clean.
  const fs::path pdf = Dir() / "doc.pdf";
  const fs::path picture = Dir() / "bank.ppm";
  RunResult run = RunCli("thermo --type K --start 0 --end 400 --output 4-20mA --filter on --manual off --pdf " +
                             pdf.string() + " --date 1.1.2027",
                         ">&-");
  EXPECT_EQ(run.status, 1) << run.err;
  run = RunCli("bank --count 8 --alignment 0 --value 1 --out " + picture.string(), ">&-");
  EXPECT_EQ(run.status, 1) << run.err;
  for (const fs::path& file : {pdf, picture}) {
    std::ifstream in(file, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    const std::string bytes = s.str();
    EXPECT_TRUE(bytes.rfind("%PDF-1.2", 0) == 0 || bytes.rfind("P6", 0) == 0) << file;
    EXPECT_EQ(bytes.find("offered:"), std::string::npos) << file;
    EXPECT_EQ(bytes.find("pixels"), std::string::npos) << file;
  }
  fs::remove_all(Dir());
}

TEST(StandardOutput, FailedCommandsKeepTheirStatus) {
  // A bad command line stays status 2, whatever happens to standard output.
  const RunResult run = RunCli("texts --lang xx", ">/dev/full");
  EXPECT_EQ(run.status, 2);
}

}  // namespace
