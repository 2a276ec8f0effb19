#!/usr/bin/env bash
# Writes the seed corpora of the document, style file and preview readers with vortel-cli:
#   bash fuzz/make_document_seeds.sh build/bin/vortel-cli
set -euo pipefail
cli=${1:-build/bin/vortel-cli}
here=$(cd "$(dirname "$0")" && pwd)
out=$here/corpus
mkdir -p "$out"/document "$out"/preview "$out"/style_{deform,bevel,color,shadow}
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

# A 6x4 texture as BMP, so one seed embeds a bitmap.
printf 'BM' >"$tmp/t.bmp"
python3 - "$tmp/t.bmp" <<'PY'
import struct, sys
w, h = 6, 4
row = (w * 3 + 3) // 4 * 4
pixels = b''.join(bytes((x * 40, y * 60, 200) * 1)[:3] for y in range(h) for x in range(w))
data = b''.join(pixels[y * w * 3:(y + 1) * w * 3] + b'\0' * (row - w * 3) for y in range(h))
header = struct.pack('<2sIHHIIiiHHIIiiII', b'BM', 54 + len(data), 0, 0, 54, 40, w, h, 1, 24, 0, len(data), 2835, 2835, 0, 0)
open(sys.argv[1], 'wb').write(header + data)
PY

small=(--size 40x20)
"$cli" render "${small[@]}" -o "$out/document/plain.vtl"
"$cli" render "${small[@]}" --text $'Zwei\nZeilen ☃' -o "$out/document/utf8_text.vtl"
"$cli" render "${small[@]}" --set 'BackFill={"FillKind":0}' --texture "0=$tmp/t.bmp" \
  --imprint "$tmp/t.bmp" -o "$out/document/bmp_texture_imprint.vtl"
"$cli" render "${small[@]}" --set 'TextFill={"FillKind":0}' --texture 1=:JPG_01 -o "$out/document/stock_texture.vtl"
"$cli" render "${small[@]}" \
  --set 'GuidePoints=[[[2,5],[20,1],[38,5]],[[38,5],[38,18]],[[2,18],[38,18]],[[2,5],[2,18]]]' \
  --set 'Shadow={"ShadowBlur":2,"ShadowX":2,"ShadowIntensity":0.5}' \
  --set 'Bevel={"Header":{"CustomProfile":1},"SegmentCount":1,"Points":[{"SegmentType":1,"Y":68},{"SegmentType":3,"X":90},{},{},{},{},{},{},{},{},{}]}' \
  -o "$out/document/guides_shadow_profile.vtl"
cp "$out"/document/plain.vtl "$out"/document/stock_texture.vtl "$out/preview/"

for kind in deform bevel color shadow; do
  "$cli" render "${small[@]}" -o "$out/style_$kind/default.$kind"
  "$cli" render "$out/document/guides_shadow_profile.vtl" -o "$out/style_$kind/changed.$kind"
done
echo "seeds written under $out"
