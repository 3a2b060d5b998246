#pragma once
// Documenting a device list: one PDF per device, named after its tag, and the summary of the
// run (devices.csv, devices.json, overview.pdf). Used by `setrix-cli batch` and by the
// desktop program's File / Document device list; the progress and stop hooks let a window
// drive it.
#include <nlohmann/json.hpp>

#include <functional>
#include <set>
#include <string>
#include <vector>

#include "configfile/device.h"
#include "devices/module_run.h"

namespace setrix::devices {

struct BatchSettings {
  std::string outDir;
  std::string lang = "en";
  std::string date;  // the documents' date line
  bool qr = false;   // each sheet carries its device's configuration as a QR code
};

struct BankValue {
  std::string name;  // "S1", "S2", "S3"
  int value = -1;
  int count = 0;  // switches in the bank
};

// The banks of one step (step 0: the task has one setting).
struct StepBanks {
  int step = 0;
  std::vector<BankValue> banks;
};

struct DeviceReport {
  int row = 0, line = 0;
  std::string tag, module, task;
  // "documented", "refused" (the module cannot do the task), "invalid" (a bad row or value),
  // "not written" (the file could not be written).
  std::string outcome;
  std::string reason;  // why, when not documented
  std::string file;    // the PDF's name in the output folder, when documented
  std::vector<StepBanks> steps;

  bool Failed() const { return outcome != "documented"; }
  nlohmann::ordered_json ToJson() const;
};

struct BatchReport {
  std::string list, title, date;
  std::vector<DeviceReport> devices;
  int total = 0;         // devices in the list
  bool stopped = false;  // the progress hook asked to stop
  int FailedCount() const;
};

// Called before each device (1-based n of total); returning false stops the run.
using BatchProgress = std::function<bool(int n, int total, const std::string& tag)>;
// Called after each device.
using BatchDone = std::function<void(const DeviceReport&)>;

// Documents every entry of the list into settings.outDir (which must exist), each device's
// choices run by `runner`. Each PDF is written completely or not at all.
BatchReport RunBatch(const configfile::DeviceList& list, const std::string& listName,
                     const BatchSettings& settings, DeviceRunner& runner, const BatchProgress& progress = {},
                     const BatchDone& done = {});

// devices.csv, devices.json and overview.pdf in settings.outDir, each complete or not at all.
void WriteBatchSummary(const BatchReport& report, const BatchSettings& settings);

// A file name (without ".pdf") for a tag: the characters a file name cannot hold, and
// leading and trailing dots and blanks, replaced by "_"; "device-<row>" for an empty tag;
// made unique (case-insensitively, and apart from the summary files) against `taken`,
// which receives it.
std::string DeviceFileStem(const std::string& tag, int row, std::set<std::string>& taken);

// The task of a device in one line, from its choices as given.
std::string TaskLine(const configfile::Device& device);

// overview.pdf: a table of every device with its task, outcome and banks, as values and as
// switch rows. Returns the file's bytes.
std::string OverviewPdf(const BatchReport& report);

}  // namespace setrix::devices
