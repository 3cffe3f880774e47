#!/usr/bin/env bash
# A screenshot of the plug-in's real dialog as Wine shows it, taken from
# outside Wine while vornix-host.exe holds the dialog open, then closed with
# Cancel. The picture is kept as a test artefact.
#   WineDialogScreenshot.sh WINDOWS_DIR SCREENSHOT.png WINE_PREFIX
set -euo pipefail
# The Windows name Wine gives a Linux path (drive Z: is the root).
windows_path() { local p=$1; printf 'Z:%s' "${p//\//\\}"; }
windows_dir=$1 screenshot=$2
export WINEPREFIX=$3 WINEDEBUG=-all
if [ -z "${DISPLAY:-}" ]; then exec xvfb-run -a -s '-screen 0 640x480x24' bash "$0" "$@"; fi
trap '/usr/lib/wine/wineserver -k 2>/dev/null || true' EXIT

work=$(mktemp -d)
hold=$work/dialog-shown
VORNIX_HOST_HOLD_FILE=$(windows_path "$hold") /usr/lib/wine/wine64 "$windows_dir/vornix-host.exe" \
  --plugin "$(windows_path "$windows_dir/vornix.dll")" --cancel --json >"$work/summary.json" 2>&1 &
host=$!
for _ in $(seq 600); do [ -f "$hold" ] && break; sleep 0.1; done
[ -f "$hold" ] || { echo "the dialog did not appear"; kill "$host"; exit 1; }
sleep 1  # let it paint
import -window root "$screenshot"
convert "$screenshot" -trim +repage "$screenshot"  # the dialog on the empty screen
rm -f "$hold"
wait "$host" || { echo "the host failed: $(cat "$work/summary.json")"; exit 1; }
grep -q '"result":false' "$work/summary.json" || { echo "unexpected summary: $(cat "$work/summary.json")"; exit 1; }
colours=$(identify -format '%k' "$screenshot")
echo "screenshot: $screenshot ($colours colours)"
[ "$colours" -gt 8 ] || { echo "the screenshot looks empty"; exit 1; }
rm -rf "$work"
