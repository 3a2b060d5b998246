#include "resources/pictures.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "resources/board_banks.h"
#include "resources/draw.h"

namespace setrix::resources {

namespace {

using draw::Canvas;
using draw::Ink;
using draw::Pt;

// Inclusive pixel rectangle.
struct Rect {
  int left = 0, top = 0, right = -1, bottom = -1;
  bool Meets(const Rect& o) const {
    return left <= o.right && o.left <= right && top <= o.bottom && o.top <= bottom;
  }
};

Rect Unite(Rect a, Rect b) {
  return {std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
          std::max(a.bottom, b.bottom)};
}

Rect Grow(Rect r, int by) { return {r.left - by, r.top - by, r.right + by, r.bottom + by}; }

// ---------------------------------------------------------------------------
// Board pictures: a side view of the housing with the board inside. The
// documents paint the switch banks onto the board at fixed places, so those
// places (and the spots for the bank names) are kept free of any drawing.

constexpr int kBoardWidth = 255, kBoardHeight = 196;
// The printed documents stretch the board picture to 7.6 cm.
constexpr double kBoardPixelsPerCm = kBoardWidth / 7.6;

using NameAt = BankNamePlace;

Rect BankArea(const BankPlace& b) {
  const int along = 8 * b.count + 5, across = 37;
  const int w = b.Vertical() ? across : along, h = b.Vertical() ? along : across;
  const Rect pdf{b.left, b.top, b.left + w - 1, b.top + h - 1};
  const double s = kBoardPixelsPerCm;
  const double pw = b.widthCm * s, ph = pw * h / w;
  const Rect print{static_cast<int>(std::floor(b.xCm * s)), static_cast<int>(std::floor(b.yCm * s)),
                   static_cast<int>(std::ceil(b.xCm * s + pw)) - 1,
                   static_cast<int>(std::ceil(b.yCm * s + ph)) - 1};
  return Unite(pdf, print);
}

// Room for the bank's name ("S1", 8 pt bold: about 20 x 10 picture pixels) beside it.
Rect NameArea(const BankPlace& b, Rect bank) {
  switch (b.namePlace) {
    case NameAt::RightOfTop: return {bank.right + 1, bank.top, bank.right + 24, bank.top + 12};
    case NameAt::AboveLeft: return {bank.left, bank.top - 13, bank.left + 22, bank.top - 1};
    case NameAt::RightOfBottom: return {bank.right + 1, bank.bottom - 12, bank.right + 22, bank.bottom + 1};
  }
  return {};
}

// The frequency converter's banks sit elsewhere on the board of the thermocouple and RTD
// converters: that board keeps all four places clear.
const std::array<BankPlace, 4> kRtdBanks{
    {kTemperatureBankPlaces[0], kTemperatureBankPlaces[1], kFrqBankPlaces[0], kFrqBankPlaces[1]}};

// Everything the documents paint or write onto the board.
template <std::size_t N>
std::vector<Rect> KeepClear(const std::array<BankPlace, N>& banks) {
  std::vector<Rect> out;
  for (const BankPlace& b : banks) {
    const Rect area = BankArea(b);
    out.push_back(Grow(area, 2));
    out.push_back(NameArea(b, area));
  }
  return out;
}

// The housing outline, back (DIN rail side) on the left, front on the right. The
// front is stepped: two terminal levels at the top, the front plate in the
// middle, two terminal levels at the bottom, as the terminal plans show them.
constexpr int kBack = 14, kTop = 4, kBottom = 192;
constexpr int kStep1 = 222, kStep2 = 236, kFront = 250;                            // x of the front faces
constexpr int kTopRow1 = 25, kTopRow2 = 44, kBottomRow2 = 152, kBottomRow1 = 171;  // y of the steps

// The board inside the housing.
constexpr Rect kBoard{18, 8, 198, 188};

void DrawRail(Canvas& c) {
  // Cross-section of the 35 mm top-hat rail the module clips onto.
  c.Fill(draw::Polygon({{2.5, 71.5},
                        {11.5, 71.5},
                        {11.5, 63.5},
                        {13.5, 63.5},
                        {13.5, 73.5},
                        {4.5, 73.5},
                        {4.5, 122.5},
                        {13.5, 122.5},
                        {13.5, 132.5},
                        {11.5, 132.5},
                        {11.5, 124.5},
                        {2.5, 124.5}}));
}

void DrawHousing(Canvas& c) {
  const std::vector<std::array<int, 2>> outline{
      {kBack, kTop},         {kStep1, kTop},        {kStep1, kTopRow1},    {kStep2, kTopRow1},
      {kStep2, kTopRow2},    {kFront, kTopRow2},    {kFront, kBottomRow2}, {kStep2, kBottomRow2},
      {kStep2, kBottomRow1}, {kStep1, kBottomRow1}, {kStep1, kBottom},     {kBack, kBottom}};
  for (std::size_t i = 0; i < outline.size(); ++i) {
    const auto& a = outline[i];
    const auto& b = outline[(i + 1) % outline.size()];
    c.Line(a[0], a[1], b[0], b[1]);
  }
  // Front plate in the middle, and the rail latch at the bottom of the back.
  c.Line(kFront - 4, kTopRow2 + 4, kFront - 4, kBottomRow2 - 4);
  c.Line(kFront - 4, kTopRow2 + 4, kFront, kTopRow2 + 4);
  c.Line(kFront - 4, kBottomRow2 - 4, kFront, kBottomRow2 - 4);
  c.Box(kBack + 4, kBottom, kBack + 24, kBottom + 3);
  c.FillBox(kBack + 18, kBottom + 1, kBack + 21, kBottom + 2, Ink::White);
  c.Box(kBack + 18, kBottom + 1, kBack + 21, kBottom + 2);
  DrawRail(c);
}

// A screw terminal seen from the side: the clamp body, the wire entry from the
// housing face above (top terminals) or below it, and the screw entering from the
// front face.
void DrawTerminal(Canvas& c, int clampLeft, int face, int row, int entryFace) {
  const int clampTop = row - 6, clampBottom = row + 6;
  c.Box(clampLeft, clampTop, face - 8, clampBottom);
  const int ex = clampLeft + 2;
  const int near = entryFace < row ? clampTop : clampBottom;
  c.Line(ex, entryFace, ex, near);
  c.Line(ex + 6, entryFace, ex + 6, near);
  c.Line(ex + 1, entryFace, ex + 5, entryFace, Ink::White);
  c.Box(face - 7, row - 4, face - 2, row + 4);
  c.Line(face - 4, row - 2, face - 4, row + 2);
}

void DrawTerminals(Canvas& c) {
  // Rows as in the terminal plans (13, 32, 169 and 188 of 202), scaled to the housing.
  auto rowY = [](int n) { return static_cast<int>(std::lround(kTop + n * (kBottom - kTop) / 202.0)); };
  DrawTerminal(c, 202, kStep1, rowY(13), kTop);
  DrawTerminal(c, 216, kStep2, rowY(32), kTopRow1);
  DrawTerminal(c, 216, kStep2, rowY(169), kBottomRow1);
  DrawTerminal(c, 202, kStep1, rowY(188), kBottom);
}

void DrawBoardOutline(Canvas& c) {
  c.Box(kBoard.left, kBoard.top, kBoard.right, kBoard.bottom);
  for (const auto& [x, y] : std::array<std::array<double, 2>, 4>{{{kBoard.left + 5.0, kBoard.top + 5.0},
                                                                  {kBoard.right - 5.0, kBoard.top + 5.0},
                                                                  {kBoard.left + 5.0, kBoard.bottom - 5.0},
                                                                  {kBoard.right - 5.0, kBoard.bottom - 5.0}}}) {
    c.Outline(draw::Disc(x, y, 3.2));
  }
}

// --- parts on the board --------------------------------------------------

// Dual in-line chip seen from above, pins on the long sides, notch at pin 1's end.
void Chip(Canvas& c, int x, int y, int pinsPerSide, bool vertical) {
  const int len = pinsPerSide * 5 + 3, across = 11;
  const int x1 = vertical ? x + across : x + len, y1 = vertical ? y + len : y + across;
  c.Box(x, y, x1, y1);
  const double nx = vertical ? x + across / 2.0 : x, ny = vertical ? y : y + across / 2.0;
  c.Outline({[=](double px, double py) {
               return (px - nx) * (px - nx) + (py - ny) * (py - ny) <= 2.6 * 2.6 && px >= x && py >= y;
             },
             x - 3, y - 3, x + across, y + across});
  for (int i = 0; i < pinsPerSide; ++i) {
    const int p = (vertical ? y : x) + 3 + 5 * i;
    if (vertical) {
      c.FillBox(x - 3, p, x - 1, p + 1);
      c.FillBox(x1 + 1, p, x1 + 3, p + 1);
    } else {
      c.FillBox(p, y - 3, p + 1, y - 1);
      c.FillBox(p, y1 + 1, p + 1, y1 + 3);
    }
  }
}

// Resistor or diode with its leads; `band` marks a diode's cathode.
void Resistor(Canvas& c, int x, int y, int length, bool vertical, bool band = false) {
  const int body0 = 4, body1 = length - 4;
  if (!vertical) {
    c.Line(x, y, x + length, y);
    c.Solid(draw::RoundBox(x + body0, y - 2, x + body1, y + 2, 1.5));
    if (band) c.FillBox(x + body1 - 3, y - 2, x + body1 - 2, y + 2);
    c.Fill(draw::Disc(x, y, 1.2));
    c.Fill(draw::Disc(x + length, y, 1.2));
  } else {
    c.Line(x, y, x, y + length);
    c.Solid(draw::RoundBox(x - 2, y + body0, x + 2, y + body1, 1.5));
    if (band) c.FillBox(x - 2, y + body1 - 3, x + 2, y + body1 - 2);
    c.Fill(draw::Disc(x, y, 1.2));
    c.Fill(draw::Disc(x, y + length, 1.2));
  }
}

// Electrolytic capacitor from above: the can with its minus stripe.
void Capacitor(Canvas& c, double cx, double cy, double r) {
  c.Outline(draw::Disc(cx, cy, r));
  c.Outline(draw::Disc(cx, cy, r - 2.5));
  const draw::Shape ring = draw::Ring(cx, cy, r, r - 2.5);
  c.Fill({[=](double x, double y) { return ring.inside(x, y) && x < cx - r * 0.35; }, ring.left, ring.top,
          ring.right, ring.bottom});
}

// Small ceramic capacitor.
void SmallCapacitor(Canvas& c, int x, int y, bool vertical) {
  if (vertical) {
    c.Solid(draw::RoundBox(x - 3, y, x + 3, y + 8, 1.5));
  } else {
    c.Solid(draw::RoundBox(x, y - 3, x + 8, y + 3, 1.5));
  }
}

// Transformer of the isolating supply: core with two windings.
void Transformer(Canvas& c, int x0, int y0, int x1, int y1) {
  c.Box(x0, y0, x1, y1);
  c.Box(x0 + 3, y0 + 3, x1 - 3, y1 - 3);
  const int mid = (x0 + x1) / 2;
  const draw::Shape w1 = draw::RoundBox(x0 + 6, y0 + 6, mid - 2, y1 - 6, 2);
  const draw::Shape w2 = draw::RoundBox(mid + 2, y0 + 6, x1 - 6, y1 - 6, 2);
  c.Solid(w1);
  c.Solid(w2);
  c.Hatch(w1, 3);
  c.Hatch(w2, 3);
}

// Trimming potentiometer at the board's front edge, reached through an opening in
// the front plate (dashed: the screwdriver's axis).
void Trimmer(Canvas& c, int x, int centreY) {
  c.Box(x, centreY - 6, x + 11, centreY + 6);
  c.Outline(draw::Disc(x + 5.5, centreY, 4.0));
  c.Line(x + 3, centreY + 2, x + 8, centreY - 3);
  c.DashedLine(x + 13, centreY, kFront - 6, centreY, 4, 2);
  c.FillBox(kFront - 4, centreY - 2, kFront, centreY + 2, Ink::White);
  c.Line(kFront - 4, centreY - 3, kFront, centreY - 3);
  c.Line(kFront - 4, centreY + 3, kFront, centreY + 3);
}

void DrawDcParts(Canvas& c) {
  // Input amplifier and its divider.
  Chip(c, 26, 20, 4, false);
  Chip(c, 54, 20, 4, false);
  for (int i = 0; i < 4; ++i) Resistor(c, 26, 46 + 8 * i, 22, false);
  for (int i = 0; i < 4; ++i) Resistor(c, 56, 46 + 8 * i, 20, false);
  SmallCapacitor(c, 24, 82, false);
  SmallCapacitor(c, 38, 82, false);
  // Reference resistors between the banks.
  for (int i = 0; i < 6; ++i) Resistor(c, 88 + 8 * i, 14, 26, true);
  SmallCapacitor(c, 137, 16, true);
  Capacitor(c, 178, 25, 10);
  // Isolating supply and output stage.
  Transformer(c, 100, 118, 150, 152);
  Chip(c, 95, 164, 4, false);
  Chip(c, 127, 164, 4, false);
  Chip(c, 148, 88, 3, true);
  Capacitor(c, 168, 168, 11);
  for (int i = 0; i < 3; ++i) Resistor(c, 158 + 7 * i, 118, 22, true, i == 2);
  Resistor(c, 80, 118, 12, true, true);
  Resistor(c, 88, 118, 12, true, true);
  // Zero and span trimmers at the front edge.
  Trimmer(c, 185, 106);
  Trimmer(c, 185, 129);
}

void DrawRtdParts(Canvas& c) {
  // Input stage and converter.
  Chip(c, 26, 18, 4, false);
  Chip(c, 58, 18, 4, false);
  for (int i = 0; i < 3; ++i) Resistor(c, 24 + 20 * i, 42, 16, false);
  Chip(c, 28, 58, 7, true);
  for (int i = 0; i < 3; ++i) Resistor(c, 50 + 7 * i, 58, 24, true, i == 2);
  for (int i = 0; i < 3; ++i) Resistor(c, 50 + 7 * i, 88, 20, true);
  SmallCapacitor(c, 24, 110, false);
  SmallCapacitor(c, 38, 110, false);
  SmallCapacitor(c, 52, 114, true);
  SmallCapacitor(c, 24, 122, false);
  SmallCapacitor(c, 38, 122, false);
  // Isolating supply and output stage.
  Transformer(c, 134, 122, 182, 156);
  Chip(c, 110, 168, 4, false);
  Resistor(c, 106, 152, 22, false, true);
  Resistor(c, 106, 159, 22, false);
  Capacitor(c, 160, 172, 9);
  Capacitor(c, 178, 24, 10);
  SmallCapacitor(c, 172, 42, true);
  SmallCapacitor(c, 172, 100, true);
  // Zero and span trimmers at the front edge.
  Trimmer(c, 186, 81);
  Trimmer(c, 186, 104);
}

template <std::size_t N>
raster::Bitmap Board(const std::array<BankPlace, N>& banks, void (*parts)(Canvas&)) {
  Canvas c(kBoardWidth, kBoardHeight);
  DrawHousing(c);
  DrawTerminals(c);
  DrawBoardOutline(c);
  parts(c);
  // The parts are laid out around these areas; wiping them keeps that promise.
  for (const Rect& r : KeepClear(banks)) c.FillBox(r.left, r.top, r.right, r.bottom, Ink::White);
  return c.Take();
}

// ---------------------------------------------------------------------------
// Terminal plans: the module from the front, 202 pixels high; the documents
// write the terminal numbers and the potentiometer names at fractions n/202.

constexpr int kPlanHeight = 202;

struct PlanSpec {
  int width;
  int columns;                 // terminals per row
  bool bottomOuterRow;         // the lowest row is fitted
  int potColumn;               // -1: no potentiometers
  std::array<int, 2> potRows;  // n of Zero and Span
  bool led;
};

double ColumnX(const PlanSpec& p, int col) {
  // Equal cells across the plan, centred.
  const double pitch = p.columns == 2 ? 12 : 11;
  return (p.width - 1) / 2.0 + (col - (p.columns - 1) / 2.0) * pitch;
}

// Slotted screw head from the front; cy is a whole pixel row.
void Screw(Canvas& c, double cx, int cy, double r) {
  c.Outline(draw::Disc(cx, cy, r));
  const int half = static_cast<int>(std::floor(r - 1));
  c.Line(static_cast<int>(std::ceil(cx - half)), cy, static_cast<int>(std::floor(cx + half)), cy);
}

raster::Bitmap Plan(const PlanSpec& p) {
  Canvas c(p.width, kPlanHeight);
  const int w = p.width - 1, h = kPlanHeight - 1;
  c.Outline(draw::RoundBox(0, 0, w, h, 2));
  // Terminal rows at n = 13, 32 (top) and 169, 188 (bottom); the steps between the
  // levels are drawn as lines.
  for (int y : {22, 42, 159, 179}) c.Line(1, y, w - 1, y);
  const double r = 4.4;
  std::vector<int> rows{13, 32, 169};
  if (p.bottomOuterRow) rows.push_back(188);
  for (int row : rows)
    for (int col = 0; col < p.columns; ++col) Screw(c, ColumnX(p, col), row, r);
  // Front plate: potentiometer openings, the label field and, if fitted, the LED.
  const int labelLeft = p.potColumn == 0 ? static_cast<int>(ColumnX(p, 1)) - 2 : 3;
  const int labelRight = p.potColumn == 0 ? w - 3 : static_cast<int>(ColumnX(p, 0)) + 4;
  c.Outline(draw::RoundBox(labelLeft, 52, labelRight, 150, 1.5));
  if (p.potColumn >= 0) {
    for (int row : p.potRows) {
      // The trimmer's screw in its collar.
      const double cx = ColumnX(p, p.potColumn);
      c.Fill(draw::Ring(cx, row, 5.0, 3.3));
      c.Line(static_cast<int>(std::ceil(cx - 2)), row, static_cast<int>(std::floor(cx + 2)), row);
    }
  }
  if (p.led) {
    const double cx = ColumnX(p, p.columns - 1);
    c.Outline(draw::Disc(cx, 59.5, 3.3));
    c.Fill(draw::Disc(cx, 59.5, 1.2));
  }
  return c.Take();
}

// ---------------------------------------------------------------------------
// Lever legend: one switch of a bank, enlarged, with the word ON above it.

constexpr std::array<const char*, 6> kOnGlyph{".XXX..X...X", "X...X.XX..X", "X...X.X.X.X",
                                              "X...X.X.X.X", "X...X.X..XX", ".XXX..X...X"};

raster::Bitmap Lever(bool on) {
  Canvas c(15, 37);
  for (int i = 0; i < static_cast<int>(kOnGlyph.size()); ++i)
    for (int j = 0; kOnGlyph[i][j]; ++j)
      if (kOnGlyph[i][j] == 'X') c.Set(2 + j, 1 + i);
  c.Box(1, 9, 13, 35);
  c.Box(4, 12, 10, 32);
  if (on)
    c.FillBox(5, 13, 9, 22);
  else
    c.FillBox(5, 22, 9, 31);
  return c.Take();
}

// ---------------------------------------------------------------------------
// The maker's logo: an emblem and the name in extended lettering.

raster::Bitmap Logo() {
  Canvas c(932, 125);
  c.Fill(draw::RoundBox(2, 2, 122, 122, 22));
  c.Fill(draw::Stroke({{34, 34}, {90, 34}, {34, 90}, {90, 90}}, 15), Ink::White);
  draw::Lettering l;
  l.capHeight = 88;
  l.pen = 17;
  l.spacing = 0.32;
  l.widthScale = 1.45;
  const double width = draw::TextWidth("Zantrel", l);
  const double x = 150 + (928 - 150 - width) / 2;
  draw::Text(c, "Zantrel", x, 111, l);
  return c.Take();
}

constexpr std::array<std::string_view, 9> kNames{"PCB_DC",    "PCB_RTD", "KP_DC",   "KP_FRQ", "KP_RTD",
                                                 "KP_THERMO", "BMP_ON",  "BMP_OFF", "ZTLOGO"};

}  // namespace

std::span<const std::string_view> DocumentPictureNames() { return kNames; }

namespace {

[[noreturn]] void UnknownPicture(std::string_view name) {
  std::string known;
  for (std::string_view n : kNames) known += (known.empty() ? "" : ", ") + std::string(n);
  throw std::invalid_argument("Picture: unknown picture name \"" + std::string(name) + "\"; known are " + known);
}

int PictureNumber(std::string_view name) {
  for (std::size_t i = 0; i < kNames.size(); ++i)
    if (kNames[i] == name) return static_cast<int>(i);
  return -1;
}

raster::Bitmap DrawNumber(int i) {
  switch (i) {
    case 0: return Board(kDcBankPlaces, DrawDcParts);
    case 1: return Board(kRtdBanks, DrawRtdParts);
    case 2: return Plan({26, 2, true, 1, {110, 134}, false});
    case 3: return Plan({26, 2, true, -1, {}, true});
    case 4: return Plan({36, 3, true, 0, {83, 107}, false});
    case 5: return Plan({36, 3, false, 0, {83, 107}, false});
    case 6: return Lever(true);
    case 7: return Lever(false);
    case 8: return Logo();
  }
  return {};
}

// One function-local static per picture: drawn on first use; the language makes threads
// that meet at the first use wait for the one drawing, so each picture is drawn once.
template <int I>
const raster::Bitmap& Cached() {
  static const raster::Bitmap picture = DrawNumber(I);
  return picture;
}

template <std::size_t... I>
constexpr std::array<const raster::Bitmap& (*)(), sizeof...(I)> CacheTable(std::index_sequence<I...>) {
  return {&Cached<static_cast<int>(I)>...};
}

constexpr auto kCache = CacheTable(std::make_index_sequence<kNames.size()>());

}  // namespace

const raster::Bitmap& Picture(std::string_view name) {
  const int i = PictureNumber(name);
  if (i < 0) UnknownPicture(name);
  return kCache[static_cast<std::size_t>(i)]();
}

raster::Bitmap DrawPicture(std::string_view name) {
  const int i = PictureNumber(name);
  if (i < 0) UnknownPicture(name);
  return DrawNumber(i);
}

}  // namespace setrix::resources
