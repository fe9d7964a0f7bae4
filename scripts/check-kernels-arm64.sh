#!/usr/bin/env bash
# Builds the substitution kernels and their test for ARM64 with Debian's cross
# compiler and runs the test under qemu-user, so the NEON kernel is checked
# against the plain table on this x86-64 machine too.
# Usage: check-kernels-arm64.sh [output folder]   (default build-arm64)
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
out=${1:-$here/build-arm64}
gtest=/usr/src/googletest/googletest
mkdir -p "$out"
aarch64-linux-gnu-g++ -std=c++20 -O2 -static -pthread -Wall -Werror \
  -I"$gtest/include" -I"$gtest" -I"$here/kernels" \
  "$gtest/src/gtest-all.cc" "$gtest/src/gtest_main.cc" \
  "$here"/kernels/{SubstitutionKernel,KernelChoice,KernelAvx2,KernelVbmi,KernelNeon}.cpp \
  "$here/tests/engine/KernelTest.cpp" -o "$out/kernel_tests"
qemu-aarch64 "$out/kernel_tests"
