#pragma once
// Pieces every setrix-cli command shares: the decimal separator option, JSON output and the
// switch banks drawn as text.
#include <CLI/CLI.hpp>
#include <nlohmann/json.hpp>

#include <ostream>
#include <string>
#include <string_view>

namespace setrix::cli {

// Parses the command line like app.parse(argc, argv), except that "--name=" (nothing after
// the "=") gives the option the empty text instead of taking the next word as its value.
// Flags ("--json=") and everything after a bare "--" are passed on as they are.
void Parse(CLI::App& app, int argc, const char* const* argv);

// The decimal separator of the user's locale (LC_ALL, LC_NUMERIC, LANG): "," when the locale
// says ",", "." otherwise. The process's C locale is left as it was.
char LocaleDecimalSeparator();

// Adds `--decimal-separator .|,` to a command. `value` stays empty unless it is given.
CLI::Option* AddDecimalSeparatorOption(CLI::App& command, std::string& value);
// Sets the process-wide separator: the option's value, or the locale's when it is empty.
void ApplyDecimalSeparator(const std::string& value);

// Adds an option that takes one of `words` (exact match); a bad word is a command-line error
// that names the option and the accepted words.
CLI::Option* AddWordOption(CLI::App& command, const std::string& name, std::string& value,
                           const std::vector<std::string>& words, const std::string& description);

// A command-line error (exit status 2) for an option that is missing, naming what it takes.
[[noreturn]] void MissingOption(const std::string& name, const std::string& accepted);

// For a command that allows extras: a command-line error (exit status 2) naming the first
// word it did not take and listing the options it has.
void RejectExtras(const CLI::App& command);

// One JSON object on its own, pretty-printed, with a final line break. Numbers keep their
// full double precision.
void WriteJson(std::ostream& out, const nlohmann::ordered_json& value);

// A bank of `count` switches (1..31) drawn as text rows: the switch numbers, then an "ON" row
// and an "OFF" row with a lever mark where each switch stands. Bit k-1 of `value` is switch k;
// a negative value shows "no setting" instead of levers.
//        1  2  3
//   ON   ■  ·  ■
//   OFF  ·  ■  ·
std::string BankRowsText(int value, int count);

// Text of the program's tables (CR LF line breaks) as plain "\n" lines.
std::string PlainLines(std::string_view text);

}  // namespace setrix::cli
