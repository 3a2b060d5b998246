#include "raster/bitmap.h"

#include <gtest/gtest.h>

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
