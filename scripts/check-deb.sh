#!/usr/bin/env bash
# Builds the Debian package from the release build and checks it without installing it: the files
# it must hold, its dependencies, the desktop entry, and lintian (errors fail, warnings are shown).
#   bash scripts/check-deb.sh            (uses build/, configured by the release preset)
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --preset release >/dev/null
targets=(vortel vortel-cli vortelres vortel_icons vortel_changelog)
# The packaged command line, built against the shared libraries where the build tree's is static.
ninja -C build -t targets all | grep -q '^vortel-cli-shared:' && targets+=(vortel-cli-shared)
cmake --build --preset release --target "${targets[@]}"
(cd build && cpack -G DEB >/dev/null)
deb=$(ls -t build/vortel_*_amd64.deb | head -1)
echo "checking $deb"
contents=$(dpkg-deb --contents "$deb" | awk '{print $6}')
missing=0
for path in ./usr/bin/vortel ./usr/bin/vortel-cli ./usr/lib/vortel/libvortelres.so \
            ./usr/share/applications/vortel.desktop ./usr/share/mime/packages/vortel.xml \
            ./usr/share/icons/hicolor/48x48/apps/vortel.png ./usr/share/icons/hicolor/128x128/apps/vortel.png \
            ./usr/share/icons/hicolor/48x48/mimetypes/application-x-vortel.png \
            ./usr/share/doc/vortel/copyright ./usr/share/doc/vortel/changelog.gz ./usr/share/doc/vortel/Handbuch.html; do
  grep -qx "$path" <<<"$contents" || { echo "missing: $path"; missing=1; }
done
depends=$(dpkg-deb --field "$deb" Depends)
for lib in libqt6widgets6 libcairo2 libfreetype6 libharfbuzz0b libjpeg62-turbo fonts-liberation; do
  grep -q "$lib" <<<"$depends" || { echo "not a dependency: $lib"; missing=1; }
done
unpacked=$(mktemp -d)
trap 'rm -rf "$unpacked"' EXIT
dpkg-deb --extract "$deb" "$unpacked"
readelf -d "$unpacked/usr/bin/vortel" | grep -q 'RUNPATH.*\$ORIGIN/../lib/vortel' || { echo "vortel does not find its library"; missing=1; }
if command -v desktop-file-validate >/dev/null; then desktop-file-validate "$unpacked/usr/share/applications/vortel.desktop"; fi
if command -v lintian >/dev/null; then
  report=$(lintian "$deb" 2>/dev/null || true)
  echo "${report:-lintian: no tags}"
  grep -q '^E:' <<<"$report" && missing=1
else
  echo "lintian is not installed (package lintian): skipped"
fi
[ "$missing" -eq 0 ] && echo "package ok: $deb"
exit "$missing"
