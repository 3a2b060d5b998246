#include "cli/device_run.h"

#include <algorithm>
#include <iostream>
#include <map>
#include <memory>

#include "cli/commands.h"
#include "devices/device_model.h"
#include "devices/module_screen.h"
#include "devices/settings_file.h"
#include "modules/settings_schema.h"
#include "texts/texts.h"

namespace setrix::cli {

namespace {

std::string Joined(const std::vector<std::string>& names) {
  std::string out;
  for (const auto& n : names) out += (out.empty() ? "" : ", ") + n;
  return out;
}

bool IsTaskOption(std::string_view module, const std::string& name) {
  const auto& names = TaskOptions(module);
  return std::find(names.begin(), names.end(), name) != names.end();
}

// Gives `text` to the option `name` unless the command line gave it (that wins); the
// option's own refusal goes to `refused` with its message.
template <class Refused>
void GiveUnlessGiven(CLI::App& command, const std::string& name, const std::string& text, Refused refused) {
  CLI::Option* option = command.get_option_no_throw(name);
  if (option == nullptr || option->count() != 0) return;
  option->add_result(text);
  try {
    option->run_callback();
  } catch (const CLI::ParseError& e) {
    refused(std::string(e.what()));
  }
}

}  // namespace

const std::vector<std::string>& TaskOptions(std::string_view module) {
  static const std::map<std::string, std::vector<std::string>, std::less<>> options = {
      {"dc", {"in-min", "in-max", "in-unit", "out-min", "out-max", "out-unit", "bandwidth"}},
      {"thermo", {"type", "start", "end", "output", "filter", "manual"}},
      {"rtd", {"type", "start", "end", "output", "response", "manual"}},
      {"frq", {"mode", "lower", "upper", "output"}},
  };
  const auto it = options.find(module);
  if (it == options.end())
    throw CLI::ValidationError("module",
                               "\"" + std::string(module) + "\" is no module; use one of dc, thermo, rtd, frq");
  return it->second;
}

void AddModuleCommand(CLI::App& app, std::string_view module, int& exitCode, ModuleSink* sink) {
  if (module == "dc") return AddDcCommand(app, exitCode, sink);
  if (module == "thermo") return AddThermoCommand(app, exitCode, sink);
  if (module == "rtd") return AddRtdCommand(app, exitCode, sink);
  if (module == "frq") return AddFrqCommand(app, exitCode, sink);
  (void)TaskOptions(module);  // names the modules
}

int RunDevice(const configfile::Device& device, const std::vector<std::string>& settings, ModuleSink& sink) {
  for (const auto& [name, text] : device.choices)
    if (!IsTaskOption(device.module, name))
      throw CLI::ValidationError(
          name, "no option of " + device.module + "; its options are " + Joined(TaskOptions(device.module)));
  CLI::App app{"setrix-cli"};
  int exitCode = 0;
  AddModuleCommand(app, device.module, exitCode, &sink);
  std::vector<std::string> args;
  args.push_back(device.module);
  args.insert(args.end(), settings.begin(), settings.end());
  for (const auto& [name, text] : device.choices) args.push_back("--" + name + "=" + text);
  std::reverse(args.begin(), args.end());  // CLI11 takes the words last first
  app.parse(args);
  return exitCode;
}

void AddConfigOptions(CLI::App& command, ConfigOptions& options) {
  command
      .add_option("--config", options.load,
                  "Start from a one-device configuration file; options given override it")
      ->type_name("FILE");
  command
      .add_option("--save-config", options.save,
                  "Write the task, the note and the tag as a one-device configuration file")
      ->type_name("FILE");
  command
      .add_option("--settings", options.settings,
                  "Start from this module's choices and note stored in the desktop program's settings file; "
                  "options given (and --config) override them")
      ->type_name("FILE");
  command.add_option("--tag", options.tag, "The device's tag (loop or device name) kept in a configuration file")
      ->type_name("TEXT")
      ->check(CLI::Validator(
          [](std::string& tag) {
            const std::string why = configfile::TextError(tag);
            return why.empty() ? std::string() : "the tag " + why;
          },
          ""));
}

namespace {

void ApplyConfigFile(CLI::App& command, ConfigOptions& options) {
  const std::string& file = options.load;
  configfile::DeviceList list;
  try {
    list = configfile::ReadSetrixFile(file);
  } catch (const configfile::FileError& e) {
    throw CLI::ValidationError("--config", e.what());
  }
  if (!list.single)
    throw CLI::ValidationError("--config",
                               file +
                                   " holds a device list; give a one-device file, or document the list with "
                                   "setrix-cli batch " +
                                   file + " --out FOLDER");
  for (const std::string& w : list.warnings) std::cerr << "setrix-cli: warning: " << w << "\n";
  const configfile::ListEntry& entry = list.entries.front();
  const configfile::Device& device = *entry.device;
  const std::string module = command.get_name();
  if (device.module != module)
    throw CLI::ValidationError("--config", file + " holds a " + device.module + " device; use setrix-cli " +
                                               device.module + " --config " + file);
  const auto field = [&](const std::string& name) {
    const auto it = entry.fieldLines.find(name);
    return file + (it != entry.fieldLines.end() ? " line " + std::to_string(it->second) : std::string()) +
           ", field \"device." + name + "\"";
  };
  const auto give = [&](const std::string& optionName, const std::string& text, const std::string& fieldName) {
    GiveUnlessGiven(command, optionName, text, [&](const std::string& why) {
      throw CLI::ValidationError("--config", field(fieldName) + ": " + why);
    });
  };
  for (const auto& [name, text] : device.choices) {
    if (!IsTaskOption(module, name))
      throw CLI::ValidationError("--config", field("choices." + name) + ": no option of " + module +
                                                 "; its options are " + Joined(TaskOptions(module)));
    give("--" + name, text, "choices." + name);
  }
  if (!device.note.empty()) give("--note", device.note, "note");
  if (command.get_option("--tag")->count() == 0) options.tag = device.tag;
  options.extra = device.extra;
}

// "Thermo/Min", as the file names it.
std::string ValueName(const settings::Key& key, std::string_view name) {
  const std::string_view path = key.path;
  return std::string(path.substr(path.rfind('\\') + 1)) + "/" + std::string(name);
}

std::string AcceptedForm(const settings::Value& v) {
  return std::string(v.type == settings::ValueType::Integer ? "an integer: " : "a text: ") +
         std::string(v.meaning);
}

void ApplySettingsFile(CLI::App& command, const std::string& file) {
  const std::string module = command.get_name();
  const settings::Key& key = *settings::KeyOf(module);
  std::unique_ptr<devices::SettingsFileStore> store;
  try {
    store = std::make_unique<devices::SettingsFileStore>(file);
  } catch (const devices::SettingsFileError& e) {
    throw CLI::ValidationError("--settings", e.what());
  }
  ModuleModels models;
  const int language = texts::CurrentLanguage();
  const settings::Loaded loaded = settings::Load(*store, models);
  texts::SetCurrentLanguage(language);
  // A value of the module's key that the program would skip is an error here.
  const std::string_view keyName = key.path.substr(key.path.rfind('\\') + 1);
  for (const devices::SettingsFileStore::Unusable& u : store->Unusables()) {
    const settings::Key* of = u.key == keyName ? &key : u.key == "DC" ? settings::KeyOf("dc") : nullptr;
    const settings::Value* v = of ? of->Find(u.name) : nullptr;
    // The module's choices and note, and the DC output unit that decides whether the other
    // modules are restored; the window's values do not matter here.
    const bool matters = v && (of == &key ? !v->choice.empty() || v->name == "UserText" : v->name == "OutValue");
    if (!matters) continue;
    throw CLI::ValidationError("--settings", file +
                                                 (u.line > 0 ? " line " + std::to_string(u.line) : std::string()) +
                                                 ", value " + ValueName(*of, u.name) + " = \"" + u.text +
                                                 "\": cannot be used; it takes " + AcceptedForm(*v));
  }
  if (module != "dc" && !loaded.modulesRestored) {
    std::cerr << "setrix-cli: warning: " << file << " holds no DC/OutValue; the desktop program then restores no "
              << module << " choices, so none are taken\n";
    return;
  }
  const devices::ModuleScreens screens(models);
  // The choices and the note as the desktop program's screen shows them after loading.
  const configfile::Device device = screens.Named(module)->Device();
  const auto fail = [&](std::string_view choice, const std::string& why) {
    std::string name = "UserText";
    for (const settings::Value& v : key.values)
      if (!choice.empty() && v.choice == choice) name = std::string(v.name);
    throw CLI::ValidationError("--settings", file + ", value " + ValueName(key, name) + ": " + why);
  };
  // What the screen took but the command would refuse (an entry text that cannot be typed).
  try {
    ModuleModels check;
    devices::ModuleScreens(check).Named(module)->Apply(device);
  } catch (const devices::DeviceError& e) {
    fail(e.Field(), e.what());
  }
  const auto give = [&](const std::string& optionName, const std::string& text, std::string_view choice) {
    GiveUnlessGiven(command, optionName, text, [&](const std::string& why) { fail(choice, why); });
  };
  for (const auto& [name, text] : device.choices) give("--" + name, text, name);
  if (!device.note.empty()) give("--note", device.note, "");
}

}  // namespace

void ApplyConfig(CLI::App& command, ConfigOptions& options) {
  if (!options.load.empty()) ApplyConfigFile(command, options);
  if (!options.settings.empty()) ApplySettingsFile(command, options.settings);
}

configfile::Device DeviceOfCommand(const CLI::App& command, const std::string& tag) {
  configfile::Device d;
  d.module = command.get_name();
  d.tag = tag;
  if (const CLI::Option* note = command.get_option_no_throw("--note"); note && note->count() > 0)
    d.note = note->results().back();
  for (const std::string& name : TaskOptions(d.module)) {
    const CLI::Option* option = command.get_option_no_throw("--" + name);
    if (option && option->count() > 0 && !option->results().back().empty())
      d.choices.emplace_back(name, option->results().back());
  }
  return d;
}

void SaveConfig(const CLI::App& command, const ConfigOptions& options) {
  if (options.save.empty()) return;
  configfile::Device d = DeviceOfCommand(command, options.tag);
  d.extra = options.extra;
  try {
    configfile::WriteTextFile(options.save, configfile::SetrixText(d));
  } catch (const configfile::FileError& e) {
    throw std::runtime_error(std::string("--save-config: ") + e.what());
  }
}

}  // namespace setrix::cli
