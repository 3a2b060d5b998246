#include "app/program.h"

#include <QApplication>
#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QTextStream>

#include <fontconfig/fontconfig.h>

#include "app/ini_settings_store.h"
#include "app/main_window.h"
#include "app/startup.h"
#include "app/style.h"

namespace setrix::app {

// Not from the icon theme when it can be helped: finding a theme icon reads the theme's
// whole index first, a good part of a start.
QIcon WindowIcon() {
#ifdef SETRIX_WINDOW_ICON_SIZES
  // Read as PNG by name: a reader left to find the format asks every image plugin first.
  QIcon icon;
  for (int size : {SETRIX_WINDOW_ICON_SIZES})
    icon.addPixmap(
        QPixmap::fromImage(QImage(QStringLiteral(":/icons/%1x%1/" SETRIX_APP_ID ".png").arg(size), "PNG")));
  return icon;
#else
  return QIcon::fromTheme(QStringLiteral(SETRIX_APP_ID));
#endif
}

// The same call the font database makes first; once the configuration is loaded it returns
// at once. Font configuration loading is safe on any thread.
EarlyFontLoading::EarlyFontLoading() : thread_([] { FcInit(); }) {}

int RunProgram(QApplication& app, EarlyFontLoading& fonts, const std::function<void(QMainWindow&)>& beforeShow) {
  // The installed menu entry, for window managers that look it up.
  QGuiApplication::setDesktopFileName(QStringLiteral(SETRIX_APP_ID));
  QApplication::setWindowIcon(WindowIcon());
  SetupApplication(app);
  SetupLocale();

  const StartOptions options = ParseStartOptions(app.arguments());
  // A settings problem is shown in the window's status line.
  IniSettingsStore store(options.settingsFile);

  fonts.Wait();
  TForm1 window(store, options.arguments);
  CloseOnTerminationSignals(window);
  if (beforeShow) beforeShow(window);
  window.show();
  const int rc = app.exec();
  if (!store.Flush()) QTextStream(stderr) << "setrix: " << store.ProblemText() << "\n";
  return rc;
}

}  // namespace setrix::app
