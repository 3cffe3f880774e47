#!/usr/bin/env bash
# Makes the Wine prefix the Windows host tests run in (once; later calls
# find it ready): the dialog font "ＭＳ Ｐゴシック" mapped to IPA P Gothic,
# and with no window manager on Xvfb, Wine draws the windows' frames itself.
#   WinePrefix.sh PREFIX
set -euo pipefail
# The Windows name Wine gives a Linux path (drive Z: is the root).
windows_path() { local p=$1; printf 'Z:%s' "${p//\//\\}"; }
prefix=$1
export WINEPREFIX=$prefix WINEDEBUG=-all
wine=/usr/lib/wine/wine64
[ -f "$prefix/.vornix-ready" ] && exit 0
if [ -z "${DISPLAY:-}" ]; then exec xvfb-run -a bash "$0" "$@"; fi

mkdir -p "$prefix"
"$wine" wineboot --init >/dev/null 2>&1
reg=$(mktemp --suffix=.reg)
trap 'rm -f "$reg"' EXIT
printf '%s\r\n' \
  'Windows Registry Editor Version 5.00' '' \
  '[HKEY_CURRENT_USER\Software\Wine\Fonts\Replacements]' \
  '"ＭＳ Ｐゴシック"="IPAPGothic"' \
  '"MS PGothic"="IPAPGothic"' '' \
  '[HKEY_CURRENT_USER\Software\Wine\X11 Driver]' \
  '"Managed"="N"' \
  '"Decorated"="N"' '' |
  { printf '\xff\xfe'; iconv -f UTF-8 -t UTF-16LE; } >"$reg.utf16"
mv "$reg.utf16" "$reg"
"$wine" regedit /S "$(windows_path "$reg")" >/dev/null 2>&1
/usr/lib/wine/wineserver -w
grep -q 'IPAPGothic' "$prefix/user.reg" || { echo "the font replacement did not reach the prefix" >&2; exit 1; }
touch "$prefix/.vornix-ready"
