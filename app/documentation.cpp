// File / Print and File / Save of the main window: the user-text prompt, the print and save
// dialogs, and handing the active module over to the printed or the PDF documentation.
#include <QDate>
#include <QDir>
#include <QLocale>
#include <QPrinter>
#include <QStatusBar>
#include <array>
#include <exception>
#include <string>

#include "app/alpha_code_box.h"
#include "app/documentation_dialogs.h"
#include "app/frq_page.h"
#include "app/main_window.h"
#include "app/models.h"
#include "app/window_texts.h"
#include "configfile/qr.h"
#include "devices/module_screen.h"
#include "modules/settings_schema.h"
#include "printing/module_pages.h"
#include "printing/qt_printer_sink.h"
#include "sheets/pdf_layout.h"
#include "texts/texts.h"

namespace setrix::app {

QString TForm1::ProposedFileName() const {
  const ModuleRow* row = RowOf(ActiveModule());
  return row != nullptr ? FromUtf8(row->screen->ProposedFileName()) : QString();
}

void TForm1::SetDocumentationDialogs(DocumentationDialogs* dialogs) {
  dialogs_ = dialogs != nullptr ? dialogs : platformDialogs_.get();
}

bool TForm1::QueryUserText(ModuleKind kind) {
  TAlphaCodeBox& box = *AlphaCodeBox();
  box.setWindowTitle(DisplayText(texts::Tx(texts::txNote)));
  box.Label1->setText(DisplayText(texts::Tx(texts::txUserTextPrompt)));
  box.Label1->adjustSize();
  if (kind != ModuleKind::None) box.SetText(UserText(kind));
  box.ResetConfirmation();
  dialogs_->ShowPrompt(box);
  if (!box.Confirmed()) return false;
  if (kind != ModuleKind::None) SetUserText(kind, box.Edit1->text());
  ScreenToListRow();  // the note belongs to the list row the screen came from
  return true;
}

template <class Produce>
void TForm1::ProduceDocument(Produce produce) {
  try {
    produce();
  } catch (const std::exception& e) {
    ShowMessage(this, QStringLiteral("SETRIX"), QString::fromUtf8(e.what()));
  }
}

sheets::ContentOptions TForm1::DocumentOptions(ModuleKind kind, std::string date) const {
  return {Language(), UserText(kind).toStdString(), std::move(date)};
}

bool TForm1::SettleForDocument(ModuleKind kind) {
  const ModuleRow* row = RowOf(kind);
  if (row == nullptr) return false;
  // A frequency is documented as the switches set it; the screen shows the rewritten entry.
  if (row->screen->SettleEntries() && row->page) row->page->Sync();
  return true;
}

void TForm1::MenuItemDruckenClick() {
  if (!dialogs_->ChoosePrinter(this, DocumentPrinter())) return;
  const ModuleKind kind = ActiveModule();
  if (!QueryUserText(kind)) return;
  if (!SettleForDocument(kind)) return;
  printing::PrintOptions options;
  options.date = QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat).toStdString();
  ProduceDocument([&] {
    options.qr = SheetQr();
    const sheets::Document document = RowOf(kind)->screen->Document(DocumentOptions(kind, options.date));
    printing::QtPrinterSink sink(DocumentPrinter());
    printing::PrintDocument(sink, document, options);
  });
}

void TForm1::MenuSpeichernClick() {
  const ModuleKind kind = ActiveModule();
  const ModuleRow* row = RowOf(kind);
  if (row == nullptr) return;
  if (!QueryUserText(kind)) return;
  if (!SettleForDocument(kind)) return;
  SaveFileRequest request;
  request.title = DisplayText(texts::Tx(texts::txSaveDocumentation));
  request.filter = QtNameFilter(FromUtf8(texts::Tx(texts::txPdfFileFilter)));
  request.defaultSuffix = QStringLiteral("Pdf");
  // The start location: the file this module was last saved to.
  request.startLocation = FromUtf8(settings::ReadSavePath(store_, row->screen->Name()).value_or(""));
  request.proposedName = ProposedFileName();
  const QString file = dialogs_->ChooseSaveFile(this, request);
  if (file.isEmpty()) return;
  // Remembered before the file is produced, so also when producing it fails.
  settings::WriteSavePath(store_, row->screen->Name(), file.toStdString());

  const std::string name = file.toStdString();
  bool saved = false;
  ProduceDocument([&] {
    // The sheets carry the configuration as a QR code while the setting is on.
    const raster::Bitmap qr = SheetQr();
    sheets::TPDFForm& form = PDFForm();
    const std::array<pdf::TPRPage*, 3> pages{&form.PDFPage, &form.FRQ_PDFPage1, &form.FRQ_PDFPage2};
    struct Unstamp {
      const std::array<pdf::TPRPage*, 3>& pages;
      ~Unstamp() {
        for (pdf::TPRPage* page : pages) configfile::StampOnPrint(*page, {});
      }
    } unstamp{pages};
    for (pdf::TPRPage* page : pages) configfile::StampOnPrint(*page, qr);
    form.Save(name, row->screen->Document(DocumentOptions(kind, form.DateText())));
    saved = true;
  });
  // Where the file went.
  if (saved) statusBar()->showMessage(WindowTx(kTxSavedAs, Language()).arg(QDir::toNativeSeparators(file)));
}

}  // namespace setrix::app
