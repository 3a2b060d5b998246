#include "raster/bitmap_io.h"

#include "fileio/safe_file.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>

namespace setrix::raster {

namespace {

// Pictures larger than this are refused by the readers (a guard against hostile headers):
// 16 Mi pixels are 64 MiB in memory, far beyond any picture of the program. The readers also
// check that the pixel data is there before they allocate the bitmap.
constexpr std::int64_t kMaxPixels = std::int64_t{1} << 24;
constexpr std::int64_t kMaxSide = std::int64_t{1} << 16;

bool Oversized(std::int64_t w, std::int64_t h) { return w > kMaxSide || h > kMaxSide || w * h > kMaxPixels; }

bool IsDark(Rgb c) { return 299 * c.r + 587 * c.g + 114 * c.b < 128000; }

void Append(std::vector<std::uint8_t>& out, std::string_view s) { out.insert(out.end(), s.begin(), s.end()); }

void PutLe16(std::vector<std::uint8_t>& out, std::uint32_t v) {
  out.push_back(static_cast<std::uint8_t>(v));
  out.push_back(static_cast<std::uint8_t>(v >> 8));
}
void PutLe32(std::vector<std::uint8_t>& out, std::uint32_t v) {
  PutLe16(out, v & 0xFFFF);
  PutLe16(out, v >> 16);
}

std::string PnmHeader(const char* magic, const Bitmap& b, bool withMaxval) {
  std::string h = std::string(magic) + "\n" + std::to_string(b.Width()) + " " + std::to_string(b.Height()) + "\n";
  if (withMaxval) h += "255\n";
  return h;
}

// Netpbm header and plain-sample scanner.
class PnmScanner {
 public:
  explicit PnmScanner(std::span<const std::uint8_t> d) : d_(d) {}

  void SkipSpaceAndComments() {
    while (pos_ < d_.size()) {
      const char c = static_cast<char>(d_[pos_]);
      if (c == '#') {
        while (pos_ < d_.size() && d_[pos_] != '\n' && d_[pos_] != '\r') ++pos_;
      } else if (c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f') {
        ++pos_;
      } else {
        return;
      }
    }
  }

  // A decimal number after optional blanks and comments.
  std::int64_t Number(const char* what) {
    SkipSpaceAndComments();
    if (pos_ >= d_.size()) throw ImageError(std::string("PNM: ") + what + " missing, data ends early");
    if (d_[pos_] < '0' || d_[pos_] > '9') throw ImageError(std::string("PNM: ") + what + " is not a number");
    std::int64_t v = 0;
    while (pos_ < d_.size() && d_[pos_] >= '0' && d_[pos_] <= '9') {
      v = v * 10 + (d_[pos_++] - '0');
      if (v > 0xFFFFFFF) throw ImageError(std::string("PNM: ") + what + " too large");
    }
    return v;
  }

  // One plain PBM sample: a single '0' or '1', separators optional.
  int Bit() {
    SkipSpaceAndComments();
    if (pos_ >= d_.size()) throw ImageError("PNM: pixel data ends early");
    const char c = static_cast<char>(d_[pos_++]);
    if (c != '0' && c != '1') throw ImageError("PNM: plain PBM pixels must be 0 or 1");
    return c - '0';
  }

  // After the header of a binary form: exactly one whitespace character.
  void SingleSpace() {
    if (pos_ >= d_.size()) throw ImageError("PNM: pixel data missing");
    ++pos_;
  }

  std::size_t Pos() const { return pos_; }
  std::size_t Remaining() const { return d_.size() - pos_; }
  std::uint8_t Byte() { return d_[pos_++]; }

 private:
  std::span<const std::uint8_t> d_;
  std::size_t pos_ = 0;
};

std::uint8_t Scale(std::int64_t v, std::int64_t maxval, const char* what) {
  if (v > maxval) throw ImageError(std::string("PNM: ") + what + " sample above maxval");
  return static_cast<std::uint8_t>(maxval == 255 ? v : (v * 255 + maxval / 2) / maxval);
}

std::uint32_t Le16(std::span<const std::uint8_t> d, std::size_t at) {
  return d[at] | (std::uint32_t(d[at + 1]) << 8);
}
std::uint32_t Le32(std::span<const std::uint8_t> d, std::size_t at) {
  return Le16(d, at) | (Le16(d, at + 2) << 16);
}

}  // namespace

std::optional<ImageFormat> FormatFromExtension(std::string_view path) {
  const auto dot = path.rfind('.');
  const auto slash = path.find_last_of("/\\");
  if (dot == std::string_view::npos || (slash != std::string_view::npos && dot < slash)) return std::nullopt;
  std::string ext(path.substr(dot + 1));
  std::transform(ext.begin(), ext.end(), ext.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  if (ext == "pbm") return ImageFormat::Pbm;
  if (ext == "ppm") return ImageFormat::Ppm;
  if (ext == "bmp") return ImageFormat::Bmp;
  return std::nullopt;
}

std::vector<std::uint8_t> EncodePbm(const Bitmap& b, PnmEncoding encoding) {
  std::vector<std::uint8_t> out;
  const bool plain = encoding == PnmEncoding::Plain;
  Append(out, PnmHeader(plain ? "P1" : "P4", b, false));
  for (int y = 0; y < b.Height(); ++y) {
    if (plain) {
      for (int x = 0; x < b.Width(); ++x) out.push_back(IsDark(b.ColorAt(x, y)) ? '1' : '0');
      out.push_back('\n');
      continue;
    }
    std::uint8_t acc = 0;
    for (int x = 0; x < b.Width(); ++x) {
      if (IsDark(b.ColorAt(x, y))) acc |= static_cast<std::uint8_t>(0x80 >> (x % 8));
      if (x % 8 == 7 || x == b.Width() - 1) {
        out.push_back(acc);
        acc = 0;
      }
    }
  }
  return out;
}

std::vector<std::uint8_t> EncodePpm(const Bitmap& b, PnmEncoding encoding) {
  std::vector<std::uint8_t> out;
  const bool plain = encoding == PnmEncoding::Plain;
  Append(out, PnmHeader(plain ? "P3" : "P6", b, true));
  for (int y = 0; y < b.Height(); ++y) {
    for (int x = 0; x < b.Width(); ++x) {
      const Rgb c = b.ColorAt(x, y);
      if (plain) {
        Append(out, (x ? " " : "") + std::to_string(c.r) + " " + std::to_string(c.g) + " " + std::to_string(c.b));
      } else {
        out.insert(out.end(), {c.r, c.g, c.b});
      }
    }
    if (plain) out.push_back('\n');
  }
  return out;
}

std::vector<std::uint8_t> EncodeBmp(const Bitmap& b) {
  const int depth = b.Depth();
  std::vector<Rgb> palette;
  if (b.Indexed()) {
    palette = b.Palette();
    std::size_t needed = 1;
    for (int y = 0; y < b.Height(); ++y)
      for (int x = 0; x < b.Width(); ++x) needed = std::max<std::size_t>(needed, b.Index(x, y) + 1u);
    if (palette.size() < needed) palette.resize(needed);
  }
  const std::uint32_t stride = ((static_cast<std::uint32_t>(b.Width()) * depth + 31) / 32) * 4;
  const std::uint32_t dataOffset = 14 + 40 + 4 * static_cast<std::uint32_t>(palette.size());
  const std::uint32_t dataSize = stride * static_cast<std::uint32_t>(b.Height());

  std::vector<std::uint8_t> out;
  out.reserve(dataOffset + dataSize);
  // BITMAPFILEHEADER
  Append(out, "BM");
  PutLe32(out, dataOffset + dataSize);
  PutLe32(out, 0);
  PutLe32(out, dataOffset);
  // BITMAPINFOHEADER; 2835 pixels per metre = 72 dpi
  PutLe32(out, 40);
  PutLe32(out, static_cast<std::uint32_t>(b.Width()));
  PutLe32(out, static_cast<std::uint32_t>(b.Height()));
  PutLe16(out, 1);
  PutLe16(out, static_cast<std::uint32_t>(depth));
  PutLe32(out, 0);  // BI_RGB
  PutLe32(out, dataSize);
  PutLe32(out, 2835);
  PutLe32(out, 2835);
  PutLe32(out, static_cast<std::uint32_t>(palette.size()));
  PutLe32(out, 0);
  for (const Rgb& c : palette) out.insert(out.end(), {c.b, c.g, c.r, 0});

  // Rows bottom-up, each padded with zero bytes to a multiple of 4.
  for (int y = b.Height() - 1; y >= 0; --y) {
    const std::size_t rowStart = out.size();
    if (depth == 24) {
      for (int x = 0; x < b.Width(); ++x) {
        const Rgb c = b.ColorAt(x, y);
        out.insert(out.end(), {c.b, c.g, c.r});
      }
    } else {
      const int perByte = 8 / depth;
      std::uint8_t acc = 0;
      for (int x = 0; x < b.Width(); ++x) {
        const int slot = x % perByte;
        acc |= static_cast<std::uint8_t>(b.Index(x, y) << (8 - depth * (slot + 1)));
        if (slot == perByte - 1 || x == b.Width() - 1) {
          out.push_back(acc);
          acc = 0;
        }
      }
    }
    out.resize(rowStart + stride, 0);
  }
  return out;
}

std::vector<std::uint8_t> Encode(const Bitmap& bitmap, ImageFormat format) {
  switch (format) {
    case ImageFormat::Pbm: return EncodePbm(bitmap);
    case ImageFormat::Ppm: return EncodePpm(bitmap);
    case ImageFormat::Bmp: return EncodeBmp(bitmap);
  }
  return {};
}

Bitmap DecodePnm(std::span<const std::uint8_t> data) {
  if (data.size() < 2 || data[0] != 'P' || data[1] < '1' || data[1] > '6')
    throw ImageError("PNM: not a netpbm file (expected P1 to P6)");
  const int kind = data[1] - '0';
  PnmScanner s(data.subspan(2));
  const std::int64_t w = s.Number("width");
  const std::int64_t h = s.Number("height");
  if (Oversized(w, h)) throw ImageError("PNM: picture too large");
  const bool bits = kind == 1 || kind == 4;
  const bool grey = kind == 2 || kind == 5;
  const bool binary = kind >= 4;
  std::int64_t maxval = 1;
  if (!bits) {
    maxval = s.Number("maxval");
    if (maxval < 1 || maxval > 65535) throw ImageError("PNM: maxval must be 1 to 65535");
  }
  const int samples = bits || grey ? 1 : 3;
  if (binary) s.SingleSpace();

  // The data must be there before the bitmap is allocated; a plain sample takes at least
  // one character.
  const std::size_t pixels = static_cast<std::size_t>(w * h);
  if (binary) {
    const std::size_t bytesPerSample = maxval > 255 ? 2 : 1;
    const std::size_t need = bits ? static_cast<std::size_t>((w + 7) / 8 * h) : pixels * samples * bytesPerSample;
    if (s.Remaining() < need) throw ImageError("PNM: pixel data ends early");
  } else if (s.Remaining() < pixels * samples) {
    throw ImageError("PNM: pixel data ends early");
  }
  Bitmap b(static_cast<int>(w), static_cast<int>(h), bits ? 1 : grey ? 8 : 24);

  std::uint8_t rowByte = 0;
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      if (bits) {
        int bit;
        if (binary) {
          if (x % 8 == 0) rowByte = s.Byte();
          bit = (rowByte >> (7 - x % 8)) & 1;
        } else {
          bit = s.Bit();
        }
        b.SetIndex(x, y, bit ? 0 : 1);  // PBM: 1 is black, palette entry 0
        continue;
      }
      std::uint8_t v[3];
      for (int k = 0; k < samples; ++k) {
        std::int64_t raw;
        if (!binary) {
          raw = s.Number("sample");
        } else if (maxval > 255) {
          raw = s.Byte() << 8;
          raw |= s.Byte();
        } else {
          raw = s.Byte();
        }
        v[k] = Scale(raw, maxval, "pixel");
      }
      if (grey)
        b.SetIndex(x, y, v[0]);
      else
        b.SetColor(x, y, {v[0], v[1], v[2]});
    }
  }
  return b;
}

Bitmap DecodeBmp(std::span<const std::uint8_t> d) {
  if (d.size() < 14 + 40 || d[0] != 'B' || d[1] != 'M')
    throw ImageError("BMP: not a BMP file or header cut short");
  const std::uint32_t offset = Le32(d, 10);
  const std::uint32_t infoSize = Le32(d, 14);
  if (infoSize < 40) throw ImageError("BMP: unsupported info header (need 40 bytes or more)");
  if (14 + static_cast<std::uint64_t>(infoSize) > d.size()) throw ImageError("BMP: info header cut short");
  const auto w = static_cast<std::int32_t>(Le32(d, 18));
  const auto hRaw = static_cast<std::int32_t>(Le32(d, 22));
  const std::uint32_t bpp = Le16(d, 28);
  const std::uint32_t compression = Le32(d, 30);
  std::uint32_t colours = Le32(d, 46);
  if (compression != 0) throw ImageError("BMP: compressed data is not supported (only uncompressed BI_RGB)");
  if (bpp != 1 && bpp != 4 && bpp != 8 && bpp != 24)
    throw ImageError("BMP: " + std::to_string(bpp) + " bits per pixel not supported (1, 4, 8 or 24)");
  const std::int64_t h = hRaw < 0 ? -static_cast<std::int64_t>(hRaw) : hRaw;
  if (w < 0) throw ImageError("BMP: negative width");
  if (Oversized(w, h)) throw ImageError("BMP: picture too large");
  const bool topDown = hRaw < 0;
  const std::uint64_t stride = ((static_cast<std::uint64_t>(w) * bpp + 31) / 32) * 4;
  if (offset + stride * static_cast<std::uint64_t>(h) > d.size()) throw ImageError("BMP: pixel data cut short");

  Bitmap b(w, static_cast<int>(h), static_cast<int>(bpp));
  if (bpp <= 8) {
    const std::uint32_t maxColours = 1u << bpp;
    if (colours == 0 || colours > maxColours) colours = maxColours;
    const std::uint64_t palAt = 14 + static_cast<std::uint64_t>(infoSize);
    if (palAt + 4ull * colours > d.size()) throw ImageError("BMP: palette cut short");
    std::vector<Rgb> palette;
    for (std::uint32_t i = 0; i < colours; ++i) {
      const std::size_t at = palAt + 4 * i;
      palette.push_back({d[at + 2], d[at + 1], d[at]});
    }
    b.SetPalette(std::move(palette));
  }
  for (std::int64_t row = 0; row < h; ++row) {
    const int y = static_cast<int>(topDown ? row : h - 1 - row);
    const std::size_t at = offset + row * stride;
    for (int x = 0; x < w; ++x) {
      if (bpp == 24) {
        const std::size_t p = at + 3 * static_cast<std::size_t>(x);
        b.SetColor(x, y, {d[p + 2], d[p + 1], d[p]});
      } else {
        const int perByte = 8 / static_cast<int>(bpp);
        const std::uint8_t byte = d[at + x / perByte];
        const int shift = 8 - static_cast<int>(bpp) * (x % perByte + 1);
        b.SetIndex(x, y, static_cast<std::uint8_t>((byte >> shift) & ((1 << bpp) - 1)));
      }
    }
  }
  return b;
}

Bitmap DecodeImage(std::span<const std::uint8_t> data) {
  if (data.size() >= 2 && data[0] == 'B' && data[1] == 'M') return DecodeBmp(data);
  if (data.size() >= 2 && data[0] == 'P') return DecodePnm(data);
  throw ImageError("image: neither a netpbm (P1 to P6) nor a BMP file");
}

FileResult WriteFileBytes(const std::string& path, std::span<const std::uint8_t> bytes) {
  try {
    fileio::WriteFileSafely(path, std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
  } catch (const fileio::FileError& e) {
    return FileResult{"cannot write " + path + ": " + e.Reason()};
  }
  return {};
}

FileResult WriteImageFile(const Bitmap& bitmap, const std::string& path, ImageFormat format) {
  const auto bytes = Encode(bitmap, format);
  return WriteFileBytes(path, bytes);
}

std::vector<std::uint8_t> ReadFileBytes(const std::string& path) {
  std::unique_ptr<std::FILE, int (*)(std::FILE*)> f(std::fopen(path.c_str(), "rb"), &std::fclose);
  if (!f) throw ImageError("cannot read " + path + ": " + std::strerror(errno));
  std::vector<std::uint8_t> out;
  std::uint8_t buf[65536];
  std::size_t n;
  while ((n = std::fread(buf, 1, sizeof buf, f.get())) > 0) out.insert(out.end(), buf, buf + n);
  if (std::ferror(f.get())) throw ImageError("cannot read " + path + ": " + std::strerror(errno));
  return out;
}

Bitmap ReadImageFile(const std::string& path) {
  const auto bytes = ReadFileBytes(path);
  try {
    return DecodeImage(bytes);
  } catch (const ImageError& e) {
    throw ImageError(path + ": " + e.what());
  }
}

}  // namespace setrix::raster
