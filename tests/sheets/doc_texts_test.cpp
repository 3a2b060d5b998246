// The note's character count and its wrapping, measured with a simple width: one unit per
// character.
#include "sheets/doc_texts.h"

#include <gtest/gtest.h>

namespace setrix::sheets {
namespace {

TEST(CharacterCount, CountsCodePointsNotBytes) {
  EXPECT_EQ(CharacterCount(""), 0u);
  EXPECT_EQ(CharacterCount("abc"), 3u);
  EXPECT_EQ(CharacterCount("Ölpumpe – Süd"), 13u);
  EXPECT_EQ(CharacterCount("\xE2\x82\xAC\xF0\x9F\x94\xA7"), 2u);  // a three- and a four-byte character
  EXPECT_EQ(CharacterCount("a\x80"
                           "b"),
            3u);  // a stray byte counts as one
}

TEST(WrapNote, BreaksAtBlanksDashesSlashesAndDotsOrBetweenCharacters) {
  const auto units = [](std::string_view s) { return static_cast<double>(CharacterCount(s)); };
  const struct Case {
    const char* note;
    double width;
    std::vector<std::string> lines;
  } cases[] = {
      {"", 10, {""}},
      {"short", 10, {"short"}},
      {"exactly10!", 10, {"exactly10!"}},
      {"one two three", 10, {"one two", "three"}},
      {"SN-0815-ABCD", 10, {"SN-0815-", "ABCD"}},
      {"Halle/Schrank", 10, {"Halle/", "Schrank"}},
      {"v1.2.3456789", 10, {"v1.2.", "3456789"}},
      {"ABCDEFGHIJKLMNOPQRSTUVWXY", 10, {"ABCDEFGHIJ", "KLMNOPQRST", "UVWXY"}},
      {"ÄÖÜäöüßÄÖÜäöü", 10, {"ÄÖÜäöüßÄÖÜ", "äöü"}},   // never inside a character
      {"abcdefghij klm", 10, {"abcdefghij", "klm"}},  // the blank right after a full line
      {"  padded   words  ", 10, {"padded", "words"}},
      {"x", 0.5, {"x"}},  // at least one character a line
  };
  for (const Case& c : cases) EXPECT_EQ(WrapNote(c.note, c.width, units), c.lines) << c.note;
}

}  // namespace
}  // namespace setrix::sheets
