#pragma once
// Advance widths of the standard base fonts for the character codes 32 to 255 in
// WinAnsiEncoding order, in 1/1000 of the font size. Generated into font_widths.cpp by
// tools/gen_font_widths.py.
#include <array>
#include <cstdint>

namespace setrix::pdf {

using FontWidthTable = std::array<std::uint16_t, 224>;

extern const FontWidthTable kHelveticaWidths;      // also Helvetica-Oblique
extern const FontWidthTable kHelveticaBoldWidths;  // also Helvetica-BoldOblique
extern const FontWidthTable kTimesRomanWidths;
extern const FontWidthTable kTimesBoldWidths;
extern const FontWidthTable kTimesItalicWidths;
extern const FontWidthTable kTimesBoldItalicWidths;

}  // namespace setrix::pdf
