#include "app/ini_settings_store.h"

#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QStandardPaths>
#include <QStringList>
#include <limits>

namespace setrix::app {

namespace {

QString FromUtf8(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

// "\Software\Zantrel\Setrix\DC" -> "Software/Zantrel/Setrix/DC".
QString GroupOf(std::string_view path) {
  QString g = FromUtf8(path);
  g.replace(QLatin1Char('\\'), QLatin1Char('/'));
  while (g.startsWith(QLatin1Char('/'))) g.remove(0, 1);
  while (g.endsWith(QLatin1Char('/'))) g.chop(1);
  return g;
}

}  // namespace

IniSettingsStore::IniSettingsStore(const QString& requested) {
  // The user's file is the one QSettings would choose for "Zantrel" / "Setrix"; named here
  // so that its size can be checked before anything reads it.
  const QString fileName = requested.isEmpty()
                               ? QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
                                     QStringLiteral("/Zantrel/Setrix.ini")
                               : requested;
  // A file far larger than any the program writes is set aside unread, so that the
  // program starts in a moment whatever lies there.
  const QFileInfo big(fileName);
  if (big.isFile() && big.size() > kMaxFileSize) {
    const QString copy = fileName + QStringLiteral(".broken");
    QFile::remove(copy);
    if (QFile::rename(fileName, copy)) keptCopy_ = copy;
    problem_ =
        QStringLiteral("the settings file %1 is too large to be a settings file%2")
            .arg(fileName, keptCopy_.isEmpty() ? QString() : QStringLiteral(" (kept as %1)").arg(keptCopy_));
  }
  settings_ = std::make_unique<QSettings>(fileName, QSettings::IniFormat);
  // QSettings reads on first use; read now so that a bad file is known from the start.
  (void)settings_->allKeys();
  if (problem_.isEmpty()) CheckStatus("read");
  // A file that exists but cannot be read is reported like a malformed one.
  QFileInfo info(settings_->fileName());
  if (problem_.isEmpty() && info.exists() && !info.isReadable())
    problem_ = QStringLiteral("cannot read the settings file %1").arg(settings_->fileName());
}

IniSettingsStore::~IniSettingsStore() = default;

void IniSettingsStore::CheckStatus(const char* what) {
  switch (settings_->status()) {
    case QSettings::NoError: break;
    case QSettings::AccessError:
      problem_ = QStringLiteral("cannot %1 the settings file %2").arg(QLatin1String(what), settings_->fileName());
      break;
    case QSettings::FormatError: {
      // The file will be written anew when the program closes: keep the original, once
      // per run (QSettings remembers the error for the file as long as the process lives).
      static QSet<QString> keptFiles;
      const QString copy = settings_->fileName() + QStringLiteral(".broken");
      bool kept = keptFiles.contains(copy);
      if (!kept) {
        QFile::remove(copy);
        kept = QFile::copy(settings_->fileName(), copy);
        if (kept) keptFiles.insert(copy);
      }
      if (kept) keptCopy_ = copy;
      problem_ = QStringLiteral("the settings file %1 is not a valid INI file%2")
                     .arg(settings_->fileName(), kept ? QStringLiteral(" (kept as %1)").arg(copy) : QString());
      break;
    }
  }
}

bool IniSettingsStore::OpenKey(std::string_view path) {
  group_ = GroupOf(path);
  return !group_.isEmpty();
}

void IniSettingsStore::CloseKey() { group_.clear(); }

QString IniSettingsStore::Key(std::string_view name) const { return group_ + QLatin1Char('/') + FromUtf8(name); }

bool IniSettingsStore::HasValue(std::string_view name) const {
  return !group_.isEmpty() && settings_->contains(Key(name));
}

std::optional<std::int32_t> IniSettingsStore::ReadInteger(std::string_view name) const {
  if (!HasValue(name)) return std::nullopt;
  const QVariant v = settings_->value(Key(name));
  if (v.typeId() != QMetaType::QString && v.typeId() != QMetaType::Int && v.typeId() != QMetaType::LongLong) {
    Dropped(name);
    return std::nullopt;
  }
  bool ok = false;
  const qlonglong n = v.toString().trimmed().toLongLong(&ok, 10);
  if (!ok || n < std::numeric_limits<std::int32_t>::min() || n > std::numeric_limits<std::int32_t>::max()) {
    Dropped(name);
    return std::nullopt;
  }
  return static_cast<std::int32_t>(n);
}

std::optional<std::string> IniSettingsStore::ReadString(std::string_view name) const {
  if (!HasValue(name)) return std::nullopt;
  const QVariant v = settings_->value(Key(name));
  // An unquoted text with commas comes back as a list: it is still the text written.
  if (v.typeId() == QMetaType::QStringList) return v.toStringList().join(QStringLiteral(", ")).toStdString();
  if (v.typeId() == QMetaType::QString || v.typeId() == QMetaType::Int || v.typeId() == QMetaType::LongLong)
    return v.toString().toStdString();
  Dropped(name);
  return std::nullopt;  // binary or other stored types are not texts
}

void IniSettingsStore::Dropped(std::string_view name) const {
  const_cast<IniSettingsStore*>(this)->KeepOriginal(group_.section(QLatin1Char('/'), -1).toStdString() + "/" +
                                                    std::string(name));
}

void IniSettingsStore::KeepOriginal(std::string_view what) {
  // Once per file: the first copy is the original as it was found.
  if (!keptCopy_.isEmpty() || !problem_.isEmpty()) return;
  const QString file = settings_->fileName();
  const QString copy = file + QStringLiteral(".broken");
  QFile::remove(copy);
  const bool kept = QFile::copy(file, copy);
  if (kept) keptCopy_ = copy;
  problem_ = QStringLiteral("the settings file %1 holds a value that cannot be used (%2)%3")
                 .arg(file, FromUtf8(what), kept ? QStringLiteral(" (kept as %1)").arg(copy) : QString());
}

void IniSettingsStore::WriteInteger(std::string_view name, std::int32_t value) {
  if (!group_.isEmpty()) settings_->setValue(Key(name), value);
}

void IniSettingsStore::WriteString(std::string_view name, std::string_view value) {
  if (!group_.isEmpty()) settings_->setValue(Key(name), FromUtf8(value));
}

QString IniSettingsStore::FileName() const { return settings_->fileName(); }

bool IniSettingsStore::Flush() {
  settings_->sync();
  // A format error stays set from reading the old file; only a failed write counts here.
  if (settings_->status() == QSettings::AccessError) {
    CheckStatus("write");
    return false;
  }
  return true;
}

QString IniSettingsStore::FileFromEnvironment() { return qEnvironmentVariable("SETRIX_SETTINGS"); }

}  // namespace setrix::app
