#include "sheets/doc_texts.h"

#include <stdexcept>

#include "modules/dc_screen.h"
#include "modules/numbers.h"
#include "texts/texts.h"

namespace setrix::sheets {

using texts::Tx;

std::string ReplaceExact(std::string_view text, std::string_view placeholder, std::string_view with) {
  if (placeholder.empty()) return std::string(text);
  std::string out;
  std::size_t pos = 0;
  for (auto hit = text.find(placeholder); hit != std::string_view::npos; hit = text.find(placeholder, pos)) {
    out.append(text.substr(pos, hit - pos));
    out.append(with);
    pos = hit + placeholder.size();
  }
  out.append(text.substr(pos));
  return out;
}

std::vector<std::string> SplitLines(std::string_view text) {
  std::vector<std::string> lines;
  std::size_t i = 0;
  while (i < text.size()) {
    const std::size_t start = i;
    while (i < text.size() && text[i] != '\r' && text[i] != '\n') ++i;
    lines.emplace_back(text.substr(start, i - start));
    if (i < text.size() && text[i] == '\r') ++i;
    if (i < text.size() && text[i] == '\n') ++i;
  }
  return lines;
}

namespace {

// Byte length of the UTF-8 character starting at text[i] (1 for a stray byte).
std::size_t CharacterLength(std::string_view text, std::size_t i) {
  const auto lead = static_cast<unsigned char>(text[i]);
  std::size_t length = lead >= 0xF0 && lead < 0xF8   ? 4
                       : lead >= 0xE0 && lead < 0xF0 ? 3
                       : lead >= 0xC0 && lead < 0xE0 ? 2
                                                     : 1;
  std::size_t taken = 1;
  while (taken < length && i + taken < text.size() && (static_cast<unsigned char>(text[i + taken]) & 0xC0) == 0x80)
    ++taken;
  return taken;
}

std::string_view TrimBlanks(std::string_view s) {
  while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
  while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
  return s;
}

}  // namespace

std::size_t CharacterCount(std::string_view utf8) {
  std::size_t n = 0;
  for (std::size_t i = 0; i < utf8.size(); i += CharacterLength(utf8, i)) ++n;
  return n;
}

std::vector<std::string> WrapNote(std::string_view utf8, double maxWidth,
                                  const std::function<double(std::string_view)>& width) {
  std::vector<std::string> lines;
  std::string_view rest = TrimBlanks(utf8);
  while (!rest.empty()) {
    if (width(rest) <= maxWidth) break;
    // The longest beginning that fits, at least one character.
    std::size_t fit = CharacterLength(rest, 0);
    std::size_t breakAfter = 0;  // end of the last beginning that ends at a break point
    for (std::size_t i = fit; i < rest.size();) {
      const std::size_t next = i + CharacterLength(rest, i);
      if (width(TrimBlanks(rest.substr(0, next))) > maxWidth) break;
      fit = next;
      i = next;
    }
    for (std::size_t i = 0; i < fit; i += CharacterLength(rest, i)) {
      const char c = rest[i];
      if (c == ' ' || c == '-' || c == '/' || c == '.') breakAfter = i + 1;
    }
    // A break point just past the fitting part: the blank that follows it.
    if (fit < rest.size() && rest[fit] == ' ') breakAfter = fit;
    const std::size_t cut = breakAfter > 0 ? breakAfter : fit;
    const std::string_view line = TrimBlanks(rest.substr(0, cut));
    if (line.empty()) {
      rest = TrimBlanks(rest.substr(cut));
      continue;
    }
    lines.emplace_back(line);
    rest = TrimBlanks(rest.substr(cut));
  }
  if (!rest.empty() || lines.empty()) lines.emplace_back(rest);
  return lines;
}

std::vector<std::string> MakerAddressLines() { return MakerAddressLines(texts::CurrentLanguage()); }

std::vector<std::string> MakerAddressLines(int language) {
  // Every line ends with "|".
  std::vector<std::string> lines;
  (void)language;  // the same in every language
  std::string_view rest = Tx(texts::txMakerAddressLines);
  for (auto bar = rest.find('|'); bar != std::string_view::npos; bar = rest.find('|')) {
    lines.emplace_back(rest.substr(0, bar));
    rest.remove_prefix(bar + 1);
  }
  return lines;
}

DcNumberTexts DcDocumentNumbers(const DcScreen& dc) {
  const auto number = [&](DcEdit edit, const char* field) {
    try {
      return NormalizeNumberText(dc.EditText(edit), true);
    } catch (const ConversionError&) {
      throw std::invalid_argument(std::string(field) + ": \"" + dc.EditText(edit) +
                                  "\" is not a number (digits with one decimal separator)");
    }
  };
  DcNumberTexts t{number(DcEdit::EditEMin, "input start"), number(DcEdit::EditEMax, "input end"),
                  number(DcEdit::EditAMin, "output start"), number(DcEdit::EditAMax, "output end")};
  TrimTrailingZeros(t.outStart, t.outEnd);
  TrimTrailingZeros(t.inStart, t.inEnd);
  return t;
}

std::string DcInputUnit(int inUnit) {
  switch (inUnit) {
    case kDcInMilliAmpere: return "mA";
    case kDcInMilliVolt: return "mV";
    default: return "V";
  }
}

std::string DcOutputUnit(int outUnit) { return outUnit == kDcOutMilliAmpere ? "mA" : "V"; }

std::string DcTwoStepTextA(int step) { return DcTwoStepTextA(step, texts::CurrentLanguage()); }

std::string DcTwoStepTextA(int step, int language) {
  const std::string a =
      ReplaceExact(Tx(texts::txAdjustSwitchesS1S2S3, language), "%S", Tx(texts::txShownIllustration, language));
  return ReplaceExact(a, "%A", std::to_string(step));
}

std::string DcTwoStepTextB(int step) { return DcTwoStepTextB(step, texts::CurrentLanguage()); }

std::string DcTwoStepTextB(int step, int language) {
  std::string b(step == 1 ? Tx(texts::txSpanAdjustInstruction, language)
                          : Tx(texts::txZeroAdjustInstruction, language));
  b = ReplaceExact(b, "%I", step == 1 ? "10 mA" : "4 mA");
  b = ReplaceExact(b, "$I", Tx(texts::txPolarityInputPlus, 0, language));
  b = ReplaceExact(b, "%O", step == 1 ? "10 V" : "-10 V");
  return ReplaceExact(b, "$O", Tx(texts::txPolarityOutputPlus, language));
}

std::string FrqRangeText(int outputIndex) {
  switch (outputIndex) {
    case 0: return "0 .. 5";
    case 1: return "0 .. 10";
    case 2: return "0 .. 20";
    case 3: return "4 .. 20";
    default: return "";
  }
}

std::string FrqRangeUnit(int outputIndex) {
  if (outputIndex == 0 || outputIndex == 1) return "V";
  if (outputIndex == 2 || outputIndex == 3) return "mA";
  return "";
}

std::vector<FrqStepText> FrqDocumentSteps(int modeIndex) {
  return FrqDocumentSteps(modeIndex, texts::CurrentLanguage());
}

std::vector<FrqStepText> FrqDocumentSteps(int modeIndex, int language) {
  const auto Tx = [language](const texts::PerLanguage& e) { return texts::Tx(e, language); };
  const auto switches = [&](int k) {
    const std::string s = ReplaceExact(Tx(texts::txAdjustSwitchesS1S2), "%S", Tx(texts::txShownIllustration));
    return ReplaceExact(s, "%A", std::to_string(k));
  };
  const std::string step(Tx(texts::txStep));
  const std::string cr = "\r";
  if (modeIndex == 1)
    return {{"1. " + step + " " + std::string(Tx(texts::txSavingLowerFrequency)),
             switches(1) + cr + std::string(Tx(texts::txConnectModulePowerSupply))},
            {"2. " + step + " " + std::string(Tx(texts::txSettingUpperFrequency)),
             switches(2) + cr + std::string(Tx(texts::txReady))}};
  if (modeIndex == 2)
    return {
        {"1. " + step + " " + std::string(Tx(texts::txSavingLowerFrequency)),
         switches(1) + cr + std::string(Tx(texts::txApplyMinFrequency100kHz)) +
             std::string(Tx(texts::txConnectModulePowerSupply)) + cr + std::string(Tx(texts::txLEDLightsUpWhen))},
        {"2. " + step + " " + std::string(Tx(texts::txSavingUpperFrequency)),
         switches(2) + cr + std::string(Tx(texts::txApplyMaxFrequency100kHz)) +
             std::string(Tx(texts::txConnectModulePowerSupply)) + cr + std::string(Tx(texts::txLEDLightsUpWhen))},
        {"3. " + step, switches(3) + cr + std::string(Tx(texts::txReady))}};
  return {};
}

std::vector<std::string> FrqPinningTerminals() { return FrqPinningTerminals(texts::CurrentLanguage()); }

std::vector<std::string> FrqPinningTerminals(int language) {
  const std::string t(Tx(texts::txTerminal, language));
  return {t + " 1:", t + " 2:", t + " 3:", t + " 4:", "", t + " 5:", t + " 6:", "", t + " 7:", t + " 8:"};
}

std::vector<std::string> FrqPinningMeanings(std::string_view rangeAndUnit) {
  return FrqPinningMeanings(rangeAndUnit, texts::CurrentLanguage());
}

std::vector<std::string> FrqPinningMeanings(std::string_view rangeAndUnit, int language) {
  std::vector<std::string> lines;
  for (const std::string& group : FrqPinningMeaningGroups(rangeAndUnit, language)) {
    if (!lines.empty()) lines.emplace_back();
    for (auto& l : SplitLines(group)) lines.push_back(l);
  }
  return lines;
}

std::vector<std::string> FrqPinningMeaningGroups(std::string_view rangeAndUnit, int language) {
  return {std::string(Tx(texts::txFrqInputTerminalNames, language)),
          texts::ReplaceAll(Tx(texts::txOutputGnd, language), "$O", rangeAndUnit),
          std::string(Tx(texts::txPowerSupplyGnd8, language))};
}

}  // namespace setrix::sheets
