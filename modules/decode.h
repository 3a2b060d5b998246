#pragma once
// Reading a device: from the DIP switches found on a module back to what it is set for, and
// from a task and the switches found to the levers that must be moved.
//
// The readings come from the same tables that compute the switches (dc_tables.h, thermo.h,
// rtd.h, frq.h). Each reading holds structured fields for programs and, in one language, the
// lines a screen or the command line shows: the value of each field in the screen's words, the
// switches that no setting of the program produces (with why), and notes on settings that
// share the banks. Bank values are those of the bank control: bit k-1 set means switch k ON;
// bits above the bank's switches are ignored, a negative value counts as all OFF.
#include <optional>
#include <string>
#include <vector>

#include "modules/dc_calc.h"
#include "modules/frq.h"
#include "modules/rtd.h"
#include "modules/thermo.h"

namespace setrix {

// One switch of a module: bank 1 is S1; number counts from 1.
struct SwitchRef {
  int bank = 1;
  int number = 1;
  bool operator==(const SwitchRef&) const = default;
};

// One field of a reading as the screen words it.
struct ReadingLine {
  std::string key;      // the field's name in the module commands' JSON: "inIndex", "type", ...
  std::string caption;  // "Input", "Zero offset", ... (no colon)
  std::string text;     // "4..20 mA", "on", "50 Hz", ...
};

// Switches whose positions no setting of the program produces.
struct ReadingProblem {
  std::vector<SwitchRef> switches;  // the switches that make it so
  std::string text;                 // "S1 switches 5 to 7 give no valid value for: Output"
};

// What a set of banks means, in one language.
struct Reading {
  std::vector<ReadingLine> lines;
  std::vector<ReadingProblem> problems;  // empty: a setting the program produces
  std::vector<std::string> notes;        // settings that share these banks, and the like
  bool Produced() const { return problems.empty(); }
};

// --- DC isolator -----------------------------------------------------------------------------

// The DC setting the banks hold: the fields of an evaluation-list entry that the switches
// carry, and the bandwidth. zeroPercent and spanRatio are not in the switches.
struct DcReading {
  Reading reading;
  int inIndex = 0;              // S1 switches 1..4 always name an input range
  std::optional<int> outIndex;  // nothing: S1 switches 5..7 name no output range
  std::optional<int> zeroStep;  // nothing: S1 switches 8..10 name no zero step
  bool zeroPot = false;         // the ZERO potentiometer is in use (S2 switch 5 OFF)
  bool spanPot = false;         // the SPAN potentiometer is in use (S2 switch 4 OFF)
  int bandwidth = kDcBandwidthAbove10kHz;
  int twoStep = 0;  // 1 or 2: the banks of that step of the two-step setting; 0 otherwise
};
DcReading ReadDc(const DcBanks& found, int language);

// --- thermocouple ----------------------------------------------------------------------------

struct ThermoReading {
  Reading reading;
  int typeIndex = 0;               // list index (kThermoTypes)
  std::optional<int> startRow;     // row of kThermoStartRows; nothing: no start code
  int spanRow = 0;                 // row of kThermoSpanRows
  std::optional<int> startValue;   // degrees Celsius
  std::optional<int> endValue;     // start + span, capped to the type's highest temperature
                                   // where the program caps it
  std::optional<int> outputIndex;  // kTemperatureOutputs; nothing: both output switches ON
  int filterIndex = 0;             // 0 "on", 1 "off" (the filter list)
  int manualIndex = 0;             // 0 "off", 1 "on" (the manual list)
};
ThermoReading ReadThermo(int s1, int s2, int language);

// --- RTD -------------------------------------------------------------------------------------

struct RtdReading {
  Reading reading;
  int typeIndex = 0;                 // list index (kRtdTypes)
  std::optional<int> startRow;       // row of kRtdStartRows
  int spanRow = 0;                   // row of kRtdSpanRows
  std::optional<double> startValue;  // in the type's unit
  std::optional<double> endValue;
  std::optional<int> outputIndex;
  int responseIndex = 0;  // 0 slow (2.2 s), 1 fast (1.2 s)
  int manualIndex = 0;    // 0 "off", 1 "on"
};
RtdReading ReadRtd(int s1, int s2, int language);

// --- frequency converter ---------------------------------------------------------------------

// A frequency converter's banks hold one step of a setting: the mode and step, and the one
// frequency that step stores (0..fmax step 1: the upper; fmin..fmax step 1: the lower, step 2:
// the upper; the special range none). Every setting of the mode with that frequency and output
// shares these banks.
struct FrqReading {
  Reading reading;
  int modeIndex = kFrqModeZeroToMax;  // kFrqMode...
  int step = 0;                       // 1..3; 0: S2 switches 1..4 name no step
  std::optional<FrqEntry> entry;      // which frequency the banks hold
  std::optional<double> frequency;    // its value in Hz; nothing: no valid tenth digit
  std::optional<int> outputIndex;     // kFrqOutputs
};
FrqReading ReadFrq(int s1, int s2, int language);

// --- checking --------------------------------------------------------------------------------

// A task's setting compared with the switches found.
struct CheckResult {
  bool hasSetting = false;         // the task has a setting to compare with
  bool matches = false;            // the device shows it
  std::vector<SwitchRef> levers;   // the levers to move, bank by bank
  std::vector<bool> leverOn;       // where each lever goes: true ON
  std::vector<std::string> lines;  // the answer in words, in order
};

// The banks of a setting against the banks found, switch by switch; `counts` gives each
// bank's number of switches. The lines list the levers ("S1 switch 5: set to OFF") or say
// that the device matches.
CheckResult CompareBanks(const std::vector<int>& counts, const std::vector<int>& expected,
                         const std::vector<int>& found, int language);

// A DC task (entries, units and bandwidth as the dc command takes them) against the banks
// found: the computed setting (for the two-step task: step 2, its final switches, with S3
// switch 3 following the bandwidth), the trimming it needs, and whether the found banks are
// another admissible setting of the same task or step 1 of the two steps.
CheckResult CheckDc(const DcConfig& task, const DcBanks& found, int language);
// A complete thermocouple or RTD configuration against the banks found.
CheckResult CheckThermo(const ThermoConfig& config, int s1, int s2, int language);
CheckResult CheckRtd(const RtdConfig& config, int s1, int s2, int language);
// A frequency setting (a model with its mode, entries and output): the levers are those to
// its last step; a found pattern that is another step of the setting is named.
CheckResult CheckFrq(const FrqModel& model, int s1, int s2, int language);

// "S1 switch 5", "S1 switches 1 to 4", "S3 switches 1 and 2" in a language; the switches are
// of one bank and consecutive.
std::string SwitchesText(const std::vector<SwitchRef>& switches, int language);

}  // namespace setrix
