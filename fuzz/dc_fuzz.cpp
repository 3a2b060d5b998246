// The DC isolator calculation on any entry texts, units and bandwidths, and the DC screen
// fed the same task.
//
// Input: lines "input min", "input max", "output min", "output max", then a line with the
// input unit, output unit and bandwidth as numbers (any, also out of range), then "," to
// use "," as the decimal separator.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string>

#include "fuzz/fuzz_check.h"
#include "modules/dc_calc.h"
#include "modules/dc_screen.h"
#include "modules/numbers.h"
#include "texts/texts.h"

namespace {

using namespace setrix;

void CheckBanks(std::int32_t s1, std::int32_t s2, std::int32_t s3, const char* where) {
  FUZZ_CHECK(s1 == -1 || (s1 >= 0 && s1 < (1 << 10)), "%s: S1 = %d", where, s1);
  FUZZ_CHECK(s2 == -1 || (s2 >= 0 && s2 < (1 << 5)), "%s: S2 = %d", where, s2);
  FUZZ_CHECK(s3 == -1 || (s3 >= 0 && s3 < (1 << 3)), "%s: S3 = %d", where, s3);
}

void CheckCalculation(DcConfig dc) {
  const DcConfig before = dc;
  const DcCheck check = CalculateDc(dc);
  const int c = static_cast<int>(check);
  FUZZ_CHECK(c >= static_cast<int>(DcCheck::Ok) && c <= static_cast<int>(DcCheck::GainOutOfRange), "check %d", c);
  FUZZ_CHECK(!DcCheckName(check).empty(), "check %d has no name", c);
  CheckBanks(dc.s1, dc.s2, dc.s3, "CalculateDc");
  if (check == DcCheck::EntryError) {
    FUZZ_CHECK(dc.s1 == before.s1 && dc.s2 == before.s2 && dc.s3 == before.s3, "an entry error changed the banks");
    return;
  }
  if (check != DcCheck::Ok) return;
  FUZZ_CHECK(std::isfinite(dc.inStart) && std::isfinite(dc.inEnd) && dc.inStart <= dc.inEnd,
             "input %.17g .. %.17g", dc.inStart, dc.inEnd);
  FUZZ_CHECK(std::isfinite(dc.outStart) && std::isfinite(dc.outEnd) && dc.outStart <= dc.outEnd,
             "output %.17g .. %.17g", dc.outStart, dc.outEnd);
  FUZZ_CHECK(std::isfinite(dc.gain), "gain %.17g", dc.gain);
  if (dc.evalList.empty()) {
    FUZZ_CHECK(dc.evalIndex == 0, "evalIndex %d with an empty list", dc.evalIndex);
    return;
  }
  FUZZ_CHECK(dc.evalIndex >= 0 && dc.evalIndex < static_cast<std::int32_t>(dc.evalList.size()),
             "evalIndex %d of %zu", dc.evalIndex, dc.evalList.size());
  for (const TEvalRec& e : dc.evalList) {
    FUZZ_CHECK(
        e.inIndex >= 0 && e.inIndex < kDcInputRangeCount && e.outIndex >= 0 && e.outIndex < kDcOutputRangeCount,
        "combination %d/%d", e.inIndex, e.outIndex);
    FUZZ_CHECK(dc.rangeMatrix[static_cast<std::size_t>(e.inIndex)][static_cast<std::size_t>(e.outIndex)].allowed,
               "combination %d/%d is listed but not allowed", e.inIndex, e.outIndex);
    FUZZ_CHECK(e.zeroStep >= 0 && e.zeroStep <= 4, "zero step %d", e.zeroStep);
  }
  // The list is ordered by potentiometer need.
  for (std::size_t i = 1; i < dc.evalList.size(); ++i)
    FUZZ_CHECK(DcPriority(dc.evalList[i - 1].zeroPot, dc.evalList[i - 1].spanPot) <=
                   DcPriority(dc.evalList[i].zeroPot, dc.evalList[i].spanPot),
               "list out of order at %zu", i);
  const DcBanks chosen = DcSwitchBanks(dc.evalList[static_cast<std::size_t>(dc.evalIndex)], dc.bandwidth);
  FUZZ_CHECK(chosen.s1 == dc.s1 && chosen.s2 == dc.s2 && chosen.s3 == dc.s3,
             "the banks are not those of the chosen entry");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto lines = fuzz::Lines(std::string_view(reinterpret_cast<const char*>(data), size));
  const auto line = [&](std::size_t i) { return i < lines.size() ? lines[i] : std::string_view(); };
  SetDecimalSeparator(line(5) == "," ? ',' : '.');
  texts::SetCurrentLanguage(1);

  DcConfig task;
  task.inMinText = line(0);
  task.inMaxText = line(1);
  task.outMinText = line(2);
  task.outMaxText = line(3);
  const std::string_view numbers = line(4);
  const auto field = [&](int n) {
    std::size_t at = 0;
    for (int i = 0; i < n && at != std::string_view::npos; ++i) {
      at = numbers.find(' ', at);
      if (at != std::string_view::npos) ++at;
    }
    return at == std::string_view::npos ? 0 : fuzz::SmallInt(numbers.substr(at));
  };
  task.inUnit = field(0);
  task.outUnit = field(1);
  task.bandwidth = field(2);
  CheckCalculation(task);

  // The screen: entries typed or restored, units and bandwidth chosen, then calculated.
  DcScreen screen;
  screen.EditChange(DcEdit::EditEMin, task.inMinText);
  screen.EditChange(DcEdit::EditEMax, task.inMaxText);
  screen.EditChange(DcEdit::EditAMin, task.outMinText);
  screen.EditChange(DcEdit::EditAMax, task.outMaxText);
  static constexpr DcUnitButton kIn[] = {DcUnitButton::RBtnEmA, DcUnitButton::RBtnEmV, DcUnitButton::RBtnEV};
  screen.RadioBtnClick(kIn[static_cast<unsigned>(task.inUnit) % 3]);
  screen.RadioBtnClick(task.outUnit % 2 ? DcUnitButton::RBtnAV : DcUnitButton::RBtnAmA);
  screen.RBtnGrenzClick(task.bandwidth % 2 ? DcBandwidthButton::RBtn10kHz : DcBandwidthButton::RBtn10Hz);
  const auto message = screen.BitBtnWeiterClick();
  CheckBanks(screen.Banks().s1, screen.Banks().s2, screen.Banks().s3, "screen");
  FUZZ_CHECK(!message || !message->text.empty(), "an empty message box");
  if (screen.TwoStep()) {
    screen.Btn_DCStepOneClick();
    CheckBanks(screen.Banks().s1, screen.Banks().s2, screen.Banks().s3, "step 1");
    screen.Btn_DCStepTwoClick();
    CheckBanks(screen.Banks().s1, screen.Banks().s2, screen.Banks().s3, "step 2");
  }
  for (char key : line(6).substr(0, 16)) screen.KeyTyped(DcEdit::EditEMin, key);
  FUZZ_CHECK(
      screen.EditText(DcEdit::EditEMin).size() <= std::max(DcScreen::kEntryMaxLength, task.inMinText.size()),
      "typing made the entry longer than the field");
  return 0;
}
