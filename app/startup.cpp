#include "app/startup.h"

#include <QLocale>

#include "app/ini_settings_store.h"
#include "modules/numbers.h"

namespace setrix::app {

StartOptions ParseStartOptions(const QStringList& arguments) {
  StartOptions o;
  o.settingsFile = IniSettingsStore::FileFromEnvironment();
  for (int i = 0; i < arguments.size(); ++i) {
    const QString& a = arguments.at(i);
    if (i > 0 && a == QLatin1String("--settings") && i + 1 < arguments.size()) {
      o.settingsFile = arguments.at(++i);
    } else if (i > 0 && a.startsWith(QLatin1String("--settings="))) {
      o.settingsFile = a.mid(11);
    } else {
      o.arguments << a;
    }
  }
  return o;
}

void SetupLocale() {
  const QString point = QLocale().decimalPoint();
  SetDecimalSeparator(point == QLatin1String(",") ? ',' : '.');
}

}  // namespace setrix::app
