#!/usr/bin/env bash
# Installs what is missing, builds Orvane with its tests and runs every test.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/deps.sh"
"$root/scripts/check-format.sh"
"$root/scripts/build.sh"
cd "$root/build"
ctest -j"$(nproc)" --output-on-failure --timeout 300
