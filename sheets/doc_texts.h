#pragma once
// Texts that both documentations (printed and PDF) build from the module screens, UTF-8; each
// in a given language, or (the overloads without one) in the current language.
#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace setrix {
class DcScreen;
}

namespace setrix::sheets {

// The information dialog's version caption, printed after "SETRIX".
inline constexpr std::string_view kVersionCaption = " Version 1.31";

// Replaces every occurrence of `placeholder`, letter case counting.
std::string ReplaceExact(std::string_view text, std::string_view placeholder, std::string_view with);

// Cuts a text into lines at every CR LF, CR or LF (a final line break adds no empty line).
std::vector<std::string> SplitLines(std::string_view text);

// The maker's address block, one line per entry.
std::vector<std::string> MakerAddressLines();
std::vector<std::string> MakerAddressLines(int language);

// ---- the note -----------------------------------------------------------------------------

// The longest note the documents take, in characters (UTF-8 code points).
inline constexpr std::size_t kNoteMaxCharacters = 48;

// The number of characters (UTF-8 code points) of a text; a stray byte counts as one.
std::size_t CharacterCount(std::string_view utf8);

// Breaks a note into lines no wider than `maxWidth`, as measured by `width`: after the last
// blank, "-", "/" or "." that keeps the line within the width, or else between two
// characters. Blanks at a break are dropped. Every character stays; an empty note is one
// empty line.
std::vector<std::string> WrapNote(std::string_view utf8, double maxWidth,
                                  const std::function<double(std::string_view)>& width);

// ---- DC isolator ------------------------------------------------------------------------

// The four entry numbers as the documents print them: each reformatted with four decimals
// in the locale separator, then both numbers of a pair shortened alike ("4" and "20" give
// "4.0" and "20.0"). A text that is no number raises std::invalid_argument naming the entry.
struct DcNumberTexts {
  std::string inStart, inEnd, outStart, outEnd;
};
DcNumberTexts DcDocumentNumbers(const DcScreen& dc);

// "mA", "mV" or "V" by the input unit; "mA" or "V" by the output unit.
std::string DcInputUnit(int inUnit);
std::string DcOutputUnit(int outUnit);

// The two-step texts of step 1 or 2: A names the switches and the illustration, B is the
// potentiometer line with its test values and terminals.
std::string DcTwoStepTextA(int step);
std::string DcTwoStepTextB(int step);
std::string DcTwoStepTextA(int step, int language);
std::string DcTwoStepTextB(int step, int language);

// ---- frequency converter ----------------------------------------------------------------

// "0 .. 5", "0 .. 10", "0 .. 20", "4 .. 20" by output index; "" for none.
std::string FrqRangeText(int outputIndex);
// "V" for outputs 0 and 1, "mA" for 2 and 3; "" for none.
std::string FrqRangeUnit(int outputIndex);

// A step of the documented procedure: its heading and its text (paragraphs separated by
// CR, not wrapped).
struct FrqStepText {
  std::string heading;
  std::string text;
};
// The steps of mode 1 (two) and mode 2 (three); none for mode 0.
std::vector<FrqStepText> FrqDocumentSteps(int modeIndex);
std::vector<FrqStepText> FrqDocumentSteps(int modeIndex, int language);

// The pinning block: terminal names (column 1) and what they carry (column 2), with the
// output range in `rangeAndUnit` ("4 .. 20 mA").
std::vector<std::string> FrqPinningTerminals();
std::vector<std::string> FrqPinningMeanings(std::string_view rangeAndUnit);
std::vector<std::string> FrqPinningTerminals(int language);
std::vector<std::string> FrqPinningMeanings(std::string_view rangeAndUnit, int language);
// The three groups of the pinning's second column (input, output, power supply), each with
// CR LF line breaks.
std::vector<std::string> FrqPinningMeaningGroups(std::string_view rangeAndUnit, int language);

}  // namespace setrix::sheets
