// Product / Read a device...: the banks set lever by lever with the mouse or the keys, what
// they mean, the levers that differ from the screen's setting, and the screen as it was
// after leaving.
#include <QAction>
#include <QTest>
#include <QTextEdit>

#include "app/dc_page.h"
#include "app/dip_switch.h"
#include "app/list_pages.h"
#include "app/read_mode.h"
#include "app_fixture.h"
#include "texts/texts_reading.h"

using namespace setrix;
using namespace setrix::app;
using namespace setrix::app::test;

namespace {

constexpr int kEn = 1, kDe = 0;

// 4 .. 20 mA -> 0 .. 10 V with "< 10 Hz": S1 = 15, S2 = 25, S3 = 7.
void EnterFourToTwenty(DcPage& dc) {
  dc.RBtn10Hz->click();
  dc.RadioBtnClick(DcUnitButton::RBtnEmA);
  dc.RadioBtnClick(DcUnitButton::RBtnAV);
  const DcEdit edits[4] = {DcEdit::EditEMin, DcEdit::EditEMax, DcEdit::EditAMin, DcEdit::EditAMax};
  const char* texts[4] = {"4", "20", "0", "10"};
  for (int i = 0; i < 4; ++i) dc.EditChange(edits[i], QString::fromLatin1(texts[i]));
  dc.BitBtnWeiterClick();
}

std::unique_ptr<TForm1> Window(MemorySettingsStore& store, int language, int product) {
  SeedRegularRun(store, language);
  auto w = MakeWindow(store);
  w->ProduktClick(product);
  return w;
}

void Click(ReadBoard* board, SwitchRef s) {
  QTest::mouseClick(board, Qt::LeftButton, {}, board->SlotRect(s).center());
}

QString Shown(ReadOverlay* o) { return o->text->toPlainText(); }

}  // namespace

class ReadModeTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { SetupOnce(); }

  // The levers clicked as found on a 4 .. 20 mA -> 0 .. 10 V device, on a screen without a
  // task (the banks start all OFF), read as that task, in the CLI's words.
  void ClickedLeversShowTheTask() {
    MemorySettingsStore store;
    auto w = Window(store, kEn, 0);
    QVERIFY(w->ReadDevice->Action()->isEnabled());
    w->ReadDevice->Action()->trigger();
    ReadOverlay* o = w->ReadDevice->Overlay();
    QVERIFY(o && o->isVisible());
    QCOMPARE(o->Reader().Banks(), (std::vector<int>{0, 0, 0}));
    ReadBoard* board = o->board;
    // S1 and S3 stand upright with switch 1 at the bottom, S2 lies with switch 1 on the left.
    QVERIFY(board->SlotRect({1, 1}).center().y() > board->SlotRect({1, 10}).center().y());
    QVERIFY(board->SlotRect({2, 1}).center().x() < board->SlotRect({2, 5}).center().x());
    for (SwitchRef s : {SwitchRef{1, 1}, {1, 2}, {1, 3}, {1, 4}, {2, 1}, {2, 4}, {2, 5}, {3, 1}, {3, 2}, {3, 3}})
      Click(board, s);
    QCOMPARE(o->Reader().Banks(), (std::vector<int>{15, 25, 7}));
    // The read mode's banks show the levers as clicked.
    QCOMPARE(board->BankWidget(1)->Value(), 15);
    QCOMPARE(board->BankWidget(2)->Value(), 25);
    QCOMPARE(board->BankWidget(3)->Value(), 7);
    const QString text = Shown(o);
    for (const char* expected : {"The device is set for:", "Input:", "4..20 mA", "Output:", "0..10V",
                                 "Zero offset:", "0 %", "< 10 Hz", "S1 = 15, S2 = 25, S3 = 7"})
      QVERIFY2(text.contains(QLatin1String(expected)), qPrintable(text));
    QVERIFY(o->Shown().reading.Produced());
    QVERIFY(!o->Shown().check);  // no task on the screen: nothing to compare with
    QVERIFY(!text.contains(TxText(texts::txDeviceMatches, kEn)));
    QVERIFY(board->Marked().empty());
    // A click beside the levers flips nothing.
    QTest::mouseClick(board, Qt::LeftButton, {}, QPoint(2, 2));
    QCOMPARE(o->Reader().Banks(), (std::vector<int>{15, 25, 7}));
  }

  // With the task entered the mode starts from its banks and matches; a lever moved away is
  // marked and listed, moved back it matches again.
  void ADifferingLeverIsMarkedAndListed() {
    MemorySettingsStore store;
    auto w = Window(store, kEn, 0);
    EnterFourToTwenty(*w->TS_DC());
    QCOMPARE(w->TS_DC()->SW1_DC->Value(), 15);
    w->ReadDevice->Enter();
    ReadOverlay* o = w->ReadDevice->Overlay();
    QCOMPARE(o->Reader().Banks(), (std::vector<int>{15, 25, 7}));
    QVERIFY(o->Shown().check && o->Shown().check->matches);
    QVERIFY(Shown(o).contains(TxText(texts::txDeviceMatches, kEn)));

    Click(o->board, {1, 5});
    QCOMPARE(o->board->Marked(), (std::vector<SwitchRef>{{1, 5}}));
    QString text = Shown(o);
    QVERIFY2(text.contains(QLatin1String("Levers to move:")), qPrintable(text));
    QVERIFY2(text.contains(QLatin1String("S1 switch 5: set to OFF")), qPrintable(text));
    QVERIFY(text.contains(QLatin1String("S1 = 31")));
    // The reading follows: S1 switch 5 ON makes the output 2 .. 10 V.
    QVERIFY2(text.contains(QLatin1String("2..10V")), qPrintable(text));

    Click(o->board, {3, 3});
    QCOMPARE(o->board->Marked(), (std::vector<SwitchRef>{{1, 5}, {3, 3}}));
    QVERIFY(Shown(o).contains(QLatin1String("S3 switch 3: set to ON")));
    // The mark is drawn on the slot: where the lever has to go is yellow, the slot ringed.
    const QImage picture = o->board->grab().toImage();
    const QRect slot = o->board->SlotRect({3, 3});
    QCOMPARE(picture.pixelColor(slot.left() - 1, slot.center().y()), QColor(255, 140, 0));
    int yellow = 0;
    for (int y = slot.top(); y <= slot.bottom(); ++y)
      for (int x = slot.left(); x <= slot.right(); ++x)
        yellow += picture.pixelColor(x, y) == QColor(255, 214, 0) ? 1 : 0;
    QCOMPARE(yellow, 6 * 5);  // the lever's 7 x 5 pixels less the row it shares with the lever now

    Click(o->board, {1, 5});
    Click(o->board, {3, 3});
    QVERIFY(o->board->Marked().empty());
    QVERIFY(Shown(o).contains(TxText(texts::txDeviceMatches, kEn)));
  }

  // Arrow keys choose a lever, spatially; Space flips it; the chosen lever is marked.
  void KeyboardChoosesAndFlips() {
    MemorySettingsStore store;
    auto w = Window(store, kEn, 0);
    QVERIFY(QTest::qWaitForWindowActive(w.get()));
    w->ReadDevice->Enter();
    ReadOverlay* o = w->ReadDevice->Overlay();
    ReadBoard* board = o->board;
    QVERIFY(board->hasFocus());
    QCOMPARE(board->Focused(), (SwitchRef{1, 1}));
    QTest::keyClick(board, Qt::Key_Space);
    QCOMPARE(o->Reader().Banks()[0], 1);
    QTest::keyClick(board, Qt::Key_Up);  // S1 stands upright: switch 2 is above switch 1
    QCOMPARE(board->Focused(), (SwitchRef{1, 2}));
    QTest::keyClick(board, Qt::Key_Space);
    QCOMPARE(o->Reader().Banks()[0], 3);
    QTest::keyClick(board, Qt::Key_Down);
    QTest::keyClick(board, Qt::Key_Down);  // the bottom lever stays chosen
    QCOMPARE(board->Focused(), (SwitchRef{1, 1}));
    // To the right lies S2 (switch 1 first), then S3.
    for (int i = 0; i < 7; ++i) QTest::keyClick(board, Qt::Key_Up);
    QTest::keyClick(board, Qt::Key_Right);
    QCOMPARE(board->Focused().bank, 2);
    QCOMPARE(board->Focused().number, 1);
    for (int i = 0; i < 4; ++i) QTest::keyClick(board, Qt::Key_Right);
    QCOMPARE(board->Focused(), (SwitchRef{2, 5}));
    QTest::keyClick(board, Qt::Key_Space);
    QCOMPARE(o->Reader().Banks()[1], 16);
    QTest::keyClick(board, Qt::Key_Right);
    QCOMPARE(board->Focused().bank, 3);
    QTest::keyClick(board, Qt::Key_Left);
    QCOMPARE(board->Focused().bank, 2);
    QVERIFY(Shown(o).contains(QLatin1String("S1 = 3, S2 = 16, S3 = 0")));

    // The focus mark frames the chosen lever.
    const QImage picture = board->grab().toImage();
    const QRect slot = board->SlotRect(board->Focused());
    QCOMPARE(picture.pixelColor(slot.left() - 2, slot.center().y()), QColor(0, 200, 255));

    // Tab goes to the Leave button and back, not to the entries under the layer.
    QTest::keyClick(board, Qt::Key_Tab);
    QVERIFY(o->leaveButton->hasFocus());
    QTest::keyClick(o->leaveButton, Qt::Key_Tab);
    QVERIFY(board->hasFocus());
  }

  // Leaving by the menu item, the Leave button or Escape: entries, choices, banks and the
  // picture of the screen exactly as before, whatever was flipped.
  void LeavingRestoresTheScreen_data() {
    QTest::addColumn<int>("how");
    QTest::newRow("menu item") << 0;
    QTest::newRow("Leave button") << 1;
    QTest::newRow("Escape") << 2;
  }
  void LeavingRestoresTheScreen() {
    QFETCH(int, how);
    MemorySettingsStore store;
    auto w = Window(store, kEn, 0);
    DcPage* dc = w->TS_DC();
    EnterFourToTwenty(*dc);
    dc->RBtnAV->setFocus();
    QApplication::processEvents();
    const QImage before = dc->grab().toImage();
    const std::vector<int> banks{dc->SW1_DC->Value(), dc->SW2_DC->Value(), dc->SW3_DC->Value()};
    const bool helpShown = dc->HelpDCPanel->isVisible();

    w->ReadDevice->Action()->trigger();
    ReadOverlay* o = w->ReadDevice->Overlay();
    QVERIFY(w->ReadDevice->Action()->isChecked());
    for (SwitchRef s : {SwitchRef{1, 1}, {2, 3}, {3, 1}}) Click(o->board, s);
    QVERIFY(dc->grab().toImage() != before);
    // The screen's own banks are not touched while reading.
    QCOMPARE(dc->SW1_DC->Value(), banks[0]);

    if (how == 0) w->ReadDevice->Action()->trigger();
    if (how == 1) QTest::mouseClick(o->leaveButton, Qt::LeftButton);
    if (how == 2) QTest::keyClick(o->board, Qt::Key_Escape);
    QVERIFY(!w->ReadDevice->Active());
    QVERIFY(!w->ReadDevice->Action()->isChecked());
    QVERIFY(!o->isVisible());
    QApplication::processEvents();
    QCOMPARE(dc->edits[0]->text(), QStringLiteral("4"));
    QCOMPARE(dc->edits[3]->text(), QStringLiteral("10"));
    QVERIFY(dc->RBtnEmA->isChecked() && dc->RBtnAV->isChecked() && dc->RBtn10Hz->isChecked());
    QCOMPARE((std::vector<int>{dc->SW1_DC->Value(), dc->SW2_DC->Value(), dc->SW3_DC->Value()}), banks);
    QCOMPARE(dc->HelpDCPanel->isVisible(), helpShown);
    QCOMPARE(dc->window()->focusWidget(), dc->RBtnAV);
    QCOMPARE(dc->grab().toImage(), before);
    // The mode starts afresh from the screen's banks.
    w->ReadDevice->Enter();
    QCOMPARE(w->ReadDevice->Overlay()->Reader().Banks(), banks);
  }

  // The texts follow the language, the banks set stay.
  void LanguageSwitchRewritesTheTexts() {
    MemorySettingsStore store;
    auto w = Window(store, kEn, 0);
    EnterFourToTwenty(*w->TS_DC());
    QCOMPARE(w->ReadDevice->Action()->text(), TxText(texts::txReadDevice, kEn));
    w->ReadDevice->Enter();
    ReadOverlay* o = w->ReadDevice->Overlay();
    Click(o->board, {1, 5});
    QCOMPARE(o->title->text(), TxText(texts::txReadDeviceTitle, kEn));
    w->MenuItemSpracheClick(kDe);
    QVERIFY(w->ReadDevice->Overlay() == o);
    QCOMPARE(w->ReadDevice->Action()->text(), TxText(texts::txReadDevice, kDe));
    QCOMPARE(o->title->text(), TxText(texts::txReadDeviceTitle, kDe));
    QCOMPARE(o->leaveButton->text(), TxText(texts::txLeaveReading, kDe));
    QCOMPARE(o->hint->text(), TxText(texts::txReadDeviceHint, kDe));
    const QString text = Shown(o);
    for (const char* expected : {"Das Gerät ist eingestellt auf:", "Eingang:", "4..20 mA",
                                 "Zu verstellende Schalter:", "S1 Schalter 5: auf OFF stellen"})
      QVERIFY2(text.contains(QString::fromUtf8(expected)), qPrintable(text));
    QCOMPARE(o->Reader().Banks(), (std::vector<int>{31, 25, 7}));
    QCOMPARE(o->board->BankWidget(1)->Value(), 31);
  }

  // Offered on each of the four module screens and nowhere else; choosing a screen ends it.
  void OnEveryModuleScreen() {
    MemorySettingsStore store;
    auto w = Window(store, kEn, 0);
    for (int product : {0, 1, 2, 3}) {
      w->ProduktClick(product);
      QVERIFY(w->ReadDevice->Action()->isEnabled());
      w->ReadDevice->Action()->trigger();
      ReadOverlay* o = w->ReadDevice->Overlay();
      QVERIFY(o);
      QCOMPARE(o->Page(), w->ActivePage());
      QCOMPARE(o->board->BankCount(), product == 0 ? 3 : 2);
      QVERIFY(!Shown(o).isEmpty());
    }
    w->productItems[3]->trigger();  // the same screen again: the normal screen
    QVERIFY(!w->ReadDevice->Active());
    w->ReadDevice->Enter();
    w->ProduktClick(0);  // another screen, also from the product screen
    QVERIFY(!w->ReadDevice->Active());
    w->MenuHauptanzeigeClick(1);
    QVERIFY(!w->ReadDevice->Action()->isEnabled());
    w->ReadDevice->Enter();  // nothing to read here
    QVERIFY(!w->ReadDevice->Active());
  }

  // The thermocouple screen with its setting: matches; a lever moved is listed.
  void ThermocoupleAgainstItsSetting() {
    MemorySettingsStore store;
    auto w = Window(store, kEn, 2);
    ThermoPage* t = w->TS_Thermo();
    for (auto [list, index] : {std::pair{0, 0}, {1, 0}, {2, 6}, {3, 2}, {4, 0}}) t->Choose(list, index);
    QVERIFY(w->models().thermo.config.complete);
    const int s1 = t->SW1->Value();
    const int s2 = t->SW2->Value();
    w->ReadDevice->Enter();
    ReadOverlay* o = w->ReadDevice->Overlay();
    QCOMPARE(o->Reader().Banks(), (std::vector<int>{s1, s2}));
    QVERIFY(o->Shown().check && o->Shown().check->matches);
    QVERIFY(Shown(o).contains(QLatin1String("Thermocouple")));
    Click(o->board, {2, 1});
    QCOMPARE(o->board->Marked(), (std::vector<SwitchRef>{{2, 1}}));
    QVERIFY(Shown(o).contains(QLatin1String("S2 switch 1: set to")));
  }

  // The reader alone: what Start keeps of the banks shown, levers outside the module.
  void ReaderStartAndFlip() {
    DcScreen screen;
    DeviceReader r = DeviceReader::ForDc(screen);
    r.Start({-1, 0x7FF, 9});  // no setting, a bit above S2's five, S3 = 9 of three switches
    QCOMPARE(r.Banks(), (std::vector<int>{0, 31, 1}));
    QVERIFY(!r.Flip({4, 1}));
    QVERIFY(!r.Flip({2, 6}));
    QVERIFY(!r.Flip({1, 0}));
    QVERIFY(r.Flip({1, 10}));
    QCOMPARE(r.Banks()[0], 512);
    QVERIFY(r.IsOn({1, 10}));
    QVERIFY(!r.IsOn({1, 11}));
    QVERIFY(!r.Read(kEn).check);  // the screen has calculated nothing
  }
};

QTEST_MAIN(ReadModeTest)
#include "read_mode_test.moc"
