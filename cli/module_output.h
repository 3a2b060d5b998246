#pragma once
// Pieces shared by the thermo, rtd and frq commands: the lists of a screen model as JSON and
// as readable text, and the matching of a value given on the command line against a list.
#include <CLI/CLI.hpp>
#include <nlohmann/json.hpp>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "modules/choice_list.h"

namespace setrix::cli::modules {

// A list as the screen holds it: {"items": [...], "index", "text", "style"}. With
// `valueItems` each item is {"text", "value", "code"}, otherwise its text.
nlohmann::ordered_json ListJson(const ChoiceList& list, bool valueItems);

// "Caption value" and, for a drop-down list, an indented line with the offered items.
std::string ListText(std::string_view caption, const ChoiceList& list);

// A number as the command line shows it: integers without decimals, else with ".".
std::string PlainNumber(double value);
// A number typed on the command line, with "," or "." as decimal mark.
std::optional<double> ParseNumberOption(std::string_view text);

// The index of the item whose value equals `value`, or -1.
int FindValue(const ChoiceList& list, double value);
// The message for a value that the list does not offer, listing what it offers.
std::string NotOffered(std::string_view option, std::string_view given, const ChoiceList& list);

// A bank drawn as text: a row of switch numbers, an "ON" row and an "OFF" row; a negative
// value (no setting) shows every lever as "-".
std::string BankRows(std::string_view name, int value, int count);

// The options every module command shares: --lang and the decimal separator.
struct CommonOptions {
  std::string lang = "en";
  std::string separator;  // "," or "."; empty: the locale's
  bool json = false;
};
void AddCommonOptions(CLI::App& command, CommonOptions& options);
// Sets the language and the decimal separator for the run.
void ApplyCommonOptions(const CommonOptions& options);

// The position of `name` in `names` (a value already checked by CLI::IsMember).
int IndexOf(const std::vector<std::string>& names, const std::string& name);

// Text with CR LF line breaks as plain LF lines.
std::string Lines(std::string_view text);

}  // namespace setrix::cli::modules
