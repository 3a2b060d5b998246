// setrix-cli dc, thermo, rtd and frq with --pdf: the file, or no file and the reason.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "run_cli.h"

namespace {

namespace fs = std::filesystem;

struct Result {
  int status = -1;
  std::string out;  // standard output and standard error
};

Result Cli(const std::string& args) {
  const setrix::test::CliRun run = setrix::test::RunCli(args, true);
  return {run.status, run.output};
}

using setrix::test::Shell;

class PdfCommand : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() / ("setrix_cli_pdf_" + std::to_string(::getpid()) + "_" +
                                        ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }
  std::string File(const std::string& name) const { return (dir_ / name).string(); }
  static int Pages(const std::string& pdf) {
    const std::string info = Shell("pdfinfo '" + pdf + "' 2>&1");
    const auto p = info.find("Pages:");
    return p == std::string::npos ? -1 : std::stoi(info.substr(p + 6));
  }
  static std::string Text(const std::string& pdf) { return Shell("pdftotext -layout '" + pdf + "' - 2>&1"); }
  fs::path dir_;
};

TEST_F(PdfCommand, EachModuleWritesItsDocument) {
  struct Case {
    std::string args;
    int pages;
    std::vector<std::string> texts;
  } cases[] = {
      {"dc --in-min 0 --in-max 7 --in-unit V --out-min 0 --out-max 10 --out-unit V --lang de --decimal-separator "
       ",",
       1,
       {"ZOR DC", "Anfangswert:", "7,0", "Klemmen 7 und 8"}},
      {"dc --in-min 4 --in-max 20 --in-unit mA --out-min -10 --out-max 10 --out-unit V --bandwidth 10Hz",
       2,
       {"Page: 1 / 2", "Illustration 2.)", "<10"}},
      {"thermo --type K --start 0 --end 400 --output 4-20mA --filter on --manual off --lang it",
       1,
       {"ZOR THERMO", "Polo 1:", "400°C"}},
      {"rtd --type pt100-3wire --start -50 --end 100 --output 0-10V --response slow --manual off --lang es",
       1,
       {"ZOR RTD", "PT100", "-50°C"}},
      {"frq --mode 0-fmax --upper 1234 --output 4-20mA", 1, {"ZOR FREQUENCY", "1230", "Terminal 8:"}},
      {"frq --mode fmin-fmax --lower 50 --upper 1230 --output 0-10V", 2, {"1. Step", "2. Step", "Pinning"}},
      {"frq --mode special --output 0-20mA --lang de", 2, {"3. Schritt", "Abbildung 3.)", "Benutzerdefiniert"}},
  };
  int n = 0;
  for (const Case& c : cases) {
    const std::string pdf = File("doc" + std::to_string(n++) + ".pdf");
    const Result r = Cli(c.args + " --pdf '" + pdf + "' --note 'Kessel 3 – Ölpumpe' --date 31.12.2026");
    EXPECT_EQ(r.status, 0) << c.args << "\n" << r.out;
    EXPECT_EQ(Pages(pdf), c.pages) << c.args;
    const std::string text = Text(pdf);
    for (const std::string& t : c.texts)
      EXPECT_NE(text.find(t), std::string::npos) << c.args << ": " << t << "\n" << text;
    EXPECT_NE(text.find("Kessel 3 – Ölpumpe"), std::string::npos) << c.args;
    EXPECT_NE(text.find("31.12.2026"), std::string::npos) << c.args;
  }
}

TEST_F(PdfCommand, DateDefaultsToToday) {
  const std::string pdf = File("today.pdf");
  const Result r = Cli("thermo --type J --start 0 --end 400 --output 0-10V --filter off --manual on --pdf " + pdf);
  ASSERT_EQ(r.status, 0) << r.out;
  EXPECT_NE(Text(pdf).find("Date: " + Shell("LC_ALL=C date +%m/%d/%y").substr(0, 8)), std::string::npos);
}

TEST_F(PdfCommand, IncompleteOrRefusedTasksWriteNoFileAndSayWhy) {
  struct Case {
    std::string args, why;
  } cases[] = {
      {"thermo --type K --start 0 --end 400 --output 4-20mA", "--filter"},
      {"rtd --type pt100-3wire", "--start"},
      {"frq --mode fmin-fmax --lower 100 --upper 100 --output 0-10V", "--lower and --upper"},
      {"frq --output 0-10V", "--mode"},
      {"dc --in-min 4 --in-max 4 --in-unit mA --out-min 0 --out-max 10 --out-unit V", "no documentation written"},
      {"dc --in-min x --in-max 4 --in-unit mA --out-min 0 --out-max 10 --out-unit V",
       "Incomplete or illegal input"},
  };
  for (const Case& c : cases) {
    const std::string pdf = File("none.pdf");
    const Result r = Cli(c.args + " --pdf " + pdf);
    EXPECT_EQ(r.status, 2) << c.args << "\n" << r.out;
    EXPECT_NE(r.out.find(c.why), std::string::npos) << c.args << "\n" << r.out;
    EXPECT_FALSE(fs::exists(pdf)) << c.args;
  }
}

// The note takes at most 48 characters, as the note prompt does; characters, not bytes.
TEST_F(PdfCommand, NoteLongerThan48CharactersIsAnErrorNotACut) {
  const std::string task = "frq --mode special --output 0-20mA --pdf ";
  std::string umlauts;
  for (int i = 0; i < 48; ++i) umlauts += "\u00C4";  // 96 bytes
  Result r = Cli(task + File("ok.pdf") + " --note " + umlauts);
  EXPECT_EQ(r.status, 0) << r.out;
  std::string text = Text(File("ok.pdf"));
  std::erase(text, '\n');
  std::erase(text, ' ');
  EXPECT_NE(text.find(umlauts.substr(0, 40)), std::string::npos) << text;
  r = Cli(task + File("long.pdf") + " --note " + std::string(49, 'x'));
  EXPECT_EQ(r.status, 2) << r.out;
  EXPECT_NE(r.out.find("--note"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("at most 48 characters"), std::string::npos) << r.out;
  EXPECT_FALSE(fs::exists(File("long.pdf")));
}

// "--name=" is the empty text for the option, the same as "--name ''", and never takes the
// next word as its value.
TEST_F(PdfCommand, EmptyValueAfterTheEqualsSignIsTheEmptyText) {
  struct Case {
    std::string before, option, after;
    int status;
    std::string says;
  } cases[] = {
      {"dc", "--in-min", "--in-max 20 --in-unit mA --out-min 0 --out-max 10 --out-unit V", -1,
       "Incomplete or illegal input"},
      {"dc --in-min 4", "--out-max", "--in-max 20 --in-unit mA --out-min 0 --out-unit V", -1,
       "Incomplete or illegal input"},
      {"frq --mode fmin-fmax", "--lower", "--upper 1000 --output 0-10V", 0, ""},
      {"frq --mode 0-fmax", "--upper", "--output 0-10V", 0, ""},
      {"frq", "--mode", "--output 0-10V", 2, "--mode"},
      {"thermo --type K", "--start", "--end 400", 2, "--start"},
      {"rtd --type pt100-3wire", "--end", "--start -50", 2, "--end"},
      {"texts", "--lang", "--json", 2, "--lang"},
      {"bank --count 4", "--value", "--alignment 0", 2, "--value"},
      {"frq --mode special --output 0-20mA", "--note", "--date 31.12.2026", 0, ""},
      {"frq --mode special --output 0-20mA", "--pdf", "--date 31.12.2026", 0, ""},
  };
  for (const Case& c : cases) {
    const Result equals = Cli(c.before + " " + c.option + "= " + c.after);
    const Result separate = Cli(c.before + " " + c.option + " '' " + c.after);
    EXPECT_EQ(equals.status, separate.status) << c.option << "\n" << equals.out;
    EXPECT_EQ(equals.out, separate.out) << c.before << " " << c.option;
    if (c.status >= 0) {
      EXPECT_EQ(equals.status, c.status) << c.before << " " << c.option << "\n" << equals.out;
    }
    EXPECT_NE(equals.out.find(c.says), std::string::npos) << c.before << " " << c.option << "\n" << equals.out;
    // The next option is read as an option of its own, not swallowed as the value.
    EXPECT_EQ(equals.out.find("not expected"), std::string::npos) << equals.out;
    EXPECT_EQ(equals.out.find("is no option"), std::string::npos) << equals.out;
  }
  // A flag keeps its meaning, and "=" inside a value stays part of it.
  EXPECT_EQ(Cli("texts --json=").status, Cli("texts --json").status);
  const Result inside =
      Cli("frq --mode special --output 0-20mA --pdf " + File("eq.pdf") + " --note=a=b --date 1.1.2027");
  EXPECT_EQ(inside.status, 0) << inside.out;
  EXPECT_NE(Text(File("eq.pdf")).find("a=b"), std::string::npos);
}

TEST_F(PdfCommand, UnwritableFileKeepsTheOldOneAndGivesTheReason) {
  const std::string args = "frq --mode special --output 0-20mA --pdf ";
  Result r = Cli(args + File("missing/x.pdf"));
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.out.find("No such file or directory"), std::string::npos) << r.out;
  fs::create_directories(dir_ / "taken.pdf" / "inside");
  r = Cli(args + File("taken.pdf"));
  EXPECT_EQ(r.status, 1);
  EXPECT_TRUE(fs::is_directory(dir_ / "taken.pdf" / "inside"));
  EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 1);  // no temporary file left
}

}  // namespace
