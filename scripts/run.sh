#!/usr/bin/env bash
# Set-up, build, then start the program.
set -euo pipefail
top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
"$top/scripts/setup.sh"
exec "$top/build/bin/lernwendel"
