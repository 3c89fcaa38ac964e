#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each on the committed corpus.
#   scripts/fuzz.sh [SECONDS_PER_TARGET] [extra libFuzzer flags...]
# New inputs go to a scratch folder, so the committed corpus only changes by hand.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
cd "$here/.."
seconds=${1:-60}
shift || true
"$here/deps.sh"
for p in clang libclang-rt-14-dev; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing="${missing:-} $p"
done
if [ -n "${missing:-}" ]; then
  sudo=""; [ "$(id -u)" -ne 0 ] && sudo="sudo"
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends $missing
fi
CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DVESPIN_FUZZ=ON -DVESPIN_GUI=OFF \
  -DVESPIN_BENCH=OFF -DBUILD_TESTING=OFF -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build-fuzz
export ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
declare -A max_len=([load]=24000 [settings]=4096 [checks]=1024 [extension]=4096 [profile]=4096)
for target in load settings checks extension profile; do
  scratch=$(mktemp -d)
  echo "== fuzz_$target for ${seconds}s"
  log="$scratch.log"
  status=0
  build-fuzz/tests/fuzz/fuzz_$target -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 \
    -max_len="${max_len[$target]}" -print_final_stats=1 -artifact_prefix="build-fuzz/$target-" "$@" \
    "$scratch" "tests/fuzz/corpus/$target" >"$log" 2>&1 || status=$?
  grep -E '^(stat::number_of_executed_units|stat::peak_rss_mb)' "$log" || true
  rm -rf "$scratch"
  if [ "$status" -ne 0 ]; then
    tail -n 60 "$log"; rm -f "$log"
    echo "fuzz_$target found a problem (input saved under build-fuzz/)"; exit 1
  fi
  rm -f "$log"
done
