#include "modules/choice_list.h"

#include <charconv>
#include <system_error>
#include <utility>

namespace setrix {

std::string_view ListStyleName(ListStyle style) { return style == ListStyle::Simple ? "simple" : "list"; }

const std::string& ChoiceList::Text() const {
  if (const ListItem* item = Selected()) return item->text;
  return prompt;
}

std::string ChoiceList::ItemText() const {
  const ListItem* item = Selected();
  return item ? item->text : std::string();
}

const ListItem* ChoiceList::Selected() const {
  if (index < 0 || static_cast<std::size_t>(index) >= items.size()) return nullptr;
  return &items[static_cast<std::size_t>(index)];
}

bool ChoiceList::Select(int i) {
  if (i < 0 || static_cast<std::size_t>(i) >= items.size()) {
    index = -1;
    return false;
  }
  index = i;
  return true;
}

std::vector<std::string> ChoiceList::Texts() const {
  std::vector<std::string> out;
  out.reserve(items.size());
  for (const ListItem& item : items) out.push_back(item.text);
  return out;
}

}  // namespace setrix

namespace setrix::lists {

int IntegerInFront(std::string_view text, std::string_view marker) {
  const std::size_t at = text.find(marker);
  if (at == std::string_view::npos || at == 0) return kNoNumber;
  const std::string_view digits = text.substr(0, at);
  int value = 0;
  const auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
  if (ec != std::errc() || end != digits.data() + digits.size()) return kNoNumber;
  return value;
}

double RealInFront(std::string_view text, std::string_view marker) {
  const std::size_t at = text.find(marker);
  if (at == std::string_view::npos || at == 0) return kNoNumber;
  std::string digits(text.substr(0, at));
  for (char& c : digits)
    if (c == ',') c = '.';
  double value = 0;
  const auto [end, ec] =
      std::from_chars(digits.data(), digits.data() + digits.size(), value, std::chars_format::fixed);
  if (ec != std::errc() || end != digits.data() + digits.size()) return kNoNumber;
  return value;
}

void RefillKeepingIndex(ChoiceList& list, std::vector<ListItem> items, std::string_view prompt) {
  const int previous = list.index;
  list.style = ListStyle::List;
  list.items = std::move(items);
  list.Select(previous);
  list.prompt = list.index == -1 ? std::string(prompt) : std::string();
}

int ReselectByValue(ChoiceList& list, bool keep, double remembered, std::string_view prompt) {
  list.index = -1;
  if (keep) {
    for (std::size_t i = 0; i < list.items.size(); ++i) {
      if (list.items[i].value == remembered) {
        list.index = static_cast<int>(i);
        break;
      }
    }
  }
  list.prompt = list.index == -1 ? std::string(prompt) : std::string();
  return list.index;
}

void FillFixed(ChoiceList& list, const std::vector<ListItem>& items, std::string_view prompt) {
  if (list.items.size() != items.size()) {
    const int previous = list.index;
    list.items = items;
    list.Select(previous);
  }
  list.style = ListStyle::List;
  list.prompt = list.index == -1 ? std::string(prompt) : std::string();
}

void MakeSimple(ChoiceList& list, std::string_view prompt) {
  list.style = ListStyle::Simple;
  list.items.clear();
  list.index = -1;
  list.prompt = std::string(prompt);
}

}  // namespace setrix::lists
