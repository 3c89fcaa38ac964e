#!/usr/bin/env bash
# Every C++ file of the project in the style of .clang-format.
#   scripts/format.sh          rewrites the files that do not follow it
#   scripts/format.sh --check  lists them and fails (CI), changing nothing
set -euo pipefail
cd "$(dirname "$0")/.."
format=${CLANG_FORMAT:-clang-format-14}
mapfile -t files < <(git ls-files -- '*.cpp' '*.h')
if [ "${1:-}" = "--check" ]; then
  bad=()
  for f in "${files[@]}"; do
    "$format" --dry-run --Werror "$f" >/dev/null 2>&1 || bad+=("$f")
  done
  if [ ${#bad[@]} -ne 0 ]; then
    printf 'Not in the style of .clang-format (scripts/format.sh rewrites them):\n' >&2
    printf '  %s\n' "${bad[@]}" >&2
    exit 1
  fi
else
  "$format" -i "${files[@]}"
fi
