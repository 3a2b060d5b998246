// Configuration files in the main window: File / Open configuration..., Save configuration
// as..., the recent files, files dropped on the window, the device list panel, File /
// Document device list... and the QR code of the configuration on the paper.
#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QGraphicsView>
#include <QLocale>
#include <QMenu>
#include <QMimeData>
#include <QProgressDialog>
#include <QStatusBar>
#include <QUrl>

#include "app/configuration_dialogs.h"
#include "app/dc_page.h"
#include "app/device_list_panel.h"
#include "app/documentation_dialogs.h"
#include "app/frq_page.h"
#include "app/list_pages.h"
#include "app/main_window.h"
#include "app/models.h"
#include "app/read_mode.h"
#include "app/window_texts.h"
#include "configfile/qr.h"
#include "devices/batch.h"
#include "devices/device_model.h"
#include "devices/module_run.h"
#include "devices/module_screen.h"
#include "texts/texts.h"

namespace setrix::app {

namespace {

// The configuration files' settings: the recent files and the QR code on the paper.

QString Utf8(const std::string& s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }
std::string Path(const QString& file) { return QFile::encodeName(file).toStdString(); }

const char* LanguageCode(int language) {
  static const char* const kCodes[4] = {"de", "en", "it", "es"};
  return kCodes[language >= 0 && language < 4 ? language : 0];
}

// A menu caption as a dialog title: without the access key and the dots.
QString TitleOf(const QString& caption) {
  QString t = caption;
  t.remove(QLatin1Char('&'));
  if (t.endsWith(QLatin1String("..."))) t.chop(3);
  return t;
}

bool IsConfigurationFile(const QString& file) {
  return file.endsWith(QLatin1String(".setrix"), Qt::CaseInsensitive) ||
         file.endsWith(QLatin1String(".csv"), Qt::CaseInsensitive);
}

class PlatformProgress final : public ProgressView {
 public:
  PlatformProgress(QWidget* parent, const QString& title, int total) : dialog_(parent) {
    dialog_.setWindowTitle(title);
    dialog_.setWindowModality(Qt::WindowModal);
    dialog_.setRange(0, total);
    dialog_.setMinimumDuration(0);
    dialog_.setAutoClose(false);
    dialog_.setAutoReset(false);
    dialog_.show();
  }
  bool Step(int n, int total, const QString& text) override {
    dialog_.setMaximum(total);
    dialog_.setValue(n - 1);
    dialog_.setLabelText(text);
    QCoreApplication::processEvents();
    return !dialog_.wasCanceled();
  }

 private:
  QProgressDialog dialog_;
};

}  // namespace

// --- the platform's dialogs -----------------------------------------------------------------

QString PlatformConfigurationDialogs::ChooseOpenFile(QWidget* parent, const QString& title, const QString& filter,
                                                     const QString& start) {
  return QFileDialog::getOpenFileName(parent, title, start, filter);
}

QString PlatformConfigurationDialogs::ChooseSaveFile(QWidget* parent, const SaveFileRequest& request) {
  return ShowSaveFileDialog(parent, request);
}

QString PlatformConfigurationDialogs::ChooseFolder(QWidget* parent, const QString& title, const QString& start) {
  return QFileDialog::getExistingDirectory(parent, title, start);
}

std::unique_ptr<ProgressView> PlatformConfigurationDialogs::ShowProgress(QWidget* parent, const QString& title,
                                                                         int total) {
  return std::make_unique<PlatformProgress>(parent, title, total);
}

// --- menus and settings ---------------------------------------------------------------------

void TForm1::CreateConfigurationMenus() {
  platformConfigDialogs_ = std::make_unique<PlatformConfigurationDialogs>();
  configDialogs_ = platformConfigDialogs_.get();

  auto action = [this](const char* name) {
    auto* a = new QAction(this);
    a->setObjectName(QString::fromLatin1(name));
    return a;
  };
  MenuOpenConfig = action("MenuOpenConfig");
  MenuSaveConfig = action("MenuSaveConfig");
  MenuDocumentList = action("MenuDocumentList");
  MenuQrOnPaper = action("MenuQrOnPaper");
  MenuQrOnPaper->setCheckable(true);
  MenuOpenConfig->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
  MenuSaveConfig->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
  MenuRecentFiles = new QMenu(MenuItemDatei);
  MenuRecentFiles->setObjectName(QStringLiteral("MenuRecentFiles"));

  // Open, save and the recent files first; the device list and the QR code before Exit.
  MenuItemDatei->insertAction(MenuSpeichern, MenuOpenConfig);
  MenuItemDatei->insertAction(MenuSpeichern, MenuSaveConfig);
  MenuItemDatei->insertMenu(MenuSpeichern, MenuRecentFiles);
  MenuItemDatei->insertSeparator(MenuSpeichern);
  const QList<QAction*> items = MenuItemDatei->actions();
  const qsizetype exit = items.indexOf(MenuItemBeenden);
  QAction* beforeExit = exit > 0 && items.at(exit - 1)->isSeparator() ? items.at(exit - 1) : MenuItemBeenden;
  MenuItemDatei->insertAction(beforeExit, MenuDocumentList);
  MenuItemDatei->insertAction(beforeExit, MenuQrOnPaper);
  MenuItemDatei->insertSeparator(beforeExit);

  connect(MenuOpenConfig, &QAction::triggered, this, &TForm1::MenuOpenConfigClick);
  connect(MenuSaveConfig, &QAction::triggered, this, &TForm1::MenuSaveConfigClick);
  connect(MenuDocumentList, &QAction::triggered, this, &TForm1::MenuDocumentListClick);
  connect(MenuQrOnPaper, &QAction::toggled, this, [this] { StoreConfigurationSettings(); });

  // Files dropped anywhere on the window reach the window itself.
  setAcceptDrops(true);
  zoomView_->setAcceptDrops(false);
  zoomView_->viewport()->setAcceptDrops(false);
}

DeviceListPanel* TForm1::DeviceList() {
  if (deviceList_ != nullptr) return deviceList_;
  deviceList_ = new DeviceListPanel(this);
  deviceList_->ApplyLanguage(Language());
  connect(deviceList_, &DeviceListPanel::rowOpened, this, &TForm1::OpenListRow);
  connect(deviceList_, &DeviceListPanel::saveRequested, this, [this] {
    SaveFileRequest request;
    request.title = TitleOf(WindowTx(kTxSaveList, Language()));
    request.filter = WindowTx(kTxConfigFilter, Language());
    request.defaultSuffix = QStringLiteral("setrix");
    request.startLocation = deviceList_->File();
    QFileInfo current(deviceList_->File());
    request.proposedName = current.completeBaseName() + QStringLiteral(".setrix");
    const QString file = configDialogs_->ChooseSaveFile(deviceList_, request);
    if (!file.isEmpty()) SaveDeviceList(file);
  });
  return deviceList_;
}

void TForm1::ApplyConfigurationTexts() {
  const int l = Language();
  MenuOpenConfig->setText(WindowTx(kTxOpenConfig, l));
  MenuSaveConfig->setText(WindowTx(kTxSaveConfig, l));
  MenuRecentFiles->setTitle(WindowTx(kTxRecentFiles, l));
  MenuDocumentList->setText(WindowTx(kTxDocumentList, l));
  MenuQrOnPaper->setText(WindowTx(kTxQrOnPaper, l));
  FillRecentMenu();
  if (deviceList_ != nullptr) deviceList_->ApplyLanguage(l);
}

void TForm1::LoadConfigurationSettings() {
  const settings::ConfigurationSettings stored = settings::LoadConfiguration(store_);
  recentFiles_.clear();
  for (const std::string& file : stored.recentFiles) recentFiles_ << Utf8(file);
  const QSignalBlocker block(MenuQrOnPaper);
  MenuQrOnPaper->setChecked(stored.qrOnPaper);
  FillRecentMenu();
}

void TForm1::StoreConfigurationSettings() {
  settings::ConfigurationSettings c;
  for (const QString& file : recentFiles_) c.recentFiles.push_back(file.toStdString());
  c.qrOnPaper = MenuQrOnPaper->isChecked();
  settings::StoreConfiguration(store_, c);
}

void TForm1::AddRecentFile(const QString& file) {
  const QString full = QFileInfo(file).absoluteFilePath();
  recentFiles_.removeAll(full);
  recentFiles_.prepend(full);
  while (recentFiles_.size() > kMaxRecentFiles) recentFiles_.removeLast();
  StoreConfigurationSettings();
  store_.Flush();
  FillRecentMenu();
}

void TForm1::FillRecentMenu() {
  MenuRecentFiles->clear();
  if (recentFiles_.isEmpty()) {
    MenuRecentFiles->addAction(WindowTx(kTxRecentNone, Language()))->setEnabled(false);
    return;
  }
  for (int i = 0; i < recentFiles_.size(); ++i) {
    const QString file = recentFiles_.at(i);
    QAction* a =
        MenuRecentFiles->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(QDir::toNativeSeparators(file)));
    a->setData(file);
    connect(a, &QAction::triggered, this, [this, file] { OpenConfigurationFile(file); });
  }
}

bool TForm1::QrOnPaper() const { return MenuQrOnPaper->isChecked(); }

void TForm1::SetConfigurationDialogs(ConfigurationDialogs* dialogs) {
  configDialogs_ = dialogs != nullptr ? dialogs : platformConfigDialogs_.get();
}

// --- opening ----------------------------------------------------------------------------------

void TForm1::dragEnterEvent(QDragEnterEvent* event) {
  const QList<QUrl> urls = event->mimeData()->urls();
  if (urls.size() == 1 && urls.first().isLocalFile() && IsConfigurationFile(urls.first().toLocalFile()))
    event->acceptProposedAction();
}

void TForm1::dropEvent(QDropEvent* event) {
  const QList<QUrl> urls = event->mimeData()->urls();
  if (urls.size() != 1 || !urls.first().isLocalFile()) return;
  event->acceptProposedAction();
  OpenConfigurationFile(urls.first().toLocalFile());
}

void TForm1::MenuOpenConfigClick() {
  const QString start = recentFiles_.isEmpty() ? QString() : QFileInfo(recentFiles_.first()).absolutePath();
  const QString file = configDialogs_->ChooseOpenFile(this, TitleOf(WindowTx(kTxOpenConfig, Language())),
                                                      WindowTx(kTxListFilter, Language()), start);
  if (!file.isEmpty()) OpenConfigurationFile(file);
}

bool TForm1::OpenConfigurationFile(const QString& file) {
  configfile::DeviceList list;
  try {
    list = configfile::ReadDeviceList(Path(file));
  } catch (const std::exception& e) {
    ShowMessage(this, QStringLiteral("SETRIX"), Utf8(e.what()));
    return false;
  }
  if (list.single) {
    const configfile::ListEntry& entry = list.entries.front();
    if (!ShowDevice(*entry.device, file, entry.fieldLines)) return false;
    if (deviceList_ != nullptr) deviceList_->SetActiveRow(-1);
  } else {
    ScreenToListRow();
    DeviceList()->SetList(std::move(list), QDir::toNativeSeparators(file));
    // The first time beside the main window, so that both can be seen.
    if (!deviceList_->isVisible()) deviceList_->move(frameGeometry().topRight() + QPoint(8, 0));
    deviceList_->show();
    deviceList_->raise();
    if (firstRun_) SetMenusEnabled(true, productChosen_, true, true, true);
  }
  AddRecentFile(file);
  QString status = WindowTx(kTxConfigOpened, Language()).arg(QDir::toNativeSeparators(file));
  for (const std::string& w : list.warnings) status += QStringLiteral("; ") + Utf8(w);
  statusBar()->showMessage(status);
  return true;
}

bool TForm1::ShowDevice(const configfile::Device& device, const QString& file,
                        const std::map<std::string, int>& fieldLines) {
  devices::ModuleScreen* screen = screens_->Named(device.module);
  try {
    if (screen == nullptr)
      throw devices::DeviceError("module",
                                 "\"" + device.module + "\" is no module; use one of dc, thermo, rtd, frq");
    screen->Apply(device);
  } catch (const devices::DeviceError& e) {
    const std::string field = e.Field() == "module" ? "module" : "choices." + e.Field();
    const auto line = fieldLines.find(field);
    QString where = QDir::toNativeSeparators(file);
    if (line != fieldLines.end()) where += QStringLiteral(" line %1").arg(line->second);
    ShowMessage(this, QStringLiteral("SETRIX"),
                QStringLiteral("%1, field \"device.%2\": %3").arg(where, Utf8(field), Utf8(e.what())));
    return false;
  }
  // A device being read on the screen gives way to the opened one.
  if (ReadDevice && ReadDevice->Active()) ReadDevice->Leave();
  const ModuleKind kind = screen->Kind();
  SetUserText(kind, Utf8(device.note));
  openedDevices_[static_cast<std::size_t>(kind)] = device;
  // The DC screen shows no result for the new choices when it is entered.
  models_->dc.SaveAvailability();
  if (firstRun_ || !MenuItemDatei->menuAction()->isEnabled()) {
    CheckLanguageItem(Language());
    SetMenusEnabled(true, true, true, true, true);
  }
  ProduktClick(screen->ProductTag());
  return true;
}

configfile::Device TForm1::ScreenDevice() const {
  const ModuleKind kind = ActiveModule();
  const ModuleRow* row = RowOf(kind);
  if (row == nullptr) return {};
  configfile::Device d = row->screen->Device();
  const configfile::Device& opened = openedDevices_[static_cast<std::size_t>(kind)];
  if (opened.module == d.module) {
    d.tag = opened.tag;
    d.extra = opened.extra;
  }
  return d;
}

// --- saving -----------------------------------------------------------------------------------

void TForm1::MenuSaveConfigClick() {
  const ModuleKind kind = ActiveModule();
  if (kind == ModuleKind::None) {
    ShowMessage(this, QStringLiteral("SETRIX"), WindowTx(kTxNoModuleScreen, Language()));
    return;
  }
  SaveFileRequest request;
  request.title = TitleOf(WindowTx(kTxSaveConfig, Language()));
  request.filter = WindowTx(kTxConfigFilter, Language());
  request.defaultSuffix = QStringLiteral("setrix");
  if (!recentFiles_.isEmpty()) request.startLocation = recentFiles_.first();
  const std::string tag = ScreenDevice().tag;
  QString name = tag.empty() ? ProposedFileName() : Utf8(tag);
  if (name.endsWith(QLatin1String(".Pdf"))) name.chop(4);
  for (QChar& c : name)
    if (QStringLiteral("/\\:*?\"<>|").contains(c) || c.unicode() < 32) c = QLatin1Char('_');
  request.proposedName = name + QStringLiteral(".setrix");
  const QString file = configDialogs_->ChooseSaveFile(this, request);
  if (!file.isEmpty()) SaveConfigurationFile(file);
}

bool TForm1::SaveConfigurationFile(const QString& file) {
  const configfile::Device d = ScreenDevice();
  if (d.module.empty()) return false;
  try {
    configfile::WriteTextFile(Path(file), configfile::SetrixText(d));
  } catch (const std::exception& e) {
    ShowMessage(this, QStringLiteral("SETRIX"), Utf8(e.what()));
    return false;
  }
  AddRecentFile(file);
  statusBar()->showMessage(WindowTx(kTxConfigSaved, Language()).arg(QDir::toNativeSeparators(file)));
  return true;
}

// --- the device list ------------------------------------------------------------------------

void TForm1::ScreenToListRow() {
  const int row = deviceList_ != nullptr ? deviceList_->ActiveRow() : -1;
  if (row < 0) return;
  configfile::ListEntry& entry = deviceList_->List().entries[static_cast<std::size_t>(row)];
  const devices::ModuleScreen* module = entry.device ? screens_->Named(entry.device->module) : nullptr;
  if (module == nullptr || module->Kind() != ActiveModule()) return;
  const configfile::Device screen = ScreenDevice();
  if (entry.device->choices == screen.choices && entry.device->note == screen.note) return;
  entry.device->choices = screen.choices;
  entry.device->note = screen.note;
  deviceList_->RefreshRow(row);
}

void TForm1::OpenListRow(int row) {
  configfile::DeviceList& list = deviceList_->List();
  if (row < 0 || row >= static_cast<int>(list.entries.size())) return;
  ScreenToListRow();
  const configfile::ListEntry& entry = list.entries[static_cast<std::size_t>(row)];
  if (!entry.device) {
    ShowMessage(this, QStringLiteral("SETRIX"),
                WindowTx(kTxRowUnusable, Language()).arg(entry.row).arg(Utf8(entry.error)));
    return;
  }
  deviceList_->SetActiveRow(-1);  // opening the row must not write into the previous one
  const configfile::Device device = *entry.device;
  if (!ShowDevice(device, deviceList_->File(), entry.fieldLines)) return;
  deviceList_->SetActiveRow(row);
}

bool TForm1::SaveDeviceList(const QString& file) {
  ScreenToListRow();
  try {
    configfile::WriteTextFile(Path(file), configfile::SetrixText(deviceList_->List()));
  } catch (const std::exception& e) {
    ShowMessage(this, QStringLiteral("SETRIX"), Utf8(e.what()));
    return false;
  }
  deviceList_->SetFile(QDir::toNativeSeparators(file));
  AddRecentFile(file);
  statusBar()->showMessage(WindowTx(kTxConfigSaved, Language()).arg(QDir::toNativeSeparators(file)));
  return true;
}

// --- documenting a list -----------------------------------------------------------------------

void TForm1::MenuDocumentListClick() {
  QString start = deviceList_ != nullptr ? deviceList_->File() : QString();
  if (start.isEmpty() && !recentFiles_.isEmpty()) start = recentFiles_.first();
  const QString list = configDialogs_->ChooseOpenFile(
      this, TitleOf(WindowTx(kTxDocumentList, Language())), WindowTx(kTxListFilter, Language()),
      start.isEmpty() ? QString() : QFileInfo(start).absolutePath());
  if (list.isEmpty()) return;
  const QString folder =
      configDialogs_->ChooseFolder(this, WindowTx(kTxChooseFolder, Language()), QFileInfo(list).absolutePath());
  if (folder.isEmpty()) return;
  DocumentDeviceList(list, folder);
}

void TForm1::DocumentDeviceList(const QString& listFile, const QString& folder) {
  const int language = Language();
  configfile::DeviceList list;
  try {
    list = configfile::ReadDeviceList(Path(listFile));
  } catch (const std::exception& e) {
    ShowMessage(this, QStringLiteral("SETRIX"), Utf8(e.what()));
    return;
  }
  if (!QDir().mkpath(folder)) {
    ShowMessage(this, QStringLiteral("SETRIX"), QStringLiteral("%1: the folder cannot be created").arg(folder));
    return;
  }
  devices::BatchSettings settings;
  settings.outDir = Path(folder);
  settings.lang = LanguageCode(language);
  settings.date = QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat).toStdString();
  settings.qr = QrOnPaper();
  std::unique_ptr<ProgressView> progress = configDialogs_->ShowProgress(
      this, TitleOf(WindowTx(kTxDocumentList, language)), static_cast<int>(list.entries.size()));
  devices::ModelRunner runner;
  const devices::BatchReport report =
      devices::RunBatch(list, Path(listFile), settings, runner, [&](int n, int total, const std::string& tag) {
        return progress->Step(n, total, WindowTx(kTxDocumenting, language).arg(n).arg(total).arg(Utf8(tag)));
      });
  progress.reset();
  texts::SetCurrentLanguage(language);  // the runs set the documents' language
  QString text;
  try {
    devices::WriteBatchSummary(report, settings);
    const int done = static_cast<int>(report.devices.size());
    const int failed = report.FailedCount();
    text = WindowTx(kTxBatchDone, language)
               .arg(done - failed)
               .arg(done)
               .arg(failed)
               .arg(QDir::toNativeSeparators(folder));
  } catch (const std::exception& e) {
    text = Utf8(e.what());
  }
  if (report.stopped)
    text += QStringLiteral("\n") +
            WindowTx(kTxBatchStopped, language).arg(static_cast<int>(report.devices.size()) + 1).arg(report.total);
  // The first failures with their rows; devices.csv has them all.
  int listed = 0;
  for (const devices::DeviceReport& d : report.devices)
    if (d.Failed() && listed++ < 10)
      text += QStringLiteral("\n%1 %2: %3: %4").arg(d.row).arg(Utf8(d.tag), Utf8(d.outcome), Utf8(d.reason));
  ShowMessage(this, QStringLiteral("SETRIX"), text);
}

// --- the QR code on the paper -----------------------------------------------------------------

raster::Bitmap TForm1::SheetQr() const {
  if (!QrOnPaper() || ActiveModule() == ModuleKind::None) return {};
  return configfile::QrBitmap(configfile::SetrixText(ScreenDevice(), true));
}

}  // namespace setrix::app
