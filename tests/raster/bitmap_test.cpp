#include "raster/bitmap.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

using setrix::raster::Bitmap;
using setrix::raster::Rgb;

TEST(Bitmap, IndexedColourGoesToNearestPaletteEntry) {
  Bitmap b(3, 2, 1);
  b.SetColor(0, 0, {250, 250, 250});
  b.SetColor(1, 0, {10, 0, 0});
  EXPECT_EQ(b.Index(0, 0), 1);
  EXPECT_EQ(b.Index(1, 0), 0);
  EXPECT_EQ(b.ColorAt(0, 0), (Rgb{255, 255, 255}));
}

TEST(Bitmap, OutOfRangeAccessIsHarmless) {
  Bitmap b(2, 2, 24);
  b.SetColor(5, 5, {1, 2, 3});
  b.SetIndex(0, 0, 1);  // not indexed: ignored
  EXPECT_EQ(b.ColorAt(-1, 0), Rgb{});
  EXPECT_EQ(b.ColorAt(0, 0), (Rgb{255, 255, 255}));
  Bitmap one(1, 1, 1);
  one.SetIndex(0, 0, 2);  // beyond a 1-bit palette: ignored
  EXPECT_EQ(one.Index(0, 0), 0);
}

TEST(Bitmap, RejectsUnknownDepth) { EXPECT_THROW(Bitmap(1, 1, 16), std::invalid_argument); }

TEST(Bitmap, RowsGiveWhatThePixelAccessGives) {
  // Odd widths, every depth, a palette shorter than the indices used (those read black) and
  // a duplicate palette entry (SetColor takes the first).
  struct Case {
    int width, height, depth;
    std::vector<Rgb> palette;
  };
  const Case cases[] = {
      {1, 1, 1, {}},  {37, 3, 1, {}}, {5, 4, 4, {{1, 2, 3}, {200, 100, 50}, {1, 2, 3}}},
      {33, 2, 8, {}}, {7, 3, 24, {}},
  };
  for (const Case& c : cases) {
    Bitmap b(c.width, c.height, c.depth);
    if (!c.palette.empty()) b.SetPalette(c.palette);
    for (int y = 0; y < c.height; ++y)
      for (int x = 0; x < c.width; ++x) {
        const auto v = static_cast<std::uint8_t>(x * 7 + y * 13);
        if (b.Indexed())
          b.SetIndex(x, y, static_cast<std::uint8_t>(v % (1 << c.depth)));
        else
          b.SetColor(x, y, {v, static_cast<std::uint8_t>(255 - v), static_cast<std::uint8_t>(x)});
      }
    if (!c.palette.empty()) b.SetColor(0, 0, {1, 2, 3});
    for (int y = 0; y < c.height; ++y) {
      std::vector<std::uint8_t> indices(static_cast<std::size_t>(c.width), 0xAA);
      std::vector<std::uint8_t> rgb(static_cast<std::size_t>(c.width) * 3, 0xAA);
      b.IndexRow(y, indices.data());
      b.RgbRow(y, rgb.data());
      for (int x = 0; x < c.width; ++x) {
        const auto i = static_cast<std::size_t>(x);
        EXPECT_EQ(indices[i], b.Index(x, y)) << c.depth << " bit, " << x << "," << y;
        const Rgb col = b.ColorAt(x, y);
        EXPECT_EQ((Rgb{rgb[3 * i], rgb[3 * i + 1], rgb[3 * i + 2]}), col) << c.depth << " bit, " << x << "," << y;
      }
    }
    if (!c.palette.empty()) {
      EXPECT_EQ(b.Index(0, 0), 0);
    }
  }
}

// CopyPixels must store what pixel-by-pixel SetColor(ColorAt) stores, for every pairing of
// indexed and RGB pictures, with the source partly outside the target on every side.
TEST(Bitmap, CopyPixelsMatchesSetColorPixelByPixel) {
  auto pattern = [](int w, int h, int depth) {
    Bitmap b(w, h, depth);
    if (depth == 4) b.SetPalette({{0, 0, 0}, {200, 10, 10}, {10, 200, 10}});  // entries 3..15 read black
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x) {
        if (b.Indexed())
          b.SetIndex(x, y, static_cast<std::uint8_t>((x * 7 + y * 3) % (1 << depth)));
        else
          b.SetColor(x, y, {static_cast<std::uint8_t>(x * 40), static_cast<std::uint8_t>(y * 60), 90});
      }
    return b;
  };
  struct Case {
    int srcDepth, dstDepth, x, y;
  };
  const Case cases[] = {{1, 8, 1, 1},     {4, 8, -2, 3}, {4, 1, 4, -1}, {24, 8, 2, 2},
                        {24, 24, -1, -1}, {8, 24, 5, 4}, {1, 1, 7, 7},  {4, 4, -9, 0}};
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.srcDepth << " -> " << c.dstDepth << " at " << c.x << "," << c.y);
    const Bitmap src = pattern(5, 4, c.srcDepth);
    Bitmap want = pattern(8, 6, c.dstDepth);
    if (want.Depth() == 8)
      want.SetPalette({{0, 0, 0}, {255, 255, 255}, {190, 20, 20}, {0, 180, 0}, {160, 80, 90}});
    Bitmap got = want;
    for (int j = 0; j < src.Height(); ++j)
      for (int i = 0; i < src.Width(); ++i) want.SetColor(c.x + i, c.y + j, src.ColorAt(i, j));
    setrix::raster::CopyPixels(got, src, c.x, c.y);
    EXPECT_EQ(got, want);
  }
}
