// The number reader, the locale conversion, the normalisers and every number format the
// program uses, on any text and any double.
//
// Input: optional first byte "," (the locale separator becomes ","), then the text. The
// first eight bytes also count as a double, so NaN, infinities and subnormals come up.
#include <cmath>
#include <cstdint>
#include <cstring>
#include <stdexcept>
#include <string>

#include "fuzz/fuzz_check.h"
#include "modules/numbers.h"

namespace {

using namespace setrix;

// Every format the screens and documents use.
constexpr const char* kFormats[] = {"%.15g", "%.1f", "%.3f", "%.3g", "%.5g", "%2.4f", "%5.3g", "%5.5g"};

// The output of FormatNumber for a finite value: blanks, then an optional "-", digits with at
// most one separator, and for "g" at most an "E" exponent; nothing else.
void CheckFormatted(const std::string& out, const char* format, double value) {
  const char sep = DecimalSeparator();
  std::size_t i = 0;
  while (i < out.size() && out[i] == ' ') ++i;
  if (i < out.size() && out[i] == '-') ++i;
  int seps = 0, digits = 0;
  for (; i < out.size(); ++i) {
    const char c = out[i];
    if (c >= '0' && c <= '9') {
      ++digits;
    } else if (c == sep) {
      ++seps;
    } else if (c == 'E') {
      ++i;
      if (i < out.size() && out[i] == '-') ++i;
      FUZZ_CHECK(i < out.size(), "%s of %.17g gave \"%s\"", format, value, out.c_str());
      for (; i < out.size(); ++i)
        FUZZ_CHECK(out[i] >= '0' && out[i] <= '9', "%s of %.17g gave \"%s\"", format, value, out.c_str());
      break;
    } else {
      FUZZ_CHECK(false, "%s of %.17g gave \"%s\"", format, value, out.c_str());
    }
  }
  FUZZ_CHECK(digits > 0 && seps <= 1, "%s of %.17g gave \"%s\"", format, value, out.c_str());
  // Trailing zeros and a bare separator are dropped in "g".
  if (std::strchr(format, 'g') != nullptr && out.find('E') == std::string::npos && seps == 1)
    FUZZ_CHECK(out.back() != '0' && out.back() != sep, "%s of %.17g gave \"%s\"", format, value, out.c_str());
}

void CheckDouble(double v) {
  for (const char* format : kFormats) {
    const std::string out = FormatNumber(format, v);
    if (!std::isfinite(v)) continue;
    CheckFormatted(out, format, v);
    // What is shown reads back as a number (rounding the largest doubles up may leave the
    // double range).
    try {
      const double back = LocaleTextToDouble(out);
      FUZZ_CHECK(std::isfinite(back), "%s of %.17g read back as %.17g", format, v, back);
    } catch (const ConversionError&) {
      FUZZ_CHECK(std::fabs(v) > 1e307, "%s of %.17g gave \"%s\", which does not read back", format, v,
                 out.c_str());
    }
  }
  if (std::isfinite(v)) {
    // 17 significant digits name the double exactly.
    const std::string exact = FormatNumber("%.17g", v);
    const double back = LocaleTextToDouble(exact);
    FUZZ_CHECK(back == v, "%.17g written as \"%s\" read back as %.17g", v, exact.c_str(), back);
  }
  const std::string f = CelsiusToFahrenheitText(v);
  FUZZ_CHECK(f.size() >= 3 && f.compare(f.size() - 3, 3, "\u00B0F") == 0, "Fahrenheit of %.17g: %s", v, f.c_str());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string_view text(reinterpret_cast<const char*>(data), size);
  SetDecimalSeparator('.');
  if (!text.empty() && text.front() == ',') {
    SetDecimalSeparator(',');
    text.remove_prefix(1);
  }

  double raw = 0;
  if (size >= sizeof raw) {
    std::memcpy(&raw, data, sizeof raw);
    CheckDouble(raw);
  }

  // The tolerant reader, from the first few start positions.
  for (std::size_t start = 0; start <= text.size() && start < 8; ++start) {
    std::size_t cursor = start;
    double value = 12345.678;
    const bool read = ParseNumber(text, cursor, value);
    FUZZ_CHECK(cursor >= start && cursor <= text.size(), "cursor %zu from %zu", cursor, start);
    if (read) {
      FUZZ_CHECK(std::isfinite(value), "ParseNumber read %.17g", value);
      FUZZ_CHECK(cursor > start, "a number read from nothing");
      if (start == 0) CheckDouble(value);
    } else {
      FUZZ_CHECK(value == 12345.678, "ParseNumber wrote the value although it read nothing");
    }
  }

  // The locale conversion either gives a finite number or raises ConversionError.
  try {
    const double v = LocaleTextToDouble(text);
    FUZZ_CHECK(std::isfinite(v), "LocaleTextToDouble gave %.17g", v);
  } catch (const ConversionError&) {
  }

  const std::string normal = NormalizeDecimalSeparator(text);
  FUZZ_CHECK(normal.size() == text.size(), "NormalizeDecimalSeparator changed the length");
  try {
    std::string a = NormalizeNumberText(text, true);
    std::string b = NormalizeNumberText("10", true);
    const std::size_t before = a.size() - b.size();
    TrimTrailingZeros(a, b);
    FUZZ_CHECK(a.size() - b.size() == before, "TrimTrailingZeros trimmed the two texts unevenly");
    FUZZ_CHECK(a.find(DecimalSeparator()) != std::string::npos, "TrimTrailingZeros dropped every decimal: %s",
               a.c_str());
  } catch (const ConversionError&) {
  }
  (void)NormalizeNumberText(text, false);
  const std::string trimmed = TrimLeadingBlanks(text);
  FUZZ_CHECK(trimmed.empty() || trimmed.front() != ' ', "TrimLeadingBlanks left a blank");

  // Any text as a format: a result or invalid_argument, never more.
  try {
    (void)FormatNumber(text, raw);
  } catch (const std::invalid_argument&) {
  }

  for (std::size_t i = 0; i < text.size() && i < 16; ++i) {
    const auto key = DCEditKeyPress(text[i]);
    FUZZ_CHECK(!key || *key == text[i], "the key filter changed a key");
  }
  return 0;
}
