// SETRIX, the desktop program.
#include <QApplication>
#include <QTextStream>

#include "app/ini_settings_store.h"
#include "app/main_window.h"
#include "app/startup.h"
#include "app/style.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  setrix::app::SetupApplication(app);
  setrix::app::SetupLocale();

  const setrix::app::StartOptions options = setrix::app::ParseStartOptions(app.arguments());
  setrix::app::IniSettingsStore store(options.settingsFile);
  if (!store.Problem().isEmpty())
    QTextStream(stderr) << "setrix: " << store.Problem() << "; starting with what can be used\n";

  setrix::app::TForm1 window(store, options.arguments);
  window.show();
  const int rc = app.exec();
  if (!store.Flush()) QTextStream(stderr) << "setrix: " << store.Problem() << "\n";
  return rc;
}
