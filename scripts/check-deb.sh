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
# The Python module, where the build has it (python3-dev and pybind11-dev installed).
python_module=0
ninja -C build -t targets all | grep -q '^_vortel:' && targets+=(_vortel) && python_module=1
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
if [ "$python_module" -eq 1 ]; then
  for path in ./usr/lib/python3/dist-packages/vortel/__init__.py ./usr/lib/python3/dist-packages/vortel/__init__.pyi \
              ./usr/lib/python3/dist-packages/vortel/py.typed ./usr/lib/python3/dist-packages/vortel/dask.py; do
    grep -qx "$path" <<<"$contents" || { echo "missing: $path"; missing=1; }
  done
  grep -q '^\./usr/lib/python3/dist-packages/vortel/_vortel\..*\.so$' <<<"$contents" || { echo "missing: the Python module"; missing=1; }
fi
depends=$(dpkg-deb --field "$deb" Depends)
for lib in libqt6widgets6 libcairo2 libfreetype6 libharfbuzz0b libjpeg62-turbo fonts-liberation; do
  grep -q "$lib" <<<"$depends" || { echo "not a dependency: $lib"; missing=1; }
done
unpacked=$(mktemp -d)
trap 'rm -rf "$unpacked"' EXIT
dpkg-deb --extract "$deb" "$unpacked"
readelf -d "$unpacked/usr/bin/vortel" | grep -q 'RUNPATH.*\$ORIGIN/../lib/vortel' || { echo "vortel does not find its library"; missing=1; }
if [ "$python_module" -eq 1 ]; then
  # The module as the system's Python loads it from the package, finding the stock-image library
  # through its run path.
  PYTHONPATH="$unpacked/usr/lib/python3/dist-packages" LD_LIBRARY_PATH="" /usr/bin/python3 -c \
    'import sys, vortel, vortel.dask; sys.exit(0 if vortel.resources() and vortel.render({"size": "8x8"}).shape == (8, 8, 3) else 1)' ||
    { echo "the packaged Python module does not load"; missing=1; }
fi
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
