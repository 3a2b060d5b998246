// The frequency screen: key filter, the rewrite that keeps caret and selection, and the
// rich-text instructions.
#include <QTest>
#include <QTextBlock>
#include <QTextList>

#include "app/frq_page.h"
#include "app_fixture.h"

using namespace setrix;
using namespace setrix::app;
using namespace setrix::app::test;

class FrqPageTest : public QObject {
  Q_OBJECT

  std::unique_ptr<TForm1> OpenFrq(MemorySettingsStore& store, int mode, int output) {
    SeedRegularRun(store, 1);
    auto w = MakeWindow(store);
    w->ProduktClick(3);
    w->TS_FRQ()->ComboChange(FrqList::Mode, mode);
    w->TS_FRQ()->ComboChange(FrqList::Output, output);
    return w;
  }

 private slots:
  void TypingIsFilteredAndRewrittenKeepingTheCaret() {
    MemorySettingsStore store;
    auto w = OpenFrq(store, 0, 1);
    FilteredEdit* upper = w->TS_FRQ()->Ed_FRQUpper;
    QVERIFY(upper->isVisibleTo(w->TS_FRQ()));
    QVERIFY(!w->TS_FRQ()->Ed_FRQLower->isVisibleTo(w->TS_FRQ()));
    upper->setFocus();
    QTest::keyClicks(upper, QStringLiteral("1x2-3a4"));
    QCOMPARE(upper->text(), QStringLiteral("1230"));
    QCOMPARE(upper->cursorPosition(), 4);
    // 0..fmax shows its only step at once.
    QCOMPARE(w->models().frq.config.currentStep, 1);
    QVERIFY(w->TS_FRQ()->HelpFRQPanel->isVisibleTo(w->TS_FRQ()));
    QVERIFY(w->MenuSpeichern->isEnabled());

    // A digit typed in the middle: the text is rewritten, the caret stays behind it.
    upper->setCursorPosition(1);
    QTest::keyClick(upper, Qt::Key_5);
    QCOMPARE(upper->text(), QStringLiteral("15200"));
    QCOMPARE(upper->cursorPosition(), 2);

    // A selection survives the rewrite too (as after pasting 1650).
    upper->setText(QStringLiteral("1650"));
    upper->setSelection(1, 2);
    w->TS_FRQ()->Ed_FRQChange(FrqEntry::Upper);
    QCOMPARE(upper->text(), QStringLiteral("1600"));
    QCOMPARE(upper->selectionStart(), 1);
    QCOMPARE(upper->selectedText(), QStringLiteral("60"));
  }

  void EmptyEntryResetsEverything() {
    MemorySettingsStore store;
    auto w = OpenFrq(store, 1, 3);
    FrqPage* frq = w->TS_FRQ();
    frq->Ed_FRQLower->setText("100");
    frq->Ed_FRQChange(FrqEntry::Lower);
    frq->Ed_FRQUpper->setText("200");
    frq->Ed_FRQChange(FrqEntry::Upper);
    QVERIFY(frq->stepButtons[0]->isVisibleTo(frq));
    QVERIFY(!frq->stepButtons[2]->isVisibleTo(frq));
    QCOMPARE(
        frq->Lbl_FRQStep->text(),
        QStringLiteral("The desired setting takes place in two steps. Follow the instructions step by step. "));
    frq->stepButtons[0]->click();
    QCOMPARE(frq->SW1_FRQ->Value(), w->models().frq.config.s1);
    QVERIFY(frq->SW1_FRQ->Value() >= 0);
    frq->Ed_FRQUpper->clear();
    frq->Ed_FRQChange(FrqEntry::Upper);
    QVERIFY(!frq->stepButtons[0]->isVisibleTo(frq));
    QVERIFY(!frq->HelpFRQPanel->isVisibleTo(frq));
    QCOMPARE(frq->SW1_FRQ->Value(), -1);
    QVERIFY(!w->MenuSpeichern->isEnabled());
  }

  void StepTextHasBoldUnderlinedHeadingsAndBullets() {
    MemorySettingsStore store;
    auto w = OpenFrq(store, 2, 0);
    FrqPage* frq = w->TS_FRQ();
    QCOMPARE(frq->Label_Frq_LowerFRQ->text(), QStringLiteral("Setting the range using a frequency generator."));
    QVERIFY(!frq->Ed_FRQLower->isVisibleTo(frq) && !frq->Ed_FRQUpper->isVisibleTo(frq));
    frq->stepButtons[2]->click();
    QCOMPARE(frq->SW1_FRQ->Value(), 0);
    QCOMPARE(frq->SW2_FRQ->Value(), 15 | 240);

    QTextDocument* doc = frq->FRQ_RichHelp->document();
    QTextBlock heading = doc->begin();
    QCOMPARE(heading.text(), QStringLiteral("3. Step"));
    const QTextCharFormat f = heading.begin().fragment().charFormat();
    QVERIFY(f.font().bold() || f.fontWeight() >= QFont::Bold);
    QVERIFY(f.fontUnderline());
    int bullets = 0, boldUnderlined = 0;
    for (QTextBlock b = doc->begin(); b.isValid(); b = b.next()) {
      if (b.textList()) {
        ++bullets;
        QCOMPARE(b.textList()->format().style(), QTextListFormat::ListDisc);
      }
      if (!b.text().isEmpty() && b.begin().fragment().charFormat().fontUnderline()) ++boldUnderlined;
    }
    QCOMPARE(bullets, 2);         // the switches and "Ready."
    QCOMPARE(boldUnderlined, 2);  // the step heading and "Pinning"
    QVERIFY(frq->FRQ_RichHelp->isReadOnly());
    QVERIFY(frq->FRQ_RichHelp->toPlainText().contains(QStringLiteral("Terminal 5: Output 0 ..   5 V")));
  }
};

QTEST_MAIN(FrqPageTest)
#include "frq_page_test.moc"
