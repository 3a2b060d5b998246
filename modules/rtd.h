#pragma once
// The RTD converter ("ZOR RTD"): its screen model and switch coding.
//
// Works like the thermocouple screen (thermo.h): six lists (input type, start, end, output,
// response time, manual fine adjustment) set two banks of eight DIP switches. Inputs are
// PT100 and NI100 in 2-, 3- and 4-wire connection ("°C"), a plain resistor (" Ohm") or a
// potentiometer ("%"). `RtdUpdate` rebuilds the lists, keeps every choice whose value is still
// offered and recomputes the `RtdConfig` record, the banks, the instruction texts with the
// wiring picture, and whether the setting can be documented (Save and Print).
#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "modules/choice_list.h"
#include "modules/thermo.h"  // kTemperatureOutputs: the same output list and codes

namespace setrix {

enum class RtdUnit { Celsius, Ohm, Percent };

// One input type of the type list (list order as below).
struct RtdType {
  std::string_view cliName;  // "pt100-2wire", "resistor", "potentiometer", ...
  RtdUnit unit;
  std::string_view unitText;       // "°C", " Ohm" (with its blank) or "%"
  int startRows;                   // start rows offered: 14, or 10 for the potentiometer
  std::string_view wiringPicture;  // "Image2W", "Image3W", "Image4W", "Image2WRes", "Image3WPoti"
  int code;                        // S1 switches 1 to 3: 7 minus the type's index
};
extern const std::array<RtdType, 8> kRtdTypes;

// A start row: the temperature (°C); the resistor and the potentiometer use its negation.
// The code occupies S1 switches 4 to 7.
struct RtdStartRow {
  int temperature;
  int code;
};
extern const std::array<RtdStartRow, 14> kRtdStartRows;

// A span row: the temperature span (K), the resistance span (Ohm and %) and its code
// (S2 switches 1 to 5).
struct RtdSpanRow {
  int temperatureSpan;
  double resistanceSpan;
  int code;
};
extern const std::array<RtdSpanRow, 32> kRtdSpanRows;

// The record of the RTD screen, read by the documentation.
struct RtdConfig {
  int typeIndex = -1;  // each index -1 while nothing is chosen
  int startIndex = -1;
  int endIndex = -1;
  int outputIndex = -1;
  int responseIndex = -1;  // 0 slow (2.2 s), 1 fast (1.2 s)
  int manualIndex = -1;    // 0 "off", 1 "on"
  // The chosen items' texts; "" while nothing is chosen.
  std::string typeText, startText, endText, outputText, responseText, manualText;
  double startValue = 0;  // in the type's unit; 0 while not chosen
  double endValue = 0;
  std::string unitText;  // the chosen type's unit text; "" while no type is chosen
  bool complete = false;
  int s1 = -1;  // bank values; -1 while incomplete (no setting shown)
  int s2 = -1;
  // Instruction texts, empty while incomplete.
  std::string settingsCaption, switchesCaption, inputTerminalsText, outputTerminalsText, powerText;
  std::string wiringPicture;  // the wiring picture's name; "" while incomplete
  std::string userText;       // the module's note; never touched by the update
};

// Everything the screen shows. The item `code` of the start and end lists is the switch
// code of the table row the item came from; the item `value` is its number in the unit.
struct RtdModel {
  ChoiceList type;      // Combo_RTD_Type
  ChoiceList start;     // Combo_RTD_Min
  ChoiceList end;       // Combo_RTD_Max
  ChoiceList output;    // Combo_RTD_Out
  ChoiceList response;  // Combo_RTD_Response
  ChoiceList manual;    // Combo_RTD_Manual
  RtdConfig config;
  bool helpPanelVisible = false;  // the instruction panel with the wiring picture
  bool documentable = false;      // Save and Print enabled
};

enum class RtdList { Type, Start, End, Output, Response, Manual };

// Recomputes everything from the current choices, in the current language and with the
// current decimal separator (numbers.h).
void RtdUpdate(RtdModel& model);

// The change handler of the six lists: chooses item `index` (an index outside the list
// leaves nothing chosen) and runs the update. Returns whether the index named an item.
bool RtdChoose(RtdModel& model, RtdList list, int index);

// The stored choices (thermo.h); `fifth` is the response time.
using RtdStoredChoices = TemperatureStoredChoices;
// Update, then each choice in the order "Input", "Min", "Max", "Response", "Out", "Manual"
// with an update after each.
void RtdRestore(RtdModel& model, const RtdStoredChoices& stored);

// Text of a value of type `typeIndex`: an integer, or one decimal in the locale decimal
// separator, then the unit text; English adds the Fahrenheit text to "°C" values.
// Examples: "62.5 Ohm", "-25°C / -13°F", "100%".
std::string RtdValueText(double value, int typeIndex, int language);

}  // namespace setrix
