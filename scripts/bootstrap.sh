#!/usr/bin/env bash
# Installs, only when missing, every Debian package the build, the program and the tests need.
# Quiet when everything is already there.
set -euo pipefail

PACKAGES=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools libgl-dev
  nlohmann-json3-dev libcli11-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  qpdf poppler-utils
  libfontconfig-dev fonts-liberation fonts-urw-base35
  xvfb xauth
  ccache clang libclang-rt-14-dev
  libcsv-dev libqrencode-dev qt6-translations-l10n
  scdoc lintian desktop-file-utils appstream librsvg2-bin
  python3-jsonschema zbar-tools clang-format
)

missing=()
for p in "${PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing missing packages: ${missing[*]}"
if [ "$(id -u)" -eq 0 ]; then
  SUDO=""
elif command -v sudo >/dev/null 2>&1 && sudo -n true 2>/dev/null; then
  SUDO="sudo"
else
  echo "Cannot install packages: not root and no password-less sudo." >&2
  echo "Run as root:  apt-get update && apt-get install -y ${missing[*]}" >&2
  exit 1
fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
