#!/usr/bin/env bash
# Builds the program and starts it. Arguments go to the program.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
bash "$here/scripts/install-deps.sh"
bash "$here/scripts/configure.sh" "$here/build"
if [ -x "$here/build/ui/vaultwise" ]; then
  exec "$here/build/ui/vaultwise" "$@"
fi
exec "$here/build/cli/vw3" --help
