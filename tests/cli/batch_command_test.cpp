// setrix-cli batch, --config and --save-config: the files written, the failures reported
// with their rows, the exit status, and the configuration on the sheet as a QR code.
#include <gtest/gtest.h>
#include <unistd.h>
#include <nlohmann/json.hpp>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string>

#include "cli/batch.h"
#include "configfile/device.h"

#include "run_cli.h"

namespace {

namespace fs = std::filesystem;
namespace configfile = setrix::configfile;
using Json = nlohmann::json;

struct Result {
  int status = -1;
  std::string out, err;
};

std::string Slurp(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

using setrix::test::Shell;

class Batch : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() / ("setrix_cli_batch_" + std::to_string(::getpid()) + "_" +
                                        ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }

  // Standard output and standard error apart; standard error is no terminal here.
  Result Cli(const std::string& args) {
    Result r;
    const std::string err = (dir_ / "stderr.txt").string();
    FILE* p = ::popen((std::string(SETRIX_CLI_PATH) + " " + args + " 2>'" + err + "'").c_str(), "r");
    char buf[4096];
    for (std::size_t n; (n = std::fread(buf, 1, sizeof buf, p)) > 0;) r.out.append(buf, n);
    const int rc = ::pclose(p);
    r.status = WIFEXITED(rc) ? WEXITSTATUS(rc) : -1;
    r.err = Slurp(err);
    return r;
  }
  std::string File(const std::string& name) const { return (dir_ / name).string(); }
  std::string Write(const std::string& name, const std::string& text) const {
    std::ofstream(File(name), std::ios::binary) << text;
    return File(name);
  }
  static std::string Example(const std::string& name) {
    return std::string(SETRIX_TEST_DIR) + "/../configfile/examples/" + name;
  }
  static std::string Text(const fs::path& pdf) { return Shell("pdftotext -layout '" + pdf.string() + "' - 2>&1"); }
  static bool QpdfOk(const fs::path& pdf) {
    return Shell("qpdf --check '" + pdf.string() + "' >/dev/null 2>&1; echo $?") == "0\n";
  }
  std::set<std::string> Pdfs(const fs::path& dir) const {
    std::set<std::string> names;
    for (const auto& e : fs::directory_iterator(dir))
      if (e.path().extension() == ".pdf") names.insert(e.path().filename().string());
    return names;
  }
  fs::path dir_;
};

TEST_F(Batch, TwelveDevicesOfACsvWithARefusedTaskAndAMalformedRow) {
  const fs::path out = dir_ / "out";
  const Result r =
      Cli("batch '" + Example("twelve.csv") + "' --out '" + out.string() + "' --date 31.12.2026 --lang de");
  EXPECT_EQ(r.status, 1) << r.err;
  // The two failures, each with its row, and nothing of the progress line off a terminal.
  EXPECT_NE(r.err.find("row 4 (line 4) PT-103: refused: "), std::string::npos) << r.err;
  EXPECT_NE(r.err.find("row 13 (line 13): invalid: column module: \"valve\" is no module"), std::string::npos)
      << r.err;
  EXPECT_EQ(r.err.find("device 1 of"), std::string::npos);
  EXPECT_NE(r.out.find("12 devices: 10 documented, 2 failed"), std::string::npos) << r.out;

  const std::set<std::string> expected = {"PT-101.pdf", "PT-102.pdf", "TT-104.pdf",  "TT-105.pdf",
                                          "TT-106.pdf", "TT-107.pdf", "TT-108.pdf",  "FT-109.pdf",
                                          "FT-110.pdf", "FT-111.pdf", "overview.pdf"};
  EXPECT_EQ(Pdfs(out), expected);
  for (const std::string& name : expected) EXPECT_TRUE(QpdfOk(out / name)) << name;
  EXPECT_NE(Text(out / "PT-102.pdf").find("Pumpe; Nord"), std::string::npos);
  EXPECT_NE(Text(out / "TT-105.pdf").find("Ofen \"B\""), std::string::npos);
  EXPECT_NE(Text(out / "FT-110.pdf").find("2. Schritt"), std::string::npos);
  EXPECT_NE(Text(out / "TT-104.pdf").find("31.12.2026"), std::string::npos);

  // The corner the QR code takes with --qr is empty on every page of every module's sheet.
  for (const std::string& name : expected) {
    if (name == "overview.pdf") continue;
    const std::string pgm =
        Shell("pdftoppm -r 72 -gray -x 500 -y 746 -W 86 -H 86 '" + (out / name).string() + "'");
    const std::string header = "P5\n86 86\n255\n";  // one such picture per page
    const std::size_t pageBytes = header.size() + 86u * 86u;
    ASSERT_TRUE(pgm.size() >= pageBytes && pgm.size() % pageBytes == 0) << name;
    int dark = 0;
    for (std::size_t at = 0; at < pgm.size(); at += pageBytes) {
      ASSERT_EQ(pgm.compare(at, header.size(), header), 0) << name;
      for (std::size_t i = at + header.size(); i < at + pageBytes; ++i)
        dark += static_cast<unsigned char>(pgm[i]) < 200;
    }
    EXPECT_EQ(dark, 0) << name;
  }

  const Json summary = Json::parse(Slurp(out / "devices.json"));
  EXPECT_EQ(summary["total"], 12);
  EXPECT_EQ(summary["failed"], 2);
  ASSERT_EQ(summary["devices"].size(), 12u);
  const Json& dc = summary["devices"][0];
  EXPECT_EQ(dc["tag"], "PT-101");
  EXPECT_EQ(dc["task"], "4 .. 20 mA -> 0 .. 10 V");
  EXPECT_EQ(dc["file"], "PT-101.pdf");
  EXPECT_EQ(dc["steps"][0]["banks"].size(), 3u);
  EXPECT_EQ(summary["devices"][2]["outcome"], "refused");
  EXPECT_EQ(summary["devices"][2]["steps"].size(), 0u);
  EXPECT_EQ(summary["devices"][9]["steps"].size(), 2u) << "fmin .. fmax takes two steps";
  EXPECT_EQ(summary["devices"][11]["outcome"], "invalid");
  EXPECT_EQ(summary["devices"][11]["row"], 13);

  const configfile::DeviceList csv = configfile::ReadSignalList((out / "devices.csv").string());
  EXPECT_EQ(csv.entries.size(), 12u) << "the summary reads back as a CSV list";
  const std::string csvText = Slurp(out / "devices.csv");
  EXPECT_EQ(csvText.rfind("\"row\",\"tag\",\"module\",\"task\",\"outcome\",\"reason\",\"file\",\"banks\"\r\n", 0),
            0u);
  EXPECT_NE(csvText.find("\"PT-101\",\"dc\",\"4 .. 20 mA -> 0 .. 10 V\",\"documented\",\"\",\"PT-101.pdf\",\"S1="),
            std::string::npos);

  const std::string overview = Text(out / "overview.pdf");
  for (const char* s : {"SETRIX device list", "PT-101", "FT-111", "S1=", "Switch rows"})
    EXPECT_NE(overview.find(s), std::string::npos) << s;
  EXPECT_NE(overview.find("refused"), std::string::npos);
  EXPECT_NE(overview.find("invalid"), std::string::npos);
  EXPECT_NE(overview.find("12 of 12 devices, 10 documented, 2 failed"), std::string::npos) << overview;
}

TEST_F(Batch, SetrixListWithJsonLinesAndAllDocumented) {
  const fs::path out = dir_ / "o";
  const Result r =
      Cli("batch '" + Example("plant.setrix") + "' --out '" + out.string() + "' --json --date 1.1.2027");
  EXPECT_EQ(r.status, 0) << r.err;
  std::istringstream lines(r.out);
  std::vector<Json> objects;
  for (std::string line; std::getline(lines, line);) objects.push_back(Json::parse(line));
  ASSERT_EQ(objects.size(), 3u) << r.out;
  EXPECT_EQ(objects[1]["tag"], "TT-202");
  EXPECT_EQ(objects[1]["outcome"], "documented");
  EXPECT_EQ(objects[2]["steps"].size(), 2u);
  EXPECT_NE(r.err.find("3 devices: 3 documented, 0 failed"), std::string::npos) << r.err;
  EXPECT_NE(Text(out / "overview.pdf").find("Plant 2, cabinet =A3"), std::string::npos);
}

TEST_F(Batch, BadCommandLineOrUnreadableListIsStatusTwoAndWritesNothing) {
  const std::string unclosed = Write("u.csv", "tag,module\nA,dc\nB,\"dc\n");
  const std::string newer =
      Write("n.setrix", "{\"format\": \"setrix-configuration\", \"version\": 9, \"devices\": []}");
  struct Case {
    std::string args, said;
  } cases[] = {
      {"batch '" + unclosed + "'", "--out is required"},
      {"batch '" + File("gone.csv") + "' --out '" + File("o") + "'", "gone.csv: cannot be read"},
      {"batch '" + unclosed + "' --out '" + File("o") + "'",
       "u.csv line 3: a quoted field starts here and is never closed"},
      {"batch '" + newer + "' --out '" + File("o") + "'", "newer SETRIX (format version 9)"},
      {"batch '" + unclosed + "' --out '" + File("o") + "' --lang fr", "\"fr\" is not accepted"},
  };
  for (const Case& c : cases) {
    const Result r = Cli(c.args);
    EXPECT_EQ(r.status, 2) << c.args << "\n" << r.err;
    EXPECT_NE(r.err.find(c.said), std::string::npos) << r.err;
    EXPECT_FALSE(fs::exists(File("o")) && !fs::is_empty(File("o"))) << c.args;
  }
}

TEST(BatchNames, FileNamesFromTags) {
  std::set<std::string> taken;
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"TT-101", "TT-101"},     {"tt-101", "tt-101-2"},     {"A/B:C*?", "A_B_C__"},
      {"A_B_C__", "A_B_C__-2"}, {"", "device-7"},           {"..", "__"},
      {" x. ", "_x__"},         {"overview", "overview-2"}, {"Devices", "Devices-2"},
      {"Kessel Ö", "Kessel Ö"},
  };
  for (const auto& [tag, stem] : cases) EXPECT_EQ(setrix::cli::DeviceFileStem(tag, 7, taken), stem) << tag;
}

TEST_F(Batch, QrCodeOnTheSheetReadsBackAsTheDevicesFile) {
  if (Shell("command -v zbarimg").empty()) GTEST_SKIP() << "zbarimg is not installed";
  const fs::path out = dir_ / "q";
  const Result r =
      Cli("batch '" + Example("plant.setrix") + "' --out '" + out.string() + "' --qr --date 1.1.2027");
  ASSERT_EQ(r.status, 0) << r.err;
  for (const std::string name : {"PT-201", "FT-203"}) {
    const std::string png = (dir_ / name).string();
    Shell("pdftoppm -r 300 -png -f 1 -l 1 -x 2000 -y 3000 -W 483 -H 508 '" + (out / (name + ".pdf")).string() +
          "' '" + png + "'");
    const std::string decoded = Shell("zbarimg -q --raw '" + png + "-1.png'");
    ASSERT_FALSE(decoded.empty()) << name;
    const configfile::DeviceList back =
        configfile::ParseSetrix(decoded.substr(0, decoded.find_last_not_of('\n') + 1), "qr");
    ASSERT_TRUE(back.single);
    EXPECT_EQ(back.entries[0].device->tag, name);
    EXPECT_TRUE(QpdfOk(out / (name + ".pdf")));
  }
  // Without --qr the sheets stay as they are.
  const fs::path plain = dir_ / "p";
  ASSERT_EQ(Cli("batch '" + Example("plant.setrix") + "' --out '" + plain.string() + "'").status, 0);
  Shell("pdftoppm -r 300 -png -f 1 -l 1 -x 2000 -y 3000 -W 483 -H 508 '" + (plain / "PT-201.pdf").string() +
        "' '" + (dir_ / "plain").string() + "'");
  EXPECT_EQ(Shell("zbarimg -q --raw '" + (dir_ / "plain-1.png").string() + "'"), "");
}

TEST_F(Batch, SaveConfigThenConfigGivesTheSameTaskForEveryModule) {
  const std::vector<std::string> tasks = {
      "dc --in-min 4 --in-max 20 --in-unit mA --out-min -10 --out-max 10 --out-unit V --bandwidth 10Hz",
      "thermo --type K --start 0 --end 400 --output 4-20mA --filter on --manual off",
      "rtd --type pt100-3wire --start -50 --end 100 --output 0-10V --response slow --manual off",
      "frq --mode fmin-fmax --lower 50 --upper 1230 --output 0-10V",
  };
  int n = 0;
  for (const std::string& task : tasks) {
    const std::string module = task.substr(0, task.find(' '));
    const std::string file = File("d" + std::to_string(n++) + ".setrix");
    const Result direct = Cli(task + " --json --tag 'TT 1' --note 'SN 7' --save-config '" + file + "'");
    ASSERT_EQ(direct.status, 0) << direct.err;
    const Result again = Cli(module + " --config '" + file + "' --json");
    EXPECT_EQ(again.status, 0) << again.err;
    EXPECT_EQ(again.out, direct.out) << module;
    const configfile::Device d = configfile::ReadDeviceFile(file);
    EXPECT_EQ(d.tag, "TT 1");
    EXPECT_EQ(d.note, "SN 7");
    EXPECT_EQ(d.module, module);
    // The file the command wrote is what the schema describes.
    const std::string check =
        Shell(std::string("python3 '") + SETRIX_TEST_DIR + "/../configfile/check_schema.py' --schema '" +
              SETRIX_TEST_DIR + "/../../schema/setrix.schema.json' '" + file + "' 2>&1; echo $?");
    EXPECT_NE(check.find("0 faults"), std::string::npos) << check;
  }
}

TEST_F(Batch, ConfigOptionsOverrideAndFaultsNameFileLineAndField) {
  const std::string file = Example("thermo.setrix");
  const Json base = Json::parse(Cli("thermo --config '" + file + "' --json").out);
  const Json over = Json::parse(Cli("thermo --config '" + file + "' --end 200 --json").out);
  EXPECT_EQ(base["end"]["text"], "400°C / 752°F");
  EXPECT_EQ(over["end"]["text"], "200°C / 392°F");
  EXPECT_EQ(over["type"]["text"], "Thermocouple type K") << "the rest comes from the file";
  EXPECT_NE(base["s2"], over["s2"]);

  // Rewriting a file keeps the fields this version does not know.
  const std::string extra =
      Write("x.setrix",
            "{\"format\": \"setrix-configuration\", \"version\": 1, \"device\": {\"module\": \"frq\",\n"
            "\"choices\": {\"mode\": \"special\", \"output\": \"0-20mA\"}, \"serviced\": \"2026\"}}");
  const Result rewrite = Cli("frq --config '" + extra + "' --output 4-20mA --save-config '" + extra + "'");
  EXPECT_EQ(rewrite.status, 0) << rewrite.err;
  EXPECT_NE(rewrite.err.find("field \"device.serviced\": field not known to this version"), std::string::npos)
      << rewrite.err;
  const std::string after = Slurp(extra);
  EXPECT_NE(after.find("\"serviced\": \"2026\""), std::string::npos) << after;
  EXPECT_NE(after.find("\"output\": \"4-20mA\""), std::string::npos) << after;

  const std::string badValue =
      Write("b.setrix",
            "{\"format\": \"setrix-configuration\", \"version\": 1,\n\"device\": {\"module\": \"dc\",\n"
            "\"choices\": {\n\"in-unit\": \"mX\"}}}");
  const std::string unknown =
      Write("k.setrix",
            "{\"format\": \"setrix-configuration\", \"version\": 1, \"device\": {\"module\": \"dc\", "
            "\"choices\": {\"type\": \"K\"}}}");
  struct Case {
    std::string args, said;
  } cases[] = {
      {"dc --config '" + file + "'", "holds a thermo device; use setrix-cli thermo --config"},
      {"dc --config '" + badValue + "'",
       "b.setrix line 4, field \"device.choices.in-unit\": --in-unit: \"mX\" is not accepted"},
      {"dc --config '" + unknown + "'", "field \"device.choices.type\": no option of dc; its options are in-min"},
      {"thermo --config '" + Example("plant.setrix") + "'", "holds a device list"},
      {"thermo --config '" + File("gone.setrix") + "'", "gone.setrix: cannot be read"},
      {"thermo --tag '" + std::string(49, 'x') + "'", "the tag 49 characters are too many"},
  };
  for (const Case& c : cases) {
    const Result r = Cli(c.args);
    EXPECT_EQ(r.status, 2) << c.args;
    EXPECT_NE(r.err.find(c.said), std::string::npos) << r.err;
  }
}

TEST_F(Batch, ProgressLineOnATerminal) {
  if (Shell("command -v script").empty()) GTEST_SKIP() << "script (util-linux) is not installed";
  const std::string command =
      std::string(SETRIX_CLI_PATH) + " batch '" + Example("plant.setrix") + "' --out '" + File("t") + "'";
  const std::string shown = Shell("script -qec \"" + command + "\" /dev/null");
  EXPECT_NE(shown.find("device 1 of 3: PT-201"), std::string::npos) << shown;
  EXPECT_NE(shown.find("device 3 of 3: FT-203"), std::string::npos) << shown;
}

}  // namespace
