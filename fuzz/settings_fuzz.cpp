// The stored settings restored into the four module models, from any settings text.
//
// Input: INI text as the settings file holds it: "[DC]", "[Thermo]", "[RTD]", "[Frequency]"
// (or the full group "Software/Zantrel/Setrix/DC", ...) and "Name=value" lines; any other
// line is ignored. Values are texts; an integer is read from a text the way the settings
// file reads it (trimmed, decimal, within 32 bits). The restore order is the program's:
// language, the DC entries and units, then, when "OutValue" exists, the other three modules.
//
// Checked: the models stay in range, and what is stored from them restores to the same
// screens once the pages are entered (settings survive a restart unchanged).
#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <map>
#include <string>

#include "fuzz/fuzz_check.h"
#include "modules/dc_screen.h"
#include "modules/frq.h"
#include "modules/numbers.h"
#include "modules/rtd.h"
#include "modules/settings_store.h"
#include "modules/thermo.h"
#include "texts/texts.h"

namespace {

using namespace setrix;

// A store with the settings file's reading rules: every value is a text, and an integer is
// a text that reads fully as one.
class TextStore : public SettingsStore {
 public:
  bool OpenKey(std::string_view path) override {
    current_ = &keys_[std::string(path)];
    return true;
  }
  void CloseKey() override { current_ = nullptr; }
  bool HasValue(std::string_view name) const override { return Find(name) != nullptr; }
  std::optional<std::int32_t> ReadInteger(std::string_view name) const override {
    const std::string* v = Find(name);
    if (v == nullptr) return std::nullopt;
    std::size_t a = 0, b = v->size();
    while (a < b && (*v)[a] == ' ') ++a;
    while (b > a && (*v)[b - 1] == ' ') --b;
    const std::string t = v->substr(a, b - a);
    if (t.empty()) return std::nullopt;
    char* end = nullptr;
    errno = 0;
    const long long n = std::strtoll(t.c_str(), &end, 10);
    if (errno != 0 || end != t.c_str() + t.size() || n < INT32_MIN || n > INT32_MAX) return std::nullopt;
    return static_cast<std::int32_t>(n);
  }
  std::optional<std::string> ReadString(std::string_view name) const override {
    const std::string* v = Find(name);
    return v ? std::optional<std::string>(*v) : std::nullopt;
  }
  void WriteInteger(std::string_view name, std::int32_t value) override {
    if (current_) (*current_)[std::string(name)] = std::to_string(value);
  }
  void WriteString(std::string_view name, std::string_view value) override {
    if (current_) (*current_)[std::string(name)] = std::string(value);
  }

 private:
  const std::string* Find(std::string_view name) const {
    if (current_ == nullptr) return nullptr;
    const auto it = current_->find(std::string(name));
    return it == current_->end() ? nullptr : &it->second;
  }
  std::map<std::string, std::map<std::string, std::string>> keys_;
  std::map<std::string, std::string>* current_ = nullptr;
};

// The four screens as the program restores them.
struct Screens {
  int language = 0;
  DcScreen dc;
  ThermoModel thermo;
  RtdModel rtd;
  FrqModel frq;
};

void Restore(SettingsStore& s, Screens& screens) {
  s.OpenKey(kKeyDC);
  const std::optional<int> language = s.ReadInteger("Language");
  screens.language = language && *language >= 0 && *language <= 3 ? *language : 0;
  texts::SetCurrentLanguage(screens.language);

  DcScreen& dc = screens.dc;
  if (const auto v = s.ReadInteger("Bandwidth"))
    dc.RBtnGrenzClick(*v == 0 ? DcBandwidthButton::RBtn10Hz : DcBandwidthButton::RBtn10kHz);
  static constexpr DcEdit kEdits[] = {DcEdit::EditEMin, DcEdit::EditEMax, DcEdit::EditAMin, DcEdit::EditAMax};
  static constexpr const char* kNames[] = {"InMin", "InMax", "OutMin", "OutMax"};
  for (int i = 0; i < 4; ++i)
    if (const auto text = s.ReadString(kNames[i])) dc.EditChange(kEdits[i], *text);
  if (const auto v = s.ReadInteger("InValue"))
    dc.RadioBtnClick(*v == 1 ? DcUnitButton::RBtnEmV : *v == 2 ? DcUnitButton::RBtnEV : DcUnitButton::RBtnEmA);
  if (const auto v = s.ReadInteger("OutValue"))
    dc.RadioBtnClick(*v == 1 ? DcUnitButton::RBtnAV : DcUnitButton::RBtnAmA);
  const bool others = s.HasValue("OutValue");

  ThermoStoredChoices thermo;
  RtdStoredChoices rtd;
  FrqStoredChoices frq;
  if (others) {
    s.OpenKey(kKeyThermo);
    thermo = {s.ReadInteger("Input"),  s.ReadInteger("Min"), s.ReadInteger("Max"),
              s.ReadInteger("Filter"), s.ReadInteger("Out"), s.ReadInteger("Manual")};
    s.OpenKey(kKeyRTD);
    rtd = {s.ReadInteger("Input"),    s.ReadInteger("Min"), s.ReadInteger("Max"),
           s.ReadInteger("Response"), s.ReadInteger("Out"), s.ReadInteger("Manual")};
    s.OpenKey(kKeyFrequency);
    frq = {s.ReadInteger("Mode"), s.ReadString("Min"), s.ReadString("Max"), s.ReadInteger("Out")};
  }
  ThermoRestore(screens.thermo, thermo);
  RtdRestore(screens.rtd, rtd);
  FrqRestore(screens.frq, frq);
  s.CloseKey();
}

// Each page runs its update when it is entered: what the user then sees. (A restore can end
// one update short of that, for example after a "Manual" index that names no item, which
// leaves the list's default counted as not chosen until the next update.)
void Enter(Screens& screens) {
  screens.dc.TS_DCEnter();
  ThermoUpdate(screens.thermo);
  RtdUpdate(screens.rtd);
  FrqUpdate(screens.frq);
}

void Store(SettingsStore& s, const Screens& screens) {
  s.OpenKey(kKeyDC);
  s.WriteInteger("Language", screens.language);
  const DcConfig& c = screens.dc.Config();
  s.WriteInteger("Bandwidth", c.bandwidth == 0 ? 0 : 1);
  s.WriteString("InMin", screens.dc.EditText(DcEdit::EditEMin));
  s.WriteString("InMax", screens.dc.EditText(DcEdit::EditEMax));
  s.WriteString("OutMin", screens.dc.EditText(DcEdit::EditAMin));
  s.WriteString("OutMax", screens.dc.EditText(DcEdit::EditAMax));
  s.WriteInteger("InValue", c.inUnit);
  s.WriteInteger("OutValue", c.outUnit);
  s.OpenKey(kKeyThermo);
  const ThermoModel& t = screens.thermo;
  for (auto [name, index] : {std::pair{"Input", t.type.index},
                             {"Min", t.start.index},
                             {"Max", t.end.index},
                             {"Filter", t.filter.index},
                             {"Out", t.output.index},
                             {"Manual", t.manual.index}})
    s.WriteInteger(name, index);
  s.OpenKey(kKeyRTD);
  const RtdModel& r = screens.rtd;
  for (auto [name, index] : {std::pair{"Input", r.type.index},
                             {"Min", r.start.index},
                             {"Max", r.end.index},
                             {"Response", r.response.index},
                             {"Out", r.output.index},
                             {"Manual", r.manual.index}})
    s.WriteInteger(name, index);
  s.OpenKey(kKeyFrequency);
  s.WriteInteger("Mode", screens.frq.mode.index);
  s.WriteString("Min", screens.frq.config.lowerText);
  s.WriteString("Max", screens.frq.config.upperText);
  s.WriteInteger("Out", screens.frq.output.index);
  s.CloseKey();
}

void CheckBank(int value, int switches, const char* what) {
  FUZZ_CHECK(value == -1 || (value >= 0 && value < (1 << switches)), "%s = %d", what, value);
}

void CheckRanges(const Screens& s) {
  const DcBanks dc = s.dc.Banks();
  CheckBank(dc.s1, 10, "DC S1");
  CheckBank(dc.s2, 5, "DC S2");
  CheckBank(dc.s3, 3, "DC S3");
  CheckBank(s.thermo.config.s1, 8, "Thermo S1");
  CheckBank(s.thermo.config.s2, 8, "Thermo S2");
  CheckBank(s.rtd.config.s1, 8, "RTD S1");
  CheckBank(s.rtd.config.s2, 8, "RTD S2");
  CheckBank(s.frq.config.s1, 8, "FRQ S1");
  CheckBank(s.frq.config.s2, 8, "FRQ S2");
  for (const ChoiceList* list : {&s.thermo.type, &s.thermo.start, &s.thermo.end, &s.thermo.output,
                                 &s.thermo.filter, &s.thermo.manual, &s.rtd.type, &s.rtd.start, &s.rtd.end,
                                 &s.rtd.output, &s.rtd.response, &s.rtd.manual, &s.frq.mode, &s.frq.output})
    FUZZ_CHECK(list->index >= -1 && list->index < static_cast<int>(list->items.size()), "list index %d of %zu",
               list->index, list->items.size());
  FUZZ_CHECK(!s.thermo.config.complete || (s.thermo.config.s1 >= 0 && s.thermo.config.s2 >= 0),
             "a complete thermocouple task without banks");
}

void CheckSameScreens(const Screens& a, const Screens& b) {
  FUZZ_CHECK(a.language == b.language, "language %d became %d", a.language, b.language);
  for (DcEdit e : {DcEdit::EditEMin, DcEdit::EditEMax, DcEdit::EditAMin, DcEdit::EditAMax})
    FUZZ_CHECK(a.dc.EditText(e) == b.dc.EditText(e), "DC entry \"%s\" became \"%s\"", a.dc.EditText(e).c_str(),
               b.dc.EditText(e).c_str());
  FUZZ_CHECK(a.dc.Config().inUnit == b.dc.Config().inUnit && a.dc.Config().outUnit == b.dc.Config().outUnit &&
                 a.dc.Config().bandwidth == b.dc.Config().bandwidth,
             "DC units or bandwidth changed");
  FUZZ_CHECK(a.dc.TwoStep() == b.dc.TwoStep(), "DC two-step case changed");
  const auto sameList = [](const ChoiceList& x, const ChoiceList& y) {
    return x.index == y.index && x.Texts() == y.Texts();
  };
  FUZZ_CHECK(sameList(a.thermo.type, b.thermo.type) && sameList(a.thermo.start, b.thermo.start) &&
                 sameList(a.thermo.end, b.thermo.end) && sameList(a.thermo.output, b.thermo.output) &&
                 sameList(a.thermo.filter, b.thermo.filter) && sameList(a.thermo.manual, b.thermo.manual),
             "thermocouple lists changed");
  FUZZ_CHECK(a.thermo.config.s1 == b.thermo.config.s1 && a.thermo.config.s2 == b.thermo.config.s2,
             "thermocouple banks %d/%d became %d/%d", a.thermo.config.s1, a.thermo.config.s2, b.thermo.config.s1,
             b.thermo.config.s2);
  FUZZ_CHECK(sameList(a.rtd.type, b.rtd.type) && sameList(a.rtd.start, b.rtd.start) &&
                 sameList(a.rtd.end, b.rtd.end) && sameList(a.rtd.output, b.rtd.output) &&
                 sameList(a.rtd.response, b.rtd.response) && sameList(a.rtd.manual, b.rtd.manual),
             "RTD lists changed");
  FUZZ_CHECK(a.rtd.config.s1 == b.rtd.config.s1 && a.rtd.config.s2 == b.rtd.config.s2, "RTD banks changed");
  FUZZ_CHECK(sameList(a.frq.mode, b.frq.mode) && sameList(a.frq.output, b.frq.output), "frequency lists changed");
  FUZZ_CHECK(a.frq.config.lowerText == b.frq.config.lowerText && a.frq.config.upperText == b.frq.config.upperText,
             "frequency entries \"%s\"/\"%s\" became \"%s\"/\"%s\"", a.frq.config.lowerText.c_str(),
             a.frq.config.upperText.c_str(), b.frq.config.lowerText.c_str(), b.frq.config.upperText.c_str());
  FUZZ_CHECK(a.frq.config.s1 == b.frq.config.s1 && a.frq.config.s2 == b.frq.config.s2 &&
                 a.frq.documentable == b.frq.documentable,
             "frequency banks changed");
}

std::string GroupPath(std::string_view group) {
  for (std::string_view key : {kKeyDC, kKeyThermo, kKeyRTD, kKeyFrequency}) {
    const std::string_view last = key.substr(key.rfind('\\') + 1);
    std::string slashed(key.substr(1));
    for (char& c : slashed)
      if (c == '\\') c = '/';
    if (group == last || group == slashed) return std::string(key);
  }
  return "\\" + std::string(group);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  TextStore file;
  file.OpenKey("\\");
  for (std::string_view line : fuzz::Lines(std::string_view(reinterpret_cast<const char*>(data), size))) {
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (line.size() >= 2 && line.front() == '[' && line.back() == ']') {
      file.OpenKey(GroupPath(line.substr(1, line.size() - 2)));
      continue;
    }
    const auto eq = line.find('=');
    if (eq == std::string_view::npos) continue;
    file.WriteString(line.substr(0, eq), line.substr(eq + 1));
  }
  file.CloseKey();

  SetDecimalSeparator('.');
  Screens first;
  Restore(file, first);
  CheckRanges(first);

  TextStore stored;
  Store(stored, first);
  Screens second;
  Restore(stored, second);
  CheckRanges(second);
  Enter(first);
  Enter(second);
  CheckRanges(first);
  CheckSameScreens(first, second);
  return 0;
}
