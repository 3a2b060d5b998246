#pragma once
// The subcommands of setrix-cli. Each adds itself to the application; when it runs it
// prints to standard output and stores its exit status in `exitCode`.
#include <CLI/CLI.hpp>

namespace setrix::cli {

void AddDcCommand(CLI::App& app, int& exitCode);
void AddTextsCommand(CLI::App& app, int& exitCode);
void AddBankCommand(CLI::App& app, int& exitCode);
void AddThermoCommand(CLI::App& app, int& exitCode);
void AddRtdCommand(CLI::App& app, int& exitCode);
void AddFrqCommand(CLI::App& app, int& exitCode);
void AddDecodeCommand(CLI::App& app, int& exitCode);

}  // namespace setrix::cli
