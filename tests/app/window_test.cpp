// The main window's desktop habits: shortcuts, the keyboard on the language screen, the
// menus on the service screens, the title, Qt's own texts in the chosen language and the zoom.
#include <QGraphicsView>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTest>

#include "app/alpha_code_box.h"
#include "app/dc_page.h"
#include "app/device_list_panel.h"
#include "app/dialogs.h"
#include "app/list_pages.h"
#include "app/program.h"
#include "app/service_pages.h"
#include "app_fixture.h"

using namespace setrix;
using namespace setrix::app;
using namespace setrix::app::test;

class WindowTest : public QObject {
  Q_OBJECT

 private slots:
  void StandardShortcuts_data() {
    QTest::addColumn<QString>("action");
    QTest::addColumn<QKeySequence>("keys");
    QTest::newRow("save") << "MenuSpeichern" << QKeySequence(Qt::CTRL | Qt::Key_S);
    QTest::newRow("print") << "MenuItemDrucken" << QKeySequence(Qt::CTRL | Qt::Key_P);
    QTest::newRow("exit") << "MenuItemBeenden" << QKeySequence(Qt::CTRL | Qt::Key_Q);
    QTest::newRow("contents") << "MenuItemInhalt" << QKeySequence(Qt::Key_F1);
    QTest::newRow("zoom in") << "MenuZoomIn" << QKeySequence(Qt::CTRL | Qt::Key_Plus);
    QTest::newRow("zoom out") << "MenuZoomOut" << QKeySequence(Qt::CTRL | Qt::Key_Minus);
    QTest::newRow("zoom reset") << "MenuZoomReset" << QKeySequence(Qt::CTRL | Qt::Key_0);
  }
  void StandardShortcuts() {
    QFETCH(QString, action);
    QFETCH(QKeySequence, keys);
    MemorySettingsStore store;
    SeedRegularRun(store, 0);
    auto w = MakeWindow(store);
    auto* a = w->findChild<QAction*>(action);
    QVERIFY(a != nullptr);
    QCOMPARE(a->shortcut(), keys);
    // Every language keeps the keys.
    w->MenuItemSpracheClick(3);
    QCOMPARE(a->shortcut(), keys);
  }

  void CtrlQClosesAndStores() {
    MemorySettingsStore store;
    SeedRegularRun(store, 1);
    auto w = MakeWindow(store);
    w->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w.get()));
    QTest::keyClick(w.get(), Qt::Key_Q, Qt::ControlModifier);
    QVERIFY(!w->isVisible());
    QVERIFY(store.KeyAt(kKeyDC).count("InMin") == 1);
  }

  void TheLanguageScreenWorksByKeyboard() {
    MemorySettingsStore store;
    auto w = MakeWindow(store);
    QCOMPARE(w->ActivePage(), w->TS_Language());
    for (ClickLabel* l : w->languageLabels) QVERIFY(l->focusPolicy() & Qt::TabFocus);
    // Tab goes from one language to the next.
    for (std::size_t i = 0; i + 1 < 4; ++i) {
      QWidget* next = w->languageLabels[i]->nextInFocusChain();
      while (next != nullptr && !(next->focusPolicy() & Qt::TabFocus)) next = next->nextInFocusChain();
      QCOMPARE(next, static_cast<QWidget*>(w->languageLabels[i + 1]));
    }
    // The focused language looks as under the mouse; Enter chooses it.
    w->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w.get()));
    w->languageLabels[3]->setFocus();
    QCOMPARE(w->languageLabels[3]->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    QTest::keyClick(w->languageLabels[3], Qt::Key_Return);
    QCOMPARE(w->Language(), 3);
    QCOMPARE(w->ActivePage(), w->TS_Bausteinauswahl());
  }

  void TheProductMenuStaysEnabledOnceAProductWasChosen() {
    MemorySettingsStore store;
    SeedRegularRun(store, 1);
    auto w = MakeWindow(store, {"setrix", "Wartungstor"});
    QVERIFY(!MenuEnabled(w->MenuProdukt));
    w->ProduktClick(2);
    QVERIFY(MenuEnabled(w->MenuProdukt));
    w->MenuHauptanzeigeClick(0);
    w->BitBtnClick(22);
    QVERIFY(MenuEnabled(w->MenuProdukt));
  }

  void SaveAndPrintAreDisabledOnTheServiceScreens() {
    MemorySettingsStore store;
    SeedRegularRun(store, 1);
    auto w = MakeWindow(store, {"setrix", "Wartungstor"});
    w->ProduktClick(0);
    w->TS_DC()->EditChange(DcEdit::EditEMin, "0");
    w->TS_DC()->EditChange(DcEdit::EditEMax, "10");
    w->TS_DC()->EditChange(DcEdit::EditAMin, "0");
    w->TS_DC()->EditChange(DcEdit::EditAMax, "10");
    w->TS_DC()->RadioBtnClick(DcUnitButton::RBtnEV);
    w->TS_DC()->RadioBtnClick(DcUnitButton::RBtnAV);
    w->TS_DC()->BitBtnWeiterClick();
    QVERIFY(w->MenuSpeichern->isEnabled());
    for (int tag : {0, 1, 2, 3}) {
      w->MenuHauptanzeigeClick(tag);
      QVERIFY2(!w->MenuSpeichern->isEnabled() && !w->MenuItemDrucken->isEnabled(),
               qPrintable(QString::number(tag)));
    }
    // Back on the DC screen, its result is documentable again.
    w->ProduktClick(0);
    QVERIFY(w->MenuSpeichern->isEnabled() && w->MenuItemDrucken->isEnabled());
  }

  void TheTitleNamesTheModuleShown() {
    MemorySettingsStore store;
    SeedRegularRun(store, 1);
    auto w = MakeWindow(store);
    QCOMPARE(w->windowTitle(), QStringLiteral("SETRIX"));
    const std::pair<int, const char*> cases[] = {{0, "SETRIX - ZOR DC"},
                                                 {1, "SETRIX - ZOR RTD"},
                                                 {2, "SETRIX - ZOR THERMO"},
                                                 {3, "SETRIX - ZOR FREQUENCY"}};
    for (auto [tag, title] : cases) {
      w->ProduktClick(tag);
      QCOMPARE(w->windowTitle(), QString::fromLatin1(title));
    }
    w->MenuHauptanzeigeClick(1);
    QCOMPARE(w->windowTitle(), QStringLiteral("SETRIX"));
  }

  // Qt's own dialogs speak the chosen language and switch with it.
  void QtTextsFollowTheLanguage() {
    MemorySettingsStore store;
    SeedRegularRun(store, 0);
    auto w = MakeWindow(store);
    auto cancel = [] { return QCoreApplication::translate("QPlatformTheme", "Cancel"); };
    QCOMPARE(cancel(), QStringLiteral("Abbrechen"));
    w->MenuItemSpracheClick(1);
    QCOMPARE(cancel(), QStringLiteral("Cancel"));
    w->MenuItemSpracheClick(2);
    QCOMPARE(cancel(), QStringLiteral("Annulla"));
    w->MenuItemSpracheClick(3);
    QCOMPARE(cancel(), QStringLiteral("Cancelar"));
  }

  void ZoomScalesTheWholeWindowAndIsKept() {
    MemorySettingsStore store;
    SeedRegularRun(store, 1);
    std::array<int, 4> widths{}, heights{};
    {
      auto w = MakeWindow(store);
      QCOMPARE(w->Zoom(), 100);
      QCOMPARE(w->ZoomView()->size(), QSize(751, 518));
      QVERIFY(!w->MenuZoomOut->isEnabled());
      const int menuHeight = w->height() - 518;
      for (std::size_t i = 0; i < 4; ++i) {
        if (i > 0) w->MenuZoomIn->trigger();
        QTest::qWait(10);  // laid out and painted at each zoom, as a user sees it
        QCOMPARE(w->Zoom(), TForm1::kZoomLevels[i]);
        widths[i] = w->width();
        heights[i] = w->height();
        QCOMPARE(w->ZoomView()->width(), 751 * TForm1::kZoomLevels[i] / 100);
        QCOMPARE(w->ZoomView()->height(), 518 * TForm1::kZoomLevels[i] / 100);
        QVERIFY(w->height() > w->ZoomView()->height());
        QCOMPARE(w->ZoomView()->transform().m11(), TForm1::kZoomLevels[i] / 100.0);
      }
      QVERIFY(!w->MenuZoomIn->isEnabled());
      QVERIFY(w->zoomItems[3]->isChecked());
      w->MenuZoomIn->trigger();  // the largest stays
      QCOMPARE(w->Zoom(), 200);
      QTest::qWait(10);
      w->MenuZoomOut->trigger();
      QCOMPARE(w->Zoom(), 150);
      QCOMPARE(w->height(), heights[2]);  // the status line's height follows the zoom at once
      QVERIFY(menuHeight > 0);
      w->close();
    }
    QCOMPARE(std::get<std::int32_t>(store.KeyAt(kKeyDC)["Zoom"]), 150);
    auto again = MakeWindow(store);
    QCOMPARE(again->Zoom(), 150);
    QCOMPARE(again->width(), widths[2]);
    again->MenuZoomReset->trigger();
    QCOMPARE(again->Zoom(), 100);
    QCOMPARE(again->width(), widths[0]);
    QCOMPARE(again->height(), heights[0]);
  }

  // The zoom keys work while the typing goes into an entry of a screen.
  void ZoomKeysWorkFromAnEntry() {
    MemorySettingsStore store;
    SeedRegularRun(store, 1);
    auto w = MakeWindow(store);
    w->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w.get()));
    w->ProduktClick(0);
    w->TS_DC()->edits[0]->setFocus();
    QTest::keyClick(w->TS_DC()->edits[0], Qt::Key_Plus, Qt::ControlModifier);
    QCOMPARE(w->Zoom(), 125);
    QTest::keyClick(w->TS_DC()->edits[0], Qt::Key_0, Qt::ControlModifier);
    QCOMPARE(w->Zoom(), 100);
    QCOMPARE(w->TS_DC()->edits[0]->text(), QString());
  }

  // A regular start makes the product screen only. A screen made later looks as it
  // would had it been made at the start and lived through the same language changes and
  // zoom: captions, title line, pictures and the restored model.
  void ScreensMadeLaterLookAsIfMadeAtTheStart() {
    MemorySettingsStore store;
    SeedRegularRun(store, 1);
    store.KeyAt(kKeyThermo)["Input"] = 2;
    auto early = MakeWindow(store);
    QCOMPARE(early->PageControl->count(), 1);
    QVERIFY(early->findChild<DcPage*>() == nullptr);
    QVERIFY(early->findChild<ThermoPage*>() == nullptr);
    QVERIFY(early->findChild<ResultsPage*>() == nullptr);
    QVERIFY(early->findChild<TInhaltBox*>() == nullptr);
    QVERIFY(early->findChild<TAboutBox*>() == nullptr);
    QVERIFY(early->findChild<TAlphaCodeBox*>() == nullptr);
    QVERIFY(early->findChild<DeviceListPanel*>() == nullptr);
    ThermoPage* made = early->TS_Thermo();
    QCOMPARE(early->TS_Thermo(), made);  // made once
    early->ProduktClick(2);              // the thermocouple converter
    QCOMPARE(early->ActivePage(), made);
    early->MenuItemSpracheClick(3);
    early->SetZoom(150);

    auto late = MakeWindow(store);
    late->MenuItemSpracheClick(3);
    late->SetZoom(150);
    late->ProduktClick(2);
    ThermoPage* later = late->TS_Thermo();
    QCOMPARE(late->ActivePage(), later);
    for (std::size_t i = 0; i < made->captions.size(); ++i)
      QCOMPARE(later->captions[i]->text(), made->captions[i]->text());
    for (auto part : {&TitleLine::subtitle, &TitleLine::family, &TitleLine::series, &TitleLine::model}) {
      QCOMPARE((later->title.*part)->text(), (made->title.*part)->text());
      QCOMPARE((later->title.*part)->geometry(), (made->title.*part)->geometry());
    }
    QCOMPARE(later->combos[0]->currentText(), made->combos[0]->currentText());
    QCOMPARE(later->background->pixmap().devicePixelRatio(), 1.5 * late->devicePixelRatioF());
    QCOMPARE(made->background->pixmap().devicePixelRatio(), 1.5 * early->devicePixelRatioF());
    QCOMPARE(later->grab().toImage(), made->grab().toImage());
  }

  // A first start makes the language screen only; the product screen made when a language
  // is chosen looks as the one of a regular start in that language.
  void TheProductScreenMadeAfterTheLanguageChoiceLooksAsAtARegularStart() {
    MemorySettingsStore fresh;
    auto first = MakeWindow(fresh);
    QCOMPARE(first->PageControl->count(), 1);
    QCOMPARE(first->ActivePage(), first->TS_Language());
    first->BitBtnClick(21);  // English
    QCOMPARE(first->PageControl->count(), 2);

    MemorySettingsStore store;
    SeedRegularRun(store, 1);
    auto regular = MakeWindow(store);
    QCOMPARE(first->ActivePage(), first->TS_Bausteinauswahl());
    QCOMPARE(first->TS_Bausteinauswahl()->objectName(), QStringLiteral("TS_Bausteinauswahl"));
    QCOMPARE(first->TS_Bausteinauswahl()->grab().toImage(), regular->TS_Bausteinauswahl()->grab().toImage());
  }

  // The window carries its icon from the program itself, in the sizes drawn at build time.
  void TheWindowIconComesWithTheProgram() {
#ifdef SETRIX_WINDOW_ICON_SIZES
    const QIcon icon = WindowIcon();
    for (int size : {SETRIX_WINDOW_ICON_SIZES}) QVERIFY(icon.availableSizes().contains(QSize(size, size)));
    QCOMPARE(icon.pixmap(QSize(48, 48)).toImage().pixelColor(24, 24).alpha(), 255);
#else
    QSKIP("built without the bitmap icons");
#endif
  }

  void AStoredZoomThatIsNoLevelGivesTheNormalSize() {
    for (int stored : {0, 130, -100, 1000}) {
      MemorySettingsStore store;
      SeedRegularRun(store, 1);
      store.KeyAt(kKeyDC)["Zoom"] = stored;
      auto w = MakeWindow(store);
      QCOMPARE(w->Zoom(), 100);
    }
  }

  // At 200 % the pictures and the banks are drawn from their own detail: a picture has as
  // many distinct pixels as the zoomed window shows, and a lever edge stays hard.
  void PicturesStaySharpWhenZoomed() {
    MemorySettingsStore store;
    SeedRegularRun(store, 1);
    auto w = MakeWindow(store);
    w->ProduktClick(0);
    // Drawn for the window as it is (no larger than it shows them), and anew for the zoom.
    const QPixmap board = w->TS_DC()->ImagePCB_DC->pixmap();
    QCOMPARE(board.deviceIndependentSize().toSize(), QSize(447, 210));
    QCOMPARE(board.devicePixelRatio(), w->devicePixelRatioF());
    w->SetZoom(200);
    const QPixmap zoomed = w->TS_DC()->ImagePCB_DC->pixmap();
    QCOMPARE(zoomed.deviceIndependentSize().toSize(), QSize(447, 210));
    QCOMPARE(zoomed.devicePixelRatio(), 2.0 * w->devicePixelRatioF());
    QCOMPARE(w->TS_DC()->background->pixmap().devicePixelRatio(), 2.0 * w->devicePixelRatioF());
    const QImage shot = w->ZoomView()->grab().toImage();
    QCOMPARE(shot.size(), QSize(1502, 1036));
    // The banks: every pixel of the zoomed bank is a colour of the bank's own drawing.
    TDIPSwitch* bank = w->TS_DC()->SW2_DC;
    const QPoint at = bank->mapTo(w->TS_DC(), QPoint(0, 0)) * 2;
    QSet<QRgb> own;
    const QImage small = bank->grab().toImage();
    for (int y = 0; y < small.height(); ++y)
      for (int x = 0; x < small.width(); ++x) own.insert(small.pixel(x, y) | 0xff000000u);
    // Every pixel of the zoomed bank is a colour of its own drawing, or of the board that
    // shows around the levers; an enlargement of the pixels with smoothing would mix the
    // lever colours into many shades of grey.
    QSet<QRgb> foreign;
    for (int y = 0; y < bank->height() * 2; ++y)
      for (int x = 0; x < bank->width() * 2; ++x) {
        const QRgb c = shot.pixel(at.x() + x, at.y() + y) | 0xff000000u;
        const bool boardGreen = qGreen(c) > qRed(c) + 40 && qGreen(c) > qBlue(c) + 20;
        if (!own.contains(c) && !boardGreen) foreign.insert(c);
      }
    if (!foreign.isEmpty())
      shot.copy(QRect(at, bank->size() * 2)).save(QStringLiteral("/tmp/setrix_zoomed_bank.png"));
    QCOMPARE(foreign.size(), 0);
  }

  void ASettingsProblemIsShownInTheStatusLine() {
    struct BrokenStore : MemorySettingsStore {
      std::string Problem() const override { return "broken"; }
      std::string KeptCopy() const override { return "/tmp/x.ini.broken"; }
    } store;
    SeedRegularRun(store, 1);
    auto w = MakeWindow(store);
    QVERIFY(w->statusBar()->currentMessage().contains(QStringLiteral("/tmp/x.ini.broken")));
    MemorySettingsStore good;
    SeedRegularRun(good, 1);
    auto w2 = MakeWindow(good);
    QCOMPARE(w2->statusBar()->currentMessage(), QString());
  }
};

QTEST_MAIN(WindowTest)
#include "window_test.moc"
