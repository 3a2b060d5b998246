#include "modules/frq.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <exception>
#include <string>
#include <system_error>

#include "modules/numbers.h"
#include "modules/terminal_texts.h"
#include "texts/texts.h"

namespace setrix {

using texts::Tx;

const std::array<FrqOutputRow, 4> kFrqOutputs = {{
    {"0 ..   5 V", 240},
    {"0 .. 10 V", 208},
    {"0 .. 20 mA", 0},
    {"4 .. 20 mA", 32},
}};

namespace {

constexpr double kMaxFrequency = 15900;
// Two frequencies count as different when they are one tenth of a hertz apart, the finest
// step the module can represent; the tolerance keeps 1.1 and 1.2 apart in binary arithmetic.
constexpr double kMinDifference = 0.1 - 1e-9;

constexpr std::string_view kModeTexts[2] = {"0     ..  fmax", "fmin ..  fmax"};

// The four bits of v in reverse order.
int Reverse4(int v) { return ((v & 1) << 3) | ((v & 2) << 1) | ((v & 4) >> 1) | ((v & 8) >> 3); }

// Rounds to the nearest integer, halves to the even neighbour.
double RoundHalfEven(double x) {
  const double floor = std::floor(x);
  const double fraction = x - floor;
  if (fraction > 0.5) return floor + 1;
  if (fraction < 0.5) return floor;
  return std::fmod(floor, 2) == 0 ? floor : floor + 1;
}

// The digits before the decimal point of x written with 15 significant digits, so that a
// quotient like 4.99999999999999 counts as 5.
int IntegerPartOf15Digits(double x) {
  char buffer[64];
  const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, x, std::chars_format::general, 15);
  if (ec != std::errc()) return static_cast<int>(x);
  const std::string_view text(buffer, static_cast<std::size_t>(end - buffer));
  if (text.find('e') != std::string_view::npos) return 0;  // only tiny values come out so
  const std::string_view digits = text.substr(0, text.find('.'));
  int m = 0;
  std::from_chars(digits.data(), digits.data() + digits.size(), m);
  return m;
}

int OutputCode(int outputIndex) {
  if (outputIndex < 0 || outputIndex >= static_cast<int>(kFrqOutputs.size())) return 0;
  return kFrqOutputs[static_cast<std::size_t>(outputIndex)].code;
}

std::string StepHeading(int step, std::string_view title, int language) {
  std::string heading = std::to_string(step) + ". " + std::string(Tx(texts::txStep, language));
  if (!title.empty()) heading += " " + std::string(title);
  return heading;
}

std::string StepButtonCaption(int step, int language) {
  return "&" + std::to_string(step) + ". " + std::string(Tx(texts::txStep, language));
}

// Which entry a step reads: mode 0..fmax step 1 the upper, fmin..fmax step 1 the lower and
// step 2 the upper; the special range none.
std::optional<FrqEntry> StepEntry(int modeIndex, int step) {
  if (modeIndex == kFrqModeZeroToMax && step == 1) return FrqEntry::Upper;
  if (modeIndex == kFrqModeMinToMax && step == 1) return FrqEntry::Lower;
  if (modeIndex == kFrqModeMinToMax && step == 2) return FrqEntry::Upper;
  return std::nullopt;
}

std::string& EntryText(FrqModel& m, FrqEntry entry) {
  return entry == FrqEntry::Lower ? m.config.lowerText : m.config.upperText;
}

// The derived fields of the record.
void SyncConfig(FrqModel& m) {
  FrqConfig& c = m.config;
  c.modeIndex = m.mode.index;
  c.outputIndex = m.output.index;
  c.outputText = m.output.ItemText();
  c.stepCount = m.documentable ? FrqModeStepCount(c.modeIndex) : 0;
  if (!m.helpPanelVisible) c.currentStep = 0;
}

// Writes q back into the entry when the entry's value does not quantise to itself.
// Returns false when the entry cannot be read.
bool RewriteEntry(FrqModel& m, FrqEntry entry) {
  std::string& text = EntryText(m, entry);
  const std::optional<double> f = FrqReadEntry(text);
  if (!f) return false;
  const double q = FrqQuantize(*f).q;
  if (q != *f) text = FrqFrequencyText(q);
  return true;
}

}  // namespace

int FrqModeStepCount(int modeIndex) {
  switch (modeIndex) {
    case kFrqModeZeroToMax: return 1;
    case kFrqModeMinToMax: return 2;
    case kFrqModeSpecial: return 3;
    default: return 0;
  }
}

FrqQuantized FrqQuantize(double f) {
  if (!(f >= 0)) f = 0;  // not a frequency; readers never pass one
  if (f > kMaxFrequency) f = kMaxFrequency;
  FrqQuantized r;
  r.k = f < 16 ? 0 : f < 160 ? 1 : f < 1600 ? 2 : 3;
  static constexpr double kPower[4] = {1, 10, 100, 1000};
  static constexpr int kDecadeCode[4] = {0, 2, 1, 3};
  const double power = kPower[r.k];
  r.m = IntegerPartOf15Digits(f / power);
  // Just below 16, 160 or 1600 the 15-digit text rounds up to "16": that value belongs to
  // the next decade (16 Hz is m = 1, t = 6 there), which keeps m within its four switches.
  if (r.m > 15) return FrqQuantize(16 * power);
  double tenths = 0;
  switch (r.k) {
    case 0: tenths = (f - r.m) * 10; break;
    case 1: tenths = f - 10.0 * r.m; break;
    case 2: tenths = (f - 100.0 * r.m) / 10; break;
    default: tenths = (f - 1000.0 * r.m) / 100; break;
  }
  r.t = static_cast<int>(RoundHalfEven(tenths));
  if (r.t < 0) r.t = 0;  // m was read one too high from its 15-digit text
  // (m + t / 10) x 10^k, computed from the whole number of tenths so that q is exactly the
  // decimal grid value (2.2 x 100 would give 220.00000000000003).
  const int tenthsWhole = 10 * r.m + r.t;
  r.q = r.k == 0 ? tenthsWhole / 10.0 : tenthsWhole * kPower[r.k - 1];
  r.code = Reverse4(r.m & 15) | (Reverse4(r.t & 15) << 4);
  r.decadeCode = kDecadeCode[r.k];
  return r;
}

std::optional<double> FrqReadEntry(std::string_view text) {
  try {
    const double value = LocaleTextToDouble(NormalizeDecimalSeparator(text));
    if (!std::isfinite(value) || value < 0) return std::nullopt;
    return value;
  } catch (const std::exception&) {
    return std::nullopt;
  }
}

std::string FrqFrequencyText(double f) {
  if (f == 0) return "0";
  return FormatNumber("%.15g", f);
}

std::optional<char> FrqEditKeyPress(char key) {
  if ((key >= '0' && key <= '9') || key == ',' || key == '.' || key == '\b') return key;
  return std::nullopt;
}

std::string_view ParagraphStyleName(ParagraphStyle style) {
  switch (style) {
    case ParagraphStyle::Heading: return "heading";
    case ParagraphStyle::Bullet: return "bullet";
    case ParagraphStyle::Plain: break;
  }
  return "plain";
}

std::vector<Paragraph> FrqStepParagraphs(int modeIndex, int step, std::string_view outputText,
                                         std::string_view shownWhere, int language) {
  if (step < 1 || step > FrqModeStepCount(modeIndex)) return {};
  const auto tx = [language](const texts::PerLanguage& entry) { return std::string(Tx(entry, language)); };
  const std::string switches = texts::ReplaceAll(tx(texts::txAdjustSwitchesS1S2), "%S", shownWhere);

  std::string heading;
  std::vector<std::string> instructions;
  bool pinning = false;  // closing part: the full terminal assignment, else the power terminals
  if (modeIndex == kFrqModeZeroToMax) {
    heading = tx(texts::txAdjustSwitches);
    instructions = {switches, tx(texts::txReady)};
    pinning = true;
  } else if (modeIndex == kFrqModeMinToMax && step == 1) {
    heading = StepHeading(1, Tx(texts::txSavingLowerFrequency, language), language);
    instructions = {switches, tx(texts::txConnectModulePowerSupply)};
  } else if (modeIndex == kFrqModeMinToMax) {
    heading = StepHeading(2, Tx(texts::txSettingUpperFrequency, language), language);
    instructions = {switches, tx(texts::txReady)};
    pinning = true;
  } else if (step == 1 || step == 2) {
    heading = StepHeading(
        step,
        step == 1 ? Tx(texts::txSavingLowerFrequency, language) : Tx(texts::txSavingUpperFrequency, language),
        language);
    instructions = {switches,
                    step == 1 ? tx(texts::txApplyMinFrequency100kHz) : tx(texts::txApplyMaxFrequency100kHz),
                    tx(texts::txConnectModulePowerSupply), tx(texts::txLEDLightsUpWhen)};
  } else {
    heading = StepHeading(3, {}, language);
    instructions = {switches, tx(texts::txReady)};
    pinning = true;
  }

  std::vector<Paragraph> out;
  const auto add = [&out](ParagraphStyle style, std::string text) {
    out.push_back(Paragraph{style, std::move(text)});
  };
  add(ParagraphStyle::Heading, heading);
  add(ParagraphStyle::Plain, "");
  for (std::string& instruction : instructions) add(ParagraphStyle::Bullet, std::move(instruction));
  add(ParagraphStyle::Plain, "");
  if (pinning) {
    add(ParagraphStyle::Heading, tx(texts::txPinning));
    add(ParagraphStyle::Plain, "");
    add(ParagraphStyle::Plain, tx(texts::txFrqInputTerminals));
    add(ParagraphStyle::Plain, "");
    add(ParagraphStyle::Plain, OutputTerminalsText(language, "5", outputText, "6"));
    add(ParagraphStyle::Plain, "");
  }
  add(ParagraphStyle::Plain, tx(texts::txTerminalsPower7));
  return out;
}

FrqBanks FrqStepBanks(int modeIndex, int step, std::optional<double> lower, std::optional<double> upper,
                      int outputIndex) {
  const int out = OutputCode(outputIndex);
  const auto frequencyStep = [out](std::optional<double> f, int marker) {
    if (!f) return FrqBanks{};
    const FrqQuantized q = FrqQuantize(*f);
    return FrqBanks{q.code, q.decadeCode | marker | out};
  };
  if (modeIndex == kFrqModeZeroToMax && step == 1) return frequencyStep(upper, 0);
  if (modeIndex == kFrqModeMinToMax && step == 1) return frequencyStep(lower, 4);
  if (modeIndex == kFrqModeMinToMax && step == 2) return frequencyStep(upper, 8);
  if (modeIndex == kFrqModeSpecial && step == 1) return {0, 14 | out};
  if (modeIndex == kFrqModeSpecial && step == 2) return {0, 13 | out};
  if (modeIndex == kFrqModeSpecial && step == 3) return {0, 15 | out};
  // A step that the mode does not offer.
  if (modeIndex >= 0 && step == 2) return {0, out};
  if (modeIndex >= 0 && step == 3) return {0, 15 | out};
  return {};
}

FrqBanks FrqStepSwitches(const FrqModel& model, int step) {
  return FrqStepBanks(model.mode.index, step, FrqReadEntry(model.config.lowerText),
                      FrqReadEntry(model.config.upperText), model.output.index);
}

void FrqReset(FrqModel& m, bool full) {
  m.config.s1 = -1;
  m.config.s2 = -1;
  m.helpPanelVisible = false;
  m.help.clear();
  m.config.currentStep = 0;
  if (full) {
    m.stepButtonVisible = {false, false, false};
    m.stepLineVisible = false;
    m.documentable = false;
  }
  SyncConfig(m);
}

bool FrqShowStep(FrqModel& m, int step) {
  const int mode = m.mode.index;
  if (step < 1 || step > FrqModeStepCount(mode)) {
    FrqReset(m, false);
    return false;
  }
  // The step's frequency as the module will hold it.
  if (const std::optional<FrqEntry> entry = StepEntry(mode, step)) {
    if (!RewriteEntry(m, *entry)) {
      FrqReset(m, true);
      return false;
    }
  }
  const int language = texts::CurrentLanguage();
  m.help = FrqStepParagraphs(mode, step, m.output.ItemText(), Tx(texts::txShownLeft, language), language);
  m.config.currentStep = step;
  m.helpPanelVisible = true;
  const FrqBanks banks = FrqStepSwitches(m, step);
  m.config.s1 = banks.s1;
  m.config.s2 = banks.s2;
  SyncConfig(m);
  return true;
}

void FrqUpdate(FrqModel& m) {
  const int language = texts::CurrentLanguage();
  const std::string pleaseChoose(Tx(texts::txPleaseChoose, language));
  const auto withColon = [language](const texts::PerLanguage& entry) {
    return std::string(Tx(entry, language)) + ":";
  };

  // 1. Mode list.
  lists::RefillKeepingIndex(
      m.mode,
      {ListItem{std::string(kModeTexts[0]), 0, 0}, ListItem{std::string(kModeTexts[1]), 0, 0},
       ListItem{std::string(Tx(texts::txSpecialRange, language)), 0, 0}},
      pleaseChoose);

  // 2. Entry rows, step buttons and Save/Print by mode.
  const bool outputChosen = m.output.Selected() != nullptr;
  const std::optional<double> lower = FrqReadEntry(m.config.lowerText);
  const std::optional<double> upper = FrqReadEntry(m.config.upperText);
  FrqEntryRows& rows = m.rows;
  const auto showButtons = [&](int count) {
    for (int i = 0; i < 3; ++i) {
      m.stepButtonCaptions[static_cast<std::size_t>(i)] = StepButtonCaption(i + 1, language);
      m.stepButtonVisible[static_cast<std::size_t>(i)] = i < count;
    }
    m.stepLine = texts::ReplaceAll(Tx(texts::txDesiredSettingTakesPlace, language), "$S",
                                   Tx(texts::txTwoWord, count == 2 ? 0 : 1, language));
    m.stepLineVisible = true;
    m.documentable = true;
  };

  switch (m.mode.index) {
    case kFrqModeZeroToMax:
      rows.upperEntryRow = 1;
      rows.firstCaption = withColon(texts::txUpperFrequency);
      rows.firstCaptionVisible = true;
      rows.secondCaptionVisible = false;
      rows.hzUpVisible = false;
      rows.lowerEntryVisible = false;
      rows.hzLowVisible = true;
      rows.upperEntryVisible = true;
      m.stepButtonVisible = {false, false, false};
      m.stepLineVisible = false;
      if (upper && outputChosen && *upper != 0) {
        FrqShowStep(m, 1);
        m.documentable = m.helpPanelVisible;
      } else {
        FrqReset(m, true);
      }
      break;
    case kFrqModeMinToMax:
      rows.upperEntryRow = 2;
      rows.firstCaption = withColon(texts::txLowerFrequency);
      rows.secondCaption = withColon(texts::txUpperFrequency);
      rows.firstCaptionVisible = rows.secondCaptionVisible = true;
      rows.hzLowVisible = rows.hzUpVisible = true;
      rows.lowerEntryVisible = rows.upperEntryVisible = true;
      if (lower && upper && outputChosen && std::fabs(*lower - *upper) >= kMinDifference) {
        showButtons(2);
      } else {
        FrqReset(m, true);
      }
      break;
    case kFrqModeSpecial:
      rows.secondCaptionVisible = false;
      rows.hzLowVisible = rows.hzUpVisible = false;
      rows.lowerEntryVisible = rows.upperEntryVisible = false;  // they keep their texts
      rows.firstCaption = Tx(texts::txSettingRangeUsingFrequency, language);
      rows.firstCaptionVisible = true;
      if (outputChosen) {
        showButtons(3);
      } else {
        FrqReset(m, true);
      }
      break;
    default:
      FrqReset(m, true);
      rows.firstCaption = withColon(texts::txLowerFrequency);
      rows.secondCaption = withColon(texts::txUpperFrequency);
      rows.firstCaptionVisible = rows.secondCaptionVisible = false;
      rows.hzLowVisible = rows.hzUpVisible = false;
      rows.lowerEntryVisible = rows.upperEntryVisible = false;
      m.config.lowerText.clear();
      m.config.upperText.clear();
      break;
  }

  // 3. Output list; a shown S2 follows the output in switches 5 to 8.
  std::vector<ListItem> outputs;
  for (const FrqOutputRow& row : kFrqOutputs) outputs.push_back(ListItem{std::string(row.text), 0, row.code});
  lists::FillFixed(m.output, outputs, pleaseChoose);
  if (m.config.s2 != -1) m.config.s2 = (m.config.s2 & 15) | OutputCode(m.output.index);

  // 4. The shown step is run again, renewing its text and banks.
  if (m.helpPanelVisible) FrqShowStep(m, m.config.currentStep);
  SyncConfig(m);
}

bool FrqChoose(FrqModel& m, FrqList list, int index) {
  ChoiceList& target = list == FrqList::Mode ? m.mode : m.output;
  const bool accepted = target.Select(index);
  FrqReset(m, false);
  FrqUpdate(m);
  return accepted;
}

FrqEntryEdit FrqEntryChanged(FrqModel& m, FrqEntry entry, std::string_view text, int caret, int selectionLength) {
  std::string& stored = EntryText(m, entry);
  stored = std::string(text);
  if (RewriteEntry(m, entry)) {
    FrqReset(m, false);
    FrqUpdate(m);
  } else {
    FrqReset(m, true);
  }
  FrqEntryEdit edit;
  edit.text = EntryText(m, entry);
  edit.rewritten = edit.text != text;
  const int length = static_cast<int>(edit.text.size());
  edit.caret = std::clamp(caret, 0, length);
  edit.selectionLength = std::clamp(selectionLength, 0, length - edit.caret);
  return edit;
}

bool FrqSettleEntries(FrqModel& m) {
  bool changed = false;
  const int mode = m.config.modeIndex;
  for (int step = 1; step <= FrqModeStepCount(mode); ++step) {
    const std::optional<FrqEntry> entry = StepEntry(mode, step);
    if (!entry) continue;
    const std::optional<double> value = FrqReadEntry(EntryText(m, *entry));
    if (!value) continue;
    const double q = FrqQuantize(*value).q;
    if (q == *value) continue;
    FrqEntryChanged(m, *entry, FrqFrequencyText(q), 0, 0);
    changed = true;
  }
  return changed;
}

void FrqRestore(FrqModel& m, const FrqStoredChoices& stored) {
  FrqUpdate(m);  // the lists hold their items before an index is set
  if (stored.mode) m.mode.Select(*stored.mode);
  if (stored.min) FrqEntryChanged(m, FrqEntry::Lower, *stored.min);
  if (stored.max) FrqEntryChanged(m, FrqEntry::Upper, *stored.max);
  if (stored.out) m.output.Select(*stored.out);
  FrqUpdate(m);
}

}  // namespace setrix
