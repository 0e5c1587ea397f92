#!/usr/bin/env bash
# Installs the Debian packages Orvane needs to build, test and run; skips what is there.
set -euo pipefail

packages=(
  g++ make cmake pkg-config git clang-format
  clang libclang-rt-14-dev llvm
  qt6-base-dev qt6-base-dev-tools qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools
  qt6-qpa-plugins libgl-dev
  qt6-translations-l10n
  libgtest-dev libgmock-dev libbenchmark-dev
  unifont fonts-dejavu-core fonts-liberation
  xvfb xauth
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
if [ "$(id -u)" -ne 0 ]; then
  sudo="sudo"
fi
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
