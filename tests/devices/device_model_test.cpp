// A screen model's choices as a configuration and back: every module round-trips through a
// configuration file, and the command line, started from that file, finds the same banks.
// Choices a module does not take are refused with the field and the accepted form, and the
// model stays as it was.
#include <gtest/gtest.h>
#include <unistd.h>
#include <nlohmann/json.hpp>

#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "configfile/device.h"
#include "devices/device_model.h"
#include "devices/module_run.h"
#include "texts/texts.h"

namespace {

namespace fs = std::filesystem;
using namespace setrix;
using configfile::Device;

int IndexOfValue(const ChoiceList& list, double value) {
  for (std::size_t i = 0; i < list.items.size(); ++i)
    if (list.items[i].value == value) return static_cast<int>(i);
  return -1;
}

std::string Cli(const std::string& args) {
  std::string out;
  FILE* p = ::popen((std::string(SETRIX_CLI_PATH) + " " + args + " 2>/dev/null").c_str(), "r");
  char buf[4096];
  for (std::size_t n; (n = std::fread(buf, 1, sizeof buf, p)) > 0;) out.append(buf, n);
  ::pclose(p);
  return out;
}

// One task per module, set up on the screen model by its own events, and the banks the
// screen shows for it (all steps).
struct Case {
  const char* name;
  std::function<Device()> device;                              // the model's choices
  std::function<std::vector<int>()> banks;                     // the model's banks
  std::function<std::vector<int>(const nlohmann::json&)> cli;  // the same from `--json`
  std::function<Device(const Device&)> reapplied;              // applied onto a new model, read back
};

template <class Model>
std::function<Device(const Device&)> Reapply() {
  return [](const Device& d) {
    Model m;
    devices::ApplyDevice(m, d);
    return devices::DeviceOf(m);
  };
}

DcScreen DcTask() {
  DcScreen dc;
  dc.RadioBtnClick(DcUnitButton::RBtnAV);
  dc.RBtnGrenzClick(DcBandwidthButton::RBtn10Hz);
  dc.EditChange(DcEdit::EditEMin, "4");
  dc.EditChange(DcEdit::EditEMax, "20");
  dc.EditChange(DcEdit::EditAMin, "0");
  dc.EditChange(DcEdit::EditAMax, "10");
  dc.BitBtnWeiterClick();
  return dc;
}

ThermoModel ThermoTask() {
  ThermoModel m;
  ThermoUpdate(m);
  ThermoChoose(m, ThermoList::Type, 1);  // J
  ThermoChoose(m, ThermoList::Start, IndexOfValue(m.start, 0));
  ThermoChoose(m, ThermoList::End, 3);
  ThermoChoose(m, ThermoList::Filter, 1);
  ThermoChoose(m, ThermoList::Output, 2);
  ThermoChoose(m, ThermoList::Manual, 0);
  return m;
}

RtdModel RtdTask(int type) {
  RtdModel m;
  RtdUpdate(m);
  RtdChoose(m, RtdList::Type, type);
  RtdChoose(m, RtdList::Start, 2);
  RtdChoose(m, RtdList::End, 4);
  RtdChoose(m, RtdList::Response, 1);
  RtdChoose(m, RtdList::Output, 0);
  RtdChoose(m, RtdList::Manual, 1);
  return m;
}

FrqModel FrqTask() {
  FrqModel m;
  FrqUpdate(m);
  FrqChoose(m, FrqList::Mode, kFrqModeMinToMax);
  FrqEntryChanged(m, FrqEntry::Lower, "12,5");
  FrqEntryChanged(m, FrqEntry::Upper, "2000");
  FrqChoose(m, FrqList::Output, 3);
  return m;
}

std::vector<int> FrqBanksOf(const FrqModel& m) {
  std::vector<int> out;
  for (int step = 1; step <= m.config.stepCount; ++step) {
    const FrqBanks b = FrqStepSwitches(m, step);
    out.insert(out.end(), {b.s1, b.s2});
  }
  return out;
}

std::vector<Case> Cases() {
  const auto pair = [](const nlohmann::json& j) { return std::vector<int>{j["s1"], j["s2"]}; };
  return {
      {"dc", [] { return devices::DeviceOf(DcTask()); },
       [] {
         const DcBanks b = DcTask().Banks();
         return std::vector<int>{b.s1, b.s2, b.s3};
       },
       [](const nlohmann::json& j) {
         return std::vector<int>{j["s1"], j["s2"], j["s3"]};
       },
       Reapply<DcScreen>()},
      {"thermo", [] { return devices::DeviceOf(ThermoTask()); },
       [] {
         return std::vector<int>{ThermoTask().config.s1, ThermoTask().config.s2};
       },
       pair, Reapply<ThermoModel>()},
      // A resistance type: its start and end values are not whole numbers of degrees.
      {"rtd", [] { return devices::DeviceOf(RtdTask(6)); },
       [] {
         return std::vector<int>{RtdTask(6).config.s1, RtdTask(6).config.s2};
       },
       pair, Reapply<RtdModel>()},
      {"frq", [] { return devices::DeviceOf(FrqTask()); }, [] { return FrqBanksOf(FrqTask()); },
       [](const nlohmann::json& j) {
         std::vector<int> out;
         for (const auto& step : j["steps"]) out.insert(out.end(), {step["s1"].get<int>(), step["s2"].get<int>()});
         return out;
       },
       Reapply<FrqModel>()},
  };
}

class DeviceModel : public ::testing::Test {
 protected:
  void SetUp() override { texts::SetCurrentLanguage(1); }
};

TEST_F(DeviceModel, EachModuleRoundTripsAndDrivesTheCommandLineToTheSameBanks) {
  const fs::path dir = fs::temp_directory_path() / ("setrix_device_model_" + std::to_string(::getpid()));
  fs::create_directories(dir);
  for (const Case& c : Cases()) {
    SCOPED_TRACE(c.name);
    Device d = c.device();
    ASSERT_EQ(d.module, c.name);
    const std::vector<int> banks = c.banks();
    ASSERT_FALSE(banks.empty());
    for (int b : banks) EXPECT_GE(b, 0) << "the task has a setting";
    // Back onto a new model: the same choices.
    EXPECT_EQ(c.reapplied(d).choices, d.choices);
    d.tag = "TT-101";
    d.note = "Pump 3";
    const fs::path file = dir / (std::string(c.name) + ".setrix");
    configfile::WriteTextFile(file.string(), configfile::SetrixText(d));
    EXPECT_EQ(configfile::ReadDeviceFile(file.string()), d);
    const nlohmann::json j =
        nlohmann::json::parse(Cli(std::string(c.name) + " --config '" + file.string() + "' --json"));
    EXPECT_EQ(c.cli(j), banks);
  }
  fs::remove_all(dir);
}

TEST_F(DeviceModel, TheWordsAreThoseOfTheCommandLine) {
  EXPECT_EQ(devices::DeviceOf(DcTask()).choices, (configfile::Choices{{"in-min", "4"},
                                                                      {"in-max", "20"},
                                                                      {"in-unit", "mA"},
                                                                      {"out-min", "0"},
                                                                      {"out-max", "10"},
                                                                      {"out-unit", "V"},
                                                                      {"bandwidth", "10Hz"}}));
  EXPECT_EQ(devices::DeviceOf(ThermoTask()).choices.front(), (std::pair<std::string, std::string>{"type", "J"}));
  EXPECT_EQ(*devices::DeviceOf(FrqTask()).Choice("mode"), "fmin-fmax");
  EXPECT_EQ(*devices::DeviceOf(FrqTask()).Choice("lower"), "12,5");  // entries as typed
  // A list with nothing chosen is not written.
  ThermoModel empty;
  ThermoUpdate(empty);
  for (const char* name : {"type", "start", "end", "output"})
    EXPECT_EQ(devices::DeviceOf(empty).Choice(name), nullptr) << name;
}

TEST_F(DeviceModel, ChoicesNotTakenNameTheFieldAndTheAcceptedFormAndLeaveTheModel) {
  struct Bad {
    const char* module;
    configfile::Choices choices;
    const char* field;
    const char* says;
  };
  const std::vector<Bad> bad = {
      {"dc", {{"in-unit", "A"}}, "in-unit", "use one of mA, mV, V"},
      {"dc", {{"colour", "red"}}, "colour", "its choices are in-min, in-max"},
      {"thermo", {{"type", "K"}, {"start", "7"}}, "start", "offered values: 0, -10"},
      {"thermo", {{"start", "0"}}, "start", "no values are offered yet"},
      {"rtd", {{"response", "quick"}}, "response", "use one of slow, fast"},
      {"frq", {{"lower", "1e3"}}, "lower", "it takes the digits 0 to 9"},
      {"frq", {{"mode", "fmin-fmax"}, {"output", "5V"}}, "output", "use one of 0-5V, 0-10V, 0-20mA, 4-20mA"},
  };
  for (const Bad& b : bad) {
    SCOPED_TRACE(std::string(b.module) + " " + b.field);
    Device d;
    d.module = b.module;
    d.choices = b.choices;
    DcScreen dc = DcTask();
    ThermoModel thermo = ThermoTask();
    RtdModel rtd = RtdTask(0);
    FrqModel frq = FrqTask();
    try {
      if (d.module == "dc") devices::ApplyDevice(dc, d);
      if (d.module == "thermo") devices::ApplyDevice(thermo, d);
      if (d.module == "rtd") devices::ApplyDevice(rtd, d);
      if (d.module == "frq") devices::ApplyDevice(frq, d);
      ADD_FAILURE() << "taken";
    } catch (const devices::DeviceError& e) {
      EXPECT_EQ(e.Field(), b.field);
      EXPECT_NE(std::string(e.what()).find(b.says), std::string::npos) << e.what();
    }
    EXPECT_EQ(devices::DeviceOf(dc), devices::DeviceOf(DcTask()));
    EXPECT_EQ(dc.Banks().s1, DcTask().Banks().s1);
    EXPECT_EQ(devices::DeviceOf(thermo), devices::DeviceOf(ThermoTask()));
    EXPECT_EQ(devices::DeviceOf(rtd), devices::DeviceOf(RtdTask(0)));
    EXPECT_EQ(devices::DeviceOf(frq), devices::DeviceOf(FrqTask()));
  }
}

TEST_F(DeviceModel, ADeviceWithoutAChoiceClearsItOnTheScreen) {
  Device d;
  d.module = "dc";
  d.choices = {{"in-min", "0"}, {"in-max", "10"}};
  DcScreen dc = DcTask();
  devices::ApplyDevice(dc, d);
  EXPECT_EQ(dc.Config().outUnit, kDcOutMilliAmpere);
  EXPECT_EQ(dc.Config().bandwidth, kDcBandwidthAbove10kHz);
  EXPECT_EQ(dc.EditText(DcEdit::EditAMax), "");
  EXPECT_EQ(dc.Banks().s1, -1) << "no result shown for the new choices";

  ThermoModel thermo = ThermoTask();
  thermo.config.userText = "kept";
  Device t;
  t.module = "thermo";
  t.choices = {{"type", "K"}};
  devices::ApplyDevice(thermo, t);
  EXPECT_EQ(thermo.output.index, -1);
  EXPECT_EQ(thermo.config.userText, "kept");
  EXPECT_EQ(devices::CheckDevice(t, "en"), "the choices are not complete: --start is missing or not offered");
}

}  // namespace
