#!/bin/sh
# Builds the fuzz targets (clang, libFuzzer, AddressSanitizer, UBSan) in build/fuzz and runs
# each on its seed corpus; fails when any target finds a crash, a leak or a broken invariant.
#
#   fuzz/run.sh                    every target for 30 seconds
#   fuzz/run.sh -t 600             every target for 10 minutes
#   fuzz/run.sh -n 1000000 dc      the dc target for 10^6 inputs
#
# New inputs that reach new code go to build/fuzz/corpus/<target> (the committed seeds in
# fuzz/corpus stay as they are); a finding is written to build/fuzz/findings/<target>/ and
# replayed with: build/fuzz/fuzz/fuzz_<target> build/fuzz/findings/<target>/crash-...
set -eu

cd "$(dirname "$0")/.."
seconds=30
runs=
while getopts t:n: opt; do
  case $opt in
    t) seconds=$OPTARG ;;
    n) runs=$OPTARG ;;
    *) echo "usage: fuzz/run.sh [-t SECONDS | -n INPUTS] [TARGET...]" >&2; exit 2 ;;
  esac
done
shift $((OPTIND - 1))
targets=${*:-numbers frq dc images settings}

launcher=
command -v ccache >/dev/null 2>&1 && launcher=-DCMAKE_CXX_COMPILER_LAUNCHER=ccache
if [ ! -f build/fuzz/build.ninja ]; then
  cmake -S . -B build/fuzz -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_COMPILER=clang++ \
    -DSETRIX_FUZZ=ON -DSETRIX_BUILD_GUI=OFF -DSETRIX_BUILD_TESTS=OFF -DSETRIX_BUILD_BENCH=OFF \
    $launcher >build/fuzz-configure.log 2>&1 || { cat build/fuzz-configure.log; exit 1; }
fi
for t in $targets; do
  cmake --build build/fuzz -j2 --target "fuzz_$t" | grep -v '^\[' || true
  [ -x "build/fuzz/fuzz/fuzz_$t" ] || { echo "fuzz_$t was not built" >&2; exit 1; }
done

failed=
for t in $targets; do
  corpus=build/fuzz/corpus/$t
  findings=build/fuzz/findings/$t
  mkdir -p "$corpus" "$findings"
  if [ -n "$runs" ]; then limit=-runs=$runs; else limit=-max_total_time=$seconds; fi
  # A single allocation beyond 256 MiB counts as a finding: no input may ask for that.
  if "build/fuzz/fuzz/fuzz_$t" "$limit" -max_len=4096 -timeout=10 -malloc_limit_mb=256 \
      -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix="$findings/" \
      "$corpus" "fuzz/corpus/$t" >"build/fuzz/$t.log" 2>&1; then
    echo "fuzz_$t: $(grep -E '^stat::number_of_executed_units' "build/fuzz/$t.log" | awk '{print $2}') inputs, no finding"
  else
    echo "fuzz_$t: FINDING (log build/fuzz/$t.log, input in $findings/)" >&2
    grep -E 'ERROR|invariant broken|runtime error|SUMMARY' "build/fuzz/$t.log" | head -5 >&2 || true
    failed="$failed $t"
  fi
done
[ -z "$failed" ] || { echo "fuzz targets with findings:$failed" >&2; exit 1; }
