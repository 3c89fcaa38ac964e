#!/usr/bin/env bash
# Installs what is missing, builds, and starts ヴェスピン (arguments: a book to open).
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
"$here/deps.sh"
"$here/build.sh"
exec "$here/../build/app/vespin" "$@"
