#!/usr/bin/env bash
# Builds the benchmarks (Release) and prints each figure beside its floor.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
"$here/deps.sh"
cd "$here/.."
BUILD_DIR=build-bench "$here/build.sh" -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF
out=$(mktemp)
build-bench/bench/vespin_bench --benchmark_min_time=0.5 --benchmark_repetitions=5 \
  --benchmark_report_aggregates_only=true --benchmark_format=json >"$out"
python3 "$here/bench_table.py" "$out"
python3 "$here/startup_bench.py" build-bench 30
rm -f "$out"
