// The DC screen as the technician meets it: the two-step steps, a language change made on
// another screen, and the keyboard.
#include <QTest>

#include "app/dc_page.h"
#include "app_fixture.h"

using namespace setrix;
using namespace setrix::app;
using namespace setrix::app::test;

namespace {

constexpr DcEdit kEdits[4] = {DcEdit::EditEMin, DcEdit::EditEMax, DcEdit::EditAMin, DcEdit::EditAMax};

void Enter(DcPage& dc, DcUnitButton in, DcUnitButton out, std::array<const char*, 4> entries) {
  dc.RadioBtnClick(in);
  dc.RadioBtnClick(out);
  for (std::size_t i = 0; i < 4; ++i) dc.EditChange(kEdits[i], QString::fromLatin1(entries[i]));
}

void EnterTwoStep(DcPage& dc) { Enter(dc, DcUnitButton::RBtnEmA, DcUnitButton::RBtnAV, {"4", "20", "-10", "10"}); }

}  // namespace

class DcPageTest : public QObject {
  Q_OBJECT

 private slots:
  // Switch 3 of S3 is ON for "< 10 Hz" and OFF for "> 10 kHz" in both steps, whichever came
  // first, the step or the bandwidth choice: as the documents print it.
  void TwoStepS3FollowsTheBandwidth_data() {
    QTest::addColumn<bool>("below10Hz");
    QTest::addColumn<int>("step");
    QTest::addColumn<int>("s3");
    QTest::newRow("< 10 Hz, step 1") << true << 1 << 7;
    QTest::newRow("< 10 Hz, step 2") << true << 2 << 7;
    QTest::newRow("> 10 kHz, step 1") << false << 1 << 3;
    QTest::newRow("> 10 kHz, step 2") << false << 2 << 3;
  }
  void TwoStepS3FollowsTheBandwidth() {
    QFETCH(bool, below10Hz);
    QFETCH(int, step);
    QFETCH(int, s3);
    MemorySettingsStore store;
    SeedRegularRun(store, 1);
    auto w = MakeWindow(store);
    w->ProduktClick(0);
    DcPage* dc = w->TS_DC();
    (below10Hz ? dc->RBtn10Hz : dc->RBtn10kHz)->click();
    EnterTwoStep(*dc);
    (step == 1 ? dc->Btn_DCStepOne : dc->Btn_DCStepTwo)->click();
    QCOMPARE(dc->SW3_DC->Value(), s3);
    // The other step after it shows the same switch 3.
    (step == 1 ? dc->Btn_DCStepTwo : dc->Btn_DCStepOne)->click();
    QCOMPARE(dc->SW3_DC->Value(), s3);
    QCOMPARE(w->models().dc.Banks().s3, s3);
  }

  void TheActiveStepIsMarked() {
    MemorySettingsStore store;
    SeedRegularRun(store, 1);
    auto w = MakeWindow(store);
    w->ProduktClick(0);
    DcPage* dc = w->TS_DC();
    EnterTwoStep(*dc);
    QVERIFY(!dc->Btn_DCStepOne->isChecked() && !dc->Btn_DCStepTwo->isChecked());
    QVERIFY(!dc->Lbl_DCStepHeading->isVisibleTo(dc));
    dc->Btn_DCStepOne->click();
    QVERIFY(dc->Btn_DCStepOne->isChecked());
    QVERIFY(!dc->Btn_DCStepTwo->isChecked());
    QVERIFY(dc->Lbl_DCStepHeading->isVisibleTo(dc));
    QCOMPARE(dc->Lbl_DCStepHeading->text(), QStringLiteral("1. Step"));
    // Pressing the checked step again keeps it checked.
    dc->Btn_DCStepOne->click();
    QVERIFY(dc->Btn_DCStepOne->isChecked());
    dc->Btn_DCStepTwo->click();
    QVERIFY(dc->Btn_DCStepTwo->isChecked());
    QVERIFY(!dc->Btn_DCStepOne->isChecked());
    QCOMPARE(dc->Lbl_DCStepHeading->text(), QStringLiteral("2. Step"));
    // Leaving the two-step task clears the mark.
    dc->RadioBtnClick(DcUnitButton::RBtnEV);
    QVERIFY(!dc->Lbl_DCStepHeading->isVisibleTo(dc));
    dc->RadioBtnClick(DcUnitButton::RBtnEmA);
    QVERIFY(!dc->Btn_DCStepTwo->isChecked());
  }

  // The language changed on another screen: entering the DC screen writes its texts anew in
  // that language, with the same result, and Calculate still works.
  void EnteredAfterALanguageChangeTheTextsFollow() {
    MemorySettingsStore store;
    SeedRegularRun(store, 1);
    auto w = MakeWindow(store);
    w->ProduktClick(0);
    DcPage* dc = w->TS_DC();
    Enter(*dc, DcUnitButton::RBtnEV, DcUnitButton::RBtnAV, {"0", "7", "0", "10"});
    dc->BitBtnWeiterClick();
    const int s1 = dc->SW1_DC->Value();
    QCOMPARE(dc->LabelEinstellungenDC->text(), QStringLiteral("Settings"));
    w->ProduktClick(2);
    w->MenuItemSpracheClick(0);
    w->ProduktClick(0);
    QCOMPARE(dc->LabelEinstellungenDC->text(), TxText(texts::txSettings, 0));
    QCOMPARE(dc->Label1HelpDC->text(), QStringLiteral("1. ") + TxText(texts::txAdjustSwitches, 0));
    QVERIFY(dc->Label2HelpDC->text().startsWith(TxText(texts::txZeroAdjustInstruction, 0).left(8)) ||
            dc->Label2HelpDC->text().startsWith(TxText(texts::txSpanAdjustInstruction, 0).left(8)));
    QCOMPARE(dc->Label4HelpDC->text(), TxText(texts::txTerminalsPowerWide, 0));
    QCOMPARE(dc->SW1_DC->Value(), s1);
    QVERIFY(w->MenuSpeichern->isEnabled());

    // Calculate works without an edit first, and again.
    for (int i = 0; i < 2; ++i) {
      MessageRecorder messages;
      dc->BitBtnWeiterClick();
      QVERIFY(messages.messages.empty());
      QCOMPARE(dc->SW1_DC->Value(), s1);
      QCOMPARE(dc->LabelEinstellungenDC->text(), TxText(texts::txSettings, 0));
      QVERIFY(w->MenuSpeichern->isEnabled());
    }
  }

  void EnteredAfterALanguageChangeTheStepFollows() {
    MemorySettingsStore store;
    SeedRegularRun(store, 1);
    auto w = MakeWindow(store);
    w->ProduktClick(0);
    DcPage* dc = w->TS_DC();
    dc->RBtn10Hz->click();
    EnterTwoStep(*dc);
    dc->Btn_DCStepTwo->click();
    w->ProduktClick(3);
    w->MenuItemSpracheClick(2);
    w->ProduktClick(0);
    QVERIFY(dc->Btn_DCStepTwo->isChecked());
    QCOMPARE(dc->Lbl_DCStepHeading->text(), QStringLiteral("2. ") + TxText(texts::txStep, 2));
    QVERIFY(dc->Label2HelpDC->text().startsWith(TxText(texts::txAdjustSwitchesS1S2S3, 2).left(6)));
    QVERIFY(dc->LabelSpecHelpDC->text().contains(QStringLiteral("-10 V")));
    QVERIFY(!dc->LabelSpecHelpDC->text().contains(QStringLiteral("Apply")));
    QCOMPARE(dc->SW1_DC->Value(), 143);
    QCOMPARE(dc->SW3_DC->Value(), 7);
  }

  // Enter in any entry, and on the focused button, calculates.
  void EnterCalculates_data() {
    QTest::addColumn<int>("where");  // 0..3 an entry, 4 the button
    for (int i = 0; i < 5; ++i) QTest::newRow(i < 4 ? "entry" : "button") << i;
  }
  void EnterCalculates() {
    QFETCH(int, where);
    MemorySettingsStore store;
    SeedRegularRun(store, 1);
    auto w = MakeWindow(store);
    w->ProduktClick(0);
    DcPage* dc = w->TS_DC();
    Enter(*dc, DcUnitButton::RBtnEV, DcUnitButton::RBtnAV, {"0", "10", "0", "10"});
    QWidget* target =
        where < 4 ? static_cast<QWidget*>(dc->edits[static_cast<std::size_t>(where)]) : dc->BitBtnWeiter;
    target->setFocus();
    QTest::keyClick(target, where == 4 ? Qt::Key_Return : Qt::Key_Enter);
    QCOMPARE(dc->SW1_DC->Value(), 7);
    QVERIFY(w->MenuSpeichern->isEnabled());
  }

  void EnterInTheTwoStepModeDoesNothing() {
    MemorySettingsStore store;
    SeedRegularRun(store, 1);
    auto w = MakeWindow(store);
    w->ProduktClick(0);
    DcPage* dc = w->TS_DC();
    EnterTwoStep(*dc);
    MessageRecorder messages;
    QTest::keyClick(dc->edits[0], Qt::Key_Return);
    QCOMPARE(dc->SW1_DC->Value(), -1);
    QVERIFY(messages.messages.empty());
  }
};

QTEST_MAIN(DcPageTest)
#include "dc_page_test.moc"
