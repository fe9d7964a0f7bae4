#!/usr/bin/env bash
# Plants each fault of tests/mutants/ in turn and checks that a test catches it.
# Each patch there is one small realistic fault, named for it, whose first line
# says the test that must catch it ("Caught by: NAME", a ctest name). For each:
# the patch is applied to a copy of the work tree, the copy is built, the named
# test runs, and when it passes the whole suite runs; a fault no test catches is a
# survivor. A patch that no longer applies (the code moved on) or no longer builds
# is reported apart: write it anew against the code of today.
# Not part of .ci/run: every fault is a build of its own. What the suite does run
# is `--check`, which only says whether every patch still applies, so that a
# fault the code has moved away from is written anew before it is missed.
#
# Usage: scripts/mutants.sh [PATCH...]   (default: every patch in tests/mutants)
#        scripts/mutants.sh --check
# The copy and its build are kept in ${VW_MUTANTS_DIR:-/tmp/vaultwise-mutants}, so a
# second run builds only what the patches touch.
set -uo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
if [ "${1:-}" = --check ]; then
  stale=0
  for patch in "$here"/tests/mutants/*.patch; do
    if ! (cd "$here" && git apply --check "$patch" 2>/dev/null); then
      echo "$(basename "$patch") no longer applies: write it anew against the code of today"
      stale=1
    fi
  done
  exit $stale
fi
work=${VW_MUTANTS_DIR:-/tmp/vaultwise-mutants}
copy=$work/src
build=$work/build
started=$(date +%s)

# The copy holds the work tree as it is now, committed or not; a file that differs
# is copied with a new time, so the build takes it whatever a run left behind, and
# a file the work tree no longer has goes (a header left behind would be found
# before the one that moved).
mkdir -p "$copy"
(cd "$here" && git ls-files -co --exclude-standard -z) | while IFS= read -r -d '' f; do
  if ! cmp -s "$here/$f" "$copy/$f"; then
    mkdir -p "$(dirname "$copy/$f")" && cp "$here/$f" "$copy/$f"
  fi
done
comm -z -23 <(cd "$copy" && find . -type f -printf '%P\0' | sort -z) \
  <(cd "$here" && git ls-files -co --exclude-standard -z | sort -z) |
  while IFS= read -r -d '' f; do rm -f "$copy/$f"; done
if [ ! -f "$build/build.ninja" ]; then
  bash "$copy/scripts/configure.sh" "$build" -DVW_BUILD_BENCH=OFF >/dev/null || exit 1
fi
cmake --build "$build" >/dev/null || { echo "the work tree itself does not build" >&2; exit 1; }

patches=()
for patch in "${@:-$here/tests/mutants/*.patch}"; do
  for p in $patch; do patches+=("$copy/tests/mutants/$(basename "$p")"); done
done
killed=() survived=() stale=() broken=()
for patch in "${patches[@]}"; do
  name=$(basename "$patch" .patch)
  test=$(sed -n '1s/^Caught by: *//p' "$patch")
  t0=$(date +%s)
  if ! git -C "$copy" apply --check "$patch" 2>/dev/null; then
    stale+=("$name")
    echo "$name: no longer applies"
    continue
  fi
  git -C "$copy" apply "$patch"
  if ! cmake --build "$build" >"$work/build.log" 2>&1; then
    broken+=("$name")
    echo "$name: does not build (see $work/build.log)"
  elif ! ctest --test-dir "$build" -R "^${test}\$" --timeout 300 --output-on-failure \
       >"$work/$name.log" 2>&1 ||
       grep -q "No tests were found" "$work/$name.log"; then
    if grep -q "No tests were found" "$work/$name.log"; then
      broken+=("$name")
      echo "$name: no test is named '$test'"
    else
      killed+=("$name")
      echo "$name: caught by $test ($(($(date +%s) - t0)) s)"
    fi
  elif ! ctest --test-dir "$build" -j2 --timeout 300 >"$work/$name.log" 2>&1; then
    killed+=("$name")
    echo "$name: missed by $test, caught by: $(grep -o '[0-9]* - [^ ]* (Failed)' "$work/$name.log" | tr '\n' ' ')"
  else
    survived+=("$name")
    echo "$name: SURVIVED the whole suite ($(($(date +%s) - t0)) s)"
  fi
  git -C "$copy" apply -R "$patch"
done
cmake --build "$build" >/dev/null 2>&1  # back to the unplanted build for the next run

echo
echo "caught ${#killed[@]}, survived ${#survived[@]}: ${survived[*]:-none}"
echo "no longer apply ${#stale[@]}: ${stale[*]:-none}; do not build ${#broken[@]}: ${broken[*]:-none}"
echo "took $(($(date +%s) - started)) s"
[ ${#survived[@]} -eq 0 ] && [ ${#stale[@]} -eq 0 ] && [ ${#broken[@]} -eq 0 ]
