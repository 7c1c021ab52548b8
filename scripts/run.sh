#!/usr/bin/env bash
# Installs what is missing, builds, and starts the program: windows when a display is present,
# headless status lines otherwise. Extra arguments go to the program (see --help).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
bash "$root/scripts/build.sh"
exec "$root/build/src/wavelumina" "$@"
