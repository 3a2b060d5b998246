#pragma once
// Reading a device on a module screen, without the toolkit: the banks as the user sets them
// lever by lever, what they mean, and how they differ from the setting the screen computed
// for the task entered. The read mode of the window shows this; tests drive it directly.
#include <functional>
#include <optional>
#include <vector>

#include "modules/dc_screen.h"
#include "modules/decode.h"
#include "modules/frq.h"
#include "modules/rtd.h"
#include "modules/thermo.h"

namespace setrix::app {

// What the banks found mean, and the check against the screen's task.
struct DeviceReading {
  std::vector<int> banks;            // S1, S2 (, S3) as set
  Reading reading;                   // what the device is set for
  std::optional<CheckResult> check;  // nothing: the screen has no computed setting
  // The levers that differ from the computed setting (empty without a check).
  std::vector<SwitchRef> Differing() const { return check ? check->levers : std::vector<SwitchRef>{}; }
};

class DeviceReader {
 public:
  using Decode = std::function<Reading(const std::vector<int>& banks, int language)>;
  // Nothing while the screen shows no computed setting.
  using Check = std::function<std::optional<CheckResult>(const std::vector<int>& banks, int language)>;

  // `counts`: the number of switches of each bank, S1 first.
  DeviceReader(std::vector<int> counts, Decode decode, Check check);

  // The readers of the four module screens, over the models they show. The models must
  // outlive the reader; the check follows the model as it is when Read is called.
  static DeviceReader ForDc(const DcScreen& screen);
  static DeviceReader ForThermo(const ThermoModel& model);
  static DeviceReader ForRtd(const RtdModel& model);
  static DeviceReader ForFrq(const FrqModel& model);

  const std::vector<int>& Counts() const { return counts_; }
  const std::vector<int>& Banks() const { return banks_; }

  // Starts from the banks as shown: a bank without setting (negative) starts all OFF, bits
  // above a bank's switches are dropped, missing banks are OFF.
  void Start(const std::vector<int>& shown);
  // Flips one lever; a switch the module does not have changes nothing (returns false).
  bool Flip(SwitchRef lever);
  bool IsOn(SwitchRef lever) const;

  DeviceReading Read(int language) const;

 private:
  std::vector<int> counts_;
  std::vector<int> banks_;
  Decode decode_;
  Check check_;
};

}  // namespace setrix::app
