#pragma once
// `setrix-cli batch`: the device list documented by the batch of devices/, each device's
// choices run through the module command's own option parsing, so that a value is refused
// with the same message as on the command line.
#include "devices/batch.h"

namespace setrix::cli {

using devices::BankValue;
using devices::BatchDone;
using devices::BatchProgress;
using devices::BatchReport;
using devices::BatchSettings;
using devices::DeviceFileStem;
using devices::DeviceReport;
using devices::OverviewPdf;
using devices::StepBanks;
using devices::TaskLine;
using devices::WriteBatchSummary;

// Runs a device through its module command (RunDevice); a refused option becomes a
// devices::DeviceError with the command's message.
class CommandRunner final : public devices::DeviceRunner {
 public:
  void Run(const configfile::Device& device, const std::string& lang, devices::DocumentSink& sink) override;
};

// devices::RunBatch with the CommandRunner; an empty settings.date is today in the user's
// short date format.
BatchReport RunBatch(const configfile::DeviceList& list, const std::string& listName,
                     const BatchSettings& settings, const BatchProgress& progress = {},
                     const BatchDone& done = {});

}  // namespace setrix::cli
