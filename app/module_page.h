#pragma once
// The common frame of the four module screens: background picture and title line, and the
// hooks the main window calls on them.
#include <QWidget>

#include "app/main_window.h"
#include "app/widgets.h"

namespace setrix::app {

class ModulePage : public QWidget {
  Q_OBJECT
 public:
  ModulePage(const char* pageName, const char* subtitleName, const QString& modelWord, QWidget* parent);

  // Sets the captions in the current language and moves the title line; the module's
  // own state is refreshed only by LanguageChanged, while the page is active.
  virtual void ApplyLanguage() = 0;
  // The language changed while this page is active.
  virtual void LanguageChanged() = 0;
  // The page is entered or shown.
  virtual void Enter() = 0;
  // Copies the model into the widgets.
  virtual void Sync() = 0;

  TitleLine title;
  PictureLabel* background;

 signals:
  // Whether File / Save and File / Print are to be enabled.
  void documentableChanged(bool enabled);

 protected:
  // Sets the subtitle (txSignalIsolator) and moves the title line.
  void ApplyTitle();
};

}  // namespace setrix::app
