#include "devices/device_model.h"

#include <charconv>
#include <cmath>
#include <map>

namespace setrix::devices {

namespace {

using configfile::Device;
using Words = std::vector<std::string>;

const Words kNone;
const Words kDcInUnits = {"mA", "mV", "V"};
const Words kDcOutUnits = {"mA", "V"};
const Words kDcBandwidths = {"10Hz", "10kHz"};
const Words kThermoTypes = {"K", "J", "T", "E", "N", "R", "S", "B"};
const Words kTemperatureOutputs = {"0-10V", "0-20mA", "4-20mA"};
const Words kThermoFilter = {"on", "off"};
const Words kOffOn = {"off", "on"};
const Words kRtdResponse = {"slow", "fast"};
const Words kFrqModes = {"0-fmax", "fmin-fmax", "special"};
const Words kFrqOutputs = {"0-5V", "0-10V", "0-20mA", "4-20mA"};

const Words& RtdTypes() {
  static const Words names = [] {
    Words out;
    for (const RtdType& type : kRtdTypes) out.emplace_back(type.cliName);
    return out;
  }();
  return names;
}

std::string Joined(const Words& words) {
  std::string out;
  for (const std::string& w : words) out += (out.empty() ? "" : ", ") + w;
  return out;
}

// A number as a configuration holds it: integers without decimals, else the shortest form
// with "." that reads back as the same number.
std::string PlainNumber(double value) {
  if (value == std::trunc(value) && std::fabs(value) < 1e15) return std::to_string(static_cast<long long>(value));
  char buffer[64];
  const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value);
  return ec == std::errc() ? std::string(buffer, end) : std::string();
}

// A number as given: "," or "." as the decimal mark, an optional leading "+".
std::optional<double> ParseNumber(std::string_view text) {
  std::string s(text);
  for (char& c : s)
    if (c == ',') c = '.';
  const char* begin = s.data();
  if (!s.empty() && s[0] == '+') ++begin;
  double value = 0;
  const auto [end, ec] = std::from_chars(begin, s.data() + s.size(), value);
  if (s.empty() || ec != std::errc() || end != s.data() + s.size() || !std::isfinite(value)) return std::nullopt;
  return value;
}

void CheckNames(const Device& device) {
  const Words& names = ChoiceNames(device.module);
  for (const auto& [name, text] : device.choices) {
    bool known = false;
    for (const std::string& n : names) known = known || n == name;
    if (!known)
      throw DeviceError(
          name, "\"" + name + "\" is no choice of " + device.module + "; its choices are " + Joined(names));
  }
}

// The index of the word given for `name`, -1 when the device holds none.
int WordIndex(const Device& device, const std::string& name) {
  const std::string* given = device.Choice(name);
  if (given == nullptr) return -1;
  const Words& words = ChoiceWords(device.module, name);
  for (std::size_t i = 0; i < words.size(); ++i)
    if (words[i] == *given) return static_cast<int>(i);
  throw DeviceError(name, "\"" + *given + "\" is not offered; use one of " + Joined(words));
}

// The index of the item whose value the device gives for `name`, -1 when it gives none.
int ValueIndex(const Device& device, const std::string& name, const ChoiceList& list) {
  const std::string* given = device.Choice(name);
  if (given == nullptr) return -1;
  const std::optional<double> value = ParseNumber(*given);
  if (value)
    for (std::size_t i = 0; i < list.items.size(); ++i)
      if (list.items[i].value == *value) return static_cast<int>(i);
  std::string message = "\"" + *given + "\" is not offered";
  if (list.style == ListStyle::Simple || list.items.empty()) {
    message += "; no values are offered yet (" + list.Text() + ")";
  } else {
    message += "; offered values:";
    for (std::size_t i = 0; i < list.items.size(); ++i)
      message += (i == 0 ? " " : ", ") + PlainNumber(list.items[i].value);
  }
  throw DeviceError(name, message);
}

void AddWord(Device& d, const std::string& name, int index) {
  const Words& words = ChoiceWords(d.module, name);
  if (index >= 0 && static_cast<std::size_t>(index) < words.size())
    d.SetChoice(name, words[static_cast<std::size_t>(index)]);
}

void AddValue(Device& d, const std::string& name, const ChoiceList& list) {
  if (const ListItem* item = list.Selected()) d.SetChoice(name, PlainNumber(item->value));
}

void AddText(Device& d, const std::string& name, const std::string& text) {
  if (!text.empty()) d.SetChoice(name, text);
}

}  // namespace

const std::vector<std::string>& ChoiceNames(std::string_view module) {
  static const std::map<std::string, Words, std::less<>> names = {
      {"dc", {"in-min", "in-max", "in-unit", "out-min", "out-max", "out-unit", "bandwidth"}},
      {"thermo", {"type", "start", "end", "output", "filter", "manual"}},
      {"rtd", {"type", "start", "end", "output", "response", "manual"}},
      {"frq", {"mode", "lower", "upper", "output"}},
  };
  const auto it = names.find(module);
  return it == names.end() ? kNone : it->second;
}

const std::vector<std::string>& ChoiceWords(std::string_view module, std::string_view choice) {
  if (module == "dc") {
    if (choice == "in-unit") return kDcInUnits;
    if (choice == "out-unit") return kDcOutUnits;
    if (choice == "bandwidth") return kDcBandwidths;
  } else if (module == "thermo" || module == "rtd") {
    if (choice == "type") return module == "thermo" ? kThermoTypes : RtdTypes();
    if (choice == "output") return kTemperatureOutputs;
    if (choice == "manual") return kOffOn;
    if (module == "thermo" && choice == "filter") return kThermoFilter;
    if (module == "rtd" && choice == "response") return kRtdResponse;
  } else if (module == "frq") {
    if (choice == "mode") return kFrqModes;
    if (choice == "output") return kFrqOutputs;
  }
  return kNone;
}

// --- model -> device ----------------------------------------------------------------------

Device DeviceOf(const DcScreen& dc) {
  Device d;
  d.module = "dc";
  const DcConfig& c = dc.Config();
  AddText(d, "in-min", c.inMinText);
  AddText(d, "in-max", c.inMaxText);
  AddWord(d, "in-unit", c.inUnit);
  AddText(d, "out-min", c.outMinText);
  AddText(d, "out-max", c.outMaxText);
  AddWord(d, "out-unit", c.outUnit);
  AddWord(d, "bandwidth", c.bandwidth);
  return d;
}

// The thermocouple and the RTD: six lists, the fifth the filter or the response time.
template <class Model>
Device TemperatureDeviceOf(const Model& m, const char* module, const char* fifthName, const ChoiceList& fifth) {
  Device d;
  d.module = module;
  AddWord(d, "type", m.type.index);
  AddValue(d, "start", m.start);
  AddValue(d, "end", m.end);
  AddWord(d, "output", m.output.index);
  AddWord(d, fifthName, fifth.index);
  AddWord(d, "manual", m.manual.index);
  return d;
}

Device DeviceOf(const ThermoModel& m) { return TemperatureDeviceOf(m, "thermo", "filter", m.filter); }

Device DeviceOf(const RtdModel& m) { return TemperatureDeviceOf(m, "rtd", "response", m.response); }

Device DeviceOf(const FrqModel& m) {
  Device d;
  d.module = "frq";
  AddWord(d, "mode", m.mode.index);
  AddText(d, "lower", m.config.lowerText);
  AddText(d, "upper", m.config.upperText);
  AddWord(d, "output", m.output.index);
  return d;
}

// --- device -> model ----------------------------------------------------------------------

void ApplyDevice(DcScreen& dc, const Device& device) {
  CheckNames(device);
  // Every word is checked before the screen changes.
  const int bandwidth = WordIndex(device, "bandwidth");
  const int inUnit = WordIndex(device, "in-unit");
  const int outUnit = WordIndex(device, "out-unit");
  const auto text = [&](const char* name) {
    const std::string* t = device.Choice(name);
    return t ? *t : std::string();
  };
  DcScreen s = dc;
  s.RBtnGrenzClick(bandwidth == 0 ? DcBandwidthButton::RBtn10Hz : DcBandwidthButton::RBtn10kHz);
  s.EditChange(DcEdit::EditEMin, text("in-min"));
  s.EditChange(DcEdit::EditEMax, text("in-max"));
  s.EditChange(DcEdit::EditAMin, text("out-min"));
  s.EditChange(DcEdit::EditAMax, text("out-max"));
  s.RadioBtnClick(inUnit == 1   ? DcUnitButton::RBtnEmV
                  : inUnit == 2 ? DcUnitButton::RBtnEV
                                : DcUnitButton::RBtnEmA);
  s.RadioBtnClick(outUnit == 1 ? DcUnitButton::RBtnAV : DcUnitButton::RBtnAmA);
  dc = std::move(s);
}

template <class Model, class List>
void ApplyTemperatureDevice(Model& model, const Device& device, const char* fifthName, List fifth,
                            bool (*choose)(Model&, List, int), void (*update)(Model&)) {
  CheckNames(device);
  Model m;
  m.config.userText = model.config.userText;
  update(m);
  choose(m, List::Type, WordIndex(device, "type"));
  choose(m, List::Start, ValueIndex(device, "start", m.start));
  choose(m, List::End, ValueIndex(device, "end", m.end));
  choose(m, fifth, WordIndex(device, fifthName));
  choose(m, List::Output, WordIndex(device, "output"));
  choose(m, List::Manual, WordIndex(device, "manual"));
  model = std::move(m);
}

void ApplyDevice(ThermoModel& thermo, const Device& device) {
  ApplyTemperatureDevice(thermo, device, "filter", ThermoList::Filter, ThermoChoose, ThermoUpdate);
}

void ApplyDevice(RtdModel& rtd, const Device& device) {
  ApplyTemperatureDevice(rtd, device, "response", RtdList::Response, RtdChoose, RtdUpdate);
}

void ApplyDevice(FrqModel& frq, const Device& device) {
  CheckNames(device);
  for (const char* name : {"lower", "upper"}) {
    const std::string* t = device.Choice(name);
    if (t == nullptr) continue;
    for (char c : *t)
      if (c == '\b' || !FrqEditKeyPress(c))
        throw DeviceError(
            name, "\"" + *t + "\" cannot be typed into the entry; it takes the digits 0 to 9, \",\" and \".\"");
  }
  const int mode = WordIndex(device, "mode");
  const int output = WordIndex(device, "output");
  FrqModel m;
  m.config.userText = frq.config.userText;
  FrqUpdate(m);
  FrqChoose(m, FrqList::Mode, mode);
  if (const std::string* t = device.Choice("lower")) {
    FrqEntryChanged(m, FrqEntry::Lower, *t);
    FrqUpdate(m);
  }
  if (const std::string* t = device.Choice("upper")) {
    FrqEntryChanged(m, FrqEntry::Upper, *t);
    FrqUpdate(m);
  }
  FrqChoose(m, FrqList::Output, output);
  frq = std::move(m);
}

}  // namespace setrix::devices
