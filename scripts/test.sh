#!/usr/bin/env bash
# Builds everything and runs every test: formatting, the suite, and the suite again
# under AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
cd "$here"
bash scripts/install-deps.sh

echo "== Formatting"
git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run --Werror

echo "== Tests"
bash scripts/configure.sh build
QT_QPA_PLATFORM=offscreen ctest --test-dir build --output-on-failure --parallel "$(nproc)"
