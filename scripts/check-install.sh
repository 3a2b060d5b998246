#!/usr/bin/env bash
# Checks the program as it is installed, not only as it is built: a Release build with
# warnings as errors, the Debian package, and the installed tree unpacked into a scratch
# root, from which both programs run; the desktop entry, the AppStream data and the
# package itself are validated.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/bootstrap.sh

BUILD=${SETRIX_RELEASE_BUILD:-build/release}
LAUNCHER=()
command -v ccache >/dev/null 2>&1 && LAUNCHER=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
JOBS=${SETRIX_JOBS:-$(nproc)}

step() { printf '\n== %s\n' "$*"; }

step "Release build, warnings as errors"
cmake -S . -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_COMPILE_WARNING_AS_ERROR=ON \
  "${LAUNCHER[@]}" >/dev/null
cmake --build "$BUILD" -j "$JOBS"

step "Debian package"
rm -f "$BUILD"/setrix_*.deb
cmake --build "$BUILD" --target package >/dev/null
shopt -s nullglob
debs=("$BUILD"/setrix_*.deb)
[ ${#debs[@]} -eq 1 ] || { echo "expected one setrix_*.deb in $BUILD, found ${#debs[@]}" >&2; exit 1; }
DEB=${debs[0]}
version=$(sed -n 's/^project(setrix VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
arch=$(dpkg --print-architecture)
[ "$(basename "$DEB")" = "setrix_${version}_${arch}.deb" ] ||
  { echo "package file $(basename "$DEB"), expected setrix_${version}_${arch}.deb" >&2; exit 1; }
dpkg-deb --info "$DEB" | sed -n 's/^ \(Package\|Version\|Architecture\|Depends\|Section\|Priority\|Maintainer\):/\1:/p'

ROOT=$(mktemp -d)
trap 'rm -rf "$ROOT"' EXIT
dpkg-deb -x "$DEB" "$ROOT"
for f in usr/bin/setrix usr/bin/setrix-cli \
         usr/share/applications/example.zantrel.setrix.desktop \
         usr/share/metainfo/example.zantrel.setrix.metainfo.xml \
         usr/share/icons/hicolor/scalable/apps/example.zantrel.setrix.svg \
         usr/share/icons/hicolor/48x48/apps/example.zantrel.setrix.png \
         usr/share/man/man1/setrix.1.gz usr/share/man/man1/setrix-cli.1.gz \
         usr/share/bash-completion/completions/setrix-cli \
         usr/share/doc/setrix/copyright usr/share/doc/setrix/changelog.gz; do
  [ -e "$ROOT/$f" ] || { echo "missing from the package: /$f" >&2; exit 1; }
done

step "The installed programs"
"$ROOT/usr/bin/setrix-cli" --version
"$ROOT/usr/bin/setrix" --version
[ "$("$ROOT/usr/bin/setrix-cli" --version)" = "setrix-cli $version" ]
[ "$("$ROOT/usr/bin/setrix" --version)" = "setrix $version" ]
"$ROOT/usr/bin/setrix" --help | grep -q -- '--settings FILE'
! "$ROOT/usr/bin/setrix" --help | grep -q Wartungstor
"$ROOT/usr/bin/setrix-cli" --help | grep -q '^Usage: setrix-cli '

scripts/check-completion.sh "$ROOT/usr/share/bash-completion/completions/setrix-cli" "$ROOT/usr/bin/setrix-cli"

pdf=$ROOT/check.pdf
"$ROOT/usr/bin/setrix-cli" thermo --type K --start 0 --end 400 --output 4-20mA --filter on \
  --pdf "$pdf" --note "check" --date 24.12.2026 >/dev/null
qpdf --check "$pdf" >/dev/null
pdftotext "$pdf" - | grep -q 'ZOR THERMO'
echo "PDF document: $(pdfinfo "$pdf" | sed -n 's/^Pages: *//p') page(s), qpdf --check passed"

# The desktop program for a few seconds, offscreen, with its own settings file; it must
# still be running when it is stopped.
export QT_QPA_PLATFORM=offscreen
"$ROOT/usr/bin/setrix" --settings "$ROOT/check.ini" >"$ROOT/setrix.log" 2>&1 &
pid=$!
sleep 4
if ! kill -0 "$pid" 2>/dev/null; then
  wait "$pid" || true
  echo "setrix ended by itself:" >&2
  cat "$ROOT/setrix.log" >&2
  exit 1
fi
kill -TERM "$pid"
wait "$pid" || true
echo "setrix ran offscreen for 4 seconds"

step "Desktop entry and AppStream data"
desktop-file-validate "$ROOT/usr/share/applications/example.zantrel.setrix.desktop"
appstreamcli validate --no-net "$ROOT/usr/share/metainfo/example.zantrel.setrix.metainfo.xml"

step "lintian"
# Errors fail the check; the warnings that are accepted are listed, with their reasons,
# in packaging/debian/lintian-overrides (installed with the package).
lintian --fail-on error,warning --no-tag-display-limit "$DEB"
echo "lintian: no errors, no warnings beyond the accepted ones"
