#!/usr/bin/env bash
# The checks of .clang-tidy over the program's own files (not the tests), on a configured build
# (default build/, which scripts/test.sh makes). Fails on the first file with a finding.
#   scripts/tidy.sh         the core without Qt (framework/, model/, output/), as CI runs it
#   scripts/tidy.sh --all   every layer and the tool (a quarter of an hour on two cores)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${BUILD_DIR:-build}
tidy=${CLANG_TIDY:-clang-tidy-14}
if [ "${1:-}" = "--all" ]; then
  mapfile -t files < <(git ls-files -- 'framework/*.cpp' 'model/*.cpp' 'output/*.cpp' \
    'dialogs/*.cpp' 'views/*.cpp' 'app/*.cpp' 'tools/*.cpp')
else
  mapfile -t files < <(git ls-files -- 'framework/*.cpp' 'model/*.cpp' 'output/*.cpp' \
    ':!:framework/qt/*' ':!:output/qt/*')
fi
printf '%s\n' "${files[@]}" | xargs -P 2 -n 4 "$tidy" -p "$build" --quiet 2>/dev/null
