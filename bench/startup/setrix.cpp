// The desktop program started as its main() starts it, with a settings file of its own (so
// that the user's settings play no part), reporting when its window is shown.
#include <QApplication>

#include "app/ini_settings_store.h"
#include "app/main_window.h"
#include "app/startup.h"
#include "app/style.h"
#include "bench/startup/report.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  setrix::app::SetupApplication(app);
  setrix::app::SetupLocale();
  const setrix::app::StartOptions options = setrix::app::ParseStartOptions(app.arguments());
  setrix::app::IniSettingsStore store(options.settingsFile);
  setrix::app::TForm1 window(store, options.arguments);
  new setrix::bench::ShownReporter(window);
  window.show();
  return app.exec();
}
