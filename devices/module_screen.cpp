#include "devices/module_screen.h"

#include "devices/device_model.h"

#include <initializer_list>
#include <string_view>

namespace setrix::devices {

namespace {

sheets::Document DocumentOf(const DcScreen& dc, const sheets::ContentOptions& o) {
  return sheets::DcDocument(dc, o);
}
sheets::Document DocumentOf(const ThermoModel& m, const sheets::ContentOptions& o) {
  return sheets::ThermoDocument(m, o);
}
sheets::Document DocumentOf(const RtdModel& m, const sheets::ContentOptions& o) {
  return sheets::RtdDocument(m, o);
}
sheets::Document DocumentOf(const FrqModel& m, const sheets::ContentOptions& o) {
  return sheets::FrqDocument(m, o);
}

// A part of a file name: blanks dropped, characters that file systems refuse replaced.
std::string NamePart(const std::string& text) {
  std::string part;
  for (const char c : text) {
    if (c == ' ') continue;
    const bool refused =
        std::string_view("/\\:*?\"<>|").find(c) != std::string_view::npos || static_cast<unsigned char>(c) < 32;
    part += refused ? '_' : c;
  }
  return part;
}

std::string Range(const std::string& from, const std::string& to, std::string_view unit) {
  if (from.empty() && to.empty()) return {};
  return NamePart(from) + "-" + NamePart(to) + std::string(unit);
}

std::string Joined(std::string name, std::initializer_list<std::string> parts) {
  for (const std::string& p : parts)
    if (!p.empty()) name += "_" + p;
  return name + ".Pdf";
}

std::string FileNameOf(const DcScreen& dc) {
  const DcConfig& c = dc.Config();
  static const char* const kIn[3] = {"mA", "mV", "V"};
  const char* in = kIn[c.inUnit >= 0 && c.inUnit <= 2 ? c.inUnit : 0];
  const char* out = c.outUnit == kDcOutVolt ? "V" : "mA";
  return Joined("ZOR-DC", {Range(c.inMinText, c.inMaxText, in), Range(c.outMinText, c.outMaxText, out)});
}
template <class Model>
std::string TemperatureFileName(const Model& m, const char* module) {
  return Joined(module, {NamePart(m.type.ItemText()), Range(m.start.ItemText(), m.end.ItemText(), ""),
                         NamePart(m.output.ItemText())});
}
std::string FileNameOf(const ThermoModel& m) { return TemperatureFileName(m, "ZOR-THERMO"); }
std::string FileNameOf(const RtdModel& m) { return TemperatureFileName(m, "ZOR-RTD"); }
std::string FileNameOf(const FrqModel& f) {
  return Joined("ZOR-FREQUENCY", {NamePart(f.mode.ItemText()), Range(f.config.lowerText, f.config.upperText, "Hz"),
                                  NamePart(f.output.ItemText())});
}

bool Settle(DcScreen&) { return false; }
bool Settle(ThermoModel&) { return false; }
bool Settle(RtdModel&) { return false; }
bool Settle(FrqModel& frq) { return FrqSettleEntries(frq); }

// The parts every module screen has alike; `Model` is the screen model.
template <class Model>
class ScreenOf : public ModuleScreen {
 public:
  ScreenOf(Model& model, ModuleKind kind, std::string_view name, std::string_view title, int tag)
      : model_(model), kind_(kind), name_(name), title_(title), tag_(tag) {}
  ModuleKind Kind() const override { return kind_; }
  std::string_view Name() const override { return name_; }
  std::string_view Title() const override { return title_; }
  int ProductTag() const override { return tag_; }
  void Restore(const settings::StoredValues& values) override { settings::Restore(model_, values); }
  settings::StoredValues Stored() const override { return settings::Stored(model_); }
  configfile::Device Device() const override {
    configfile::Device d = DeviceOf(model_);
    d.note = Note();
    return d;
  }
  void Apply(const configfile::Device& device) override { ApplyDevice(model_, device); }
  std::string ProposedFileName() const override { return FileNameOf(model_); }
  bool SettleEntries() override { return Settle(model_); }
  sheets::Document Document(const sheets::ContentOptions& options) const override {
    return DocumentOf(model_, options);
  }

 protected:
  Model& model_;

 private:
  ModuleKind kind_;
  std::string_view name_, title_;
  int tag_;
};

class DcScreenOf : public ScreenOf<DcScreen> {
 public:
  using ScreenOf::ScreenOf;
  const std::string& Note() const override { return model_.Config().userText; }
  void SetNote(std::string note) override { model_.SetUserText(std::move(note)); }
  bool Documentable() const override { return model_.CalcDone(); }
};

// Thermocouple, RTD and frequency keep the note in their record.
template <class Model>
class ListScreenOf : public ScreenOf<Model> {
 public:
  using ScreenOf<Model>::ScreenOf;
  const std::string& Note() const override { return this->model_.config.userText; }
  void SetNote(std::string note) override { this->model_.config.userText = std::move(note); }
  bool Documentable() const override { return this->model_.documentable; }
};

}  // namespace

ModuleScreens::ModuleScreens(ModuleModels& m)
    : screens_{
          std::make_unique<DcScreenOf>(m.dc, ModuleKind::DC, "dc", "ZOR DC", 0),
          std::make_unique<ListScreenOf<ThermoModel>>(m.thermo, ModuleKind::Thermo, "thermo", "ZOR THERMO", 2),
          std::make_unique<ListScreenOf<RtdModel>>(m.rtd, ModuleKind::RTD, "rtd", "ZOR RTD", 1),
          std::make_unique<ListScreenOf<FrqModel>>(m.frq, ModuleKind::FRQ, "frq", "ZOR FREQUENCY", 3)} {}

ModuleScreens::~ModuleScreens() = default;

ModuleScreen* ModuleScreens::Of(ModuleKind kind) const {
  for (const auto& s : screens_)
    if (s->Kind() == kind) return s.get();
  return nullptr;
}

ModuleScreen* ModuleScreens::Named(std::string_view name) const {
  for (const auto& s : screens_)
    if (s->Name() == name) return s.get();
  return nullptr;
}

ModuleScreen* ModuleScreens::WithProductTag(int tag) const {
  for (const auto& s : screens_)
    if (s->ProductTag() == tag) return s.get();
  return nullptr;
}

}  // namespace setrix::devices
