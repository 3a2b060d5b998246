#pragma once
// One interface per module screen: what the programs do with a module screen without knowing
// which one it is. Restore and store its settings, take and give its configuration value,
// hold its note, say whether it can be documented. The desktop window and the command line
// keep a table of the four instead of a switch over the module kind.
#include <array>
#include <memory>
#include <string>
#include <string_view>

#include "configfile/device.h"
#include "modules/module_models.h"
#include "modules/settings_schema.h"
#include "sheets/content.h"

namespace setrix::devices {

class ModuleScreen {
 public:
  virtual ~ModuleScreen() = default;

  virtual ModuleKind Kind() const = 0;
  // The module's name in commands and configuration files: "dc", "thermo", "rtd", "frq".
  virtual std::string_view Name() const = 0;
  // "ZOR DC", "ZOR THERMO", "ZOR RTD", "ZOR FREQUENCY".
  virtual std::string_view Title() const = 0;
  // Its place in the Product menu: 0 DC, 1 RTD, 2 thermocouple, 3 frequency.
  virtual int ProductTag() const = 0;

  // The stored settings of the module (its key of the settings schema).
  const settings::Key& SettingsKey() const { return *settings::KeyOf(Name()); }
  virtual void Restore(const settings::StoredValues& values) = 0;
  virtual settings::StoredValues Stored() const = 0;

  // The configuration value: the choices the screen shows, with the note (the tag is the
  // caller's); and a device put onto the screen (DeviceError for a choice it cannot take;
  // the note is not changed).
  virtual configfile::Device Device() const = 0;
  virtual void Apply(const configfile::Device& device) = 0;

  virtual const std::string& Note() const = 0;
  virtual void SetNote(std::string note) = 0;
  // Save and Print are enabled: the screen shows a result.
  virtual bool Documentable() const = 0;

  // The name proposed for the screen's PDF file: the module and its task, "ZOR-DC_4-20mA_0-10V.Pdf"
  // (blanks dropped, characters that file systems refuse as "_").
  virtual std::string ProposedFileName() const = 0;
  // Before a document is made: the frequency converter's entries become the values its
  // switches really set. True when the screen changed (the window shows it again).
  virtual bool SettleEntries() { return false; }
  // What the screen's document says (sheets/content.h), in the options' language, with
  // their note and date; printed and saved alike.
  virtual sheets::Document Document(const sheets::ContentOptions& options) const = 0;
};

// The four screens of one set of models, in the order of the module kinds (DC, thermocouple,
// RTD, frequency).
class ModuleScreens {
 public:
  explicit ModuleScreens(ModuleModels& models);
  ~ModuleScreens();
  ModuleScreens(const ModuleScreens&) = delete;
  ModuleScreens& operator=(const ModuleScreens&) = delete;

  // nullptr for ModuleKind::None.
  ModuleScreen* Of(ModuleKind kind) const;
  // nullptr for a name that is no module.
  ModuleScreen* Named(std::string_view name) const;
  ModuleScreen* WithProductTag(int tag) const;
  const std::array<std::unique_ptr<ModuleScreen>, 4>& All() const { return screens_; }

 private:
  std::array<std::unique_ptr<ModuleScreen>, 4> screens_;
};

}  // namespace setrix::devices
