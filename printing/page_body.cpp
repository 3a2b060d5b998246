#include "printing/page_body.h"

#include "dipswitch/dipswitch.h"

namespace setrix::printing::pages {

using resources::BankNamePlace;

Printout::Placed PageBody(Printout& out, const sheets::Board& board, double y) {
  out.PrepareBoard(board.picture, 7.6);
  for (const sheets::BoardBank& b : board.banks) {
    dipswitch::TDIPSwitch bank;
    bank.SwitchSettings().SetCount(b.count);
    bank.SwitchSettings().SetAlignment(b.alignment);
    bank.SwitchSettings().SetValue(b.value);
    const PixelRect r = out.PaintBank(bank, b.place.widthCm, b.place.xCm, b.place.yCm);
    // The name 0.1 cm beside the bank.
    const int dx = out.CmToPxX(0.1), dy = out.CmToPxY(0.1);
    switch (b.place.namePlace) {
      case BankNamePlace::RightOfTop: out.WriteBankName(b.name, TextAlign::LeftTop, r.Right() + dx, r.top); break;
      case BankNamePlace::AboveLeft: out.WriteBankName(b.name, TextAlign::LeftBaseline, r.left, r.top - dy); break;
      case BankNamePlace::RightOfBottom:
        out.WriteBankName(b.name, TextAlign::LeftBaseline, r.Right() + dx, r.Bottom());
        break;
    }
  }
  out.DrawBoard(2.3, y);
  out.SetPrinterFont(11, false, false);
  out.SwitchLegend(y, board.onWord, board.offWord);
  // The plans of eight terminals are 0.8 cm wide, those of twelve 1.107 cm.
  const double width = board.plan.terminals == 12 ? 1.107 : 0.8;
  const Printout::Placed placed = out.PlaceImage(board.plan.picture, width, 2.3 + 7.6 + 0.6, y);
  out.TerminalNumbers(placed.rect, board.plan);
  return placed;
}

void Caption(Printout& out, std::string_view text, double y) {
  out.SetPrinterFont(11, true, false);
  out.TextAt(text, kColumns[0], y);
  out.SetPrinterFont(11, false, false);
}

}  // namespace setrix::printing::pages
