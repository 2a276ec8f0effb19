#!/usr/bin/env bash
# The live preview as a user sees it: the real program on a virtual X display opens a style with a
# bevel, and the bevel's Size slider is dragged by its handle with xdotool, one step every 50 ms,
# while the screen is dumped as fast as xwd allows (about every 100 ms). Writes the dumps as PNG
# and times.txt (seconds since the press, and whether the picture differs from the dump before)
# to OUT (default out/live-drag), and series.png: the dumps that changed side by side. Exits 1 when the picture did not
# change while the mouse button was still down. Not part of CI: it needs an X server.
#   bash tests/gui/live-drag-xvfb.sh [path/to/vortel] [OUT]
set -euo pipefail
cd "$(dirname "$0")/../.."
program=$(realpath "${1:-build/bin/vortel}")
cli=$(dirname "$program")/vortel-cli
out=${2:-out/live-drag}
shot_tool=tests/gui/xshot.py

export LANGUAGE=${LANGUAGE:-de}  # the slider's place is measured on the German window
settings='[Options]\nTipOfDay=0\nProfi=1\nLivePreview=1\n'
source tests/gui/xvfb-start.sh
rm -f "$out"/*.png "$out/times.txt"
"$cli" render --style 24 -o "$work/gold.vtl"
start_program "$work/gold.vtl"
wid=$(xdotool search --sync --name 'Vortel - gold.vtl' | head -1)
sleep 1
eval "$(xdotool getwindowgeometry --shell "$wid")"  # X, Y, WIDTH, HEIGHT
# The 3D Bevel tab, then the Size slider's handle (the style's size of 70 %).
xdotool mousemove --sync $(( X + 339 )) $(( Y + HEIGHT - 239 )) click 1
sleep 1
hx=$(( X + 439 )) hy=$(( Y + HEIGHT - 185 ))

start=$(date +%s.%N)
(
  xdotool mousemove --sync "$hx" "$hy" mousedown 1
  for dx in $(seq 0 2 50) $(seq 48 -4 -20); do xdotool mousemove "$(( hx - dx ))" "$hy"; sleep 0.05; done
  date +%s.%N > "$work/released"
  xdotool mouseup 1
) &
drag=$!
i=0
while kill -0 "$drag" 2>/dev/null || [ $i -lt 5 ]; do
  t=$(date +%s.%N)
  xwd -root -silent > "$work/$(printf '%03d' $i).xwd"
  echo "$i $t" >> "$work/stamps"
  i=$((i + 1))
  [ $i -ge 80 ] && break
done
wait "$drag"
sleep 1
xwd -root -silent > "$work/rest.xwd"

changed_while_down=0
prev=""
released=$(cat "$work/released")
while read -r n t; do
  f=$(printf '%03d' "$n")
  python3 "$shot_tool" png "$work/$f.xwd" "$out/$f.png"
  mark=same
  if [ -n "$prev" ] && python3 "$shot_tool" differ "$work/$prev.xwd" "$work/$f.xwd" $(( X + 80 )) $(( Y + 80 )) 460 220; then
    mark=changed
    if awk -v t="$t" -v r="$released" 'BEGIN { exit !(t < r) }'; then changed_while_down=$((changed_while_down + 1)); fi
  fi
  awk -v t="$t" -v s="$start" -v m="$mark" -v n="$f" 'BEGIN { printf "%s %.3f s %s\n", n, t - s, m }' >> "$out/times.txt"
  prev=$f
done < "$work/stamps"
python3 "$shot_tool" png "$work/rest.xwd" "$out/rest.png"
cat "$out/times.txt"
# The changed dumps side by side, the window's picture and its bevel page (needs PIL).
/usr/bin/python3 tests/gui/series.py "$out/series.png" "$out" "$X" "$Y" 640 440 || true
echo "the picture changed $changed_while_down times while the button was down"
[ "$changed_while_down" -gt 0 ]
