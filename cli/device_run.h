#pragma once
// A module command run from a device's choices in-process, through the same option parsing
// as the command line, and the configuration-file options of the module commands.
#include <CLI/CLI.hpp>

#include <string>
#include <string_view>
#include <vector>

#include "configfile/device.h"
#include "modules/dc_calc.h"

namespace setrix {
struct ThermoModel;
struct RtdModel;
struct FrqModel;
}  // namespace setrix

namespace setrix::cli {

struct DcScreenRun;

// Receives the finished model of a module command instead of the printing to standard
// output; returns the command's exit status.
class ModuleSink {
 public:
  virtual ~ModuleSink() = default;
  virtual int Dc(const DcConfig& dc, DcCheck check, const DcScreenRun& screen) = 0;
  virtual int Thermo(const ThermoModel& thermo) = 0;
  virtual int Rtd(const RtdModel& rtd) = 0;
  virtual int Frq(FrqModel& frq) = 0;
};

// Adds the command of `module` ("dc", "thermo", "rtd", "frq") to `app`.
void AddModuleCommand(CLI::App& app, std::string_view module, int& exitCode, ModuleSink* sink);

// The options of a module command that make up its task, what a configuration holds, in
// the order the command applies them (names without "--").
const std::vector<std::string>& TaskOptions(std::string_view module);

// Runs the module command of the device on its choices, each given as "--name=text", with
// `settings` (e.g. "--lang=de") in front, and hands the model to `sink`. A choice that is no
// task option of the module, or a value the command refuses, throws CLI::ParseError with
// the command's own message.
int RunDevice(const configfile::Device& device, const std::vector<std::string>& settings, ModuleSink& sink);

// `--config FILE`, `--save-config FILE`, `--tag TEXT` and `--settings FILE` of a module command.
struct ConfigOptions {
  std::string load, save, tag;
  std::string settings;                                             // the desktop program's settings file
  nlohmann::ordered_json extra = nlohmann::ordered_json::object();  // the loaded file's unknown fields
};
void AddConfigOptions(CLI::App& command, ConfigOptions& options);
// First thing in a module command's callback: every task option, the note and the tag not
// given on the command line are taken from --config, then what is still open from the
// module's choices stored in --settings, as the desktop program restores them. Bad files and
// values are command-line errors naming the file and the field or value.
void ApplyConfig(CLI::App& command, ConfigOptions& options);
// Last thing: writes --save-config, the task as given (with the note and the tag).
void SaveConfig(const CLI::App& command, const ConfigOptions& options);
// The device a module command's options stand for.
configfile::Device DeviceOfCommand(const CLI::App& command, const std::string& tag);

}  // namespace setrix::cli
