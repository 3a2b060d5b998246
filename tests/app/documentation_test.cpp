// File / Print and File / Save: the order of the dialogs, the user-text prompt, the start
// folders and the failures, with every dialog answered by the test.
#include <QPrinter>
#include <QStatusBar>
#include <QTest>
#include <filesystem>

#include "app/alpha_code_box.h"
#include "app/dc_page.h"
#include "app/dialogs.h"
#include "app/documentation_dialogs.h"
#include "app/frq_page.h"
#include "app/list_pages.h"
#include "app_fixture.h"

using namespace setrix;
using namespace setrix::app;
using namespace setrix::app::test;

namespace {

// Answers the three dialogs and records in which order they were asked.
class ScriptedDialogs : public DocumentationDialogs {
 public:
  QStringList asked;
  bool choosePrinter = true;
  QString printFile;  // the chosen printer writes this PDF file
  std::function<void(TAlphaCodeBox&)> prompt = [](TAlphaCodeBox& box) { box.Button1->click(); };
  QString saveFile;  // empty: the save dialog is cancelled
  QList<SaveFileRequest> saveRequests;

  bool ChoosePrinter(QWidget*, QPrinter& printer) override {
    asked << QStringLiteral("printer");
    if (choosePrinter) {
      printer.setOutputFormat(QPrinter::PdfFormat);
      printer.setOutputFileName(printFile);
      printer.setResolution(300);
    }
    return choosePrinter;
  }
  void ShowPrompt(TAlphaCodeBox& box) override {
    asked << QStringLiteral("text");
    prompt(box);
  }
  QString ChooseSaveFile(QWidget*, const SaveFileRequest& request) override {
    asked << QStringLiteral("file");
    saveRequests << request;
    return saveFile;
  }
};

std::function<void(TAlphaCodeBox&)> Type(const QString& text) {
  return [text](TAlphaCodeBox& box) {
    box.Edit1->setText(text);
    box.Button1->click();
  };
}

int IndexOfValue(const ChoiceList& list, double value) {
  for (std::size_t i = 0; i < list.items.size(); ++i)
    if (list.items[i].value == value) return static_cast<int>(i);
  return -1;
}

std::string PdfText(const QString& file) {
  std::string out;
  FILE* p = ::popen(("pdftotext -layout '" + file.toStdString() + "' - 2>/dev/null").c_str(), "r");
  if (!p) return out;
  char buf[4096];
  for (std::size_t n; (n = std::fread(buf, 1, sizeof buf, p)) > 0;) out.append(buf, n);
  ::pclose(p);
  return out;
}

std::filesystem::path Scratch(const char* name) {
  const auto dir = std::filesystem::temp_directory_path() / "setrix_documentation_test";
  std::filesystem::create_directories(dir);
  const auto file = dir / name;
  std::filesystem::remove(file);
  return file;
}

}  // namespace

class DocumentationTest : public QObject {
  Q_OBJECT

  struct Session {
    MemorySettingsStore store;
    ScriptedDialogs dialogs;
    MessageRecorder messages;
    std::unique_ptr<TForm1> w;

    explicit Session(int language = 1) {
      SeedRegularRun(store, language);
      w = MakeWindow(store);
      w->SetDocumentationDialogs(&dialogs);
    }
    // The thermocouple screen with a complete task: Save and Print enabled.
    void Thermo() {
      w->ProduktClick(2);
      ThermoPage* page = w->TS_Thermo();
      ThermoModel& m = w->models().thermo;
      page->Choose(static_cast<int>(ThermoList::Type), 0);
      page->Choose(static_cast<int>(ThermoList::Start), IndexOfValue(m.start, 0));
      page->Choose(static_cast<int>(ThermoList::End), IndexOfValue(m.end, 400));
      page->Choose(static_cast<int>(ThermoList::Output), 2);
      page->Choose(static_cast<int>(ThermoList::Filter), 0);
      page->Choose(static_cast<int>(ThermoList::Manual), 0);
    }
    // The DC screen after "Calculate settings" for 4 .. 20 mA to 0 .. 10 V.
    void Dc() {
      w->ProduktClick(0);
      DcPage* page = w->TS_DC();
      page->RadioBtnClick(DcUnitButton::RBtnEmA);
      page->RadioBtnClick(DcUnitButton::RBtnAV);
      page->EditChange(DcEdit::EditEMin, QStringLiteral("4"));
      page->EditChange(DcEdit::EditEMax, QStringLiteral("20"));
      page->EditChange(DcEdit::EditAMin, QStringLiteral("0"));
      page->EditChange(DcEdit::EditAMax, QStringLiteral("10"));
      page->BitBtnWeiterClick();
    }
    std::optional<std::string> SavePath(std::string_view key) {
      store.OpenKey(key);
      auto value = store.ReadString("SavePath");
      store.CloseKey();
      return value;
    }
  };

 private slots:
  void ThePromptIsBuiltOnceAndFollowsTheLanguage() {
    Session s(2);
    TAlphaCodeBox* box = s.w->AlphaCodeBox();
    QCOMPARE(box->size(), QSize(332, 214));
    QCOMPARE(box->Edit1->maxLength(), 48);
    QCOMPARE(box->Button1->text(), QStringLiteral("OK"));
    QCOMPARE(box->Button2->text(), QStringLiteral("Abbrechen"));
    QCOMPARE(box->AlphaImage->pixmap().toImage(), s.w->AboutBox()->AboutImage->pixmap().toImage());
    s.dialogs.prompt = [](TAlphaCodeBox& b) { b.Button2->click(); };
    QVERIFY(!s.w->QueryUserText(ModuleKind::DC));
    QCOMPARE(box->windowTitle(), TxText(texts::txNote, 2));
    QCOMPARE(box->Label1->text(), TxText(texts::txUserTextPrompt, 2));
  }

  void PrintAsksForThePrinterFirstThenForTheText() {
    Session s;
    s.Thermo();
    QVERIFY(s.w->MenuItemDrucken->isEnabled());
    const auto file = Scratch("printed.pdf");
    s.dialogs.printFile = QString::fromStdString(file.string());
    s.dialogs.prompt = Type(QStringLiteral("Boiler 7"));
    s.w->MenuItemDrucken->trigger();
    QCOMPARE(s.dialogs.asked, (QStringList{"printer", "text"}));
    QCOMPARE(s.w->UserText(ModuleKind::Thermo), QStringLiteral("Boiler 7"));
    QCOMPARE(s.w->DocumentPrinter().docName(), QStringLiteral("Zantrel SETRIX"));
    const std::string text = PdfText(s.dialogs.printFile);
    QVERIFY(text.find("ZOR THERMO") != std::string::npos);
    QVERIFY(text.find("Boiler 7") != std::string::npos);
    QVERIFY(s.messages.messages.empty());

    // A cancelled print dialog asks nothing more and prints nothing.
    std::filesystem::remove(file);
    s.dialogs.asked.clear();
    s.dialogs.choosePrinter = false;
    s.w->MenuItemDrucken->trigger();
    QCOMPARE(s.dialogs.asked, (QStringList{"printer"}));
    QVERIFY(!std::filesystem::exists(file));

    // A cancelled prompt prints nothing and keeps the text.
    s.dialogs.choosePrinter = true;
    s.dialogs.prompt = [](TAlphaCodeBox& b) {
      b.Edit1->setText(QStringLiteral("typed, then cancelled"));
      b.Button2->click();
    };
    s.w->MenuItemDrucken->trigger();
    QVERIFY(!std::filesystem::exists(file));
    QCOMPARE(s.w->UserText(ModuleKind::Thermo), QStringLiteral("Boiler 7"));
  }

  void SaveAsksForTheTextFirstThenForTheFile() {
    Session s;
    s.Dc();
    QVERIFY(s.w->MenuSpeichern->isEnabled());
    const auto file = Scratch("saved dc.pdf");
    s.dialogs.saveFile = QString::fromStdString(file.string());
    s.dialogs.prompt = Type(QStringLiteral("SN 4711"));
    s.w->MenuSpeichern->trigger();
    QCOMPARE(s.dialogs.asked, (QStringList{"text", "file"}));
    const SaveFileRequest& r = s.dialogs.saveRequests.at(0);
    QCOMPARE(r.title, QStringLiteral("Save Documentation as"));
    QCOMPARE(r.filter, QStringLiteral("Adobe PDF-Files (*.pdf)"));
    QCOMPARE(r.defaultSuffix, QStringLiteral("Pdf"));
    QVERIFY(r.startLocation.isEmpty());
    QCOMPARE(s.SavePath(kKeyDC), std::optional<std::string>(file.string()));
    const std::string text = PdfText(s.dialogs.saveFile);
    QVERIFY(text.find("SN 4711") != std::string::npos);
    QVERIFY(text.find("ZOR DC") != std::string::npos);

    // A cancelled save dialog keeps the confirmed text but writes nothing.
    s.dialogs.saveFile.clear();
    s.dialogs.prompt = Type(QStringLiteral("changed"));
    s.w->MenuSpeichern->trigger();
    QCOMPARE(s.w->UserText(ModuleKind::DC), QStringLiteral("changed"));
    QCOMPARE(s.SavePath(kKeyDC), std::optional<std::string>(file.string()));
  }

  // After "Abbrechen" (or any button had the focus), the next prompt opens typing into the
  // text field.
  void ThePromptAlwaysOpensInTheTextField() {
    Session s;
    s.dialogs.prompt = [](TAlphaCodeBox& b) {
      b.show();
      b.Button2->setFocus();
      b.Button2->click();
    };
    QVERIFY(!s.w->QueryUserText(ModuleKind::DC));
    QWidget* focused = nullptr;
    s.dialogs.prompt = [&focused](TAlphaCodeBox& b) {
      b.show();
      focused = b.focusWidget();
      QTest::keyClicks(focused, QStringLiteral("SN 9"));
      QTest::keyClick(focused, Qt::Key_Return);
    };
    QVERIFY(s.w->QueryUserText(ModuleKind::DC));
    QCOMPARE(focused, s.w->AlphaCodeBox()->Edit1);
    QCOMPARE(s.w->UserText(ModuleKind::DC), QStringLiteral("SN 9"));
  }

  void TheSaveDialogProposesANameFromTheTask() {
    Session s;
    s.Dc();
    s.dialogs.saveFile.clear();
    s.w->MenuSpeichernClick();
    QCOMPARE(s.dialogs.saveRequests.at(0).proposedName, QStringLiteral("ZOR-DC_4-20mA_0-10V.Pdf"));
    // Entries as typed, with the decimal comma; blanks and characters no file name takes
    // are left out or replaced.
    s.w->TS_DC()->RadioBtnClick(DcUnitButton::RBtnEmV);
    s.w->TS_DC()->EditChange(DcEdit::EditEMin, QStringLiteral("-0,5"));
    s.w->TS_DC()->EditChange(DcEdit::EditEMax, QStringLiteral("7/8"));
    QCOMPARE(s.w->ProposedFileName(), QStringLiteral("ZOR-DC_-0,5-7_8mV_0-10V.Pdf"));
    s.Thermo();
    const QString thermo = s.w->ProposedFileName();
    QVERIFY2(thermo.startsWith(QStringLiteral("ZOR-THERMO_")) && thermo.endsWith(QStringLiteral(".Pdf")),
             qPrintable(thermo));
    QVERIFY2(thermo.contains(QStringLiteral("_0")) && thermo.contains(QStringLiteral("400")), qPrintable(thermo));
    QVERIFY(!thermo.contains(QLatin1Char(' ')) && !thermo.contains(QLatin1Char('/')));
    s.w->ProduktClick(3);
    FrqPage* frq = s.w->TS_FRQ();
    frq->ComboChange(FrqList::Mode, 1);
    frq->Ed_FRQLower->setText(QStringLiteral("50"));
    frq->Ed_FRQChange(FrqEntry::Lower);
    frq->Ed_FRQUpper->setText(QStringLiteral("1234"));
    frq->Ed_FRQChange(FrqEntry::Upper);
    frq->ComboChange(FrqList::Output, 3);
    // (the upper frequency as the switches set it)
    QCOMPARE(s.w->ProposedFileName(), QStringLiteral("ZOR-FREQUENCY_fmin..fmax_50-1230Hz_4..20mA.Pdf"));
    s.w->MenuHauptanzeigeClick(1);
    QCOMPARE(s.w->ProposedFileName(), QString());
  }

  void AfterASaveTheStatusLineSaysWhereTheFileWent() {
    Session s;
    s.Dc();
    const auto file = Scratch("status.pdf");
    s.dialogs.saveFile = QString::fromStdString(file.string());
    s.w->MenuSpeichernClick();
    QVERIFY(std::filesystem::exists(file));
    QCOMPARE(s.w->statusBar()->currentMessage(), QStringLiteral("Documentation saved: ") + s.dialogs.saveFile);
    // A failed save says nothing of the kind.
    s.w->statusBar()->clearMessage();
    s.dialogs.saveFile = QStringLiteral("/nonexistent-folder/x.pdf");
    s.w->MenuSpeichernClick();
    QCOMPARE(s.messages.messages.size(), std::size_t(1));
    QCOMPARE(s.w->statusBar()->currentMessage(), QString());
  }

  void EachModuleHasItsOwnTextAndStartFolder() {
    Session s;
    s.store.KeyAt(kKeyDC)["SavePath"] = std::string("/data/dc/last.pdf");
    s.store.KeyAt(kKeyThermo)["SavePath"] = std::string("/data/thermo/last.pdf");
    s.w->SetUserText(ModuleKind::DC, QStringLiteral("dc note"));
    s.w->SetUserText(ModuleKind::Thermo, QStringLiteral("thermo note"));
    QStringList shown;
    s.dialogs.prompt = [&shown](TAlphaCodeBox& b) {
      shown << b.Edit1->text();
      b.Button2->click();
    };
    s.Dc();
    s.w->MenuSpeichernClick();
    s.Thermo();
    s.w->MenuSpeichernClick();
    QCOMPARE(shown, (QStringList{"dc note", "thermo note"}));

    s.dialogs.prompt = [](TAlphaCodeBox& b) { b.Button1->click(); };
    s.w->MenuSpeichernClick();  // thermocouple
    s.Dc();
    s.w->MenuSpeichernClick();
    QCOMPARE(s.dialogs.saveRequests.size(), 2);
    QCOMPARE(s.dialogs.saveRequests[0].startLocation, QStringLiteral("/data/thermo/last.pdf"));
    QCOMPARE(s.dialogs.saveRequests[1].startLocation, QStringLiteral("/data/dc/last.pdf"));
  }

  void EmptyTextConfirmedEscapeConfirmsCloseBoxCancels() {
    Session s;
    s.w->SetUserText(ModuleKind::RTD, QStringLiteral("old"));
    // An emptied edit confirmed with OK stores an empty text.
    s.dialogs.prompt = Type(QString());
    QVERIFY(s.w->QueryUserText(ModuleKind::RTD));
    QCOMPARE(s.w->UserText(ModuleKind::RTD), QString());

    // Escape presses OK.
    s.dialogs.prompt = [](TAlphaCodeBox& b) {
      b.Edit1->setText(QStringLiteral("by escape"));
      QTest::keyClick(&b, Qt::Key_Escape);
    };
    QVERIFY(s.w->QueryUserText(ModuleKind::RTD));
    QCOMPARE(s.w->UserText(ModuleKind::RTD), QStringLiteral("by escape"));

    // The close box cancels, even right after a confirmed use.
    s.dialogs.prompt = [](TAlphaCodeBox& b) {
      b.Edit1->setText(QStringLiteral("closed"));
      b.show();
      b.close();
    };
    QVERIFY(!s.w->QueryUserText(ModuleKind::RTD));
    QCOMPARE(s.w->UserText(ModuleKind::RTD), QStringLiteral("by escape"));
  }

  void SavePathIsWrittenWhenTheFileCannotBeProduced() {
    Session s;
    s.Thermo();
    const auto file = Scratch("no such folder") / "thermo.pdf";
    s.dialogs.saveFile = QString::fromStdString(file.string());
    s.w->MenuSpeichernClick();
    QCOMPARE(s.SavePath(kKeyThermo), std::optional<std::string>(file.string()));
    QVERIFY(!std::filesystem::exists(file));
    QCOMPARE(s.messages.messages.size(), std::size_t(1));
    QVERIFY(s.messages.messages[0].text.contains(QStringLiteral("thermo.pdf")));

    // The program goes on: printing to a folder that is missing reports too, then works.
    s.dialogs.printFile = s.dialogs.saveFile;
    s.w->MenuItemDruckenClick();
    QCOMPARE(s.messages.messages.size(), std::size_t(2));
    QVERIFY(s.messages.messages[1].text.contains(QStringLiteral("thermo.pdf")));
    const auto printed = Scratch("after the failures.pdf");
    s.dialogs.printFile = QString::fromStdString(printed.string());
    s.w->MenuItemDruckenClick();
    QVERIFY(std::filesystem::exists(printed));
    QCOMPARE(s.messages.messages.size(), std::size_t(2));
  }

  void NoModuleScreenSavesNothing() {
    Session s;
    s.w->ShowPage(s.w->TS_Bausteinauswahl());
    s.w->MenuSpeichernClick();
    QVERIFY(s.dialogs.asked.isEmpty());
  }
};

QTEST_MAIN(DocumentationTest)
#include "documentation_test.moc"
