// setrix-cli: the SETRIX core without a window, for scripts, batch work and tests.
#include <iostream>

#include "cli/commands.h"

int main(int argc, char** argv) {
  CLI::App app{"SETRIX command line: DIP switch settings and documentation for the ZOR modules"};
  app.require_subcommand(1);
  int exitCode = 0;
  setrix::cli::AddDcCommand(app, exitCode);
  setrix::cli::AddThermoCommand(app, exitCode);
  setrix::cli::AddRtdCommand(app, exitCode);
  setrix::cli::AddFrqCommand(app, exitCode);
  setrix::cli::AddTextsCommand(app, exitCode);
  setrix::cli::AddBankCommand(app, exitCode);
  setrix::cli::AddBatchCommand(app, exitCode);
  try {
    app.parse(argc, argv);
  } catch (const CLI::CallForHelp& e) {
    return app.exit(e);
  } catch (const CLI::CallForAllHelp& e) {
    return app.exit(e);
  } catch (const CLI::ParseError& e) {
    // Bad command lines: a message naming the option and what it accepts, status 2.
    app.exit(e);
    return 2;
  } catch (const std::exception& e) {
    std::cerr << "setrix-cli: " << e.what() << "\n";
    return 1;
  }
  return exitCode;
}
