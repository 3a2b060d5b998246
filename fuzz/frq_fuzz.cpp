// The frequency converter: the quantiser on any double, the entry reader, key filter and
// rewrite on any text, and the screen model driven by any sequence of events.
//
// Input: lines, each one event: "m<n>" mode, "o<n>" output, "l<text>" / "u<text>" the lower /
// upper entry typed (caret and selection from "c<n>" before it), "s<n>" a step button,
// "g<n>" the language, "," / "." the decimal separator, "k<text>" keys typed. The first
// eight bytes also count as a double for the quantiser.
#include <cmath>
#include <cstdint>
#include <cstring>
#include <string>

#include "fuzz/fuzz_check.h"
#include "modules/frq.h"
#include "modules/numbers.h"
#include "texts/texts.h"

namespace {

using namespace setrix;

int Reverse4(int v) { return ((v & 1) << 3) | ((v & 2) << 1) | ((v & 4) >> 1) | ((v & 8) >> 3); }

void CheckQuantized(double f) {
  const FrqQuantized r = FrqQuantize(f);
  FUZZ_CHECK(r.k >= 0 && r.k <= 3, "f %.17g: k %d", f, r.k);
  FUZZ_CHECK(r.m >= 0 && r.m <= 15, "f %.17g: m %d", f, r.m);
  FUZZ_CHECK(r.t >= 0 && r.t <= 10, "f %.17g: t %d", f, r.t);
  FUZZ_CHECK(r.k == 0 || r.m >= 1, "f %.17g: decade %d with m 0", f, r.k);
  FUZZ_CHECK(r.q >= 0 && r.q <= 15900, "f %.17g: q %.17g", f, r.q);
  FUZZ_CHECK(r.code == (Reverse4(r.m) | (Reverse4(r.t & 15) << 4)), "f %.17g: code %d", f, r.code);
  static constexpr int kDecadeCode[4] = {0, 2, 1, 3};
  FUZZ_CHECK(r.decadeCode == kDecadeCode[r.k], "f %.17g: decade code %d", f, r.decadeCode);
  // Within half a step of f (f capped to the range first), and stable: q quantises to q.
  if (std::isfinite(f) && f >= 0) {
    const double capped = f > 15900 ? 15900 : f;
    const double step = std::pow(10.0, r.k - 1);
    FUZZ_CHECK(std::fabs(r.q - capped) <= step / 2 * (1 + 1e-9), "f %.17g: q %.17g", f, r.q);
    FUZZ_CHECK(FrqQuantize(r.q).q == r.q, "f %.17g: q %.17g quantises to %.17g", f, r.q, FrqQuantize(r.q).q);
    // What is written back into the entry reads as q again.
    const auto back = FrqReadEntry(FrqFrequencyText(r.q));
    FUZZ_CHECK(back && *back == r.q, "q %.17g written as \"%s\"", r.q, FrqFrequencyText(r.q).c_str());
  }
}

void CheckBank(int value, const char* what) {
  FUZZ_CHECK(value == -1 || (value >= 0 && value <= 255), "%s = %d", what, value);
}

void CheckModel(const FrqModel& m) {
  const FrqConfig& c = m.config;
  CheckBank(c.s1, "S1");
  CheckBank(c.s2, "S2");
  FUZZ_CHECK(c.modeIndex >= -1 && c.modeIndex <= 2, "mode %d", c.modeIndex);
  FUZZ_CHECK(c.outputIndex >= -1 && c.outputIndex <= 3, "output %d", c.outputIndex);
  FUZZ_CHECK(c.currentStep >= 0 && c.currentStep <= 3, "step %d", c.currentStep);
  FUZZ_CHECK(c.stepCount == 0 || c.stepCount == FrqModeStepCount(c.modeIndex), "step count %d", c.stepCount);
  FUZZ_CHECK(!m.documentable || c.outputIndex >= 0, "documentable without an output");
  FUZZ_CHECK(!m.helpPanelVisible || c.currentStep >= 1, "instructions without a step");
  for (const auto* text : {&c.lowerText, &c.upperText})
    if (const auto f = FrqReadEntry(*text)) CheckQuantized(*f);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  if (size >= sizeof(double)) {
    double raw;
    std::memcpy(&raw, data, sizeof raw);
    CheckQuantized(raw);
  }
  SetDecimalSeparator('.');
  texts::SetCurrentLanguage(1);

  FrqModel model;
  FrqRestore(model, {});
  int caret = 0, selection = 0;
  int events = 0;
  for (std::string_view line : fuzz::Lines(input)) {
    if (line.empty() || ++events > 64) continue;
    const char kind = line.front();
    const std::string_view arg = line.substr(1);
    switch (kind) {
      case 'm': FrqChoose(model, FrqList::Mode, fuzz::SmallInt(arg)); break;
      case 'o': FrqChoose(model, FrqList::Output, fuzz::SmallInt(arg)); break;
      case 'c': {
        caret = fuzz::SmallInt(arg);
        selection =
            fuzz::SmallInt(arg.substr(arg.find(' ') == std::string_view::npos ? arg.size() : arg.find(' ') + 1));
        break;
      }
      case 'l':
      case 'u': {
        const FrqEntryEdit edit =
            FrqEntryChanged(model, kind == 'l' ? FrqEntry::Lower : FrqEntry::Upper, arg, caret, selection);
        const int length = static_cast<int>(edit.text.size());
        FUZZ_CHECK(edit.caret >= 0 && edit.caret <= length, "caret %d in a text of %d", edit.caret, length);
        FUZZ_CHECK(edit.selectionLength >= 0 && edit.caret + edit.selectionLength <= length,
                   "selection %d+%d in a text of %d", edit.caret, edit.selectionLength, length);
        if (const auto f = FrqReadEntry(edit.text)) CheckQuantized(*f);
        break;
      }
      case 's': {
        const int step = fuzz::SmallInt(arg);
        const bool shown = FrqShowStep(model, step);
        FUZZ_CHECK(!shown || (step >= 1 && step <= FrqModeStepCount(model.mode.index)), "step %d shown", step);
        break;
      }
      case 'g': {
        const int language = fuzz::SmallInt(arg);
        if (language >= 0 && language <= 3) texts::SetCurrentLanguage(language);
        FrqUpdate(model);
        break;
      }
      case ',':
      case '.':
        SetDecimalSeparator(kind);
        FrqUpdate(model);
        break;
      case 'k':
        for (char key : arg) {
          const auto k = FrqEditKeyPress(key);
          FUZZ_CHECK(!k || *k == key, "the key filter changed a key");
          FUZZ_CHECK(!k || (key >= '0' && key <= '9') || key == ',' || key == '.' || key == '\b', "key %d passed",
                     key);
        }
        break;
      default: break;
    }
    CheckModel(model);
    for (int step = 0; step <= 4; ++step) {
      const FrqBanks banks = FrqStepSwitches(model, step);
      CheckBank(banks.s1, "step S1");
      CheckBank(banks.s2, "step S2");
    }
  }
  return 0;
}
