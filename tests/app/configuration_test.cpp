// Configuration files in the desktop program: opening one device per module, saving and
// reopening, files that cannot be used, the device list panel and its rows, the recent
// files, dropping a file, documenting a device list with cancelling, and the QR code on the
// paper. Every dialog is answered by the test.
#include <QDir>
#include <QDropEvent>
#include <QFile>
#include <QMimeData>
#include <QPrinter>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>
#include <cstdio>

#include "app/alpha_code_box.h"
#include "app/configuration_dialogs.h"
#include "app/dc_page.h"
#include "app/device_list_panel.h"
#include "app/documentation_dialogs.h"
#include "app/frq_page.h"
#include "app/list_pages.h"
#include "app/read_mode.h"
#include "app_fixture.h"
#include "configfile/device.h"
#include "devices/device_model.h"

using namespace setrix;
using namespace setrix::app;
using namespace setrix::app::test;

namespace {

class ScriptedConfigDialogs : public ConfigurationDialogs {
 public:
  QString openFile, saveFile, folder;
  QList<SaveFileRequest> saveRequests;
  int cancelAt = 0;  // the progress is cancelled before this device (0: never)
  QStringList progressTexts;

  QString ChooseOpenFile(QWidget*, const QString&, const QString&, const QString&) override { return openFile; }
  QString ChooseSaveFile(QWidget*, const SaveFileRequest& request) override {
    saveRequests << request;
    return saveFile;
  }
  QString ChooseFolder(QWidget*, const QString&, const QString&) override { return folder; }
  std::unique_ptr<ProgressView> ShowProgress(QWidget*, const QString&, int) override {
    struct View final : ProgressView {
      ScriptedConfigDialogs& d;
      explicit View(ScriptedConfigDialogs& dialogs) : d(dialogs) {}
      bool Step(int n, int, const QString& text) override {
        d.progressTexts << text;
        return d.cancelAt == 0 || n < d.cancelAt;
      }
    };
    return std::make_unique<View>(*this);
  }
};

class ScriptedDocDialogs : public DocumentationDialogs {
 public:
  QString file;
  bool ChoosePrinter(QWidget*, QPrinter& printer) override {
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(file);
    printer.setResolution(300);
    return true;
  }
  void ShowPrompt(TAlphaCodeBox& box) override { box.Button1->click(); }
  QString ChooseSaveFile(QWidget*, const SaveFileRequest&) override { return file; }
};

void Write(const QString& name, const QByteArray& content) {
  QFile f(name);
  QVERIFY(f.open(QIODevice::WriteOnly));
  f.write(content);
}

QByteArray OneDevice(const QByteArray& module, const QByteArray& choices, const QByteArray& note = "SN 4711") {
  return "{\n  \"format\": \"setrix-configuration\",\n  \"version\": 1,\n  \"device\": {\n    \"tag\": \"XT-1\",\n"
         "    \"module\": \"" +
         module + "\",\n    \"note\": \"" + note + "\",\n    \"choices\": {" + choices + "}\n  }\n}\n";
}

const QByteArray kDcChoices =
    R"("in-min": "4", "in-max": "20", "in-unit": "mA", "out-min": "0", "out-max": "10", "out-unit": "V", "bandwidth": "10Hz")";
const QByteArray kThermoChoices =
    R"("type": "K", "start": "0", "end": "400", "output": "4-20mA", "filter": "on", "manual": "off")";
const QByteArray kRtdChoices =
    R"("type": "pt100-3wire", "start": "-50", "end": "100", "output": "0-10V", "response": "slow", "manual": "off")";
const QByteArray kFrqChoices = R"("mode": "fmin-fmax", "lower": "50", "upper": "1230", "output": "0-10V")";

configfile::Device ScreenOf(TForm1& w) { return w.ScreenDevice(); }

configfile::Choices ChoicesOf(const QByteArray& choicesJson) {
  const auto j = nlohmann::ordered_json::parse("{" + choicesJson.toStdString() + "}");
  configfile::Choices out;
  for (const auto& [k, v] : j.items()) out.emplace_back(k, v.get<std::string>());
  return out;
}

int ImageCount(const QString& pdf) {
  FILE* p = ::popen(("pdfimages -list '" + pdf.toStdString() + "' 2>/dev/null").c_str(), "r");
  if (!p) return -1;
  int lines = 0;
  char buf[512];
  while (std::fgets(buf, sizeof buf, p)) ++lines;
  ::pclose(p);
  return lines - 2;  // two header lines
}

}  // namespace

class ConfigurationTest : public QObject {
  Q_OBJECT

  QTemporaryDir dir_;
  QString Path(const char* name) const { return dir_.filePath(QString::fromLatin1(name)); }

 private slots:
  void opensOneDevicePerModule_data() {
    QTest::addColumn<QByteArray>("module");
    QTest::addColumn<QByteArray>("choices");
    QTest::addColumn<int>("kind");
    QTest::newRow("dc") << QByteArray("dc") << kDcChoices << int(ModuleKind::DC);
    QTest::newRow("thermo") << QByteArray("thermo") << kThermoChoices << int(ModuleKind::Thermo);
    QTest::newRow("rtd") << QByteArray("rtd") << kRtdChoices << int(ModuleKind::RTD);
    QTest::newRow("frq") << QByteArray("frq") << kFrqChoices << int(ModuleKind::FRQ);
  }
  void opensOneDevicePerModule() {
    QFETCH(QByteArray, module);
    QFETCH(QByteArray, choices);
    QFETCH(int, kind);
    MemorySettingsStore store;
    SeedRegularRun(store, 1);
    MessageRecorder messages;
    auto w = MakeWindow(store);
    const QString file = Path("one.setrix");
    Write(file, OneDevice(module, choices, "Kessel 3 \xc3\x96lpumpe"));
    QVERIFY(w->OpenConfigurationFile(file));
    QCOMPARE(messages.messages.size(), std::size_t(0));
    QCOMPARE(int(w->ActiveModule()), kind);
    QCOMPARE(w->UserText(ModuleKind(kind)), QString::fromUtf8("Kessel 3 \xc3\x96lpumpe"));
    const configfile::Device screen = ScreenOf(*w);
    QCOMPARE(screen.tag, std::string("XT-1"));
    QVERIFY(screen.choices == ChoicesOf(choices));
    QVERIFY(w->RecentFiles().first().endsWith(QLatin1String("one.setrix")));
    // The widgets show the model.
    if (kind == int(ModuleKind::DC)) QCOMPARE(w->TS_DC()->edits[1]->text(), QStringLiteral("20"));
  }

  // Opening a file while the screen is being read: the reading gives way and the opened
  // device's screen shows, its banks those of the file.
  void openingAFileEndsTheReadingOfADevice() {
    MemorySettingsStore store;
    SeedRegularRun(store, 1);
    MessageRecorder messages;
    auto w = MakeWindow(store);
    const QString file = Path("read.setrix");
    Write(file, OneDevice("dc", kDcChoices));
    QVERIFY(w->OpenConfigurationFile(file));
    w->ReadDevice->Enter();
    QVERIFY(w->ReadDevice->Active());
    QVERIFY(w->OpenConfigurationFile(file));
    QVERIFY(!w->ReadDevice->Active());
    QCOMPARE(int(w->ActiveModule()), int(ModuleKind::DC));
  }

  void saveThenReopenGivesTheSameConfiguration() {
    MemorySettingsStore store;
    SeedRegularRun(store, 1);
    MessageRecorder messages;
    auto w = MakeWindow(store);
    ScriptedConfigDialogs dialogs;
    w->SetConfigurationDialogs(&dialogs);
    for (const auto& [module, choices] : {std::pair{"dc", kDcChoices}, std::pair{"thermo", kThermoChoices},
                                          std::pair{"rtd", kRtdChoices}, std::pair{"frq", kFrqChoices}}) {
      const QString first = Path("first.setrix");
      // A field this version does not know is kept through the save.
      QByteArray text = OneDevice(module, choices);
      text.replace("\"tag\"", "\"colour\": \"blue\",\n    \"tag\"");
      Write(first, text);
      QVERIFY(w->OpenConfigurationFile(first));
      const configfile::Device opened = configfile::ReadDeviceFile(first.toStdString());
      dialogs.saveFile = Path("saved.setrix");
      w->MenuSaveConfigClick();
      QVERIFY(dialogs.saveRequests.last().proposedName.endsWith(QLatin1String(".setrix")));
      const configfile::Device saved = configfile::ReadDeviceFile(dialogs.saveFile.toStdString());
      QVERIFY2(saved == opened, module);
      // Another task on another screen, then the saved file again: the same screen.
      w->ProduktClick(module == std::string("dc") ? 3 : 0);
      QVERIFY(w->OpenConfigurationFile(dialogs.saveFile));
      QVERIFY2(ScreenOf(*w) == saved, module);
    }
    QCOMPARE(messages.messages.size(), std::size_t(0));
  }

  void aFileThatCannotBeUsedNamesFileLineAndFieldAndLeavesTheScreen_data() {
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QStringList>("says");
    QTest::newRow("truncated") << OneDevice("dc", kDcChoices).left(90) << QStringList{QStringLiteral("line")};
    QTest::newRow("wrong type") << OneDevice("dc", R"("in-min": 4)")
                                << QStringList{QStringLiteral("line 8"), QStringLiteral("in-min")};
    QTest::newRow("word not offered") << OneDevice("dc", R"("in-min": "4", "in-unit": "A")")
                                      << QStringList{QStringLiteral("line 8"),
                                                     QStringLiteral("device.choices.in-unit"),
                                                     QStringLiteral("use one of mA, mV, V")};
    QTest::newRow("value not offered") << OneDevice("thermo", R"("type": "K",)"
                                                              "\n"
                                                              R"("start": "7")")
                                       << QStringList{QStringLiteral("line 9"),
                                                      QStringLiteral("device.choices.start"),
                                                      QStringLiteral("offered values")};
    QTest::newRow("no such choice") << OneDevice("frq", R"("speed": "1")")
                                    << QStringList{QStringLiteral("device.choices.speed"),
                                                   QStringLiteral("its choices are mode, lower, upper, output")};
    QTest::newRow("not UTF-8") << QByteArray("{\"format\": \"setrix-configuration\", \"x\": \"\xff\"}")
                               << QStringList{QStringLiteral("UTF-8")};
  }
  void aFileThatCannotBeUsedNamesFileLineAndFieldAndLeavesTheScreen() {
    QFETCH(QByteArray, content);
    QFETCH(QStringList, says);
    MemorySettingsStore store;
    SeedRegularRun(store, 1);
    MessageRecorder messages;
    auto w = MakeWindow(store);
    const QString good = Path("good.setrix");
    Write(good, OneDevice("frq", kFrqChoices));
    QVERIFY(w->OpenConfigurationFile(good));
    const configfile::Device before = ScreenOf(*w);
    const QStringList recent = w->RecentFiles();
    const QString bad = Path("bad.setrix");
    Write(bad, content);
    QVERIFY(!w->OpenConfigurationFile(bad));
    QCOMPARE(messages.messages.size(), std::size_t(1));
    const QString text = messages.messages.front().text;
    QVERIFY2(text.contains(QLatin1String("bad.setrix")), qPrintable(text));
    for (const QString& s : says) QVERIFY2(text.contains(s), qPrintable(text));
    QCOMPARE(w->ActiveModule(), ModuleKind::FRQ);
    QVERIFY(ScreenOf(*w) == before);
    QCOMPARE(w->RecentFiles(), recent);
    // A missing file too.
    QVERIFY(!w->OpenConfigurationFile(Path("missing.setrix")));
    QVERIFY(messages.messages.back().text.contains(QLatin1String("missing.setrix")));
  }

  void aDeviceListOpensAndARowEditGoesBackIntoTheList() {
    MemorySettingsStore store;
    SeedRegularRun(store, 1);
    MessageRecorder messages;
    auto w = MakeWindow(store);
    ScriptedConfigDialogs dialogs;
    w->SetConfigurationDialogs(&dialogs);
    const QString list = Path("plant.setrix");
    QFile::remove(list);
    QVERIFY(QFile::copy(QStringLiteral(SETRIX_TEST_DIR "/../configfile/examples/plant.setrix"), list));
    QVERIFY(w->OpenConfigurationFile(list));
    DeviceListPanel* panel = w->DeviceList();
    QVERIFY(panel->isVisible());
    QTableWidget* t = panel->Table;
    QCOMPARE(t->rowCount(), 3);
    QCOMPARE(t->item(0, 0)->text(), QStringLiteral("PT-201"));
    QCOMPARE(t->item(1, 1)->text(), QStringLiteral("ZOR RTD"));
    QVERIFY(t->item(2, 2)->text().contains(QLatin1String("50 .. 1230 Hz")));
    QCOMPARE(t->item(0, 3)->text(), QStringLiteral("can be documented"));

    // Double-clicking a row opens its screen with its choices and note.
    emit t->cellDoubleClicked(1, 0);
    QCOMPARE(w->ActiveModule(), ModuleKind::RTD);
    QCOMPARE(panel->ActiveRow(), 1);
    QCOMPARE(*ScreenOf(*w).Choice("type"), std::string("pt100-3wire"));
    // An edit on the screen goes into the row: output 4-20mA.
    w->TS_RTD()->Choose(3, 2);
    QCOMPARE(*panel->List().entries[1].device->Choice("output"), std::string("4-20mA"));
    QVERIFY(t->item(1, 2)->text().contains(QLatin1String("4-20mA")));
    // The first row is still as it was; opening it does not write the RTD into it.
    emit t->cellDoubleClicked(0, 0);
    QCOMPARE(w->ActiveModule(), ModuleKind::DC);
    QCOMPARE(*panel->List().entries[1].device->Choice("output"), std::string("4-20mA"));
    QCOMPARE(panel->List().entries[0].device->module, std::string("dc"));
    QCOMPARE(w->UserText(ModuleKind::DC), QStringLiteral("SN 4711"));
    // The tag is edited in the table.
    t->item(2, 0)->setText(QStringLiteral("FT-999"));
    // Saved, the list holds the edits.
    dialogs.saveFile = Path("plant-edited.setrix");
    panel->SaveButton->click();
    const configfile::DeviceList saved = configfile::ReadSetrixFile(dialogs.saveFile.toStdString());
    QCOMPARE(saved.title, std::string("Plant 2, cabinet =A3"));
    QCOMPARE(saved.entries.size(), std::size_t(3));
    QCOMPARE(*saved.entries[1].device->Choice("output"), std::string("4-20mA"));
    QCOMPARE(saved.entries[2].device->tag, std::string("FT-999"));
    QCOMPARE(messages.messages.size(), std::size_t(0));
  }

  void aListRowThatCannotBeUsedIsReported() {
    MemorySettingsStore store;
    SeedRegularRun(store, 1);
    MessageRecorder messages;
    auto w = MakeWindow(store);
    const QString csv = Path("signals.csv");
    Write(csv,
          "tag;module;type;start;end;output\nTT-1;thermo;K;0;400;4-20mA\nTT-2;thermo;K;7;400;4-20mA\n"
          "TT-3;pump;;;;\n");
    QVERIFY(w->OpenConfigurationFile(csv));
    QTableWidget* t = w->DeviceList()->Table;
    QCOMPARE(t->rowCount(), 3);
    QVERIFY2(t->item(1, 3)->text().startsWith(QLatin1String("invalid: \"start\"")),
             qPrintable(t->item(1, 3)->text()));
    QVERIFY(t->item(2, 3)->text().startsWith(QLatin1String("invalid")));
    const ModuleKind before = w->ActiveModule();
    emit t->cellDoubleClicked(1, 0);
    QCOMPARE(messages.messages.size(), std::size_t(1));
    QVERIFY2(messages.messages[0].text.contains(QLatin1String("signals.csv")),
             qPrintable(messages.messages[0].text));
    QCOMPARE(w->ActiveModule(), before);
    emit t->cellDoubleClicked(2, 0);
    QCOMPARE(messages.messages.size(), std::size_t(2));
    QVERIFY(messages.messages[1].text.contains(QLatin1String("Row 4")));
  }

  void recentFilesKeepTheLastEight() {
    MemorySettingsStore store;
    SeedRegularRun(store, 1);
    MessageRecorder messages;
    {
      auto w = MakeWindow(store);
      for (int i = 0; i < 10; ++i) {
        const QString file = dir_.filePath(QStringLiteral("r%1.setrix").arg(i));
        Write(file, OneDevice("dc", kDcChoices));
        QVERIFY(w->OpenConfigurationFile(file));
      }
      QVERIFY(w->OpenConfigurationFile(dir_.filePath(QStringLiteral("r5.setrix"))));  // again: to the top
      const QStringList recent = w->RecentFiles();
      QCOMPARE(recent.size(), 8);
      QVERIFY(recent[0].endsWith(QLatin1String("r5.setrix")));
      QVERIFY(recent[1].endsWith(QLatin1String("r9.setrix")));
      QVERIFY(recent[7].endsWith(QLatin1String("r2.setrix")));
      QCOMPARE(w->MenuRecentFiles->actions().size(), 8);
    }
    // The next run offers the same files; choosing one opens it.
    auto w = MakeWindow(store);
    QCOMPARE(w->RecentFiles().size(), 8);
    QVERIFY(w->RecentFiles()[0].endsWith(QLatin1String("r5.setrix")));
    w->ProduktClick(3);
    w->MenuRecentFiles->actions().at(1)->trigger();
    QCOMPARE(w->ActiveModule(), ModuleKind::DC);
    QVERIFY(w->RecentFiles()[0].endsWith(QLatin1String("r9.setrix")));
  }

  void aDroppedFileOpens() {
    MemorySettingsStore store;
    SeedRegularRun(store, 1);
    MessageRecorder messages;
    auto w = MakeWindow(store);
    const QString file = Path("dropped.setrix");
    Write(file, OneDevice("thermo", kThermoChoices));
    QMimeData mime;
    mime.setUrls({QUrl::fromLocalFile(file)});
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(w.get(), &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(w.get(), &drop);
    QCOMPARE(w->ActiveModule(), ModuleKind::Thermo);
    QMimeData other;
    other.setUrls({QUrl::fromLocalFile(Path("picture.png"))});
    QDragEnterEvent refused(QPoint(10, 10), Qt::CopyAction, &other, Qt::LeftButton, Qt::NoModifier);
    refused.setAccepted(false);
    QCoreApplication::sendEvent(w.get(), &refused);
    QVERIFY(!refused.isAccepted());
  }

  void documentingAListWritesThePdfsAndCancellingKeepsWhatWasWritten() {
    MemorySettingsStore store;
    SeedRegularRun(store, 1);
    MessageRecorder messages;
    auto w = MakeWindow(store);
    ScriptedConfigDialogs dialogs;
    w->SetConfigurationDialogs(&dialogs);
    const QString csv = Path("four.csv");
    Write(csv,
          "tag,module,in-min,in-max,in-unit,out-min,out-max,out-unit,mode,lower,upper,output\n"
          "A-1,dc,4,20,mA,0,10,V,,,,\nA-2,frq,,,,,,,fmin-fmax,50,1230,0-10V\nA-3,dc,4,20,mA,0,10,V,,,,\n"
          "A-4,dc,4,20,mA,0,10,V,,,,\n");
    dialogs.openFile = csv;
    dialogs.folder = Path("out-cancel");
    dialogs.cancelAt = 3;
    w->MenuDocumentListClick();
    QDir out(dialogs.folder);
    QVERIFY(out.exists(QStringLiteral("A-1.pdf")));
    QVERIFY(out.exists(QStringLiteral("A-2.pdf")));
    QVERIFY(!out.exists(QStringLiteral("A-3.pdf")));
    QVERIFY(!out.exists(QStringLiteral("A-4.pdf")));
    for (const char* f : {"devices.csv", "devices.json", "overview.pdf"})
      QVERIFY(out.exists(QString::fromLatin1(f)));
    QCOMPARE(dialogs.progressTexts.first(), QStringLiteral("Device 1 of 4: A-1"));
    QCOMPARE(messages.messages.size(), std::size_t(1));
    QVERIFY2(messages.messages[0].text.contains(QLatin1String("Cancelled before device 3 of 4")),
             qPrintable(messages.messages[0].text));
    QVERIFY(messages.messages[0].text.contains(QLatin1String("2 of 2 devices documented")));

    dialogs.folder = Path("out-all");
    dialogs.cancelAt = 0;
    w->MenuDocumentListClick();
    QDir all(dialogs.folder);
    for (const char* f : {"A-1.pdf", "A-2.pdf", "A-3.pdf", "A-4.pdf", "overview.pdf"})
      QVERIFY2(all.exists(QString::fromLatin1(f)), f);
    QVERIFY(messages.messages.back().text.contains(QLatin1String("4 of 4 devices documented, 0 failed")));
    QCOMPARE(w->Language(), 1);
  }

  void theQrCodeOnThePaperIsASetting() {
    MemorySettingsStore store;
    SeedRegularRun(store, 1);
    MessageRecorder messages;
    {
      auto w = MakeWindow(store);
      QVERIFY(!w->QrOnPaper());
      ScriptedDocDialogs doc;
      w->SetDocumentationDialogs(&doc);
      const QString file = Path("tc.setrix");
      Write(file, OneDevice("thermo", kThermoChoices));
      QVERIFY(w->OpenConfigurationFile(file));
      doc.file = Path("plain.pdf");
      w->MenuSpeichernClick();
      w->MenuQrOnPaper->trigger();
      QVERIFY(w->QrOnPaper());
      doc.file = Path("qr.pdf");
      w->MenuSpeichernClick();
      QCOMPARE(ImageCount(Path("qr.pdf")), ImageCount(Path("plain.pdf")) + 1);
      // The next PDF without the setting has no QR code again.
      w->MenuQrOnPaper->trigger();
      doc.file = Path("plain2.pdf");
      w->MenuSpeichernClick();
      QCOMPARE(ImageCount(Path("plain2.pdf")), ImageCount(Path("plain.pdf")));
      // The printer path.
      doc.file = Path("printed-plain.pdf");
      w->MenuItemDruckenClick();
      w->MenuQrOnPaper->trigger();
      doc.file = Path("printed-qr.pdf");
      w->MenuItemDruckenClick();
      QCOMPARE(ImageCount(Path("printed-qr.pdf")), ImageCount(Path("printed-plain.pdf")) + 1);
      w->SetDocumentationDialogs(nullptr);
    }
    QCOMPARE(messages.messages.size(), std::size_t(0));
    // Kept for the next run.
    auto w = MakeWindow(store);
    QVERIFY(w->QrOnPaper());
  }
};

QTEST_MAIN(ConfigurationTest)
#include "configuration_test.moc"
