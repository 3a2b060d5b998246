#include "modules/rtd.h"

#include <algorithm>
#include <cmath>
#include <tuple>
#include <utility>
#include <vector>

#include "modules/numbers.h"
#include "modules/temperature_lists.h"
#include "modules/terminal_texts.h"
#include "texts/texts.h"

namespace setrix {

using texts::Tx;

const std::array<RtdType, 8> kRtdTypes = {{
    {"pt100-2wire", RtdUnit::Celsius, "°C", 14, "Image2W", 7},
    {"pt100-3wire", RtdUnit::Celsius, "°C", 14, "Image3W", 6},
    {"pt100-4wire", RtdUnit::Celsius, "°C", 14, "Image4W", 5},
    {"resistor", RtdUnit::Ohm, " Ohm", 14, "Image2WRes", 4},
    {"ni100-2wire", RtdUnit::Celsius, "°C", 14, "Image2W", 3},
    {"ni100-3wire", RtdUnit::Celsius, "°C", 14, "Image3W", 2},
    {"ni100-4wire", RtdUnit::Celsius, "°C", 14, "Image4W", 1},
    {"potentiometer", RtdUnit::Percent, "%", 10, "Image3WPoti", 0},
}};

const std::array<RtdStartRow, 14> kRtdStartRows = {{
    {0, 120},
    {-10, 56},
    {-20, 88},
    {-25, 24},
    {-30, 104},
    {-40, 40},
    {-50, 72},
    {-60, 8},
    {-70, 112},
    {-80, 48},
    {-90, 80},
    {-100, 16},
    {-150, 96},
    {-200, 32},
}};

const std::array<RtdSpanRow, 32> kRtdSpanRows = {{
    {40, 20, 31},   {50, 25, 15},   {60, 30, 23},   {70, 35, 7},     {80, 40, 27},   {90, 45, 11},
    {100, 50, 19},  {110, 55, 3},   {120, 60, 29},  {125, 62.5, 13}, {130, 65, 21},  {140, 70, 5},
    {150, 75, 25},  {160, 80, 9},   {170, 85, 17},  {180, 90, 1},    {190, 95, 30},  {200, 100, 14},
    {250, 125, 22}, {300, 150, 6},  {350, 175, 26}, {400, 200, 10},  {450, 225, 18}, {500, 250, 2},
    {550, 275, 28}, {600, 300, 12}, {650, 325, 20}, {700, 350, 4},   {750, 375, 24}, {800, 400, 8},
    {850, 425, 16}, {900, 450, 0},
}};

namespace {

constexpr int kEnglish = 1;

std::string_view Terminals(int typeIndex, int language) {
  const texts::PerLanguage* entry = &texts::txRtdTerminals2Wire;
  switch (typeIndex) {
    case 0:
    case 4: entry = &texts::txRtdTerminals2Wire; break;
    case 1:
    case 5: entry = &texts::txRtdTerminals3Wire; break;
    case 2:
    case 6: entry = &texts::txRtdTerminals4Wire; break;
    case 3: entry = &texts::txResistorTerminals; break;
    case 7: entry = &texts::txPotentiometerTerminals; break;
    default: break;
  }
  return Tx(*entry, language);
}

using temperature::TwoItems;

// The lists in the order of RtdList.
constexpr std::array<ChoiceList RtdModel::*, 6> kLists = {
    &RtdModel::type, &RtdModel::start, &RtdModel::end, &RtdModel::output, &RtdModel::response, &RtdModel::manual};

}  // namespace

std::string RtdValueText(double value, int typeIndex, int language) {
  std::string text;
  if (value == std::trunc(value)) {
    text = std::to_string(static_cast<long long>(value));
  } else {
    text = FormatNumber("%.1f", value);
  }
  if (typeIndex < 0 || typeIndex >= static_cast<int>(kRtdTypes.size())) return text;
  const RtdType& type = kRtdTypes[static_cast<std::size_t>(typeIndex)];
  text += type.unitText;
  if (type.unit == RtdUnit::Celsius && language == kEnglish) text += " / " + CelsiusToFahrenheitText(value);
  return text;
}

void RtdUpdate(RtdModel& m) {
  const int language = texts::CurrentLanguage();
  const std::string pleaseChoose(Tx(texts::txPleaseChoose, language));

  // 1. Type list, selection kept by index.
  {
    std::vector<ListItem> items;
    for (int i = 0; i < static_cast<int>(kRtdTypes.size()); ++i)
      items.push_back(ListItem{std::string(Tx(texts::txRtdTypeList, i, language)), 0, 0});
    lists::RefillKeepingIndex(m.type, std::move(items), pleaseChoose);
  }
  const int t = m.type.index;
  const RtdType* type = t == -1 ? nullptr : &kRtdTypes[static_cast<std::size_t>(t)];

  // 2. Start list: the rows the type uses; the resistor and the potentiometer reverse the
  //    sign. Selection kept by the integer in front of the unit text.
  int s0 = -1;
  if (type == nullptr) {
    lists::MakeSimple(m.start, Tx(texts::txChooseInputFirst, language));
  } else {
    s0 = m.start.style == ListStyle::List ? m.start.index : -1;
    const int remembered = lists::IntegerInFront(m.start.Text(), type->unitText);
    m.start.style = ListStyle::List;
    m.start.items.clear();
    const bool reversed = type->unit != RtdUnit::Celsius;
    for (int r = 0; r < type->startRows; ++r) {
      const RtdStartRow& row = kRtdStartRows[static_cast<std::size_t>(r)];
      const double value = reversed ? -row.temperature : row.temperature;
      m.start.items.push_back(ListItem{RtdValueText(value, t, language), value, row.code});
    }
    s0 = lists::ReselectByValue(m.start, s0 != -1, remembered, pleaseChoose);
  }

  // 3. End list: start plus each span, every one offered; the potentiometer stops at the
  //    first end above 100 %. Selection kept by the real number in front of the unit text.
  int e0 = -1;
  if (type == nullptr || s0 == -1) {
    lists::MakeSimple(m.end, type == nullptr ? Tx(texts::txChooseInputFirst, language)
                                             : Tx(texts::txChooseStartValueFirst, language));
  } else {
    const double start = m.start.items[static_cast<std::size_t>(s0)].value;
    e0 = m.end.style == ListStyle::List ? m.end.index : -1;
    const double remembered = lists::RealInFront(m.end.Text(), type->unitText);
    m.end.style = ListStyle::List;
    m.end.items.clear();
    for (const RtdSpanRow& row : kRtdSpanRows) {
      const double end =
          start + (type->unit == RtdUnit::Celsius ? double(row.temperatureSpan) : row.resistanceSpan);
      if (type->unit == RtdUnit::Percent && end > 100) break;
      m.end.items.push_back(ListItem{RtdValueText(end, t, language), end, row.code});
    }
    e0 = lists::ReselectByValue(m.end, e0 != -1, remembered, pleaseChoose);
  }

  // 4. Output list: the items never change.
  lists::FillFixed(m.output, TemperatureOutputItems(), pleaseChoose);

  // 5. Response list, with the locale decimal separator in "2.2s" and "1.2s".
  {
    std::vector<ListItem> items = TwoItems(texts::txResponseList, language);
    const char separator = DecimalSeparator();
    for (ListItem& item : items) std::replace(item.text.begin(), item.text.end(), '.', separator);
    lists::RefillKeepingIndex(m.response, std::move(items), pleaseChoose);
  }

  // 6. Manual list: "off" by default; the index from before the default counts for
  //    completeness.
  const int m0 = temperature::FillManual(m.manual, language, pleaseChoose);

  // 7. Completeness.
  RtdConfig& c = m.config;
  c.complete = m.response.index != -1 && m.output.index != -1 && e0 != -1 && s0 != -1 && t != -1 && m0 != -1;
  temperature::CopyChoices(m, c, m.response, c.responseIndex, c.responseText);
  c.startValue = m.start.Selected() ? m.start.Selected()->value : 0;
  c.endValue = m.end.Selected() ? m.end.Selected()->value : 0;
  c.unitText = type ? std::string(type->unitText) : std::string();

  if (c.complete) {
    // 8. The banks, the instruction texts and the wiring picture.
    c.settingsCaption = Tx(texts::txSettings, language);
    c.switchesCaption = Tx(texts::txAdjustSwitches, language);
    std::tie(c.s1, c.s2) = temperature::Banks(m, type->code, c.responseIndex);
    c.inputTerminalsText = Terminals(t, language);
    c.wiringPicture = type->wiringPicture;
    c.outputTerminalsText = OutputTerminalsText(language, c.outputIndex == 0 ? "8" : "7", m.output.Text(), "9");
    c.powerText = Tx(texts::txTerminalsPower10, language);
    m.helpPanelVisible = true;
    m.documentable = true;
  } else {
    // 9. No setting, no wiring picture.
    temperature::ClearSetting(m);
    c.wiringPicture.clear();
  }
}

bool RtdChoose(RtdModel& model, RtdList list, int index) {
  return temperature::Choose(model, kLists, list, index, RtdUpdate);
}

void RtdRestore(RtdModel& model, const RtdStoredChoices& stored) {
  temperature::Restore<RtdModel, RtdList>(model,
                                          {{{RtdList::Type, stored.input},
                                            {RtdList::Start, stored.min},
                                            {RtdList::End, stored.max},
                                            {RtdList::Response, stored.fifth},
                                            {RtdList::Output, stored.out},
                                            {RtdList::Manual, stored.manual}}},
                                          RtdChoose, RtdUpdate);
}

}  // namespace setrix
