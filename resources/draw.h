#pragma once
// Small drawing kit for the one-bit pictures of the documents: lines, boxes,
// filled shapes with clean one-pixel outlines, and a stroke font.
// Geometry is in pixels; the centre of pixel (x, y) is the point (x, y).
#include <functional>
#include <string_view>
#include <vector>

#include "raster/bitmap.h"

namespace setrix::resources::draw {

struct Pt {
  double x = 0, y = 0;
};

// An area given by its inside test at a pixel centre, with the pixel box that holds it.
struct Shape {
  std::function<bool(double x, double y)> inside;
  int left = 0, top = 0, right = -1, bottom = -1;  // inclusive bounds
};

Shape Disc(double cx, double cy, double r);
Shape Ring(double cx, double cy, double rOuter, double rInner);
// A box with rounded corners over the inclusive pixel range.
Shape RoundBox(int x0, int y0, int x1, int y1, double radius);
// Even-odd polygon.
Shape Polygon(std::vector<Pt> points);
// Every point within width/2 of the polyline: a pen stroke with round ends and joins.
Shape Stroke(std::vector<Pt> points, double width);

enum class Ink { Black, White };

// A one-bit canvas: palette black (index 0) and white (index 1), started all white.
class Canvas {
 public:
  Canvas(int width, int height);

  void Set(int x, int y, Ink ink = Ink::Black);
  bool IsBlack(int x, int y) const;

  // One-pixel line including both end points.
  void Line(int x0, int y0, int x1, int y1, Ink ink = Ink::Black);
  // Line drawn `on` pixels, skipping `off` pixels.
  void DashedLine(int x0, int y0, int x1, int y1, int on, int off);
  // Outline and fill of the inclusive pixel box.
  void Box(int x0, int y0, int x1, int y1, Ink ink = Ink::Black);
  void FillBox(int x0, int y0, int x1, int y1, Ink ink = Ink::Black);

  void Fill(const Shape& s, Ink ink = Ink::Black);
  // The shape's edge: inside pixels with a 4-neighbour outside.
  void Outline(const Shape& s, Ink ink = Ink::Black);
  // Fills the inside white and draws the edge black.
  void Solid(const Shape& s);
  // Diagonal hatching (lines x - y = const every `step` pixels) inside the shape.
  void Hatch(const Shape& s, int step);

  const raster::Bitmap& Bitmap() const { return bitmap_; }
  raster::Bitmap Take() { return std::move(bitmap_); }

 private:
  raster::Bitmap bitmap_;
};

// Stroke lettering for the letters the pictures need ("Z", "a", "e", "l", "n", "r", "t").
// capHeight is the height of the pen's centre line on a capital, spacing the gap
// between the inked letters as a fraction of capHeight, pen the pen width; the ink
// reaches pen/2 beyond the centre lines.
struct Lettering {
  double capHeight = 10;
  double spacing = 0.2;
  double pen = 1;
  double widthScale = 1;  // > 1 draws extended letters
};
// Width of the inked text.
double TextWidth(std::string_view text, const Lettering& l);
// Draws the text with the ink's left edge at x and the centre line of the baseline at
// y. A character without a glyph throws std::invalid_argument.
void Text(Canvas& c, std::string_view text, double x, double baseline, const Lettering& l, Ink ink = Ink::Black);

}  // namespace setrix::resources::draw
