// The PDF engine: the two-page reference document built and saved in memory.
// `pdf_bench --dump FILE` writes that document to FILE instead of measuring, so that its
// bytes can be compared before and after a change.
#include <benchmark/benchmark.h>

#include <cstring>
#include <fstream>
#include <iostream>

#include "bench/two_page_document.h"

namespace {

void BM_TwoPageDocument(benchmark::State& state) {
  const setrix::raster::Bitmap board = setrix::bench::TwoPageBoard();
  std::string file;
  for (auto _ : state) {
    setrix::bench::WriteTwoPageDocument(board, file);
    benchmark::DoNotOptimize(file.data());
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * static_cast<std::int64_t>(file.size()));
}
BENCHMARK(BM_TwoPageDocument);

}  // namespace

int main(int argc, char** argv) {
  if (argc == 3 && std::strcmp(argv[1], "--dump") == 0) {
    std::string file;
    setrix::bench::WriteTwoPageDocument(setrix::bench::TwoPageBoard(), file);
    std::ofstream out(argv[2], std::ios::binary);
    out << file;
    if (!out.flush()) {
      std::cerr << "pdf_bench: --dump: cannot write " << argv[2] << "\n";
      return 1;
    }
    return 0;
  }
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
