#!/usr/bin/env bash
# Builds the libFuzzer targets with clang in build-fuzz and either
#   replay        runs each target once over its committed corpus (no new inputs;
#                 what CI runs; fails on the first crash, leak or limit breach), or
#   run SECONDS   fuzzes each target for SECONDS on a scratch copy of its corpus;
#                 new inputs and crash files stay in the scratch folder.
# Environment: VW_FUZZ_TARGETS (default: all), VW_FUZZ_SCRATCH (default: a fresh
# folder under /tmp), VW_FUZZ_JOBS (build jobs).
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
cd "$here"

targets=(${VW_FUZZ_TARGETS:-record package wildcard sealed})
# A crafted count must fail cleanly, not make a target take gigabytes.
limits=(-malloc_limit_mb=256 -rss_limit_mb=512 -timeout=10)
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}

usage() {
  echo "usage: $0 replay | run SECONDS" >&2
  exit 2
}

build() {
  cmake -S . -B build-fuzz -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DVW_BUILD_FUZZ=ON \
    -DVW_BUILD_GUI=OFF -DVW_BUILD_TESTS=OFF -DVW_BUILD_BENCH=OFF >/dev/null
  ninja -C build-fuzz -j "${VW_FUZZ_JOBS:-$(nproc)}" "${targets[@]/#/fuzz_}"
}

replay() {
  local t
  for t in "${targets[@]}"; do
    echo "== fuzz_$t over fuzz/corpus/$t"
    # Inputs given as files are each run once; libFuzzer exits non-zero on a crash.
    build-fuzz/fuzz/fuzz_"$t" "${limits[@]}" fuzz/corpus/"$t"/*
  done
}

run() {
  local seconds=$1 scratch t
  scratch=${VW_FUZZ_SCRATCH:-$(mktemp -d /tmp/vwfuzz-XXXXXX)}
  for t in "${targets[@]}"; do
    mkdir -p "$scratch/$t/corpus" "$scratch/$t/artifacts"
    cp -n fuzz/corpus/"$t"/* "$scratch/$t/corpus/"
    echo "== fuzz_$t for $seconds s in $scratch/$t"
    # The scratch corpus comes first: new inputs go there, never into the repository.
    TMPDIR="$scratch/$t" build-fuzz/fuzz/fuzz_"$t" "${limits[@]}" -max_total_time="$seconds" \
      -print_final_stats=1 -artifact_prefix="$scratch/$t/artifacts/" "$scratch/$t/corpus"
  done
}

case "${1:-}" in
  replay) [ $# -eq 1 ] || usage; build; replay ;;
  run) [ $# -eq 2 ] || usage; build; run "$2" ;;
  *) usage ;;
esac
