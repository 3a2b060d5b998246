#pragma once
// The parts every module page shares: the board with its banks, the lever legend and the
// terminal plan (the page body), and the bold captions of the task blocks.
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "dipswitch/dipswitch.h"
#include "printing/printout.h"

namespace setrix::printing::pages {

inline std::string Colon(std::string_view text) { return std::string(text) + ":"; }

// Where a bank's name goes, relative to the bank's rectangle (offsets of 0.1 cm).
enum class NamePlace {
  RightOfTop,     // left/top aligned, right + 0.1, top
  AboveLeft,      // left/baseline aligned, left, top - 0.1
  RightOfBottom,  // left/baseline aligned, right + 0.1, bottom
};

// A bank painted onto a board picture: a screen's bank (made here with its switch count,
// turn and value) or one of the layout form's scratch banks.
struct BoardBank {
  dipswitch::TDIPSwitch* bank;
  double width, x, y;  // cm in the board picture
  const char* name;
  NamePlace place;
  std::shared_ptr<dipswitch::TDIPSwitch> owned = nullptr;
};

BoardBank ScreenBank(int count, dipswitch::TDIPAlignment alignment, int value, double width, double x, double y,
                     const char* name, NamePlace place);

// The terminal plan beside the board.
struct Plan {
  const char* name;
  double width;  // cm
  enum Kind { Eight, EightWithPots, Twelve, Thermocouple } kind;
};

// The board with its banks, the lever legend and the terminal plan with its numbers, all
// starting at y. Returns the plan's rectangle and the y below it.
Printout::Placed PageBody(Printout& out, std::string_view board, std::vector<BoardBank>& banks, const Plan& plan,
                          double y);

// Arial 11 pt bold at the left margin, then back to regular.
void Caption(Printout& out, std::string_view text, double y);

}  // namespace setrix::printing::pages
