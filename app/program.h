#pragma once
// The desktop program's run, from the application object to the end of its event loop: what
// main() does after the options it answers itself, shared with the start-up measurement so
// that both start the window in the same way.
#include <functional>

class QApplication;
class QMainWindow;

namespace setrix::app {

// Sets up the application (menu entry, icon, style, locale), reads the start options and
// the settings file, shows the main window and runs the event loop. `beforeShow`, when
// given, sees the window just before it is shown. Returns the event loop's exit code; a
// settings file that cannot be written is reported on standard error.
int RunProgram(QApplication& app, const std::function<void(QMainWindow&)>& beforeShow = {});

}  // namespace setrix::app
