#pragma once
// The desktop program's settings file read without Qt: the INI layout it writes (one
// "[Software]" group, lines such as "Zantrel\Setrix\DC\Language=1", texts quoted and escaped
// where needed). The command line starts a module from the choices stored there.
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

#include "modules/settings_store.h"

namespace setrix::devices {

// A settings file that cannot be read at all (missing, unreadable, not an INI file): the
// message names the file, the line and the accepted form.
class SettingsFileError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// A read-only store over the values of a settings file. Integers and texts are both kept as
// text, as the file holds them; a value read as the other type, or in a form that is neither
// (binary data, out of range), reads as nothing and is remembered in Unusable().
class SettingsFileStore : public SettingsStore {
 public:
  // Reads `file`; throws SettingsFileError.
  explicit SettingsFileStore(std::string file);

  bool OpenKey(std::string_view path) override;
  void CloseKey() override { group_.clear(); }
  bool HasValue(std::string_view name) const override;
  std::optional<std::int32_t> ReadInteger(std::string_view name) const override;
  std::optional<std::string> ReadString(std::string_view name) const override;
  void WriteInteger(std::string_view, std::int32_t) override {}
  void WriteString(std::string_view, std::string_view) override {}
  void KeepOriginal(std::string_view what) override;

  struct Unusable {
    std::string key;   // "Thermo"
    std::string name;  // "Min"
    std::string text;  // as the file holds it
    int line = 0;
  };
  // Values that were read but could not be used, in the order they were read.
  const std::vector<Unusable>& Unusables() const { return unusable_; }
  const std::string& File() const { return file_; }

 private:
  struct Entry {
    std::string text;
    bool isText = true;  // false: binary data or another stored type
    int line = 0;
  };
  const Entry* Find(std::string_view name) const;
  void Drop(std::string_view name, const Entry* e) const;

  std::string file_;
  std::map<std::string, Entry, std::less<>> entries_;  // "Software/Zantrel/Setrix/DC/Language"
  std::string group_;
  mutable std::vector<Unusable> unusable_;
};

}  // namespace setrix::devices
