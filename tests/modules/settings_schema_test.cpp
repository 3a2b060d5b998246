// The settings schema: what is restored from a store, in which order, and what is stored.
#include "modules/settings_schema.h"

#include <gtest/gtest.h>

#include "texts/texts.h"

namespace setrix::settings {
namespace {

// Records the order of reads and writes.
class RecordingStore : public MemorySettingsStore {
 public:
  bool OpenKey(std::string_view path) override {
    key = std::string(path.substr(path.rfind('\\') + 1));
    return MemorySettingsStore::OpenKey(path);
  }
  std::optional<std::int32_t> ReadInteger(std::string_view name) const override {
    reads.push_back(key + "/" + std::string(name));
    return MemorySettingsStore::ReadInteger(name);
  }
  std::optional<std::string> ReadString(std::string_view name) const override {
    reads.push_back(key + "/" + std::string(name));
    return MemorySettingsStore::ReadString(name);
  }
  void WriteInteger(std::string_view name, std::int32_t value) override {
    writes.push_back(key + "/" + std::string(name));
    MemorySettingsStore::WriteInteger(name, value);
  }
  void WriteString(std::string_view name, std::string_view value) override {
    writes.push_back(key + "/" + std::string(name));
    MemorySettingsStore::WriteString(name, value);
  }
  void KeepOriginal(std::string_view what) override { kept.emplace_back(what); }
  std::string key;
  mutable std::vector<std::string> reads;
  std::vector<std::string> writes;
  std::vector<std::string> kept;
};

std::string Joined(const std::vector<std::string>& v) {
  std::string out;
  for (const auto& s : v) out += (out.empty() ? "" : " ") + s;
  return out;
}

class SettingsSchemaTest : public ::testing::Test {
 protected:
  void SetUp() override { texts::SetCurrentLanguage(1); }
  void TearDown() override { texts::SetCurrentLanguage(0); }
};

TEST_F(SettingsSchemaTest, EveryKeyHasItsPathAndValueTypes) {
  ASSERT_EQ(Schema().size(), 5u);
  EXPECT_EQ(KeyOf("dc")->path, kKeyDC);
  EXPECT_EQ(KeyOf("thermo")->path, kKeyThermo);
  EXPECT_EQ(KeyOf("rtd")->path, kKeyRTD);
  EXPECT_EQ(KeyOf("frq")->path, kKeyFrequency);
  EXPECT_EQ(KeyOf("none"), nullptr);
  EXPECT_EQ(KeyOf("thermo")->Find("Filter")->type, ValueType::Integer);
  EXPECT_EQ(KeyOf("rtd")->Find("Response")->type, ValueType::Integer);
  EXPECT_EQ(KeyOf("frq")->Find("Min")->type, ValueType::Text);  // a text here, an index in thermo and rtd
  EXPECT_EQ(KeyOf("thermo")->Find("Min")->type, ValueType::Integer);
  EXPECT_EQ(KeyOf("frq")->Find("Max")->maxLength, 32);
  EXPECT_TRUE(KeyOf("dc")->Find("SavePath")->savedByDocument);
}

TEST_F(SettingsSchemaTest, StoredInTheOrderOfTheKeysAndReadBackTheSame) {
  ModuleModels m;
  m.dc.SetUserText("SN 4711");
  m.dc.EditChange(DcEdit::EditEMin, "4");
  m.dc.EditChange(DcEdit::EditEMax, "20");
  m.dc.RadioBtnClick(DcUnitButton::RBtnAV);
  m.dc.RBtnGrenzClick(DcBandwidthButton::RBtn10Hz);
  ThermoUpdate(m.thermo);
  ThermoChoose(m.thermo, ThermoList::Type, 1);
  ThermoChoose(m.thermo, ThermoList::Start, 0);
  RtdUpdate(m.rtd);
  RtdChoose(m.rtd, RtdList::Type, 7);
  m.frq.config.userText = "Zähler";
  FrqUpdate(m.frq);
  FrqChoose(m.frq, FrqList::Mode, 1);
  FrqEntryChanged(m.frq, FrqEntry::Lower, "50");
  RecordingStore store;
  Store(store, {40, 60, 125, false, 2}, m);
  EXPECT_EQ(Joined(store.writes),
            "DC/Top DC/Left DC/Language DC/UserText DC/Bandwidth DC/InMin DC/InMax DC/OutMin DC/OutMax DC/InValue "
            "DC/OutValue DC/Zoom Thermo/UserText Thermo/Input Thermo/Min Thermo/Max Thermo/Filter Thermo/Out "
            "Thermo/Manual RTD/UserText RTD/Input RTD/Min RTD/Max RTD/Response RTD/Out RTD/Manual "
            "Frequency/UserText Frequency/Mode Frequency/Min Frequency/Max Frequency/Out");
  EXPECT_EQ(std::get<std::int32_t>(store.KeyAt(kKeyDC)["Bandwidth"]), 0);
  EXPECT_EQ(std::get<std::int32_t>(store.KeyAt(kKeyThermo)["Max"]), -1);

  ModuleModels back;
  const Loaded loaded = Load(store, back);
  EXPECT_EQ(loaded.window.top, 40);
  EXPECT_EQ(loaded.window.left, 60);
  EXPECT_EQ(loaded.window.zoom, 125);
  EXPECT_EQ(loaded.window.language, 2);
  EXPECT_EQ(texts::CurrentLanguage(), 2);
  EXPECT_FALSE(loaded.window.firstRun);
  EXPECT_TRUE(loaded.modulesRestored);
  EXPECT_EQ(back.dc.Config().userText, "SN 4711");
  EXPECT_EQ(back.dc.EditText(DcEdit::EditEMax), "20");
  EXPECT_EQ(back.dc.Config().outUnit, 1);
  EXPECT_EQ(back.dc.Config().bandwidth, 0);
  EXPECT_EQ(back.thermo.type.index, 1);
  EXPECT_EQ(back.thermo.start.index, 0);
  EXPECT_EQ(back.thermo.end.index, -1);
  EXPECT_EQ(back.rtd.type.index, 7);
  EXPECT_EQ(back.frq.config.userText, "Zähler");
  EXPECT_EQ(back.frq.config.lowerText, "50");
  EXPECT_EQ(back.frq.mode.index, 1);
  // Stored again, the same values.
  MemorySettingsStore again;
  Store(again, loaded.window, back);
  for (const Key& key : Schema()) {
    if (key.module.empty()) continue;
    EXPECT_EQ(again.KeyAt(key.path), store.KeyAt(key.path)) << key.path;
  }
}

TEST_F(SettingsSchemaTest, WithoutOutValueOnlyTheDcKeyIsRead) {
  RecordingStore store;
  store.KeyAt(kKeyDC)["Language"] = 1;
  store.KeyAt(kKeyThermo)["Input"] = 0;
  ModuleModels m;
  const Loaded loaded = Load(store, m);
  EXPECT_FALSE(loaded.modulesRestored);
  EXPECT_EQ(m.thermo.type.index, -1);
  for (const std::string& read : store.reads) EXPECT_EQ(read.rfind("DC/", 0), 0u) << read;
}

TEST_F(SettingsSchemaTest, LanguageRules) {
  struct Case {
    std::optional<MemorySettingsStore::Value> stored;
    int language;
    bool firstRun;
  } cases[] = {{std::nullopt, 0, true},
               {MemorySettingsStore::Value{3}, 3, false},
               {MemorySettingsStore::Value{7}, 0, false},
               {MemorySettingsStore::Value{-1}, 0, false},
               {MemorySettingsStore::Value{std::string("English")}, 0, false}};
  for (const Case& c : cases) {
    MemorySettingsStore store;
    if (c.stored) store.KeyAt(kKeyDC)["Language"] = *c.stored;
    ModuleModels m;
    const Loaded loaded = Load(store, m);
    EXPECT_EQ(loaded.window.language, c.language);
    EXPECT_EQ(loaded.window.firstRun, c.firstRun);
    EXPECT_EQ(texts::CurrentLanguage(), c.language);
  }
}

TEST_F(SettingsSchemaTest, UnusableValuesAreSkipped) {
  RecordingStore store;
  auto& dc = store.KeyAt(kKeyDC);
  dc["OutValue"] = 1;
  dc["InValue"] = 7;                      // another number: mA
  dc["Bandwidth"] = std::string("wide");  // the other type: nothing
  dc["InMin"] = 5;
  dc["InMax"] = std::string(100, '9');  // DC entries are taken whole
  store.KeyAt(kKeyThermo)["Input"] = std::string("K");
  store.KeyAt(kKeyFrequency)["Min"] = std::string(33, '1');  // longer than 32: not used
  store.KeyAt(kKeyFrequency)["Max"] = std::string(32, '1');  // 32 are used
  ModuleModels m;
  Load(store, m);
  EXPECT_EQ(m.dc.Config().inUnit, 0);
  EXPECT_EQ(m.dc.Config().bandwidth, 1);
  EXPECT_EQ(m.dc.EditText(DcEdit::EditEMin), "");
  EXPECT_EQ(m.dc.EditText(DcEdit::EditEMax), std::string(100, '9'));
  EXPECT_EQ(m.thermo.type.index, -1);
  EXPECT_EQ(m.frq.config.lowerText, "");
  EXPECT_EQ(Joined(store.kept), "Min");
}

TEST_F(SettingsSchemaTest, ConfigurationKeyAndSavePath) {
  MemorySettingsStore store;
  ConfigurationSettings c;
  c.recentFiles = {"/a.setrix", "/b.setrix"};
  c.qrOnPaper = true;
  StoreConfiguration(store, c);
  auto& key = store.KeyAt(ConfigurationKey().path);
  EXPECT_EQ(key.size(), 9u);
  EXPECT_EQ(std::get<std::string>(key["Recent3"]), "");
  key["Recent3"] = std::string("/a.setrix");  // a repeat is dropped
  key["Recent4"] = std::string("/c.setrix");
  const ConfigurationSettings back = LoadConfiguration(store);
  EXPECT_EQ(back.recentFiles, (std::vector<std::string>{"/a.setrix", "/b.setrix", "/c.setrix"}));
  EXPECT_TRUE(back.qrOnPaper);

  EXPECT_EQ(ReadSavePath(store, "rtd"), std::nullopt);
  WriteSavePath(store, "rtd", "/home/a/ZOR-RTD.Pdf");
  EXPECT_EQ(ReadSavePath(store, "rtd"), std::optional<std::string>("/home/a/ZOR-RTD.Pdf"));
  EXPECT_FALSE(store.KeyAt(kKeyDC).count("SavePath"));
}

}  // namespace
}  // namespace setrix::settings
