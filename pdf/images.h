#pragma once
// Bitmaps as uncompressed image XObjects: 1-, 4- and 8-bit bitmaps become 8-bit indexed
// images with a 256-entry palette, every other depth 24-bit RGB. Rows are written from the
// top, without padding.
#include <memory>
#include <string>

#include "pdf/objects.h"
#include "raster/bitmap.h"

namespace setrix::pdf {

// Turns a picture into an image; created by name (see registry.h).
class TPdfImageCreator {
 public:
  virtual ~TPdfImageCreator() = default;
  // The base class makes nothing.
  virtual std::unique_ptr<TPdfImage> MakeImage(const raster::Bitmap& bitmap);
};

// The creator registered as "Pdf-Bitmap".
class TPdfBitmapImage final : public TPdfImageCreator {
 public:
  // A new image without object manager: Length, Filter, Type XObject, Subtype Image,
  // ColorSpace, Width, Height, BitsPerComponent 8 and the pixel bytes. The caller hands it
  // to TPdfDoc::AddImage.
  std::unique_ptr<TPdfImage> MakeImage(const raster::Bitmap& bitmap) override;
};

// What an image is made of, prepared once and shared by every document that embeds the same
// picture: the pixel bytes, and for an indexed picture the hex palette of its colour space.
struct TPdfImageBytes {
  int width = 0, height = 0;
  std::shared_ptr<const std::string> pixels;
  std::shared_ptr<const std::string> paletteHex;  // null: DeviceRGB
};
TPdfImageBytes PrepareImageBytes(const raster::Bitmap& bitmap);
// The image TPdfBitmapImage makes of the picture the bytes were prepared from.
std::unique_ptr<TPdfImage> MakeImage(const TPdfImageBytes& bytes);

// The indexed colour space of an 8-bit bitmap: [/Indexed /DeviceRGB 255 <RRGGBB ...> ],
// 256 entries in palette order, entries beyond the bitmap's palette written as 000000.
// EPdfInvalidImageFormat "only 8 bit color image is allowed." for another depth and
// "failed to get Palette.." for a bitmap without palette.
std::unique_ptr<TPdfArray> BuildPalette(const raster::Bitmap& bitmap);

// MakeImage of the creator registered under className ("Pdf-Bitmap"); an unknown name
// raises EClassNotFound.
std::unique_ptr<TPdfImage> MakeImageByClassName(const raster::Bitmap& bitmap, const std::string& className);

}  // namespace setrix::pdf
