#include "pdf/format.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>

namespace setrix::pdf {

namespace {

constexpr char kHex[] = "0123456789ABCDEF";

void AppendHexByte(std::string& out, unsigned char b) {
  out += kHex[b >> 4];
  out += kHex[b & 15];
}

// Unicode code points of the bytes 0x80..0x9F; 0 marks the five undefined bytes.
constexpr char32_t kHigh[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

// Removes trailing zeros of a decimal fraction and a bare decimal point.
void TrimFraction(std::string& s) {
  if (s.find('.') == std::string::npos) return;
  while (!s.empty() && s.back() == '0') s.pop_back();
  if (!s.empty() && s.back() == '.') s.pop_back();
}

}  // namespace

TPdfDateTime TPdfDateTime::Now() {
  const std::time_t now = std::time(nullptr);
  std::tm tm{};
  localtime_r(&now, &tm);
  return {tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday, tm.tm_hour, tm.tm_min, tm.tm_sec};
}

std::string EscapeText(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (const char c : text) {
    switch (c) {
      case '(': out += "\\("; break;
      case ')': out += "\\)"; break;
      case '\\': out += "\\\\"; break;
      case '\r': out += "\\r"; break;
      case '\n': out += "\\n"; break;
      case '\t': out += "\\t"; break;
      case '\b': out += "\\b"; break;
      case '\f': out += "\\f"; break;
      default: out += c;
    }
  }
  return out;
}

std::string EscapeName(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  AppendEscapedName(out, text);
  return out;
}

void AppendEscapedName(std::string& out, std::string_view text) {
  // Bytes written as they are: 33 to 126 except the delimiters.
  static constexpr auto kPlain = [] {
    std::array<bool, 256> plain{};
    for (int b = 33; b <= 126; ++b) plain[static_cast<std::size_t>(b)] = true;
    for (const char c : std::string_view("#%()/<>[]{}")) plain[static_cast<unsigned char>(c)] = false;
    return plain;
  }();
  std::size_t i = 0;
  while (i < text.size()) {
    std::size_t end = i;
    while (end < text.size() && kPlain[static_cast<unsigned char>(text[end])]) ++end;
    out.append(text, i, end - i);
    if (end == text.size()) break;
    out += '#';
    AppendHexByte(out, static_cast<unsigned char>(text[end]));
    i = end + 1;
  }
}

std::string HexBytes(std::string_view text) {
  std::string out;
  out.reserve(text.size() * 2);
  for (const char c : text) AppendHexByte(out, static_cast<unsigned char>(c));
  return out;
}

char32_t WinAnsiToUnicode(unsigned char byte) {
  if (byte >= 0x80 && byte <= 0x9F && kHigh[byte - 0x80] != 0) return kHigh[byte - 0x80];
  return byte;
}

std::string UnicodeHex(std::string_view text) {
  std::string out;
  out.reserve(text.size() * 4);
  for (const char c : text) {
    const char32_t u = WinAnsiToUnicode(static_cast<unsigned char>(c));  // all in the BMP
    AppendHexByte(out, static_cast<unsigned char>(u >> 8));
    AppendHexByte(out, static_cast<unsigned char>(u & 0xFF));
  }
  return out;
}

std::string LanguagePrefix() { return "FEFF001B" + HexBytes("en") + "001B"; }

bool IsMultiByte(std::string_view) { return false; }

int CharCount(std::string_view text) { return static_cast<int>(text.size()); }

char* FormatRealTo(char* out, long double x) {
  if (!std::isfinite(x)) {
    *out = '0';
    return out + 1;
  }
  const long double n = std::floor(x * 100.0L + 0.5L);
  if (std::fabs(n) >= 1e18L) {
    // Far beyond any page coordinate: whole number, no decimals (at most kRealChars - 1 bytes).
    const int len = std::snprintf(out, kRealChars, "%.0Lf", n / 100.0L);
    return out + std::min<std::size_t>(static_cast<std::size_t>(std::max(len, 0)), kRealChars - 1);
  }
  const auto v = static_cast<std::int64_t>(n);
  if (v == 0) {
    *out = '0';
    return out + 1;
  }
  const std::uint64_t a = v < 0 ? static_cast<std::uint64_t>(-v) : static_cast<std::uint64_t>(v);
  if (v < 0) *out++ = '-';
  out = std::to_chars(out, out + 24, a / 100).ptr;
  const unsigned frac = static_cast<unsigned>(a % 100);
  if (frac != 0) {
    *out++ = '.';
    *out++ = static_cast<char>('0' + frac / 10);
    if (frac % 10 != 0) *out++ = static_cast<char>('0' + frac % 10);
  }
  return out;
}

void AppendReal(std::string& out, long double x) {
  char buf[kRealChars];
  out.append(buf, FormatRealTo(buf, x));
}

std::string FormatReal(long double x) {
  char buf[kRealChars];
  return std::string(buf, FormatRealTo(buf, x));
}

std::string FormatRealValue(double x) {
  if (!std::isfinite(x) || x == 0) return "0";
  // The decimal exponent after rounding to 15 significant digits.
  char sci[64];
  auto r = std::to_chars(sci, sci + sizeof sci, x, std::chars_format::scientific, 14);
  const std::string_view s(sci, static_cast<std::size_t>(r.ptr - sci));
  int exponent = std::atoi(std::string(s.substr(s.find('e') + 1)).c_str());
  const int decimals = exponent >= 14 ? 0 : 14 - exponent;
  char buf[400];
  r = std::to_chars(buf, buf + sizeof buf, x, std::chars_format::fixed, decimals);
  std::string out(buf, static_cast<std::size_t>(r.ptr - buf));
  TrimFraction(out);
  if (out == "-0") out = "0";
  return out;
}

std::string FormatPdfDate(const TPdfDateTime& t) {
  char buf[96];
  std::snprintf(buf, sizeof buf, "D:%04d%02d%02d%02d%02d%02d", t.Year, t.Month, t.Day, t.Hour, t.Minute, t.Second);
  return buf;
}

std::string Utf8ToWinAnsi(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  std::size_t i = 0;
  while (i < utf8.size()) {
    const auto b = static_cast<unsigned char>(utf8[i]);
    if (b < 0x80) {  // a run of ASCII as it is, eight bytes at a time while they are
      std::size_t end = i + 1;
      for (std::uint64_t w; end + 8 <= utf8.size(); end += 8) {
        std::memcpy(&w, utf8.data() + end, 8);
        if (w & 0x8080808080808080ull) break;
      }
      while (end < utf8.size() && static_cast<unsigned char>(utf8[end]) < 0x80) ++end;
      out.append(utf8, i, end - i);
      i = end;
      continue;
    }
    // Decode one multi-byte sequence; anything malformed is one "?" per bad lead byte.
    int len = 0;
    char32_t cp = 0;
    if (b >= 0xC2 && b <= 0xDF) {
      len = 2;
      cp = b & 0x1F;
    } else if (b >= 0xE0 && b <= 0xEF) {
      len = 3;
      cp = b & 0x0F;
    } else if (b >= 0xF0 && b <= 0xF4) {
      len = 4;
      cp = b & 0x07;
    }
    bool ok = len > 0 && i + static_cast<std::size_t>(len) <= utf8.size();
    for (int k = 1; ok && k < len; ++k) {
      const auto c = static_cast<unsigned char>(utf8[i + static_cast<std::size_t>(k)]);
      if ((c & 0xC0) != 0x80) ok = false;
      cp = (cp << 6) | (c & 0x3F);
    }
    if (ok && ((len == 3 && (cp < 0x800 || (cp >= 0xD800 && cp <= 0xDFFF))) ||
               (len == 4 && (cp < 0x10000 || cp > 0x10FFFF))))
      ok = false;
    if (!ok) {
      out += '?';
      ++i;
      continue;
    }
    i += static_cast<std::size_t>(len);
    char mapped = '?';
    if (cp >= 0xA0 && cp <= 0xFF) {
      mapped = static_cast<char>(cp);
    } else {
      for (int k = 0; k < 32; ++k)
        if (kHigh[k] != 0 && kHigh[k] == cp) mapped = static_cast<char>(0x80 + k);
    }
    out += mapped;
  }
  return out;
}

}  // namespace setrix::pdf
