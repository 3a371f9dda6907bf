#!/usr/bin/env bash
# Fails, naming each place, when a tracked C++ file is not formatted as .clang-format says.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format --dry-run -Werror
echo "Formatting: every tracked .cpp and .h file is clean."
