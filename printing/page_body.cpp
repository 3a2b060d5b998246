#include "printing/page_body.h"

namespace setrix::printing::pages {

using dipswitch::TDIPAlignment;
using dipswitch::TDIPSwitch;

BoardBank ScreenBank(int count, TDIPAlignment alignment, int value, double width, double x, double y,
                     const char* name, NamePlace place) {
  auto bank = std::make_shared<TDIPSwitch>();
  bank->SwitchSettings().SetCount(count);
  bank->SwitchSettings().SetAlignment(alignment);
  bank->SwitchSettings().SetValue(value);
  return BoardBank{bank.get(), width, x, y, name, place, bank};
}

Printout::Placed PageBody(Printout& out, std::string_view board, std::vector<BoardBank>& banks, const Plan& plan,
                          double y) {
  out.PrepareBoard(board, 7.6);
  for (BoardBank& b : banks) {
    const PixelRect r = out.PaintBank(*b.bank, b.width, b.x, b.y);
    const int dx = out.CmToPxX(0.1), dy = out.CmToPxY(0.1);
    switch (b.place) {
      case NamePlace::RightOfTop: out.WriteBankName(b.name, TextAlign::LeftTop, r.Right() + dx, r.top); break;
      case NamePlace::AboveLeft: out.WriteBankName(b.name, TextAlign::LeftBaseline, r.left, r.top - dy); break;
      case NamePlace::RightOfBottom:
        out.WriteBankName(b.name, TextAlign::LeftBaseline, r.Right() + dx, r.Bottom());
        break;
    }
  }
  out.DrawBoard(2.3, y);
  out.SetPrinterFont(11, false, false);
  out.SwitchLegend(y);
  const Printout::Placed placed = out.PlaceImage(plan.name, plan.width, 2.3 + 7.6 + 0.6, y);
  switch (plan.kind) {
    case Plan::Eight: out.TerminalNumbers8(placed.rect, false); break;
    case Plan::EightWithPots: out.TerminalNumbers8(placed.rect, true); break;
    case Plan::Twelve: out.TerminalNumbers12(placed.rect, false); break;
    case Plan::Thermocouple: out.TerminalNumbers12(placed.rect, true); break;
  }
  return placed;
}

void Caption(Printout& out, std::string_view text, double y) {
  out.SetPrinterFont(11, true, false);
  out.TextAt(text, kColumns[0], y);
  out.SetPrinterFont(11, false, false);
}

}  // namespace setrix::printing::pages
