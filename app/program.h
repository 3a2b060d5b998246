#pragma once
// The desktop program's run, from the application object to the end of its event loop: what
// main() does after the options it answers itself, shared with the start-up measurement so
// that both start the window in the same way.
#include <functional>
#include <thread>

#include <QIcon>

class QApplication;
class QMainWindow;

namespace setrix::app {

// Loads the font configuration on a thread of its own while the application object connects
// to the window system; the first text measured would otherwise wait for it (a good part of
// a start). Made before the application object; RunProgram waits for it before the window
// is made (and so does the destructor when RunProgram is not reached).
class EarlyFontLoading {
 public:
  EarlyFontLoading();
  ~EarlyFontLoading() { Wait(); }
  EarlyFontLoading(const EarlyFontLoading&) = delete;
  EarlyFontLoading& operator=(const EarlyFontLoading&) = delete;
  void Wait() {
    if (thread_.joinable()) thread_.join();
  }

 private:
  std::thread thread_;
};

// The window's icon: from the program's resources in the sizes drawn at build time; without
// them (no SVG converter at build time), from the icon theme.
QIcon WindowIcon();

// Sets up the application (menu entry, icon, style, locale), reads the start options and
// the settings file, shows the main window and runs the event loop. `beforeShow`, when
// given, sees the window just before it is shown. Returns the event loop's exit code; a
// settings file that cannot be written is reported on standard error.
int RunProgram(QApplication& app, EarlyFontLoading& fonts,
               const std::function<void(QMainWindow&)>& beforeShow = {});

}  // namespace setrix::app
