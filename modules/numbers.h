#pragma once
// Number entry and formatting helpers shared by every module screen and the documentation.
// Texts are UTF-8; the degree sign is "°".
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace setrix {

// The process-wide decimal separator ("," or "."), read from the user's locale at start;
// "." until it is set. Any other character throws std::invalid_argument.
char DecimalSeparator();
void SetDecimalSeparator(char separator);

// Raised by the locale conversion on a text that is not a number.
class ConversionError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The locale conversion: optional blanks, sign, digits, at most one decimal separator
// (the locale one), optional exponent. Throws ConversionError otherwise.
double LocaleTextToDouble(std::string_view text);

// Reads a number from text[cursor...]; true and value written only when a number was read.
// The cursor is left behind the last accepted character. A text that would give more than 39
// number characters is no number (false). Both "," and "." are read as the decimal mark.
bool ParseNumber(std::string_view text, std::size_t& cursor, double& value);

std::string NormalizeDecimalSeparator(std::string_view text);
// Throws ConversionError when reformat is set and the text is no number.
std::string NormalizeNumberText(std::string_view text, bool reformat);
void TrimTrailingZeros(std::string& a, std::string& b);
std::string TrimLeadingBlanks(std::string_view text);
std::string CelsiusToFahrenheitText(double celsius);
// Key filter of the four DC entry fields: the character, or nothing when rejected.
std::optional<char> DCEditKeyPress(char key);

// The program's own printf-like formatter for one number ("%5.5g", "%.3f", "%2.4f", ...),
// with the locale decimal separator and the program's "g" rules. Literal text may stand
// around the one conversion %[-][width][.precision]g|f; the exact binary value is rounded
// half away from zero. Other formats throw std::invalid_argument.
std::string FormatNumber(std::string_view format, double value);

}  // namespace setrix
