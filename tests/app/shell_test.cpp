// The main window: start, menus, the selection screens, navigation and the language.
#include <QMouseEvent>
#include <QStackedWidget>
#include <QTest>

#include "app/dc_page.h"
#include "app/frq_page.h"
#include "app/list_pages.h"
#include "app/service_pages.h"
#include "app_fixture.h"

using namespace setrix;
using namespace setrix::app;
using namespace setrix::app::test;

namespace {

bool IsRed(QLabel* l) { return l->palette().color(QPalette::WindowText) == QColor(255, 0, 0); }
bool IsWhite(QLabel* l) { return l->palette().color(QPalette::WindowText) == QColor(255, 255, 255); }

// Types a DC task and runs "Calculate settings".
void CalculateDc(TForm1& w, DcUnitButton in, DcUnitButton out, std::array<const char*, 4> entries) {
  w.TS_DC()->RadioBtnClick(in);
  w.TS_DC()->RadioBtnClick(out);
  const DcEdit edits[4] = {DcEdit::EditEMin, DcEdit::EditEMax, DcEdit::EditAMin, DcEdit::EditAMax};
  for (int i = 0; i < 4; ++i)
    w.TS_DC()->EditChange(edits[i], QString::fromLatin1(entries[static_cast<std::size_t>(i)]));
  w.TS_DC()->BitBtnWeiterClick();
}

}  // namespace

class ShellTest : public QObject {
  Q_OBJECT

 private slots:
  void FirstStartOffersTheLanguagesWithMenusDisabled() {
    MemorySettingsStore store;
    auto w = MakeWindow(store);
    QCOMPARE(w->windowTitle(), QStringLiteral("SETRIX"));
    QCOMPARE(w->centralWidget()->size(), QSize(751, 518));
    QVERIFY(w->FirstRun());
    QCOMPARE(w->ActivePage(), w->TS_Language());
    QCOMPARE(w->pos(), QPoint(0, 0));
    for (QMenu* m : {w->MenuItemDatei, w->MenuProdukt, w->MenuItemSprache, w->MenuItemHilfe, w->MenuItemService})
      QVERIFY2(!MenuEnabled(m), qPrintable(m->objectName()));
    QVERIFY(!w->MenuItemService->menuAction()->isVisible());
    for (QAction* a : w->languageItems) QVERIFY(!a->isChecked());
    QVERIFY(!w->MenuSpeichern->isEnabled());
    QVERIFY(!w->MenuItemDrucken->isEnabled());
    // Each group's subtitle stays in its own language.
    for (int i = 0; i < 4; ++i)
      QCOMPARE(w->languageSubtitles[static_cast<std::size_t>(i)]->text(), TxText(texts::txProgramSubtitle, i));

    // Italian: the product screen in Italian, Product still disabled.
    w->languageLabels[2]->clicked(22);
    QCOMPARE(w->ActivePage(), w->TS_Bausteinauswahl());
    QCOMPARE(w->Language(), 2);
    QVERIFY(w->languageItems[2]->isChecked());
    QVERIFY(!w->languageItems[0]->isChecked());
    QVERIFY(w->serviceItems[1]->isChecked());
    QCOMPARE(w->Label2ProduktAuswahl->text(), QStringLiteral("seleziona il prodotto:"));
    QCOMPARE(w->Label1ProduktAuswahl->text(), QStringLiteral("per isolatore segnale"));
    QCOMPARE(w->MenuSpeichern->text(), QStringLiteral("&Salva..."));
    QCOMPARE(w->MenuItemDrucken->text(), QStringLiteral("S&tampa..."));
    QVERIFY(!MenuEnabled(w->MenuProdukt));
    for (QMenu* m : {w->MenuItemDatei, w->MenuItemSprache, w->MenuItemHilfe}) QVERIFY(MenuEnabled(m));
  }

  void FirstStartWithTheServiceWordDisablesTheServiceMenuUntilALanguageIsChosen() {
    MemorySettingsStore store;
    auto w = MakeWindow(store, {"setrix", "Wartungstor"});
    QVERIFY(w->MenuItemService->menuAction()->isVisible());
    QVERIFY(!MenuEnabled(w->MenuItemService));
    w->BitBtnClick(20);
    QVERIFY(MenuEnabled(w->MenuItemService));
  }

  void AnUnknownLanguageTagChoosesGerman() {
    MemorySettingsStore store;
    auto w = MakeWindow(store);
    w->BitBtnClick(99);
    QCOMPARE(w->Language(), 0);
    QVERIFY(w->languageItems[0]->isChecked());
  }

  void ServiceWord_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<bool>("visible");
    QTest::newRow("none") << QStringList{"setrix"} << false;
    QTest::newRow("exact") << QStringList{"setrix", "Wartungstor"} << true;
    QTest::newRow("other case") << QStringList{"setrix", "wartungstor"} << false;
    QTest::newRow("upper case") << QStringList{"setrix", "WARTUNGSTOR"} << false;
    QTest::newRow("among others") << QStringList{"setrix", "-x", "Wartungstor", "y"} << true;
    QTest::newRow("trailing blank") << QStringList{"setrix", "Wartungstor "} << false;
    QTest::newRow("as program name") << QStringList{"Wartungstor"} << false;
  }
  void ServiceWord() {
    QFETCH(QStringList, arguments);
    QFETCH(bool, visible);
    MemorySettingsStore store;
    SeedRegularRun(store, 1);
    auto w = MakeWindow(store, arguments);
    QCOMPARE(w->MenuItemService->menuAction()->isVisible(), visible);
    QCOMPARE(w->MenuItemService->title(), QStringLiteral("Super&User"));
  }

  void ServiceMenuSwitchesPagesAndKeepsOneItemChecked() {
    MemorySettingsStore store;
    SeedRegularRun(store, 1);
    auto w = MakeWindow(store, {"setrix", "Wartungstor"});
    QVERIFY(w->serviceItems[1]->isChecked());
    const std::pair<int, QWidget*> cases[] = {
        {2, w->TS_Results()}, {3, w->TS_Evaluation()}, {0, w->TS_Language()}, {1, w->TS_Bausteinauswahl()}};
    for (auto [tag, page] : cases) {
      w->serviceItems[static_cast<std::size_t>(tag)]->trigger();
      QCOMPARE(w->ActivePage(), page);
      for (int i = 0; i < 4; ++i) QCOMPARE(w->serviceItems[static_cast<std::size_t>(i)]->isChecked(), i == tag);
    }
    w->MenuHauptanzeigeClick(17);
    QCOMPARE(w->ActivePage(), w->TS_Bausteinauswahl());
    // Choosing a product unchecks every service item.
    w->ProduktClick(0);
    for (QAction* a : w->serviceItems) QVERIFY(!a->isChecked());
  }

  void HoverLeavesOnlyTheLastRowRed() {
    MemorySettingsStore store;
    SeedRegularRun(store, 1);
    auto w = MakeWindow(store);
    QCOMPARE(w->ActivePage(), w->TS_Bausteinauswahl());
    // Real mouse movement over the DC row's model word, then over the RTD row's family word.
    const auto move = [](QWidget* target) {
      QMouseEvent e(QEvent::MouseMove, QPointF(3, 3), target->mapToGlobal(QPointF(3, 3)), Qt::NoButton,
                    Qt::NoButton, Qt::NoModifier);
      QCoreApplication::sendEvent(target, &e);
    };
    move(w->productRows[0][2]);
    for (QLabel* l : w->productRows[0]) QVERIFY(IsRed(l));
    move(w->productRows[2][0]);  // rows: DC, thermocouple, RTD, frequency
    for (int row = 0; row < 4; ++row)
      for (QLabel* l : w->productRows[static_cast<std::size_t>(row)]) QCOMPARE(IsRed(l), row == 2);
    const auto& rtd = w->productRows[2];
    QVERIFY(rtd[0]->font().bold() && rtd[0]->font().underline());
    QVERIFY(rtd[1]->font().bold() && !rtd[1]->font().underline());
    QVERIFY(rtd[2]->font().bold() && !rtd[2]->font().underline());

    // The background resets every row: white, the family word underlined only.
    move(w->Img_Bausteinauswahl);
    for (const auto& row : w->productRows) {
      for (QLabel* l : row) QVERIFY(IsWhite(l) && !l->font().bold());
      QVERIFY(row[0]->font().underline());
      QVERIFY(!row[1]->font().underline() && !row[2]->font().underline());
    }
  }

  void HoverOverALanguageShowsTheSubtitleInThatLanguage() {
    MemorySettingsStore store;
    auto w = MakeWindow(store);
    w->LabelMouseMove(23);
    QCOMPARE(w->Label2Vari->text(), QStringLiteral("para convertidores analógicos"));
    QVERIFY(IsRed(w->languageLabels[3]));
    QVERIFY(w->languageLabels[3]->font().bold());
    // Another language label keeps the red one until the background is passed.
    w->LabelMouseMove(21);
    QVERIFY(IsRed(w->languageLabels[3]) && IsRed(w->languageLabels[1]));
    w->Img_BausteinauswahlMouseMove();
    for (QLabel* l : w->languageLabels) QVERIFY(IsWhite(l) && !l->font().bold() && l->font().underline());
  }

  void ProductClickShowsThePageByTag() {
    MemorySettingsStore store;
    SeedRegularRun(store, 1);
    auto w = MakeWindow(store);
    QVERIFY(!MenuEnabled(w->MenuProdukt));
    const std::pair<int, QWidget*> cases[] = {
        {0, w->TS_DC()}, {1, w->TS_RTD()}, {2, w->TS_Thermo()}, {3, w->TS_FRQ()}};
    for (auto [tag, page] : cases) {
      w->ProduktClick(tag);
      QCOMPARE(w->ActivePage(), page);
      for (int i = 0; i < 4; ++i) QCOMPARE(w->productItems[static_cast<std::size_t>(i)]->isChecked(), i == tag);
    }
    QVERIFY(MenuEnabled(w->MenuProdukt));
    w->ProduktClick(4);  // no such product: nothing shown
    QCOMPARE(w->ActivePage(), w->TS_FRQ());
  }

  void ReturningToDcResultsThroughTheProductMenuEnablesSaveAndPrint() {
    MemorySettingsStore store;
    SeedRegularRun(store, 1);
    auto w = MakeWindow(store);
    w->ProduktClick(0);
    QVERIFY(!w->MenuSpeichern->isEnabled());
    CalculateDc(*w, DcUnitButton::RBtnEV, DcUnitButton::RBtnAV, {"0", "10", "0", "10"});
    QVERIFY(w->MenuSpeichern->isEnabled() && w->MenuItemDrucken->isEnabled());

    w->productItems[2]->trigger();  // thermocouple, nothing chosen
    QCOMPARE(w->ActivePage(), w->TS_Thermo());
    QVERIFY(!w->MenuSpeichern->isEnabled() && !w->MenuItemDrucken->isEnabled());

    w->productItems[0]->trigger();
    QCOMPARE(w->ActivePage(), w->TS_DC());
    QVERIFY(w->MenuSpeichern->isEnabled() && w->MenuItemDrucken->isEnabled());
    QVERIFY(w->TS_DC()->HelpDCPanel->isVisibleTo(w->TS_DC()));
  }

  void DcResultsShowTheInstructionsAndBanks() {
    MemorySettingsStore store;
    SeedRegularRun(store, 1);
    auto w = MakeWindow(store);
    w->ProduktClick(0);
    w->TS_DC()->RBtnGrenzClick(DcBandwidthButton::RBtn10Hz);
    CalculateDc(*w, DcUnitButton::RBtnEV, DcUnitButton::RBtnAV, {"0", "10", "0", "10"});
    DcPage* dc = w->TS_DC();
    QCOMPARE(dc->LabelEinstellungenDC->text(), QStringLiteral("Settings"));
    QCOMPARE(dc->Label1HelpDC->text(), QStringLiteral("Adjust switches"));
    QCOMPARE(dc->Label2IndexDC->text(), QString());
    QCOMPARE(dc->Label2HelpDC->text(),
             QStringLiteral("Terminal 3 (+) and 4 (-) : Input\nTerminal 5 (+) and 6 (-) : Output"));
    QCOMPARE(dc->Label4HelpDC->text(), TxText(texts::txTerminalsPowerWide, 1));
    QCOMPARE(dc->SW1_DC->Value(), 7);
    QCOMPARE(dc->SW2_DC->Value(), 26);
    QCOMPARE(dc->SW3_DC->Value(), 7);
    // A second press without a change does nothing.
    const QString before = dc->Label2HelpDC->text();
    dc->BitBtnWeiter->click();
    QCOMPARE(dc->Label2HelpDC->text(), before);
  }

  void DcEntryErrorIsReportedInAMessageBoxEveryTime() {
    MessageRecorder messages;
    MemorySettingsStore store;
    SeedRegularRun(store, 1);
    auto w = MakeWindow(store);
    w->ProduktClick(0);
    w->TS_DC()->BitBtnWeiter->click();  // empty entries
    w->TS_DC()->BitBtnWeiter->click();
    QCOMPARE(messages.messages.size(), 2u);
    QCOMPARE(messages.messages[0].caption, QStringLiteral("Error"));
    QCOMPARE(messages.messages[0].text, QStringLiteral("Incomplete or illegal input"));
    QVERIFY(!w->MenuSpeichern->isEnabled());
  }

  void DcEntriesFilterKeysAndHoldEightCharacters() {
    MemorySettingsStore store;
    SeedRegularRun(store, 1);
    auto w = MakeWindow(store);
    w->ProduktClick(0);
    QLineEdit* edit = w->TS_DC()->edits[0];
    edit->setFocus();
    QTest::keyClicks(edit, QStringLiteral("-1a2,b5x.7890123"));
    QCOMPARE(edit->text(), QStringLiteral("-12,5.78"));
    QCOMPARE(QString::fromStdString(w->models().dc.EditText(DcEdit::EditEMin)), edit->text());
    QTest::keyClick(edit, Qt::Key_Backspace);
    QCOMPARE(w->models().dc.EditText(DcEdit::EditEMin), std::string("-12,5.7"));
  }

  void TwoStepModeFollowsTheEntries() {
    MemorySettingsStore store;
    SeedRegularRun(store, 1);
    auto w = MakeWindow(store);
    w->ProduktClick(0);
    DcPage* dc = w->TS_DC();
    dc->RadioBtnClick(DcUnitButton::RBtnEmA);
    dc->RadioBtnClick(DcUnitButton::RBtnAV);
    dc->EditChange(DcEdit::EditEMin, "4");
    dc->EditChange(DcEdit::EditEMax, "20");
    dc->EditChange(DcEdit::EditAMin, "-10");
    QVERIFY(!dc->Btn_DCStepOne->isVisibleTo(dc));
    dc->EditChange(DcEdit::EditAMax, "10");
    QVERIFY(dc->Btn_DCStepOne->isVisibleTo(dc) && dc->Btn_DCStepTwo->isVisibleTo(dc));
    QVERIFY(!dc->BitBtnWeiter->isVisibleTo(dc));
    QVERIFY(dc->Lbl_DCStep->isVisibleTo(dc));
    QVERIFY(w->MenuSpeichern->isEnabled());
    dc->Btn_DCStepOne->click();
    QCOMPARE(dc->SW1_DC->Value(), 15);
    QCOMPARE(dc->SW2_DC->Value(), 17);
    QCOMPARE(dc->SW3_DC->Value(), 3);
    QVERIFY(dc->LabelSpecHelpDC->isVisibleTo(dc));
    QVERIFY(
        dc->LabelSpecHelpDC->text().startsWith(QStringLiteral("Apply 10 mA to the terminals 1 (+) and 4 (-).")));
    dc->RadioBtnClick(DcUnitButton::RBtnEV);
    QVERIFY(!dc->Btn_DCStepOne->isVisibleTo(dc));
    QVERIFY(dc->BitBtnWeiter->isVisibleTo(dc));
  }

  void BandwidthTouchesOnlySwitchThreeOfS3WhileThePanelShows() {
    MemorySettingsStore store;
    SeedRegularRun(store, 1);
    auto w = MakeWindow(store);
    w->ProduktClick(0);
    DcPage* dc = w->TS_DC();
    dc->RBtn10Hz->click();
    QCOMPARE(dc->SW3_DC->Value(), -1);  // panel hidden: banks untouched
    CalculateDc(*w, DcUnitButton::RBtnEV, DcUnitButton::RBtnAV, {"0", "10", "0", "10"});
    QCOMPARE(dc->SW3_DC->Value(), 7);
    dc->RBtn10kHz->click();
    QCOMPARE(dc->SW3_DC->Value(), 3);
    QCOMPARE(dc->SW1_DC->Value(), 7);
  }

  void LanguageChangeOnDcClearsResultsButKeepsEntries() {
    MemorySettingsStore store;
    SeedRegularRun(store, 1);
    auto w = MakeWindow(store);
    w->ProduktClick(0);
    CalculateDc(*w, DcUnitButton::RBtnEV, DcUnitButton::RBtnAV, {"0", "7", "0", "10"});
    QVERIFY(w->TS_DC()->HelpDCPanel->isVisibleTo(w->TS_DC()));
    w->languageItems[0]->trigger();
    QVERIFY(!w->TS_DC()->HelpDCPanel->isVisibleTo(w->TS_DC()));
    QCOMPARE(w->TS_DC()->SW1_DC->Value(), -1);
    QCOMPARE(w->TS_DC()->edits[1]->text(), QStringLiteral("7"));
    QVERIFY(!w->MenuSpeichern->isEnabled());
    QCOMPARE(w->TS_DC()->BitBtnWeiter->text(), QStringLiteral("&Einstellungen berechnen"));
    QCOMPARE(w->TS_DC()->LabelEingang->text(), QStringLiteral("Eingang"));
    QCOMPARE(w->MenuItemDatei->title(), QStringLiteral("&Datei"));
  }

  void ItalianStepNoteAndStepButtons() {
    MemorySettingsStore store;
    SeedRegularRun(store, 2);
    auto w = MakeWindow(store);
    QCOMPARE(w->TS_DC()->Lbl_DCStep->text(),
             QStringLiteral("La configurazione desiderata richiede due step. Seguire le istruzioni. "));
    QCOMPARE(w->TS_DC()->Btn_DCStepOne->text(), QStringLiteral("&1. Passo"));
    QCOMPARE(w->TS_DC()->Btn_DCStepTwo->text(), QStringLiteral("&2. Passo"));
  }

  void TitleLineFollowsTheSubtitleWidth() {
    MemorySettingsStore store;
    SeedRegularRun(store, 0);
    auto w = MakeWindow(store);
    std::array<ModulePage*, 4> pages = {w->TS_DC(), w->TS_RTD(), w->TS_Thermo(), w->TS_FRQ()};
    std::array<int, 4> germanFamily{};
    for (std::size_t i = 0; i < 4; ++i) germanFamily[i] = pages[i]->title.family->x();
    w->MenuItemSpracheClick(1);
    for (std::size_t i = 0; i < 4; ++i) {
      const TitleLine& t = pages[i]->title;
      QCOMPARE(t.subtitle->text(), QStringLiteral("for signal isolator"));
      QVERIFY(t.family->x() < germanFamily[i]);
      QCOMPARE(t.family->x(), t.subtitle->x() + t.subtitle->width() + 5);
      QCOMPARE(t.series->x(), t.family->x() + t.family->width() + 1);
      QCOMPARE(t.model->x(), t.series->x() + t.series->width() + 5);
      QVERIFY(t.model->geometry().right() < 600);  // clear of the program name at the right
    }
  }

  void LanguageChangeKeepsTheChoicesOfTheOtherScreens() {
    MemorySettingsStore store;
    SeedRegularRun(store, 1);
    auto w = MakeWindow(store);

    w->ProduktClick(2);  // thermocouple K, 0 .. 400, 4 .. 20 mA, filter on
    for (auto [list, index] : {std::pair{0, 0}, {1, 0}, {2, 6}, {3, 2}, {4, 0}})
      w->TS_Thermo()->Choose(list, index);
    QVERIFY(w->MenuSpeichern->isEnabled());
    QCOMPARE(w->TS_Thermo()->combos[1]->currentText(), QStringLiteral("0°C / 32°F"));
    w->MenuItemSpracheClick(0);
    QCOMPARE(w->TS_Thermo()->combos[0]->currentIndex(), 0);
    QCOMPARE(w->TS_Thermo()->combos[0]->currentText(), QStringLiteral("Thermoelement Typ K"));
    QCOMPARE(w->TS_Thermo()->combos[1]->currentText(), QStringLiteral("0°C"));
    QCOMPARE(w->TS_Thermo()->combos[2]->currentText(), QStringLiteral("400°C"));
    QCOMPARE(w->TS_Thermo()->SW1->Value(), 127);
    QCOMPARE(w->TS_Thermo()->SW2->Value(), 211);
    QVERIFY(w->MenuSpeichern->isEnabled());

    w->ProduktClick(1);
    w->TS_RTD()->Choose(0, 3);
    w->MenuItemSpracheClick(3);
    QCOMPARE(w->TS_RTD()->combos[0]->itemText(3), QStringLiteral("Resistencia / 2 hilos"));
    QCOMPARE(w->TS_RTD()->combos[0]->currentIndex(), 3);

    w->ProduktClick(3);
    FrqPage* frq = w->TS_FRQ();
    frq->ComboChange(FrqList::Mode, 1);
    frq->Ed_FRQLower->setText("50");
    frq->Ed_FRQChange(FrqEntry::Lower);
    frq->Ed_FRQUpper->setText("1234");
    frq->Ed_FRQChange(FrqEntry::Upper);
    frq->ComboChange(FrqList::Output, 3);
    frq->stepButtons[1]->click();
    QCOMPARE(frq->SW1_FRQ->Value(), 195);
    QCOMPARE(frq->SW2_FRQ->Value(), 41);
    w->MenuItemSpracheClick(1);
    QCOMPARE(w->models().frq.config.currentStep, 2);
    QVERIFY(frq->FRQ_RichHelp->toPlainText().startsWith(QStringLiteral("2. Step (Setting the upper frequency)")));
    QCOMPARE(frq->SW1_FRQ->Value(), 195);
  }

  void LanguageChangeOnTheLanguageScreenResetsTheDcScreen() {
    MemorySettingsStore store;
    SeedRegularRun(store, 1);
    auto w = MakeWindow(store, {"setrix", "Wartungstor"});
    w->ProduktClick(0);
    CalculateDc(*w, DcUnitButton::RBtnEV, DcUnitButton::RBtnAV, {"0", "10", "0", "10"});
    w->MenuHauptanzeigeClick(0);
    QVERIFY(!w->MenuSpeichern->isEnabled());  // nothing to document on a service screen
    w->MenuItemSpracheClick(2);
    QCOMPARE(w->TS_DC()->SW2_DC->Value(), -1);
    w->ProduktClick(0);
    QVERIFY(!w->MenuSpeichern->isEnabled());
  }

  void ExitStoresTheSettingsAndCloses() {
    MemorySettingsStore store;
    SeedRegularRun(store, 3);
    auto w = MakeWindow(store);
    w->move(40, 30);
    w->ProduktClick(0);
    w->TS_DC()->EditChange(DcEdit::EditEMin, "1,5");
    w->MenuItemBeenden->trigger();
    QVERIFY(!w->isVisible());
    auto& dc = store.KeyAt(kKeyDC);
    QCOMPARE(std::get<std::int32_t>(dc["Language"]), 3);
    QCOMPARE(std::get<std::string>(dc["InMin"]), std::string("1,5"));
    QCOMPARE(std::get<std::int32_t>(dc["Left"]), w->pos().x());
    QCOMPARE(std::get<std::int32_t>(dc["Top"]), w->pos().y());
    for (auto key : {kKeyThermo, kKeyRTD, kKeyFrequency}) QVERIFY(store.HasKey(key));
    QCOMPARE(std::get<std::int32_t>(store.KeyAt(kKeyThermo)["Input"]), -1);
    QCOMPARE(std::get<std::string>(store.KeyAt(kKeyFrequency)["Min"]), std::string());
  }
};

QTEST_MAIN(ShellTest)
#include "shell_test.moc"
