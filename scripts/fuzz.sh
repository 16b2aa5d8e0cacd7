#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and address/undefined sanitizers
# into build-fuzz/ and runs them.
#   fuzz.sh smoke                      a short run of every target (part of the tests)
#   fuzz.sh run SECONDS [TARGET...]    a longer run of every target (or the ones
#                                      named), reporting executions
#   fuzz.sh runs N SECONDS [TARGET...] each target until N executions or
#                                      SECONDS have passed, whichever comes first
set -euo pipefail
top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
mode=${1:-smoke}
runs=
case $mode in
  smoke) shift $(($# > 0 ? 1 : 0)) ;;
  run) seconds=${2:-60}; shift $(($# > 1 ? 2 : $#)) ;;
  runs) runs=${2:?number of executions}; seconds=${3:?seconds}; shift 3 ;;
  *) echo "usage: fuzz.sh smoke | run SECONDS [TARGET...] | runs N SECONDS [TARGET...]" >&2; exit 2 ;;
esac
san="-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=undefined"

cmake -S "$top" -B "$top/build-fuzz" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_CXX_FLAGS="$san" \
  -DLW_BUILD_TESTS=OFF -DLW_BUILD_BENCH=OFF -DLW_BUILD_FUZZ=ON >/dev/null
targets=${*:-$(find "$top/fuzz" -mindepth 2 -name CMakeLists.txt -exec dirname {} \; | xargs -r -n1 basename | sort)}
[ -n "$targets" ] || { echo "no fuzz targets"; exit 0; }
cmake --build "$top/build-fuzz" -j2 --target $targets

export ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
for t in $targets; do
  corpus="$top/build-fuzz/corpus/$t"
  mkdir -p "$corpus"
  seeds="$top/fuzz/$t/seeds"
  [ -d "$seeds" ] || seeds=""
  if [ "$mode" = smoke ]; then
    args=(-runs=20000 -max_len=4096)
  else
    args=(-max_total_time="$seconds" -max_len=65536 ${runs:+-runs=$runs})
  fi
  echo "== $t"
  log="$top/build-fuzz/$t.log"
  if ! "$top/build-fuzz/fuzz/$t/$t" "${args[@]}" -artifact_prefix="$top/build-fuzz/$t-" -print_final_stats=1 "$corpus" $seeds >"$log" 2>&1; then
    tail -n 60 "$log"
    echo "fuzz target $t failed"
    exit 1
  fi
  grep -E '^stat::(number_of_executed_units|peak_rss_mb)' "$log" || true
done
