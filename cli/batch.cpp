#include "cli/batch.h"

#include "cli/dc_screen_output.h"
#include "cli/device_run.h"
#include "cli/pdf_options.h"
#include "devices/device_model.h"

namespace setrix::cli {

namespace {

// Hands a module command's finished model on to the batch.
class Forward final : public ModuleSink {
 public:
  explicit Forward(devices::DocumentSink& sink) : sink_(sink) {}
  int Dc(const DcConfig&, DcCheck, const DcScreenRun& run) override {
    sink_.Dc(run);
    return 0;
  }
  int Thermo(const ThermoModel& m) override {
    sink_.Thermo(m);
    return 0;
  }
  int Rtd(const RtdModel& m) override {
    sink_.Rtd(m);
    return 0;
  }
  int Frq(FrqModel& m) override {
    sink_.Frq(m);
    return 0;
  }

 private:
  devices::DocumentSink& sink_;
};

}  // namespace

void CommandRunner::Run(const configfile::Device& device, const std::string& lang, devices::DocumentSink& sink) {
  Forward forward(sink);
  try {
    RunDevice(device, {"--lang=" + lang}, forward);
  } catch (const CLI::ParseError& e) {
    throw devices::DeviceError({}, e.what());
  }
}

BatchReport RunBatch(const configfile::DeviceList& list, const std::string& listName,
                     const BatchSettings& settings, const BatchProgress& progress, const BatchDone& done) {
  BatchSettings s = settings;
  if (s.date.empty()) s.date = ShortDateToday();
  CommandRunner runner;
  return devices::RunBatch(list, listName, s, runner, progress, done);
}

}  // namespace setrix::cli
