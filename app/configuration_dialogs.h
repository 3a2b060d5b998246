#pragma once
// The dialogs of the configuration files: open and save dialogs, the folder dialog and the
// progress of a device list being documented. The main window reaches them through this
// interface, so that tests can answer them; PlatformConfigurationDialogs shows the real ones.
#include <QString>
#include <memory>

class QWidget;

namespace setrix::app {

struct SaveFileRequest;

// The progress of a long job.
class ProgressView {
 public:
  virtual ~ProgressView() = default;
  // Before item n (1-based) of total; false when the user cancelled.
  virtual bool Step(int n, int total, const QString& text) = 0;
};

class ConfigurationDialogs {
 public:
  virtual ~ConfigurationDialogs() = default;
  // The open dialog: the chosen file, or empty when cancelled. `filter` in Qt form.
  virtual QString ChooseOpenFile(QWidget* parent, const QString& title, const QString& filter,
                                 const QString& start) = 0;
  // The save dialog (asks before an existing file is replaced); empty when cancelled.
  virtual QString ChooseSaveFile(QWidget* parent, const SaveFileRequest& request) = 0;
  // The folder dialog; empty when cancelled.
  virtual QString ChooseFolder(QWidget* parent, const QString& title, const QString& start) = 0;
  // A progress dialog with a Cancel button, shown while the returned view lives.
  virtual std::unique_ptr<ProgressView> ShowProgress(QWidget* parent, const QString& title, int total) = 0;
};

class PlatformConfigurationDialogs final : public ConfigurationDialogs {
 public:
  QString ChooseOpenFile(QWidget* parent, const QString& title, const QString& filter,
                         const QString& start) override;
  QString ChooseSaveFile(QWidget* parent, const SaveFileRequest& request) override;
  QString ChooseFolder(QWidget* parent, const QString& title, const QString& start) override;
  std::unique_ptr<ProgressView> ShowProgress(QWidget* parent, const QString& title, int total) override;
};

}  // namespace setrix::app
