#include "modules/settings_schema.h"

#include <algorithm>
#include <array>

#include "texts/texts.h"

namespace setrix::settings {

namespace {

using VT = ValueType;

constexpr std::string_view kNote = "the note of the documentation (any text)";
constexpr std::string_view kEmptyNote = "no note";
constexpr std::string_view kListIndex = "the item index of the list, -1 when nothing is chosen";
constexpr std::string_view kUnchanged = "nothing chosen";

std::vector<Value> DcValues() {
  return {
      {"Top", VT::Integer, "", "the window's top in pixels", "0"},
      {"Left", VT::Integer, "", "the window's left in pixels", "0"},
      {"Language", VT::Integer, "", "0 German, 1 English, 2 Italian, 3 Spanish (another number: German)",
       "the first-run language screen"},
      {"UserText", VT::Text, "", kNote, kEmptyNote},
      {"Bandwidth", VT::Integer, "bandwidth", "0 \"< 10 Hz\", any other number \"> 10 kHz\"", "\"> 10 kHz\""},
      {"InMin", VT::Text, "in-min", "the input start as typed", "an empty entry"},
      {"InMax", VT::Text, "in-max", "the input end as typed", "an empty entry"},
      {"OutMin", VT::Text, "out-min", "the output start as typed", "an empty entry"},
      {"OutMax", VT::Text, "out-max", "the output end as typed", "an empty entry"},
      {"InValue", VT::Integer, "in-unit", "the input unit: 0 mA, 1 mV, 2 V (another number: mA)", "mA"},
      {"OutValue", VT::Integer, "out-unit", "the output unit: 0 mA, 1 V (another number: mA)",
       "mA, and the other modules are not restored"},
      {"Zoom", VT::Integer, "", "the window's zoom in percent: 100, 125, 150 or 200", "100"},
      {"SavePath", VT::Text, "", "the last saved DC documentation file", "the documents folder", -1, true},
  };
}

std::vector<Value> TemperatureValues(std::string_view fifth, std::string_view fifthChoice,
                                     std::string_view module) {
  return {
      {"UserText", VT::Text, "", kNote, kEmptyNote},
      {"Input", VT::Integer, "type", kListIndex, kUnchanged},
      {"Min", VT::Integer, "start", kListIndex, kUnchanged},
      {"Max", VT::Integer, "end", kListIndex, kUnchanged},
      {fifth, VT::Integer, fifthChoice, kListIndex, kUnchanged},
      {"Out", VT::Integer, "output", kListIndex, kUnchanged},
      {"Manual", VT::Integer, "manual", kListIndex, "\"off\""},
      {"SavePath", VT::Text, "", module, "the documents folder", -1, true},
  };
}

// Longest frequency entry taken from the store; a longer one is not used (and the file is
// kept as it was). Notes and DC entries are taken whole: they are limited only when typed.
constexpr int kMaxFrqEntry = 32;

std::vector<Value> FrqValues() {
  return {
      {"UserText", VT::Text, "", kNote, kEmptyNote},
      {"Mode", VT::Integer, "mode", kListIndex, kUnchanged},
      {"Min", VT::Text, "lower", "the lower frequency as typed (digits, \",\" and \".\", at most 32 characters)",
       "an empty entry", kMaxFrqEntry},
      {"Max", VT::Text, "upper", "the upper frequency as typed (digits, \",\" and \".\", at most 32 characters)",
       "an empty entry", kMaxFrqEntry},
      {"Out", VT::Integer, "output", kListIndex, kUnchanged},
      {"SavePath", VT::Text, "", "the last saved frequency documentation file", "the documents folder", -1, true},
  };
}

std::vector<Value> ConfigurationValues() {
  static const std::vector<std::string> names = [] {
    std::vector<std::string> out;
    for (int i = 1; i <= kRecentFiles; ++i) out.push_back("Recent" + std::to_string(i));
    return out;
  }();
  std::vector<Value> values;
  for (const std::string& name : names)
    values.push_back({name, VT::Text, "", "a recently used configuration file, newest first", "none"});
  values.push_back({"QrOnPaper", VT::Integer, "", "1: every sheet carries the configuration as a QR code", "0"});
  return values;
}

std::size_t Utf16Length(std::string_view utf8) {
  std::size_t n = 0;
  for (unsigned char c : utf8) {
    if ((c & 0xC0) == 0x80) continue;  // continuation byte
    n += c >= 0xF0 ? 2 : 1;            // four-byte sequences are two UTF-16 units
  }
  return n;
}

}  // namespace

const Value* Key::Find(std::string_view name) const {
  for (const Value& v : values)
    if (v.name == name) return &v;
  return nullptr;
}

const std::vector<Key>& Schema() {
  static const std::vector<Key> keys = {
      {kKeyDC, "dc", DcValues()},
      {kKeyThermo, "thermo",
       TemperatureValues("Filter", "filter", "the last saved thermocouple documentation file")},
      {kKeyRTD, "rtd", TemperatureValues("Response", "response", "the last saved RTD documentation file")},
      {kKeyFrequency, "frq", FrqValues()},
      {"\\Software\\Zantrel\\Setrix\\Configuration", "", ConfigurationValues()},
  };
  return keys;
}

const Key* KeyOf(std::string_view module) {
  if (module.empty()) return nullptr;
  for (const Key& k : Schema())
    if (k.module == module) return &k;
  return nullptr;
}

const Key& ConfigurationKey() { return Schema().back(); }

// --- values -------------------------------------------------------------------------------

std::optional<std::int32_t> StoredValues::Integer(std::string_view name) const {
  const auto it = values_.find(name);
  if (it == values_.end()) return std::nullopt;
  if (const auto* v = std::get_if<std::int32_t>(&it->second)) return *v;
  return std::nullopt;
}

std::optional<std::string> StoredValues::Text(std::string_view name) const {
  const auto it = values_.find(name);
  if (it == values_.end()) return std::nullopt;
  if (const auto* v = std::get_if<std::string>(&it->second)) return *v;
  return std::nullopt;
}

void StoredValues::SetInteger(std::string_view name, std::int32_t value) {
  SetPresent(name);
  values_[std::string(name)] = value;
}

void StoredValues::SetText(std::string_view name, std::string value) {
  SetPresent(name);
  values_[std::string(name)] = std::move(value);
}

StoredValues ReadKey(SettingsStore& store, const Key& key) {
  StoredValues out;
  store.OpenKey(key.path);
  for (const Value& v : key.values) {
    if (v.savedByDocument || !store.HasValue(v.name)) continue;
    out.SetPresent(v.name);
    if (v.type == ValueType::Integer) {
      if (const std::optional<std::int32_t> n = store.ReadInteger(v.name)) out.SetInteger(v.name, *n);
    } else if (std::optional<std::string> s = store.ReadString(v.name)) {
      if (v.maxLength >= 0 && Utf16Length(*s) > static_cast<std::size_t>(v.maxLength))
        store.KeepOriginal(v.name);
      else
        out.SetText(v.name, std::move(*s));
    }
  }
  return out;
}

void WriteKey(SettingsStore& store, const Key& key, const StoredValues& values) {
  store.OpenKey(key.path);
  for (const Value& v : key.values) {
    if (v.savedByDocument) continue;
    if (v.type == ValueType::Integer) {
      if (const std::optional<std::int32_t> n = values.Integer(v.name)) store.WriteInteger(v.name, *n);
    } else if (const std::optional<std::string> s = values.Text(v.name)) {
      store.WriteString(v.name, *s);
    }
  }
}

// --- modules ------------------------------------------------------------------------------

namespace {

constexpr std::array<DcEdit, 4> kDcEdits = {DcEdit::EditEMin, DcEdit::EditEMax, DcEdit::EditAMin,
                                            DcEdit::EditAMax};
constexpr std::array<std::string_view, 4> kDcEditNames = {"InMin", "InMax", "OutMin", "OutMax"};

}  // namespace

void Restore(DcScreen& dc, const StoredValues& v) {
  if (const auto t = v.Text("UserText")) dc.SetUserText(*t);
  if (const auto n = v.Integer("Bandwidth"))
    dc.RBtnGrenzClick(*n == 0 ? DcBandwidthButton::RBtn10Hz : DcBandwidthButton::RBtn10kHz);
  // Taken whole, also when longer than the entry lets the user type.
  for (std::size_t i = 0; i < kDcEdits.size(); ++i)
    if (const auto t = v.Text(kDcEditNames[i])) dc.EditChange(kDcEdits[i], *t);
  if (const auto n = v.Integer("InValue"))
    dc.RadioBtnClick(*n == 1 ? DcUnitButton::RBtnEmV : *n == 2 ? DcUnitButton::RBtnEV : DcUnitButton::RBtnEmA);
  if (const auto n = v.Integer("OutValue"))
    dc.RadioBtnClick(*n == 1 ? DcUnitButton::RBtnAV : DcUnitButton::RBtnAmA);
}

StoredValues Stored(const DcScreen& dc) {
  const DcConfig& c = dc.Config();
  StoredValues v;
  v.SetText("UserText", c.userText);
  v.SetInteger("Bandwidth", c.bandwidth == 0 ? 0 : 1);
  for (std::size_t i = 0; i < kDcEdits.size(); ++i) v.SetText(kDcEditNames[i], dc.EditText(kDcEdits[i]));
  v.SetInteger("InValue", c.inUnit);
  v.SetInteger("OutValue", c.outUnit);
  return v;
}

namespace {

// The thermocouple and the RTD: the note and six list indexes, the fifth "Filter" or
// "Response".
template <class Model>
void RestoreTemperature(Model& m, const StoredValues& v, std::string_view fifth,
                        void (*restore)(Model&, const TemperatureStoredChoices&)) {
  if (const auto t = v.Text("UserText")) m.config.userText = *t;
  restore(m, {v.Integer("Input"), v.Integer("Min"), v.Integer("Max"), v.Integer(fifth), v.Integer("Out"),
              v.Integer("Manual")});
}

template <class Model>
StoredValues StoredTemperature(const Model& m, std::string_view fifth, const ChoiceList& fifthList) {
  StoredValues v;
  v.SetText("UserText", m.config.userText);
  v.SetInteger("Input", m.type.index);
  v.SetInteger("Min", m.start.index);
  v.SetInteger("Max", m.end.index);
  v.SetInteger(fifth, fifthList.index);
  v.SetInteger("Out", m.output.index);
  v.SetInteger("Manual", m.manual.index);
  return v;
}

}  // namespace

void Restore(ThermoModel& m, const StoredValues& v) { RestoreTemperature(m, v, "Filter", ThermoRestore); }
StoredValues Stored(const ThermoModel& m) { return StoredTemperature(m, "Filter", m.filter); }
void Restore(RtdModel& m, const StoredValues& v) { RestoreTemperature(m, v, "Response", RtdRestore); }
StoredValues Stored(const RtdModel& m) { return StoredTemperature(m, "Response", m.response); }

void Restore(FrqModel& m, const StoredValues& v) {
  if (const auto t = v.Text("UserText")) m.config.userText = *t;
  FrqRestore(m, {v.Integer("Mode"), v.Text("Min"), v.Text("Max"), v.Integer("Out")});
}

StoredValues Stored(const FrqModel& m) {
  StoredValues v;
  v.SetText("UserText", m.config.userText);
  v.SetInteger("Mode", m.mode.index);
  v.SetText("Min", m.config.lowerText);
  v.SetText("Max", m.config.upperText);
  v.SetInteger("Out", m.output.index);
  return v;
}

// --- the whole store ----------------------------------------------------------------------

Loaded Load(SettingsStore& store, ModuleModels& models) {
  Loaded out;
  const StoredValues dc = ReadKey(store, *KeyOf("dc"));
  WindowSettings& w = out.window;
  w.top = dc.Integer("Top").value_or(0);
  w.left = dc.Integer("Left").value_or(0);
  w.zoom = dc.Integer("Zoom");
  if (dc.Has("Language")) {
    const std::optional<int> language = dc.Integer("Language");
    w.language = language && *language >= 0 && *language <= 3 ? *language : 0;
  } else {
    w.firstRun = true;
    w.language = 0;
  }
  texts::SetCurrentLanguage(w.language);
  Restore(models.dc, dc);

  // The other modules only when "OutValue" exists.
  out.modulesRestored = dc.Has("OutValue");
  if (out.modulesRestored) {
    Restore(models.thermo, ReadKey(store, *KeyOf("thermo")));
    Restore(models.rtd, ReadKey(store, *KeyOf("rtd")));
    Restore(models.frq, ReadKey(store, *KeyOf("frq")));
  }
  store.CloseKey();
  return out;
}

void Store(SettingsStore& store, const WindowSettings& window, const ModuleModels& models) {
  StoredValues dc = Stored(models.dc);
  dc.SetInteger("Top", window.top);
  dc.SetInteger("Left", window.left);
  dc.SetInteger("Language", window.language);
  if (window.zoom) dc.SetInteger("Zoom", *window.zoom);
  WriteKey(store, *KeyOf("dc"), dc);
  WriteKey(store, *KeyOf("thermo"), Stored(models.thermo));
  WriteKey(store, *KeyOf("rtd"), Stored(models.rtd));
  WriteKey(store, *KeyOf("frq"), Stored(models.frq));
}

ConfigurationSettings LoadConfiguration(SettingsStore& store) {
  ConfigurationSettings out;
  const StoredValues v = ReadKey(store, ConfigurationKey());
  for (int i = 1; i <= kRecentFiles; ++i) {
    const std::optional<std::string> file = v.Text("Recent" + std::to_string(i));
    if (file && !file->empty() &&
        std::find(out.recentFiles.begin(), out.recentFiles.end(), *file) == out.recentFiles.end())
      out.recentFiles.push_back(*file);
  }
  out.qrOnPaper = v.Integer("QrOnPaper").value_or(0) == 1;
  store.CloseKey();
  return out;
}

void StoreConfiguration(SettingsStore& store, const ConfigurationSettings& c) {
  StoredValues v;
  for (int i = 1; i <= kRecentFiles; ++i)
    v.SetText("Recent" + std::to_string(i), static_cast<std::size_t>(i) <= c.recentFiles.size()
                                                ? c.recentFiles[static_cast<std::size_t>(i - 1)]
                                                : std::string());
  v.SetInteger("QrOnPaper", c.qrOnPaper ? 1 : 0);
  WriteKey(store, ConfigurationKey(), v);
  store.CloseKey();
}

std::optional<std::string> ReadSavePath(SettingsStore& store, std::string_view module) {
  const Key* key = KeyOf(module);
  if (key == nullptr) return std::nullopt;
  store.OpenKey(key->path);
  std::optional<std::string> file = store.HasValue("SavePath") ? store.ReadString("SavePath") : std::nullopt;
  store.CloseKey();
  return file;
}

void WriteSavePath(SettingsStore& store, std::string_view module, std::string_view file) {
  const Key* key = KeyOf(module);
  if (key == nullptr) return;
  store.OpenKey(key->path);
  store.WriteString("SavePath", file);
  store.CloseKey();
}

}  // namespace setrix::settings
