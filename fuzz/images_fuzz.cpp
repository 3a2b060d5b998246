// The PBM/PGM/PPM and BMP readers on any bytes. A picture that is read is written in every
// format and read back with the same pixels.
#include <cstdint>
#include <span>

#include "fuzz/fuzz_check.h"
#include "raster/bitmap_io.h"

namespace {

using namespace setrix::raster;

void CheckSamePixels(const Bitmap& a, const Bitmap& b, const char* how) {
  FUZZ_CHECK(a.Width() == b.Width() && a.Height() == b.Height(), "%s: %dx%d became %dx%d", how, a.Width(),
             a.Height(), b.Width(), b.Height());
  for (int y = 0; y < a.Height(); ++y)
    for (int x = 0; x < a.Width(); ++x)
      FUZZ_CHECK(a.ColorAt(x, y) == b.ColorAt(x, y), "%s: pixel %d,%d changed", how, x, y);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::span<const std::uint8_t> bytes(data, size);
  Bitmap picture;
  try {
    picture = DecodeImage(bytes);
  } catch (const ImageError& e) {
    FUZZ_CHECK(e.what()[0] != '\0', "an error without a reason");
    return 0;
  }
  FUZZ_CHECK(picture.Width() >= 0 && picture.Height() >= 0, "size %dx%d", picture.Width(), picture.Height());
  FUZZ_CHECK(picture.Depth() == 1 || picture.Depth() == 4 || picture.Depth() == 8 || picture.Depth() == 24,
             "depth %d", picture.Depth());
  // No picture larger than its data: at least one bit of input per pixel.
  FUZZ_CHECK(
      static_cast<std::uint64_t>(picture.Width()) * static_cast<std::uint64_t>(picture.Height()) <= size * 8ull,
      "%dx%d from %zu bytes", picture.Width(), picture.Height(), size);

  CheckSamePixels(picture, DecodeImage(EncodePpm(picture)), "PPM");
  CheckSamePixels(picture, DecodeImage(EncodePpm(picture, PnmEncoding::Plain)), "plain PPM");
  CheckSamePixels(picture, DecodeImage(EncodeBmp(picture)), "BMP");
  // PBM keeps black and white only: written twice, the second copy equals the first.
  const Bitmap bw = DecodeImage(EncodePbm(picture));
  CheckSamePixels(bw, DecodeImage(EncodePbm(bw, PnmEncoding::Plain)), "PBM");
  return 0;
}
