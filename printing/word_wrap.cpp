#include "printing/word_wrap.h"

namespace setrix::printing {

std::vector<std::size_t> CharacterOffsets(std::string_view text) {
  std::vector<std::size_t> offsets;
  offsets.reserve(text.size() + 1);
  std::size_t i = 0;
  while (i < text.size()) {
    offsets.push_back(i);
    const auto lead = static_cast<unsigned char>(text[i]);
    std::size_t length = 1;
    if (lead >= 0xF0 && lead < 0xF8)
      length = 4;
    else if (lead >= 0xE0 && lead < 0xF0)
      length = 3;
    else if (lead >= 0xC0 && lead < 0xE0)
      length = 2;
    // Take continuation bytes only as far as they really follow.
    std::size_t taken = 1;
    while (taken < length && i + taken < text.size() &&
           (static_cast<unsigned char>(text[i + taken]) & 0xC0) == 0x80) {
      ++taken;
    }
    i += taken;
  }
  offsets.push_back(text.size());
  return offsets;
}

std::string WrapText(std::string_view text, std::string_view lineBreak, int maxColumn) {
  const std::vector<std::size_t> at = CharacterOffsets(text);
  const std::size_t count = at.size() - 1;
  auto charAt = [&](std::size_t k) { return text.substr(at[k], at[k + 1] - at[k]); };

  std::string result;
  std::size_t lineStart = 0;    // first character of the current line
  std::ptrdiff_t breakAt = -1;  // last break character of the current line
  char quote = 0;               // the open quote, if any
  for (std::size_t k = 0; k < count; ++k) {
    const std::string_view c = charAt(k);
    if (c.size() == 1) {
      const char ch = c[0];
      if (ch == '\'' || ch == '"') {
        if (quote == 0)
          quote = ch;
        else if (quote == ch)
          quote = 0;
      } else if (quote == 0 && (ch == ' ' || ch == '\t' || ch == '-' || ch == '.')) {
        breakAt = static_cast<std::ptrdiff_t>(k);
      }
    }
    const std::size_t length = k - lineStart + 1;
    if (quote == 0 && length >= static_cast<std::size_t>(maxColumn) &&
        breakAt >= static_cast<std::ptrdiff_t>(lineStart)) {
      const auto end = static_cast<std::size_t>(breakAt) + 1;
      result.append(text.substr(at[lineStart], at[end] - at[lineStart]));
      if (end < count) result.append(lineBreak);
      lineStart = end;
      breakAt = -1;
    }
  }
  result.append(text.substr(at[lineStart]));
  return result;
}

std::vector<std::string> SplitAtCarriageReturns(std::string_view text) {
  std::string plain;
  plain.reserve(text.size());
  for (char c : text) {
    if (c != '\n') plain.push_back(c);
  }
  std::vector<std::string> pieces;
  std::size_t start = 0;
  while (true) {
    const std::size_t cr = plain.find('\r', start);
    if (cr == std::string::npos) {
      if (start < plain.size() || pieces.empty()) pieces.push_back(plain.substr(start));
      break;
    }
    pieces.push_back(plain.substr(start, cr - start));
    start = cr + 1;
  }
  return pieces;
}

}  // namespace setrix::printing
