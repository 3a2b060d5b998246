// The reference: a minimal Qt Widgets program, a main window with a menu and a label.
#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>

#include "bench/startup/report.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QMainWindow window;
  QMenu* file = window.menuBar()->addMenu(QStringLiteral("&File"));
  file->addAction(QStringLiteral("&Quit"), &app, &QApplication::quit);
  window.setCentralWidget(new QLabel(QStringLiteral("Hello")));
  new setrix::bench::ShownReporter(window);
  window.show();
  return app.exec();
}
