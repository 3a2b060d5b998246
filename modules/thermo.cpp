#include "modules/thermo.h"

#include <algorithm>
#include <tuple>
#include <utility>
#include <vector>

#include "modules/numbers.h"
#include "modules/temperature_lists.h"
#include "modules/terminal_texts.h"
#include "texts/texts.h"

namespace setrix {

using texts::Tx;

const std::array<ThermoType, 8> kThermoTypes = {{
    {"K", -200, 1372, 7},
    {"J", -200, 1200, 6},
    {"T", -200, 400, 5},
    {"E", -200, 1000, 4},
    {"N", -200, 1300, 3},
    {"R", -50, 1760, 2},
    {"S", -50, 1760, 1},
    {"B", 50, 1820, 0},
}};

const std::array<ThermoStartRow, 15> kThermoStartRows = {{
    {0, 120},
    {-10, 56},
    {-20, 88},
    {-30, 24},
    {-40, 104},
    {-50, 40},
    {-100, 72},
    {-150, 8},
    {-200, 112},
    {50, 48},
    {100, 80},
    {150, 16},
    {200, 96},
    {250, 32},
    {500, 64},
}};

const std::array<ThermoSpanRow, 32> kThermoSpanRows = {{
    {100, 31},  {150, 15},  {200, 23},  {250, 7},  {300, 27},  {350, 11},  {400, 19},  {450, 3},
    {500, 29},  {550, 13},  {600, 21},  {650, 5},  {700, 25},  {750, 9},   {800, 17},  {850, 1},
    {900, 30},  {950, 14},  {1000, 22}, {1050, 6}, {1100, 26}, {1150, 10}, {1200, 18}, {1250, 2},
    {1300, 28}, {1350, 12}, {1400, 20}, {1450, 4}, {1500, 24}, {1600, 8},  {1700, 16}, {1800, 0},
}};

const std::array<OutputRow, 3> kTemperatureOutputs = {{
    {"0 .. 10 V", 32},
    {"0 .. 20 mA", 0},
    {"4 .. 20 mA", 64},
}};

namespace {

constexpr std::string_view kDegree = "°";
constexpr int kEnglish = 1;

using temperature::TwoItems;

// The lists in the order of ThermoList.
constexpr std::array<ChoiceList ThermoModel::*, 6> kLists = {&ThermoModel::type,   &ThermoModel::start,
                                                             &ThermoModel::end,    &ThermoModel::output,
                                                             &ThermoModel::filter, &ThermoModel::manual};

}  // namespace

std::vector<ListItem> TemperatureOutputItems() {
  std::vector<ListItem> items;
  for (const OutputRow& row : kTemperatureOutputs) items.push_back(ListItem{std::string(row.text), 0, row.code});
  return items;
}

std::string ThermoTemperatureText(int celsius, int language) {
  std::string text = std::to_string(celsius) + "°C";
  if (language == kEnglish) text += " / " + CelsiusToFahrenheitText(celsius);
  return text;
}

void ThermoUpdate(ThermoModel& m) {
  const int language = texts::CurrentLanguage();
  const std::string pleaseChoose(Tx(texts::txPleaseChoose, language));

  // 1. Type list: fixed items in the current language, selection kept by index.
  {
    std::vector<ListItem> items;
    for (int i = 0; i < static_cast<int>(kThermoTypes.size()); ++i)
      items.push_back(ListItem{std::string(Tx(texts::txThermoTypeList, i, language)), 0, 0});
    lists::RefillKeepingIndex(m.type, std::move(items), pleaseChoose);
  }
  const int t = m.type.index;

  // 2. Start list: the start rows the type offers; selection kept by value.
  int s0 = -1;
  if (t == -1) {
    lists::MakeSimple(m.start, Tx(texts::txChooseInputFirst, language));
  } else {
    const ThermoType& type = kThermoTypes[static_cast<std::size_t>(t)];
    s0 = m.start.style == ListStyle::List ? m.start.index : -1;
    const int remembered = lists::IntegerInFront(m.start.Text(), kDegree);
    m.start.style = ListStyle::List;
    m.start.items.clear();
    for (const ThermoStartRow& row : kThermoStartRows) {
      if (row.start < type.lowestStart || row.start > type.highestTemperature) continue;
      m.start.items.push_back(ListItem{ThermoTemperatureText(row.start, language), double(row.start), row.code});
    }
    s0 = lists::ReselectByValue(m.start, s0 != -1, remembered, pleaseChoose);
  }

  // 3. End list: start plus each span, capped to the type's highest temperature; a capped
  //    value is offered once, with the code of the first span that reached it.
  int e0 = -1;
  if (t == -1 || s0 == -1) {
    lists::MakeSimple(
        m.end, t == -1 ? Tx(texts::txChooseInputFirst, language) : Tx(texts::txChooseStartValueFirst, language));
  } else {
    const ThermoType& type = kThermoTypes[static_cast<std::size_t>(t)];
    const int start = static_cast<int>(m.start.items[static_cast<std::size_t>(s0)].value);
    e0 = m.end.style == ListStyle::List ? m.end.index : -1;
    const int remembered = lists::IntegerInFront(m.end.Text(), kDegree);
    m.end.style = ListStyle::List;
    m.end.items.clear();
    for (const ThermoSpanRow& row : kThermoSpanRows) {
      const int end = std::min(start + row.span, type.highestTemperature);
      std::string text = ThermoTemperatureText(end, language);
      const bool listed = std::any_of(m.end.items.begin(), m.end.items.end(),
                                      [&](const ListItem& item) { return item.text == text; });
      if (!listed) m.end.items.push_back(ListItem{std::move(text), double(end), row.code});
    }
    e0 = lists::ReselectByValue(m.end, e0 != -1, remembered, pleaseChoose);
  }

  // 4. Output list: the items never change.
  lists::FillFixed(m.output, TemperatureOutputItems(), pleaseChoose);

  // 5. Filter list.
  lists::RefillKeepingIndex(m.filter, TwoItems(texts::txOnLower, language), pleaseChoose);

  // 6. Manual list: "off" by default. The index from before the default counts for
  //    completeness, so a default chosen here counts from the next update on.
  const int m0 = temperature::FillManual(m.manual, language, pleaseChoose);

  // 7. Completeness.
  ThermoConfig& c = m.config;
  c.complete = m.filter.index != -1 && m.output.index != -1 && e0 != -1 && s0 != -1 && t != -1 && m0 != -1;
  temperature::CopyChoices(m, c, m.filter, c.filterIndex, c.filterText);
  c.startValue = m.start.Selected() ? static_cast<int>(m.start.Selected()->value) : 0;
  c.endValue = m.end.Selected() ? static_cast<int>(m.end.Selected()->value) : 0;

  if (c.complete) {
    // 8. The banks and the instruction texts.
    c.settingsCaption = Tx(texts::txSettings, language);
    c.switchesCaption = Tx(texts::txAdjustSwitches, language);
    std::tie(c.s1, c.s2) = temperature::Banks(m, kThermoTypes[static_cast<std::size_t>(t)].code, c.filterIndex);
    c.powerText = Tx(texts::txTerminalsPower10, language);
    c.inputTerminalsText = texts::ReplaceAll(Tx(texts::txThermoTerminals, language), "$T", m.type.Text());
    c.outputTerminalsText = OutputTerminalsText(language, c.outputIndex == 0 ? "8" : "7", m.output.Text(), "9");
    m.helpPanelVisible = true;
    m.documentable = true;
  } else {
    // 9. No setting.
    temperature::ClearSetting(m);
  }
}

bool ThermoChoose(ThermoModel& model, ThermoList list, int index) {
  return temperature::Choose(model, kLists, list, index, ThermoUpdate);
}

void ThermoRestore(ThermoModel& model, const ThermoStoredChoices& stored) {
  temperature::Restore<ThermoModel, ThermoList>(model,
                                                {{{ThermoList::Type, stored.input},
                                                  {ThermoList::Start, stored.min},
                                                  {ThermoList::End, stored.max},
                                                  {ThermoList::Filter, stored.fifth},
                                                  {ThermoList::Output, stored.out},
                                                  {ThermoList::Manual, stored.manual}}},
                                                ThermoChoose, ThermoUpdate);
}

}  // namespace setrix
