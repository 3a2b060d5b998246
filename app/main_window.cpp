#include "app/main_window.h"

#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QGraphicsProxyWidget>
#include <QGraphicsScene>
#include <QGraphicsView>
#include <QGuiApplication>
#include <QLibraryInfo>
#include <QMenuBar>
#include <QPrinter>
#include <QScreen>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTranslator>
#include <QWindow>
#include <algorithm>

#include "app/alpha_code_box.h"
#include "app/configuration_dialogs.h"
#include "app/dc_page.h"
#include "app/dialogs.h"
#include "app/documentation_dialogs.h"
#include "app/frq_page.h"
#include "app/list_pages.h"
#include "app/models.h"
#include "app/pictures.h"
#include "app/read_mode.h"
#include "app/service_pages.h"
#include "app/style.h"
#include "app/window_texts.h"
#include "devices/module_screen.h"
#include "modules/settings_schema.h"
#include "sheets/pdf_layout.h"
#include "texts/texts.h"

namespace setrix::app {

using texts::Tx;

namespace {

QString T(const texts::PerLanguage& e) { return DisplayText(Tx(e)); }

// Product tags: 0 DC, 1 RTD, 2 thermocouple, 3 frequency. Rows top to bottom: DC,
// thermocouple, RTD, frequency.
constexpr std::array<int, 4> kRowTag = {0, 2, 1, 3};
int RowOfTag(int tag) {
  for (int row = 0; row < 4; ++row)
    if (kRowTag[static_cast<std::size_t>(row)] == tag) return row;
  return -1;
}

void SetLabelStyle(QLabel* label, const QColor& color, bool bold, bool underline) {
  QFont f = label->font();
  f.setBold(bold);
  f.setUnderline(underline);
  label->setFont(f);
  SetTextColor(label, color);
  label->adjustSize();
}

PictureLabel* BackgroundPicture(QWidget* page, const char* name) {
  auto* img = new PictureLabel(page);
  img->setObjectName(QString::fromLatin1(name));
  img->setGeometry(QRect(QPoint(0, 0), pictures::kScreenSize));
  pictures::Show(*img, pictures::Background);
  return img;
}

}  // namespace

// --- title line ---------------------------------------------------------------------------

TitleLine MakeTitleLine(QWidget* page, const char* subtitleName, const QString& modelWord) {
  TitleLine t;
  const QByteArray base(subtitleName);
  t.subtitle = WhiteLabel(page, subtitleName, QString(), 16);
  t.family = WhiteLabel(page, (base + "Family").constData(), QStringLiteral("VORNEX"), 24, true);
  t.series = WhiteLabel(page, (base + "Series").constData(), QStringLiteral("TELIQ"), 12, true);
  t.model = WhiteLabel(page, (base + "Model").constData(), modelWord, 24, true);
  t.subtitle->move(16, 0);
  t.Arrange();
  return t;
}

void TitleLine::Arrange() {
  // The name follows the subtitle on one line, all on a common baseline in the title band.
  constexpr int kBaseline = 33;
  auto place = [](QLabel* l, int left) {
    l->adjustSize();
    l->move(left, kBaseline - l->fontMetrics().ascent());
  };
  place(subtitle, subtitle->x());
  place(family, subtitle->x() + subtitle->width() + 5);
  place(series, family->x() + family->width() + 1);
  place(model, series->x() + series->width() + 5);
}

// --- construction -------------------------------------------------------------------------

TForm1::TForm1(SettingsStore& store, const QStringList& arguments, QWidget* parent)
    : QMainWindow(parent), store_(store), models_(std::make_unique<Models>()) {
  setObjectName(QStringLiteral("Form1"));
  setWindowTitle(QStringLiteral("SETRIX"));
  // Fixed border: system menu and minimise only.
  setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                 Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
  QPalette pal = palette();
  pal.setColor(QPalette::Window, kSilver);
  setPalette(pal);

  // The page control lives in a view that scales it as a whole (View / Zoom): texts and
  // drawn pictures are painted at the zoomed size, not enlarged from pixels.
  PageControl = new QStackedWidget();
  PageControl->setObjectName(QStringLiteral("PageControl"));
  PageControl->setFixedSize(pictures::kScreenSize);
  auto* scene = new QGraphicsScene(this);
  zoomView_ = new QGraphicsView(scene, this);
  zoomView_->setObjectName(QStringLiteral("ZoomView"));
  zoomView_->setFrameShape(QFrame::NoFrame);
  zoomView_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  zoomView_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  zoomView_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  zoomView_->setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform);
  zoomView_->setFixedSize(pictures::kScreenSize);
  QGraphicsProxyWidget* proxy = scene->addWidget(PageControl);
  proxy->setPos(0, 0);
  scene->setSceneRect(QRectF(QPointF(0, 0), QSizeF(pictures::kScreenSize)));
  setCentralWidget(zoomView_);
  statusBar()->setObjectName(QStringLiteral("StatusBar"));
  statusBar()->setSizeGripEnabled(false);

  screens_ = std::make_unique<devices::ModuleScreens>(*models_);
  moduleRows_ = {
      ModuleRow{nullptr, screens_->Of(ModuleKind::DC), [this] { return new DcPage(models_->dc, this); }},
      ModuleRow{nullptr, screens_->Of(ModuleKind::Thermo),
                [this] { return new ThermoPage(models_->thermo, this); }},
      ModuleRow{nullptr, screens_->Of(ModuleKind::RTD), [this] { return new RtdPage(models_->rtd, this); }},
      ModuleRow{nullptr, screens_->Of(ModuleKind::FRQ), [this] { return new FrqPage(models_->frq, this); }}};
  connect(PageControl, &QStackedWidget::currentChanged, this, &TForm1::PageChanged);

  CreateMenus();
  ReadDevice = new DeviceReadMode(*this);
  CreateConfigurationMenus();

  platformDialogs_ = std::make_unique<PlatformDialogs>();
  dialogs_ = platformDialogs_.get();

  FormCreate(arguments);
  FitWindow();
}

void TForm1::FitWindow() {
  // Client area 751 x 518 (at 100 %) between the menu bar and the status line; the window
  // cannot be resized.
  const QSize client(pictures::kScreenSize.width() * zoom_ / 100, pictures::kScreenSize.height() * zoom_ / 100);
  zoomView_->setFixedSize(client);
  // The status line takes its height from its font only when it handles a layout request,
  // which a font change merely posts: handle it now, or the window keeps the height of the
  // zoom before.
  QEvent request(QEvent::LayoutRequest);
  QCoreApplication::sendEvent(statusBar(), &request);
  setFixedSize(client.width(),
               client.height() + menuBar()->sizeHint().height() + statusBar()->sizeHint().height());
}

void TForm1::SetZoom(int percent) {
  if (std::find(kZoomLevels.begin(), kZoomLevels.end(), percent) == kZoomLevels.end()) percent = 100;
  zoom_ = percent;
  const qreal f = percent / 100.0;
  zoomView_->setTransform(QTransform::fromScale(f, f));
  pictures::SetWindowResolution(f * devicePixelRatioF());
  // The menu bar and the status line grow with the screens.
  QFont font = QApplication::font();
  if (font.pixelSize() > 0)
    font.setPixelSize(std::max(1, font.pixelSize() * percent / 100));
  else
    font.setPointSizeF(font.pointSizeF() * f);
  menuBar()->setFont(font);
  statusBar()->setFont(font);
  for (std::size_t i = 0; i < zoomItems.size(); ++i) zoomItems[i]->setChecked(kZoomLevels[i] == percent);
  MenuZoomIn->setEnabled(percent != kZoomLevels.back());
  MenuZoomOut->setEnabled(percent != kZoomLevels.front());
  FitWindow();
}

void TForm1::ZoomIn() {
  for (int level : kZoomLevels)
    if (level > zoom_) return SetZoom(level);
}

void TForm1::ZoomOut() {
  for (auto it = kZoomLevels.rbegin(); it != kZoomLevels.rend(); ++it)
    if (*it < zoom_) return SetZoom(*it);
}

TForm1::~TForm1() = default;

void TForm1::CreateMenus() {
  QMenuBar* bar = menuBar();
  auto item = [this](QMenu* menu, const char* name, const QString& caption, int tag) {
    QAction* a = menu->addAction(caption);
    a->setObjectName(QString::fromLatin1(name));
    a->setData(tag);
    return a;
  };

  MenuItemDatei = bar->addMenu(QStringLiteral("&Datei"));
  MenuItemDatei->setObjectName(QStringLiteral("MenuItemDatei"));
  MenuSpeichern = item(MenuItemDatei, "MenuSpeichern", QStringLiteral("&Speichern..."), 0);
  MenuItemDrucken = item(MenuItemDatei, "MenuItemDrucken", QStringLiteral("&Drucken..."), 0);
  MenuItemDatei->addSeparator();
  MenuItemBeenden = item(MenuItemDatei, "MenuItemBeenden", QStringLiteral("&Beenden"), 0);
  MenuSpeichern->setEnabled(false);
  MenuItemDrucken->setEnabled(false);
  MenuSpeichern->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
  MenuItemDrucken->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
  MenuItemBeenden->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
  connect(MenuItemBeenden, &QAction::triggered, this, &QWidget::close);
  connect(MenuSpeichern, &QAction::triggered, this, &TForm1::MenuSpeichernClick);
  connect(MenuItemDrucken, &QAction::triggered, this, &TForm1::MenuItemDruckenClick);

  MenuItemSprache = bar->addMenu(QStringLiteral("&Sprache"));
  MenuItemSprache->setObjectName(QStringLiteral("MenuItemSprache"));
  const char* languageNames[4] = {"MenuItemDeutsch", "MenuItemEnglish", "MenuItemItaliano", "MenuItemEspanol"};
  const QString languageCaptions[4] = {QStringLiteral("&Deutsch"), QStringLiteral("&English"),
                                       QStringLiteral("&Italiano"), QString::fromUtf8("E&spañol")};
  for (int i = 0; i < 4; ++i) {
    QAction* a = item(MenuItemSprache, languageNames[i], languageCaptions[i], i);
    a->setCheckable(true);
    connect(a, &QAction::triggered, this, [this, i] { MenuItemSpracheClick(i); });
    languageItems[static_cast<std::size_t>(i)] = a;
  }

  MenuProdukt = bar->addMenu(QStringLiteral("&Produkt"));
  MenuProdukt->setObjectName(QStringLiteral("MenuProdukt"));
  auto* productGroup = new QActionGroup(this);
  productGroup->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
  const char* productNames[4] = {"MenuProduktDC", "MenuProduktRTD", "MenuProduktThermo", "MenuProduktFRQ"};
  const QString productCaptions[4] = {
      QStringLiteral("VORNEXTELIQ ZOR &DC..."), QStringLiteral("VORNEXTELIQ ZOR &RTD..."),
      QStringLiteral("VORNEXTELIQ ZOR &THERMO..."), QStringLiteral("VORNEXTELIQ ZOR &FREQUENCY")};
  for (int i = 0; i < 4; ++i) {
    QAction* a = item(MenuProdukt, productNames[i], productCaptions[i], i);
    a->setCheckable(true);
    productGroup->addAction(a);
    connect(a, &QAction::triggered, this, [this, i] { ProduktClick(i); });
    productItems[static_cast<std::size_t>(i)] = a;
  }
  MenuProdukt->menuAction()->setEnabled(false);

  MenuView = bar->addMenu(QStringLiteral("&Ansicht"));
  MenuView->setObjectName(QStringLiteral("MenuView"));
  MenuZoomIn = item(MenuView, "MenuZoomIn", QString(), 0);
  MenuZoomOut = item(MenuView, "MenuZoomOut", QString(), 0);
  MenuZoomReset = item(MenuView, "MenuZoomReset", QString(), 0);
  // Ctrl++ also as Ctrl+= (the same key without Shift on many keyboards).
  MenuZoomIn->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal)});
  MenuZoomOut->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Minus));
  MenuZoomReset->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_0));
  connect(MenuZoomIn, &QAction::triggered, this, &TForm1::ZoomIn);
  connect(MenuZoomOut, &QAction::triggered, this, &TForm1::ZoomOut);
  connect(MenuZoomReset, &QAction::triggered, this, [this] { SetZoom(100); });
  MenuView->addSeparator();
  auto* zoomGroup = new QActionGroup(this);
  for (std::size_t i = 0; i < kZoomLevels.size(); ++i) {
    const int level = kZoomLevels[i];
    QAction* a = item(MenuView, "MenuZoomLevel", QStringLiteral("%1 %").arg(level), level);
    a->setObjectName(QStringLiteral("MenuZoom%1").arg(level));
    a->setCheckable(true);
    a->setChecked(level == 100);
    zoomGroup->addAction(a);
    connect(a, &QAction::triggered, this, [this, level] { SetZoom(level); });
    zoomItems[i] = a;
  }

  MenuItemHilfe = bar->addMenu(QStringLiteral("&Hilfe"));
  MenuItemHilfe->setObjectName(QStringLiteral("MenuItemHilfe"));
  MenuItemInhalt = item(MenuItemHilfe, "MenuItemInhalt", QStringLiteral("&Inhalt..."), 0);
  MenuItemInfo = item(MenuItemHilfe, "MenuItemInfo", QStringLiteral("Inf&o..."), 0);
  MenuItemInhalt->setShortcut(QKeySequence(Qt::Key_F1));
  connect(MenuItemInhalt, &QAction::triggered, this, &TForm1::MenuItemInhaltClick);
  connect(MenuItemInfo, &QAction::triggered, this, &TForm1::MenuItemInfoClick);

  MenuItemService = bar->addMenu(QStringLiteral("Super&User"));
  MenuItemService->setObjectName(QStringLiteral("MenuItemService"));
  auto* serviceGroup = new QActionGroup(this);
  serviceGroup->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
  const char* serviceNames[4] = {"MenuHauptanzeigeSprache", "MenuHauptanzeigeProdukt",
                                 "MenuHauptanzeigeErgebnisse", "MenuHauptanzeigeAuswertung"};
  for (int i = 0; i < 4; ++i) {
    QAction* a = item(MenuItemService, serviceNames[i], QString(), i);
    a->setCheckable(true);
    serviceGroup->addAction(a);
    connect(a, &QAction::triggered, this, [this, i] { MenuHauptanzeigeClick(i); });
    serviceItems[static_cast<std::size_t>(i)] = a;
  }
  serviceItems[1]->setChecked(true);
  MenuItemService->menuAction()->setVisible(false);
}

QWidget* TForm1::TS_Language() {
  if (languagePage_ == nullptr) {
    CreateLanguagePage();
    PageControl->addWidget(languagePage_);
    ShowLanguageSubtitles();
  }
  return languagePage_;
}

void TForm1::CreateLanguagePage() {
  QWidget* const page = languagePage_ = new QWidget(this);
  page->setObjectName(QStringLiteral("TS_Language"));
  Img_Language = BackgroundPicture(page, "Img_Language");
  connect(Img_Language, &PictureLabel::mouseMoved, this, &TForm1::Img_BausteinauswahlMouseMove);

  Label2Vari = WhiteLabel(page, "Label2Vari", QString(), 16);
  Label2Vari->move(16, 33 - Label2Vari->fontMetrics().ascent());

  // German upper left, English upper right, Italian lower left, Spanish lower right.
  const char* subtitleNames[4] = {"LabelD", "LabelE", "LabelI", "LabelS"};
  const char* labelNames[4] = {"LabelDeutsch", "LabelEnglish", "LabelItaliano", "LabelEspanol"};
  const QString names[4] = {QStringLiteral("Deutsch"), QStringLiteral("English"), QStringLiteral("Italiano"),
                            QString::fromUtf8("Español")};
  const QPoint origins[4] = {{16, 66}, {384, 66}, {16, 290}, {384, 290}};
  for (int i = 0; i < 4; ++i) {
    const QPoint o = origins[i];
    auto* glass = new QFrame(page);
    glass->setObjectName(QStringLiteral("GroupLanguage%1").arg(i));
    glass->setGeometry(QRect(o, QSize(351, 212)));
    MakeGlass(glass);

    QLabel* sub = WhiteLabel(page, subtitleNames[i], QString(), 16);
    sub->move(o + QPoint(22, 20));
    languageSubtitles[static_cast<std::size_t>(i)] = sub;

    QLabel* family = WhiteLabel(page, "", QStringLiteral("VORNEX"), 30, true);
    QLabel* series = WhiteLabel(page, "", QStringLiteral("TELIQ"), 15, true);
    QLabel* model = WhiteLabel(page, "", QStringLiteral("ZOR"), 30, true);
    const int baseline = o.y() + 100;
    family->move(o.x() + 22, baseline - family->fontMetrics().ascent());
    series->move(family->x() + family->width() + 1, baseline - series->fontMetrics().ascent());
    model->move(series->x() + series->width() + 6, baseline - model->fontMetrics().ascent());
    for (QLabel* l : {family, series, model}) l->setAttribute(Qt::WA_TransparentForMouseEvents);

    auto* lang = new ClickLabel(names[i], 20 + i, page);
    lang->setObjectName(QString::fromLatin1(labelNames[i]));
    lang->setFont(ArialFont(24, false, true));
    SetTextColor(lang, kWhite);
    lang->adjustSize();
    lang->move(o.x() + 22, o.y() + 140);
    lang->setFocusPolicy(Qt::StrongFocus);  // Tab reaches it, Enter chooses it
    connect(lang, &ClickLabel::clicked, this, &TForm1::BitBtnClick);
    connect(lang, &ClickLabel::mouseMoved, this, &TForm1::LabelMouseMove);
    languageLabels[static_cast<std::size_t>(i)] = lang;
  }
  Label2Vari->raise();
}

QWidget* TForm1::TS_Bausteinauswahl() {
  if (productPage_ == nullptr) {
    CreateProductPage();
    PageControl->addWidget(productPage_);
    ShowProductSubtitles();
  }
  return productPage_;
}

void TForm1::CreateProductPage() {
  QWidget* const page = productPage_ = new QWidget(this);
  page->setObjectName(QStringLiteral("TS_Bausteinauswahl"));
  Img_Bausteinauswahl = BackgroundPicture(page, "Img_Bausteinauswahl");
  connect(Img_Bausteinauswahl, &PictureLabel::mouseMoved, this, &TForm1::Img_BausteinauswahlMouseMove);

  Label1ProduktAuswahl = WhiteLabel(page, "Label1ProduktAuswahl", QString(), 16);
  Label1ProduktAuswahl->move(16, 33 - Label1ProduktAuswahl->fontMetrics().ascent());
  Label2ProduktAuswahl = WhiteLabel(page, "Label2ProduktAuswahl", QString(), 20, true, true);
  Label2ProduktAuswahl->move(40, 70);

  const QString models[4] = {QStringLiteral("ZOR DC"), QStringLiteral("ZOR THERMO"), QStringLiteral("ZOR RTD"),
                             QStringLiteral("ZOR FREQUENCY")};
  const char* rowNames[4] = {"DC", "Thermo", "RTD", "FRQ"};
  for (int row = 0; row < 4; ++row) {
    const int tag = kRowTag[static_cast<std::size_t>(row)];
    const int top = 112 + row * 98;
    auto* glass = new QFrame(page);
    glass->setObjectName(QStringLiteral("RowGlass%1").arg(row));
    glass->setGeometry(40, top, 671, 80);
    MakeGlass(glass);

    auto* family = new ClickLabel(QStringLiteral("VORNEX"), tag, page);
    auto* series = new ClickLabel(QStringLiteral("TELIQ"), tag, page);
    auto* model = new ClickLabel(models[row], tag, page);
    family->setObjectName(QStringLiteral("LabelVornex%1").arg(QLatin1String(rowNames[row])));
    series->setObjectName(QStringLiteral("LabelTeliq%1").arg(QLatin1String(rowNames[row])));
    model->setObjectName(QStringLiteral("LabelZor%1").arg(QLatin1String(rowNames[row])));
    family->setFont(ArialFont(36, false, true));
    series->setFont(ArialFont(17));
    model->setFont(ArialFont(36));
    // Places measured in bold so that the hover look does not make the words overlap.
    const int baseline = top + 54;
    QFont bold36 = ArialFont(36, true);
    QFont bold17 = ArialFont(17, true);
    const int familyLeft = 80;
    const int seriesLeft = familyLeft + QFontMetrics(bold36).horizontalAdvance(family->text()) + 3;
    const int modelLeft = seriesLeft + QFontMetrics(bold17).horizontalAdvance(series->text()) + 10;
    std::array<ClickLabel*, 3> labels = {family, series, model};
    const int lefts[3] = {familyLeft, seriesLeft, modelLeft};
    for (int i = 0; i < 3; ++i) {
      ClickLabel* l = labels[static_cast<std::size_t>(i)];
      SetTextColor(l, kWhite);
      l->adjustSize();
      l->move(lefts[i], baseline - l->fontMetrics().ascent());
      connect(l, &ClickLabel::clicked, this, &TForm1::ProduktClick);
      connect(l, &ClickLabel::mouseMoved, this, &TForm1::LabelMouseMove);
    }
    productRows[static_cast<std::size_t>(row)] = labels;
  }
}

// --- FormCreate ---------------------------------------------------------------------------

void TForm1::FormCreate(const QStringList& arguments) {
  // 1. Start values (the models start cleared, the DC screen not armed).
  texts::SetCurrentLanguage(0);
  for (const ModuleRow& row : moduleRows_) row.screen->SetNote({});
  firstRun_ = false;
  SetZoom(100);
  startingOnDc_ = true;  // the window's initial screen

  // 2. The stored settings.
  LoadSettings();
  LoadConfigurationSettings();

  // 3. The service word.
  for (int i = 1; i < arguments.size(); ++i)
    if (arguments.at(i) == QLatin1String("Wartungstor")) MenuItemService->menuAction()->setVisible(true);

  // 4. Captions; the DC page is still active, so the DC screen is reset and armed.
  ApplyLanguage();

  // 5. The language screen shows each subtitle in its own language when it is made.

  // 7. Nothing to document yet.
  startingOnDc_ = false;
  SetDocumentable(false);

  // 8. First screen.
  if (firstRun_) {
    SetMenusEnabled(false, false, false, false, false);
    PageControl->setCurrentWidget(TS_Language());
    languageLabels[0]->setFocus();
  } else {
    PageControl->setCurrentWidget(TS_Bausteinauswahl());
  }
  PageChanged();

  // A settings file that could not be used is reported once, here.
  const std::string kept = store_.KeptCopy();
  if (!kept.empty())
    statusBar()->showMessage(WindowTx(kTxSettingsKept, Language()).arg(FromUtf8(kept)));
  else if (!store_.Problem().empty())
    statusBar()->showMessage(FromUtf8(store_.Problem()));
}

void TForm1::ShowLanguageSubtitles() {
  Label2Vari->setText(DisplayText(Tx(texts::txSignalIsolator)));
  Label2Vari->adjustSize();
  for (int i = 0; i < 4; ++i) {
    QLabel* l = languageSubtitles[static_cast<std::size_t>(i)];
    l->setText(DisplayText(Tx(texts::txProgramSubtitle, i)));
    l->adjustSize();
  }
}

void TForm1::ShowProductSubtitles() {
  Label1ProduktAuswahl->setText(T(texts::txSignalIsolator));
  Label1ProduktAuswahl->adjustSize();
  Label2ProduktAuswahl->setText(T(texts::txChooseProduct));
  Label2ProduktAuswahl->adjustSize();
}

void TForm1::PageChanged() {
  const ModuleRow* row = RowOfPage(ActivePage());
  QString title = QStringLiteral("SETRIX");
  if (row) title += QStringLiteral(" - ") + FromUtf8(row->screen->Title());
  setWindowTitle(title);
  // Nothing on the selection and service screens can be documented.
  if (!row) SetDocumentable(false);
}

// --- menus and pages ----------------------------------------------------------------------

void TForm1::SetMenusEnabled(bool file, bool product, bool language, bool help, bool service) {
  MenuItemDatei->menuAction()->setEnabled(file);
  MenuProdukt->menuAction()->setEnabled(product);
  MenuItemSprache->menuAction()->setEnabled(language);
  MenuItemHilfe->menuAction()->setEnabled(help);
  MenuItemService->menuAction()->setEnabled(service);
}

void TForm1::SetDocumentable(bool enabled) {
  MenuSpeichern->setEnabled(enabled);
  MenuItemDrucken->setEnabled(enabled);
}

void TForm1::CheckServiceItem(int tag) {
  for (int i = 0; i < 4; ++i) serviceItems[static_cast<std::size_t>(i)]->setChecked(i == tag);
}

void TForm1::CheckLanguageItem(int language) {
  for (int i = 0; i < 4; ++i) languageItems[static_cast<std::size_t>(i)]->setChecked(i == language);
}

QWidget* TForm1::ActivePage() const { return PageControl->currentWidget(); }

const TForm1::ModuleRow* TForm1::RowOf(ModuleKind kind) const {
  for (const ModuleRow& row : moduleRows_)
    if (row.screen->Kind() == kind) return &row;
  return nullptr;
}

const TForm1::ModuleRow* TForm1::RowOfPage(const QWidget* page) const {
  if (page == nullptr) return nullptr;
  for (const ModuleRow& row : moduleRows_)
    if (row.page == page) return &row;
  return nullptr;
}

ModulePage* TForm1::PageOf(ModuleKind kind) {
  const auto it = std::find_if(moduleRows_.begin(), moduleRows_.end(),
                               [kind](const ModuleRow& r) { return r.screen->Kind() == kind; });
  if (it == moduleRows_.end()) return nullptr;
  ModuleRow& row = *it;
  if (row.page == nullptr) {
    ModulePage* page = row.page = row.make();
    PageControl->addWidget(page);
    // The screen reports whether its result can be documented (only while it is the page on
    // screen: a hidden screen does not decide the menu), and its edits go into the device
    // list row it was opened from.
    connect(page, &ModulePage::documentableChanged, this, [this, page](bool enabled) {
      if (ActivePage() != page) return;
      SetDocumentable(enabled);
      ScreenToListRow();
    });
    page->ApplyLanguage();  // the page showed its model when it was made
  }
  return row.page;
}

DcPage* TForm1::TS_DC() { return static_cast<DcPage*>(PageOf(ModuleKind::DC)); }
ThermoPage* TForm1::TS_Thermo() { return static_cast<ThermoPage*>(PageOf(ModuleKind::Thermo)); }
RtdPage* TForm1::TS_RTD() { return static_cast<RtdPage*>(PageOf(ModuleKind::RTD)); }
FrqPage* TForm1::TS_FRQ() { return static_cast<FrqPage*>(PageOf(ModuleKind::FRQ)); }

template <class Page>
Page* TForm1::ServicePage(Page*& page) {
  if (page == nullptr) {
    page = new Page(models_->dc, this);
    PageControl->addWidget(page);
  }
  return page;
}

ResultsPage* TForm1::TS_Results() { return ServicePage(resultsPage_); }
EvaluationPage* TForm1::TS_Evaluation() { return ServicePage(evaluationPage_); }

TFrm_Gag* TForm1::Frm_Gag() {
  if (frmGag_ == nullptr) frmGag_ = new TFrm_Gag(this);
  return frmGag_;
}

TInhaltBox* TForm1::InhaltBox() {
  if (inhaltBox_ == nullptr) inhaltBox_ = new TInhaltBox(this, Frm_Gag());
  return inhaltBox_;
}

TAboutBox* TForm1::AboutBox() {
  if (aboutBox_ == nullptr) aboutBox_ = new TAboutBox(this);
  return aboutBox_;
}

TAlphaCodeBox* TForm1::AlphaCodeBox() {
  // The note dialog shows the information box's name logo.
  if (alphaCodeBox_ == nullptr)
    alphaCodeBox_ = new TAlphaCodeBox(this, pictures::NameLogo(pictures::kAboutLogoSize));
  return alphaCodeBox_;
}

sheets::TPDFForm& TForm1::PDFForm() {
  if (!pdfForm_) pdfForm_ = std::make_unique<sheets::TPDFForm>();
  return *pdfForm_;
}

QPrinter& TForm1::DocumentPrinter() {
  if (!printer_) printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
  return *printer_;
}

ModuleKind TForm1::ActiveModule() const {
  const ModuleRow* row = RowOfPage(ActivePage());
  return row ? row->screen->Kind() : ModuleKind::None;
}

int TForm1::Language() const { return texts::CurrentLanguage(); }

QString TForm1::UserText(ModuleKind kind) const {
  const ModuleRow* row = RowOf(kind);
  return row ? FromUtf8(row->screen->Note()) : QString();
}

void TForm1::SetUserText(ModuleKind kind, const QString& text) {
  if (const ModuleRow* row = RowOf(kind)) row->screen->SetNote(text.toStdString());
}

void TForm1::ShowPage(QWidget* page) {
  PageControl->setCurrentWidget(page);
  RunEnterHandler(page);
}

void TForm1::RunEnterHandler(QWidget* page) {
  if (const ModuleRow* row = RowOfPage(page))
    row->page->Enter();
  else if (page != nullptr && page == resultsPage_)
    resultsPage_->Sync();
  else if (page != nullptr && page == evaluationPage_)
    evaluationPage_->Sync();
}

void TForm1::BitBtnClick(int tag) {
  CheckLanguageItem(-1);
  const int language = tag >= 20 && tag <= 23 ? tag - 20 : 0;
  texts::SetCurrentLanguage(language);
  CheckLanguageItem(language);
  CheckServiceItem(1);
  PageControl->setCurrentWidget(TS_Bausteinauswahl());
  SetMenusEnabled(true, productChosen_, true, true, true);
  ApplyLanguage();
}

void TForm1::MenuItemSpracheClick(int language) {
  CheckLanguageItem(-1);
  if (language < 0 || language > 3) language = 0;
  texts::SetCurrentLanguage(language);
  CheckLanguageItem(language);
  ApplyLanguage();
}

void TForm1::ProduktClick(int tag) {
  if (ActiveModule() == ModuleKind::DC) models_->dc.SaveAvailability();
  MenuProdukt->menuAction()->setEnabled(true);
  productChosen_ = true;
  CheckServiceItem(-1);
  const devices::ModuleScreen* screen = screens_->WithProductTag(tag);
  if (screen == nullptr) return;
  productItems[static_cast<std::size_t>(tag)]->setChecked(true);
  ShowPage(PageOf(screen->Kind()));
}

void TForm1::MenuHauptanzeigeClick(int tag) {
  // Leaving the DC screen for a service screen remembers its Save/Print state, as a
  // product choice does.
  if (ActiveModule() == ModuleKind::DC) models_->dc.SaveAvailability();
  CheckServiceItem(tag >= 0 && tag <= 3 ? tag : 1);
  switch (tag) {
    case 0: ShowPage(TS_Language()); break;
    case 2: ShowPage(TS_Results()); break;
    case 3: ShowPage(TS_Evaluation()); break;
    default: ShowPage(TS_Bausteinauswahl()); break;
  }
}

void TForm1::ResetProductRow(int row) {
  if (productPage_ == nullptr) return;
  const auto& labels = productRows[static_cast<std::size_t>(row)];
  SetLabelStyle(labels[0], kWhite, false, true);
  SetLabelStyle(labels[1], kWhite, false, false);
  SetLabelStyle(labels[2], kWhite, false, false);
}

void TForm1::ResetLanguageLabel(int index) {
  if (languagePage_ == nullptr) return;
  SetLabelStyle(languageLabels[static_cast<std::size_t>(index)], kWhite, false, true);
}

void TForm1::LabelMouseMove(int tag) {
  if (tag >= 20 && tag <= 23) {
    Label2Vari->setText(DisplayText(Tx(texts::txSignalIsolator, tag - 20)));
    Label2Vari->adjustSize();
    SetLabelStyle(languageLabels[static_cast<std::size_t>(tag - 20)], kRed, true, true);
    return;
  }
  const int hovered = RowOfTag(tag);
  if (hovered < 0) return;
  for (int row = 0; row < 4; ++row)
    if (row != hovered) ResetProductRow(row);
  const auto& labels = productRows[static_cast<std::size_t>(hovered)];
  SetLabelStyle(labels[0], kRed, true, true);
  SetLabelStyle(labels[1], kRed, true, false);
  SetLabelStyle(labels[2], kRed, true, false);
}

void TForm1::Img_BausteinauswahlMouseMove() {
  for (int i = 0; i < 4; ++i) ResetLanguageLabel(i);
  for (int row = 0; row < 4; ++row) ResetProductRow(row);
}

void TForm1::MenuItemInhaltClick() { InhaltBox()->Open(Language()); }

void TForm1::MenuItemInfoClick() { AboutBox()->Open(Language()); }

// --- language -----------------------------------------------------------------------------

void TForm1::ApplyLanguage() {
  // 1. Menus.
  MenuItemDatei->setTitle(T(texts::txFile));
  MenuSpeichern->setText(T(texts::txSave));
  MenuItemDrucken->setText(T(texts::txPrint));
  MenuItemBeenden->setText(T(texts::txExit));
  MenuItemSprache->setTitle(T(texts::txLanguage));
  MenuProdukt->setTitle(T(texts::txProduct));
  MenuItemHilfe->setTitle(T(texts::txHelp));
  MenuItemInhalt->setText(T(texts::txContents));
  serviceItems[0]->setText(T(texts::txScreenLanguageSelect));
  serviceItems[1]->setText(T(texts::txScreenProductSelect));
  serviceItems[2]->setText(T(texts::txScreenResultsDC));
  serviceItems[3]->setText(T(texts::txScreenDataEvaluationDC));
  if (ReadDevice) ReadDevice->ApplyLanguage();

  ApplyWindowTexts();
  LoadQtTranslation();

  // 2.-7. Subtitles and the captions of every screen.
  if (languagePage_) ShowLanguageSubtitles();
  if (productPage_) ShowProductSubtitles();
  // 8. Each module page moves its title line by the subtitle's new width.
  for (const ModuleRow& row : moduleRows_)
    if (row.page) row.page->ApplyLanguage();  // a page made later takes the language then

  // 9. Refresh the active screen.
  QWidget* active = ActivePage();
  const ModuleRow& dc = *RowOf(ModuleKind::DC);
  if (startingOnDc_) {
    // The initial DC screen is reset and armed; it shows that when it is made.
    models_->dc.LanguageChanged();
    SetDocumentable(models_->dc.CalcDone());
  } else if (const ModuleRow* row = RowOfPage(active)) {
    row->page->LanguageChanged();
  } else if (active == languagePage_) {
    // A reset DC screen has nothing to document when it is shown again.
    if (dc.page)
      TS_DC()->ResetDcDisplay();
    else
      models_->dc.ResetDcDisplay();
    models_->dc.SaveAvailability();
  }
}

void TForm1::ApplyWindowTexts() {
  const int l = Language();
  MenuView->setTitle(WindowTx(kTxView, l));
  MenuZoomIn->setText(WindowTx(kTxZoomIn, l));
  MenuZoomOut->setText(WindowTx(kTxZoomOut, l));
  MenuZoomReset->setText(WindowTx(kTxZoomReset, l));
  ApplyConfigurationTexts();
}

void TForm1::LoadQtTranslation() {
  static const char* const kCodes[4] = {"de", "en", "it", "es"};
  const QString code = QString::fromLatin1(kCodes[Language() >= 0 && Language() < 4 ? Language() : 0]);
  if (qtTranslator_ && qtTranslator_->language().startsWith(code)) return;
  if (qtTranslator_) QCoreApplication::removeTranslator(qtTranslator_.get());
  qtTranslator_ = std::make_unique<QTranslator>();
  // English needs none; Qt's own texts are English.
  if (code != QLatin1String("en") &&
      qtTranslator_->load(QStringLiteral("qtbase_") + code, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    QCoreApplication::installTranslator(qtTranslator_.get());
}

// --- settings -----------------------------------------------------------------------------

void TForm1::LoadSettings() {
  const settings::Loaded loaded = settings::Load(store_, *models_);
  // 1. Window position; a place on no screen falls back to 0.
  int top = loaded.window.top;
  int left = loaded.window.left;
  bool onScreen = false;
  for (QScreen* screen : QGuiApplication::screens())
    if (screen->virtualGeometry().contains(QPoint(left + 20, top + 10))) onScreen = true;
  if (!onScreen && !QGuiApplication::screens().isEmpty()) top = left = 0;
  move(left, top);
  if (loaded.window.zoom) SetZoom(*loaded.window.zoom);

  // 2. Language: none stored is the first run.
  firstRun_ = loaded.window.firstRun;
  CheckLanguageItem(firstRun_ ? -1 : loaded.window.language);

  // 3.-8. The screens show their restored models.
  for (const ModuleRow& row : moduleRows_)
    if (row.page && (row.screen->Kind() == ModuleKind::DC || loaded.modulesRestored)) row.page->Sync();
}

void TForm1::StoreSettings() {
  settings::WindowSettings window;
  window.top = pos().y();
  window.left = pos().x();
  window.language = Language();
  window.zoom = zoom_;
  settings::Store(store_, window, *models_);
  StoreConfigurationSettings();
  store_.CloseKey();
  store_.Flush();
}

void TForm1::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (screenWatched_ || windowHandle() == nullptr) return;
  screenWatched_ = true;
  connect(windowHandle(), &QWindow::screenChanged, this,
          [this] { pictures::SetWindowResolution(zoom_ / 100.0 * devicePixelRatioF()); });
}

void TForm1::closeEvent(QCloseEvent* event) {
  // FormCloseQuery: store the settings; closing is always allowed.
  StoreSettings();
  event->accept();
  // The credits panel and dialogs go with the window.
  if (frmGag_) frmGag_->close();
}

}  // namespace setrix::app
