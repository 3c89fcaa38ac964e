#!/usr/bin/env bash
# Fails when production files include each other in a circle. A file and its header count as
# one (booklock.cpp and booklock.h); each #include is an edge, and tsort reports any loop.
set -euo pipefail
cd "$(dirname "$0")/.."
grep -rE '^#include "[^"]+\.h"' --include='*.cpp' --include='*.h' app dialogs framework model output tools views |
  sed -E 's,^([^:]+)\.(cpp|h):#include "([^"]+)\.h".*,\1 \3,' |
  awk '$1 != $2' | tsort >/dev/null
