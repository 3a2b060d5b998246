#include "app/program.h"

#include <QApplication>
#include <QIcon>
#include <QTextStream>

#include "app/ini_settings_store.h"
#include "app/main_window.h"
#include "app/startup.h"
#include "app/style.h"

namespace setrix::app {

int RunProgram(QApplication& app, const std::function<void(QMainWindow&)>& beforeShow) {
  // The installed menu entry and icon, for window managers that look them up.
  QGuiApplication::setDesktopFileName(QStringLiteral("example.zantrel.setrix"));
  QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("example.zantrel.setrix")));
  SetupApplication(app);
  SetupLocale();

  const StartOptions options = ParseStartOptions(app.arguments());
  // A settings problem is shown in the window's status line.
  IniSettingsStore store(options.settingsFile);

  TForm1 window(store, options.arguments);
  CloseOnTerminationSignals(window);
  if (beforeShow) beforeShow(window);
  window.show();
  const int rc = app.exec();
  if (!store.Flush()) QTextStream(stderr) << "setrix: " << store.ProblemText() << "\n";
  return rc;
}

}  // namespace setrix::app
