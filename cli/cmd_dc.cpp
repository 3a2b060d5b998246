// Placeholder until the command is built.
#include "cli/commands.h"

namespace setrix::cli {
void AddDcCommand(CLI::App&, int&) {}
}  // namespace setrix::cli
