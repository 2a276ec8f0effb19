#!/usr/bin/env bash
# A newcomer's first two starts on a virtual X display: a copy of the program with no settings
# file at all starts (the tip window of a fresh profile comes up and is closed with Escape), is
# ended with Ctrl+Q and must write its settings; a second start reads them and must still be
# running five seconds later, its window where the first one left it. Screenshots in OUT.
# Not part of CI: it needs an X server.
#   bash tests/gui/second-start-xvfb.sh [path/to/vortel] [OUT]
set -euo pipefail
cd "$(dirname "$0")/../.."
program=$(realpath "${1:-build/bin/vortel}")
out=${2:-out/second-start}
settings=''
export LANGUAGE=en
source tests/gui/xvfb-start.sh
rm -f "$work/vortel.ini"  # no settings file: a fresh profile
fail() { echo "second-start: FAILED: $*" >&2; exit 1; }
shot() { xwd -root -silent > "$work/$1.xwd"; python3 tests/gui/xshot.py png "$work/$1.xwd" "$out/$1.png"; }

start_program
main=$(xdotool search --sync --onlyvisible --name 'Vortel - ' | head -1)
tip=$(xdotool search --sync --onlyvisible --name 'Tip of the Day' | head -1)
sleep 1
shot first-start
first_place=$(xdotool getwindowgeometry "$main" | grep -E 'Position|Geometry' | sed 's/ (screen.*//' | tr -s ' ' | paste -sd' ')
# Keys go through the XTEST extension to the focused window (keys sent to a window are ignored).
xdotool windowfocus --sync "$tip" key Escape
sleep 1
xdotool windowfocus --sync "$main" key ctrl+q
for _ in $(seq 50); do kill -0 "$app" 2>/dev/null || break; sleep 0.1; done
kill -0 "$app" 2>/dev/null && fail "Ctrl+Q did not end the first start"
wait "$app" || fail "the first start ended with status $?"
[ -s "$work/vortel.ini" ] || fail "the first start wrote no settings"
grep -q '^Width=' "$work/vortel.ini" || fail "the settings hold no window size"
cp "$work/vortel.ini" "$out/written-by-the-first-start.ini"

"$work/vortel" >"$out/program-second.log" 2>&1 &
app=$!
main=$(xdotool search --sync --onlyvisible --name 'Vortel - ' | head -1)
sleep 5
kill -0 "$app" 2>/dev/null || fail "the second start ended: $(tail -3 "$out/program-second.log")"
shot second-start
second_place=$(xdotool getwindowgeometry "$main" | grep -E 'Position|Geometry' | sed 's/ (screen.*//' | tr -s ' ' | paste -sd' ')
[ "$first_place" = "$second_place" ] || fail "the window moved: $first_place, then $second_place"
echo "second-start: both starts passed ($second_place); screenshots in $out"
