#include "resources/draw.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <stdexcept>
#include <string>

namespace setrix::resources::draw {

namespace {

constexpr std::uint8_t kBlack = 0, kWhite = 1;

std::uint8_t IndexOf(Ink ink) { return ink == Ink::Black ? kBlack : kWhite; }

// Squared distance from p to the segment a-b.
double SegmentDistance2(Pt p, Pt a, Pt b) {
  const double dx = b.x - a.x, dy = b.y - a.y;
  const double len2 = dx * dx + dy * dy;
  double t = len2 > 0 ? ((p.x - a.x) * dx + (p.y - a.y) * dy) / len2 : 0;
  t = std::clamp(t, 0.0, 1.0);
  const double ex = a.x + t * dx - p.x, ey = a.y + t * dy - p.y;
  return ex * ex + ey * ey;
}

Shape Bounded(std::function<bool(double, double)> inside, double l, double t, double r, double b) {
  return {std::move(inside), static_cast<int>(std::floor(l)) - 1, static_cast<int>(std::floor(t)) - 1,
          static_cast<int>(std::ceil(r)) + 1, static_cast<int>(std::ceil(b)) + 1};
}

}  // namespace

Shape Disc(double cx, double cy, double r) {
  return Bounded([=](double x, double y) { return (x - cx) * (x - cx) + (y - cy) * (y - cy) <= r * r; }, cx - r,
                 cy - r, cx + r, cy + r);
}

Shape Ring(double cx, double cy, double rOuter, double rInner) {
  return Bounded(
      [=](double x, double y) {
        const double d2 = (x - cx) * (x - cx) + (y - cy) * (y - cy);
        return d2 <= rOuter * rOuter && d2 > rInner * rInner;
      },
      cx - rOuter, cy - rOuter, cx + rOuter, cy + rOuter);
}

Shape RoundBox(int x0, int y0, int x1, int y1, double radius) {
  // Corner arcs centred so that the straight edges lie on the outer pixel rows.
  const double l = x0 + radius, r = x1 - radius, t = y0 + radius, b = y1 - radius;
  const double rr = radius + 0.5;
  return Bounded(
      [=](double x, double y) {
        if (x < x0 || x > x1 || y < y0 || y > y1) return false;
        const double cx = std::clamp(x, l, r), cy = std::clamp(y, t, b);
        return (x - cx) * (x - cx) + (y - cy) * (y - cy) <= rr * rr;
      },
      x0, y0, x1, y1);
}

Shape Polygon(std::vector<Pt> pts) {
  double l = 1e9, t = 1e9, r = -1e9, b = -1e9;
  for (const Pt& p : pts) {
    l = std::min(l, p.x), r = std::max(r, p.x), t = std::min(t, p.y), b = std::max(b, p.y);
  }
  return Bounded(
      [pts = std::move(pts)](double x, double y) {
        bool in = false;
        for (std::size_t i = 0, j = pts.size() - 1; i < pts.size(); j = i++) {
          const Pt& a = pts[i];
          const Pt& c = pts[j];
          if ((a.y > y) != (c.y > y) && x < (c.x - a.x) * (y - a.y) / (c.y - a.y) + a.x) in = !in;
        }
        return in;
      },
      l, t, r, b);
}

Shape Stroke(std::vector<Pt> pts, double width) {
  double l = 1e9, t = 1e9, r = -1e9, b = -1e9;
  for (const Pt& p : pts) {
    l = std::min(l, p.x), r = std::max(r, p.x), t = std::min(t, p.y), b = std::max(b, p.y);
  }
  const double h = width / 2, h2 = h * h;
  Shape shape = Bounded(nullptr, l - h, t - h, r + h, b + h);
  // The pixel centres of the bounds are marked segment by segment, each segment measured
  // only against the pixels near it, so that the work follows the ink, not the bounds
  // times the segments.
  const int left = shape.left, top = shape.top;
  const int w = std::max(0, shape.right - left + 1), rows = std::max(0, shape.bottom - top + 1);
  std::vector<std::uint8_t> mask(static_cast<std::size_t>(w) * static_cast<std::size_t>(rows), 0);
  const auto mark = [&](Pt a, Pt c) {
    const int x0 = std::max(left, static_cast<int>(std::floor(std::min(a.x, c.x) - h)) - 1);
    const int x1 = std::min(left + w - 1, static_cast<int>(std::ceil(std::max(a.x, c.x) + h)) + 1);
    const int y0 = std::max(top, static_cast<int>(std::floor(std::min(a.y, c.y) - h)) - 1);
    const int y1 = std::min(top + rows - 1, static_cast<int>(std::ceil(std::max(a.y, c.y) + h)) + 1);
    for (int y = y0; y <= y1; ++y) {
      std::uint8_t* row = mask.data() + static_cast<std::size_t>(y - top) * static_cast<std::size_t>(w);
      for (int x = x0; x <= x1; ++x)
        if (!row[x - left] && SegmentDistance2({double(x), double(y)}, a, c) <= h2) row[x - left] = 1;
    }
  };
  if (pts.size() == 1) mark(pts[0], pts[0]);
  for (std::size_t i = 1; i < pts.size(); ++i) mark(pts[i - 1], pts[i]);
  // Whole pixel centres read the marks; any other point is measured.
  shape.inside = [pts = std::move(pts), h2, mask = std::move(mask), left, top, w, rows](double x, double y) {
    const double fx = std::floor(x), fy = std::floor(y);
    if (fx == x && fy == y) {
      if (x < left || y < top || x >= left + w || y >= top + rows) return false;
      return mask[static_cast<std::size_t>(y - top) * static_cast<std::size_t>(w) +
                  static_cast<std::size_t>(x - left)] != 0;
    }
    if (pts.size() == 1) return SegmentDistance2({x, y}, pts[0], pts[0]) <= h2;
    for (std::size_t i = 1; i < pts.size(); ++i)
      if (SegmentDistance2({x, y}, pts[i - 1], pts[i]) <= h2) return true;
    return false;
  };
  return shape;
}

Canvas::Canvas(int width, int height) : bitmap_(width, height, 1) {
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) bitmap_.SetIndex(x, y, kWhite);
}

void Canvas::Set(int x, int y, Ink ink) { bitmap_.SetIndex(x, y, IndexOf(ink)); }

bool Canvas::IsBlack(int x, int y) const {
  return x >= 0 && y >= 0 && x < bitmap_.Width() && y < bitmap_.Height() && bitmap_.Index(x, y) == kBlack;
}

void Canvas::Line(int x0, int y0, int x1, int y1, Ink ink) {
  const int dx = std::abs(x1 - x0), dy = -std::abs(y1 - y0);
  const int sx = x0 < x1 ? 1 : -1, sy = y0 < y1 ? 1 : -1;
  int err = dx + dy;
  for (;;) {
    Set(x0, y0, ink);
    if (x0 == x1 && y0 == y1) break;
    const int e2 = 2 * err;
    if (e2 >= dy) err += dy, x0 += sx;
    if (e2 <= dx) err += dx, y0 += sy;
  }
}

void Canvas::DashedLine(int x0, int y0, int x1, int y1, int on, int off) {
  const int dx = std::abs(x1 - x0), dy = -std::abs(y1 - y0);
  const int sx = x0 < x1 ? 1 : -1, sy = y0 < y1 ? 1 : -1;
  int err = dx + dy;
  for (int n = 0;; ++n) {
    if (n % (on + off) < on) Set(x0, y0);
    if (x0 == x1 && y0 == y1) break;
    const int e2 = 2 * err;
    if (e2 >= dy) err += dy, x0 += sx;
    if (e2 <= dx) err += dx, y0 += sy;
  }
}

void Canvas::Box(int x0, int y0, int x1, int y1, Ink ink) {
  Line(x0, y0, x1, y0, ink);
  Line(x0, y1, x1, y1, ink);
  Line(x0, y0, x0, y1, ink);
  Line(x1, y0, x1, y1, ink);
}

void Canvas::FillBox(int x0, int y0, int x1, int y1, Ink ink) {
  for (int y = std::min(y0, y1); y <= std::max(y0, y1); ++y)
    for (int x = std::min(x0, x1); x <= std::max(x0, x1); ++x) Set(x, y, ink);
}

void Canvas::Fill(const Shape& s, Ink ink) {
  for (int y = s.top; y <= s.bottom; ++y)
    for (int x = s.left; x <= s.right; ++x)
      if (s.inside(x, y)) Set(x, y, ink);
}

void Canvas::Outline(const Shape& s, Ink ink) {
  for (int y = s.top; y <= s.bottom; ++y)
    for (int x = s.left; x <= s.right; ++x)
      if (s.inside(x, y) &&
          (!s.inside(x - 1, y) || !s.inside(x + 1, y) || !s.inside(x, y - 1) || !s.inside(x, y + 1)))
        Set(x, y, ink);
}

void Canvas::Solid(const Shape& s) {
  Fill(s, Ink::White);
  Outline(s);
}

void Canvas::Hatch(const Shape& s, int step) {
  for (int y = s.top; y <= s.bottom; ++y)
    for (int x = s.left; x <= s.right; ++x)
      if (((x - y) % step + step) % step == 0 && s.inside(x, y)) Set(x, y);
}

// ---------------------------------------------------------------------------
// Stroke font: a geometric sans. Glyph coordinates have the cap height 1 and the
// x-height 0.68, y upwards from the baseline; each glyph is a set of pen paths.

namespace {

struct Glyph {
  double advance;  // width of the centre lines
  std::vector<std::vector<Pt>> paths;
};

constexpr double kX = 0.68;  // x-height

// Points along a circular arc, angles in degrees counter-clockwise from the +x axis.
std::vector<Pt> Arc(double cx, double cy, double r, double from, double to, std::vector<Pt> prefix = {}) {
  const int n = std::max(8, static_cast<int>(std::abs(to - from) / 6));
  for (int i = 0; i <= n; ++i) {
    const double a = (from + (to - from) * i / n) * std::numbers::pi / 180;
    prefix.push_back({cx + r * std::cos(a), cy + r * std::sin(a)});
  }
  return prefix;
}

std::vector<Pt> Then(std::vector<Pt> path, std::initializer_list<Pt> more) {
  path.insert(path.end(), more);
  return path;
}

const Glyph* FindGlyph(char ch) {
  static const double r = kX / 2;
  static const Glyph z{0.72, {{{0, 1}, {0.72, 1}, {0, 0}, {0.72, 0}}}};
  static const Glyph a{kX, {Arc(r, r, r, 0, 360), {{kX, kX}, {kX, 0}}}};
  static const Glyph e{kX, {Arc(r, r, r, 0, 315), {{0, r}, {kX, r}}}};
  static const Glyph l{0, {{{0, 1}, {0, 0}}}};
  static const Glyph n{0.58, {{{0, 0}, {0, kX}}, Then(Arc(0.29, kX - 0.29, 0.29, 180, 0), {{0.58, 0}})}};
  static const Glyph rr{0.36, {{{0, 0}, {0, kX}}, Arc(0.29, kX - 0.29, 0.29, 180, 55)}};
  static const Glyph t{0.36, {{{0.13, 0.92}, {0.13, 0}}, {{0, kX}, {0.36, kX}}}};
  switch (ch) {
    case 'Z': return &z;
    case 'a': return &a;
    case 'e': return &e;
    case 'l': return &l;
    case 'n': return &n;
    case 'r': return &rr;
    case 't': return &t;
    default: return nullptr;
  }
}

const Glyph& GlyphOf(char ch) {
  if (const Glyph* g = FindGlyph(ch)) return *g;
  throw std::invalid_argument(std::string("draw::Text: no glyph for the character '") + ch +
                              "'; the lettering knows Z, a, e, l, n, r and t");
}

}  // namespace

double TextWidth(std::string_view text, const Lettering& l) {
  double w = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    w += GlyphOf(text[i]).advance * l.capHeight * l.widthScale + l.pen;
    if (i + 1 < text.size()) w += l.spacing * l.capHeight;
  }
  return w;
}

void Text(Canvas& c, std::string_view text, double x, double baseline, const Lettering& l, Ink ink) {
  double origin = x + l.pen / 2;
  for (char ch : text) {
    const Glyph& g = GlyphOf(ch);
    for (const auto& path : g.paths) {
      std::vector<Pt> pts;
      for (const Pt& p : path)
        pts.push_back({origin + p.x * l.capHeight * l.widthScale, baseline - p.y * l.capHeight});
      c.Fill(Stroke(std::move(pts), l.pen), ink);
    }
    origin += g.advance * l.capHeight * l.widthScale + l.pen + l.spacing * l.capHeight;
  }
}

}  // namespace setrix::resources::draw
