#pragma once
// The stored settings: every key of the per-user store, its value names, types and what a
// missing value means, in the order they are stored, and the operations that restore the
// module models and the window's values from a store and store them again.
//
// Restoring follows the order of the table: the DC key (window place, zoom, language, the
// DC note and choices), then, only when the DC key holds "OutValue", the thermocouple, RTD
// and frequency keys, each note first and then the choices with the module's update in
// between. A value of the other type, or one that does not fit, is skipped (the store keeps
// the file as it was).
#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "modules/module_models.h"
#include "modules/settings_store.h"

namespace setrix::settings {

enum class ValueType { Integer, Text };

struct Value {
  std::string_view name;  // "InMin"
  ValueType type;
  // The choice of the module's command and configuration file it holds ("in-min"); "" for
  // the note and the window's values.
  std::string_view choice;
  std::string_view meaning;  // what it holds, and the accepted form
  std::string_view missing;  // what a missing value leaves
  // A stored text longer than this (in UTF-16 units, as the entry counts) is not used; -1: any.
  int maxLength = -1;
  // Written by File / Save only, not restored at start nor stored at close ("SavePath").
  bool savedByDocument = false;
};

struct Key {
  std::string_view path;    // "\Software\Zantrel\Setrix\DC"
  std::string_view module;  // "dc", "thermo", "rtd", "frq"; "" for the configuration menu's key
  std::vector<Value> values;
  const Value* Find(std::string_view name) const;
};

// Every key in the order the settings are restored and stored.
const std::vector<Key>& Schema();
// The key of module "dc", "thermo", "rtd" or "frq"; nullptr for another name.
const Key* KeyOf(std::string_view module);
// The key of the configuration menu (recent files, QR code on the paper).
const Key& ConfigurationKey();
inline constexpr int kRecentFiles = 8;

// The values of one key as read from a store: which names exist, and the usable values.
class StoredValues {
 public:
  using Stored = std::variant<std::int32_t, std::string>;
  // The value exists in the store, usable or not.
  bool Has(std::string_view name) const { return present_.count(std::string(name)) != 0; }
  std::optional<std::int32_t> Integer(std::string_view name) const;
  std::optional<std::string> Text(std::string_view name) const;
  void SetInteger(std::string_view name, std::int32_t value);
  void SetText(std::string_view name, std::string value);
  void SetPresent(std::string_view name) { present_.insert(std::string(name)); }
  const std::map<std::string, Stored, std::less<>>& Values() const { return values_; }

 private:
  std::set<std::string, std::less<>> present_;
  std::map<std::string, Stored, std::less<>> values_;
};

// Opens `key` and reads each of its values (not those written by the documents) in table
// order. A value of the other type, or a text longer than its limit, counts as present but
// is not usable; the store is told to keep its original.
StoredValues ReadKey(SettingsStore& store, const Key& key);
// Opens `key` and writes each value of the table that `values` holds, in table order.
void WriteKey(SettingsStore& store, const Key& key, const StoredValues& values);

// The values of a module's key that its model restores and stores (the note included).
void Restore(DcScreen& dc, const StoredValues& values);
void Restore(ThermoModel& thermo, const StoredValues& values);
void Restore(RtdModel& rtd, const StoredValues& values);
void Restore(FrqModel& frq, const StoredValues& values);
StoredValues Stored(const DcScreen& dc);
StoredValues Stored(const ThermoModel& thermo);
StoredValues Stored(const RtdModel& rtd);
StoredValues Stored(const FrqModel& frq);

// What the DC key holds for the window.
struct WindowSettings {
  int top = 0;  // 0 for a missing value
  int left = 0;
  std::optional<int> zoom;  // percent; nothing stored: the window keeps its zoom
  bool firstRun = false;    // no "Language" stored: the first-run language screen
  int language = 0;         // 0..3; another stored number gives 0
};

struct Loaded {
  WindowSettings window;
  // The DC key held "OutValue", so the other three modules were restored too.
  bool modulesRestored = false;
};

// Restores the models from `store` (setting the current language as it goes, so that the
// lists are filled in it).
Loaded Load(SettingsStore& store, ModuleModels& models);
// Stores the window's values and the models, key by key in table order.
void Store(SettingsStore& store, const WindowSettings& window, const ModuleModels& models);

// The configuration menu's key.
struct ConfigurationSettings {
  std::vector<std::string> recentFiles;  // newest first, at most kRecentFiles, no repeats
  bool qrOnPaper = false;
};
ConfigurationSettings LoadConfiguration(SettingsStore& store);
void StoreConfiguration(SettingsStore& store, const ConfigurationSettings& configuration);

// The last documentation file saved for `module` ("SavePath" of its key).
std::optional<std::string> ReadSavePath(SettingsStore& store, std::string_view module);
void WriteSavePath(SettingsStore& store, std::string_view module, std::string_view file);

}  // namespace setrix::settings
