#pragma once
// Bank values on the command line, readings of found switches and the check of a task against
// them: shared by `setrix-cli decode` and the --found-s1/--found-s2/--found-s3 options of the
// module commands.
#include <CLI/CLI.hpp>
#include <nlohmann/json.hpp>

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "modules/decode.h"

namespace setrix::cli {

// A bank value of a bank with `count` switches: decimal ("143"), hex ("0x8F") or the switches
// that are ON ("on:1,2,3,4,8"; "on:" for none). Anything else, or a value beyond the bank, is
// a command-line error (exit status 2) naming `option` and the accepted forms.
int ParseBankValue(const std::string& option, const std::string& text, int count);

// The options --found-s1 .. --found-sN of a module command (`counts` holds each bank's switch
// count) and, once parsed, the banks found: none when no --found option was given; a
// command-line error when only some of them were.
struct FoundOptions {
  std::vector<int> counts;
  std::array<std::optional<std::string>, 3> given;
};
void AddFoundOptions(CLI::App& command, FoundOptions& options);
std::optional<std::vector<int>> ParseFound(const FoundOptions& options);

// The check as JSON: found banks, hasSetting, matches, levers ({bank, switch, set}) and lines.
nlohmann::ordered_json CheckJson(const CheckResult& check, const std::vector<int>& found);
// The check as text, after the module's own output.
std::string CheckText(const CheckResult& check, const std::vector<int>& found);

}  // namespace setrix::cli
