#include "app/startup.h"

#include <sys/socket.h>
#include <unistd.h>
#include <QLocale>
#include <QSocketNotifier>
#include <QWidget>
#include <csignal>

#include "app/ini_settings_store.h"
#include "modules/numbers.h"

namespace setrix::app {

StartOptions ParseStartOptions(const QStringList& arguments) {
  StartOptions o;
  o.settingsFile = IniSettingsStore::FileFromEnvironment();
  for (int i = 0; i < arguments.size(); ++i) {
    const QString& a = arguments.at(i);
    if (i > 0 && a == QLatin1String("--settings") && i + 1 < arguments.size()) {
      o.settingsFile = arguments.at(++i);
    } else if (i > 0 && a.startsWith(QLatin1String("--settings="))) {
      o.settingsFile = a.mid(11);
    } else {
      o.arguments << a;
    }
  }
  return o;
}

namespace {

int signalPipe[2] = {-1, -1};

extern "C" void OnTerminationSignal(int) {
  // Only async-signal-safe work here: the event loop does the closing.
  const char byte = 1;
  [[maybe_unused]] const ssize_t n = ::write(signalPipe[0], &byte, 1);
}

}  // namespace

void CatchTerminationSignals() {
  if (signalPipe[0] >= 0) return;
  if (::socketpair(AF_UNIX, SOCK_STREAM, 0, signalPipe) != 0) return;
  struct sigaction action {};
  action.sa_handler = OnTerminationSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  sigaction(SIGTERM, &action, nullptr);
  sigaction(SIGINT, &action, nullptr);
}

void CloseOnTerminationSignals(QWidget& window) {
  CatchTerminationSignals();
  if (signalPipe[1] < 0) return;
  // A signal that came before the window existed is waiting in the pipe and closes it now.
  auto* notifier = new QSocketNotifier(signalPipe[1], QSocketNotifier::Read, &window);
  QObject::connect(notifier, &QSocketNotifier::activated, &window, [&window] {
    char byte = 0;
    [[maybe_unused]] const ssize_t n = ::read(signalPipe[1], &byte, 1);
    window.close();
  });
}

void SetupLocale() {
  const QString point = QLocale().decimalPoint();
  SetDecimalSeparator(point == QLatin1String(",") ? ',' : '.');
}

}  // namespace setrix::app
