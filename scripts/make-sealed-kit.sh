#!/usr/bin/env bash
# Makes the sealed test kit (tests/data/sealed-kit/*.vws) anew with its generator,
# tests/kit/SealedKit.cpp: the same bytes at every run, so a difference in git shows
# a change in how files are sealed. Its expected outcomes are in cases.txt there.
# Usage: make-sealed-kit.sh [BUILD_DIR]   (default: build, configured by configure.sh)
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$here/build}
cmake --build "$build" --target sealed_kit
"$build/tests/kit/sealed_kit" "$here/tests/data/sealed-kit"
