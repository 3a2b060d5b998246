#include "devices/batch.h"

#include <algorithm>
#include <filesystem>

#include "configfile/csv_write.h"
#include "configfile/qr.h"
#include "devices/device_model.h"
#include "modules/frq.h"
#include "modules/rtd.h"
#include "modules/thermo.h"
#include "pdf/file_output.h"
#include "sheets/pdf_layout.h"

namespace setrix::devices {

namespace {

using Json = nlohmann::ordered_json;

std::string LowerAscii(std::string s) {
  for (char& c : s)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return s;
}

std::vector<BankValue> Banks(std::initializer_list<std::pair<int, int>> valueCount) {
  std::vector<BankValue> out;
  int n = 1;
  for (const auto& [value, count] : valueCount) out.push_back({"S" + std::to_string(n++), value, count});
  return out;
}

// Receives the model of one device and documents it.
class BatchSink final : public DocumentSink {
 public:
  BatchSink(sheets::TPDFForm& form, const configfile::Device& device, const std::string& path,
            DeviceReport& report, bool qr)
      : form_(form), device_(device), path_(path), report_(report), qr_(qr) {}

  void Dc(const DcScreenRun& run) override {
    const DcScreen& dc = run.screen;
    if (dc.TwoStep()) {
      for (int step = 1; step <= 2; ++step) {
        const DcBanks b = DcStepScreen(dc, step).Banks();
        report_.steps.push_back({step, Banks({{b.s1, 10}, {b.s2, 5}, {b.s3, 3}})});
      }
    } else if (dc.Banks().s1 >= 0) {
      const DcBanks b = dc.Banks();
      report_.steps.push_back({0, Banks({{b.s1, 10}, {b.s2, 5}, {b.s3, 3}})});
    }
    Document(DcRefusal(dc, run.message), [&] { form_.SaveDCDocumentation(path_, dc, device_.note); });
  }
  void Thermo(const ThermoModel& m) override {
    if (m.config.complete) report_.steps.push_back({0, Banks({{m.config.s1, 8}, {m.config.s2, 8}})});
    Document(ThermoRefusal(m), [&] { form_.SaveThermoDocumentation(path_, m, device_.note); });
  }
  void Rtd(const RtdModel& m) override {
    if (m.config.complete) report_.steps.push_back({0, Banks({{m.config.s1, 8}, {m.config.s2, 8}})});
    Document(RtdRefusal(m), [&] { form_.SaveRTDDocumentation(path_, m, device_.note); });
  }
  void Frq(FrqModel& m) override {
    if (m.documentable) {
      for (int step = 1; step <= m.config.stepCount; ++step) {
        const FrqBanks b = FrqStepSwitches(m, step);
        report_.steps.push_back({m.config.stepCount > 1 ? step : 0, Banks({{b.s1, 8}, {b.s2, 8}})});
      }
    }
    FrqSettleEntries(m);
    Document(FrqRefusal(m), [&] { form_.SaveFRQDocumentation(path_, m, device_.note); });
  }

 private:
  template <class Save>
  void Document(const std::string& refusal, Save save) {
    if (!refusal.empty()) {
      report_.outcome = "refused";
      report_.reason = refusal;
      report_.steps.clear();
      return;
    }
    const raster::Bitmap qr = qr_ ? configfile::QrBitmap(configfile::SetrixText(device_, true)) : raster::Bitmap();
    for (pdf::TPRPage* page : {&form_.PDFPage, &form_.FRQ_PDFPage1, &form_.FRQ_PDFPage2})
      configfile::StampOnPrint(*page, qr);
    try {
      save();
    } catch (...) {
      for (pdf::TPRPage* page : {&form_.PDFPage, &form_.FRQ_PDFPage1, &form_.FRQ_PDFPage2})
        configfile::StampOnPrint(*page, {});
      throw;
    }
    for (pdf::TPRPage* page : {&form_.PDFPage, &form_.FRQ_PDFPage1, &form_.FRQ_PDFPage2})
      configfile::StampOnPrint(*page, {});
    report_.outcome = "documented";
  }

  sheets::TPDFForm& form_;
  const configfile::Device& device_;
  const std::string& path_;
  DeviceReport& report_;
  bool qr_;
};

std::string BanksText(const std::vector<StepBanks>& steps) {
  std::string out;
  for (const StepBanks& s : steps) {
    if (!out.empty()) out += "; ";
    if (s.step > 0) out += "step " + std::to_string(s.step) + ": ";
    std::string banks;
    for (const BankValue& b : s.banks)
      banks += (banks.empty() ? "" : " ") + b.name + "=" + std::to_string(b.value);
    out += banks;
  }
  return out;
}

}  // namespace

Json DeviceReport::ToJson() const {
  nlohmann::ordered_json j;
  j["row"] = row;
  j["line"] = line;
  j["tag"] = tag;
  j["module"] = module;
  j["task"] = task;
  j["outcome"] = outcome;
  if (!reason.empty()) j["reason"] = reason;
  if (!file.empty()) j["file"] = file;
  nlohmann::ordered_json steps_ = nlohmann::ordered_json::array();
  for (const StepBanks& s : steps) {
    nlohmann::ordered_json banks = nlohmann::ordered_json::object();
    for (const BankValue& b : s.banks) banks[b.name] = b.value;
    steps_.push_back({{"step", s.step}, {"banks", banks}});
  }
  j["steps"] = steps_;
  return j;
}

int BatchReport::FailedCount() const {
  return static_cast<int>(
      std::count_if(devices.begin(), devices.end(), [](const DeviceReport& d) { return d.Failed(); }));
}

std::string DeviceFileStem(const std::string& tag, int row, std::set<std::string>& taken) {
  std::string stem;
  for (unsigned char c : tag) {
    const bool bad = c < 0x20 || c == 0x7F ||
                     std::string_view("/\\:*?\"<>|").find(static_cast<char>(c)) != std::string_view::npos;
    stem += bad ? '_' : static_cast<char>(c);
  }
  // Leading and trailing blanks and dots make names that vanish or hide.
  for (std::size_t i = 0; i < stem.size() && (stem[i] == ' ' || stem[i] == '.'); ++i) stem[i] = '_';
  for (std::size_t i = stem.size(); i > 0 && (stem[i - 1] == ' ' || stem[i - 1] == '.'); --i) stem[i - 1] = '_';
  if (stem.empty()) stem = "device-" + std::to_string(row);
  // The summary files live beside the sheets.
  for (const char* reserved : {"overview", "devices"}) taken.insert(reserved);
  std::string candidate = stem;
  for (int n = 2; taken.count(LowerAscii(candidate)); ++n) candidate = stem + "-" + std::to_string(n);
  taken.insert(LowerAscii(candidate));
  return candidate;
}

std::string TaskLine(const configfile::Device& d) {
  const auto c = [&](const char* name) {
    const std::string* v = d.Choice(name);
    return v ? *v : std::string("?");
  };
  const auto opt = [&](const char* caption, const char* name) {
    const std::string* v = d.Choice(name);
    return v ? std::string(", ") + caption + " " + *v : std::string();
  };
  if (d.module == "dc")
    return c("in-min") + " .. " + c("in-max") + " " + c("in-unit") + " -> " + c("out-min") + " .. " +
           c("out-max") + " " + c("out-unit") + opt("bandwidth", "bandwidth");
  if (d.module == "thermo")
    return "type " + c("type") + ", " + c("start") + " .. " + c("end") + " °C -> " + c("output") +
           opt("filter", "filter") + opt("manual", "manual");
  if (d.module == "rtd")
    return c("type") + ", " + c("start") + " .. " + c("end") + " -> " + c("output") + opt("response", "response") +
           opt("manual", "manual");
  if (d.module == "frq") {
    std::string range = d.Choice("lower")   ? c("lower") + " .. " + c("upper") + " Hz"
                        : d.Choice("upper") ? "0 .. " + c("upper") + " Hz"
                                            : "";
    return "mode " + c("mode") + (range.empty() ? "" : ", " + range) + " -> " + c("output");
  }
  return {};
}

BatchReport RunBatch(const configfile::DeviceList& list, const std::string& listName,
                     const BatchSettings& settings, DeviceRunner& runner, const BatchProgress& progress,
                     const BatchDone& done) {
  namespace fs = std::filesystem;
  BatchReport report;
  report.list = listName;
  report.title = list.title;
  report.date = settings.date;
  report.total = static_cast<int>(list.entries.size());
  // One layout form for the whole run, as the desktop program keeps one.
  sheets::TPDFForm form;
  const std::string date = report.date;
  form.DateText = [date] { return date; };
  std::set<std::string> taken;
  int n = 0;
  for (const configfile::ListEntry& entry : list.entries) {
    ++n;
    const std::string tag = entry.device ? entry.device->tag : std::string();
    if (progress && !progress(n, report.total, tag)) {
      report.stopped = true;
      break;
    }
    DeviceReport r;
    r.row = entry.row;
    r.line = entry.line;
    if (!entry.device) {
      r.outcome = "invalid";
      r.reason = entry.error;
    } else {
      const configfile::Device& device = *entry.device;
      r.tag = device.tag;
      r.module = device.module;
      r.task = TaskLine(device);
      const std::string stem = DeviceFileStem(device.tag, entry.row, taken);
      const std::string path = (fs::path(settings.outDir) / (stem + ".pdf")).string();
      BatchSink sink(form, device, path, r, settings.qr);
      try {
        runner.Run(device, settings.lang, sink);
        if (r.outcome == "documented") r.file = stem + ".pdf";
      } catch (const DeviceError& e) {
        r.outcome = "invalid";
        r.reason = e.what();
        r.steps.clear();
      } catch (const pdf::EFileError& e) {
        r.outcome = "not written";
        r.reason = e.what();
        r.steps.clear();
      } catch (const std::exception& e) {
        r.outcome = "not written";
        r.reason = e.what();
        r.steps.clear();
      }
      if (r.outcome.empty()) {
        r.outcome = "invalid";
        r.reason = "the task gave no result";
      }
    }
    const auto b = r.reason.find_first_not_of(' ');
    r.reason = b == std::string::npos ? std::string() : r.reason.substr(b);
    if (done) done(r);
    report.devices.push_back(std::move(r));
  }
  return report;
}

void WriteBatchSummary(const BatchReport& report, const BatchSettings& settings) {
  namespace fs = std::filesystem;
  const fs::path dir(settings.outDir);
  std::string csv = configfile::CsvLine({"row", "tag", "module", "task", "outcome", "reason", "file", "banks"});
  for (const DeviceReport& d : report.devices)
    csv += configfile::CsvLine(
        {std::to_string(d.row), d.tag, d.module, d.task, d.outcome, d.reason, d.file, BanksText(d.steps)});
  pdf::WriteFileReplacing((dir / "devices.csv").string(), csv);

  Json j;
  j["format"] = "setrix-batch-summary";
  j["version"] = 1;
  j["list"] = report.list;
  j["title"] = report.title;
  j["date"] = report.date;
  j["total"] = report.total;
  j["documented"] = static_cast<int>(report.devices.size()) - report.FailedCount();
  j["failed"] = report.FailedCount();
  j["stopped"] = report.stopped;
  Json devices = Json::array();
  for (const DeviceReport& d : report.devices) devices.push_back(d.ToJson());
  j["devices"] = std::move(devices);
  pdf::WriteFileReplacing((dir / "devices.json").string(), j.dump(2) + "\n");

  pdf::WriteFileReplacing((dir / "overview.pdf").string(), OverviewPdf(report));
}

}  // namespace setrix::devices
