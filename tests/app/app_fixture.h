#pragma once
// Shared set-up of the desktop program's tests: a window over an in-memory store, message
// boxes answered by a recorder instead of the user.
#include <QApplication>
#include <QMenu>
#include <QStringList>
#include <memory>
#include <vector>

#include "app/main_window.h"
#include "app/models.h"
#include "app/style.h"
#include "app/widgets.h"
#include "modules/settings_store.h"
#include "texts/texts.h"

namespace setrix::app::test {

struct Message {
  QString caption;
  QString text;
};

// Records every message box instead of showing it.
class MessageRecorder {
 public:
  MessageRecorder() {
    SetMessageHandler([this](QWidget*, const QString& c, const QString& t) { messages.push_back({c, t}); });
  }
  ~MessageRecorder() { SetMessageHandler({}); }
  std::vector<Message> messages;
};

inline void SetupOnce() {
  static bool done = false;
  if (done) return;
  done = true;
  SetupApplication(*qApp);
}

// A store as a regular earlier run leaves it: the language and the DC output unit (so that
// the other modules are read too).
inline void SeedRegularRun(MemorySettingsStore& store, int language) {
  auto& dc = store.KeyAt(kKeyDC);
  dc["Language"] = language;
  dc["OutValue"] = 0;
}

inline std::unique_ptr<TForm1> MakeWindow(SettingsStore& store,
                                          QStringList arguments = {QStringLiteral("setrix")}) {
  SetupOnce();
  auto w = std::make_unique<TForm1>(store, arguments);
  w->show();
  return w;
}

inline QString TxText(const texts::PerLanguage& e, int language) { return DisplayText(texts::Tx(e, language)); }

inline bool MenuEnabled(QMenu* m) { return m->menuAction()->isEnabled(); }

}  // namespace setrix::app::test
