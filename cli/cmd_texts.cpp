// setrix-cli texts: every text entry of one language, for translators and reviewers.
#include <iostream>
#include <memory>
#include <nlohmann/json.hpp>
#include <string>

#include "cli/commands.h"
#include "texts/texts.h"

namespace setrix::cli {
namespace {

struct TextsOptions {
  std::string lang = "en";
  bool json = false;
};

// One entry's value: a string for per-language and single entries, an array of the
// variants or items otherwise.
nlohmann::ordered_json EntryJson(const texts::Entry& e, int language) {
  if (e.layout == texts::Layout::kPerLanguage || e.layout == texts::Layout::kSingle) {
    return std::string(texts::EntryText(e, 0, language));
  }
  auto array = nlohmann::ordered_json::array();
  for (std::string_view t : texts::EntryTexts(e, language)) array.push_back(std::string(t));
  return array;
}

// A text on one line, quoted so that leading and trailing blanks show, with its line
// breaks written as \r and \n.
std::string Visible(std::string_view text) {
  std::string out = "\"";
  for (char c : text) {
    if (c == '\r') {
      out += "\\r";
    } else if (c == '\n') {
      out += "\\n";
    } else {
      out += c;
    }
  }
  return out + "\"";
}

void PrintReadable(int language) {
  for (const texts::Entry& e : texts::AllEntries()) {
    if (e.layout == texts::Layout::kPerLanguage || e.layout == texts::Layout::kSingle) {
      std::cout << e.name << "\n  " << Visible(texts::EntryText(e, 0, language)) << "\n";
      continue;
    }
    std::cout << e.name << "\n";
    const auto list = texts::EntryTexts(e, language);
    for (std::size_t i = 0; i < list.size(); ++i) {
      std::cout << "  [" << i << "] " << Visible(list[i]) << "\n";
    }
  }
}

}  // namespace

void AddTextsCommand(CLI::App& app, int& exitCode) {
  auto options = std::make_shared<TextsOptions>();
  CLI::App* cmd = app.add_subcommand("texts", "List every text entry of one language");
  cmd->add_option("--lang", options->lang, "Language: de, en, it or es (default en)")
      ->check(CLI::IsMember({"de", "en", "it", "es"}));
  cmd->add_flag("--json", options->json, "One JSON object keyed by entry name; variants and items as arrays");
  cmd->callback([options, &exitCode] {
    const int language = texts::LanguageFromCode(options->lang);
    if (options->json) {
      nlohmann::ordered_json out = nlohmann::ordered_json::object();
      for (const texts::Entry& e : texts::AllEntries()) out[std::string(e.name)] = EntryJson(e, language);
      std::cout << out.dump(2) << "\n";
    } else {
      PrintReadable(language);
    }
    exitCode = 0;
  });
}

}  // namespace setrix::cli
