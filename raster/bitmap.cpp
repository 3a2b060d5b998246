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
  Row(y)[x] = ValueOf(c);
}

std::uint32_t Bitmap::ValueOf(Rgb c) const {
  if (!Indexed()) return ToColor(c);
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
  return static_cast<std::uint32_t>(best);
}

void CopyPixels(Bitmap& dst, const Bitmap& src, int x, int y) {
  const int i0 = std::max(0, -x), j0 = std::max(0, -y);
  const int i1 = std::min(src.Width(), dst.Width() - x), j1 = std::min(src.Height(), dst.Height() - y);
  if (i0 >= i1 || j0 >= j1) return;
  if (src.Indexed()) {
    // One lookup per palette entry; an index beyond the palette reads as black, as ColorAt says.
    const std::uint32_t black = dst.ValueOf(Rgb{});
    std::vector<std::uint32_t> map(std::size_t{1} << src.Depth(), black);
    for (std::size_t k = 0; k < src.Palette().size() && k < map.size(); ++k)
      map[k] = dst.ValueOf(src.Palette()[k]);
    for (int j = j0; j < j1; ++j) {
      const std::uint32_t* in = src.Row(j);
      std::uint32_t* out = dst.Row(y + j) + x;
      for (int i = i0; i < i1; ++i) out[i] = in[i] < map.size() ? map[in[i]] : black;
    }
    return;
  }
  std::uint32_t lastIn = 0, lastOut = dst.ValueOf(ToRgb(0));
  for (int j = j0; j < j1; ++j) {
    const std::uint32_t* in = src.Row(j);
    std::uint32_t* out = dst.Row(y + j) + x;
    for (int i = i0; i < i1; ++i) {
      if (in[i] != lastIn) {
        lastIn = in[i];
        lastOut = dst.ValueOf(ToRgb(in[i]));
      }
      out[i] = lastOut;
    }
  }
}

}  // namespace setrix::raster
