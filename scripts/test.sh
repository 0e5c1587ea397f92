#!/usr/bin/env bash
# Installs what is missing, builds Orvane with its tests and runs every test;
# then the same tests again under AddressSanitizer and UndefinedBehaviorSanitizer
# (build-asan), and with clang a short run of each fuzz target.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/deps.sh"
"$root/scripts/check-format.sh"
"$root/scripts/build.sh"
(cd "$root/build" && ctest -j"$(nproc)" --output-on-failure --timeout 300)

# -O1 keeps the sanitized build and its tests quick; a report stops the test.
sanitized=(-DCMAKE_BUILD_TYPE=Debug "-DCMAKE_CXX_FLAGS_DEBUG=-O1 -g1"
  -DORVANE_SANITIZE=address,undefined)
fuzz=OFF
if command -v clang++ >/dev/null; then
  sanitized+=(-DCMAKE_CXX_COMPILER=clang++ -DORVANE_FUZZ=ON)
  fuzz=ON
fi
cmake -S "$root" -B "$root/build-asan" "${sanitized[@]}" >/dev/null
cmake --build "$root/build-asan" -j"$(nproc)"
if [ "$fuzz" = ON ]; then
  "$root/scripts/fuzz.sh" 30
fi
(cd "$root/build-asan" &&
  ASAN_OPTIONS=detect_leaks=1:check_initialization_order=1 \
  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  ctest -j"$(nproc)" --output-on-failure --timeout 300)
