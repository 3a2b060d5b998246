// Loading and storing the settings: the in-memory store through the main window, and the
// INI file store with its command-line and environment choice of file.
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "app/dc_page.h"
#include "app/frq_page.h"
#include "app/ini_settings_store.h"
#include "app/list_pages.h"
#include "app/startup.h"
#include "app_fixture.h"

using namespace setrix;
using namespace setrix::app;
using namespace setrix::app::test;

// Remembers the order in which values are written.
class RecordingStore : public MemorySettingsStore {
 public:
  bool OpenKey(std::string_view path) override {
    key = std::string(path.substr(path.rfind('\\') + 1));
    return MemorySettingsStore::OpenKey(path);
  }
  void WriteInteger(std::string_view name, std::int32_t value) override {
    writes << QString::fromStdString(key + "/" + std::string(name));
    MemorySettingsStore::WriteInteger(name, value);
  }
  void WriteString(std::string_view name, std::string_view value) override {
    writes << QString::fromStdString(key + "/" + std::string(name));
    MemorySettingsStore::WriteString(name, value);
  }
  std::string key;
  QStringList writes;
};

class SettingsTest : public QObject {
  Q_OBJECT

 private slots:
  void StoredLanguageOutOfRangeStartsInGerman() {
    MemorySettingsStore store;
    store.KeyAt(kKeyDC)["Language"] = 7;
    auto w = MakeWindow(store);
    QVERIFY(!w->FirstRun());
    QCOMPARE(w->Language(), 0);
    QVERIFY(w->languageItems[0]->isChecked());
    QCOMPARE(w->ActivePage(), w->TS_Bausteinauswahl);
    QVERIFY(MenuEnabled(w->MenuItemDatei));
  }

  void LanguageOfTheWrongTypeStartsInGermanWithoutFirstRun() {
    MemorySettingsStore store;
    store.KeyAt(kKeyDC)["Language"] = std::string("English");
    auto w = MakeWindow(store);
    QVERIFY(!w->FirstRun());
    QCOMPARE(w->Language(), 0);
  }

  void WithoutOutValueTheOtherModulesAreNotRead() {
    MemorySettingsStore store;
    store.KeyAt(kKeyDC)["Language"] = 1;
    store.KeyAt(kKeyDC)["InValue"] = 2;
    auto& thermo = store.KeyAt(kKeyThermo);
    thermo["Input"] = 0;
    thermo["UserText"] = std::string("TC-17");
    store.KeyAt(kKeyFrequency)["Mode"] = 1;
    auto w = MakeWindow(store);
    QCOMPARE(w->models().thermo.type.index, -1);
    QCOMPARE(w->UserText(ModuleKind::Thermo), QString());
    QCOMPARE(w->models().frq.mode.index, -1);
    QVERIFY(w->TS_DC->RBtnEV->isChecked());  // the DC values before it are read
  }

  void StoredTwoStepEntriesStartInTwoStepMode() {
    MemorySettingsStore store;
    SeedRegularRun(store, 1);
    auto& dc = store.KeyAt(kKeyDC);
    dc["InMin"] = std::string("4");
    dc["InMax"] = std::string("20");
    dc["OutMin"] = std::string("-10");
    dc["OutMax"] = std::string("10");
    dc["InValue"] = 0;
    dc["OutValue"] = 1;
    auto w = MakeWindow(store);
    QVERIFY(w->models().dc.TwoStep());
    QVERIFY(w->models().dc.Armed());
    QVERIFY(!w->MenuSpeichern->isEnabled());  // nothing to document before a screen is chosen
    w->ProduktClick(0);
    QVERIFY(w->TS_DC->Btn_DCStepOne->isVisibleTo(w->TS_DC));
    QVERIFY(!w->TS_DC->BitBtnWeiter->isVisibleTo(w->TS_DC));
    QVERIFY(w->MenuSpeichern->isEnabled() && w->MenuItemDrucken->isEnabled());
    QCOMPARE(w->TS_DC->edits[2]->text(), QStringLiteral("-10"));
  }

  void StoredIndexBeyondItsListLeavesTheChoiceOpen() {
    MemorySettingsStore store;
    SeedRegularRun(store, 1);
    auto& thermo = store.KeyAt(kKeyThermo);
    thermo["Input"] = 7;   // type B: six start values
    thermo["Min"] = 13;
    thermo["Max"] = 0;
    thermo["Out"] = 1;
    auto w = MakeWindow(store);
    w->ProduktClick(2);
    QCOMPARE(w->models().thermo.type.index, 7);
    QCOMPARE(w->models().thermo.start.index, -1);
    QCOMPARE(w->TS_Thermo->combos[1]->ShownText(), QStringLiteral("Please choose..."));
    QVERIFY(w->TS_Thermo->combos[2]->IsSimple());
    QCOMPARE(w->TS_Thermo->combos[3]->currentIndex(), 1);
    QVERIFY(!w->MenuSpeichern->isEnabled());
  }

  void ChoicesSurviveAStoreAndLoad() {
    MemorySettingsStore store;
    SeedRegularRun(store, 1);
    {
      auto w = MakeWindow(store);
      w->SetUserText(ModuleKind::DC, QStringLiteral("SN 4711"));
      w->SetUserText(ModuleKind::FRQ, QStringLiteral("Pumpe 3"));
      w->ProduktClick(0);
      w->TS_DC->RBtnGrenzClick(DcBandwidthButton::RBtn10Hz);
      w->TS_DC->RadioBtnClick(DcUnitButton::RBtnEmV);
      w->TS_DC->EditChange(DcEdit::EditEMax, "250");
      w->ProduktClick(1);
      for (auto [list, index] : {std::pair{0, 1}, {1, 6}, {2, 12}, {3, 0}, {4, 0}}) w->TS_RTD->Choose(list, index);
      w->ProduktClick(3);
      w->TS_FRQ->ComboChange(FrqList::Mode, 1);
      w->TS_FRQ->Ed_FRQLower->setText("50");
      w->TS_FRQ->Ed_FRQChange(FrqEntry::Lower);
      w->TS_FRQ->Ed_FRQUpper->setText("1234");
      w->TS_FRQ->Ed_FRQChange(FrqEntry::Upper);
      w->TS_FRQ->ComboChange(FrqList::Output, 2);
      w->close();
    }
    QCOMPARE(std::get<std::string>(store.KeyAt(kKeyFrequency)["Max"]), std::string("1230"));
    auto w = MakeWindow(store);
    QCOMPARE(w->UserText(ModuleKind::DC), QStringLiteral("SN 4711"));
    QCOMPARE(w->UserText(ModuleKind::FRQ), QStringLiteral("Pumpe 3"));
    QVERIFY(w->TS_DC->RBtn10Hz->isChecked());
    QVERIFY(w->TS_DC->RBtnEmV->isChecked());
    QCOMPARE(w->TS_DC->edits[1]->text(), QStringLiteral("250"));
    w->ProduktClick(1);
    QCOMPARE(w->TS_RTD->SW1->Value(), 78);
    QCOMPARE(w->TS_RTD->SW2->Value(), 185);
    QVERIFY(w->MenuSpeichern->isEnabled());
    w->ProduktClick(3);
    QCOMPARE(w->TS_FRQ->Ed_FRQUpper->text(), QStringLiteral("1230"));
    QCOMPARE(w->models().frq.output.index, 2);
  }

  void StoredInTheOrderOfTheKeys() {
    RecordingStore store;
    auto w = MakeWindow(store);
    w->close();
    const QStringList expected = QStringLiteral(
        "DC/Top DC/Left DC/Language DC/UserText DC/Bandwidth DC/InMin DC/InMax DC/OutMin DC/OutMax DC/InValue "
        "DC/OutValue Thermo/UserText Thermo/Input Thermo/Min Thermo/Max Thermo/Filter Thermo/Out Thermo/Manual "
        "RTD/UserText RTD/Input RTD/Min RTD/Max RTD/Response RTD/Out RTD/Manual "
        "Frequency/UserText Frequency/Mode Frequency/Min Frequency/Max Frequency/Out").split(QLatin1Char(' '));
    QCOMPARE(store.writes, expected);
  }

  void UnusableValuesAreSkipped() {
    MemorySettingsStore store;
    SeedRegularRun(store, 1);
    auto& dc = store.KeyAt(kKeyDC);
    dc["Top"] = std::string("high");           // wrong type: 0
    dc["Left"] = 99999999;                     // on no screen: 0
    dc["InMin"] = 5;                           // an integer where a text belongs
    dc["InMax"] = std::string(5000, '9');      // longer than the entry takes
    dc["UserText"] = std::string(200, 'x');    // the note keeps its first 48 characters
    dc["Bandwidth"] = std::string("wide");
    store.KeyAt(kKeyThermo)["Input"] = std::string("K");
    store.KeyAt(kKeyRTD)["Input"] = -5;
    store.KeyAt(kKeyFrequency)["Min"] = std::string(100, '1');
    store.KeyAt(kKeyFrequency)["Mode"] = 2147483647;
    auto w = MakeWindow(store);
    QCOMPARE(w->pos(), QPoint(0, 0));
    QCOMPARE(w->TS_DC->edits[0]->text(), QString());
    QCOMPARE(w->TS_DC->edits[1]->text(), QString());
    QCOMPARE(w->UserText(ModuleKind::DC), QString(48, QLatin1Char('x')));
    QVERIFY(w->TS_DC->RBtn10kHz->isChecked());
    QCOMPARE(w->models().thermo.type.index, -1);
    QCOMPARE(w->models().rtd.type.index, -1);
    QCOMPARE(w->models().frq.mode.index, -1);
    QCOMPARE(w->models().frq.config.lowerText, std::string());
  }

  void AKeyThatCannotBeOpenedIsNoObstacle() {
    MemorySettingsStore store;
    store.SetFailOpen(true);
    auto w = MakeWindow(store);
    QVERIFY(w->FirstRun());
    w->close();
  }

  // --- the INI file ---

  void IniFileKeepsKeyPathsNamesAndTypes() {
    QTemporaryDir dir;
    const QString file = dir.filePath("setrix.ini");
    {
      IniSettingsStore store(file);
      QVERIFY(store.OpenKey(kKeyThermo));
      store.WriteInteger("Min", -1);
      store.WriteString("UserText", "Kessel 2, \"links\"; 100 % = ok");
      QVERIFY(store.Flush());
    }
    IniSettingsStore store(file);
    QVERIFY(store.Problem().isEmpty());
    QVERIFY(store.OpenKey(kKeyThermo));
    QVERIFY(store.HasValue("Min"));
    QVERIFY(!store.HasValue("Max"));
    QCOMPARE(store.ReadInteger("Min"), std::optional<std::int32_t>(-1));
    QCOMPARE(store.ReadString("UserText"), std::optional<std::string>("Kessel 2, \"links\"; 100 % = ok"));
    QVERIFY(store.OpenKey(kKeyDC));
    QVERIFY(!store.HasValue("Min"));
  }

  void IniValuesOfTheWrongKindReadAsNothing() {
    QTemporaryDir dir;
    const QString file = dir.filePath("setrix.ini");
    QFile f(file);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("[Software]\n"
            "Zantrel\\Setrix\\DC\\Language=en\n"
            "Zantrel\\Setrix\\DC\\Top=99999999999\n"
            "Zantrel\\Setrix\\DC\\Left=12\n"
            "Zantrel\\Setrix\\DC\\UserText=a, b\n"
            "Zantrel\\Setrix\\DC\\InMin=@ByteArray(\\0\\x1)\n");
    f.close();
    IniSettingsStore store(file);
    QVERIFY(store.OpenKey(kKeyDC));
    QVERIFY(store.HasValue("Language"));
    QCOMPARE(store.ReadInteger("Language"), std::nullopt);
    QCOMPARE(store.ReadInteger("Top"), std::nullopt);  // beyond 32 bits
    QCOMPARE(store.ReadInteger("Left"), std::optional<std::int32_t>(12));
    QCOMPARE(store.ReadString("UserText"), std::optional<std::string>("a, b"));
    QCOMPARE(store.ReadString("InMin"), std::nullopt);
  }

  void UnreadableOrBrokenFilesStartTheProgram_data() {
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("readable");
    QTest::newRow("unclosed group") << QByteArray("[Software\nZantrel\\Setrix\\DC\\Language=1\n") << true;
    QTest::newRow("binary garbage") << QByteArray("\x00\xff\xfe[[[=\n\x01\x02=\\\\\n\x00u", 16) << true;
    QTest::newRow("unreadable") << QByteArray("[Software]\nZantrel\\Setrix\\DC\\Language=1\n") << false;
  }
  void UnreadableOrBrokenFilesStartTheProgram() {
    QFETCH(QByteArray, content);
    QFETCH(bool, readable);
    QTemporaryDir dir;
    const QString file = dir.filePath("setrix.ini");
    QFile f(file);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(content);
    f.close();
    if (!readable) {
      QFile::setPermissions(file, QFileDevice::WriteOwner);
      if (QFile(file).open(QIODevice::ReadOnly)) QSKIP("running with rights that read any file");
    }
    {
      IniSettingsStore store(file);
      QVERIFY(!store.Problem().isEmpty());
      auto w = MakeWindow(store);
      QVERIFY(w->isVisible());
      w->close();
    }
    if (readable) {
      // The malformed original is kept before the settings are written anew.
      QFile kept(file + QStringLiteral(".broken"));
      QVERIFY(kept.open(QIODevice::ReadOnly));
      QCOMPARE(kept.readAll(), content);
      IniSettingsStore again(file);
      QVERIFY(again.OpenKey(kKeyDC));
      QVERIFY(again.HasValue("Language"));
    }
  }

  void SettingsFileFromOptionOrEnvironment() {
    qputenv("SETRIX_SETTINGS", "/tmp/from-env.ini");
    StartOptions o = ParseStartOptions({"setrix", "Wartungstor"});
    QCOMPARE(o.settingsFile, QStringLiteral("/tmp/from-env.ini"));
    QCOMPARE(o.arguments, (QStringList{"setrix", "Wartungstor"}));
    o = ParseStartOptions({"setrix", "--settings", "/tmp/a.ini", "Wartungstor"});
    QCOMPARE(o.settingsFile, QStringLiteral("/tmp/a.ini"));
    QCOMPARE(o.arguments, (QStringList{"setrix", "Wartungstor"}));
    o = ParseStartOptions({"setrix", "--settings=/tmp/b.ini"});
    QCOMPARE(o.settingsFile, QStringLiteral("/tmp/b.ini"));
    qunsetenv("SETRIX_SETTINGS");
    o = ParseStartOptions({"setrix"});
    QCOMPARE(o.settingsFile, QString());
  }

  void TheProgramWritesItsFileWhenClosing() {
    QTemporaryDir dir;
    const QString file = dir.filePath("profile.ini");
    {
      IniSettingsStore store(file);
      auto w = MakeWindow(store);
      w->BitBtnClick(21);
      w->close();
    }
    IniSettingsStore store(file);
    QVERIFY(store.OpenKey(kKeyDC));
    QCOMPARE(store.ReadInteger("Language"), std::optional<std::int32_t>(1));
    for (const char* name : {"Top", "Left", "UserText", "Bandwidth", "InMin", "InMax", "OutMin", "OutMax", "InValue", "OutValue"})
      QVERIFY2(store.HasValue(name), name);
    QVERIFY(!store.HasValue("SavePath"));
    QVERIFY(store.OpenKey(kKeyRTD));
    for (const char* name : {"UserText", "Input", "Min", "Max", "Response", "Out", "Manual"}) QVERIFY2(store.HasValue(name), name);
    QVERIFY(store.OpenKey(kKeyFrequency));
    for (const char* name : {"UserText", "Mode", "Min", "Max", "Out"}) QVERIFY2(store.HasValue(name), name);
  }
};

QTEST_MAIN(SettingsTest)
#include "settings_test.moc"
