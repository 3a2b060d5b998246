#include "pdf/images.h"

#include "pdf/format.h"
#include "pdf/registry.h"

namespace setrix::pdf {

std::unique_ptr<TPdfImage> TPdfImageCreator::MakeImage(const raster::Bitmap&) { return nullptr; }

namespace {

// The 256 palette entries as HexBytes writes them: "<RRGGBB RRGGBB ... >", two uppercase
// digits per byte, entries beyond the palette as 000000.
std::string PaletteHex(const std::vector<raster::Rgb>& palette) {
  std::string out;
  out.reserve(2 + 256 * 7);
  out += '<';
  constexpr char kHex[] = "0123456789ABCDEF";
  for (std::size_t i = 0; i < 256; ++i) {
    const raster::Rgb c = i < palette.size() ? palette[i] : raster::Rgb{};
    const char entry[7] = {
        kHex[c.r >> 4], kHex[c.r & 15], kHex[c.g >> 4], kHex[c.g & 15], kHex[c.b >> 4], kHex[c.b & 15], ' '};
    out.append(entry, sizeof entry);
  }
  out += '>';
  return out;
}

std::unique_ptr<TPdfArray> IndexedColorSpace(std::shared_ptr<const std::string> hex) {
  auto binary = std::make_unique<TPdfBinary>();
  binary->ShareData(std::move(hex));
  auto array = std::make_unique<TPdfArray>();
  array->Reserve(4);
  array->Add(std::make_unique<TPdfName>("Indexed"));
  array->Add(std::make_unique<TPdfName>("DeviceRGB"));
  array->Add(std::make_unique<TPdfNumber>(255));
  array->Add(std::move(binary));
  return array;
}

}  // namespace

TPdfImageBytes PrepareImageBytes(const raster::Bitmap& bitmap) {
  TPdfImageBytes bytes;
  const int w = bitmap.Width(), h = bitmap.Height();
  bytes.width = w;
  bytes.height = h;
  auto pixels = std::make_shared<std::string>();
  if (bitmap.Indexed()) {
    // As an 8-bit bitmap: the same indices, one byte each, and the same palette.
    pixels->resize(static_cast<std::size_t>(w) * static_cast<std::size_t>(h));
    auto* out = reinterpret_cast<std::uint8_t*>(pixels->data());
    for (int y = 0; y < h; ++y)
      bitmap.IndexRow(y, out + static_cast<std::size_t>(y) * static_cast<std::size_t>(w));
    if (bitmap.Palette().empty()) throw EPdfInvalidImageFormat("failed to get Palette..");
    bytes.paletteHex = std::make_shared<const std::string>(PaletteHex(bitmap.Palette()));
  } else {
    const std::size_t rowBytes = static_cast<std::size_t>(w) * 3;
    pixels->resize(rowBytes * static_cast<std::size_t>(h));
    auto* out = reinterpret_cast<std::uint8_t*>(pixels->data());
    for (int y = 0; y < h; ++y) bitmap.RgbRow(y, out + static_cast<std::size_t>(y) * rowBytes);
  }
  bytes.pixels = std::move(pixels);
  return bytes;
}

std::unique_ptr<TPdfImage> MakeImage(const TPdfImageBytes& bytes) {
  auto image = std::make_unique<TPdfImage>();
  TPdfDictionary& dict = image->Dict();
  dict.Put("Type", std::make_unique<TPdfName>("XObject"));
  dict.Put("Subtype", std::make_unique<TPdfName>("Image"));
  image->ShareData(bytes.pixels);
  if (bytes.paletteHex)
    dict.Put("ColorSpace", IndexedColorSpace(bytes.paletteHex));
  else
    dict.Put("ColorSpace", std::make_unique<TPdfName>("DeviceRGB"));
  dict.Put("Width", std::make_unique<TPdfNumber>(bytes.width));
  dict.Put("Height", std::make_unique<TPdfNumber>(bytes.height));
  dict.Put("BitsPerComponent", std::make_unique<TPdfNumber>(8));
  return image;
}

std::unique_ptr<TPdfImage> TPdfBitmapImage::MakeImage(const raster::Bitmap& bitmap) {
  return pdf::MakeImage(PrepareImageBytes(bitmap));
}

std::unique_ptr<TPdfArray> BuildPalette(const raster::Bitmap& bitmap) {
  if (bitmap.Depth() != 8) throw EPdfInvalidImageFormat("only 8 bit color image is allowed.");
  if (bitmap.Palette().empty()) throw EPdfInvalidImageFormat("failed to get Palette..");
  return IndexedColorSpace(std::make_shared<const std::string>(PaletteHex(bitmap.Palette())));
}

std::unique_ptr<TPdfImage> MakeImageByClassName(const raster::Bitmap& bitmap, const std::string& className) {
  const std::unique_ptr<TPdfImageCreator> creator = CreateImageCreatorByName(className);
  return creator->MakeImage(bitmap);
}

}  // namespace setrix::pdf
