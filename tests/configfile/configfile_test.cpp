// Configuration files and CSV signal lists: round trips, the messages for faulty and hostile
// files (file, line, field, accepted form), and the QR code of a device.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

#include "configfile/csv_write.h"
#include "configfile/device.h"
#include "configfile/qr.h"

namespace {

namespace fs = std::filesystem;
using namespace setrix::configfile;

Device Thermo() {
  Device d;
  d.tag = "TT-101 Ölpumpe";
  d.module = "thermo";
  d.note = "SN 4711";
  d.choices = {{"type", "K"}, {"start", "0"}, {"end", "400"}, {"output", "4-20mA"}};
  return d;
}

std::string Message(std::string_view text, const std::string& name = "a.setrix") {
  try {
    ParseSetrix(text, name);
  } catch (const FileError& e) {
    return e.what();
  }
  return "(no error)";
}

TEST(SetrixFile, OneDeviceAndListRoundTrip) {
  Device d = Thermo();
  d.extra["serviced"] = "2026-11-03";  // a field of a newer program survives
  for (bool compact : {false, true}) {
    const DeviceList read = ParseSetrix(SetrixText(d, compact), "t.setrix");
    ASSERT_TRUE(read.single);
    ASSERT_EQ(read.entries.size(), 1u);
    EXPECT_EQ(*read.entries[0].device, d);
  }
  DeviceList list;
  list.title = "Plant 2";
  for (const char* tag : {"A", "B"}) {
    ListEntry e;
    e.device = Thermo();
    e.device->tag = tag;
    list.entries.push_back(e);
  }
  const DeviceList back = ParseSetrix(SetrixText(list), "l.setrix");
  EXPECT_FALSE(back.single);
  EXPECT_EQ(back.title, "Plant 2");
  ASSERT_EQ(back.entries.size(), 2u);
  EXPECT_EQ(back.entries[1].device->tag, "B");
  EXPECT_EQ(back.entries[1].row, 2);
}

TEST(SetrixFile, ExampleFilesRead) {
  const DeviceList plant = ReadSetrixFile(std::string(SETRIX_TEST_DIR) + "/examples/plant.setrix");
  ASSERT_EQ(plant.entries.size(), 3u);
  EXPECT_EQ(plant.title, "Plant 2, cabinet =A3");
  EXPECT_EQ(plant.entries[2].device->module, "frq");
  EXPECT_EQ(plant.entries[2].line, 17);
  EXPECT_EQ(*plant.entries[0].device->Choice("in-unit"), "mA");
  const Device t = ReadDeviceFile(std::string(SETRIX_TEST_DIR) + "/examples/thermo.setrix");
  EXPECT_EQ(t.note, "Kessel 3 – Ölpumpe");
  EXPECT_EQ(t.choices.front().first, "type");  // the order as written
}

TEST(SetrixFile, FaultsNameLineFieldAndForm) {
  const std::string head = "{\n  \"format\": \"setrix-configuration\",\n  \"version\": 1,\n";
  struct Case {
    std::string text;
    std::vector<std::string> said;
  } cases[] = {
      {"", {"a.setrix line 1", "not valid JSON"}},
      {head + "  \"device\": {\"module\": \"dc\"", {"line 4", "not valid JSON", "looks like"}},
      {"[1, 2]", {"not a configuration file", "a list"}},
      {"{\"format\": \"other\", \"version\": 1}", {"field \"format\"", "\"setrix-configuration\" is expected"}},
      {"{\"format\": \"setrix-configuration\", \"version\": \"1\", \"device\": {}}",
       {"field \"version\"", "whole number"}},
      {"{\"format\": \"setrix-configuration\",\n\"version\": 3, \"device\": {}}",
       {"line 2", "newer SETRIX", "version 3", "reads version 1"}},
      {head + "  \"device\": {\"module\": 4}\n}",
       {"line 4", "field \"device.module\"", "a text in quotes", "not a number"}},
      {head + "  \"device\": {\"module\": \"valve\"}\n}",
       {"\"valve\" is no module", "\"dc\", \"thermo\", \"rtd\", \"frq\""}},
      {head + "  \"device\": {\"tag\": \"x\"}\n}", {"field \"device\"", "\"module\" is missing"}},
      {head + "  \"device\": {\"module\": \"thermo\",\n    \"choices\": {\n      \"start\": 0}}\n}",
       {"line 6", "field \"device.choices.start\"", "in quotes", "\"400\""}},
      {head + "  \"device\": {\"module\": \"thermo\", \"choices\": [\"K\"]}\n}",
       {"field \"device.choices\"", "{\"in-min\": \"4\"}"}},
      {head + "  \"device\": {\"module\": \"dc\", \"choices\": {\"--in-min\": \"4\"}}\n}", {"without \"--\""}},
      {head + "  \"device\": {\"module\": \"dc\", \"tag\": \"" + std::string(49, 'x') + "\"}\n}",
       {"field \"device.tag\"", "49 characters are too many; at most 48"}},
      {head + "  \"device\": {\"module\": \"dc\", \"note\": \"caf\xE9\"}\n}",
       {"line 4", "not valid JSON", "UTF-8"}},
      {head + "  \"device\": {\"module\": \"dc\"}, \"devices\": []\n}", {"both \"device\" and \"devices\""}},
      {head + "  \"devices\": {}\n}", {"field \"devices\"", "a list [...] of devices"}},
      {std::string(200, '[') + std::string(200, ']'), {"nested more than 32 levels"}},
  };
  for (const Case& c : cases) {
    const std::string m = Message(c.text);
    for (const std::string& s : c.said)
      EXPECT_NE(m.find(s), std::string::npos) << "message: " << m << "\nwanted: " << s;
  }
}

TEST(SetrixFile, BadDeviceOfAListIsItsEntryOnly) {
  const std::string text =
      "{\"format\": \"setrix-configuration\", \"version\": 1, \"devices\": [\n"
      "  {\"tag\": \"ok\", \"module\": \"dc\"},\n"
      "  {\"tag\": \"bad\", \"module\": \"dc\", \"choices\": {\"in-min\": 4}},\n"
      "  {\"tag\": \"ok2\", \"module\": \"frq\"}\n]}";
  const DeviceList list = ParseSetrix(text, "l.setrix");
  ASSERT_EQ(list.entries.size(), 3u);
  EXPECT_TRUE(list.entries[0].device && list.entries[2].device);
  EXPECT_FALSE(list.entries[1].device);
  EXPECT_EQ(list.entries[1].row, 2);
  EXPECT_EQ(list.entries[1].line, 3);
  EXPECT_NE(list.entries[1].error.find("devices[2].choices.in-min"), std::string::npos) << list.entries[1].error;
}

TEST(SetrixFile, UnknownFieldsWarnAndAreKept) {
  const std::string text =
      "{\"format\": \"setrix-configuration\", \"version\": 1, \"plant\": {\"site\": \"Nord\"},\n"
      " \"device\": {\"module\": \"dc\", \"colour\": \"red\"}}";
  const DeviceList list = ParseSetrix(text, "u.setrix");
  ASSERT_EQ(list.warnings.size(), 2u);
  EXPECT_NE(list.warnings[0].find("field \"plant\""), std::string::npos);
  EXPECT_NE(list.warnings[1].find("line 2, field \"device.colour\""), std::string::npos);
  EXPECT_NE(list.warnings[1].find("kept when the file is rewritten"), std::string::npos);
  const std::string again = SetrixText(*list.entries[0].device);
  EXPECT_NE(again.find("\"colour\": \"red\""), std::string::npos);
}

class Files : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() / ("setrix_configfile_" + std::to_string(::getpid()));
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }
  std::string Write(const std::string& name, const std::string& bytes) {
    std::ofstream((dir_ / name).string(), std::ios::binary) << bytes;
    return (dir_ / name).string();
  }
  fs::path dir_;
};

TEST_F(Files, HugeMissingAndFolderAreRefusedWithTheirName) {
  // 100 MB without writing them: a sparse file.
  const std::string huge = Write("huge.setrix", "");
  fs::resize_file(huge, 100u * 1000u * 1000u);
  for (const auto& [path, said] : std::vector<std::pair<std::string, std::string>>{
           {huge, "100000000 bytes is too large; a list is at most 16 MiB"},
           {(dir_ / "gone.setrix").string(), "cannot be read: No such file or directory"},
           {dir_.string(), "is a folder"}}) {
    try {
      ReadDeviceList(path);
      ADD_FAILURE() << path;
    } catch (const FileError& e) {
      EXPECT_NE(std::string(e.what()).find(path), std::string::npos) << e.what();
      EXPECT_NE(std::string(e.what()).find(said), std::string::npos) << e.what();
    }
  }
}

TEST_F(Files, WriteReplacesCompletelyOrNotAtAll) {
  const std::string path = Write("d.setrix", "old");
  WriteTextFile(path, SetrixText(Thermo()));
  EXPECT_EQ(ReadDeviceFile(path), Thermo());
  EXPECT_THROW(WriteTextFile((dir_ / "no" / "d.setrix").string(), "x"), FileError);
}

// ---- CSV ----

TEST(SignalList, SeparatorsQuotesAndRows) {
  struct Case {
    std::string text;
  } cases[] = {
      {"tag,module,note,type,start\nTT-1,thermo,\"Ofen, \"\"B\"\"\",K,0\n\nTT-2,thermo,,J,\n"},
      {"\xEF\xBB\xBFtag;module;note;type;start\r\nTT-1;thermo;\"Ofen, "
       "\"\"B\"\"\";K;0\r\n;;;;\r\nTT-2;thermo;;J;\r\n"},
  };
  for (const Case& c : cases) {
    const DeviceList l = ParseSignalList(c.text, "s.csv");
    ASSERT_EQ(l.entries.size(), 2u) << c.text;
    const Device& a = *l.entries[0].device;
    EXPECT_EQ(a.tag, "TT-1");
    EXPECT_EQ(a.note, "Ofen, \"B\"");
    EXPECT_EQ(a.choices, (Choices{{"type", "K"}, {"start", "0"}}));
    EXPECT_EQ(l.entries[1].device->choices, (Choices{{"type", "J"}}));  // empty cell: not given
    EXPECT_EQ(l.entries[1].row, 4);
    EXPECT_EQ(l.entries[1].line, 4);
  }
}

TEST(SignalList, QuotedLineBreakKeepsRowAndLineApart) {
  const DeviceList l = ParseSignalList("tag,module,note\nA,dc,\"two\nlines\"\nB,dc,\n", "s.csv");
  ASSERT_EQ(l.entries.size(), 2u);
  EXPECT_FALSE(l.entries[0].device) << "a note holds one line";
  EXPECT_EQ(l.entries[1].row, 3);
  EXPECT_EQ(l.entries[1].line, 4);
}

TEST(SignalList, BadRowsAreReportedAndTheRestIsRead) {
  const std::string text =
      "tag,module,type\n"
      "A,thermo,K\n"
      "B,valve,K\n"
      "C,,K\n"
      "D,thermo,K,extra\n"
      "E,thermo,K\"x\n"
      "F\xFF,thermo,K\n" +
      std::string(49, 'G') +
      ",thermo,K\n"
      "H,thermo,K\n";
  const DeviceList l = ParseSignalList(text, "s.csv");
  ASSERT_EQ(l.entries.size(), 8u);
  EXPECT_TRUE(l.entries.front().device && l.entries.back().device);
  const std::vector<std::string> said = {"\"valve\" is no module",      "the module is missing",
                                         "column without a name",       "a quote stands inside a field",
                                         "column tag: not valid UTF-8", "49 characters are too many"};
  for (std::size_t i = 0; i < said.size(); ++i) {
    const ListEntry& e = l.entries[i + 1];
    EXPECT_FALSE(e.device);
    EXPECT_EQ(e.row, static_cast<int>(i) + 3);
    EXPECT_NE(e.error.find(said[i]), std::string::npos) << e.error;
  }
}

TEST(SignalList, UnusableListsThrowWithLine) {
  struct Case {
    std::string text, said;
  } cases[] = {
      {"", "empty; a signal list starts with a header row"},
      {"tag,module\nA,dc\nB,\"dc\nC,dc\n", "line 3: a quoted field starts here and is never closed"},
      {"tag,type\nA,K\n", "no \"module\" column"},
      {"tag,module,Tag\nA,dc,B\n", "\"tag\" is given twice (also column 1)"},
      {"tag,module,in min\n", "header column 3 \"in min\""},
  };
  for (const Case& c : cases) {
    try {
      ParseSignalList(c.text, "s.csv");
      ADD_FAILURE() << c.text;
    } catch (const FileError& e) {
      EXPECT_NE(std::string(e.what()).find(c.said), std::string::npos) << e.what();
      EXPECT_EQ(std::string(e.what()).rfind("s.csv", 0), 0u) << e.what();
    }
  }
}

TEST(CsvWrite, QuotesWhatNeedsIt) {
  EXPECT_EQ(CsvLine({"a", "b,c", "say \"hi\"", ""}), "\"a\",\"b,c\",\"say \"\"hi\"\"\",\"\"\r\n");
  const DeviceList back = ParseSignalList("tag,module,note\n" + CsvLine({"T", "dc", "x, \"y\""}), "w.csv");
  EXPECT_EQ(back.entries[0].device->note, "x, \"y\"");
}

TEST(Qr, PictureHasQuietZoneAndFinders) {
  const setrix::raster::Bitmap b = QrBitmap(SetrixText(Thermo(), true));
  ASSERT_EQ(b.Width(), b.Height());
  const int n = b.Width() - 8;
  EXPECT_EQ((n - 17) % 4, 0) << "a QR symbol is 17 + 4 x version modules wide";
  EXPECT_EQ(b.Depth(), 1);
  for (int i = 0; i < b.Width(); ++i) EXPECT_EQ(b.Index(i, 0), 1) << "quiet zone";
  // The three finder patterns: dark 7 x 7 frames at the top corners and the bottom left.
  for (const auto& [x, y] : std::vector<std::pair<int, int>>{{4, 4}, {4 + n - 7, 4}, {4, 4 + n - 7}}) {
    EXPECT_EQ(b.Index(x, y), 0);
    EXPECT_EQ(b.Index(x + 6, y + 6), 0);
    EXPECT_EQ(b.Index(x + 1, y + 1), 1);
    EXPECT_EQ(b.Index(x + 3, y + 3), 0);
  }
  EXPECT_THROW(QrBitmap(std::string(8000, 'x')), std::runtime_error);
}

}  // namespace
