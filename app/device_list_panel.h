#pragma once
// The device list panel: a window beside the main window with one row per device of an
// opened list (tag, module, task, outcome). Activating a row opens its module screen; the
// main window writes the screen's edits back into that row.
#include <QDialog>
#include <QString>

#include "configfile/device.h"

class QLabel;
class QPushButton;
class QTableWidget;

namespace setrix::app {

class DeviceListPanel : public QDialog {
  Q_OBJECT
 public:
  explicit DeviceListPanel(QWidget* mainWindow);

  // Shows `list`, read from `file`; no row is active.
  void SetList(configfile::DeviceList list, const QString& file);
  configfile::DeviceList& List() { return list_; }
  const QString& File() const { return file_; }
  void SetFile(const QString& file);
  // The row whose device is on its module screen, -1 for none.
  int ActiveRow() const { return activeRow_; }
  void SetActiveRow(int row);
  // Writes row `row` anew from the list (after its device changed).
  void RefreshRow(int row);
  // Captions in `language`; the outcomes are checked anew.
  void ApplyLanguage(int language);

  QLabel* Title;
  QTableWidget* Table;
  QPushButton* OpenButton;
  QPushButton* SaveButton;
  QPushButton* CloseButton;

 signals:
  void rowOpened(int row);
  void saveRequested();

 private:
  void Fill();
  void TagEdited(int row, int column);

  configfile::DeviceList list_;
  QString file_;
  int activeRow_ = -1;
  int language_ = 0;
  bool filling_ = false;
};

}  // namespace setrix::app
