// SETRIX, the desktop program.
#include <QApplication>
#include <cstdio>
#include <cstring>

#include "app/program.h"
#include "app/startup.h"

namespace {

const char kHelp[] =
    "Usage: setrix [--settings FILE] [Qt options]\n"
    "SETRIX: DIP switch settings and documentation for the ZOR DIN-rail modules.\n"
    "\n"
    "Options:\n"
    "  --settings FILE      Keep the settings in FILE (default: $SETRIX_SETTINGS, else\n"
    "                       ~/.config/Zantrel/Setrix.ini)\n"
    "  -h, --help           Print this help and exit\n"
    "  --version            Print the program name and version and exit\n"
    "\n"
    "Qt options, passed on to Qt, among them:\n"
    "  -platform NAME       Window system plugin: xcb, wayland, offscreen, ...\n"
    "  -platformtheme NAME  Platform theme\n"
    "  -display DISPLAY     X server to use (xcb only)\n"
    "  -qwindowtitle TITLE  Title of the main window\n"
    "  -reverse             Lay the window out from right to left\n"
    "  -stylesheet FILE     Qt style sheet for the whole program\n"
    "  -plugin NAME         Load an additional input plugin\n";

// --help and --version answer before Qt starts, so they work without a display.
// Returns true when one of them was answered.
bool AnswerInformationOptions(int argc, char* argv[]) {
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--settings") == 0) {
      ++i;  // the file name, whatever it looks like
    } else if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
      std::fputs(kHelp, stdout);
      return true;
    } else if (std::strcmp(argv[i], "--version") == 0) {
      std::fputs("setrix " SETRIX_VERSION "\n", stdout);
      return true;
    }
  }
  return false;
}

}  // namespace

int main(int argc, char* argv[]) {
  if (AnswerInformationOptions(argc, argv)) return 0;
  setrix::app::CatchTerminationSignals();
  setrix::app::EarlyFontLoading fonts;
  QApplication app(argc, argv);
  return setrix::app::RunProgram(app, fonts);
}
