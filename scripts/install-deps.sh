#!/usr/bin/env bash
# Installs every Debian package that building, testing and running Vortel needs; skips what is present.
set -euo pipefail

packages=(
  g++ cmake ninja-build pkg-config clang
  libfontconfig-dev libfreetype-dev libharfbuzz-dev libfribidi-dev libcairo2-dev libpng-dev libjpeg62-turbo-dev libgif-dev libdeflate-dev
  libpixman-1-dev libexpat1-dev libbrotli-dev zlib1g-dev  # their static archives go into vortel-cli
  nlohmann-json3-dev libgtest-dev libbenchmark-dev
  qt6-base-dev qt6-translations-l10n qt6-l10n-tools qt6-tools-dev  # lupdate, lrelease and their CMake functions
  fonts-liberation fonts-dejavu-core fontconfig
  fonts-noto-core fonts-noto-cjk fonts-noto-color-emoji libharfbuzz-bin  # text in every script; hb-view for the shaping check
  poppler-utils
  desktop-file-utils shared-mime-info lintian dpkg-dev
  python3-pil python3-numpy  # bench/look.py: pictures scaled down, transparent ones over a checkerboard
  python3-dev pybind11-dev python3-pybind11  # the Python module (python/); its tests use numpy and PIL
  python3-distributed        # python3 -m vortel.dask: rendering a job file on a Dask cluster, and its tests
  libcpp-httplib-dev         # vortel-server
  chromium nodejs            # the page's browser test (puppeteer-core from the npm registry drives chromium)
  imagemagick linux-perf     # bench/side-by-side.sh: the peer renderer, and profiles
  apache2-utils              # bench/server-load.py: ab, the load on vortel-server
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
# Debian's nodejs comes without npm, which is a package of its own there; other builds of nodejs
# bring it along.
if ! command -v npm >/dev/null && ! dpkg-query -W -f='${Status}' npm 2>/dev/null | grep -q "install ok installed"; then
  missing+=(npm)
fi
if [ ${#missing[@]} -eq 0 ]; then
  echo "All build packages are present."
  exit 0
fi

sudo=""
if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
echo "Installing: ${missing[*]}"
$sudo apt-get update
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
