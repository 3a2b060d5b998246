#pragma once
// Reading and writing bitmaps as PBM, PGM/PPM and BMP files.
//
// Writers: PBM (P4, or plain P1), PPM (P6, or plain P3) and uncompressed BMP in the
// bitmap's own depth (1-, 4- and 8-bit with palette, 24-bit; rows padded to 4 bytes,
// stored bottom-up). Readers accept every form the writers produce plus the grey
// forms P2/P5, top-down BMP rows and the larger BMP info headers, so that test
// fixtures can be kept as small text files.
//
// Encoders never fail. Decoders throw ImageError with a message that names
// the fault. The file functions report failures as a message carrying the system's
// reason; they never throw for I/O problems.
#include <cstdint>
#include <optional>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "raster/bitmap.h"

namespace setrix::raster {

class ImageError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

enum class ImageFormat { Pbm, Ppm, Bmp };

// Binary (P4/P6) or plain text (P1/P3) netpbm form.
enum class PnmEncoding { Binary, Plain };

// The format named by a file's extension (.pbm, .ppm, .bmp, any letter case), if any.
std::optional<ImageFormat> FormatFromExtension(std::string_view path);

// PBM is black and white: a pixel is written black when its colour is darker than
// middle grey (luma below 128), white otherwise.
std::vector<std::uint8_t> EncodePbm(const Bitmap& bitmap, PnmEncoding encoding = PnmEncoding::Binary);
// PPM with maxval 255; indexed bitmaps are written through their palette.
std::vector<std::uint8_t> EncodePpm(const Bitmap& bitmap, PnmEncoding encoding = PnmEncoding::Binary);
// BMP in the bitmap's depth; indexed bitmaps carry their palette (extended with black
// entries when a pixel refers beyond it).
std::vector<std::uint8_t> EncodeBmp(const Bitmap& bitmap);
std::vector<std::uint8_t> Encode(const Bitmap& bitmap, ImageFormat format);

// P1/P4 give a 1-bit bitmap (palette black, white), P2/P5 an 8-bit grey bitmap,
// P3/P6 a 24-bit bitmap; samples with another maxval are scaled to 0..255.
Bitmap DecodePnm(std::span<const std::uint8_t> data);
// BMP with BI_RGB data of 1, 4, 8 or 24 bits per pixel.
Bitmap DecodeBmp(std::span<const std::uint8_t> data);
// Either of the above, chosen by the leading bytes.
Bitmap DecodeImage(std::span<const std::uint8_t> data);

// Result of a file operation: empty `error` means success.
struct FileResult {
  std::string error;
  explicit operator bool() const { return error.empty(); }
};

// Writes the bytes to `path` with the program's safe file writer (fileio/safe_file.h): the
// old file is replaced only once the new one is complete; a target that is no regular file
// is refused. On failure the error reads "cannot write <path>: <reason>" and the old file
// is as it was.
FileResult WriteFileBytes(const std::string& path, std::span<const std::uint8_t> bytes);
FileResult WriteImageFile(const Bitmap& bitmap, const std::string& path, ImageFormat format);

// Reads a whole file; throws ImageError ("cannot read <path>: <reason>") on failure.
std::vector<std::uint8_t> ReadFileBytes(const std::string& path);
Bitmap ReadImageFile(const std::string& path);

}  // namespace setrix::raster
