#include "app/read_device.h"

#include <cstddef>
#include <utility>

namespace setrix::app {

namespace {

int Bank(const std::vector<int>& banks, std::size_t i) { return i < banks.size() ? banks[i] : 0; }

// A check that only counts with a setting to compare with.
std::optional<CheckResult> IfSetting(CheckResult c) {
  if (!c.hasSetting) return std::nullopt;
  return c;
}

}  // namespace

DeviceReader::DeviceReader(std::vector<int> counts, Decode decode, Check check)
    : counts_(std::move(counts)),
      banks_(counts_.size(), 0),
      decode_(std::move(decode)),
      check_(std::move(check)) {}

DeviceReader DeviceReader::ForDc(const DcScreen& screen) {
  return DeviceReader(
      {DcScreen::kS1Count, DcScreen::kS2Count, DcScreen::kS3Count},
      [](const std::vector<int>& b, int language) {
        return ReadDc({Bank(b, 0), Bank(b, 1), Bank(b, 2)}, language).reading;
      },
      [&screen](const std::vector<int>& b, int language) -> std::optional<CheckResult> {
        // The task counts once the screen shows its result (a calculated setting or a step
        // of the two-step task).
        if (!screen.CalcDone() || screen.Banks().s1 < 0) return std::nullopt;
        return IfSetting(CheckDc(screen.Config(), {Bank(b, 0), Bank(b, 1), Bank(b, 2)}, language));
      });
}

DeviceReader DeviceReader::ForThermo(const ThermoModel& model) {
  return DeviceReader(
      {8, 8},
      [](const std::vector<int>& b, int language) { return ReadThermo(Bank(b, 0), Bank(b, 1), language).reading; },
      [&model](const std::vector<int>& b, int language) -> std::optional<CheckResult> {
        if (!model.config.complete) return std::nullopt;
        return IfSetting(CheckThermo(model.config, Bank(b, 0), Bank(b, 1), language));
      });
}

DeviceReader DeviceReader::ForRtd(const RtdModel& model) {
  return DeviceReader(
      {8, 8},
      [](const std::vector<int>& b, int language) { return ReadRtd(Bank(b, 0), Bank(b, 1), language).reading; },
      [&model](const std::vector<int>& b, int language) -> std::optional<CheckResult> {
        if (!model.config.complete) return std::nullopt;
        return IfSetting(CheckRtd(model.config, Bank(b, 0), Bank(b, 1), language));
      });
}

DeviceReader DeviceReader::ForFrq(const FrqModel& model) {
  return DeviceReader(
      {8, 8},
      [](const std::vector<int>& b, int language) { return ReadFrq(Bank(b, 0), Bank(b, 1), language).reading; },
      [&model](const std::vector<int>& b, int language) -> std::optional<CheckResult> {
        return IfSetting(CheckFrq(model, Bank(b, 0), Bank(b, 1), language));
      });
}

void DeviceReader::Start(const std::vector<int>& shown) {
  for (std::size_t i = 0; i < counts_.size(); ++i) {
    const int v = Bank(shown, i);
    banks_[i] = v < 0 ? 0 : v & ((1 << counts_[i]) - 1);
  }
}

bool DeviceReader::Flip(SwitchRef lever) {
  if (lever.bank < 1 || lever.bank > static_cast<int>(counts_.size())) return false;
  const std::size_t b = static_cast<std::size_t>(lever.bank - 1);
  if (lever.number < 1 || lever.number > counts_[b]) return false;
  banks_[b] ^= 1 << (lever.number - 1);
  return true;
}

bool DeviceReader::IsOn(SwitchRef lever) const {
  if (lever.bank < 1 || lever.bank > static_cast<int>(counts_.size())) return false;
  const std::size_t b = static_cast<std::size_t>(lever.bank - 1);
  if (lever.number < 1 || lever.number > counts_[b]) return false;
  return (banks_[b] >> (lever.number - 1) & 1) != 0;
}

DeviceReading DeviceReader::Read(int language) const {
  DeviceReading r;
  r.banks = banks_;
  r.reading = decode_(banks_, language);
  if (check_) r.check = check_(banks_, language);
  return r;
}

}  // namespace setrix::app
