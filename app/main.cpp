// SETRIX, the desktop program.
#include <QApplication>
#include <QTextStream>

#include "app/ini_settings_store.h"
#include "app/main_window.h"
#include "app/startup.h"
#include "app/style.h"

int main(int argc, char* argv[]) {
  setrix::app::CatchTerminationSignals();
  QApplication app(argc, argv);
  setrix::app::SetupApplication(app);
  setrix::app::SetupLocale();

  const setrix::app::StartOptions options = setrix::app::ParseStartOptions(app.arguments());
  // A settings problem is shown in the window's status line.
  setrix::app::IniSettingsStore store(options.settingsFile);

  setrix::app::TForm1 window(store, options.arguments);
  setrix::app::CloseOnTerminationSignals(window);
  window.show();
  const int rc = app.exec();
  if (!store.Flush()) QTextStream(stderr) << "setrix: " << store.ProblemText() << "\n";
  return rc;
}
