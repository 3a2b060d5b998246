#pragma once
// The PDF documentation from the command line: `--pdf FILE`, `--note TEXT` and `--date TEXT`
// for the module commands, and the writing of each module's documentation.
#include <CLI/CLI.hpp>

#include <optional>
#include <string>

#include "devices/module_run.h"
#include "modules/dc_calc.h"
#include "modules/dc_screen.h"

namespace setrix {
struct ThermoModel;
struct RtdModel;
struct FrqModel;
}  // namespace setrix

namespace setrix::cli {

struct PdfOptions {
  std::string file;  // empty: no documentation asked for
  std::string note;  // the user text beside "Note:"
  std::string date;  // the date line; empty: today in the user's short date format
};

// Adds --pdf, --note and --date to a module command.
void AddPdfOptions(CLI::App& command, PdfOptions& options);

// Today in the short date format of the user's locale (LC_ALL, LC_TIME, LANG).
std::string ShortDateToday();

// Each writes the module's documentation, in the current language, into options.file and
// returns the exit status: 0 written; 2 the task is incomplete or refused (nothing written,
// the reason on standard error); 1 the file could not be written (the reason, with the
// system's, on standard error; an existing file is left as it was).
// Why the module's documentation cannot be written (one line), or empty when it can.
using devices::DcRefusal;
using devices::FrqRefusal;
using devices::RtdRefusal;
using devices::ThermoRefusal;
// The DC isolator is documented from its screen as it stands (after "Calculate settings"
// with its message box, if any, or in the two-step case; devices::RunDcScreen makes it).
int WriteDcPdf(const PdfOptions& options, const DcScreen& dc, const std::optional<DcMessage>& message);
int WriteThermoPdf(const PdfOptions& options, const ThermoModel& thermo);
int WriteRtdPdf(const PdfOptions& options, const RtdModel& rtd);
// Every step of the mode; may rewrite a frequency entry to the value the switches set.
int WriteFrqPdf(const PdfOptions& options, FrqModel& frq);

}  // namespace setrix::cli
