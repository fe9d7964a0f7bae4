#!/usr/bin/env bash
# Builds with coverage in build-coverage, runs the whole suite there and prints
# the line and function coverage of the program folders (tests, benchmarks and
# fuzz targets excluded) and the ratio of test lines to program lines.
# Usage: coverage.sh [BUILD_DIR]   (default: build-coverage)
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
cd "$here"
bash scripts/install-deps.sh
build=${1:-build-coverage}

# Counters of an earlier run would add up with this one's.
[ -d "$build" ] && find "$build" -name '*.gcda' -delete
bash scripts/configure.sh "$build" -DCMAKE_BUILD_TYPE=Debug -DVW_BUILD_BENCH=OFF \
  -DCMAKE_CXX_FLAGS=--coverage -DCMAKE_EXE_LINKER_FLAGS=--coverage \
  -DCMAKE_SHARED_LINKER_FLAGS=--coverage
QT_QPA_PLATFORM=offscreen ctest --test-dir "$build" --output-on-failure --parallel "$(nproc)" | tail -n 3

programs='(common|engine|package|search|shell|ui|cli)/'
# gcov's warnings (files it cannot place, the compiler probe) go to gcovr.log.
echo "== Coverage of the program"
gcovr --root "$here" --object-directory "$build" --filter "$here/$programs" \
  --print-summary --txt "$build/coverage.txt" 2>"$build/gcovr.log" |
  grep -E '^(lines|functions):'

# Non-blank lines of C++ under the given folders, tracked or new but not ignored.
count() { git ls-files -co --exclude-standard | grep -E '\.(cpp|h)$' | grep -E "$1" | xargs -r cat | grep -cv '^\s*$'; }
tests=$(count '^(tests|fuzz)/')
code=$(count '^(common|engine|package|search|ui|shell|cli)/')
echo "tests: $tests lines, program: $code lines, ratio: $(awk -v t="$tests" -v c="$code" 'BEGIN { printf "%.2f", t / c }')"
