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
  const std::size_t n = static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_);
  if (Indexed())
    indices_.assign(n, 0);
  else
    colors_.assign(n, 0xFFFFFFu);
}

void Bitmap::SetPalette(std::vector<Rgb> palette) {
  if (Indexed() && palette.size() > (std::size_t{1} << depth_)) palette.resize(std::size_t{1} << depth_);
  palette_ = std::move(palette);
}

std::uint8_t Bitmap::Index(int x, int y) const {
  if (!Indexed() || !Inside(x, y)) return 0;
  return IndexPixels(y)[x];
}

void Bitmap::SetIndex(int x, int y, std::uint8_t index) {
  if (!Indexed() || !Inside(x, y)) return;
  if (index >= (1u << depth_)) return;
  IndexPixels(y)[x] = index;
}

void Bitmap::IndexRow(int y, std::uint8_t* out) const {
  if (!Indexed()) {
    std::fill(out, out + width_, std::uint8_t{0});
    return;
  }
  std::copy_n(IndexPixels(y), width_, out);
}

// The row loops keep the width in a local and promise that out does not overlap the
// pixels: a byte pointer may alias anything, and the compiler would otherwise reload the
// width after every byte and never vectorise.
void Bitmap::RgbRow(int y, std::uint8_t* __restrict out) const {
  const int w = width_;
  if (!Indexed()) {
    const std::uint32_t* __restrict row = ColorPixels(y);
    for (int x = 0; x < w; ++x, out += 3) {
      const Rgb c = ToRgb(row[x]);
      out[0] = c.r;
      out[1] = c.g;
      out[2] = c.b;
    }
    return;
  }
  const std::uint8_t* __restrict row = IndexPixels(y);
  for (int x = 0; x < w; ++x, out += 3) {
    const std::uint8_t v = row[x];
    const Rgb c = v < palette_.size() ? palette_[v] : Rgb{};
    out[0] = c.r;
    out[1] = c.g;
    out[2] = c.b;
  }
}

Rgb Bitmap::ColorAt(int x, int y) const {
  if (!Inside(x, y)) return {};
  if (!Indexed()) return ToRgb(ColorPixels(y)[x]);
  const std::uint8_t v = IndexPixels(y)[x];
  return v < palette_.size() ? palette_[v] : Rgb{};
}

void Bitmap::SetColor(int x, int y, Rgb c) {
  if (!Inside(x, y)) return;
  if (Indexed())
    IndexPixels(y)[x] = static_cast<std::uint8_t>(ValueOf(c));
  else
    ColorPixels(y)[x] = ValueOf(c);
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

namespace {

// Copies rows i0..i1 of lines j0..j1 of src to dst at (x, y), each source value turned
// into a destination value by `convert`, which is asked once per run of equal values.
template <class In, class Out, class Convert>
void CopyRows(const Bitmap& src, Bitmap& dst, int x, int y, int i0, int i1, int j0, int j1, Convert convert) {
  In lastIn = 0;
  Out lastOut = convert(lastIn);
  for (int j = j0; j < j1; ++j) {
    const In* in;
    Out* out;
    if constexpr (sizeof(In) == 1)
      in = src.IndexPixels(j);
    else
      in = src.ColorPixels(j);
    if constexpr (sizeof(Out) == 1)
      out = dst.IndexPixels(y + j) + x;
    else
      out = dst.ColorPixels(y + j) + x;
    for (int i = i0; i < i1; ++i) {
      if (in[i] != lastIn) {
        lastIn = in[i];
        lastOut = convert(lastIn);
      }
      out[i] = lastOut;
    }
  }
}

}  // namespace

void CopyPixels(Bitmap& dst, const Bitmap& src, int x, int y) {
  const int i0 = std::max(0, -x), j0 = std::max(0, -y);
  const int i1 = std::min(src.Width(), dst.Width() - x), j1 = std::min(src.Height(), dst.Height() - y);
  if (i0 >= i1 || j0 >= j1) return;
  if (src.Indexed()) {
    // One lookup per palette entry; an index beyond the palette reads as black, as ColorAt says.
    const std::uint32_t black = dst.ValueOf(Rgb{});
    std::vector<std::uint32_t> map(256, black);
    for (std::size_t k = 0; k < src.Palette().size() && k < map.size(); ++k)
      map[k] = dst.ValueOf(src.Palette()[k]);
    if (dst.Indexed())
      CopyRows<std::uint8_t, std::uint8_t>(src, dst, x, y, i0, i1, j0, j1,
                                           [&](std::uint8_t v) { return static_cast<std::uint8_t>(map[v]); });
    else
      CopyRows<std::uint8_t, std::uint32_t>(src, dst, x, y, i0, i1, j0, j1,
                                            [&](std::uint8_t v) { return map[v]; });
    return;
  }
  const auto convert = [&](std::uint32_t v) { return dst.ValueOf(ToRgb(v)); };
  if (dst.Indexed())
    CopyRows<std::uint32_t, std::uint8_t>(src, dst, x, y, i0, i1, j0, j1,
                                          [&](std::uint32_t v) { return static_cast<std::uint8_t>(convert(v)); });
  else
    CopyRows<std::uint32_t, std::uint32_t>(src, dst, x, y, i0, i1, j0, j1, convert);
}

}  // namespace setrix::raster
