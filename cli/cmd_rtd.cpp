// Placeholder until the command is built.
#include "cli/commands.h"

namespace setrix::cli {
void AddRtdCommand(CLI::App&, int&) {}
}  // namespace setrix::cli
