#!/usr/bin/env bash
# Builds the release preset and runs every benchmark program in it.
# Arguments are passed to each program (for example --benchmark_filter=Read).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake --preset release >/dev/null
cmake --build --preset release -j 2
for program in build-release/bench_*; do
  [ -x "$program" ] || continue
  echo "--- $(basename "$program") ---"
  "$program" "$@"
done
