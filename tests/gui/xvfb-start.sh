# Sourced by the Xvfb drive scripts: installs what they need, makes a portable copy of the program
# in a temporary folder (its settings file lives beside it, so the user's own stays untouched) with
# the settings lines in $settings, starts a virtual display and the program on it with the
# arguments given. Sets work, xvfb, app and DISPLAY; everything goes when the script exits.
#   program=... out=... settings='[Options]\nTipOfDay=0\n' start_program [ARGS...]
need=()
for p in xvfb xdotool x11-apps xclip python3-pil; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || need+=("$p")
done
if [ ${#need[@]} -gt 0 ]; then
  sudo=""; [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo apt-get update && DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${need[@]}"
fi

mkdir -p "$out"
work=$(mktemp -d)
cp "$program" "$work/vortel"
printf "$settings" > "$work/vortel.ini"
app=""
cleanup() { kill $app "$xvfb" 2>/dev/null || true; rm -rf "$work"; }
trap cleanup EXIT

start_program() {
  display=:$(( 90 + RANDOM % 9 ))
  Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
  xvfb=$!
  export DISPLAY=$display
  sleep 1
  "$work/vortel" "$@" >"$out/program.log" 2>&1 &
  app=$!
}
