#pragma once
// The per-user settings store of the desktop program: an INI file kept by QSettings,
// one group per key path ("\Software\Zantrel\Setrix\DC" becomes "Software/Zantrel/Setrix/DC").
#include <QSettings>
#include <QString>
#include <memory>

#include "modules/settings_store.h"

namespace setrix::app {

class IniSettingsStore : public SettingsStore {
 public:
  // A settings file larger than this is not read (it cannot be one the program wrote).
  static constexpr qint64 kMaxFileSize = 1 << 20;

  // `fileName` empty: the file Zantrel/Setrix.ini in the user's config folder.
  explicit IniSettingsStore(const QString& requested = {});
  ~IniSettingsStore() override;

  bool OpenKey(std::string_view path) override;
  void CloseKey() override;
  bool HasValue(std::string_view name) const override;
  std::optional<std::int32_t> ReadInteger(std::string_view name) const override;
  std::optional<std::string> ReadString(std::string_view name) const override;
  void WriteInteger(std::string_view name, std::int32_t value) override;
  void WriteString(std::string_view name, std::string_view value) override;
  // Copies the file to "<file>.broken", once, before anything is written over it.
  void KeepOriginal(std::string_view what) override;
  std::string Problem() const override { return problem_.toStdString(); }
  std::string KeptCopy() const override { return keptCopy_.toStdString(); }

  QString FileName() const;
  // Writes pending changes to the file; false (with ProblemText() set) when that failed.
  bool Flush() override;
  // Empty, or why the file could not be read or written. A malformed file, one that is too
  // large, and one holding a value that cannot be used are kept as "<file>.broken" before
  // anything is written over them.
  QString ProblemText() const { return problem_; }

  // The file named by SETRIX_SETTINGS, or empty.
  static QString FileFromEnvironment();

 private:
  QString Key(std::string_view name) const;
  void CheckStatus(const char* what);
  // A value exists but has the wrong kind or size.
  void Dropped(std::string_view name) const;

  std::unique_ptr<QSettings> settings_;
  QString group_;  // empty while no key is open
  mutable QString problem_;
  mutable QString keptCopy_;
};

}  // namespace setrix::app
