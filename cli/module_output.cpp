#include "cli/module_output.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <system_error>

#include "cli/common.h"
#include "texts/texts.h"

namespace setrix::cli::modules {

nlohmann::ordered_json ListJson(const ChoiceList& list, bool valueItems) {
  nlohmann::ordered_json items = nlohmann::ordered_json::array();
  for (const ListItem& item : list.items) {
    if (!valueItems) {
      items.push_back(item.text);
      continue;
    }
    nlohmann::ordered_json value;
    if (item.value == std::trunc(item.value))
      value = static_cast<long long>(item.value);
    else
      value = item.value;
    items.push_back({{"text", item.text}, {"value", value}, {"code", item.code}});
  }
  return {{"items", items},
          {"index", list.index},
          {"text", list.Text()},
          {"style", std::string(ListStyleName(list.style))}};
}

std::string ListText(std::string_view caption, const ChoiceList& list) {
  std::string out = std::string(caption) + " " + list.Text() + "\n";
  if (list.style == ListStyle::List && !list.items.empty()) {
    out += "    offered:";
    for (std::size_t i = 0; i < list.items.size(); ++i) out += (i == 0 ? " " : " | ") + list.items[i].text;
    out += "\n";
  }
  return out;
}

std::string PlainNumber(double value) {
  if (value == std::trunc(value)) return std::to_string(static_cast<long long>(value));
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%g", value);
  std::string text(buffer);
  for (char& c : text)
    if (c == ',') c = '.';  // whatever the C library's locale says
  return text;
}

std::optional<double> ParseNumberOption(std::string_view text) {
  std::string s(text);
  for (char& c : s)
    if (c == ',') c = '.';
  double value = 0;
  const char* begin = s.data();
  if (!s.empty() && s[0] == '+') ++begin;
  const auto [end, ec] = std::from_chars(begin, s.data() + s.size(), value);
  if (s.empty() || ec != std::errc() || end != s.data() + s.size() || !std::isfinite(value)) return std::nullopt;
  return value;
}

int FindValue(const ChoiceList& list, double value) {
  for (std::size_t i = 0; i < list.items.size(); ++i)
    if (list.items[i].value == value) return static_cast<int>(i);
  return -1;
}

void NotOffered(const std::string& option, std::string_view given, const ChoiceList& list) {
  std::string message = std::string(given) + " is not offered";
  if (list.style == ListStyle::Simple || list.items.empty()) {
    message += "; no values are offered yet (" + list.Text() + ")";
  } else {
    message += "; offered values:";
    for (std::size_t i = 0; i < list.items.size(); ++i)
      message += (i == 0 ? " " : ", ") + PlainNumber(list.items[i].value);
  }
  throw CLI::ValidationError(option, message);
}

void AddCommonOptions(CLI::App& command, CommonOptions& options) {
  AddWordOption(command, "--lang", options.lang, {"de", "en", "it", "es"}, "Language of the texts (default en)");
  AddDecimalSeparatorOption(command, options.separator);
  command.add_flag("--json", options.json, "Print one JSON object instead of text");
}

void ApplyCommonOptions(const CommonOptions& options) {
  texts::SetCurrentLanguage(texts::LanguageFromCode(options.lang));
  ApplyDecimalSeparator(options.separator);
}

int IndexOf(const std::vector<std::string>& names, const std::string& name) {
  const auto it = std::find(names.begin(), names.end(), name);
  return it == names.end() ? -1 : static_cast<int>(it - names.begin());
}

}  // namespace setrix::cli::modules
