#pragma once
// The per-user settings store: keys addressed by path (for example
// "\Software\Zantrel\Setrix\DC"), each holding named 32-bit integers and strings.
// The desktop program keeps it in an INI file; tests and the command line use the
// in-memory store below.
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

namespace setrix {

class SettingsStore {
 public:
  virtual ~SettingsStore() = default;

  // Opens the key at `path`, creating it when missing. False when it cannot be opened;
  // the value operations then find nothing and write nothing.
  virtual bool OpenKey(std::string_view path) = 0;
  virtual void CloseKey() = 0;

  virtual bool HasValue(std::string_view name) const = 0;
  // A value of the other type, or one that does not fit, reads as nothing.
  virtual std::optional<std::int32_t> ReadInteger(std::string_view name) const = 0;
  virtual std::optional<std::string> ReadString(std::string_view name) const = 0;
  virtual void WriteInteger(std::string_view name, std::int32_t value) = 0;
  virtual void WriteString(std::string_view name, std::string_view value) = 0;
  // Makes the written values permanent; false when that failed.
  virtual bool Flush() { return true; }
  // The reader could not use a stored value (`what` names it): a persistent store keeps
  // its contents as they are before they are written anew.
  virtual void KeepOriginal(std::string_view what) { (void)what; }
  // Empty, or why the stored settings could not be used as they were (for the user).
  virtual std::string Problem() const { return {}; }
  // Empty, or where the unusable original was kept.
  virtual std::string KeptCopy() const { return {}; }
};

// Keeps every key in memory; used by tests and by programs without a persistent store.
class MemorySettingsStore : public SettingsStore {
 public:
  using Value = std::variant<std::int32_t, std::string>;
  using Key = std::map<std::string, Value, std::less<>>;

  bool OpenKey(std::string_view path) override;
  void CloseKey() override;
  bool HasValue(std::string_view name) const override;
  std::optional<std::int32_t> ReadInteger(std::string_view name) const override;
  std::optional<std::string> ReadString(std::string_view name) const override;
  void WriteInteger(std::string_view name, std::int32_t value) override;
  void WriteString(std::string_view name, std::string_view value) override;

  // Direct access for tests: the values of a key (created when missing).
  Key& KeyAt(std::string_view path);
  bool HasKey(std::string_view path) const;
  void RemoveValue(std::string_view path, std::string_view name);
  // While set, OpenKey fails (a store that cannot be opened).
  void SetFailOpen(bool fail) { failOpen_ = fail; }

 private:
  std::map<std::string, Key, std::less<>> keys_;
  Key* current_ = nullptr;
  bool failOpen_ = false;
};

// The key paths of the program.
inline constexpr std::string_view kKeyDC = "\\Software\\Zantrel\\Setrix\\DC";
inline constexpr std::string_view kKeyThermo = "\\Software\\Zantrel\\Setrix\\Thermo";
inline constexpr std::string_view kKeyRTD = "\\Software\\Zantrel\\Setrix\\RTD";
inline constexpr std::string_view kKeyFrequency = "\\Software\\Zantrel\\Setrix\\Frequency";

}  // namespace setrix
