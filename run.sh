#!/usr/bin/env bash
# Installs what is missing, builds (Release) and starts the program; arguments go to the program.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/bootstrap.sh
BUILD=build/release
LAUNCHER=()
command -v ccache >/dev/null 2>&1 && LAUNCHER=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S . -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=Release "${LAUNCHER[@]}" >/dev/null
cmake --build "$BUILD" -j "$(nproc)"
if [ -x "$BUILD/app/setrix" ]; then
  exec "$BUILD/app/setrix" "$@"
fi
# Until the desktop program exists: a short demonstration of the command line.
CLI="$BUILD/cli/setrix-cli"
echo "\$ setrix-cli dc --in-min 4 --in-max 20 --in-unit mA --out-min 0 --out-max 10 --out-unit V --bandwidth 10Hz"
"$CLI" dc --in-min 4 --in-max 20 --in-unit mA --out-min 0 --out-max 10 --out-unit V --bandwidth 10Hz
