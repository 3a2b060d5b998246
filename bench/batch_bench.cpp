// A batch run of N devices (the four modules in turn, one PDF each, plus the summary
// files), in-process as `setrix-cli batch` does it, against the reference of the same run
// with one device. Counters: the CPU time per device relative to the one-device run
// ("per_device_vs_one"), and the peak resident memory after the run ("peak_rss_MiB"),
// which stays flat when N grows.
#include <benchmark/benchmark.h>
#include <sys/resource.h>
#include <unistd.h>

#include <filesystem>

#include "cli/batch.h"
#include "configfile/device.h"

namespace {

using namespace setrix;
namespace fs = std::filesystem;

configfile::DeviceList Devices(int n) {
  const std::vector<configfile::Device> kinds = {
      {"",
       "dc",
       "SN 1",
       {{"in-min", "4"},
        {"in-max", "20"},
        {"in-unit", "mA"},
        {"out-min", "0"},
        {"out-max", "10"},
        {"out-unit", "V"}},
       {}},
      {"",
       "thermo",
       "",
       {{"type", "K"}, {"start", "0"}, {"end", "400"}, {"output", "4-20mA"}, {"filter", "on"}, {"manual", "off"}},
       {}},
      {"",
       "rtd",
       "",
       {{"type", "pt100-3wire"},
        {"start", "-50"},
        {"end", "100"},
        {"output", "0-10V"},
        {"response", "slow"},
        {"manual", "off"}},
       {}},
      {"", "frq", "", {{"mode", "fmin-fmax"}, {"lower", "50"}, {"upper", "1230"}, {"output", "0-10V"}}, {}},
  };
  configfile::DeviceList list;
  for (int i = 0; i < n; ++i) {
    configfile::ListEntry e;
    e.row = i + 2;
    e.device = kinds[static_cast<std::size_t>(i) % kinds.size()];
    e.device->tag = "D-" + std::to_string(i + 1);
    list.entries.push_back(std::move(e));
  }
  return list;
}

double CpuSeconds() {
  rusage u{};
  getrusage(RUSAGE_SELF, &u);
  return u.ru_utime.tv_sec + u.ru_stime.tv_sec + (u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
}

double PeakRssMiB() {
  rusage u{};
  getrusage(RUSAGE_SELF, &u);
  return u.ru_maxrss / 1024.0;
}

double Run(const configfile::DeviceList& list, const fs::path& dir) {
  cli::BatchSettings s;
  s.outDir = dir.string();
  s.date = "10.12.2026";
  const double t0 = CpuSeconds();
  const cli::BatchReport r = cli::RunBatch(list, "bench.csv", s);
  cli::WriteBatchSummary(r, s);
  return CpuSeconds() - t0;
}

void BM_Batch(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  const fs::path dir = fs::temp_directory_path() / ("setrix_batch_bench_" + std::to_string(::getpid()));
  fs::create_directories(dir);
  const configfile::DeviceList list = Devices(n);
  const configfile::DeviceList one = Devices(1);
  double reference = 0, batch = 0;
  for (auto _ : state) {
    reference = Run(one, dir);
    batch = Run(list, dir);
  }
  state.counters["devices"] = n;
  state.counters["batch_cpu_s"] = batch;
  state.counters["one_device_cpu_s"] = reference;
  state.counters["per_device_vs_one"] = batch / n / reference;
  state.counters["peak_rss_MiB"] = PeakRssMiB();
  fs::remove_all(dir);
}
BENCHMARK(BM_Batch)->Arg(10)->Arg(100)->Arg(1000)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
