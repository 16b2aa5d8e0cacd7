#!/usr/bin/env bash
# Set-up, build, run every test, then a short smoke run of each fuzz target.
set -euo pipefail
top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
"$top/scripts/setup.sh"
QT_QPA_PLATFORM=offscreen ctest --test-dir "$top/build" --output-on-failure -j2
"$top/scripts/fuzz.sh" smoke
