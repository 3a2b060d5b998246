// Loading and storing the settings: the in-memory store through the main window, and the
// INI file store with its command-line and environment choice of file.
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>

#include "app/alpha_code_box.h"
#include "app/dc_page.h"
#include "app/frq_page.h"
#include "app/ini_settings_store.h"
#include "app/list_pages.h"
#include "app/startup.h"
#include "app_fixture.h"
#include "devices/settings_file.h"
#include "modules/settings_schema.h"

using namespace setrix;
using namespace setrix::app;
using namespace setrix::app::test;

namespace {

void WriteFile(const QString& name, const QByteArray& content) {
  QFile f(name);
  QVERIFY(f.open(QIODevice::WriteOnly));
  f.write(content);
}

QByteArray ReadFile(const QString& name) {
  QFile f(name);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// A settings file is complete when it reads without a problem and holds every value of
// the four keys.
void VerifyComplete(const QString& file) {
  IniSettingsStore store(file);
  QVERIFY2(store.ProblemText().isEmpty(), qPrintable(store.ProblemText()));
  const std::pair<std::string_view, const char*> keys[] = {
      {kKeyDC, "Top Left Language UserText Bandwidth InMin InMax OutMin OutMax InValue OutValue Zoom"},
      {kKeyThermo, "UserText Input Min Max Filter Out Manual"},
      {kKeyRTD, "UserText Input Min Max Response Out Manual"},
      {kKeyFrequency, "UserText Mode Min Max Out"}};
  for (auto [key, names] : keys) {
    QVERIFY(store.OpenKey(key));
    for (const QString& name : QString::fromLatin1(names).split(QLatin1Char(' ')))
      QVERIFY2(store.HasValue(name.toStdString()), qPrintable(name));
  }
}

// Starts the program on `file` and waits until it runs its event loop.
std::unique_ptr<QProcess> StartProgram(const QString& file) {
  auto p = std::make_unique<QProcess>();
  p->setProcessChannelMode(QProcess::ForwardedErrorChannel);
  p->start(QStringLiteral(SETRIX_PROGRAM), {QStringLiteral("--settings"), file});
  if (!p->waitForStarted(10000)) return nullptr;
  return p;
}

}  // namespace

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
    QCOMPARE(w->ActivePage(), w->TS_Bausteinauswahl());
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
    QVERIFY(w->TS_DC()->RBtnEV->isChecked());  // the DC values before it are read
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
    QVERIFY(w->TS_DC()->Btn_DCStepOne->isVisibleTo(w->TS_DC()));
    QVERIFY(!w->TS_DC()->BitBtnWeiter->isVisibleTo(w->TS_DC()));
    QVERIFY(w->MenuSpeichern->isEnabled() && w->MenuItemDrucken->isEnabled());
    QCOMPARE(w->TS_DC()->edits[2]->text(), QStringLiteral("-10"));
  }

  void StoredIndexBeyondItsListLeavesTheChoiceOpen() {
    MemorySettingsStore store;
    SeedRegularRun(store, 1);
    auto& thermo = store.KeyAt(kKeyThermo);
    thermo["Input"] = 7;  // type B: six start values
    thermo["Min"] = 13;
    thermo["Max"] = 0;
    thermo["Out"] = 1;
    auto w = MakeWindow(store);
    w->ProduktClick(2);
    QCOMPARE(w->models().thermo.type.index, 7);
    QCOMPARE(w->models().thermo.start.index, -1);
    QCOMPARE(w->TS_Thermo()->combos[1]->ShownText(), QStringLiteral("Please choose..."));
    QVERIFY(w->TS_Thermo()->combos[2]->IsSimple());
    QCOMPARE(w->TS_Thermo()->combos[3]->currentIndex(), 1);
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
      w->TS_DC()->RBtnGrenzClick(DcBandwidthButton::RBtn10Hz);
      w->TS_DC()->RadioBtnClick(DcUnitButton::RBtnEmV);
      w->TS_DC()->EditChange(DcEdit::EditEMax, "250");
      w->ProduktClick(1);
      for (auto [list, index] : {std::pair{0, 1}, {1, 6}, {2, 12}, {3, 0}, {4, 0}})
        w->TS_RTD()->Choose(list, index);
      w->ProduktClick(3);
      w->TS_FRQ()->ComboChange(FrqList::Mode, 1);
      w->TS_FRQ()->Ed_FRQLower->setText("50");
      w->TS_FRQ()->Ed_FRQChange(FrqEntry::Lower);
      w->TS_FRQ()->Ed_FRQUpper->setText("1234");
      w->TS_FRQ()->Ed_FRQChange(FrqEntry::Upper);
      w->TS_FRQ()->ComboChange(FrqList::Output, 2);
      w->close();
    }
    QCOMPARE(std::get<std::string>(store.KeyAt(kKeyFrequency)["Max"]), std::string("1230"));
    auto w = MakeWindow(store);
    QCOMPARE(w->UserText(ModuleKind::DC), QStringLiteral("SN 4711"));
    QCOMPARE(w->UserText(ModuleKind::FRQ), QStringLiteral("Pumpe 3"));
    QVERIFY(w->TS_DC()->RBtn10Hz->isChecked());
    QVERIFY(w->TS_DC()->RBtnEmV->isChecked());
    QCOMPARE(w->TS_DC()->edits[1]->text(), QStringLiteral("250"));
    w->ProduktClick(1);
    QCOMPARE(w->TS_RTD()->SW1->Value(), 78);
    QCOMPARE(w->TS_RTD()->SW2->Value(), 185);
    QVERIFY(w->MenuSpeichern->isEnabled());
    w->ProduktClick(3);
    QCOMPARE(w->TS_FRQ()->Ed_FRQUpper->text(), QStringLiteral("1230"));
    QCOMPARE(w->models().frq.output.index, 2);
  }

  void StoredInTheOrderOfTheKeys() {
    RecordingStore store;
    auto w = MakeWindow(store);
    w->close();
    const QStringList expected =
        QStringLiteral(
            "DC/Top DC/Left DC/Language DC/UserText DC/Bandwidth DC/InMin DC/InMax DC/OutMin DC/OutMax DC/InValue "
            "DC/OutValue DC/Zoom Thermo/UserText Thermo/Input Thermo/Min Thermo/Max Thermo/Filter Thermo/Out "
            "Thermo/Manual "
            "RTD/UserText RTD/Input RTD/Min RTD/Max RTD/Response RTD/Out RTD/Manual "
            "Frequency/UserText Frequency/Mode Frequency/Min Frequency/Max Frequency/Out "
            "Configuration/Recent1 Configuration/Recent2 Configuration/Recent3 Configuration/Recent4 "
            "Configuration/Recent5 Configuration/Recent6 Configuration/Recent7 Configuration/Recent8 "
            "Configuration/QrOnPaper")
            .split(QLatin1Char(' '));
    QCOMPARE(store.writes, expected);
  }

  void UnusableValuesAreSkipped() {
    MemorySettingsStore store;
    SeedRegularRun(store, 1);
    auto& dc = store.KeyAt(kKeyDC);
    dc["Top"] = std::string("high");         // wrong type: 0
    dc["Left"] = 99999999;                   // on no screen: 0
    dc["InMin"] = 5;                         // an integer where a text belongs
    dc["InMax"] = std::string(5000, '9');    // longer than may be typed: kept whole
    dc["UserText"] = std::string(200, 'x');  // longer than may be typed: kept whole
    dc["Bandwidth"] = std::string("wide");
    store.KeyAt(kKeyThermo)["Input"] = std::string("K");
    store.KeyAt(kKeyRTD)["Input"] = -5;
    store.KeyAt(kKeyFrequency)["Min"] = std::string(100, '1');
    store.KeyAt(kKeyFrequency)["Mode"] = 2147483647;
    auto w = MakeWindow(store);
    QCOMPARE(w->pos(), QPoint(0, 0));
    QCOMPARE(w->TS_DC()->edits[0]->text(), QString());
    QCOMPARE(w->TS_DC()->edits[1]->text(), QString(5000, QLatin1Char('9')));
    QCOMPARE(w->UserText(ModuleKind::DC), QString(200, QLatin1Char('x')));
    QVERIFY(w->TS_DC()->RBtn10kHz->isChecked());
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
    QVERIFY(store.ProblemText().isEmpty());
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
    f.write(
        "[Software]\n"
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
      QVERIFY(!store.ProblemText().isEmpty());
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

  void StoredTextsLongerThanTypedAreKeptWhole() {
    MemorySettingsStore store;
    SeedRegularRun(store, 1);
    const std::string note(60, 'n');
    store.KeyAt(kKeyDC)["UserText"] = note;
    store.KeyAt(kKeyDC)["OutMin"] = std::string("0,0000001");
    store.KeyAt(kKeyThermo)["UserText"] = note + "t";
    {
      auto w = MakeWindow(store);
      QCOMPARE(w->UserText(ModuleKind::DC), QString::fromStdString(note));
      QCOMPARE(w->UserText(ModuleKind::Thermo), QString::fromStdString(note + "t"));
      QCOMPARE(w->TS_DC()->edits[2]->text(), QStringLiteral("0,0000001"));
      // The prompt shows the whole note.
      w->AlphaCodeBox()->SetText(w->UserText(ModuleKind::DC));
      QCOMPARE(w->AlphaCodeBox()->Edit1->text(), QString::fromStdString(note));
      w->close();
    }
    QCOMPARE(std::get<std::string>(store.KeyAt(kKeyDC)["UserText"]), note);
    QCOMPARE(std::get<std::string>(store.KeyAt(kKeyDC)["OutMin"]), std::string("0,0000001"));
    QCOMPARE(std::get<std::string>(store.KeyAt(kKeyThermo)["UserText"]), note + "t");
  }

  void TypingIsStillLimited() {
    MemorySettingsStore store;
    SeedRegularRun(store, 1);
    auto w = MakeWindow(store);
    w->ProduktClick(0);
    QTest::keyClicks(w->TS_DC()->edits[0], QStringLiteral("1234567890"));
    QCOMPARE(w->TS_DC()->edits[0]->text(), QStringLiteral("12345678"));
    w->AlphaCodeBox()->SetText(QString());
    QTest::keyClicks(w->AlphaCodeBox()->Edit1, QString(60, QLatin1Char('a')));
    QCOMPARE(w->AlphaCodeBox()->Edit1->text().size(), 48);
  }

  // A value that cannot be used is dropped; the file as it was is kept beside it, once,
  // and the problem names the copy.
  void ADroppedValueKeepsTheOldFile_data() {
    QTest::addColumn<QByteArray>("line");
    QTest::newRow("text for a number") << QByteArray("Zantrel\\Setrix\\DC\\Language=en\n");
    QTest::newRow("number beyond 32 bits") << QByteArray("Zantrel\\Setrix\\DC\\Top=99999999999\n");
    QTest::newRow("binary for a text") << QByteArray("Zantrel\\Setrix\\DC\\InMin=@ByteArray(\\0\\x1)\n");
    QTest::newRow("frequency entry too long")
        << QByteArray("Zantrel\\Setrix\\Frequency\\Min=") + QByteArray(40, '1') + "\n";
  }
  void ADroppedValueKeepsTheOldFile() {
    QFETCH(QByteArray, line);
    QTemporaryDir dir;
    const QString file = dir.filePath("setrix.ini");
    const QByteArray content = QByteArray("[Software]\nZantrel\\Setrix\\DC\\OutValue=0\n") + line;
    WriteFile(file, content);
    {
      IniSettingsStore store(file);
      auto w = MakeWindow(store);
      QCOMPARE(QString::fromStdString(store.KeptCopy()), file + QStringLiteral(".broken"));
      QVERIFY(store.ProblemText().contains(file + QStringLiteral(".broken")));
      w->close();
      QVERIFY(store.Flush());
    }
    QCOMPARE(ReadFile(file + QStringLiteral(".broken")), content);
    VerifyComplete(file);
    // Written anew, the file is fine: no copy, no problem.
    QFile::remove(file + QStringLiteral(".broken"));
    IniSettingsStore again(file);
    auto w = MakeWindow(again);
    QVERIFY(again.ProblemText().isEmpty());
    w->close();
    QVERIFY(!QFile::exists(file + QStringLiteral(".broken")));
  }

  void AValidFileKeepsNoCopy() {
    QTemporaryDir dir;
    const QString file = dir.filePath("setrix.ini");
    WriteFile(file, "[Software]\nZantrel\\Setrix\\DC\\Language=1\nZantrel\\Setrix\\DC\\OutValue=0\n");
    IniSettingsStore store(file);
    auto w = MakeWindow(store);
    w->close();
    QVERIFY(store.ProblemText().isEmpty());
    QVERIFY(!QFile::exists(file + QStringLiteral(".broken")));
  }

  // A malformed file: after the window wrote it anew, closing reports nothing more.
  void ABrokenFileIsNotReportedAgainWhenWrittenAnew() {
    QTemporaryDir dir;
    const QString file = dir.filePath("setrix.ini");
    WriteFile(file, "[Software\nZantrel\\Setrix\\DC\\Language=1\n");
    IniSettingsStore store(file);
    auto w = MakeWindow(store);
    QVERIFY(w->statusBar()->currentMessage().contains(file + QStringLiteral(".broken")));
    w->close();
    QVERIFY(store.Flush());
    VerifyComplete(file);
  }

  void AHugeFileStartsTheProgramAtOnce_data() {
    QTest::addColumn<char>("fill");
    QTest::newRow("text") << 'a';
    QTest::newRow("binary") << '\0';
  }
  void AHugeFileStartsTheProgramAtOnce() {
    QFETCH(char, fill);
    QTemporaryDir dir;
    const QString file = dir.filePath("setrix.ini");
    QByteArray content("[Software]\nZantrel\\Setrix\\DC\\Language=1\nZantrel\\Setrix\\DC\\UserText=");
    content += QByteArray(64 << 20, fill);
    WriteFile(file, content);
    QElapsedTimer clock;
    clock.start();
    IniSettingsStore store(file);
    auto w = MakeWindow(store);
    QVERIFY2(clock.elapsed() < 5000, qPrintable(QString::number(clock.elapsed())));
    QVERIFY(store.ProblemText().contains(QStringLiteral("too large")));
    QCOMPARE(QFileInfo(file + QStringLiteral(".broken")).size(), content.size());
    w->close();
    VerifyComplete(file);
  }

  // Ended by a signal, the program stores its settings as File / Exit does.
  void TerminationSignalsStoreTheSettings_data() {
    QTest::addColumn<int>("signal");
    QTest::newRow("SIGTERM") << SIGTERM;
    QTest::newRow("SIGINT") << SIGINT;
  }
  void TerminationSignalsStoreTheSettings() {
    QFETCH(int, signal);
    QTemporaryDir dir;
    const QString file = dir.filePath("setrix.ini");
    WriteFile(file, "[Software]\nZantrel\\Setrix\\DC\\Language=2\nZantrel\\Setrix\\DC\\InMin=4711\n");
    auto p = StartProgram(file);
    QVERIFY(p);
    QTest::qWait(1500);
    ::kill(static_cast<pid_t>(p->processId()), signal);
    QVERIFY(p->waitForFinished(20000));
    QCOMPARE(p->exitStatus(), QProcess::NormalExit);
    QCOMPARE(p->exitCode(), 0);
    VerifyComplete(file);
    IniSettingsStore store(file);
    store.OpenKey(kKeyDC);
    QCOMPARE(store.ReadInteger("Language"), std::optional<std::int32_t>(2));
    QCOMPARE(store.ReadString("InMin"), std::optional<std::string>("4711"));
  }

  // Two programs on one file, ended at the same moment, leave a complete file.
  void TwoProgramsClosingAtOnceLeaveACompleteFile() {
    QTemporaryDir dir;
    const QString file = dir.filePath("setrix.ini");
    for (int round = 0; round < 4; ++round) {
      auto a = StartProgram(file);
      auto b = StartProgram(file);
      QVERIFY(a && b);
      QTest::qWait(1500);
      ::kill(static_cast<pid_t>(a->processId()), SIGTERM);
      ::kill(static_cast<pid_t>(b->processId()), SIGTERM);
      QVERIFY(a->waitForFinished(20000) && b->waitForFinished(20000));
      VerifyComplete(file);
      QVERIFY(!QFile::exists(file + QStringLiteral(".broken")));
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

  // A settings file as the program writes it (tests/app/fixtures/setrix.ini: every key, a
  // two-step DC task, notes with quotes, commas and umlauts, a recent file, the zoom).
  // Loaded and stored again, the file is the same, byte for byte.
  void TodaysFileReadsBackTheSame() {
    QTemporaryDir dir;
    const QString file = dir.filePath("setrix.ini");
    const QByteArray fixture = ReadFile(QStringLiteral(SETRIX_TEST_DIR "/fixtures/setrix.ini"));
    QVERIFY(fixture.contains("SavePath"));
    WriteFile(file, fixture);
    {
      IniSettingsStore store(file);
      auto w = MakeWindow(store);
      QVERIFY(store.ProblemText().isEmpty());
      w->close();
      QVERIFY(store.Flush());
    }
    QCOMPARE(ReadFile(file), fixture);
  }

  // The same file shows the screens it showed when it was written.
  void TodaysFileShowsTheSameScreens() {
    QTemporaryDir dir;
    const QString file = dir.filePath("setrix.ini");
    WriteFile(file, ReadFile(QStringLiteral(SETRIX_TEST_DIR "/fixtures/setrix.ini")));
    IniSettingsStore store(file);
    auto w = MakeWindow(store);
    QVERIFY(!w->FirstRun());
    QCOMPARE(w->Language(), 2);
    QVERIFY(w->languageItems[2]->isChecked());
    QCOMPARE(w->Zoom(), 125);
    QCOMPARE(w->pos(), QPoint(60, 40));
    QVERIFY(w->QrOnPaper());
    QCOMPARE(w->RecentFiles(), QStringList{QStringLiteral("/home/anna/Anlage/thermo.setrix")});
    QCOMPARE(w->UserText(ModuleKind::DC), QString::fromUtf8("SN 4711, \"links\"; ä = 100 %"));
    QCOMPARE(w->UserText(ModuleKind::Thermo), QStringLiteral("Kessel 3"));
    QCOMPARE(w->UserText(ModuleKind::RTD), QString());
    QCOMPARE(w->UserText(ModuleKind::FRQ), QString::fromUtf8("Zähler =  2 "));
    const auto shown = [](const std::array<ChoiceBox*, 6>& combos) {
      QStringList out;
      for (ChoiceBox* c : combos) out << c->ShownText();
      return out.join(QStringLiteral(" | "));
    };

    w->ProduktClick(0);
    QStringList entries;
    for (FilteredEdit* e : w->TS_DC()->edits) entries << e->text();
    QCOMPARE(entries.join(QLatin1Char(' ')), QStringLiteral("4 20 -10 10"));
    QVERIFY(w->TS_DC()->RBtnEmA->isChecked() && w->TS_DC()->RBtnAV->isChecked() &&
            w->TS_DC()->RBtn10Hz->isChecked());
    QVERIFY(w->TS_DC()->Btn_DCStepOne->isVisibleTo(w->TS_DC()));
    QVERIFY(w->MenuSpeichern->isEnabled());

    w->ProduktClick(2);
    QCOMPARE(shown(w->TS_Thermo()->combos),
             QString::fromUtf8("Thermocoppia type J | 0°C | 250°C | 4 .. 20 mA | on | on"));
    QCOMPARE(w->TS_Thermo()->SW1->Value(), 254);
    QCOMPARE(w->TS_Thermo()->SW2->Value(), 199);
    w->ProduktClick(1);
    QCOMPARE(shown(w->TS_RTD()->combos),
             QString::fromUtf8("PT100 / 3-wire | -50°C | 100°C | 0 .. 10 V | lento 2.2s | off"));
    QCOMPARE(w->TS_RTD()->SW1->Value(), 78);
    QCOMPARE(w->TS_RTD()->SW2->Value(), 185);
    w->ProduktClick(3);
    QCOMPARE(w->TS_FRQ()->Combo_FRQ_OpMode->ShownText(), QStringLiteral("fmin ..  fmax"));
    QCOMPARE(w->TS_FRQ()->Combo_FRQ_Out->ShownText(), QStringLiteral("0 .. 20 mA"));
    QCOMPARE(w->TS_FRQ()->Ed_FRQLower->text(), QStringLiteral("50"));
    QCOMPARE(w->TS_FRQ()->Ed_FRQUpper->text(), QStringLiteral("1230"));
    QVERIFY(w->MenuSpeichern->isEnabled());
  }

  // The command line reads the settings file without Qt: every value of the schema reads
  // as the program's own store reads it, for the fixture and for texts that need quoting
  // and escapes.
  void TheCommandLineReadsTheFileAsTheProgramDoes_data() {
    QTest::addColumn<QString>("text");
    QTest::newRow("fixture") << QString();
    for (const char* t : {" blanks around ", "a, b,c", "\"quoted\" and \\ back", "semi; colon = equals",
                          "@at the start", "@@two", "tab\there\nline", "ümläut €uro 𝄞", "\x01\x7f x1f", ";", ","})
      QTest::newRow(t) << QString::fromUtf8(t);
  }
  void TheCommandLineReadsTheFileAsTheProgramDoes() {
    QFETCH(QString, text);
    QTemporaryDir dir;
    const QString file = dir.filePath("setrix.ini");
    WriteFile(file, ReadFile(QStringLiteral(SETRIX_TEST_DIR "/fixtures/setrix.ini")));
    if (!text.isNull()) {
      IniSettingsStore writer(file);
      for (const settings::Key& key : settings::Schema()) {
        writer.OpenKey(key.path);
        for (const settings::Value& v : key.values)
          if (v.type == settings::ValueType::Text) writer.WriteString(v.name, text.toStdString());
      }
      QVERIFY(writer.Flush());
    }
    IniSettingsStore program(file);
    devices::SettingsFileStore cli(file.toStdString());
    for (const settings::Key& key : settings::Schema()) {
      QVERIFY(program.OpenKey(key.path) && cli.OpenKey(key.path));
      for (const settings::Value& v : key.values) {
        const QByteArray what = QByteArray(key.path.data(), key.path.size()) + "/" + v.name.data();
        QVERIFY2(program.HasValue(v.name) == cli.HasValue(v.name), what);
        QVERIFY2(program.ReadInteger(v.name) == cli.ReadInteger(v.name), what);
        QVERIFY2(program.ReadString(v.name) == cli.ReadString(v.name),
                 what + ": " + QByteArray::fromStdString(cli.ReadString(v.name).value_or("(none)")));
      }
    }
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
    for (const char* name :
         {"Top", "Left", "UserText", "Bandwidth", "InMin", "InMax", "OutMin", "OutMax", "InValue", "OutValue"})
      QVERIFY2(store.HasValue(name), name);
    QVERIFY(!store.HasValue("SavePath"));
    QVERIFY(store.OpenKey(kKeyRTD));
    for (const char* name : {"UserText", "Input", "Min", "Max", "Response", "Out", "Manual"})
      QVERIFY2(store.HasValue(name), name);
    QVERIFY(store.OpenKey(kKeyFrequency));
    for (const char* name : {"UserText", "Mode", "Min", "Max", "Out"}) QVERIFY2(store.HasValue(name), name);
  }
};

QTEST_MAIN(SettingsTest)
#include "settings_test.moc"
