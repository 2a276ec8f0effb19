#!/usr/bin/env bash
# Installs from the distribution folder as an ordinary user would, on a virtual X display: the real
# installer, driven with Enter (Next) through every page; then checks the desktop data, opens a
# document with the installed program, and runs the installed uninstaller. The user is "nobody"
# with a home of its own under a temporary folder, so nothing of the machine's own users is touched.
# Not part of CI: it needs Xvfb and xdotool, and root to switch to the user.
#   bash tests/installer/dist-install-xvfb.sh [build/dist/vortel-0.93] [document.vtl]
set -euo pipefail
cd "$(dirname "$0")/../.."
dist=$(realpath "${1:-build/dist/vortel-0.93}")
document=${2:-}
work=$(mktemp -d)
chmod 755 "$work"
home="$work/home"
mkdir -p "$home/.run" && chmod 700 "$home/.run" && chown -R nobody "$home"
cp -r "$dist" "$work/dist" && chmod -R a+rX "$work/dist"
display=:$(( 70 + RANDOM % 9 ))
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
cleanup() { kill "$xvfb" 2>/dev/null || true; rm -rf "$work"; }
trap cleanup EXIT
sleep 1
as_user() { runuser -u nobody -- env -i HOME="$home" XDG_RUNTIME_DIR="$home/.run" DISPLAY="$display" LANG=en_US.UTF-8 PATH=/usr/bin:/bin "$@"; }

as_user "$work/dist/installer" >"$work/installer.log" 2>&1 &
installer=$!
window=""
for _ in $(seq 50); do
  window=$(DISPLAY=$display xdotool search --onlyvisible --name "Installation Vortel" 2>/dev/null | tail -1) && [ -n "$window" ] && break
  sleep 0.2
done
[ -n "$window" ] || { echo "the wizard did not appear"; cat "$work/installer.log"; exit 1; }
for page in 110 120 130 150; do
  # No window manager: give the wizard the focus, then press Enter (its default button is Next).
  DISPLAY=$display xdotool windowfocus --sync "$window"
  sleep 0.5
  DISPLAY=$display xdotool key Return
  sleep 1
done
wait "$installer" || { echo "installer exit code $?"; cat "$work/installer.log"; exit 1; }
target="$home/.local/opt/vortel"
echo "installed files:"; ls "$target"
echo "menu data:"; (cd "$home" && find .local/share .config -type f | sort)
desktop-file-validate "$home/.local/share/applications/Vortel/"*.desktop "$home/.local/share/desktop-directories/vortel.directory" && echo "desktop-file-validate: no errors"
grep -H . "$home/.local/share/vortel/uninstall.ini" "$target/vortel.ini"
echo "the document type:"
grep -H "x-vortel" "$home/.local/share/mime/globs2" "$home/.local/share/applications/mimeinfo.cache"
if [ -d "$target/python/vortel" ]; then
  echo "the Python module beside the program:"
  as_user env PYTHONPATH="$target/python" /usr/bin/python3 -c \
    'import vortel, vortel.dask; p = vortel.render({"text": "Hallo", "size": "64x32", "presets": {"bevel": 3}}); print(vortel.__file__, p.shape, p.dtype)'
fi
if [ -n "$document" ]; then
  cp "$document" "$work/doc.vtl" && chmod a+r "$work/doc.vtl"
  as_user env QT_QPA_PLATFORM=offscreen "$target/vortel" "$work/doc.vtl" --screenshot-tour "$home/opened" 2>&1 | tail -1
  cp "$home/opened/main-2-text.png" /tmp/dist-opened.png && rm -rf "$home/opened" && echo "the opened document: /tmp/dist-opened.png"
fi
as_user env QT_QPA_PLATFORM=offscreen "$target/uninstall" --yes --quiet
rm -rf "$home/.run"
echo "left in the home after uninstalling:"; (cd "$home" && find . | sort)
