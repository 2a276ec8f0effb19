#!/usr/bin/env bash
# Times the freshly built vortel-cli against the shared ImageMagick peer scripts, whole process
# against whole process, and prints the ratio table (peer time / ours; above 1 means ours is faster).
#   bench/side-by-side.sh [BUILD_DIR] [extra side-by-side.py options, e.g. -n 9 --only b_bevel]
# Needs ImageMagick (/usr/bin/convert, Debian's imagemagick package) and the peers folder, found at
# $VORTEL_PEERS or ../shared/peers beside the source tree.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-$here/build}"
[ $# -gt 0 ] && shift
peers="${VORTEL_PEERS:-$here/../shared/peers}"
cli="$build/bin/vortel-cli"
[ -x "$cli" ] || { echo "no $cli: build vortel-cli first (ninja -C $build vortel-cli)" >&2; exit 1; }
[ -f "$peers/side-by-side.py" ] || { echo "no peer scripts at $peers (set VORTEL_PEERS)" >&2; exit 1; }
[ -x /usr/bin/convert ] || { echo "ImageMagick is missing: apt-get install imagemagick" >&2; exit 1; }
echo "machine load before the run: $(cut -d' ' -f1-3 /proc/loadavg)" >&2
python3 "$peers/side-by-side.py" "$cli" "$@"
