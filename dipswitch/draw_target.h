#pragma once
// The drawing surface of a DIP switch bank.
//
// The bank is drawn from a handful of pixel operations, so the very same drawing code
// paints the control on screen (a widget implements DrawTarget over its own canvas)
// and the pictures for documents (BitmapTarget below).
//
// Conventions, shared by every implementation:
// - Coordinates are pixels; x grows to the right, y downwards, (0, 0) is the top-left
//   pixel of the surface.
// - A box (l, t, r, b) covers the pixels l <= x < r and t <= y < b; an empty box
//   (r <= l or b <= t) covers nothing.
// - Pixels outside the surface are clipped silently; no operation fails.
// - Colours are 0xRRGGBB, opaque; a pixel takes the colour, nothing is blended.
#include "raster/bitmap.h"

namespace setrix::dipswitch {

using raster::Color;

class DrawTarget {
 public:
  virtual ~DrawTarget() = default;

  // Called first at every full drawing with the size the bank wants. A control resizes
  // itself to it; a bitmap is resized. Pixels the drawing does not reach keep what the
  // surface shows there (a bitmap: its cleared state).
  virtual void SetSize(int width, int height) = 0;

  // Sets one pixel.
  virtual void SetPixel(int x, int y, Color c) = 0;

  // Fills the box (l, t, r, b). The default sets every pixel through SetPixel.
  virtual void FillRect(int l, int t, int r, int b, Color c);

  // The one-pixel ring on the border of the box (l, t, r, b): columns l and r - 1, rows
  // t and b - 1, inside the box. The default draws it through SetPixel.
  virtual void FrameRect(int l, int t, int r, int b, Color c);

  // A one-pixel line from (x0, y0) towards (x1, y1), covering its pixels without the end
  // point. The bank draws only horizontal and vertical lines; the default handles any
  // direction (Bresenham) through SetPixel.
  virtual void Line(int x0, int y0, int x1, int y1, Color c);
};

// Draws into a raster::Bitmap. SetSize resizes the bitmap (keeping its depth and palette).
// In an indexed bitmap a colour is stored as the nearest palette entry.
class BitmapTarget final : public DrawTarget {
 public:
  explicit BitmapTarget(raster::Bitmap& bitmap) : bitmap_(bitmap) {}

  void SetSize(int width, int height) override;
  void SetPixel(int x, int y, Color c) override;
  void FillRect(int l, int t, int r, int b, Color c) override;

  raster::Bitmap& Bitmap() { return bitmap_; }

 private:
  std::uint32_t ValueOf(Color c);

  raster::Bitmap& bitmap_;
  // The last colour looked up in an indexed bitmap's palette, and its entry.
  Color cachedColor_ = 0;
  int cachedIndex_ = -1;
};

}  // namespace setrix::dipswitch
