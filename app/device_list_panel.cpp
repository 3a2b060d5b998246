#include "app/device_list_panel.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "app/window_texts.h"
#include "devices/batch.h"
#include "devices/device_model.h"
#include "devices/module_run.h"
#include "texts/texts.h"

namespace setrix::app {

namespace {

QString Utf8(const std::string& s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

const char* LanguageCode(int language) {
  static const char* const kCodes[4] = {"de", "en", "it", "es"};
  return kCodes[language >= 0 && language < 4 ? language : 0];
}

QString ModuleCaption(const std::string& module) {
  if (module == "dc") return QStringLiteral("ZOR DC");
  if (module == "thermo") return QStringLiteral("ZOR THERMO");
  if (module == "rtd") return QStringLiteral("ZOR RTD");
  if (module == "frq") return QStringLiteral("ZOR FREQUENCY");
  return Utf8(module);
}

}  // namespace

DeviceListPanel::DeviceListPanel(QWidget* mainWindow) : QDialog(mainWindow, Qt::Tool) {
  setObjectName(QStringLiteral("DeviceListPanel"));
  setModal(false);
  auto* layout = new QVBoxLayout(this);
  Title = new QLabel(this);
  Title->setObjectName(QStringLiteral("DeviceListTitle"));
  QFont bold = Title->font();
  bold.setBold(true);
  Title->setFont(bold);
  Title->setTextFormat(Qt::PlainText);
  layout->addWidget(Title);

  Table = new QTableWidget(0, 4, this);
  Table->setObjectName(QStringLiteral("DeviceListTable"));
  Table->setSelectionBehavior(QAbstractItemView::SelectRows);
  Table->setSelectionMode(QAbstractItemView::SingleSelection);
  Table->setEditTriggers(QAbstractItemView::EditKeyPressed | QAbstractItemView::SelectedClicked);
  Table->verticalHeader()->setDefaultSectionSize(Table->fontMetrics().height() + 6);
  Table->horizontalHeader()->setStretchLastSection(true);
  Table->setWordWrap(false);
  layout->addWidget(Table, 1);

  auto* buttons = new QHBoxLayout;
  OpenButton = new QPushButton(this);
  OpenButton->setObjectName(QStringLiteral("DeviceListOpen"));
  SaveButton = new QPushButton(this);
  SaveButton->setObjectName(QStringLiteral("DeviceListSave"));
  CloseButton = new QPushButton(this);
  CloseButton->setObjectName(QStringLiteral("DeviceListClose"));
  buttons->addWidget(OpenButton);
  buttons->addWidget(SaveButton);
  buttons->addStretch(1);
  buttons->addWidget(CloseButton);
  layout->addLayout(buttons);
  resize(760, 360);

  connect(Table, &QTableWidget::cellDoubleClicked, this, [this](int row, int) { emit rowOpened(row); });
  connect(Table, &QTableWidget::cellChanged, this, &DeviceListPanel::TagEdited);
  connect(OpenButton, &QPushButton::clicked, this, [this] {
    if (Table->currentRow() >= 0) emit rowOpened(Table->currentRow());
  });
  connect(SaveButton, &QPushButton::clicked, this, &DeviceListPanel::saveRequested);
  connect(CloseButton, &QPushButton::clicked, this, &QWidget::close);
  ApplyLanguage(texts::CurrentLanguage());
}

void DeviceListPanel::SetList(configfile::DeviceList list, const QString& file) {
  list_ = std::move(list);
  activeRow_ = -1;
  SetFile(file);
  Fill();
}

void DeviceListPanel::SetFile(const QString& file) {
  file_ = file;
  const QString title = Utf8(list_.title);
  Title->setText(title.isEmpty() ? file : title + QStringLiteral("  \u2013  ") + file);
}

void DeviceListPanel::ApplyLanguage(int language) {
  language_ = language;
  setWindowTitle(WindowTx(kTxDeviceList, language));
  Table->setHorizontalHeaderLabels({WindowTx(kTxColTag, language), WindowTx(kTxColModule, language),
                                    WindowTx(kTxColTask, language), WindowTx(kTxColOutcome, language)});
  OpenButton->setText(WindowTx(kTxOpenRow, language));
  SaveButton->setText(WindowTx(kTxSaveList, language));
  CloseButton->setText(WindowTx(kTxClose, language));
  if (Table->rowCount() > 0) Fill();
}

void DeviceListPanel::Fill() {
  filling_ = true;
  Table->setRowCount(static_cast<int>(list_.entries.size()));
  for (int row = 0; row < Table->rowCount(); ++row) RefreshRow(row);
  Table->resizeColumnToContents(0);
  Table->resizeColumnToContents(1);
  Table->resizeColumnToContents(2);
  filling_ = false;
}

void DeviceListPanel::RefreshRow(int row) {
  if (row < 0 || row >= static_cast<int>(list_.entries.size())) return;
  const bool wasFilling = filling_;
  filling_ = true;
  const configfile::ListEntry& e = list_.entries[static_cast<std::size_t>(row)];
  QString tag, module, task, outcome;
  if (!e.device) {
    outcome = WindowTx(kTxOutcomeInvalid, language_).arg(Utf8(e.error));
  } else {
    const configfile::Device& d = *e.device;
    tag = Utf8(d.tag);
    module = ModuleCaption(d.module);
    task = Utf8(devices::TaskLine(d));
    // The check changes the current language; the panel's language is the window's.
    const int current = texts::CurrentLanguage();
    try {
      const std::string why = devices::CheckDevice(d, LanguageCode(language_));
      outcome =
          why.empty() ? WindowTx(kTxOutcomeOk, language_) : WindowTx(kTxOutcomeRefused, language_).arg(Utf8(why));
    } catch (const devices::DeviceError& err) {
      outcome = WindowTx(kTxOutcomeInvalid, language_)
                    .arg(QStringLiteral("\"%1\": %2").arg(Utf8(err.Field()), Utf8(err.what())));
    } catch (const std::exception& err) {
      outcome = WindowTx(kTxOutcomeInvalid, language_).arg(Utf8(err.what()));
    }
    texts::SetCurrentLanguage(current);
  }
  const QString cells[4] = {tag, module, task, outcome};
  for (int column = 0; column < 4; ++column) {
    auto* item = new QTableWidgetItem(cells[column]);
    Qt::ItemFlags flags = Qt::ItemIsSelectable | Qt::ItemIsEnabled;
    if (column == 0 && e.device) flags |= Qt::ItemIsEditable;  // the tag is edited in place
    item->setFlags(flags);
    if (row == activeRow_) {
      QFont f = item->font();
      f.setBold(true);
      item->setFont(f);
    }
    if (column == 3) item->setToolTip(outcome);
    Table->setItem(row, column, item);
  }
  filling_ = wasFilling;
}

void DeviceListPanel::SetActiveRow(int row) {
  const int previous = activeRow_;
  activeRow_ = row;
  RefreshRow(previous);
  RefreshRow(row);
  for (int column = 0; column < 3; ++column) Table->resizeColumnToContents(column);  // the bold row
  if (row >= 0) Table->selectRow(row);
}

void DeviceListPanel::TagEdited(int row, int column) {
  if (filling_ || column != 0 || row < 0 || row >= static_cast<int>(list_.entries.size())) return;
  configfile::ListEntry& e = list_.entries[static_cast<std::size_t>(row)];
  if (!e.device) return;
  const std::string tag = Table->item(row, 0)->text().toStdString();
  if (!configfile::TextError(tag).empty()) {
    RefreshRow(row);  // a tag that cannot be kept is not taken
    return;
  }
  e.device->tag = tag;
}

}  // namespace setrix::app
