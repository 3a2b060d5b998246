// The readers check that the pixel data is there before they allocate the bitmap: a header
// that promises a huge picture costs nothing. Every allocation of this test program is
// watched for the largest one.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <new>
#include <string>
#include <vector>

#include "raster/bitmap_io.h"

namespace {
std::size_t gLargest = 0;
}  // namespace

// The replacements pair malloc with free; the compiler cannot see that through gtest's code.
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
void* operator new(std::size_t size) {
  if (size > gLargest) gLargest = size;
  if (void* p = std::malloc(size ? size : 1)) return p;
  throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }

namespace setrix::raster {
namespace {

std::vector<std::uint8_t> Bytes(const std::string& s) { return {s.begin(), s.end()}; }

std::vector<std::uint8_t> BmpHeader(std::int32_t width, std::int32_t height, int bpp) {
  std::vector<std::uint8_t> d = EncodeBmp(Bitmap(1, 1, 24));
  d.resize(54);
  for (int i = 0; i < 4; ++i) {
    d[18 + i] = static_cast<std::uint8_t>(static_cast<std::uint32_t>(width) >> (8 * i));
    d[22 + i] = static_cast<std::uint8_t>(static_cast<std::uint32_t>(height) >> (8 * i));
  }
  d[28] = static_cast<std::uint8_t>(bpp);
  return d;
}

TEST(ReaderLimits, HeadersWithoutDataAllocateNothingLarge) {
  const struct {
    const char* what;
    std::vector<std::uint8_t> data;
    const char* reason;
  } cases[] = {
      {"P6 at the size limit", Bytes("P6 4096 4096 255 "), "ends early"},
      {"P5 at the size limit", Bytes("P5 4096 4096 255 "), "ends early"},
      {"P4 at the size limit", Bytes("P4 4096 4096 "), "ends early"},
      {"plain P3", Bytes("P3 4096 4096 255 1 2 3"), "ends early"},
      {"plain P1", Bytes("P1 4096 4096 1"), "ends early"},
      {"BMP 24 bit", BmpHeader(4096, 4096, 24), "pixel data cut short"},
      {"BMP top-down", BmpHeader(4096, -4096, 24), "pixel data cut short"},
      {"BMP 1 bit", BmpHeader(4096, 4096, 1), "pixel data cut short"},
      {"P6 beyond the limit", Bytes("P6 16384 16384 255 "), "too large"},
      {"BMP beyond the limit", BmpHeader(65536, 65536, 24), "too large"},
      {"BMP most negative height", BmpHeader(1, INT32_MIN, 24), "too large"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    gLargest = 0;
    try {
      DecodeImage(c.data);
      ADD_FAILURE() << "accepted";
    } catch (const ImageError& e) {
      EXPECT_NE(std::string(e.what()).find(c.reason), std::string::npos) << e.what();
    }
    EXPECT_LT(gLargest, 1u << 16) << "an allocation of " << gLargest << " bytes";
  }
}

TEST(ReaderLimits, PicturesWithTheirDataAreStillRead) {
  // The check counts the data a picture needs, not more: the smallest complete files pass.
  EXPECT_EQ(DecodeImage(Bytes(std::string("P4 9 2 \xAA\x80\x55\x00", 11))).Width(), 9);
  EXPECT_EQ(DecodeImage(Bytes("P1 2 1 10")).Width(), 2);
  EXPECT_EQ(DecodeImage(Bytes("P3 1 1 255 1 2 3")).ColorAt(0, 0), (Rgb{1, 2, 3}));
  std::vector<std::uint8_t> bmp = BmpHeader(1, 1, 24);
  bmp.insert(bmp.end(), {3, 2, 1, 0});
  EXPECT_EQ(DecodeImage(bmp).ColorAt(0, 0), (Rgb{1, 2, 3}));
}

}  // namespace
}  // namespace setrix::raster
