#!/usr/bin/env bash
# Installs the Debian packages the build, the program and the tests need, if any is missing.
set -euo pipefail
packages=(
  g++ cmake ninja-build pkg-config
  qt6-base-dev qt6-svg-dev libgl-dev qt6-l10n-tools qt6-translations-l10n fonts-ipafont-gothic
  libgtest-dev libgmock-dev nlohmann-json3-dev libbenchmark-dev libxxhash-dev
  xvfb xauth poppler-utils python3 libglib2.0-bin
  librsvg2-bin dpkg-dev file desktop-file-utils appstream lintian
  clang-format-14 clang-tidy-14
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
sudo=""
if [ "$(id -u)" -ne 0 ]; then
  if ! command -v sudo >/dev/null; then
    {
      echo "These Debian packages are missing and this user cannot install them (no sudo):"
      echo "  ${missing[*]}"
      echo "Install them as root, then run this again:"
      echo "  apt-get install --no-install-recommends ${missing[*]}"
    } >&2
    exit 1
  fi
  sudo="sudo"
fi
echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -q
$sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
