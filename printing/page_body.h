#pragma once
// The parts every module page shares: the board with its banks, the lever legend and the
// terminal plan (the page body), and the bold captions of the task blocks.
#include <string>
#include <string_view>

#include "printing/printout.h"
#include "sheets/content.h"

namespace setrix::printing::pages {

// The board with its banks, the lever legend and the terminal plan with its numbers, all
// starting at y. Returns the plan's rectangle and the y below it.
Printout::Placed PageBody(Printout& out, const sheets::Board& board, double y);

// Arial 11 pt bold at the left margin, then back to regular.
void Caption(Printout& out, std::string_view text, double y);

}  // namespace setrix::printing::pages
