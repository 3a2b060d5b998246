// The desktop program started as its main() starts it, with a settings file of its own (so
// that the user's settings play no part), reporting when its window is shown.
#include <QApplication>
#include <QMainWindow>

#include "app/program.h"
#include "bench/startup/report.h"

int main(int argc, char* argv[]) {
  setrix::app::EarlyFontLoading fonts;
  QApplication app(argc, argv);
  return setrix::app::RunProgram(app, fonts,
                                 [](QMainWindow& window) { new setrix::bench::ShownReporter(window); });
}
