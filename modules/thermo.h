#pragma once
// The thermocouple converter ("ZOR THERMO"): its screen model and switch coding.
//
// Six lists (type, start, end, output, filter, manual fine adjustment) set two banks of eight
// DIP switches, S1 and S2. The lists are the state: `ThermoUpdate` rebuilds the dependent
// lists after every change, keeps a previous choice exactly when its value is still offered,
// and recomputes the `ThermoConfig` record, the banks, the instruction texts and whether the
// setting can be documented (Save and Print).
//
// A screen copies the lists and the record into its widgets and forwards list changes to
// `ThermoChoose`; the documentation reads `ThermoModel::config`.
#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "modules/choice_list.h"

namespace setrix {

// One thermocouple type of the type list (list order K, J, T, E, N, R, S, B).
struct ThermoType {
  std::string_view name;   // "K", "J", ...
  int lowestStart;         // degrees Celsius
  int highestTemperature;  // degrees Celsius; end values above it are capped to it
  int code;                // S1 switches 1 to 3: 7 minus the type's index
};
extern const std::array<ThermoType, 8> kThermoTypes;

// A row of the start table: the start temperature and its code (S1 switches 4 to 7).
struct ThermoStartRow {
  int start;
  int code;
};
extern const std::array<ThermoStartRow, 15> kThermoStartRows;

// A row of the span table: the span in kelvin and its code (S2 switches 1 to 5).
struct ThermoSpanRow {
  int span;
  int code;
};
extern const std::array<ThermoSpanRow, 32> kThermoSpanRows;

// The output list of the thermocouple and RTD converters ("0 .. 10 V", "0 .. 20 mA",
// "4 .. 20 mA", the same in every language) and its codes (S2 switches 6 and 7).
struct OutputRow {
  std::string_view text;
  int code;
};
extern const std::array<OutputRow, 3> kTemperatureOutputs;
// The same as list items (text and code).
std::vector<ListItem> TemperatureOutputItems();

// The record of the thermocouple screen, read by the documentation.
struct ThermoConfig {
  int typeIndex = -1;  // each index -1 while nothing is chosen
  int startIndex = -1;
  int endIndex = -1;
  int outputIndex = -1;
  int filterIndex = -1;  // 0 "on", 1 "off"
  int manualIndex = -1;  // 0 "off", 1 "on"
  // The chosen items' texts; "" while nothing is chosen.
  std::string typeText, startText, endText, outputText, filterText, manualText;
  int startValue = 0;  // degrees Celsius; 0 while not chosen
  int endValue = 0;    // degrees Celsius (capped to the type's highest temperature)
  bool complete = false;
  int s1 = -1;  // bank values; -1 while incomplete (no setting shown)
  int s2 = -1;
  // Instruction texts, empty while incomplete.
  std::string settingsCaption, switchesCaption, inputTerminalsText, outputTerminalsText, powerText;
  std::string userText;  // the module's note; never touched by the update
};

// Everything the screen shows. The item `code` of the start and end lists is the switch
// code of the table row the item came from; the item `value` is its temperature.
struct ThermoModel {
  ChoiceList type;    // Combo_Thermo_Type
  ChoiceList start;   // Combo_Thermo_Min
  ChoiceList end;     // Combo_Thermo_Max
  ChoiceList output;  // Combo_Thermo_Out
  ChoiceList filter;  // Combo_Thermo_Filter
  ChoiceList manual;  // Combo_Thermo_Manual
  ThermoConfig config;
  bool helpPanelVisible = false;  // the instruction panel with the terminal texts
  bool documentable = false;      // Save and Print enabled
};

enum class ThermoList { Type, Start, End, Output, Filter, Manual };

// Recomputes everything from the current choices, in the current language (texts.h).
// Runs after every change, when the page is entered, after a language change, and at
// start-up once before and again after each restored choice.
void ThermoUpdate(ThermoModel& model);

// The change handler of the six lists: chooses item `index` of `list` (an index outside the
// list leaves nothing chosen) and runs the update. Returns whether the index named an item.
bool ThermoChoose(ThermoModel& model, ThermoList list, int index);

// The stored choices of the thermocouple and RTD screens, as item indexes in the order they
// are restored; `fifth` is the filter (thermocouple) or the response time (RTD). A missing
// value leaves its list unchanged.
struct TemperatureStoredChoices {
  std::optional<int> input, min, max, fifth, out, manual;
};
using ThermoStoredChoices = TemperatureStoredChoices;
// Restores the stored choices at start-up: update, then each choice in the order "Input",
// "Min", "Max", "Filter", "Out", "Manual" with an update after each.
void ThermoRestore(ThermoModel& model, const ThermoStoredChoices& stored);

// Text of a temperature item: "-200°C", in English "-200°C / -328°F".
std::string ThermoTemperatureText(int celsius, int language);

}  // namespace setrix
