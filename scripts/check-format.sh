#!/usr/bin/env bash
# Fails when a C++ file differs from the project's clang-format settings.
set -euo pipefail
cd "$(dirname "$0")/.."
mapfile -t files < <(git ls-files '*.cpp' '*.h' 2>/dev/null || find src tests bench tools fuzz -name '*.cpp' -o -name '*.h')
clang-format --dry-run -Werror "${files[@]}"
echo "Formatting: ${#files[@]} files match .clang-format."
