#pragma once
// A drop-down list as the module screens hold it: items with their texts and switch codes,
// the selected index, and whether the control is a drop-down list or a plain text box that
// shows a prompt ("Please choose...", "Choose input first...").
//
// A screen copies this into its combo box: items into the list, `index` into the current
// item, and `Text()` into the edit part (the chosen item, or the prompt when nothing is
// chosen). With ListStyle::Simple the control shows only `Text()` and offers no items.
#include <string>
#include <string_view>
#include <vector>

namespace setrix {

enum class ListStyle {
  List,    // a normal drop-down list
  Simple,  // a plain text box without a list, showing the prompt
};

// "list" or "simple".
std::string_view ListStyleName(ListStyle style);

struct ListItem {
  std::string text;
  double value = 0;  // the number the item stands for (start and end values); 0 otherwise
  int code = 0;      // the switch code of the table row the item came from; 0 otherwise
};

struct ChoiceList {
  std::vector<ListItem> items;
  int index = -1;  // -1: nothing chosen
  ListStyle style = ListStyle::List;
  std::string prompt;  // shown while nothing is chosen

  // What the control shows: the chosen item's text, or the prompt.
  const std::string& Text() const;
  // The chosen item's text, or "" while nothing is chosen.
  std::string ItemText() const;
  // The chosen item, or nullptr.
  const ListItem* Selected() const;
  // Chooses item i. An index outside the list (also -1) leaves nothing chosen; returns
  // whether i named an item.
  bool Select(int i);
  // The item texts in list order.
  std::vector<std::string> Texts() const;
};

}  // namespace setrix

// Helpers shared by the module updates.
namespace setrix::lists {

// The number that matches nothing when a list's text holds no valid number.
inline constexpr int kNoNumber = 32000;

// The integer written in `text` in front of the first `marker` (for example "°" or " Ohm");
// kNoNumber when the marker is missing or that part is no integer.
int IntegerInFront(std::string_view text, std::string_view marker);
// The same for a real number, after every "," has been replaced by ".".
double RealInFront(std::string_view text, std::string_view marker);

// Refills a list whose items are language texts: remembers the chosen index, replaces the
// items, re-selects the index, or shows `prompt` when nothing was chosen.
void RefillKeepingIndex(ChoiceList& list, std::vector<ListItem> items, std::string_view prompt);

// After a rebuild of a value list: chooses the first item whose value equals `remembered`
// when `keep` holds; otherwise nothing is chosen and the list shows `prompt`.
// Returns the resulting index.
int ReselectByValue(ChoiceList& list, bool keep, double remembered, std::string_view prompt);

// A list whose items never change (the output lists): fills it once, keeps its index and
// shows `prompt` while nothing is chosen.
void FillFixed(ChoiceList& list, const std::vector<ListItem>& items, std::string_view prompt);

// A list whose prerequisite is missing: a plain text box showing `prompt`, nothing chosen.
void MakeSimple(ChoiceList& list, std::string_view prompt);

}  // namespace setrix::lists
