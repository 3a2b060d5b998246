#pragma once
// Text and number formatters of the PDF engine.
//
// Texts inside the engine are 8-bit strings in Windows-1252 (WinAnsi), the encoding every
// font of the engine declares; std::string holds the bytes. Callers with UTF-8 text convert
// it once with Utf8ToWinAnsi.
#include <cstddef>
#include <string>
#include <string_view>

namespace setrix::pdf {

// A local date and time as the calendar shows it (no time zone).
struct TPdfDateTime {
  int Year = 0, Month = 0, Day = 0;
  int Hour = 0, Minute = 0, Second = 0;

  // The current local time of this machine.
  static TPdfDateTime Now();
  friend bool operator==(const TPdfDateTime&, const TPdfDateTime&) = default;
};

// Literal-string escaping: ( ) \ become \( \) \\, CR LF TAB BS FF become \r \n \t \b \f;
// every other byte, also 128..255, is copied unchanged. No octal escapes.
std::string EscapeText(std::string_view text);

// Name escaping: bytes below 33, above 126 and the delimiters # % ( ) / < > [ ] { } are
// written as "#" and two uppercase hex digits ("A B" -> "A#20B").
std::string EscapeName(std::string_view text);
// The same, appended to out.
void AppendEscapedName(std::string& out, std::string_view text);

// Two uppercase hex digits per byte, no separators ("en" -> "656E").
std::string HexBytes(std::string_view text);

// The text converted from Windows-1252 to UTF-16, four uppercase hex digits per code unit,
// high byte first ("\x80" -> "20AC").
std::string UnicodeHex(std::string_view text);

// Byte order mark and language code "en" for Unicode strings: "FEFF001B656E001B".
std::string LanguagePrefix();

// True when a byte belongs to a double-byte character of the active code page. The engine
// works in the single-byte Windows-1252, so this is always false.
bool IsMultiByte(std::string_view text);

// The number of characters; in Windows-1252 the number of bytes.
int CharCount(std::string_view text);

// The number format of content streams: rounded to two decimals (halves up, computed in
// extended precision), "." as decimal point, no trailing zeros, never an exponent.
// 794.4 -> "794.4", 12 -> "12", 0.125 -> "0.13", -3.5 -> "-3.5", 0.005f -> "0".
std::string FormatReal(long double x);
// FormatReal's text without a string: written to out, which must have room for
// kRealChars bytes; returns the end of the text (no terminating zero).
inline constexpr std::size_t kRealChars = 64;
char* FormatRealTo(char* out, long double x);
// FormatReal's text appended to out.
void AppendReal(std::string& out, long double x);

// Plain decimal form with up to 15 significant digits and "." as decimal point, no
// trailing zeros, no decimal point for whole values (0.5 -> "0.5", 12.0 -> "12").
std::string FormatRealValue(double x);

// "D:" year month day hour minute second, no time zone: "D:20011101002142".
std::string FormatPdfDate(const TPdfDateTime& t);

// UTF-8 to Windows-1252. Characters that code page cannot hold, and bytes that are not
// valid UTF-8, become "?".
std::string Utf8ToWinAnsi(std::string_view utf8);

// The Unicode code point of a Windows-1252 byte (the five undefined bytes map to
// themselves).
char32_t WinAnsiToUnicode(unsigned char byte);

}  // namespace setrix::pdf
