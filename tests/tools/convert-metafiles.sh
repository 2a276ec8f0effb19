#!/usr/bin/env bash
# Opens the default effect's EMF, WMF and PDF exports in outside programs and checks that each
# renders to a PNG that is not blank: LibreOffice reads the metafiles, pdftoppm the PDF.
#
# NOT part of the CI run: it installs LibreOffice (several hundred MB) when it is missing and
# starts it once per file, which is far too heavy for every build. Run it by hand after changing
# the metafile or PDF writers, then look at the PNGs it leaves.
#
# Usage: tests/tools/convert-metafiles.sh [BUILD_DIR [OUT_DIR]]
#   BUILD_DIR  a configured build tree (default: build); document_tests is built in it
#   OUT_DIR    where the exports and PNGs go (default: a new temporary folder)
#
# The exports come from the document test MetafileExport.DefaultEffectIsDrawnInsideTheImage, which
# leaves them in the folder named by VORTEL_METAFILE_OUT.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
build="${1:-$root/build}"
out="${2:-$(mktemp -d -t vortel-metafiles.XXXXXX)}"
mkdir -p "$out"

install_missing() {
    local missing=()
    command -v soffice >/dev/null || missing+=(libreoffice-draw-nogui)
    command -v pdftoppm >/dev/null || missing+=(poppler-utils)
    [ ${#missing[@]} -eq 0 ] && return
    if [ "$(id -u)" -ne 0 ]; then
        echo "convert-metafiles: please install ${missing[*]} (needs root)" >&2
        exit 2
    fi
    apt-get update -qq
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# Fails unless the PNG exists and at least 0.2 % of its pixels are dark (the black outline) while
# most are not; prints the counts.
check_png() {
    python3 - "$1" <<'PY'
import struct, sys, zlib

path = sys.argv[1]
data = open(path, "rb").read()
if data[:8] != b"\x89PNG\r\n\x1a\n":
    sys.exit(f"{path}: not a PNG")
pos, idat, header = 8, b"", None
while pos < len(data):
    length, kind = struct.unpack(">I4s", data[pos:pos + 8])
    body = data[pos + 8:pos + 8 + length]
    if kind == b"IHDR":
        header = struct.unpack(">IIBBBBB", body)
    elif kind == b"IDAT":
        idat += body
    elif kind == b"PLTE":
        palette = [body[i:i + 3] for i in range(0, len(body), 3)]
    pos += 12 + length
width, height, depth, colour, _, _, interlace = header
if depth != 8 or interlace:
    sys.exit(f"{path}: depth {depth}, interlace {interlace} not handled by this check")
channels = {0: 1, 2: 3, 3: 1, 4: 2, 6: 4}[colour]
raw, stride = zlib.decompress(idat), width * channels
rows, prev = [], bytearray(stride)
for y in range(height):
    kind, line = raw[y * (stride + 1)], bytearray(raw[y * (stride + 1) + 1:(y + 1) * (stride + 1)])
    for i in range(stride):
        a = line[i - channels] if i >= channels else 0
        b, c = prev[i], prev[i - channels] if i >= channels else 0
        if kind == 1: line[i] = (line[i] + a) & 255
        elif kind == 2: line[i] = (line[i] + b) & 255
        elif kind == 3: line[i] = (line[i] + (a + b) // 2) & 255
        elif kind == 4:
            p = a + b - c
            pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
            line[i] = (line[i] + (a if pa <= pb and pa <= pc else b if pb <= pc else c)) & 255
    rows.append(line)
    prev = line
dark = 0
for line in rows:
    for x in range(width):
        px = line[x * channels:(x + 1) * channels]
        if colour == 3: px = palette[px[0]]
        grey = px[0] if colour in (0, 4) else (px[0] + px[1] + px[2]) // 3
        alpha = px[-1] if colour in (4, 6) else 255
        dark += alpha >= 128 and grey < 128
total = width * height
print(f"{path}: {width}x{height}, {dark} dark pixels of {total}")
if not (total * 0.002 <= dark <= total * 0.5):
    sys.exit(f"{path}: looks blank or wrong")
PY
}

install_missing
cmake --build "$build" --target document_tests -j2
VORTEL_METAFILE_OUT="$out" "$build/bin/document_tests" \
    --gtest_filter=MetafileExport.DefaultEffectIsDrawnInsideTheImage
# Both metafiles would convert to default.png: give each its own name first.
cp "$out/default.emf" "$out/default-emf.emf"
cp "$out/default.wmf" "$out/default-wmf.wmf"

profile="$(mktemp -d -t vortel-lo-profile.XXXXXX)"
trap 'rm -rf "$profile"' EXIT
for file in default-emf.emf default-wmf.wmf; do
    soffice "-env:UserInstallation=file://$profile" --headless --convert-to png --outdir "$out" "$out/$file" >/dev/null
    check_png "$out/${file%.*}.png"
done
pdftoppm -png -r 96 -singlefile "$out/default.pdf" "$out/default-pdf"
check_png "$out/default-pdf.png"
echo "convert-metafiles: PNGs in $out"
