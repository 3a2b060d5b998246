// Placeholder until the command is built.
#include "cli/commands.h"

namespace setrix::cli {
void AddBankCommand(CLI::App&, int&) {}
}  // namespace setrix::cli
