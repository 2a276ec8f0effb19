#!/usr/bin/env bash
# Installs what is missing, builds the release preset and starts the program with the default
# effect when a display is there; without one it renders the default effect to out/vortel.png.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake --preset release
cmake --build --preset release --target vortel vortel-cli
mkdir -p out
build/bin/vortel-cli render -o out/vortel.png
echo "The default effect is rendered in $(pwd)/out/vortel.png"
if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  echo "Starting the program: build/bin/vortel"
  exec build/bin/vortel
else
  echo "No display: start the program on a desktop with $(pwd)/build/bin/vortel"
fi
