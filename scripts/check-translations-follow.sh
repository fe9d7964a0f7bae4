#!/bin/sh
# Usage: check-translations-follow.sh TS_FOLDER LUPDATE [OPTION...]
# Runs lupdate, as the build's update_translations does, over copies of every
# .ts in TS_FOLDER. Any change is a text added, changed or removed in the sources
# that the translations do not know of yet, which the program would show in English.
set -eu
folder=$1
shift
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$folder"/vaultwise_*.ts "$work"/
"$@" -ts "$work"/vaultwise_*.ts >/dev/null
for ts in "$folder"/vaultwise_*.ts; do
  name=$(basename "$ts")
  if ! cmp -s "$ts" "$work/$name"; then
    echo "$name does not follow the sources (cmake --build BUILD --target update_translations):"
    diff "$ts" "$work/$name" | head -20
    exit 1
  fi
done
