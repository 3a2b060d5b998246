#include "raster/bitmap.h"

#include <algorithm>
#include <limits>
#include <stdexcept>

namespace setrix::raster {

static std::vector<Rgb> DefaultPalette(int depth) {
  std::vector<Rgb> p;
  if (depth == 1) return {{0, 0, 0}, {255, 255, 255}};
  const int n = 1 << depth;
  for (int i = 0; i < n; ++i) {
    const auto v = static_cast<std::uint8_t>(i * 255 / (n - 1));
    p.push_back({v, v, v});
  }
  return p;
}

Bitmap::Bitmap(int width, int height, int depth) : depth_(depth) {
  if (depth != 1 && depth != 4 && depth != 8 && depth != 24)
    throw std::invalid_argument("Bitmap: depth must be 1, 4, 8 or 24");
  if (Indexed()) palette_ = DefaultPalette(depth);
  Resize(width, height);
}

void Bitmap::Resize(int width, int height) {
  width_ = std::max(0, width);
  height_ = std::max(0, height);
  pixels_.assign(static_cast<std::size_t>(width_) * height_, Indexed() ? 0u : 0xFFFFFFu);
}

void Bitmap::SetPalette(std::vector<Rgb> palette) {
  if (Indexed() && palette.size() > (std::size_t{1} << depth_)) palette.resize(std::size_t{1} << depth_);
  palette_ = std::move(palette);
}

std::uint8_t Bitmap::Index(int x, int y) const {
  if (!Indexed() || !Inside(x, y)) return 0;
  return static_cast<std::uint8_t>(Row(y)[x]);
}

void Bitmap::SetIndex(int x, int y, std::uint8_t index) {
  if (!Indexed() || !Inside(x, y)) return;
  if (index >= (1u << depth_)) return;
  Row(y)[x] = index;
}

// The row loops keep the width in a local and promise that out does not overlap the
// pixels: a byte pointer may alias anything, and the compiler would otherwise reload the
// width after every byte and never vectorise.
void Bitmap::IndexRow(int y, std::uint8_t* __restrict out) const {
  const int w = width_;
  const std::uint32_t* __restrict row = Row(y);
  if (!Indexed()) {
    std::fill(out, out + w, std::uint8_t{0});
    return;
  }
  for (int x = 0; x < w; ++x) out[x] = static_cast<std::uint8_t>(row[x]);
}

void Bitmap::RgbRow(int y, std::uint8_t* __restrict out) const {
  const int w = width_;
  const std::uint32_t* __restrict row = Row(y);
  for (int x = 0; x < w; ++x, out += 3) {
    const std::uint32_t v = row[x];
    Rgb c;
    if (!Indexed())
      c = ToRgb(v);
    else if (v < palette_.size())
      c = palette_[v];
    out[0] = c.r;
    out[1] = c.g;
    out[2] = c.b;
  }
}

Rgb Bitmap::ColorAt(int x, int y) const {
  if (!Inside(x, y)) return {};
  const std::uint32_t v = Row(y)[x];
  if (!Indexed()) return ToRgb(v);
  return v < palette_.size() ? palette_[v] : Rgb{};
}

void Bitmap::SetColor(int x, int y, Rgb c) {
  if (!Inside(x, y)) return;
  if (!Indexed()) {
    Row(y)[x] = ToColor(c);
    return;
  }
  int best = 0;
  long bestDist = std::numeric_limits<long>::max();
  for (std::size_t i = 0; i < palette_.size(); ++i) {
    const long dr = long(palette_[i].r) - c.r, dg = long(palette_[i].g) - c.g, db = long(palette_[i].b) - c.b;
    const long d = dr * dr + dg * dg + db * db;
    if (d < bestDist) {
      bestDist = d;
      best = static_cast<int>(i);
      if (d == 0) break;  // nothing comes nearer, and the first of equals wins anyway
    }
  }
  Row(y)[x] = static_cast<std::uint32_t>(best);
}

}  // namespace setrix::raster
