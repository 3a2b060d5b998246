#pragma once
// The text tables: every text the program shows, in German, English, Italian and Spanish.
// Strings are UTF-8. A lookup with the current language never fails.
#include <array>
#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace setrix::texts {

// Process-wide language index: 0 German, 1 English, 2 Italian, 3 Spanish.
inline constexpr int kLanguageCount = 4;
int CurrentLanguage();
// Any index outside 0..3 selects German (0).
void SetCurrentLanguage(int language);
// Language code ("de", "en", "it", "es") to index; -1 when unknown.
int LanguageFromCode(std::string_view code);

// Layouts of a text entry.
struct PerLanguage {  // one text per language
  std::string_view name;
  std::array<std::string_view, 4> text;
};
struct Single {  // one text in every language
  std::string_view name;
  std::string_view text;
};
struct ThreePerLanguage {  // three variants per language, index language * 3 + variant
  std::string_view name;
  std::array<std::string_view, 12> text;
};
template <std::size_t K>
struct Items {  // K items, index item * 4 + language
  std::string_view name;
  std::array<std::string_view, K * 4> text;
  static constexpr std::size_t kCount = K;
};

// Lookup with the current language (or an explicit one). Out-of-range variants and
// items are clamped, so a lookup never fails.
std::string_view Tx(const PerLanguage& e);
std::string_view Tx(const PerLanguage& e, int language);
std::string_view Tx(const Single& e);
std::string_view Tx(const ThreePerLanguage& e, int variant);
std::string_view Tx(const ThreePerLanguage& e, int variant, int language);
template <std::size_t K>
std::string_view Tx(const Items<K>& e, int item, int language) {
  if (language < 0 || language >= kLanguageCount) language = 0;
  if (item < 0) item = 0;
  if (static_cast<std::size_t>(item) >= K) item = static_cast<int>(K) - 1;
  return e.text[static_cast<std::size_t>(item) * 4 + static_cast<std::size_t>(language)];
}
template <std::size_t K>
std::string_view Tx(const Items<K>& e, int item) {
  return Tx(e, item, CurrentLanguage());
}

// Replaces every occurrence of `placeholder` in `text`, ignoring ASCII case.
std::string ReplaceAll(std::string_view text, std::string_view placeholder, std::string_view with);

// The entries.
extern const PerLanguage txProgramSubtitle;
extern const PerLanguage txFile;
extern const PerLanguage txSaveDocumentation;
extern const PerLanguage txPdfFileFilter;
extern const PerLanguage txSave;
extern const PerLanguage txPrint;
extern const PerLanguage txExit;
extern const PerLanguage txLanguage;
extern const PerLanguage txProduct;
extern const PerLanguage txHelp;
extern const PerLanguage txContents;
extern const PerLanguage txScreenLanguageSelect;
extern const PerLanguage txScreenProductSelect;
extern const PerLanguage txScreenResultsDC;
extern const PerLanguage txScreenDataEvaluationDC;
extern const PerLanguage txFurtherFineAdjustmentNecessary;
extern const PerLanguage txFilter;
extern const PerLanguage txOn;
extern const PerLanguage txOff;
extern const PerLanguage txChooseProduct;
extern const PerLanguage txSignalIsolator;
extern const PerLanguage txInput;
extern const PerLanguage txOutput;
extern const PerLanguage txStartValue;
extern const PerLanguage txEndValue;
extern const PerLanguage txSettings;
extern const PerLanguage txFineCalibration;
extern const PerLanguage txAdjustSwitches;
extern const PerLanguage txBandwidth;
extern const PerLanguage txCalculateSettings;
extern const ThreePerLanguage txPolarityInputPlus;
extern const ThreePerLanguage txPolarityInputMinus;
extern const PerLanguage txPolarityOutputPlus;
extern const PerLanguage txPolarityOutputMinus;
extern const PerLanguage txTerminalsInOut;
extern const PerLanguage txZeroAdjustInstruction;
extern const PerLanguage txSpanAdjustInstruction;
extern const PerLanguage txTerminalsPowerWide;
extern const PerLanguage txTerminalsPower10;
extern const PerLanguage txThermoTerminals;
extern const PerLanguage txTerminalsOutput;
extern const PerLanguage txRtdTerminals4Wire;
extern const PerLanguage txRtdTerminals3Wire;
extern const PerLanguage txRtdTerminals2Wire;
extern const PerLanguage txResistorTerminals;
extern const PerLanguage txPotentiometerTerminals;
extern const PerLanguage txError;
extern const PerLanguage txIncompleteIllegalInput;
extern const PerLanguage txSettingInvalid;
extern const PerLanguage txAmplificationRequiredOutRange;
extern const PerLanguage txPermissibleOffsetHasBeen;
extern const PerLanguage txInputSpanTooShort;
extern const PerLanguage txInputRangeTooLarge;
extern const PerLanguage txOutputSpanTooShort;
extern const PerLanguage txOutputRangeTooLarge;
extern const PerLanguage txMakerAddressBlock;
extern const Single txMakerAddressLines;
extern const PerLanguage txContentsTitle;
extern const PerLanguage txContentsHelp;
extern const PerLanguage txNote;
extern const PerLanguage txUserTextPrompt;
extern const PerLanguage txDate;
extern const Single txMakerWebAddress;
extern const Items<8> txRtdTypeList;
extern const Items<8> txThermoTypeList;
extern const ThreePerLanguage txOutputVoltage;
extern const PerLanguage txType;
extern const PerLanguage txPleaseChoose;
extern const PerLanguage txChooseInputFirst;
extern const PerLanguage txChooseStartValueFirst;
extern const Items<2> txOnLower;
extern const Items<2> txOffLower;
extern const Items<2> txResponseList;
extern const PerLanguage txResponseTime;
extern const PerLanguage txOperatingMode;
extern const PerLanguage txLowerFrequency;
extern const PerLanguage txUpperFrequency;
extern const PerLanguage txChooseOperatingModeFirst;
extern const PerLanguage txSpecialRange;
extern const PerLanguage txSettingRangeUsingFrequency;
extern const PerLanguage txStep;
extern const PerLanguage txPinning;
extern const PerLanguage txSavingLowerFrequency;
extern const PerLanguage txSavingUpperFrequency;
extern const PerLanguage txSettingUpperFrequency;
extern const PerLanguage txAdjustSwitchesS1S2;
extern const PerLanguage txAdjustSwitchesS1S2S3;
extern const PerLanguage txShownLeft;
extern const PerLanguage txShownIllustration;
extern const PerLanguage txConnectModulePowerSupply;
extern const PerLanguage txReady;
extern const PerLanguage txApplyMinFrequency100kHz;
extern const PerLanguage txApplyMaxFrequency100kHz;
extern const PerLanguage txLEDLightsUpWhen;
extern const PerLanguage txDesiredSettingTakesPlace;
extern const Items<2> txTwoWord;
extern const PerLanguage txTerminalsPower7;
extern const PerLanguage txFrqInputTerminals;
extern const PerLanguage txFrqInputTerminalNames;
extern const PerLanguage txPowerSupplyGnd8;
extern const PerLanguage txOutputGnd;
extern const PerLanguage txTerminal;
extern const PerLanguage txUserDefined;
extern const PerLanguage txPage;
extern const PerLanguage txIllustration;

// Every entry, in table order, for listings (setrix-cli texts, reviews, tests).
enum class Layout { kPerLanguage, kSingle, kThreePerLanguage, kItems };
struct Entry {
  std::string_view name;
  Layout layout;
  std::size_t count;              // texts per language: 1, 3 variants or K items
  const std::string_view* texts;  // the entry's own text array

  static constexpr Entry Of(const PerLanguage& e) { return {e.name, Layout::kPerLanguage, 1, e.text.data()}; }
  static constexpr Entry Of(const Single& e) { return {e.name, Layout::kSingle, 1, &e.text}; }
  static constexpr Entry Of(const ThreePerLanguage& e) {
    return {e.name, Layout::kThreePerLanguage, 3, e.text.data()};
  }
  template <std::size_t K>
  static constexpr Entry Of(const Items<K>& e) {
    return {e.name, Layout::kItems, K, e.text.data()};
  }
};
// All entries; the span stays valid for the whole run.
std::span<const Entry> AllEntries();
// Text `index` (0 .. count-1) of an entry in a language, with the same clamping as Tx.
std::string_view EntryText(const Entry& e, int index, int language);
// All texts of an entry in one language (count of them).
std::vector<std::string_view> EntryTexts(const Entry& e, int language);

}  // namespace setrix::texts
