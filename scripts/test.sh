#!/usr/bin/env bash
# Installs what is missing, then builds and runs every test: the release build, the
# AddressSanitizer + UndefinedBehaviorSanitizer build, and a short run of every fuzz target.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
jobs=$(nproc)
cmake --preset release
cmake --build --preset release -j "$jobs"
ctest --preset release -j "$jobs"
cmake --preset asan
cmake --build --preset asan -j "$jobs"
ctest --preset asan -j "$jobs"
# Every reader of outside bytes, fuzzed briefly from its seeds (ASan+UBSan, clang).
bash scripts/fuzz-smoke.sh
