#pragma once
// What the program needs before the main window exists: the command-line options and the
// locale's decimal separator.
#include <QString>
#include <QStringList>

class QWidget;

namespace setrix::app {

struct StartOptions {
  // The settings file: "--settings FILE" (or "--settings=FILE"), else SETRIX_SETTINGS,
  // else empty (the file in the user's config folder).
  QString settingsFile;
  // The arguments without the settings option, the program first: the main window
  // looks for the service word among them.
  QStringList arguments;
};
StartOptions ParseStartOptions(const QStringList& arguments);

// From the start of the program on, SIGTERM and SIGINT are caught; once the main window
// exists they close it as File / Exit does (its settings are stored).
void CatchTerminationSignals();
void CloseOnTerminationSignals(QWidget& window);

// Takes the decimal separator from the user's locale.
void SetupLocale();

}  // namespace setrix::app
