// The DC isolator calculation for a few typical tasks, and the number formatter it feeds.
#include <benchmark/benchmark.h>

#include <string>

#include "modules/dc_calc.h"
#include "modules/numbers.h"

namespace {

struct Task {
  const char *inMin, *inMax;
  int inUnit;
  const char *outMin, *outMax;
  int outUnit;
};

// 4..20 mA -> 0..10 V, 0..10 V -> 0..10 V, 0..7 V -> 0..10 V (SPAN trimming),
// 0..10 V -> 4..20 mA, 4..20 mA -> -10..10 V (no setting), 20..4 mA -> 10..0 V (folded).
const Task kTasks[] = {
    {"4", "20", setrix::kDcInMilliAmpere, "0", "10", setrix::kDcOutVolt},
    {"0", "10", setrix::kDcInVolt, "0", "10", setrix::kDcOutVolt},
    {"0", "7", setrix::kDcInVolt, "0", "10", setrix::kDcOutVolt},
    {"0", "10", setrix::kDcInVolt, "4", "20", setrix::kDcOutMilliAmpere},
    {"4", "20", setrix::kDcInMilliAmpere, "-10", "10", setrix::kDcOutVolt},
    {"20", "4", setrix::kDcInMilliAmpere, "10", "0", setrix::kDcOutVolt},
};

void BM_CalculateDc(benchmark::State& state) {
  const Task& t = kTasks[state.range(0)];
  setrix::DcConfig dc;
  dc.inMinText = t.inMin;
  dc.inMaxText = t.inMax;
  dc.inUnit = t.inUnit;
  dc.outMinText = t.outMin;
  dc.outMaxText = t.outMax;
  dc.outUnit = t.outUnit;
  dc.bandwidth = setrix::kDcBandwidthBelow10Hz;
  for (auto _ : state) {
    benchmark::DoNotOptimize(setrix::CalculateDc(dc));
    benchmark::DoNotOptimize(dc.s1);
  }
  state.SetLabel(std::string(t.inMin) + ".." + t.inMax + " -> " + t.outMin + ".." + t.outMax);
}
BENCHMARK(BM_CalculateDc)->DenseRange(0, 5);

void BM_FormatNumber(benchmark::State& state) {
  const char* formats[] = {"%5.5g", "%.3f", "%2.4f"};
  const char* format = formats[state.range(0)];
  double v = 0.0016;
  for (auto _ : state) {
    benchmark::DoNotOptimize(setrix::FormatNumber(format, v));
    v += 1.25;
  }
  state.SetLabel(format);
}
BENCHMARK(BM_FormatNumber)->DenseRange(0, 2);

}  // namespace
