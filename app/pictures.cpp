#include "app/pictures.h"

#include <QEvent>
#include <QFont>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <algorithm>
#include <array>
#include <vector>

namespace setrix::app::pictures {

namespace {

// One palette for every picture, so the screens look of a piece.
const QColor kNavyDark(11, 28, 49);
const QColor kNavy(23, 57, 92);
const QColor kNavyLight(34, 86, 132);
const QColor kAccent(79, 195, 247);
const QColor kBoard(30, 107, 71);
const QColor kBoardEdge(18, 74, 48);
const QColor kTrace(52, 142, 98);
const QColor kPad(202, 165, 74);
const QColor kSilk(232, 240, 234);
const QColor kTerminalBlock(47, 52, 58);
const QColor kScrew(184, 190, 196);
const QColor kHousing(228, 231, 234);
const QColor kHousingEdge(140, 150, 160);
const QColor kInk(30, 42, 56);

QFont Font(int pixelSize, bool bold = false, bool italic = false) {
  QFont f(QStringLiteral("Liberation Sans"));
  f.setPixelSize(pixelSize);
  f.setBold(bold);
  f.setItalic(italic);
  return f;
}

qreal windowResolution = 0;  // 0: not set yet

// The dialogs' pictures are drawn at twice their size, sharp on high-density screens too.
constexpr qreal kDialogResolution = 2.0;

QPixmap Blank(QSize size, qreal resolution, QColor fill = Qt::transparent) {
  QPixmap p((QSizeF(size) * resolution).toSize());
  p.setDevicePixelRatio(resolution);
  p.fill(fill);
  return p;
}

void Antialiased(QPainter& p) {
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);
}

// A circuit board: rounded green plate with mounting holes and a few traces.
void DrawBoard(QPainter& p, QRectF r) {
  p.setPen(QPen(kBoardEdge, 2));
  QLinearGradient g(r.topLeft(), r.bottomRight());
  g.setColorAt(0, kBoard.lighter(108));
  g.setColorAt(1, kBoard.darker(106));
  p.setBrush(g);
  p.drawRoundedRect(r.adjusted(1, 1, -1, -1), 10, 10);
  p.setPen(Qt::NoPen);
  p.setBrush(kPad);
  for (QPointF c : {r.topLeft() + QPointF(12, 12), r.topRight() + QPointF(-12, 12),
                    r.bottomLeft() + QPointF(12, -12), r.bottomRight() + QPointF(-12, -12)}) {
    p.drawEllipse(c, 5, 5);
  }
  p.setBrush(kBoardEdge);
  for (QPointF c : {r.topLeft() + QPointF(12, 12), r.topRight() + QPointF(-12, 12),
                    r.bottomLeft() + QPointF(12, -12), r.bottomRight() + QPointF(-12, -12)}) {
    p.drawEllipse(c, 2.5, 2.5);
  }
}

void DrawTrace(QPainter& p, std::initializer_list<QPointF> points) {
  QPainterPath path;
  bool first = true;
  for (QPointF pt : points) {
    if (first)
      path.moveTo(pt);
    else
      path.lineTo(pt);
    first = false;
  }
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(kTrace, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.drawPath(path);
  p.setPen(Qt::NoPen);
  p.setBrush(kPad);
  p.drawEllipse(*points.begin(), 3, 3);
  p.drawEllipse(*(points.end() - 1), 3, 3);
}

// A chip with pins on its long sides.
void DrawChip(QPainter& p, QRectF r, int pins) {
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(200, 200, 200));
  const double step = r.width() / pins;
  for (int i = 0; i < pins; ++i) {
    p.drawRect(QRectF(r.left() + step * i + step / 2 - 1.5, r.top() - 3, 3, 3));
    p.drawRect(QRectF(r.left() + step * i + step / 2 - 1.5, r.bottom(), 3, 3));
  }
  p.setBrush(QColor(38, 40, 44));
  p.drawRoundedRect(r, 2, 2);
  p.setBrush(QColor(70, 72, 78));
  p.drawEllipse(QPointF(r.left() + 5, r.center().y()), 2, 2);
}

// A small passive part (resistor or capacitor) with two pads.
void DrawPart(QPainter& p, QPointF c, bool vertical, QColor body) {
  p.setPen(Qt::NoPen);
  p.setBrush(kPad);
  const QRectF pad1 = vertical ? QRectF(c.x() - 3, c.y() - 9, 6, 4) : QRectF(c.x() - 9, c.y() - 3, 4, 6);
  const QRectF pad2 = vertical ? QRectF(c.x() - 3, c.y() + 5, 6, 4) : QRectF(c.x() + 5, c.y() - 3, 4, 6);
  p.drawRect(pad1);
  p.drawRect(pad2);
  p.setBrush(body);
  p.drawRoundedRect(vertical ? QRectF(c.x() - 3, c.y() - 6, 6, 12) : QRectF(c.x() - 6, c.y() - 3, 12, 6), 1.5,
                    1.5);
}

// The white outline printed around a switch bank's place.
void DrawBankPlace(QPainter& p, QPointF topLeft, QSizeF size) {
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(kSilk, 1, Qt::DashLine));
  p.drawRoundedRect(QRectF(topLeft - QPointF(4, 4), size + QSizeF(8, 8)), 3, 3);
}

// A screw terminal seen from above, with its number.
void DrawScrewTerminal(QPainter& p, QRectF cell, int number, QFont font, QColor text) {
  p.setPen(QPen(QColor(20, 22, 26), 1));
  p.setBrush(kTerminalBlock.lighter(118));
  p.drawRoundedRect(cell.adjusted(2, 2, -2, -2), 3, 3);
  const QPointF c(cell.center().x(), cell.top() + cell.height() * 0.42);
  const double rad = std::min(cell.width(), cell.height()) * 0.26;
  QRadialGradient g(c - QPointF(rad / 3, rad / 3), rad * 1.4);
  g.setColorAt(0, kScrew.lighter(125));
  g.setColorAt(1, kScrew.darker(140));
  p.setBrush(g);
  p.setPen(QPen(QColor(70, 74, 80), 1));
  p.drawEllipse(c, rad, rad);
  p.setPen(QPen(QColor(60, 64, 70), 2));
  p.drawLine(QPointF(c.x() - rad * 0.7, c.y()), QPointF(c.x() + rad * 0.7, c.y()));
  p.setPen(text);
  p.setFont(font);
  p.drawText(QRectF(cell.left(), cell.bottom() - cell.height() * 0.36, cell.width(), cell.height() * 0.34),
             Qt::AlignCenter, QString::number(number));
}

// A trimmer potentiometer seen from above.
void DrawTrimmer(QPainter& p, QPointF c, double size) {
  p.setPen(QPen(QColor(18, 50, 110), 1));
  p.setBrush(QColor(40, 90, 190));
  p.drawRoundedRect(QRectF(c.x() - size / 2, c.y() - size / 2, size, size), 3, 3);
  p.setBrush(QColor(235, 235, 235));
  p.setPen(QPen(QColor(120, 120, 120), 1));
  p.drawEllipse(c, size * 0.32, size * 0.32);
  p.setPen(QPen(QColor(60, 60, 60), 2));
  p.drawLine(QPointF(c.x() - size * 0.22, c.y() + size * 0.22), QPointF(c.x() + size * 0.22, c.y() - size * 0.22));
}

// Front view of a DIN-rail module with terminal rows above and below.
void DrawModuleFront(QPainter& p, QRectF r, const QString& name, int topFirst, int topCount, int bottomFirst,
                     int bottomCount) {
  p.setPen(QPen(kHousingEdge, 1.5));
  QLinearGradient g(r.topLeft(), r.bottomLeft());
  g.setColorAt(0, kHousing.lighter(104));
  g.setColorAt(1, kHousing.darker(108));
  p.setBrush(g);
  p.drawRoundedRect(r, 8, 8);
  const double rowH = 38;
  auto row = [&](double top, int first, int count) {
    const double w = (r.width() - 20) / count;
    for (int i = 0; i < count; ++i) {
      DrawScrewTerminal(p, QRectF(r.left() + 10 + w * i, top, w, rowH), first + i, Font(11, true), Qt::white);
    }
  };
  row(r.top() + 6, topFirst, topCount);
  row(r.bottom() - 6 - rowH, bottomFirst, bottomCount);
  // Label field between the rows.
  const QRectF label(r.left() + 14, r.top() + 6 + rowH + 6, r.width() - 28, r.height() - 2 * rowH - 24);
  p.setPen(Qt::NoPen);
  p.setBrush(kNavy);
  p.drawRoundedRect(label, 4, 4);
  p.setPen(Qt::white);
  p.setFont(Font(12, true));
  p.drawText(label.adjusted(8, 0, -8, 0), Qt::AlignVCenter | Qt::AlignLeft, QStringLiteral("VORNEX TELIQ"));
  p.setPen(kAccent);
  p.drawText(label.adjusted(8, 0, -8, 0), Qt::AlignVCenter | Qt::AlignRight, name);
}

}  // namespace

namespace {
QPixmap DrawBackground();

// A picture that does not change, drawn on first use for the window's resolution and
// shared by every screen from then on (kept for the whole run: never destroyed after the
// application object is gone). One kept picture per drawing function.
template <QPixmap (*draw)()>
QPixmap Once() {
  struct Kept {
    qreal resolution = 0;
    QPixmap picture;
  };
  static Kept* const kept = new Kept;
  if (kept->resolution != WindowResolution()) {
    kept->picture = QPixmap();  // let the old one go before drawing the new
    kept->picture = draw();
    kept->resolution = WindowResolution();
  }
  return kept->picture;
}

// A label showing a window picture; drawn when the label is first shown (a screen that is
// never shown draws none of its pictures) and again when the resolution changes.
class Shown : public QObject {
 public:
  Shown(QLabel& label, std::function<QPixmap()> picture)
      : QObject(&label), label_(label), picture_(std::move(picture)) {
    All().push_back(this);
    label_.installEventFilter(this);
  }
  ~Shown() override { std::erase(All(), this); }
  void Set(std::function<QPixmap()> picture) { picture_ = std::move(picture); }
  // Draws now if the label is on screen, else when it is shown.
  void Update() {
    pending_ = !label_.isVisible();
    if (!pending_) label_.setPixmap(picture_());
  }
  const QLabel& Label() const { return label_; }
  static std::vector<Shown*>& All() {
    static std::vector<Shown*>* const all = new std::vector<Shown*>;
    return *all;
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (pending_ && watched == &label_ && event->type() == QEvent::Show) {
      pending_ = false;
      label_.setPixmap(picture_());
    }
    return false;
  }

 private:
  QLabel& label_;
  std::function<QPixmap()> picture_;
  bool pending_ = true;
};
}  // namespace

qreal WindowResolution() {
  if (windowResolution == 0) return qGuiApp ? qGuiApp->devicePixelRatio() : 1.0;
  return windowResolution;
}

void SetWindowResolution(qreal devicePixelsPerPixel) {
  if (devicePixelsPerPixel <= 0 || devicePixelsPerPixel == WindowResolution()) {
    windowResolution = WindowResolution();
    return;
  }
  windowResolution = devicePixelsPerPixel;
  for (Shown* shown : Shown::All()) shown->Update();
}

void Show(QLabel& label, std::function<QPixmap()> picture) {
  const auto& all = Shown::All();
  const auto it = std::find_if(all.begin(), all.end(), [&label](const Shown* s) { return &s->Label() == &label; });
  Shown* shown = nullptr;
  if (it != all.end()) {
    shown = *it;
    shown->Set(std::move(picture));
  } else {
    shown = new Shown(label, std::move(picture));
  }
  shown->Update();
}

QPixmap Background() { return Once<DrawBackground>(); }

namespace {
QPixmap DrawBackground() {
  QPixmap pm = Blank(kScreenSize, WindowResolution());
  QPainter p(&pm);
  Antialiased(p);
  const QRectF all(QPointF(0, 0), QSizeF(kScreenSize));
  QLinearGradient g(0, 0, all.width() * 0.6, all.height());
  g.setColorAt(0, kNavy);
  g.setColorAt(1, kNavyLight);
  p.fillRect(all, g);

  // Faint circuit traces as a watermark in the lower right.
  p.setPen(QPen(QColor(255, 255, 255, 18), 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(Qt::NoBrush);
  for (int i = 0; i < 7; ++i) {
    const double y = 300 + i * 30;
    QPainterPath path;
    path.moveTo(all.width(), y);
    path.lineTo(all.width() - 120 - i * 18, y);
    path.lineTo(all.width() - 160 - i * 18, y + 40);
    path.lineTo(all.width() - 260 - i * 24, y + 40);
    p.drawPath(path);
    p.setBrush(QColor(255, 255, 255, 18));
    p.drawEllipse(QPointF(all.width() - 260 - i * 24, y + 40), 4, 4);
    p.setBrush(Qt::NoBrush);
  }

  // Title band with the program's name and an accent line.
  QLinearGradient band(0, 0, all.width(), 0);
  band.setColorAt(0, kNavyDark);
  band.setColorAt(1, kNavyDark.lighter(130));
  p.fillRect(QRectF(0, 0, all.width(), 48), band);
  p.fillRect(QRectF(0, 48, all.width(), 2), kAccent);
  QFont f = Font(22, true);
  f.setLetterSpacing(QFont::AbsoluteSpacing, 3);
  p.setFont(f);
  p.setPen(QColor(207, 232, 255));
  p.drawText(QRectF(0, 0, all.width() - 14, 48), Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("SETRIX"));
  return pm;
}
}  // namespace

namespace {
QPixmap DrawDcBoard() {
  QPixmap pm = Blank(kDcBoardSize, WindowResolution());
  QPainter p(&pm);
  Antialiased(p);
  const QRectF r(QPointF(0, 0), QSizeF(kDcBoardSize));
  DrawBoard(p, r);

  // Traces from the parts to the terminal strip.
  DrawTrace(p, {{300, 40}, {300, 120}, {60, 120}, {60, 150}});
  DrawTrace(p, {{330, 48}, {330, 128}, {140, 128}, {140, 150}});
  DrawTrace(p, {{360, 56}, {360, 136}, {230, 136}, {230, 150}});
  DrawTrace(p, {{400, 110}, {400, 150}});
  DrawChip(p, QRectF(292, 28, 92, 26), 8);
  DrawChip(p, QRectF(292, 70, 60, 22), 5);
  for (int i = 0; i < 4; ++i)
    DrawPart(p, QPointF(372 + (i % 2) * 22, 74 + (i / 2) * 22), i % 2 == 0, QColor(222, 190, 140));
  DrawPart(p, QPointF(420, 40), true, QColor(150, 110, 70));
  DrawPart(p, QPointF(420, 70), true, QColor(150, 110, 70));

  // Places of the banks (S1 10 vertical: 39 x 87; S2 5 horizontal: 47 x 39; S3 3 vertical: 39 x 31).
  DrawBankPlace(p, kDcBankS1, QSizeF(39, 87));
  DrawBankPlace(p, kDcBankS2, QSizeF(47, 39));
  DrawBankPlace(p, kDcBankS3, QSizeF(39, 31));

  // Terminal strip 1..8 and the two potentiometers beside it.
  const QRectF strip(22, 150, 296, 52);
  p.setPen(Qt::NoPen);
  p.setBrush(kTerminalBlock);
  p.drawRoundedRect(strip, 4, 4);
  const double w = strip.width() / 8;
  for (int i = 0; i < 8; ++i)
    DrawScrewTerminal(p, QRectF(strip.left() + w * i, strip.top() + 2, w, strip.height() - 4), i + 1,
                      Font(11, true), Qt::white);
  DrawTrimmer(p, QPointF(352, 168), 22);
  DrawTrimmer(p, QPointF(404, 168), 22);
  p.setFont(Font(11, true));
  p.setPen(kSilk);
  p.drawText(QRectF(327, 182, 50, 18), Qt::AlignCenter, QStringLiteral("Zero"));
  p.drawText(QRectF(379, 182, 50, 18), Qt::AlignCenter, QStringLiteral("Span"));
  return pm;
}
}  // namespace

QPixmap DcBoard() { return Once<DrawDcBoard>(); }

namespace {
QPixmap DrawThermoBoard() {
  QPixmap pm = Blank(kThermoBoardSize, WindowResolution());
  QPainter p(&pm);
  Antialiased(p);
  const QRectF r(QPointF(0, 0), QSizeF(kThermoBoardSize));
  DrawBoard(p, r);
  DrawTrace(p, {{40, 126}, {296, 126}});
  DrawTrace(p, {{40, 134}, {120, 134}});
  DrawChip(p, QRectF(150, 104, 60, 14), 6);
  DrawPart(p, QPointF(240, 110), false, QColor(222, 190, 140));
  DrawPart(p, QPointF(270, 110), false, QColor(222, 190, 140));
  DrawPart(p, QPointF(300, 106), true, QColor(150, 110, 70));
  DrawBankPlace(p, kThermoBankS1, QSizeF(71, 39));
  DrawBankPlace(p, kThermoBankS2, QSizeF(71, 39));
  return pm;
}
}  // namespace

QPixmap ThermoBoard() { return Once<DrawThermoBoard>(); }

namespace {
QPixmap DrawThermoTerminalPlan() {
  QPixmap pm = Blank(kThermoPlanSize, WindowResolution());
  QPainter p(&pm);
  Antialiased(p);
  DrawModuleFront(p, QRectF(QPointF(1, 1), QSizeF(kThermoPlanSize) - QSizeF(2, 2)), QStringLiteral("ZOR"), 1, 6, 7,
                  6);
  return pm;
}
}  // namespace

QPixmap ThermoTerminalPlan() { return Once<DrawThermoTerminalPlan>(); }

namespace {
QPixmap DrawFrqBoard() {
  QPixmap pm = Blank(kFrqBoardSize, WindowResolution());
  QPainter p(&pm);
  Antialiased(p);
  const QRectF r(QPointF(0, 0), QSizeF(kFrqBoardSize));
  DrawBoard(p, r);
  DrawTrace(p, {{24, 92}, {126, 92}});
  DrawTrace(p, {{24, 170}, {126, 170}});
  DrawBankPlace(p, kFrqBankS1, QSizeF(71, 39));
  DrawBankPlace(p, kFrqBankS2, QSizeF(71, 39));
  return pm;
}
}  // namespace

QPixmap FrqBoard() { return Once<DrawFrqBoard>(); }

namespace {
QPixmap DrawFrqTerminalPlan() {
  QPixmap pm = Blank(kFrqPlanSize, WindowResolution());
  QPainter p(&pm);
  Antialiased(p);
  DrawModuleFront(p, QRectF(QPointF(1, 1), QSizeF(kFrqPlanSize) - QSizeF(2, 2)), QStringLiteral("FRQ"), 1, 4, 5,
                  4);
  return pm;
}
}  // namespace

QPixmap FrqTerminalPlan() { return Once<DrawFrqTerminalPlan>(); }

QPixmap NameLogo(QSize size) {
  QPixmap pm = Blank(size, kDialogResolution);
  QPainter p(&pm);
  Antialiased(p);
  const QRectF r(QPointF(0, 0), QSizeF(size));
  QLinearGradient g(0, 0, r.width(), r.height());
  g.setColorAt(0, kNavyDark);
  g.setColorAt(1, kNavyLight);
  p.fillRect(r, g);
  p.fillRect(QRectF(0, r.height() - 3, r.width(), 3), kAccent);
  // A stylised switch bank as the mark.
  const double unit = r.height() / 105.0;
  const QRectF mark(12 * unit + 4, 12 * unit, 46 * unit, 40 * unit);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(128, 128, 128));
  p.drawRoundedRect(mark, 4 * unit, 4 * unit);
  for (int i = 0; i < 4; ++i) {
    const QRectF slot(mark.left() + (6 + i * 10) * unit, mark.top() + 8 * unit, 6 * unit, 24 * unit);
    p.setBrush(QColor(192, 192, 192));
    p.drawRect(slot);
    p.setBrush(QColor(255, 0, 0));
    p.drawRect(i % 2 == 0 ? QRectF(slot.left(), slot.top(), slot.width(), slot.height() / 2)
                          : QRectF(slot.left(), slot.center().y(), slot.width(), slot.height() / 2));
  }
  QFont f = Font(static_cast<int>(40 * unit), true);
  f.setLetterSpacing(QFont::AbsoluteSpacing, 4 * unit);
  p.setFont(f);
  p.setPen(Qt::white);
  p.drawText(QRectF(mark.right() + 12 * unit, mark.top() - 6 * unit, r.width(), mark.height() + 12 * unit),
             Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("SETRIX"));
  return pm;
}

namespace {
QPixmap DrawMakerLogo() {
  QPixmap pm = Blank(kMakerLogoSize, WindowResolution());
  QPainter p(&pm);
  Antialiased(p);
  // A "Z" in a rounded square and the maker's name.
  const QRectF mark(1, 2, 26, 26);
  p.setPen(Qt::NoPen);
  p.setBrush(kNavy);
  p.drawRoundedRect(mark, 5, 5);
  p.setPen(QPen(kAccent, 3, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
  p.setBrush(Qt::NoBrush);
  QPainterPath z;
  z.moveTo(mark.left() + 7, mark.top() + 7);
  z.lineTo(mark.right() - 7, mark.top() + 7);
  z.lineTo(mark.left() + 7, mark.bottom() - 7);
  z.lineTo(mark.right() - 7, mark.bottom() - 7);
  p.drawPath(z);
  QFont f = Font(15, true);
  f.setLetterSpacing(QFont::AbsoluteSpacing, 1.5);
  p.setFont(f);
  p.setPen(kNavy);
  p.drawText(QRectF(mark.right() + 6, 0, kMakerLogoSize.width() - mark.right() - 6, kMakerLogoSize.height()),
             Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("ZANTREL"));
  return pm;
}
}  // namespace

QPixmap MakerLogo() { return Once<DrawMakerLogo>(); }

QPixmap TitlePicture(int language) {
  static const std::array<const char*, 4> kSlogans = {
      "Die VORNEX TELIQ Serie einfach konfigurieren",
      "Configuring the VORNEX TELIQ series made easy",
      "Configurare la serie VORNEX TELIQ in modo semplice",
      "Configurar la serie VORNEX TELIQ de forma sencilla",
  };
  if (language < 0 || language > 3) language = 0;
  QPixmap pm = Blank(kTitleSize, kDialogResolution);
  QPainter p(&pm);
  Antialiased(p);
  p.setFont(Font(16, false, true));
  p.setPen(QColor(207, 232, 255));
  p.drawText(QRectF(QPointF(0, 0), QSizeF(kTitleSize)), Qt::AlignLeft | Qt::AlignVCenter,
             QString::fromUtf8(kSlogans[static_cast<std::size_t>(language)]));
  return pm;
}

QPixmap ModuleIcon(QSize size) {
  QPixmap pm = Blank(size, kDialogResolution);
  QPainter p(&pm);
  Antialiased(p);
  const QRectF r(QPointF(0, 0), QSizeF(size));
  const QRectF body = r.adjusted(r.width() * 0.18, 2, -r.width() * 0.18, -2);
  p.setPen(QPen(kHousingEdge, 1.5));
  p.setBrush(kHousing);
  p.drawRoundedRect(body, 6, 6);
  const double h = body.height() / 8;
  p.setPen(Qt::NoPen);
  for (int i = 0; i < 3; ++i) {
    const QPointF c1(body.left() + body.width() * (i + 1) / 4, body.top() + h * 0.7);
    const QPointF c2(c1.x(), body.bottom() - h * 0.7);
    p.setBrush(kScrew);
    p.drawEllipse(c1, h * 0.35, h * 0.35);
    p.drawEllipse(c2, h * 0.35, h * 0.35);
  }
  p.setBrush(kNavy);
  p.drawRoundedRect(QRectF(body.left() + 8, body.top() + h * 1.5, body.width() - 16, h * 5), 4, 4);
  // A small switch bank on the label field.
  const QRectF bank(body.left() + 14, body.top() + h * 2.4, body.width() - 28, h * 1.8);
  p.setBrush(QColor(128, 128, 128));
  p.drawRect(bank);
  const int n = 4;
  for (int i = 0; i < n; ++i) {
    const double sw = bank.width() / n;
    const QRectF slot(bank.left() + sw * i + sw * 0.25, bank.top() + bank.height() * 0.15, sw * 0.5,
                      bank.height() * 0.7);
    p.setBrush(QColor(192, 192, 192));
    p.drawRect(slot);
    p.setBrush(QColor(255, 0, 0));
    p.drawRect(i == 1 || i == 2 ? QRectF(slot.left(), slot.top(), slot.width(), slot.height() / 2)
                                : QRectF(slot.left(), slot.center().y(), slot.width(), slot.height() / 2));
  }
  p.setPen(Qt::white);
  p.setFont(Font(std::max(9, static_cast<int>(h * 0.9)), true));
  p.drawText(QRectF(body.left(), body.top() + h * 4.4, body.width(), h * 1.6), Qt::AlignCenter,
             QStringLiteral("ZOR"));
  return pm;
}

QPixmap WiringPicture(Wiring wiring) {
  QPixmap pm = Blank(kWiringSize, WindowResolution());
  QPainter p(&pm);
  Antialiased(p);
  const QRectF r(QPointF(0, 0), QSizeF(kWiringSize));

  // Terminal block 1..4 on the left: numbered clamps.
  const double termX = 4, termW = 26, termH = 22, termTop = 8;
  auto terminalY = [&](int n) { return termTop + (n - 1) * (termH + 4) + termH / 2; };
  p.setPen(Qt::NoPen);
  p.setBrush(kTerminalBlock);
  p.drawRoundedRect(QRectF(termX - 2, termTop - 3, termW + 4, 4 * termH + 3 * 4 + 6), 4, 4);
  p.setFont(Font(12, true));
  for (int n = 1; n <= 4; ++n) {
    const QRectF cell(termX, termTop + (n - 1) * (termH + 4), termW, termH);
    p.setPen(Qt::NoPen);
    p.setBrush(kTerminalBlock.lighter(140));
    p.drawRoundedRect(cell, 3, 3);
    p.setPen(Qt::white);
    p.drawText(cell, Qt::AlignCenter, QString::number(n));
  }
  p.setPen(Qt::NoPen);

  // The element on the right.
  const double ex = 100;  // centre line of the element
  const double top = terminalY(1), bottom = terminalY(3);
  const QRectF element(ex - 9, top + 14, 18, bottom - top - 28);
  const QPen wire(kInk, 1.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
  auto connect = [&](int terminal, double toY, double viaX) {
    p.setPen(wire);
    p.setBrush(Qt::NoBrush);
    QPainterPath path;
    path.moveTo(termX + termW, terminalY(terminal));
    path.lineTo(viaX, terminalY(terminal));
    path.lineTo(viaX, toY);
    path.lineTo(ex, toY);
    p.drawPath(path);
    p.setBrush(kInk);
    p.drawEllipse(QPointF(ex, toY), 2.2, 2.2);
  };
  // Leads of the element to its connection points.
  p.setPen(wire);
  p.drawLine(QPointF(ex, top), QPointF(ex, element.top()));
  p.drawLine(QPointF(ex, element.bottom()), QPointF(ex, bottom));

  switch (wiring) {
    case Wiring::TwoWire:
    case Wiring::Resistor:
      connect(1, top, 50);
      connect(3, bottom, 50);
      break;
    case Wiring::ThreeWire:
      connect(1, top, 50);
      connect(3, bottom, 50);
      connect(2, bottom, 64);
      break;
    case Wiring::FourWire:
      connect(1, top, 50);
      connect(3, bottom, 50);
      connect(2, bottom, 64);
      connect(4, top, 78);
      break;
    case Wiring::Potentiometer:
      connect(1, top, 50);
      connect(3, bottom, 50);
      break;
  }

  // The element itself: a resistor box, with the temperature arrow for a sensor
  // and the wiper arrow for a potentiometer.
  p.setPen(QPen(kInk, 1.8));
  p.setBrush(Qt::white);
  p.drawRect(element);
  const bool sensor = wiring == Wiring::TwoWire || wiring == Wiring::ThreeWire || wiring == Wiring::FourWire;
  if (sensor) {
    p.setPen(QPen(QColor(200, 40, 40), 1.6));
    p.drawLine(QPointF(element.left() - 8, element.bottom() + 4), QPointF(element.right() + 8, element.top() - 4));
    p.drawLine(QPointF(element.left() - 8, element.bottom() + 4),
               QPointF(element.left() - 14, element.bottom() + 4));
    p.setPen(kInk);
    p.setFont(Font(11, true, true));
    p.drawText(QRectF(element.right() + 8, element.center().y() - 8, 30, 16), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("RTD"));
  } else if (wiring == Wiring::Potentiometer) {
    // The wiper: from terminal 2 straight onto the middle of the track.
    const double wy = terminalY(2);
    p.setPen(wire);
    p.drawLine(QPointF(termX + termW, wy), QPointF(element.left() - 8, wy));
    p.setPen(Qt::NoPen);
    p.setBrush(kInk);
    QPolygonF arrow;
    arrow << QPointF(element.left() - 1, wy) << QPointF(element.left() - 9, wy - 4)
          << QPointF(element.left() - 9, wy + 4);
    p.drawPolygon(arrow);
  } else {
    p.setPen(kInk);
    p.setFont(Font(11, true, true));
    p.drawText(QRectF(element.right() + 6, element.center().y() - 8, 30, 16), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("R"));
  }
  (void)r;
  return pm;
}

}  // namespace setrix::app::pictures
