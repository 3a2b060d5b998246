#pragma once
// What the thermocouple and RTD screen models share: six lists (type, start, end, output, a
// fifth list that is the filter or the response time, manual fine adjustment), two banks of
// eight switches, and one record. Used by thermo.cpp and rtd.cpp only.
#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "modules/choice_list.h"
#include "texts/texts.h"

namespace setrix::temperature {

// A two-item list in `language` ("on"/"off", "off"/"on", the response times).
inline std::vector<ListItem> TwoItems(const texts::Items<2>& entry, int language) {
  return {ListItem{std::string(texts::Tx(entry, 0, language)), 0, 0},
          ListItem{std::string(texts::Tx(entry, 1, language)), 0, 0}};
}

// The change handler of a list: chooses item `index` of the list `list` names (in `lists`,
// the members in the order of the list enum) and runs the update. Returns whether the index
// named an item.
template <class Model, class List>
bool Choose(Model& m, const std::array<ChoiceList Model::*, 6>& lists, List list, int index,
            void (*update)(Model&)) {
  const auto i = static_cast<std::size_t>(list);
  const bool accepted = i < lists.size() && (m.*lists[i]).Select(index);
  update(m);
  return accepted;
}

// Restores stored choices: update, then each stored one in `order` through `choose`.
template <class Model, class List>
void Restore(Model& m, const std::array<std::pair<List, std::optional<int>>, 6>& order,
             bool (*choose)(Model&, List, int), void (*update)(Model&)) {
  update(m);
  for (const auto& [list, value] : order)
    if (value) choose(m, list, *value);
}

// The manual list: "off" by default. Returns the index from before the default, which is
// what counts for completeness (a default chosen here counts from the next update on).
inline int FillManual(ChoiceList& manual, int language, std::string_view pleaseChoose) {
  const int before = manual.index;
  lists::RefillKeepingIndex(manual, TwoItems(texts::txOffLower, language), pleaseChoose);
  if (manual.index == -1) {
    manual.Select(0);
    manual.prompt.clear();
  }
  return before;
}

// Copies the chosen indexes and texts into the record; `fifth` is the filter or response
// list, with its index and text fields of the record.
template <class Model, class Config>
void CopyChoices(const Model& m, Config& c, const ChoiceList& fifth, int& fifthIndex, std::string& fifthText) {
  c.typeIndex = m.type.index;
  c.startIndex = m.start.index;
  c.endIndex = m.end.index;
  c.outputIndex = m.output.index;
  fifthIndex = fifth.index;
  c.manualIndex = m.manual.index;
  c.typeText = m.type.ItemText();
  c.startText = m.start.ItemText();
  c.endText = m.end.ItemText();
  c.outputText = m.output.ItemText();
  fifthText = fifth.ItemText();
  c.manualText = m.manual.ItemText();
}

// The banks of a complete setting: S1 the start code, the type code and manual (switch 8);
// S2 the end code, the output code and switch 8 ON for the fifth list's first item.
template <class Model>
std::pair<int, int> Banks(const Model& m, int typeCode, int fifthIndex) {
  return {m.start.Selected()->code | typeCode | (m.config.manualIndex * 128),
          m.end.Selected()->code | m.output.Selected()->code | ((1 - fifthIndex) * 128)};
}

// No setting: no banks, no instruction texts, nothing to document.
template <class Model>
void ClearSetting(Model& m) {
  auto& c = m.config;
  c.settingsCaption.clear();
  c.switchesCaption.clear();
  c.inputTerminalsText.clear();
  c.outputTerminalsText.clear();
  c.powerText.clear();
  c.s1 = -1;
  c.s2 = -1;
  m.helpPanelVisible = false;
  m.documentable = false;
}

}  // namespace setrix::temperature
