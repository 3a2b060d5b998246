// setrix-cli batch: documents every device of a device list or CSV signal list.
#include <unistd.h>

#include <filesystem>
#include <iostream>
#include <memory>

#include "cli/batch.h"
#include "cli/commands.h"
#include "cli/common.h"
#include "configfile/device.h"

namespace setrix::cli {

namespace {

struct BatchOptions {
  std::string list;
  BatchSettings settings;
  bool json = false;
};

// Exit status: 0 all documented, 1 any device failed, 2 the list or the folder unusable.
int Run(const BatchOptions& o) {
  namespace fs = std::filesystem;
  configfile::DeviceList list;
  try {
    list = configfile::ReadDeviceList(o.list);
  } catch (const configfile::FileError& e) {
    std::cerr << "setrix-cli batch: " << e.what() << "\n";
    return 2;
  }
  for (const std::string& w : list.warnings) std::cerr << "setrix-cli batch: warning: " << w << "\n";
  std::error_code ec;
  fs::create_directories(o.settings.outDir, ec);
  if (!fs::is_directory(o.settings.outDir)) {
    std::cerr << "setrix-cli batch: the output folder \"" << o.settings.outDir << "\" cannot be created"
              << (ec ? ": " + ec.message() : std::string()) << "\n";
    return 2;
  }

  const bool terminal = ::isatty(STDERR_FILENO) == 1;
  const auto progress = [terminal](int n, int total, const std::string& tag) {
    if (terminal) std::cerr << "\r\033[Kdevice " << n << " of " << total << ": " << tag << std::flush;
    return true;
  };
  const auto done = [&](const DeviceReport& d) {
    if (d.Failed()) {
      if (terminal) std::cerr << "\r\033[K";
      std::cerr << "setrix-cli batch: " << o.list << " row " << d.row << " (line " << d.line << ")"
                << (d.tag.empty() ? "" : " " + d.tag) << ": " << d.outcome << ": " << d.reason << "\n";
    }
    if (o.json) std::cout << d.ToJson().dump() << "\n" << std::flush;
  };
  BatchReport report = RunBatch(list, o.list, o.settings, progress, done);
  if (terminal) std::cerr << "\r\033[K" << std::flush;
  try {
    WriteBatchSummary(report, o.settings);
  } catch (const std::exception& e) {
    std::cerr << "setrix-cli batch: the summary cannot be written: " << e.what() << "\n";
    return 1;
  }
  const int failed = report.FailedCount();
  (o.json ? std::cerr : std::cout) << report.devices.size() << " devices: " << report.devices.size() - failed
                                   << " documented, " << failed << " failed; summary in "
                                   << (fs::path(o.settings.outDir) / "devices.csv").string()
                                   << ", devices.json, overview.pdf\n";
  return failed > 0 ? 1 : 0;
}

}  // namespace

void AddBatchCommand(CLI::App& app, int& exitCode) {
  auto o = std::make_shared<BatchOptions>();
  CLI::App* cmd = app.add_subcommand(
      "batch",
      "Document every device of a device list (*.setrix) or a CSV signal list: one PDF per device and a summary");
  cmd->add_option("LIST", o->list, "The device list: a *.setrix file or a CSV signal list (*.csv)")->required();
  cmd->add_option("--out", o->settings.outDir, "The folder for the PDFs and the summary (created when missing)")
      ->required()
      ->type_name("DIR");
  AddWordOption(*cmd, "--lang", o->settings.lang, {"de", "en", "it", "es"},
                "Language of the documents (default en)");
  cmd->add_option("--date", o->settings.date,
                  "The documents' date line (default: today in your short date format)")
      ->type_name("TEXT");
  cmd->add_flag("--json", o->json, "One JSON object per device on standard output");
  cmd->add_flag("--qr", o->settings.qr, "Each sheet carries its device's configuration as a QR code");
  cmd->callback([o, &exitCode] { exitCode = Run(*o); });
}

}  // namespace setrix::cli
