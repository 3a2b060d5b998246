#include "raster/bitmap_io.h"

#include <gtest/gtest.h>

#include <unistd.h>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

using namespace setrix::raster;

namespace {

std::vector<std::uint8_t> Bytes(std::string_view s) { return {s.begin(), s.end()}; }

Bitmap Indexed(int w, int h, int depth, std::vector<Rgb> palette, std::vector<int> indices) {
  Bitmap b(w, h, depth);
  b.SetPalette(std::move(palette));
  for (int i = 0; i < w * h; ++i) b.SetIndex(i % w, i / w, static_cast<std::uint8_t>(indices[i]));
  return b;
}

std::string TempPath(const std::string& name) {
  return (std::filesystem::temp_directory_path() / ("setrix_raster_" + std::to_string(::getpid()) + "_" + name))
      .string();
}

}  // namespace

// The byte layouts worked out by hand: headers, palette as B G R 0, rows bottom-up, each
// row padded with zeros to a multiple of four bytes, indexed pixels packed from the high bits.
TEST(BmpWriter, OneBitLayout) {
  const Bitmap b = Indexed(3, 2, 1, {{0, 0, 0}, {255, 255, 255}}, {1, 0, 1, 0, 0, 1});
  const std::vector<std::uint8_t> expected = {
      'B',  'M',  70, 0, 0,    0,    0,   0, 0, 0, 62, 0, 0, 0,                                // file header
      40,   0,    0,  0, 3,    0,    0,   0, 2, 0, 0,  0, 1, 0, 1, 0, 0, 0, 0, 0, 8, 0, 0, 0,  // info header
      0x13, 0x0B, 0,  0, 0x13, 0x0B, 0,   0, 2, 0, 0,  0, 0, 0, 0, 0,                          //
      0,    0,    0,  0, 255,  255,  255, 0,                                                   // palette
      0x20, 0,    0,  0,                                                                       // bottom row: 0 0 1
      0xA0, 0,    0,  0};                                                                      // top row: 1 0 1
  EXPECT_EQ(EncodeBmp(b), expected);
}

TEST(BmpWriter, FourAndTwentyFourBitRows) {
  const Bitmap four = Indexed(3, 1, 4, std::vector<Rgb>(16), {1, 15, 2});
  const auto f = EncodeBmp(four);
  ASSERT_EQ(f.size(), 14u + 40 + 64 + 4);
  EXPECT_EQ(f[28], 4);
  EXPECT_EQ(std::vector<std::uint8_t>(f.end() - 4, f.end()), (std::vector<std::uint8_t>{0x1F, 0x20, 0, 0}));

  Bitmap rgb(2, 2, 24);
  rgb.SetColor(0, 0, {1, 2, 3});
  rgb.SetColor(1, 0, {4, 5, 6});
  rgb.SetColor(0, 1, {7, 8, 9});
  const auto r = EncodeBmp(rgb);
  ASSERT_EQ(r.size(), 54u + 16);
  EXPECT_EQ(r[10], 54);
  EXPECT_EQ(std::vector<std::uint8_t>(r.begin() + 54, r.end()),
            (std::vector<std::uint8_t>{9, 8, 7, 255, 255, 255, 0, 0, 3, 2, 1, 6, 5, 4, 0, 0}));
}

TEST(BmpWriter, PaletteCoversEveryUsedIndex) {
  const Bitmap b = Indexed(2, 1, 8, {{10, 20, 30}}, {0, 5});
  const Bitmap back = DecodeBmp(EncodeBmp(b));
  ASSERT_EQ(back.Palette().size(), 6u);
  EXPECT_EQ(back.Index(1, 0), 5);
  EXPECT_EQ(back.ColorAt(0, 0), (Rgb{10, 20, 30}));
}

TEST(BitmapRoundTrip, EveryDepthThroughBmp) {
  for (int depth : {1, 4, 8, 24}) {
    SCOPED_TRACE(depth);
    Bitmap b(13, 5, depth);  // 13 columns: rows need padding at every depth
    if (b.Indexed()) {
      std::vector<Rgb> pal;
      for (int i = 0; i < (1 << depth); ++i)
        pal.push_back({std::uint8_t(i * 7), std::uint8_t(255 - i), std::uint8_t(i)});
      b.SetPalette(pal);
    }
    for (int y = 0; y < 5; ++y)
      for (int x = 0; x < 13; ++x) {
        if (b.Indexed())
          b.SetIndex(x, y, static_cast<std::uint8_t>((x * 3 + y * 5) % (1 << depth)));
        else
          b.SetColor(x, y, {std::uint8_t(x * 19), std::uint8_t(y * 50), std::uint8_t(x + y)});
      }
    EXPECT_EQ(DecodeBmp(EncodeBmp(b)), b);
  }
}

TEST(BitmapRoundTrip, NetpbmBinaryAndPlain) {
  Bitmap rgb(9, 3, 24);
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 9; ++x) rgb.SetColor(x, y, {std::uint8_t(x * 28), std::uint8_t(y * 100), 7});
  Bitmap bw(11, 2, 1);  // 11 columns: a P4 row spans two bytes
  for (int x = 0; x < 11; ++x) bw.SetIndex(x, x % 2, 1);
  for (auto enc : {PnmEncoding::Binary, PnmEncoding::Plain}) {
    EXPECT_EQ(DecodePnm(EncodePpm(rgb, enc)), rgb);
    EXPECT_EQ(DecodePnm(EncodePbm(bw, enc)), bw);
  }
  EXPECT_EQ(DecodeImage(EncodeBmp(rgb)), rgb);
  EXPECT_EQ(DecodeImage(EncodePpm(rgb)), rgb);
}

TEST(PbmWriter, DarkColoursBecomeBlack) {
  Bitmap b(4, 1, 24);
  b.SetColor(0, 0, {0, 0, 0});
  b.SetColor(1, 0, {255, 0, 0});      // red is dark
  b.SetColor(2, 0, {128, 128, 128});  // middle grey is light
  b.SetColor(3, 0, {255, 255, 255});
  EXPECT_EQ(EncodePbm(b, PnmEncoding::Plain), Bytes("P1\n4 1\n1100\n"));
  EXPECT_EQ(EncodePbm(b), (std::vector<std::uint8_t>{'P', '4', '\n', '4', ' ', '1', '\n', 0xC0}));
}

TEST(PnmReader, CommentsMaxvalAndPackedSamples) {
  const Bitmap a = DecodePnm(Bytes("P3 # colours\n2 1 # size\n15\n15 0 0   0 # mid-row\n 15 1\n"));
  EXPECT_EQ(a.ColorAt(0, 0), (Rgb{255, 0, 0}));
  EXPECT_EQ(a.ColorAt(1, 0), (Rgb{0, 255, 17}));

  const Bitmap p = DecodePnm(Bytes("P1\n3 2\n101\n0 1 0"));
  EXPECT_EQ(p.ColorAt(0, 0), (Rgb{0, 0, 0}));
  EXPECT_EQ(p.ColorAt(1, 0), (Rgb{255, 255, 255}));
  EXPECT_EQ(p.ColorAt(1, 1), (Rgb{0, 0, 0}));

  const std::vector<std::uint8_t> wide = {'P', '6', ' ',  '1',  ' ',  '1',  ' ',  '6',  '5', '5',
                                          '3', '5', '\n', 0xFF, 0xFF, 0x80, 0x00, 0x00, 0x00};
  EXPECT_EQ(DecodePnm(wide).ColorAt(0, 0), (Rgb{255, 128, 0}));

  const Bitmap g = DecodePnm(Bytes("P2 2 1 255 0 200"));
  EXPECT_EQ(g.Depth(), 8);
  EXPECT_EQ(g.ColorAt(1, 0), (Rgb{200, 200, 200}));
}

TEST(ImageReaders, RejectBrokenInputWithReason) {
  auto bmpHeader = [](int bpp, int compression, int height) {
    std::vector<std::uint8_t> d = EncodeBmp(Bitmap(2, 2, 24));
    d[28] = static_cast<std::uint8_t>(bpp);
    d[30] = static_cast<std::uint8_t>(compression);
    d[22] = static_cast<std::uint8_t>(height);
    return d;
  };
  const struct {
    std::vector<std::uint8_t> data;
    const char* reason;
  } cases[] = {
      {Bytes("P7\n1 1\n"), "not a netpbm file"},
      {Bytes("P3\n2 1\n255\n1 2 3 4 5"), "ends early"},
      {Bytes("P3\n1 1\n255\n1 2 300"), "above maxval"},
      {Bytes("P1\n2 1\n1 2"), "must be 0 or 1"},
      {Bytes("P6\n2\n"), "height missing"},
      {Bytes("P6\n2 x\n"), "height is not a number"},
      {Bytes("P5\n1 1\n0\n\x01"), "maxval must be"},
      {Bytes("P6\n2 2\n255\nabc"), "ends early"},
      {Bytes("P4\n99999999 99999999\n"), "too large"},
      {Bytes("BM"), "header cut short"},
      {bmpHeader(16, 0, 2), "16 bits per pixel"},
      {bmpHeader(24, 1, 2), "compressed"},
      {bmpHeader(24, 0, 100), "pixel data cut short"},
      {Bytes("GIF89a"), "neither"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.reason);
    try {
      DecodeImage(c.data);
      ADD_FAILURE() << "accepted";
    } catch (const ImageError& e) {
      EXPECT_NE(std::string(e.what()).find(c.reason), std::string::npos) << e.what();
    }
  }
}

TEST(BmpReader, TopDownRows) {
  Bitmap b(1, 2, 24);
  b.SetColor(0, 0, {1, 1, 1});
  b.SetColor(0, 1, {2, 2, 2});
  auto d = EncodeBmp(b);
  // Negative height: the first stored row is the top one.
  const std::uint32_t minus2 = static_cast<std::uint32_t>(-2);
  for (int i = 0; i < 4; ++i) d[22 + i] = static_cast<std::uint8_t>(minus2 >> (8 * i));
  const Bitmap t = DecodeBmp(d);
  EXPECT_EQ(t.ColorAt(0, 0), (Rgb{2, 2, 2}));
  EXPECT_EQ(t.ColorAt(0, 1), (Rgb{1, 1, 1}));
}

TEST(ImageFiles, FormatFromExtension) {
  EXPECT_EQ(FormatFromExtension("a.pbm"), ImageFormat::Pbm);
  EXPECT_EQ(FormatFromExtension("dir.x/A.PPM"), ImageFormat::Ppm);
  EXPECT_EQ(FormatFromExtension("b.Bmp"), ImageFormat::Bmp);
  EXPECT_EQ(FormatFromExtension("c.png"), std::nullopt);
  EXPECT_EQ(FormatFromExtension("dir.bmp/noext"), std::nullopt);
  EXPECT_EQ(FormatFromExtension("bmp"), std::nullopt);
}

TEST(ImageFiles, WriteAndReadBack) {
  Bitmap b(3, 3, 24);
  b.SetColor(1, 1, {9, 8, 7});
  for (auto f : {ImageFormat::Ppm, ImageFormat::Bmp}) {
    const std::string path = TempPath(f == ImageFormat::Ppm ? "a.ppm" : "a.bmp");
    ASSERT_TRUE(WriteImageFile(b, path, f));
    EXPECT_EQ(ReadImageFile(path), b);
    std::remove(path.c_str());
  }
}

TEST(ImageFiles, FailuresCarryTheSystemsReason) {
  const Bitmap b(2, 2, 24);
  const FileResult missingDir = WriteImageFile(b, "/nonexistent-setrix-dir/x.ppm", ImageFormat::Ppm);
  EXPECT_FALSE(missingDir);
  EXPECT_EQ(missingDir.error, "cannot write /nonexistent-setrix-dir/x.ppm: No such file or directory");

  const std::string dir = std::filesystem::temp_directory_path().string();
  EXPECT_NE(WriteImageFile(b, dir, ImageFormat::Bmp).error.find("Is a directory"), std::string::npos);

  if (std::filesystem::exists("/dev/full")) {  // a device is refused, never opened or replaced
    const FileResult full = WriteImageFile(b, "/dev/full", ImageFormat::Bmp);
    EXPECT_EQ(full.error, "cannot write /dev/full: Not a regular file (a character device)");
    EXPECT_TRUE(std::filesystem::is_character_file("/dev/full"));
  }

  try {
    ReadImageFile("/nonexistent-setrix-dir/x.ppm");
    ADD_FAILURE() << "read a missing file";
  } catch (const ImageError& e) {
    EXPECT_STREQ(e.what(), "cannot read /nonexistent-setrix-dir/x.ppm: No such file or directory");
  }
}
