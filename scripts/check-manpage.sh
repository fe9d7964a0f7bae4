#!/usr/bin/env bash
# Fails when vw3(1) does not name a command or an option that `vw3 --help` or
# `vw3 COMMAND --help` shows, so the manual cannot fall behind the program.
# Usage: check-manpage.sh VW3_BINARY VW3_MANUAL
set -euo pipefail
vw3=$1
manual=$2

# The manual's words, with troff's escaped hyphens made plain.
words=$(sed -e 's/\\-/-/g' -e 's/\\f[BIRP]//g' "$manual" | tr -s ' \t[]|,()"' '\n')

# Commands: the first word of each line of the overview's "Commands:" block.
commands=$("$vw3" --help | sed -n '/^Commands:/,/^$/p' | awk 'NR > 1 && NF {print $1}')
[ -n "$commands" ] || { echo "no commands found in vw3 --help" >&2; exit 1; }

help_texts=$("$vw3" --help)
for command in $commands; do
  help_texts+=$'\n'$("$vw3" "$command" --help)
done
# Option tokens: -x, --word-word, and the bare "--".
options=$(grep -oE '(^|[][ ,(])--?[a-zA-Z][a-zA-Z-]*|(^| )--( |$)' <<<"$help_texts" |
  sed -E 's/^[][ ,(]//; s/ //g' | sort -u)

missing=0
for token in $commands $options; do
  if ! grep -qxF -- "$token" <<<"$words"; then
    echo "vw3(1) does not mention $token" >&2
    missing=1
  fi
done
exit "$missing"
