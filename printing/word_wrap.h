#pragma once
// Text helpers of the printed documentation that need no printer: UTF-8 character counting
// and the word-wrap rule used for the note in the page header.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace setrix::printing {

// Byte offsets of the characters (code points) of a UTF-8 text, followed by its length, so
// that the first n characters are text.substr(0, offsets[n]). A stray continuation byte
// counts as a character of its own.
std::vector<std::size_t> CharacterOffsets(std::string_view text);

// Wraps `text` into lines of at most `maxColumn` characters where it can. Break points lie
// after a tab, blank, "-" or "."; a line is broken at its last break point once it has reached
// `maxColumn` characters, the break character staying at the end of the line and `lineBreak`
// inserted after it. Nothing between a pair of single or double quotes is broken apart, and a
// line without a break point is not broken. No break is added at the very end of the text.
std::string WrapText(std::string_view text, std::string_view lineBreak, int maxColumn);

// Removes every line feed and cuts the rest at carriage returns; a text ending in a carriage
// return gives no empty last piece, an empty text gives one empty piece.
std::vector<std::string> SplitAtCarriageReturns(std::string_view text);

}  // namespace setrix::printing
