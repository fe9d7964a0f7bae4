#!/usr/bin/env bash
# Builds everything and runs every test: formatting, the whole suite, the kernel
# test built for ARM64 under emulation, the suite again under AddressSanitizer and
# UndefinedBehaviorSanitizer and without the desktop program under
# ThreadSanitizer, and each fuzz target over its corpus.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
cd "$here"
bash scripts/install-deps.sh
jobs=$(nproc)
export QT_QPA_PLATFORM=offscreen

echo "== Formatting"
git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run --Werror

# Both ctest runs leave their summaries here for the closing line.
summary=$(mktemp)
trap 'rm -f "$summary"' EXIT

echo "== Tests"
bash scripts/configure.sh build
ctest --test-dir build --output-on-failure --parallel "$jobs" | tee -a "$summary"

bash scripts/check-package.sh build

echo "== Substitution kernels on ARM64, under qemu-user"
bash scripts/check-kernels-arm64.sh build-arm64

echo "== Tests under AddressSanitizer and UndefinedBehaviorSanitizer"
bash scripts/configure.sh build-sanitize -DVW_SANITIZE=ON -DVW_BUILD_BENCH=OFF
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  LSAN_OPTIONS=suppressions="$here/scripts/lsan.supp" \
  ctest --test-dir build-sanitize --output-on-failure --parallel "$jobs" | tee -a "$summary"

# The payload is shared by two threads: the suite without the desktop program,
# again under ThreadSanitizer.
echo "== Tests under ThreadSanitizer"
bash scripts/configure.sh build-tsan -DVW_BUILD_GUI=OFF -DVW_BUILD_BENCH=OFF \
  -DCMAKE_CXX_FLAGS="-fsanitize=thread -O1 -g" -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=thread"
TSAN_OPTIONS=halt_on_error=1 \
  ctest --test-dir build-tsan --output-on-failure --parallel "$jobs" | tee -a "$summary"

echo "== Fuzz targets over their corpora"
bash scripts/fuzz.sh replay

# Any failure has ended the script above, so every counted test passed.
passed=$(grep -o 'tests failed out of [0-9]*' "$summary" | awk '{s += $NF} END {print s + 0}')
echo "== Done"
echo "$passed passed, 0 failed"

