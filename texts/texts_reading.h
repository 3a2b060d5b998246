#pragma once
// The texts of reading a device: what the switches found on a module mean, which switches no
// setting produces, and which levers to move. Entries of the same tables as texts.h, listed by
// AllEntries() after the others.
#include "texts/texts.h"

namespace setrix::texts {

extern const PerLanguage txZeroOffset;
extern const PerLanguage txPotentiometerName;
extern const PerLanguage txPotInUse;
extern const PerLanguage txPotNotInUse;
extern const PerLanguage txBankSwitchOne;
extern const PerLanguage txBankSwitchRange;
extern const PerLanguage txBankSwitchPair;
extern const PerLanguage txGiveNoValue;
extern const PerLanguage txDoNotFit;
extern const PerLanguage txNotOfferedForType;
extern const PerLanguage txAboveHighest;
extern const PerLanguage txRangeNeedsSpan;
extern const PerLanguage txLiveZeroOffset;
extern const PerLanguage txMustBeOff;
extern const PerLanguage txOtherSwitchesForValue;
extern const PerLanguage txNotInTheseSwitches;
extern const PerLanguage txStepOfSteps;
extern const PerLanguage txTwoStepBanks;
extern const PerLanguage txSetLeverTo;
extern const PerLanguage txDeviceMatches;
extern const PerLanguage txLeversToMove;
extern const PerLanguage txThenTrim;
extern const PerLanguage txSwitchesShow;
extern const PerLanguage txOtherAdmissible;
extern const PerLanguage txNoSettingToCheck;
extern const PerLanguage txNoSettingGivesThese;
// The desktop program's read mode.
extern const PerLanguage txReadDevice;
extern const PerLanguage txReadDeviceTitle;
extern const PerLanguage txReadDeviceHint;
extern const PerLanguage txDeviceSetFor;
extern const PerLanguage txLeaveReading;

}  // namespace setrix::texts
