#pragma once
// A console reporter that also prints, after the usual table, every benchmark's CPU time as a
// ratio to a reference benchmark of the same run: a busy machine slows both alike.
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace setrix::bench {

// With --benchmark_repetitions=N each benchmark's median of its N runs is taken; together
// with --benchmark_enable_random_interleaving=true the runs of all benchmarks alternate, so
// that a load that comes and goes on a shared machine meets every benchmark alike.
class RatioReporter : public benchmark::ConsoleReporter {
 public:
  RatioReporter(std::string reference, OutputOptions options)
      : ConsoleReporter(options), reference_(std::move(reference)) {}

  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& r : runs) {
      if (r.run_type != Run::RT_Iteration || r.error_occurred) continue;
      const std::string name = r.benchmark_name();
      auto it = std::find_if(times_.begin(), times_.end(), [&name](const auto& t) { return t.first == name; });
      if (it == times_.end()) it = times_.insert(times_.end(), {name, {}});
      it->second.push_back(r.GetAdjustedCPUTime() * Factor(r.time_unit));
    }
  }

  void Finalize() override {
    ConsoleReporter::Finalize();
    double ref = 0;
    std::size_t runs = 0;
    for (const auto& [name, t] : times_) {
      runs = std::max(runs, t.size());
      if (name == reference_) ref = Median(t);
    }
    if (ref <= 0) return;
    // Interleaved runs come in a random order: the table is in the order of the names.
    std::sort(times_.begin(), times_.end());
    const std::string of = runs > 1 ? " (medians of " + std::to_string(runs) + " runs)" : "";
    std::printf("\nCPU time as a ratio to %s of this run%s (%.1f us):\n", reference_.c_str(), of.c_str(),
                ref / 1000);
    for (const auto& [name, t] : times_)
      std::printf("  %-32s %8.1f us  %6.2f x\n", name.c_str(), Median(t) / 1000, Median(t) / ref);
  }

 private:
  static double Median(std::vector<double> t) {
    std::sort(t.begin(), t.end());
    const std::size_t n = t.size();
    return n % 2 ? t[n / 2] : (t[n / 2 - 1] + t[n / 2]) / 2;
  }
  static double Factor(benchmark::TimeUnit unit) {  // to nanoseconds
    switch (unit) {
      case benchmark::kSecond: return 1e9;
      case benchmark::kMillisecond: return 1e6;
      case benchmark::kMicrosecond: return 1e3;
      default: return 1;
    }
  }
  std::string reference_;
  std::vector<std::pair<std::string, std::vector<double>>> times_;
};

// main() of a benchmark program that reports ratios to `reference`.
// Another --benchmark_format (json, csv) gets the library's own reporter, unchanged.
inline int RunWithRatios(int argc, char** argv, const char* reference) {
  bool console = true;
  for (int i = 1; i < argc; ++i)
    if (std::string_view(argv[i]).starts_with("--benchmark_format=") &&
        std::string_view(argv[i]) != "--benchmark_format=console")
      console = false;
  benchmark::Initialize(&argc, argv);
  if (!console) {
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
  }
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  // Colours only on a terminal, as the library's own main does it.
  RatioReporter reporter(reference, isatty(fileno(stdout)) ? benchmark::ConsoleReporter::OO_Defaults
                                                           : benchmark::ConsoleReporter::OO_Tabular);
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  return 0;
}

}  // namespace setrix::bench
