#!/usr/bin/env bash
# Installs what is missing, builds the release preset and renders the default effect.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake --preset release
cmake --build --preset release --target vortel-cli
mkdir -p out
build/bin/vortel-cli render -o out/vortel.png
echo "The default effect is rendered in $(pwd)/out/vortel.png"
