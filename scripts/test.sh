#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test.
#   scripts/test.sh              the normal build (build/)
#   scripts/test.sh --sanitize   the same tests under AddressSanitizer and UBSan (build-asan/)
#   scripts/test.sh --no-gui     the core and vpxtool built without Qt, with their tests (build-nogui/)
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
"$here/deps.sh"
cd "$here/.."
if [ "${1:-}" = "--sanitize" ]; then
  export BUILD_DIR=build-asan
  "$here/build.sh" -DVESPIN_SANITIZE=ON -DVESPIN_BENCH=OFF -DCMAKE_BUILD_TYPE=Debug
  export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
elif [ "${1:-}" = "--no-gui" ]; then
  export BUILD_DIR=build-nogui
  "$here/build.sh" -DVESPIN_GUI=OFF -DVESPIN_BENCH=OFF
else
  export BUILD_DIR=build
  "$here/build.sh"
fi
export QT_QPA_PLATFORM=offscreen TZ=Asia/Tokyo LC_ALL=C.UTF-8
ctest --test-dir "$BUILD_DIR" --output-on-failure -j2
