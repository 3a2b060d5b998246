#pragma once
// A device's task run on fresh screen models as a technician would run it on the screens,
// and why a finished screen cannot be documented.
#include <optional>
#include <string>

#include "configfile/device.h"
#include "modules/dc_calc.h"
#include "modules/dc_screen.h"
#include "modules/frq.h"
#include "modules/rtd.h"
#include "modules/thermo.h"

namespace setrix::devices {

// The DC screen after the technician has chosen the units and the bandwidth of `task`, typed
// its four entries and, unless the two-step mode came up, pressed "Calculate settings".
struct DcScreenRun {
  DcScreen screen;
  std::optional<DcMessage> message;  // the message box of refused entries
};
DcScreenRun RunDcScreen(const DcConfig& task);
// The same from a screen whose choices are set: "Calculate settings" unless two-step.
DcScreenRun RunDcScreen(DcScreen screen);

// The screen after one of the two step buttons (step 1 or 2).
DcScreen DcStepScreen(const DcScreen& screen, int step);

// Why the module's documentation cannot be written (one line), or empty when it can.
std::string DcRefusal(const DcScreen& dc, const std::optional<DcMessage>& message);
std::string ThermoRefusal(const ThermoModel& thermo);
std::string RtdRefusal(const RtdModel& rtd);
std::string FrqRefusal(const FrqModel& frq);

// Receives the finished model of a device.
class DocumentSink {
 public:
  virtual ~DocumentSink() = default;
  virtual void Dc(const DcScreenRun& run) = 0;
  virtual void Thermo(const ThermoModel& thermo) = 0;
  virtual void Rtd(const RtdModel& rtd) = 0;
  virtual void Frq(FrqModel& frq) = 0;
};

// Runs a device's choices on fresh models and hands the model to a sink. A choice the
// module does not take throws DeviceError (device_model.h) with the reason.
class DeviceRunner {
 public:
  virtual ~DeviceRunner() = default;
  // `lang`: the documents' language code ("de", "en", "it", "es").
  virtual void Run(const configfile::Device& device, const std::string& lang, DocumentSink& sink) = 0;
};

// The runner of the screen models: ApplyDevice (device_model.h) on new models, the DC
// screen calculated as RunDcScreen does. Sets the current language.
class ModelRunner final : public DeviceRunner {
 public:
  void Run(const configfile::Device& device, const std::string& lang, DocumentSink& sink) override;
};

// Why the device's task cannot be documented (one line), or empty when it can; a choice the
// module does not take throws DeviceError. Runs the ModelRunner.
std::string CheckDevice(const configfile::Device& device, const std::string& lang);

}  // namespace setrix::devices
