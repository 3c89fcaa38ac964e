#!/usr/bin/env bash
# Builds the Debian package from the normal build (build/, built first when it is not there):
#   scripts/package.sh           prints the package's path
#   scripts/package.sh --check   then checks it without installing it: the desktop entry and the
#                                metainfo validate, lintian finds no error, the package holds
#                                what the desktop needs, depends on a Japanese font and Qt's
#                                catalogue, its binaries are hardened, and the vpxtool inside it runs
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
cd "$here/.."
build=${BUILD_DIR:-build}
"$here/deps.sh"
[ -f "$build/CPackConfig.cmake" ] || BUILD_DIR=$build "$here/build.sh"
cmake --build "$build"
rm -f "$build"/vespin_*.deb
(cd "$build" && cpack -G DEB >/dev/null)
deb=$(ls "$build"/vespin_*.deb)
echo "$deb"
[ "${1:-}" = "--check" ] || exit 0

id=$(sed -n 's/^set(VESPIN_APP_ID \(.*\))$/\1/p' CMakeLists.txt)
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg-deb -x "$deb" "$root"
desktop-file-validate "$root/usr/share/applications/$id.desktop"
appstreamcli validate --no-net --explain "$root/usr/share/metainfo/$id.metainfo.xml" >/dev/null
lintian --fail-on error "$deb"
for f in usr/bin/vespin usr/bin/vpxtool etc/vespin/vespin.ini \
         usr/share/mime/packages/$id.xml usr/share/icons/hicolor/scalable/apps/$id.svg \
         usr/share/icons/hicolor/48x48/apps/$id.png \
         usr/share/icons/hicolor/256x256/mimetypes/application-x-vespin-document.png \
         usr/share/man/man1/vespin.1.gz usr/share/man/man1/vpxtool.1.gz; do
  [ -s "$root/$f" ] || { echo "missing in the package: /$f" >&2; exit 1; }
done
[ "$(dpkg-deb -f "$deb" Depends | grep -c libqt6widgets6)" = 1 ] || { echo "no Qt in Depends" >&2; exit 1; }
dpkg-deb -f "$deb" Depends | grep -q libqt6svg6 || { echo "no SVG plugins in Depends" >&2; exit 1; }
dpkg-deb -f "$deb" Depends | grep -q fonts-ipafont-gothic || { echo "no Japanese font in Depends" >&2; exit 1; }
dpkg-deb -f "$deb" Depends | grep -q qt6-translations-l10n || { echo "no Qt catalogue in Depends" >&2; exit 1; }
# Built as Debian hardens its packages: lintian names any binary without it.
hardening=$(lintian --display-info --tags hardening-no-relro,hardening-no-bindnow,hardening-no-fortify-functions,hardening-no-pie "$deb" || true)
[ -z "$hardening" ] || { echo "$hardening" >&2; exit 1; }
dpkg-deb --ctrl-tarfile "$deb" | tar -xO ./conffiles | grep -qx /etc/vespin/vespin.ini
# The tool as packaged: a book made, a year registered, a month's CSV from the shipped settings.
tool="$root/usr/bin/vpxtool"
"$tool" --version
ini="$root/etc/vespin/vespin.ini"
"$tool" --settings "$ini" new "$root/b.vpx"
"$tool" --settings "$ini" add-year "$root/b.vpx" 2026
"$tool" --settings "$ini" set-day "$root/b.vpx" 2026-05-07 出勤 08:30 17:45 >/dev/null
"$tool" --settings "$ini" csv "$root/b.vpx" 2026 5 "$root/may.csv"
echo "package checked"
