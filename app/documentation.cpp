// File / Print and File / Save of the main window: the user-text prompt, the print and save
// dialogs, and handing the active module over to the printed or the PDF documentation.
#include <QDate>
#include <QLocale>
#include <QPrinter>
#include <array>
#include <exception>
#include <string>

#include "app/alpha_code_box.h"
#include "app/documentation_dialogs.h"
#include "app/frq_page.h"
#include "app/main_window.h"
#include "app/models.h"
#include "docs/pdf_layout.h"
#include "printing/module_pages.h"
#include "printing/qt_printer_sink.h"
#include "texts/texts.h"

namespace setrix::app {

namespace {

std::string_view SettingsKey(ModuleKind kind) {
  switch (kind) {
    case ModuleKind::DC: return kKeyDC;
    case ModuleKind::Thermo: return kKeyThermo;
    case ModuleKind::RTD: return kKeyRTD;
    case ModuleKind::FRQ: return kKeyFrequency;
    case ModuleKind::None: break;
  }
  return {};
}

}  // namespace

void TForm1::SetDocumentationDialogs(DocumentationDialogs* dialogs) {
  dialogs_ = dialogs != nullptr ? dialogs : platformDialogs_.get();
}

bool TForm1::QueryUserText(ModuleKind kind) {
  AlphaCodeBox->setWindowTitle(DisplayText(texts::Tx(texts::txNote)));
  AlphaCodeBox->Label1->setText(DisplayText(texts::Tx(texts::txUserTextPrompt)));
  AlphaCodeBox->Label1->adjustSize();
  if (kind != ModuleKind::None) AlphaCodeBox->Edit1->setText(UserText(kind));
  AlphaCodeBox->ResetConfirmation();
  dialogs_->ShowPrompt(*AlphaCodeBox);
  if (!AlphaCodeBox->Confirmed()) return false;
  if (kind != ModuleKind::None) SetUserText(kind, AlphaCodeBox->Edit1->text());
  return true;
}

template <class Produce>
void TForm1::ProduceDocument(Produce produce) {
  try {
    produce();
  } catch (const std::exception& e) {
    ShowMessage(this, windowTitle(), QString::fromUtf8(e.what()));
  }
  // The frequency documentation may have written a frequency as the switches set it.
  TS_FRQ->Sync();
}

void TForm1::MenuItemDruckenClick() {
  if (!dialogs_->ChoosePrinter(this, *printer_)) return;
  const ModuleKind kind = ActiveModule();
  if (!QueryUserText(kind)) return;
  if (kind == ModuleKind::None) return;
  const std::string note = UserText(kind).toStdString();
  printing::PrintOptions options;
  options.date = QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat).toStdString();
  ProduceDocument([&] {
    printing::QtPrinterSink sink(*printer_);
    switch (kind) {
      case ModuleKind::DC: printing::PrintDCDocumentation(sink, *pdfForm_, models_->dc, note, options); break;
      case ModuleKind::Thermo: printing::PrintThermoDocumentation(sink, models_->thermo, note, options); break;
      case ModuleKind::RTD: printing::PrintRTDDocumentation(sink, models_->rtd, note, options); break;
      case ModuleKind::FRQ: printing::PrintFRQDocumentation(sink, *pdfForm_, models_->frq, note, options); break;
      case ModuleKind::None: break;
    }
  });
}

void TForm1::MenuSpeichernClick() {
  // The start location of each module: the file it was last saved to.
  std::array<QString, 5> start;
  for (ModuleKind k : {ModuleKind::DC, ModuleKind::RTD, ModuleKind::Thermo, ModuleKind::FRQ}) {
    store_.OpenKey(SettingsKey(k));
    if (store_.HasValue("SavePath")) start[static_cast<std::size_t>(k)] = FromUtf8(store_.ReadString("SavePath").value_or(""));
    store_.CloseKey();
  }
  SaveFileRequest request;
  request.title = DisplayText(texts::Tx(texts::txSaveDocumentation));
  request.filter = QtNameFilter(FromUtf8(texts::Tx(texts::txPdfFileFilter)));
  request.defaultSuffix = QStringLiteral("Pdf");

  const ModuleKind kind = ActiveModule();
  if (kind == ModuleKind::None) return;
  if (!QueryUserText(kind)) return;
  request.startLocation = start[static_cast<std::size_t>(kind)];
  const QString file = dialogs_->ChooseSaveFile(this, request);
  if (file.isEmpty()) return;
  // Remembered before the file is produced, so also when producing it fails.
  store_.OpenKey(SettingsKey(kind));
  store_.WriteString("SavePath", file.toStdString());
  store_.CloseKey();

  const std::string name = file.toStdString();
  const std::string note = UserText(kind).toStdString();
  ProduceDocument([&] {
    switch (kind) {
      case ModuleKind::DC: pdfForm_->SaveDCDocumentation(name, models_->dc, note); break;
      case ModuleKind::Thermo: pdfForm_->SaveThermoDocumentation(name, models_->thermo, note); break;
      case ModuleKind::RTD: pdfForm_->SaveRTDDocumentation(name, models_->rtd, note); break;
      case ModuleKind::FRQ: pdfForm_->SaveFRQDocumentation(name, models_->frq, note); break;
      case ModuleKind::None: break;
    }
  });
}

}  // namespace setrix::app
