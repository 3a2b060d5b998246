#pragma once
// A device's choices and the module screen models: the choices a model shows, as the words
// of the module command's options (what a configuration file holds), and a device's choices
// put onto a model in the order the stored settings are restored at start-up.
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "configfile/device.h"
#include "modules/dc_screen.h"
#include "modules/frq.h"
#include "modules/rtd.h"
#include "modules/thermo.h"

namespace setrix::devices {

// A choice that a module does not take: `field` is the option name ("in-unit"), the message
// says what was given and the accepted form.
class DeviceError : public std::runtime_error {
 public:
  DeviceError(std::string field, const std::string& message)
      : std::runtime_error(message), field_(std::move(field)) {}
  const std::string& Field() const { return field_; }

 private:
  std::string field_;
};

// The options of a module that make up its task, in the order they are applied (names
// without "--"); empty for a name that is no module.
const std::vector<std::string>& ChoiceNames(std::string_view module);

// The words a list choice takes, in list order (the position is the item index):
// "in-unit", "out-unit", "bandwidth" of dc; "type", "output", "filter", "manual" of thermo;
// "type", "output", "response", "manual" of rtd; "mode", "output" of frq. Empty for a choice
// that takes a number or a text.
const std::vector<std::string>& ChoiceWords(std::string_view module, std::string_view choice);

// The choices a screen shows: every list with an item chosen and every entry with a text.
// The note and the tag are the caller's.
configfile::Device DeviceOf(const DcScreen& dc);
configfile::Device DeviceOf(const ThermoModel& thermo);
configfile::Device DeviceOf(const RtdModel& rtd);
configfile::Device DeviceOf(const FrqModel& frq);

// Puts the device's choices onto a screen model; a choice the device does not hold is
// cleared (an empty entry, nothing chosen; the DC screen's units mA and its bandwidth
// "> 10 kHz", as a new screen shows them). The order is the order of the stored settings:
// dc: bandwidth, the four entries, in-unit, out-unit; thermo: type, start, end, filter,
// output, manual; rtd: type, start, end, response, output, manual; frq: mode, lower, upper,
// output. Each throws DeviceError for the first choice it cannot take (a name that is no
// choice of the module, a word not offered, a value not in the list); the model is then
// left unchanged. The notes (userText) of thermo, rtd and frq are kept.
void ApplyDevice(DcScreen& dc, const configfile::Device& device);
void ApplyDevice(ThermoModel& thermo, const configfile::Device& device);
void ApplyDevice(RtdModel& rtd, const configfile::Device& device);
void ApplyDevice(FrqModel& frq, const configfile::Device& device);

}  // namespace setrix::devices
