// Every setrix-cli command run with a few thousand random argument lists (a fixed seed):
// valid and invalid options, huge and binary texts, invalid UTF-8, NaN, 1e308, -0 and
// empty "--opt=" values. Whatever the arguments, the program answers as documented:
// - exit status 0, 1 or 2, never a signal, a hang or a sanitizer report;
// - with --json and status 0, standard output is one JSON object;
// - with status 1 or 2 nothing is written, and status 2 names the option at fault.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <nlohmann/json.hpp>
#include <random>
#include <set>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

extern char** environ;

namespace {

namespace fs = std::filesystem;

struct OptionSpec {
  std::string name;
  std::vector<std::string> valid;  // empty: a flag without value
  enum Kind { Text, Flag, File } kind = Text;
};

struct CommandSpec {
  std::string name;
  std::vector<OptionSpec> options;
  std::vector<std::string> base;  // a command line that does what it says
};

std::vector<OptionSpec> ModuleOptions(std::vector<OptionSpec> own) {
  own.push_back({"--lang", {"de", "en", "it", "es"}});
  own.push_back({"--decimal-separator", {".", ","}});
  own.push_back({"--json", {}, OptionSpec::Flag});
  own.push_back({"--pdf", {"doc.pdf", "doc.Pdf"}, OptionSpec::File});
  own.push_back({"--note", {"Kessel 3", "SN 4711", "\xC3\xA4\xE2\x82\xAC"}});
  own.push_back({"--date", {"24.12.2026", "2026-12-24"}});
  return own;
}

const std::vector<CommandSpec>& Commands() {
  static const std::vector<CommandSpec> commands = {
      {"dc",
       ModuleOptions({{"--in-min", {"4", "0", "-10", "0,5", "1e3"}},
                      {"--in-max", {"20", "10", "200"}},
                      {"--in-unit", {"mA", "mV", "V"}},
                      {"--out-min", {"0", "4", "-10"}},
                      {"--out-max", {"10", "20", "5"}},
                      {"--out-unit", {"mA", "V"}},
                      {"--bandwidth", {"10Hz", "10kHz"}}}),
       {"--in-min", "4", "--in-max", "20", "--in-unit", "mA", "--out-min", "0", "--out-max", "10", "--out-unit",
        "V"}},
      {"thermo",
       ModuleOptions({{"--type", {"K", "J", "T", "E", "N", "R", "S", "B"}},
                      {"--start", {"0", "-200", "100"}},
                      {"--end", {"400", "1000", "200"}},
                      {"--output", {"0-10V", "0-20mA", "4-20mA"}},
                      {"--filter", {"on", "off"}},
                      {"--manual", {"on", "off"}}}),
       {"--type", "K", "--start", "0", "--end", "400", "--output", "4-20mA", "--filter", "on", "--manual", "off"}},
      {"rtd",
       ModuleOptions({{"--type",
                       {"pt100-2wire", "pt100-3wire", "pt100-4wire", "resistor", "ni100-2wire", "ni100-3wire",
                        "ni100-4wire", "potentiometer"}},
                      {"--start", {"0", "-50", "10"}},
                      {"--end", {"100", "200", "50"}},
                      {"--output", {"0-10V", "0-20mA", "4-20mA"}},
                      {"--response", {"slow", "fast"}},
                      {"--manual", {"on", "off"}}}),
       {"--type", "pt100-3wire", "--start", "0", "--end", "100", "--output", "0-10V", "--response", "slow",
        "--manual", "off"}},
      {"frq",
       ModuleOptions({{"--mode", {"0-fmax", "fmin-fmax", "special"}},
                      {"--lower", {"50", "0", "15,97", "1.96"}},
                      {"--upper", {"1234", "20000", "100.05", "15.999999999999989"}},
                      {"--output", {"0-5V", "0-10V", "0-20mA", "4-20mA"}}}),
       {"--mode", "fmin-fmax", "--lower", "50", "--upper", "1234", "--output", "4-20mA"}},
      {"texts", {{"--lang", {"de", "en", "it", "es"}}, {"--json", {}, OptionSpec::Flag}}, {"--lang", "it"}},
      {"bank",
       {{"--count", {"2", "8", "10"}},
        {"--alignment", {"0", "90", "180", "270"}},
        {"--value", {"13", "-1", "0x20D", "525"}},
        {"--mode", {"screen", "bitmap", "bw"}},
        {"--out", {"bank.bmp", "bank.ppm", "bank.pbm", "BANK.BMP"}, OptionSpec::File}},
       {"--count", "8", "--alignment", "0", "--value", "13", "--out", "bank.ppm"}},
  };
  return commands;
}

// Texts that have tripped programs before.
const std::vector<std::string> kAwkward = {"",
                                           " ",
                                           "-",
                                           "--",
                                           "-0",
                                           "+0",
                                           "0",
                                           "NaN",
                                           "nan",
                                           "-nan",
                                           "inf",
                                           "-inf",
                                           "Infinity",
                                           "1e308",
                                           "-1e308",
                                           "1e309",
                                           "1e-320",
                                           "4.9e-324",
                                           "0x1F",
                                           "0x",
                                           "1,5",
                                           "1.000,5",
                                           "12abc",
                                           "1e",
                                           "e5",
                                           "++1",
                                           "9999999999999999999999",
                                           "-2147483648",
                                           "2147483648",
                                           "4294967296",
                                           "\xFF\xFE",
                                           "\xC3",
                                           "\xC0\xAF",
                                           "\xED\xA0\x80",
                                           "\xE2\x82",
                                           "\t",
                                           "\r\n",
                                           "%s%n%x",
                                           "\\",
                                           "'",
                                           "\"",
                                           "=",
                                           "--json",
                                           "-h"};

class Generator {
 public:
  explicit Generator(std::uint64_t seed) : rng_(seed) {}

  int Below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng_); }
  bool Chance(int percent) { return Below(100) < percent; }
  template <class T>
  const T& Pick(const std::vector<T>& v) {
    return v[static_cast<std::size_t>(Below(static_cast<int>(v.size())))];
  }

  // Random bytes without NUL (not possible in an argument) and without "/" (every file the
  // program could write stays in the scratch folder).
  std::string Bytes(std::size_t n) {
    std::string s;
    for (std::size_t i = 0; i < n; ++i) {
      char c;
      do c = static_cast<char>(Below(255) + 1);
      while (c == '/');
      s += c;
    }
    return s;
  }

  std::string Value(const OptionSpec& o) {
    if (o.kind == OptionSpec::File) {
      static const std::vector<std::string> files = {"missing/doc.pdf",
                                                     "folder.pdf",
                                                     "folder.bmp",
                                                     "doc",
                                                     "doc.png",
                                                     ".pdf",
                                                     "x.bmp",
                                                     "y.pbm",
                                                     std::string(251, 'n') + ".pdf",
                                                     std::string(252, 'n') + ".pdf",
                                                     std::string(251, 'n') + ".bmp",
                                                     "\xFF\xFE.pdf",
                                                     "\xFF.bmp",
                                                     "a b.ppm"};
      const int r = Below(10);
      if (r < 5 && !o.valid.empty()) return Pick(o.valid);
      if (r < 9) return Pick(files);
      return Bytes(static_cast<std::size_t>(Below(12))) + (Chance(50) ? ".pdf" : ".bmp");
    }
    const int r = Below(20);
    if (r < 9 && !o.valid.empty()) return Pick(o.valid);
    if (r < 15) return Pick(kAwkward);
    if (r < 18) return Bytes(static_cast<std::size_t>(Below(40)));
    if (r < 19) return std::string(static_cast<std::size_t>(40 + Below(60)), 'x');
    return Chance(50) ? std::string(100000, '9') : Bytes(60000);  // huge
  }

  // One option in one of its written forms.
  void AddOption(std::vector<std::string>& args, const OptionSpec& o) {
    if (o.kind == OptionSpec::Flag) {
      args.push_back(o.name);
      return;
    }
    switch (Below(6)) {
      case 0: args.push_back(o.name + "="); break;  // an empty value
      case 1: args.push_back(o.name + "=" + Value(o)); break;
      default: args.push_back(o.name); args.push_back(Value(o));
    }
  }

  std::vector<std::string> Arguments(const CommandSpec& c) {
    std::vector<std::string> args;
    if (Chance(50)) {
      // A working command line, changed a little.
      args = c.base;
      const int changes = Below(3);
      for (int i = 0; i < changes; ++i) {
        const int what = Below(5);
        if (what == 0 && !args.empty()) {
          args.erase(args.begin() + Below(static_cast<int>(args.size())));
        } else if (what == 1 && !args.empty()) {
          args[static_cast<std::size_t>(Below(static_cast<int>(args.size())))] = Value(Pick(c.options));
        } else {
          AddOption(args, Pick(c.options));
        }
      }
      if (Chance(40))
        AddOption(args, *std::find_if(c.options.begin(), c.options.end(), [](const OptionSpec& o) {
                    return o.name == "--json" || o.name == "--out";
                  }));
      return args;
    }
    const int n = Below(9);
    for (int i = 0; i < n; ++i) {
      if (Chance(10)) {
        args.push_back(Chance(50) ? Pick(kAwkward) : "--" + Bytes(static_cast<std::size_t>(1 + Below(8))));
      } else {
        AddOption(args, Pick(c.options));
      }
    }
    const bool hasJson =
        std::any_of(c.options.begin(), c.options.end(), [](const OptionSpec& o) { return o.name == "--json"; });
    if (hasJson && Chance(40)) args.push_back("--json");
    if (Chance(2)) args.push_back(Chance(50) ? "--help" : "-h");
    return args;
  }

 private:
  std::mt19937_64 rng_;
};

std::string Slurp(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

// What lies in a folder, names and sizes; the folders that are there from the start count
// with their contents.
std::map<std::string, std::uintmax_t> Listing(const fs::path& dir) {
  std::map<std::string, std::uintmax_t> names;
  for (const auto& e : fs::recursive_directory_iterator(dir))
    names[fs::relative(e.path(), dir).string()] = e.is_regular_file() ? e.file_size() : 0;
  return names;
}

struct Launch {
  std::vector<std::string> args;  // without the program
  pid_t pid = -1;
  std::chrono::steady_clock::time_point started;
  int status = -1;
};

// One place for a running program: its scratch folder (the working folder) and the files
// that take its standard output and standard error.
struct Slot {
  fs::path scratch, out, err;
  std::map<std::string, std::uintmax_t> before;
  Launch run;
};

std::string Shown(const std::vector<std::string>& args) {
  std::string s;
  for (const auto& a : args) {
    std::string shown = a.size() > 60 ? a.substr(0, 60) + "...(" + std::to_string(a.size()) + " bytes)" : a;
    for (char& c : shown)
      if (static_cast<unsigned char>(c) < 32) c = '?';
    s += " '" + shown + "'";
  }
  return s;
}

class RandomCommandLines : public ::testing::Test {
 protected:
  void SetUp() override {
    char name[] = "/tmp/setrix-random-cli-XXXXXX";
    ASSERT_NE(::mkdtemp(name), nullptr);
    root_ = name;
  }
  void TearDown() override {
    std::error_code ec;
    fs::remove_all(root_, ec);
  }

  void Prepare(Slot& slot) {
    std::error_code ec;
    fs::remove_all(slot.scratch, ec);
    fs::create_directories(slot.scratch / "folder.pdf");  // a folder where a file is asked for
    fs::create_directories(slot.scratch / "folder.bmp");
    slot.before = Listing(slot.scratch);
  }

  pid_t Spawn(Slot& slot) {
    std::vector<char*> argv;
    std::string program = SETRIX_CLI_PATH;
    argv.push_back(program.data());
    for (auto& a : slot.run.args) argv.push_back(a.data());
    argv.push_back(nullptr);

    std::vector<std::string> env;
    for (char** e = environ; *e != nullptr; ++e) {
      const std::string v = *e;
      if (v.rfind("ASAN_OPTIONS=", 0) == 0 || v.rfind("UBSAN_OPTIONS=", 0) == 0) continue;
      env.push_back(v);
    }
    env.push_back("ASAN_OPTIONS=exitcode=86:detect_leaks=1:abort_on_error=0");
    env.push_back("UBSAN_OPTIONS=halt_on_error=1:exitcode=87:print_stacktrace=1");
    std::vector<char*> envp;
    for (auto& v : env) envp.push_back(v.data());
    envp.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, slot.out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_addopen(&actions, 2, slot.err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_addchdir_np(&actions, slot.scratch.c_str());
    pid_t pid = -1;
    const int r = ::posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    return r == 0 ? pid : -1;
  }

  // The checks on one finished run; failures name the command line.
  void Check(const Slot& slot) {
    const Launch& run = slot.run;
    const std::string line = Shown(run.args);
    const std::string out = Slurp(slot.out);
    const std::string err = Slurp(slot.err);
    ASSERT_TRUE(WIFEXITED(run.status)) << "ended by signal " << WTERMSIG(run.status) << ":" << line << "\n" << err;
    const int status = WEXITSTATUS(run.status);
    for (const char* report :
         {"AddressSanitizer", "LeakSanitizer", "runtime error:", "UndefinedBehaviorSanitizer"})
      ASSERT_EQ(err.find(report), std::string::npos) << line << "\n" << err;
    ASSERT_TRUE(status == 0 || status == 1 || status == 2) << "status " << status << ":" << line << "\n" << err;

    const auto has = [&](const std::string& word) {
      return std::find(run.args.begin(), run.args.end(), word) != run.args.end();
    };
    const bool help = has("--help") || has("-h");
    if (status == 0 && has("--json") && !help) {
      nlohmann::json parsed;
      EXPECT_NO_THROW(parsed = nlohmann::json::parse(out)) << line << "\n" << out.substr(0, 300);
      EXPECT_TRUE(parsed.is_object()) << line;
    }
    if (status != 0) {
      EXPECT_EQ(Listing(slot.scratch), slot.before) << "a file was written with status " << status << ":" << line;
      EXPECT_FALSE(err.empty()) << "status " << status << " without a message:" << line;
    }
    const bool asksForFile = std::any_of(run.args.begin(), run.args.end(), [](const std::string& a) {
      return a == "--pdf" || a.rfind("--pdf=", 0) == 0 || a == "--out" || a.rfind("--out=", 0) == 0;
    });
    if (status == 0 && !asksForFile) {
      EXPECT_EQ(Listing(slot.scratch), slot.before) << "a file was written without being asked for:" << line;
    }
    if (status == 2) {
      // The message names an option: one of the command's, or the word it did not take.
      bool named = false;
      for (const CommandSpec& c : Commands())
        for (const OptionSpec& o : c.options) named = named || err.find(o.name) != std::string::npos;
      for (const auto& a : run.args)
        // A one-character word counts only where the message quotes it whole; a huge one by
        // its beginning.
        if (!a.empty() && err.find(a.size() > 1 ? a.substr(0, 200) : ": " + a + "\n") != std::string::npos)
          named = true;
      EXPECT_TRUE(named) << "status 2 names no option:" << line << "\n" << err;
    }
  }

  fs::path root_;
};

TEST_F(RandomCommandLines, AnswerAsDocumented) {
  // 3000 command lines; on a slow or busy machine the run stops starting new ones after
  // about a minute (the order is shuffled, so every command still gets its share).
  constexpr int kRunsPerCommand = 500;
  constexpr int kParallel = 2;
  const auto kTimeout = std::chrono::seconds(60);
  const char* budget = std::getenv("SETRIX_RANDOM_CLI_SECONDS");  // longer runs by hand
  const auto kBudget = std::chrono::seconds(budget != nullptr ? std::atoi(budget) : 60);
  const auto begin = std::chrono::steady_clock::now();
  Generator gen(20261210);

  std::vector<Launch> queue;
  for (const CommandSpec& c : Commands())
    for (int i = 0; i < kRunsPerCommand; ++i) {
      Launch r;
      r.args.push_back(c.name);
      for (auto& a : gen.Arguments(c)) r.args.push_back(std::move(a));
      queue.push_back(std::move(r));
    }
  // Interleave the commands, so that a time-bounded run still covers each of them.
  std::shuffle(queue.begin(), queue.end(), std::mt19937_64(7));

  std::vector<Slot> slots(kParallel);
  for (int i = 0; i < kParallel; ++i) {
    slots[i].scratch = root_ / ("scratch" + std::to_string(i));
    slots[i].out = root_ / ("out" + std::to_string(i));
    slots[i].err = root_ / ("err" + std::to_string(i));
  }
  std::size_t next = 0, done = 0;
  std::vector<bool> busy(kParallel, false);
  std::map<int, int> statuses;
  std::size_t total = queue.size();
  while (done < total) {
    if (std::chrono::steady_clock::now() - begin > kBudget) total = next;  // finish what runs
    for (int i = 0; i < kParallel; ++i) {
      if (busy[i] || next >= total) continue;
      Slot& slot = slots[i];
      Prepare(slot);
      slot.run = std::move(queue[next++]);
      slot.run.started = std::chrono::steady_clock::now();
      slot.run.pid = Spawn(slot);
      ASSERT_GT(slot.run.pid, 0) << "cannot start " << SETRIX_CLI_PATH;
      busy[i] = true;
    }
    bool progressed = false;
    for (int i = 0; i < kParallel; ++i) {
      if (!busy[i]) continue;
      Slot& slot = slots[i];
      const pid_t r = ::waitpid(slot.run.pid, &slot.run.status, WNOHANG);
      if (r == 0) {
        if (std::chrono::steady_clock::now() - slot.run.started > kTimeout) {
          ::kill(slot.run.pid, SIGKILL);
          ::waitpid(slot.run.pid, &slot.run.status, 0);
          ADD_FAILURE() << "no answer within a minute:" << Shown(slot.run.args);
        } else {
          continue;
        }
      } else {
        Check(slot);
        if (WIFEXITED(slot.run.status)) ++statuses[WEXITSTATUS(slot.run.status)];
      }
      busy[i] = false;
      ++done;
      progressed = true;
    }
    if (HasFatalFailure()) {
      for (int i = 0; i < kParallel; ++i)
        if (busy[i]) ::kill(slots[i].run.pid, SIGKILL), ::waitpid(slots[i].run.pid, nullptr, 0);
      return;
    }
    if (!progressed) std::this_thread::sleep_for(std::chrono::milliseconds(2));
  }
  // The mix reaches every documented outcome.
  std::printf("runs: %zu of %zu; status 0: %d, 1: %d, 2: %d\n", done, queue.size(), statuses[0], statuses[1],
              statuses[2]);
  EXPECT_GE(done, 100u) << "too few runs for a minute";
  EXPECT_GT(statuses[0], 0);
  EXPECT_GT(statuses[2], 0);
  if (done == queue.size()) {
    EXPECT_GT(statuses[1], 0);  // a file that cannot be written
  }
}

}  // namespace
