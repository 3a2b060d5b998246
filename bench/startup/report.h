#pragma once
// What both start-up programs report, the same way: the line "shown" on standard output as
// soon as the main window has been painted for the first time, then, after a second of idle
// event loop, "rss <kB>" (the resident memory) and the program quits.
#include <QApplication>
#include <QEvent>
#include <QFile>
#include <QTimer>
#include <QWidget>

#include <cstdio>

namespace setrix::bench {

inline long ResidentKilobytes() {
  QFile status(QStringLiteral("/proc/self/status"));
  if (!status.open(QIODevice::ReadOnly)) return -1;
  for (const QByteArray& line : status.readAll().split('\n'))
    if (line.startsWith("VmRSS:")) return line.mid(6).trimmed().split(' ').value(0).toLong();
  return -1;
}

// Watches the window for its first paint.
class ShownReporter : public QObject {
 public:
  explicit ShownReporter(QWidget& window) : QObject(&window) { window.installEventFilter(this); }

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (!done_ && event->type() == QEvent::Paint) {
      done_ = true;
      // After this paint has finished: the window is on screen.
      QTimer::singleShot(0, [] {
        std::puts("shown");
        std::fflush(stdout);
        QTimer::singleShot(1000, [] {
          std::printf("rss %ld\n", ResidentKilobytes());
          std::fflush(stdout);
          QApplication::quit();
        });
      });
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  bool done_ = false;
};

}  // namespace setrix::bench
