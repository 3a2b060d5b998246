#pragma once
// A device-independent bitmap: width, height, pixel depth, palette and rows.
// Depths 1, 4 and 8 are indexed through the palette; 24 holds RGB per pixel.
#include <cstddef>
#include <cstdint>
#include <vector>

namespace setrix::raster {

struct Rgb {
  std::uint8_t r = 0, g = 0, b = 0;
  friend bool operator==(const Rgb&, const Rgb&) = default;
};

// 0xRRGGBB packed colour, the form the drawing code passes around.
using Color = std::uint32_t;
constexpr Rgb ToRgb(Color c) {
  return {static_cast<std::uint8_t>(c >> 16), static_cast<std::uint8_t>(c >> 8), static_cast<std::uint8_t>(c)};
}
constexpr Color ToColor(Rgb c) { return (Color(c.r) << 16) | (Color(c.g) << 8) | Color(c.b); }

class Bitmap {
 public:
  Bitmap() = default;
  // depth: 1, 4, 8 or 24. Indexed bitmaps get a default palette (1-bit: black, white;
  // 4- and 8-bit: greys) that can be replaced with SetPalette. Pixels start at 0
  // (indexed) or white (24-bit).
  Bitmap(int width, int height, int depth);

  int Width() const { return width_; }
  int Height() const { return height_; }
  int Depth() const { return depth_; }
  bool Indexed() const { return depth_ <= 8; }
  bool Empty() const { return width_ == 0 || height_ == 0; }

  // Resizes, keeping the depth and palette; new pixels are cleared.
  void Resize(int width, int height);

  const std::vector<Rgb>& Palette() const { return palette_; }
  // At most 2^depth entries are kept.
  void SetPalette(std::vector<Rgb> palette);

  // Indexed access (depth <= 8); out-of-range coordinates read 0 and ignore writes.
  std::uint8_t Index(int x, int y) const;
  void SetIndex(int x, int y, std::uint8_t index);

  // Colour access for every depth. For an indexed bitmap SetColor stores the
  // palette entry nearest to the colour.
  Rgb ColorAt(int x, int y) const;
  void SetColor(int x, int y, Rgb c);
  // The value SetColor stores for c: the nearest palette entry of an indexed bitmap (the
  // first of equals; 0 without a palette), 0xRRGGBB otherwise.
  std::uint32_t ValueOf(Rgb c) const;

  // Row y as bytes, Width() values written to out: the palette indices of an indexed
  // bitmap (what Index gives), or R, G, B per pixel, 3 * Width() bytes, of any bitmap (what
  // ColorAt gives). y must be inside the bitmap.
  void IndexRow(int y, std::uint8_t* out) const;
  void RgbRow(int y, std::uint8_t* out) const;

  // Row access. An indexed bitmap holds one byte per pixel (its palette index), a 24-bit
  // one a 0xRRGGBB value per pixel; each accessor is for its kind only.
  const std::uint8_t* IndexPixels(int y) const { return indices_.data() + Offset(y); }
  std::uint8_t* IndexPixels(int y) { return indices_.data() + Offset(y); }
  const std::uint32_t* ColorPixels(int y) const { return colors_.data() + Offset(y); }
  std::uint32_t* ColorPixels(int y) { return colors_.data() + Offset(y); }

  friend bool operator==(const Bitmap&, const Bitmap&) = default;

 private:
  bool Inside(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }
  std::size_t Offset(int y) const { return static_cast<std::size_t>(y) * static_cast<std::size_t>(width_); }
  int width_ = 0, height_ = 0, depth_ = 24;
  std::vector<Rgb> palette_;
  std::vector<std::uint8_t> indices_;  // indexed depths
  std::vector<std::uint32_t> colors_;  // 24 bits
};

// Sets every pixel of src into dst with src's top-left corner at (x, y), clipped to dst:
// what dst.SetColor(x + i, y + j, src.ColorAt(i, j)) does pixel by pixel, with each colour
// of src looked up in dst's palette once.
void CopyPixels(Bitmap& dst, const Bitmap& src, int x, int y);

}  // namespace setrix::raster
