// The Help dialogs: contents box with its hidden spots, the credits panel, the information
// box and its link label.
#include <QDesktopServices>
#include <QTest>
#include <QTimer>
#include <QUrl>

#include "app/dialogs.h"
#include "app_fixture.h"

using namespace setrix;
using namespace setrix::app;
using namespace setrix::app::test;

// Receives the links the program asks the platform to open.
class UrlCatcher : public QObject {
  Q_OBJECT
 public:
  QList<QUrl> urls;
 public slots:
  void open(const QUrl& url) { urls << url; }
};

class DialogsTest : public QObject {
  Q_OBJECT

  // Runs `during` once the modal dialog is up, then closes it if it is still open.
  static void WhileOpen(QDialog* dialog, const std::function<void()>& during) {
    QTimer::singleShot(0, dialog, [dialog, during] {
      during();
      if (dialog->isVisible()) dialog->accept();
    });
  }

 private slots:
  void ContentsFollowTheLanguage() {
    MemorySettingsStore store;
    SeedRegularRun(store, 2);
    auto w = MakeWindow(store);
    TInhaltBox* box = w->InhaltBox();
    WhileOpen(box, [] {});
    w->MenuItemInhaltClick();
    QCOMPARE(box->windowTitle(), QStringLiteral("Contenuto"));
    QCOMPARE(box->Comments->text(), TxText(texts::txContentsHelp, 2));
    QCOMPARE(box->ImageShow->pixmap().toImage(), box->titlePictures[2]->pixmap().toImage());
    QVERIFY(box->ImageShow->pixmap().toImage() != box->titlePictures[3]->pixmap().toImage());
    QCOMPARE(box->size(), QSize(488, 349));

    w->MenuItemSpracheClick(3);
    WhileOpen(box, [] {});
    w->MenuItemInhaltClick();
    QCOMPARE(box->windowTitle(), QStringLiteral("Contenido"));
    QCOMPARE(box->ImageShow->pixmap().toImage(), box->titlePictures[3]->pixmap().toImage());
  }

  void ThreeSpotsOverTwoOpeningsShowTheCredits() {
    MemorySettingsStore store;
    SeedRegularRun(store, 1);
    auto w = MakeWindow(store);
    TInhaltBox* box = w->InhaltBox();
    WhileOpen(box, [box] {
      box->Image1->doubleClicked();
      box->Panel1->doubleClicked();
    });
    w->MenuItemInhaltClick();
    QVERIFY(!w->Frm_Gag()->isVisible());
    QCOMPARE(box->Flags(), (std::array<bool, 3>{true, true, false}));  // kept while closed

    bool closedByCredits = false;
    WhileOpen(box, [box, &closedByCredits] {
      box->ImageShow->doubleClicked();
      closedByCredits = !box->isVisible();
    });
    w->MenuItemInhaltClick();
    QVERIFY(closedByCredits);
    QVERIFY(w->Frm_Gag()->isVisible());
    QCOMPARE(box->Flags(), (std::array<bool, 3>{false, false, false}));
    QCOMPARE(w->Frm_Gag()->size(), QSize(359, 33));
    QVERIFY(!w->Frm_Gag()->Label()->text().isEmpty());
    // Centred on the main window.
    QVERIFY((w->Frm_Gag()->frameGeometry().center() - w->frameGeometry().center()).manhattanLength() <= 2);
    w->Frm_Gag()->close();
  }

  void TheSameSpotThreeTimesShowsNothing() {
    MemorySettingsStore store;
    SeedRegularRun(store, 1);
    auto w = MakeWindow(store);
    TInhaltBox* box = w->InhaltBox();
    WhileOpen(box, [box] {
      for (int i = 0; i < 3; ++i) box->ImageShow->doubleClicked();
    });
    w->MenuItemInhaltClick();
    QVERIFY(!w->Frm_Gag()->isVisible());
    QCOMPARE(box->Flags(), (std::array<bool, 3>{false, false, true}));
  }

  void CreditsCloseWhenAnotherWindowIsActivated() {
    MemorySettingsStore store;
    SeedRegularRun(store, 1);
    auto w = MakeWindow(store);
    QVERIFY(QTest::qWaitForWindowExposed(w.get()));
    w->Frm_Gag()->ShowCentered();
    QApplication::setActiveWindow(w->Frm_Gag());
    QTRY_VERIFY(w->Frm_Gag()->isActiveWindow());
    QVERIFY(w->Frm_Gag()->isVisible());
    QApplication::setActiveWindow(w.get());
    QTRY_VERIFY(!w->Frm_Gag()->isVisible());
  }

  void InformationBox() {
    MemorySettingsStore store;
    SeedRegularRun(store, 3);
    auto w = MakeWindow(store);
    TAboutBox* box = w->AboutBox();
    WhileOpen(box, [] {});
    w->MenuItemInfoClick();
    QCOMPARE(box->windowTitle(), QStringLiteral("Info"));
    QCOMPARE(box->size(), QSize(330, 292));
    QCOMPARE(box->Version->text(), QStringLiteral(" Version 1.31"));
    QCOMPARE(box->Label1->text(), QStringLiteral(" Internet:"));
    const QString address = FromUtf8(texts::Tx(texts::txMakerWebAddress));
    QCOMPARE(box->UrlLabel1->Caption(), address);
    QCOMPARE(box->UrlLabel1->URL(), QStringLiteral("https://") + address);
    QCOMPARE(box->Comments->text(), TxText(texts::txMakerAddressBlock, 3));
    QVERIFY(box->Comments->wordWrap());
    // A link label is blue, underlined, with a hand cursor.
    QCOMPARE(box->UrlLabel1->palette().color(QPalette::WindowText), QColor(0, 0, 255));
    QVERIFY(box->UrlLabel1->font().underline());
    QCOMPARE(box->UrlLabel1->cursor().shape(), Qt::PointingHandCursor);
  }

  void LinkLabelOpensItsUrlOrReportsItMissing() {
    SetupOnce();
    MessageRecorder messages;
    UrlCatcher catcher;
    QDesktopServices::setUrlHandler(QStringLiteral("https"), &catcher, "open");
    TUrlLabel label(QStringLiteral("www.zantrel.example"));
    int ordinaryClicks = 0;
    QObject::connect(&label, &TPBLabel::clicked, [&] { ++ordinaryClicks; });
    label.resize(120, 20);

    label.SetURL(QStringLiteral("  https://www.zantrel.example "));
    QTest::mouseClick(&label, Qt::LeftButton);
    QCOMPARE(ordinaryClicks, 1);
    QCOMPARE(catcher.urls, (QList<QUrl>{QUrl(QStringLiteral("https://www.zantrel.example"))}));
    QVERIFY(messages.messages.empty());

    label.SetURL(QStringLiteral("   "));
    QTest::mouseClick(&label, Qt::LeftButton);
    QCOMPARE(ordinaryClicks, 2);
    QCOMPARE(catcher.urls.size(), 1);
    QCOMPARE(messages.messages.size(), 1u);
    QCOMPARE(messages.messages[0].text, QStringLiteral("Error: Property URL not Specified"));
    QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
  }

  void FullWebLinks() {
    QCOMPARE(FullWebLink(QStringLiteral("www.a.example")), QStringLiteral("https://www.a.example"));
    QCOMPARE(FullWebLink(QStringLiteral("http://a.example")), QStringLiteral("http://a.example"));
    QCOMPARE(FullWebLink(QStringLiteral("  ")), QString());
  }
};

QTEST_MAIN(DialogsTest)
#include "dialogs_test.moc"
