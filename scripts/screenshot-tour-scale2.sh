#!/usr/bin/env bash
# The German screenshot tour at a device pixel ratio of 2 (QT_SCALE_FACTOR=2) into DIR (default
# docs/screenshots/scale2). The offscreen platform's screen is 1600 x 1200 device pixels here, so
# the window keeps the layout size it has in the tour at ratio 1 (800 x 600 layout pixels);
# the platform's own 800 x 600 would squeeze it.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
out="${1:-$root/docs/screenshots/scale2}"
config="$(mktemp --suffix=.json)"
trap 'rm -f "$config"' EXIT
cat >"$config" <<'EOF'
{ "screens": [ { "name": "tour", "x": 0, "y": 0, "width": 1600, "height": 1200,
                 "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1 } ] }
EOF
mkdir -p "$out"
QT_QPA_PLATFORM="offscreen:configfile=$config" QT_SCALE_FACTOR=2 LANGUAGE=de \
  "$root/build/bin/vortel" --screenshot-tour "$out"
rm -f "$out/print-page.pdf"  # the pictures only, as in the other tours
