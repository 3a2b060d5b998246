#include "modules/dc_screen.h"

#include <cmath>
#include <cstdlib>
#include <stdexcept>

#include "modules/dc_tables.h"
#include "modules/numbers.h"
#include "texts/texts.h"

namespace setrix {

namespace tx = setrix::texts;

namespace {

// Replaces the first occurrence of `placeholder` (ASCII case ignored, as ReplaceAll does).
std::string ReplaceFirst(std::string text, std::string_view placeholder, std::string_view with) {
  if (placeholder.empty() || text.size() < placeholder.size()) return text;
  auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; };
  for (std::size_t i = 0; i + placeholder.size() <= text.size(); ++i) {
    bool match = true;
    for (std::size_t j = 0; j < placeholder.size() && match; ++j)
      match = lower(text[i + j]) == lower(placeholder[j]);
    if (match) return text.replace(i, placeholder.size(), with);
  }
  return text;
}

std::string Str(std::string_view s) { return std::string(s); }

bool Near(double a, double b) { return std::fabs(a - b) < 0.00001; }

// Failure texts of the calculation, shown below txSettingInvalid.
std::string FailureText(DcCheck check) {
  switch (check) {
    case DcCheck::InputSpanTooShort: return Str(tx::Tx(tx::txInputSpanTooShort));
    case DcCheck::OutputSpanTooShort: return Str(tx::Tx(tx::txOutputSpanTooShort));
    case DcCheck::InputRangeTooLarge: return Str(tx::Tx(tx::txInputRangeTooLarge));
    case DcCheck::OutputRangeTooLarge: return Str(tx::Tx(tx::txOutputRangeTooLarge));
    case DcCheck::GainOutOfRange: return Str(tx::Tx(tx::txAmplificationRequiredOutRange));
    case DcCheck::Ok:
    case DcCheck::EntryError: break;
  }
  return {};
}

// Bank values of the two-step procedure as the screen sets them.
constexpr DcBanks kTwoStepBanks[2] = {{15, 17, 3}, {143, 1, 3}};

}  // namespace

int DcBankSetSwitch(int value, int count, int k, bool on) {
  if (k < 1 || k > count) return value;
  if (value < 0) value = 0;
  const unsigned bit = 1u << (k - 1);
  if (on) return static_cast<int>(static_cast<unsigned>(value) | bit);
  const unsigned mask = ((1u << count) - 1u) & ~bit;
  return static_cast<int>(static_cast<unsigned>(value) & mask);
}

DcBanks DcTwoStepScreenBanks(int step) {
  if (step != 1 && step != 2) throw std::out_of_range("two-step: step must be 1 or 2");
  return kTwoStepBanks[step - 1];
}

DcBanks DcTwoStepDocumentBanks(int step, int bandwidth) {
  DcBanks banks = DcTwoStepScreenBanks(step);
  banks.s3 = DcBankSetSwitch(banks.s3, DcScreen::kS3Count, 3, bandwidth == kDcBandwidthBelow10Hz);
  return banks;
}

DcCaptions DcScreenCaptions() {
  DcCaptions c;
  c.LabelEingang = Str(tx::Tx(tx::txInput));
  c.LabelAusgang = Str(tx::Tx(tx::txOutput));
  c.LabelEMin = c.LabelAMin = Str(tx::Tx(tx::txStartValue));
  c.LabelEMax = c.LabelAMax = Str(tx::Tx(tx::txEndValue));
  c.LabelGrenzfrequenz = Str(tx::Tx(tx::txBandwidth));
  c.BitBtnWeiter = Str(tx::Tx(tx::txCalculateSettings));
  c.Btn_DCStepOne = "&1. " + Str(tx::Tx(tx::txStep));
  c.Btn_DCStepTwo = "&2. " + Str(tx::Tx(tx::txStep));
  c.Lbl_DCStep = tx::ReplaceAll(tx::Tx(tx::txDesiredSettingTakesPlace), "$S", tx::Tx(tx::txTwoWord, 0));
  return c;
}

DcScreen::DcScreen() {
  config_.inUnit = kDcInMilliAmpere;
  config_.outUnit = kDcOutMilliAmpere;
  config_.bandwidth = kDcBandwidthAbove10kHz;
  // At start the language is applied while this screen is the active one.
  ResetDcDisplay();
  DetectTwoStep();
  calcDone_ = twoStep_;
}

std::string& DcScreen::Text(DcEdit edit) {
  switch (edit) {
    case DcEdit::EditEMin: return config_.inMinText;
    case DcEdit::EditEMax: return config_.inMaxText;
    case DcEdit::EditAMin: return config_.outMinText;
    case DcEdit::EditAMax: return config_.outMaxText;
  }
  throw std::out_of_range("DC entry: unknown field");
}

const std::string& DcScreen::EditText(DcEdit edit) const { return const_cast<DcScreen*>(this)->Text(edit); }

void DcScreen::AfterChoiceChange() {
  if (!armed_) ResetDcDisplay();
  DetectTwoStep();
  calcDone_ = twoStep_;
}

void DcScreen::EditChange(DcEdit edit, std::string_view text) {
  std::string& current = Text(edit);
  if (current == text) return;
  current = std::string(text);
  AfterChoiceChange();
}

bool DcScreen::KeyTyped(DcEdit edit, char key) {
  const std::optional<char> accepted = DCEditKeyPress(key);
  if (!accepted) return false;
  std::string text = Text(edit);
  if (*accepted == '\b') {
    if (text.empty()) return false;
    text.pop_back();
  } else {
    if (text.size() >= kEntryMaxLength) return false;
    text.push_back(*accepted);
  }
  EditChange(edit, text);
  return true;
}

void DcScreen::RadioBtnClick(DcUnitButton button) {
  int* unit = nullptr;
  int value = 0;
  switch (button) {
    case DcUnitButton::RBtnEmA:
      unit = &config_.inUnit;
      value = kDcInMilliAmpere;
      break;
    case DcUnitButton::RBtnEmV:
      unit = &config_.inUnit;
      value = kDcInMilliVolt;
      break;
    case DcUnitButton::RBtnEV:
      unit = &config_.inUnit;
      value = kDcInVolt;
      break;
    case DcUnitButton::RBtnAmA:
      unit = &config_.outUnit;
      value = kDcOutMilliAmpere;
      break;
    case DcUnitButton::RBtnAV:
      unit = &config_.outUnit;
      value = kDcOutVolt;
      break;
  }
  if (unit == nullptr || *unit == value) return;
  *unit = value;
  AfterChoiceChange();
}

void DcScreen::RBtnGrenzClick(DcBandwidthButton button) {
  const int bandwidth = button == DcBandwidthButton::RBtn10Hz ? kDcBandwidthBelow10Hz : kDcBandwidthAbove10kHz;
  if (config_.bandwidth == bandwidth) return;
  config_.bandwidth = bandwidth;
  // Switch 3 of S3 follows the bandwidth while a setting is shown. A bank without a setting
  // (after a refused task) is left alone, so that it does not show a lone switch.
  if (helpPanelVisible_ && config_.s3 >= 0)
    config_.s3 = DcBankSetSwitch(config_.s3, kS3Count, 3, bandwidth == kDcBandwidthBelow10Hz);
}

void DcScreen::ResetDcDisplay() {
  armed_ = true;
  calcDone_ = false;
  service_.WriteHeadings();
  for (DcLabel* label :
       {&labels_.LabelEinstellungenDC, &labels_.Label1HelpDC, &labels_.Label2IndexDC, &labels_.Label2HelpDC,
        &labels_.Label3IndexDC, &labels_.Label3HelpDC, &labels_.Label4HelpDC})
    label->text.clear();
  config_.s1 = config_.s2 = config_.s3 = -1;
  activeStep_ = 0;
  textLanguage_ = tx::CurrentLanguage();
  UpdateHelpPanel();
}

void DcScreen::DetectTwoStep() {
  bool special = false;
  try {
    const double inStart = LocaleTextToDouble(NormalizeDecimalSeparator(config_.inMinText));
    const double inEnd = LocaleTextToDouble(NormalizeDecimalSeparator(config_.inMaxText));
    const double outStart = LocaleTextToDouble(NormalizeDecimalSeparator(config_.outMinText));
    const double outEnd = LocaleTextToDouble(NormalizeDecimalSeparator(config_.outMaxText));
    const bool rising = Near(outStart, -10) && Near(outEnd, 10) && Near(inStart, 4) && Near(inEnd, 20);
    const bool falling = Near(outStart, 10) && Near(outEnd, -10) && Near(inStart, 20) && Near(inEnd, 4);
    special = (rising || falling) && config_.inUnit == kDcInMilliAmpere && config_.outUnit == kDcOutVolt;
  } catch (const ConversionError&) {
    special = false;
  }
  twoStep_ = special;
  if (!special) activeStep_ = 0;
  labels_.Label3IndexDC.visible = !special;
  labels_.Label3HelpDC.visible = !special;
  labels_.LabelSpecIndexDC.visible = special;
  labels_.LabelSpecHelpDC.visible = special;
  btnStepOne_ = {special, special};
  btnStepTwo_ = {special, special};
  bitBtnWeiter_ = {!special, !special};
  lblStepVisible_ = special;
}

std::optional<DcMessage> DcScreen::BitBtnWeiterClick() {
  // A hidden or disabled button (two-step mode) cannot be clicked.
  if (!bitBtnWeiter_.enabled) return std::nullopt;
  // A result already shown is cleared, so that the button always calculates.
  if (!armed_) ResetDcDisplay();
  armed_ = false;
  textLanguage_ = tx::CurrentLanguage();
  std::optional<DcMessage> message;
  const DcCheck check = CalculateDc(config_);
  // The polarity notes are written during validation, before the checks that may fail.
  if (check != DcCheck::EntryError) service_.WritePolarity(config_.inReversed, config_.outReversed);
  if (check == DcCheck::EntryError) {
    armed_ = true;
    message = DcMessage{Str(tx::Tx(tx::txError)), Str(tx::Tx(tx::txIncompleteIllegalInput))};
  } else if (check != DcCheck::Ok) {
    labels_.Label2HelpDC.text = Str(tx::Tx(tx::txSettingInvalid));
    labels_.Label3HelpDC.text = FailureText(check);
  } else {
    service_.WriteMatrix(config_);
    service_.WriteEvalList(config_);
    service_.WriteEvalIndex(config_);
    if (!config_.evalList.empty()) {
      const TEvalRec& e = config_.evalList[static_cast<std::size_t>(config_.evalIndex)];
      SetBanksSwitchBySwitch(DcSwitchBanks(e, config_.bandwidth));
    }
    DcInstructionLines();
    calcDone_ = true;
  }
  UpdateHelpPanel();
  return message;
}

void DcScreen::SetBanksSwitchBySwitch(const DcBanks& banks) {
  auto apply = [](int& bank, int count, int value) {
    bank = -1;
    for (int k = 1; k <= count; ++k) bank = DcBankSetSwitch(bank, count, k, (value >> (k - 1)) & 1);
  };
  apply(config_.s1, kS1Count, banks.s1);
  apply(config_.s2, kS2Count, banks.s2);
  apply(config_.s3, kS3Count, banks.s3);
}

void DcScreen::DcInstructionLines() {
  const DcConfig& c = config_;
  if (c.evalList.empty()) {
    labels_.Label2HelpDC.text = Str(tx::Tx(tx::txSettingInvalid));
    labels_.Label3HelpDC.text = Str(tx::Tx(tx::txPermissibleOffsetHasBeen));
    return;
  }
  const TEvalRec& e = c.evalList[static_cast<std::size_t>(c.evalIndex)];
  labels_.LabelEinstellungenDC.text = Str(tx::Tx(tx::txSettings));
  labels_.Label1HelpDC.text =
      (e.zeroPot || e.spanPot) ? "1. " + Str(tx::Tx(tx::txAdjustSwitches)) : Str(tx::Tx(tx::txAdjustSwitches));

  // The output at zero input, and the reference pair read as the technician typed it.
  double zero = c.outStart - c.inStart * c.gain;
  if (c.outReversed) zero = -zero;
  double inVal = c.inEnd;
  double outVal = c.outEnd;
  if (std::fabs(c.inStart) >= std::fabs(c.inEnd)) {
    inVal = c.inStart;
    outVal = c.outStart;
  }
  if (c.inReversed) inVal = -inVal;
  if (c.outReversed) outVal = -outVal;

  std::string inZero, inSpan, outZero, outSpan;
  switch (c.inUnit) {
    case kDcInMilliAmpere:
      inZero = "0 mA";
      inSpan = FormatNumber("%.5g", inVal * 1000) + " mA";
      break;
    case kDcInMilliVolt:
      inZero = "0 mV";
      inSpan = FormatNumber("%.5g", inVal * 1000) + " mV";
      break;
    default:
      inZero = "0 V";
      inSpan = FormatNumber("%.3g", inVal) + " V";
      break;
  }
  if (c.outUnit == kDcOutMilliAmpere) {
    outZero = FormatNumber("%.3f", zero * 1000) + " mA";
    outSpan = FormatNumber("%.3g", outVal * 1000) + " mA";
  } else {
    outZero = FormatNumber("%.3f", zero) + " V";
    outSpan = FormatNumber("%.3g", outVal) + " V";
  }
  const int variant = InputRanges[static_cast<std::size_t>(e.inIndex)].terminal;
  const std::string inTerminals =
      Str(c.inReversed ? tx::Tx(tx::txPolarityInputMinus, variant) : tx::Tx(tx::txPolarityInputPlus, variant));
  const std::string outTerminals =
      Str(c.outReversed ? tx::Tx(tx::txPolarityOutputMinus) : tx::Tx(tx::txPolarityOutputPlus));

  auto potLine = [&](const tx::PerLanguage& entry, const std::string& in, const std::string& out) {
    std::string line = Str(tx::Tx(entry));
    line = ReplaceFirst(line, "%I", in);
    line = ReplaceFirst(line, "$I", inTerminals);
    line = ReplaceFirst(line, "$O", outTerminals);
    return ReplaceFirst(line, "%O", out);
  };
  if (e.zeroPot) {
    labels_.Label2IndexDC.text = "2.";
    labels_.Label2HelpDC.text = potLine(tx::txZeroAdjustInstruction, inZero, outZero);
  }
  if (e.spanPot) {
    const std::string line = potLine(tx::txSpanAdjustInstruction, inSpan, outSpan);
    if (e.zeroPot) {
      labels_.Label3IndexDC.text = "3.";
      labels_.Label3HelpDC.text = line;
    } else {
      labels_.Label2IndexDC.text = "2.";
      labels_.Label2HelpDC.text = line;
    }
  }
  if (!e.zeroPot && !e.spanPot) {
    std::string line = ReplaceFirst(Str(tx::Tx(tx::txTerminalsInOut)), "$I", inTerminals);
    labels_.Label2HelpDC.text = ReplaceFirst(line, "$O", outTerminals);
  }
  labels_.Label4HelpDC.text = Str(tx::Tx(tx::txTerminalsPowerWide));
}

void DcScreen::Btn_DCStepOneClick() { ShowTwoStep(1); }
void DcScreen::Btn_DCStepTwoClick() { ShowTwoStep(2); }

void DcScreen::ShowTwoStep(int step) {
  // The buttons exist only in the two-step mode.
  if (!twoStep_) return;
  armed_ = false;
  calcDone_ = true;
  activeStep_ = step;
  textLanguage_ = tx::CurrentLanguage();
  // Switch 3 of S3 follows the bandwidth, as in the documents.
  const DcBanks banks = DcTwoStepDocumentBanks(step, config_.bandwidth);
  config_.s1 = banks.s1;
  config_.s2 = banks.s2;
  config_.s3 = banks.s3;
  std::string potLine =
      step == 1 ? tx::ReplaceAll(tx::ReplaceAll(tx::Tx(tx::txSpanAdjustInstruction), "%I", "10 mA"), "%O", "10 V")
                : tx::ReplaceAll(tx::ReplaceAll(tx::Tx(tx::txZeroAdjustInstruction), "%I", "4 mA"), "%O", "-10 V");
  potLine = tx::ReplaceAll(potLine, "$I", tx::Tx(tx::txPolarityInputPlus, 0));
  potLine = tx::ReplaceAll(potLine, "$O", tx::Tx(tx::txPolarityOutputPlus));
  labels_.Label2IndexDC.text = "-";
  labels_.Label2HelpDC.text = tx::ReplaceAll(tx::Tx(tx::txAdjustSwitchesS1S2S3), "%S", tx::Tx(tx::txShownLeft));
  labels_.LabelSpecIndexDC.text = "-";
  labels_.LabelSpecHelpDC.text = potLine;
  labels_.Label4HelpDC.text = Str(tx::Tx(tx::txTerminalsPowerWide));
  helpPanelVisible_ = !labels_.Label2HelpDC.text.empty() || !labels_.Label3HelpDC.text.empty() ||
                      !labels_.Label4HelpDC.text.empty();
}

void DcScreen::UpdateHelpPanel() {
  helpPanelVisible_ = !labels_.Label1HelpDC.text.empty() || !labels_.Label2HelpDC.text.empty() ||
                      !labels_.Label3HelpDC.text.empty() || !labels_.Label4HelpDC.text.empty();
}

void DcScreen::TS_DCEnter() {
  if (textLanguage_ != tx::CurrentLanguage()) RewriteTexts();
  DetectTwoStep();
  calcDone_ = savedAvailability_ || twoStep_;
}

void DcScreen::LanguageChanged() {
  ResetDcDisplay();
  DetectTwoStep();
  calcDone_ = twoStep_;
}

void DcScreen::RewriteTexts() {
  const int step = activeStep_;
  const bool shown = !armed_;
  const bool wasDone = calcDone_;
  ResetDcDisplay();
  DetectTwoStep();
  if (twoStep_ && step > 0)
    ShowTwoStep(step);
  else if (shown && !twoStep_)
    BitBtnWeiterClick();
  calcDone_ = wasDone;
}

void DcScreen::SaveAvailability() { savedAvailability_ = calcDone_; }

}  // namespace setrix
