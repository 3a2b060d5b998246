// Number entry and formatting helpers. Conversions and formats are done here rather than
// by the C library: its locale handling and its "g" rules are not the program's.
#include "modules/numbers.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <stdexcept>
#include <system_error>

namespace setrix {

namespace {

char gDecimalSeparator = '.';

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// ---- exact decimal rounding -------------------------------------------------------------

// True when a (finite, > 0) lies exactly half way between two multiples of 10^q, i.e. when
// 2a / 10^q is an odd integer. Only then do "half to even" (std::to_chars) and "half away
// from zero" (this program's rounding) differ.
bool IsDecimalTie(double a, int q) {
  int e = 0;
  const double m = std::frexp(a, &e);  // a = m * 2^e, 0.5 <= m < 1
  auto mant = static_cast<std::uint64_t>(std::ldexp(m, 53));
  int exp2 = e - 53;
  while ((mant & 1U) == 0) {
    mant >>= 1;
    ++exp2;
  }
  // a = mant * 2^exp2 with mant odd. 2a/10^q = mant * 2^(exp2+1-q) / 5^q for any sign of q;
  // with mant odd that is an odd integer only if exp2 + 1 == q and 5^q divides mant.
  if (exp2 + 1 != q) return false;
  if (q <= 0) return true;
  if (q >= 23) return false;  // 5^23 > 2^53 > mant
  std::uint64_t p5 = 1;
  for (int i = 0; i < q; ++i) p5 *= 5;
  return mant % p5 == 0;
}

// Adds one unit in the last digit of a run of decimal digits (other characters such as the
// separator are stepped over). Returns true when the carry ran out of the front.
bool IncrementDigits(std::string& s) {
  for (auto i = s.size(); i-- > 0;) {
    if (!IsDigit(s[i])) continue;
    if (s[i] != '9') {
      ++s[i];
      return false;
    }
    s[i] = '0';
  }
  return true;
}

// a (finite, >= 0) rounded half away from zero to `sig` significant digits:
// digits holds exactly `sig` digits, the value is d.ddd x 10^exp10.
void RoundSignificant(double a, int sig, std::string& digits, int& exp10) {
  if (a == 0) {
    digits.assign(static_cast<std::size_t>(sig), '0');
    exp10 = 0;
    return;
  }
  std::string buf(static_cast<std::size_t>(sig) + 32, '\0');
  auto scan = [&](int precision, std::string& out, int& x) {
    const auto r = std::to_chars(buf.data(), buf.data() + buf.size(), a, std::chars_format::scientific, precision);
    const std::string_view s(buf.data(), static_cast<std::size_t>(r.ptr - buf.data()));
    const auto epos = s.find('e');
    out.clear();
    for (char c : s.substr(0, epos))
      if (IsDigit(c)) out.push_back(c);
    x = 0;
    std::from_chars(s.data() + epos + 1 + (s[epos + 1] == '+' ? 1 : 0), s.data() + s.size(), x);
  };
  scan(sig - 1, digits, exp10);
  if (!IsDecimalTie(a, exp10 - (sig - 1))) return;
  // A tie is exact with one more digit: drop that "5" and round away from zero.
  std::string exact;
  scan(sig, exact, exp10);
  exact.pop_back();
  if (IncrementDigits(exact)) {
    exact.insert(exact.begin(), '1');
    exact.pop_back();
    ++exp10;
  }
  digits = exact;
}

// a (finite, >= 0) with exactly `decimals` decimals, rounded half away from zero; the
// separator is ".".
std::string RoundFixed(double a, int decimals) {
  std::string buf(static_cast<std::size_t>(decimals) + 330, '\0');
  auto print = [&](int precision) {
    const auto r = std::to_chars(buf.data(), buf.data() + buf.size(), a, std::chars_format::fixed, precision);
    return std::string(buf.data(), r.ptr);
  };
  if (a == 0 || !IsDecimalTie(a, -decimals)) return print(decimals);
  std::string exact = print(decimals + 1);
  exact.pop_back();
  if (decimals == 0) exact.pop_back();  // the "." in front of the dropped digit
  if (IncrementDigits(exact)) exact.insert(exact.begin(), '1');
  return exact;
}

bool AllZeroDigits(std::string_view s) {
  for (char c : s)
    if (IsDigit(c) && c != '0') return false;
  return true;
}

std::string FormatG(double a, int precision, char sep) {
  if (a == 0) return "0";
  std::string digits;
  int x = 0;
  RoundSignificant(a, precision, digits, x);
  std::string out;
  if (x < precision && x >= -5) {
    // Fixed notation: at most `precision` digits before the separator, and at least 0.00001.
    if (x >= 0) {
      out = digits.substr(0, static_cast<std::size_t>(x) + 1);
      out += sep;
      out += digits.substr(static_cast<std::size_t>(x) + 1);
    } else {
      out = "0";
      out += sep;
      out.append(static_cast<std::size_t>(-x - 1), '0');
      out += digits;
    }
    while (out.back() == '0') out.pop_back();
    if (out.back() == sep) out.pop_back();
    return out;
  }
  out = digits.substr(0, 1);
  std::string frac = digits.substr(1);
  while (!frac.empty() && frac.back() == '0') frac.pop_back();
  if (!frac.empty()) {
    out += sep;
    out += frac;
  }
  out += 'E';
  out += std::to_string(x);
  return out;
}

struct FormatConversion {
  std::string_view prefix, suffix;
  bool leftAlign = false;
  int width = 0;
  int precision = 6;
  char conversion = 'g';
};

[[noreturn]] void BadFormat(std::string_view format) {
  throw std::invalid_argument("FormatNumber: bad format \"" + std::string(format) +
                              "\"; expected one conversion %[-][width][.precision]g or f");
}

// Reads a count of at most 3 digits (formats never need more).
int ReadCount(std::string_view format, std::size_t& i) {
  int n = 0;
  std::size_t digits = 0;
  while (i < format.size() && IsDigit(format[i])) {
    if (++digits > 3) BadFormat(format);
    n = n * 10 + (format[i] - '0');
    ++i;
  }
  return n;
}

FormatConversion ParseFormat(std::string_view format) {
  FormatConversion conv;
  const auto pct = format.find('%');
  if (pct == std::string_view::npos) BadFormat(format);
  conv.prefix = format.substr(0, pct);
  std::size_t i = pct + 1;
  if (i < format.size() && format[i] == '-') {
    conv.leftAlign = true;
    ++i;
  }
  conv.width = ReadCount(format, i);
  if (i < format.size() && format[i] == '.') {
    ++i;
    conv.precision = ReadCount(format, i);
  }
  if (i >= format.size()) BadFormat(format);
  const char c = format[i];
  if (c == 'g' || c == 'G')
    conv.conversion = 'g';
  else if (c == 'f' || c == 'F')
    conv.conversion = 'f';
  else
    BadFormat(format);
  conv.suffix = format.substr(i + 1);
  if (conv.prefix.find('%') != std::string_view::npos || conv.suffix.find('%') != std::string_view::npos)
    BadFormat(format);
  return conv;
}

}  // namespace

char DecimalSeparator() { return gDecimalSeparator; }

void SetDecimalSeparator(char separator) {
  if (separator != '.' && separator != ',')
    throw std::invalid_argument("decimal separator must be \".\" or \",\"");
  gDecimalSeparator = separator;
}

double LocaleTextToDouble(std::string_view text) {
  auto fail = [&]() -> double { throw ConversionError("\"" + std::string(text) + "\" is not a valid number"); };
  std::size_t i = 0;
  const std::size_t n = text.size();
  while (i < n && text[i] == ' ') ++i;
  bool negative = false;
  if (i < n && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  std::string intPart, fracPart;
  bool seenSep = false;
  for (; i < n; ++i) {
    const char c = text[i];
    if (IsDigit(c))
      (seenSep ? fracPart : intPart).push_back(c);
    else if (c == gDecimalSeparator && !seenSep)
      seenSep = true;
    else
      break;
  }
  if (intPart.empty() && fracPart.empty()) fail();
  long long exponent = 0;  // saturates far beyond any double's range
  bool expNegative = false;
  if (i < n && (text[i] == 'e' || text[i] == 'E')) {
    ++i;
    if (i < n && (text[i] == '+' || text[i] == '-')) expNegative = text[i++] == '-';
    const std::size_t expStart = i;
    for (; i < n && IsDigit(text[i]); ++i)
      if (exponent < 1000000000000LL) exponent = exponent * 10 + (text[i] - '0');
    if (i == expStart) fail();
    if (expNegative) exponent = -exponent;
  }
  while (i < n && text[i] == ' ') ++i;
  if (i != n) fail();

  // Decimal order of the leading nonzero digit (the value is about 10^order).
  long long order = 0;
  bool nonzero = false;
  if (const auto p = intPart.find_first_not_of('0'); p != std::string::npos) {
    nonzero = true;
    order = static_cast<long long>(intPart.size() - p) - 1;
  } else if (const auto q = fracPart.find_first_not_of('0'); q != std::string::npos) {
    nonzero = true;
    order = -static_cast<long long>(q) - 1;
  }
  if (!nonzero) return negative ? -0.0 : 0.0;
  if (order + exponent > 400) fail();                         // far beyond the largest double
  if (order + exponent < -400) return negative ? -0.0 : 0.0;  // far below the smallest

  std::string canon = intPart.empty() ? "0" : intPart;
  if (!fracPart.empty()) canon += "." + fracPart;
  canon += "e" + std::to_string(exponent);
  double value = 0;
  const auto r = std::from_chars(canon.data(), canon.data() + canon.size(), value);
  if (r.ec == std::errc::result_out_of_range) {
    if (order + exponent >= 0) fail();  // too large for a double
    value = 0;                          // too small for a double
  } else if (r.ec != std::errc() || r.ptr != canon.data() + canon.size()) {
    fail();
  }
  return negative ? -value : value;
}

bool ParseNumber(std::string_view text, std::size_t& cursor, double& value) {
  if (cursor >= text.size()) return false;
  while (cursor < text.size() && text[cursor] == ' ') ++cursor;
  if (cursor >= text.size()) return false;
  const char d = gDecimalSeparator == ',' ? ',' : '.';
  // At most 39 characters are collected; a text that would give more is no number.
  constexpr std::size_t kMaxCollected = 39;
  std::string collected;
  bool sepSeen = false;
  for (; cursor < text.size(); ++cursor) {
    const char c = text[cursor];
    char take = 0;
    if (c == '+' || c == '-' || IsDigit(c)) {
      take = c;
    } else if (c == ',' || c == '.') {
      if (sepSeen) break;
      sepSeen = true;
      take = d;
    } else if (c == 'E' || c == 'e') {
      take = 'E';
    } else {
      break;
    }
    if (collected.size() == kMaxCollected) return false;
    collected.push_back(take);
  }
  if (collected.empty()) return false;
  try {
    value = LocaleTextToDouble(collected);
  } catch (const ConversionError&) {
    return false;
  }
  return true;
}

std::string NormalizeDecimalSeparator(std::string_view text) {
  std::string out(text);
  for (char& c : out)
    if (c == ',') c = gDecimalSeparator;
  for (char& c : out)
    if (c == '.') c = gDecimalSeparator;
  return out;
}

std::string NormalizeNumberText(std::string_view text, bool reformat) {
  std::string out(text);
  for (char& c : out)
    if (c == '.') c = '@';
  for (char& c : out)
    if (c == ',') c = '@';
  for (char& c : out)
    if (c == '@') c = gDecimalSeparator;
  if (!reformat) return out;
  return FormatNumber("%2.4f", LocaleTextToDouble(out));
}

void TrimTrailingZeros(std::string& a, std::string& b) {
  const char sep = gDecimalSeparator;
  // A trailing "0" may go only while it is a decimal that is not the last one.
  auto trimmable = [sep](const std::string& s) {
    const auto p = s.find(sep);
    return p != std::string::npos && s.size() >= p + 3 && s.back() == '0';
  };
  while (trimmable(a) && trimmable(b)) {
    a.pop_back();
    b.pop_back();
  }
}

std::string TrimLeadingBlanks(std::string_view text) {
  const auto first = text.find_first_not_of(' ');
  return first == std::string_view::npos ? std::string() : std::string(text.substr(first));
}

std::string CelsiusToFahrenheitText(double celsius) {
  double f = std::trunc(celsius * 9 / 5 + 32);
  if (f == 0) f = 0;  // no "-0"
  char buf[400];
  const auto r = std::to_chars(buf, buf + sizeof buf, f, std::chars_format::fixed, 0);
  return std::string(buf, r.ptr) + "\u00B0F";
}

std::optional<char> DCEditKeyPress(char key) {
  if (key == 8 || key == ',' || key == '-' || key == '.' || IsDigit(key)) return key;
  return std::nullopt;
}

std::string FormatNumber(std::string_view format, double value) {
  const FormatConversion conv = ParseFormat(format);
  const char sep = gDecimalSeparator;
  std::string body;
  if (std::isnan(value)) {
    body = "NAN";
  } else if (std::isinf(value)) {
    body = value < 0 ? "-INF" : "INF";
  } else {
    const double a = std::fabs(value);
    if (conv.conversion == 'g') {
      body = FormatG(a, conv.precision == 0 ? 1 : conv.precision, sep);
    } else {
      body = RoundFixed(a, conv.precision);
      for (char& c : body)
        if (c == '.') c = sep;
    }
    // A value that shows as zero carries no sign.
    if (std::signbit(value) && !AllZeroDigits(body)) body.insert(body.begin(), '-');
  }
  const auto pad =
      static_cast<std::size_t>(conv.width) > body.size() ? static_cast<std::size_t>(conv.width) - body.size() : 0;
  std::string out(conv.prefix);
  if (!conv.leftAlign) out.append(pad, ' ');
  out += body;
  if (conv.leftAlign) out.append(pad, ' ');
  out += conv.suffix;
  return out;
}

}  // namespace setrix
