// Pieces every setrix-cli command shares.
#include "cli/common.h"

#include <algorithm>
#include <clocale>
#include <stdexcept>

#include "modules/numbers.h"

namespace setrix::cli {

namespace {

// The option of the command being read (or of the program) that a "--name" argument names.
const CLI::Option* FindOption(const CLI::App& app, const CLI::App* command, const std::string& name) {
  if (command != nullptr)
    if (const CLI::Option* o = command->get_option_no_throw(name)) return o;
  return app.get_option_no_throw(name);
}

}  // namespace

void Parse(CLI::App& app, int argc, const char* const* argv) {
  // CLI11 reads "--name=" as the option without a value and then takes the next argument.
  std::vector<std::string> args;
  const CLI::App* command = nullptr;
  bool positionalOnly = false;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (positionalOnly) {
      args.push_back(arg);
      continue;
    }
    if (arg == "--") positionalOnly = true;
    if (command == nullptr && arg.rfind('-', 0) != 0) {
      const CLI::App& program = app;
      for (const CLI::App* sub : program.get_subcommands([](const CLI::App*) { return true; }))
        if (sub->check_name(arg)) command = sub;
    }
    const std::size_t eq = arg.find('=');
    if (arg.size() > 3 && arg.rfind("--", 0) == 0 && eq == arg.size() - 1) {
      const std::string name = arg.substr(0, eq);
      const CLI::Option* option = FindOption(app, command, name);
      if (option != nullptr && option->get_items_expected_min() > 0) {
        args.push_back(name);
        args.emplace_back();
        continue;
      }
    }
    args.push_back(arg);
  }
  std::reverse(args.begin(), args.end());                     // CLI11 takes the arguments from the back
  if (app.get_name().empty() && argc > 0) app.name(argv[0]);  // as parse(argc, argv) names it
  app.parse(args);
}

char LocaleDecimalSeparator() {
  // Only the command line asks the C library; the core keeps its own separator.
  const char* previous = std::setlocale(LC_NUMERIC, nullptr);
  const std::string saved = previous != nullptr ? previous : "C";
  char separator = '.';
  if (std::setlocale(LC_NUMERIC, "") != nullptr) {
    const std::lconv* conv = std::localeconv();
    if (conv != nullptr && conv->decimal_point != nullptr && std::string_view(conv->decimal_point) == ",")
      separator = ',';
  }
  std::setlocale(LC_NUMERIC, saved.c_str());
  return separator;
}

CLI::Option* AddDecimalSeparatorOption(CLI::App& command, std::string& value) {
  return AddWordOption(command, "--decimal-separator", value, {".", ","},
                       "Decimal separator of the numbers shown (default: the locale's)");
}

void ApplyDecimalSeparator(const std::string& value) {
  SetDecimalSeparator(value.empty() ? LocaleDecimalSeparator() : value.front());
}

CLI::Option* AddWordOption(CLI::App& command, const std::string& name, std::string& value,
                           const std::vector<std::string>& words, const std::string& description) {
  std::string accepted;
  for (const auto& w : words) accepted += (accepted.empty() ? "" : "|") + w;
  auto* option = command.add_option(name, value, description);
  option->type_name(accepted);
  option->check(CLI::Validator(
      [name, words, accepted](std::string& given) -> std::string {
        for (const auto& w : words)
          if (given == w) return {};
        return "\"" + given + "\" is not accepted; use one of " + accepted;
      },
      ""));
  return option;
}

void MissingOption(const std::string& name, const std::string& accepted) {
  throw CLI::ValidationError(name, "missing; give " + accepted);
}

void RejectExtras(const CLI::App& command) {
  const auto extras = command.remaining();
  if (extras.empty()) return;
  std::string known;
  for (const CLI::Option* option : command.get_options()) {
    const std::string name = option->get_name(false, false);
    if (name.rfind("--", 0) != 0) continue;
    known += (known.empty() ? "" : ", ") + name;
  }
  throw CLI::ExtrasError(
      "\"" + extras.front() + "\" is no option of " + command.get_name() + "; its options are " + known,
      CLI::ExitCodes::ExtrasError);
}

void WriteJson(std::ostream& out, const nlohmann::ordered_json& value) { out << value.dump(2) << "\n"; }

std::string BankRowsText(int value, int count) {
  if (count < 1 || count > 31)
    throw std::invalid_argument("BankRowsText: count must be 1..31, not " + std::to_string(count));
  std::string numbers = "    ";
  std::string on = "ON  ";
  std::string off = "OFF ";
  for (int k = 1; k <= count; ++k) {
    const std::string n = std::to_string(k);
    numbers += std::string(3 - n.size(), ' ') + n;
    const bool isOn = value >= 0 && (value >> (k - 1) & 1) != 0;
    on += isOn ? "  \u25A0" : "  \u00B7";
    off += isOn ? "  \u00B7" : "  \u25A0";
  }
  if (value < 0) return numbers + "\n    no setting\n";
  return numbers + "\n" + on + "\n" + off + "\n";
}

std::string PlainLines(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
    out += text[i];
  }
  return out;
}

}  // namespace setrix::cli
