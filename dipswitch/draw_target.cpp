#include "dipswitch/draw_target.h"

#include <algorithm>
#include <cstdlib>

namespace setrix::dipswitch {

void DrawTarget::FillRect(int l, int t, int r, int b, Color c) {
  for (int y = t; y < b; ++y)
    for (int x = l; x < r; ++x) SetPixel(x, y, c);
}

void DrawTarget::FrameRect(int l, int t, int r, int b, Color c) {
  if (r <= l || b <= t) return;
  for (int x = l; x < r; ++x) {
    SetPixel(x, t, c);
    SetPixel(x, b - 1, c);
  }
  for (int y = t + 1; y < b - 1; ++y) {
    SetPixel(l, y, c);
    SetPixel(r - 1, y, c);
  }
}

void DrawTarget::Line(int x0, int y0, int x1, int y1, Color c) {
  const int dx = std::abs(x1 - x0), dy = -std::abs(y1 - y0);
  const int sx = x0 < x1 ? 1 : -1, sy = y0 < y1 ? 1 : -1;
  int err = dx + dy;
  while (x0 != x1 || y0 != y1) {
    SetPixel(x0, y0, c);
    const int e2 = 2 * err;
    if (e2 >= dy) {
      err += dy;
      x0 += sx;
    }
    if (e2 <= dx) {
      err += dx;
      y0 += sy;
    }
  }
}

void BitmapTarget::SetSize(int width, int height) {
  bitmap_.Resize(width, height);
  cachedIndex_ = -1;
}

void BitmapTarget::SetPixel(int x, int y, Color c) {
  if (x < 0 || y < 0 || x >= bitmap_.Width() || y >= bitmap_.Height()) return;
  if (bitmap_.Indexed())
    bitmap_.IndexPixels(y)[x] = static_cast<std::uint8_t>(ValueOf(c));
  else
    bitmap_.ColorPixels(y)[x] = ValueOf(c);
}

// The stored value of a colour: the nearest palette entry, looked up once per colour run.
std::uint32_t BitmapTarget::ValueOf(Color c) {
  if (!bitmap_.Indexed()) return c & 0xFFFFFFu;
  if (cachedIndex_ < 0 || cachedColor_ != c) {
    cachedColor_ = c;
    cachedIndex_ = static_cast<int>(bitmap_.ValueOf(raster::ToRgb(c)));
  }
  return static_cast<std::uint32_t>(cachedIndex_);
}

void BitmapTarget::FillRect(int l, int t, int r, int b, Color c) {
  l = std::max(l, 0);
  t = std::max(t, 0);
  r = std::min(r, bitmap_.Width());
  b = std::min(b, bitmap_.Height());
  if (l >= r || t >= b) return;
  const std::uint32_t v = ValueOf(c);
  for (int y = t; y < b; ++y) {
    if (bitmap_.Indexed())
      std::fill(bitmap_.IndexPixels(y) + l, bitmap_.IndexPixels(y) + r, static_cast<std::uint8_t>(v));
    else
      std::fill(bitmap_.ColorPixels(y) + l, bitmap_.ColorPixels(y) + r, v);
  }
}

}  // namespace setrix::dipswitch
