#pragma once
// The subcommands of setrix-cli. Each adds itself to the application; when it runs it
// prints to standard output and stores its exit status in `exitCode`.
#include <CLI/CLI.hpp>

namespace setrix::cli {

class ModuleSink;

// A module command hands its finished model to `sink` when one is given (the batch), and
// prints it otherwise.
void AddDcCommand(CLI::App& app, int& exitCode, ModuleSink* sink = nullptr);
void AddTextsCommand(CLI::App& app, int& exitCode);
void AddBankCommand(CLI::App& app, int& exitCode);
void AddBatchCommand(CLI::App& app, int& exitCode);
void AddThermoCommand(CLI::App& app, int& exitCode, ModuleSink* sink = nullptr);
void AddRtdCommand(CLI::App& app, int& exitCode, ModuleSink* sink = nullptr);
void AddFrqCommand(CLI::App& app, int& exitCode, ModuleSink* sink = nullptr);
void AddDecodeCommand(CLI::App& app, int& exitCode);

}  // namespace setrix::cli
