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
// A value that the list does not offer: a command-line error (exit status 2) naming the
// option and listing the values the list offers.
[[noreturn]] void NotOffered(const std::string& option, std::string_view given, const ChoiceList& list);

// The options every module command shares: --lang, --decimal-separator and --json.
struct CommonOptions {
  std::string lang = "en";
  std::string separator;  // "," or "."; empty: the locale's
  bool json = false;
};
void AddCommonOptions(CLI::App& command, CommonOptions& options);
// Sets the language and the decimal separator for the run.
void ApplyCommonOptions(const CommonOptions& options);

// The position of `name` in `names`, or -1.
int IndexOf(const std::vector<std::string>& names, const std::string& name);

}  // namespace setrix::cli::modules
