#include "pdf/images.h"

#include "pdf/format.h"
#include "pdf/registry.h"

namespace setrix::pdf {

std::unique_ptr<TPdfImage> TPdfImageCreator::MakeImage(const raster::Bitmap&) { return nullptr; }

std::unique_ptr<TPdfImage> TPdfBitmapImage::MakeImage(const raster::Bitmap& bitmap) {
  auto image = std::make_unique<TPdfImage>();
  TPdfDictionary& dict = image->Dict();
  dict.Put("Type", std::make_unique<TPdfName>("XObject"));
  dict.Put("Subtype", std::make_unique<TPdfName>("Image"));
  const int w = bitmap.Width(), h = bitmap.Height();
  std::string& data = image->Data();
  if (bitmap.Indexed()) {
    // As an 8-bit bitmap: the same indices, one byte each, and the same palette.
    data.resize(static_cast<std::size_t>(w) * static_cast<std::size_t>(h));
    auto* out = reinterpret_cast<std::uint8_t*>(data.data());
    for (int y = 0; y < h; ++y)
      bitmap.IndexRow(y, out + static_cast<std::size_t>(y) * static_cast<std::size_t>(w));
    raster::Bitmap palette(0, 0, 8);
    palette.SetPalette(bitmap.Palette());
    dict.Put("ColorSpace", BuildPalette(palette));
  } else {
    const std::size_t rowBytes = static_cast<std::size_t>(w) * 3;
    data.resize(rowBytes * static_cast<std::size_t>(h));
    auto* out = reinterpret_cast<std::uint8_t*>(data.data());
    for (int y = 0; y < h; ++y) bitmap.RgbRow(y, out + static_cast<std::size_t>(y) * rowBytes);
    dict.Put("ColorSpace", std::make_unique<TPdfName>("DeviceRGB"));
  }
  dict.Put("Width", std::make_unique<TPdfNumber>(w));
  dict.Put("Height", std::make_unique<TPdfNumber>(h));
  dict.Put("BitsPerComponent", std::make_unique<TPdfNumber>(8));
  return image;
}

std::unique_ptr<TPdfArray> BuildPalette(const raster::Bitmap& bitmap) {
  if (bitmap.Depth() != 8) throw EPdfInvalidImageFormat("only 8 bit color image is allowed.");
  const auto& palette = bitmap.Palette();
  if (palette.empty()) throw EPdfInvalidImageFormat("failed to get Palette..");
  auto hex = std::make_unique<TPdfBinary>();
  std::string& out = hex->Data();
  out.reserve(2 + 256 * 7);
  out += '<';
  constexpr char kHex[] = "0123456789ABCDEF";
  for (std::size_t i = 0; i < 256; ++i) {
    const raster::Rgb c = i < palette.size() ? palette[i] : raster::Rgb{};
    // As HexBytes writes them: two uppercase digits per byte.
    const char entry[7] = {
        kHex[c.r >> 4], kHex[c.r & 15], kHex[c.g >> 4], kHex[c.g & 15], kHex[c.b >> 4], kHex[c.b & 15], ' '};
    out.append(entry, sizeof entry);
  }
  out += '>';
  auto array = std::make_unique<TPdfArray>();
  array->Add(std::make_unique<TPdfName>("Indexed"));
  array->Add(std::make_unique<TPdfName>("DeviceRGB"));
  array->Add(std::make_unique<TPdfNumber>(255));
  array->Add(std::move(hex));
  return array;
}

std::unique_ptr<TPdfImage> MakeImageByClassName(const raster::Bitmap& bitmap, const std::string& className) {
  const std::unique_ptr<TPdfImageCreator> creator = CreateImageCreatorByName(className);
  return creator->MakeImage(bitmap);
}

}  // namespace setrix::pdf
