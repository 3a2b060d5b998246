#pragma once
// The dialogs of File / Print and File / Save: the print dialog, the user-text prompt and the
// save dialog. The main window reaches them through this interface, so that tests can answer
// them; PlatformDialogs shows the real ones.
#include <QString>

class QPrinter;
class QWidget;

namespace setrix::app {

class TAlphaCodeBox;

// What the save dialog is opened with.
struct SaveFileRequest {
  QString title;
  QString filter;         // Qt form: "Adobe PDF-Files (*.pdf)"
  QString startLocation;  // the module's last saved file; empty: the platform's default
  QString proposedName;   // the file name proposed in the start folder (from module and task)
  QString defaultSuffix;  // appended to a name typed without an extension
};

class DocumentationDialogs {
 public:
  virtual ~DocumentationDialogs() = default;
  // The print dialog: true when the user chose a printer, whose settings are in `printer`.
  virtual bool ChoosePrinter(QWidget* parent, QPrinter& printer) = 0;
  // Shows the prompt modally until it closes (its buttons and keys decide the answer).
  virtual void ShowPrompt(TAlphaCodeBox& box) = 0;
  // The save dialog, which asks before an existing file is replaced: the chosen full file
  // name, or empty when the user cancelled.
  virtual QString ChooseSaveFile(QWidget* parent, const SaveFileRequest& request) = 0;
};

// The platform's save dialog for a request, shared by every "Save ... as" of the program: asks
// before an existing file is replaced, starts in the folder of `startLocation` (proposing its
// name when the request proposes none). The chosen full file name, or empty when cancelled.
QString ShowSaveFileDialog(QWidget* parent, const SaveFileRequest& request);

class PlatformDialogs final : public DocumentationDialogs {
 public:
  bool ChoosePrinter(QWidget* parent, QPrinter& printer) override;
  void ShowPrompt(TAlphaCodeBox& box) override;
  QString ChooseSaveFile(QWidget* parent, const SaveFileRequest& request) override;
};

// "Adobe PDF-Files (*.pdf)|*.pdf" (description "|" pattern) as a Qt name filter.
QString QtNameFilter(const QString& filter);

}  // namespace setrix::app
