#!/usr/bin/env bash
# vornix-host.exe with the 64-bit vornix.dll, under Wine, gives the same
# .obj and .ply files, byte for byte, as the Linux vornix-host for the same
# command lines.
#   WineSameMeshes.sh LINUX_HOST WINDOWS_DIR WORK_DIR WINE_PREFIX
set -euo pipefail
# The Windows name Wine gives a Linux path (drive Z: is the root).
windows_path() { local p=$1; printf 'Z:%s' "${p//\//\\}"; }
linux_host=$1 windows_dir=$2 work=$3
export WINEPREFIX=$4 WINEDEBUG=-all
if [ -z "${DISPLAY:-}" ]; then exec xvfb-run -a bash "$0" "$@"; fi
trap '/usr/lib/wine/wineserver -k 2>/dev/null || true' EXIT

rm -rf "$work"
mkdir -p "$work"
# A scene of five vertices with statuses 0, 1 and 2, two edges and a face.
printf '%s\n' ply 'format ascii 1.0' 'element vertex 5' 'property int x' 'property int y' 'property int z' \
  'property uchar status' 'element edge 2' 'property int vertex1' 'property int vertex2' 'element face 1' \
  'property list uchar int vertex_indices' end_header \
  '0 0 0 0' '1000 0 0 1' '0 1000 0 2' '0 0 1000 1' '-5 7 9 0' '0 1' '1 2' '3 0 1 2' >"$work/scene.ply"

cases=(
  ''
  '--view 1'
  '--view=2'
  '--ring-radius 2.0 --tube-radius 1.0 --ring-sections 4 --tube-sections 4'
  '--view 1 --ring-radius 2.0 --tube-radius 1.0 --ring-sections 4 --tube-sections 4'
  '--view 2 --ring-radius 2.0 --tube-radius 1.0 --ring-sections 4 --tube-sections 4'
  '--unit-scale 10 --cursor 25,-13,4 --origin 5,0,-3'
  '--unit-scale=2500 --view 1 --cursor 2500,-1234,7000'
  '--rl -2.5 --fb 1e1 --ud= --ring-sections 7 --tube-sections 5'
  '--ring-sections abc --tube-sections 4294967308 --ring-radius -3'
  '--type --ring-sections -5 --tube-sections a6 --ring-radius -2'
  '--runs 2 --view 1'
  '--input scene.ply --view 2'
  '--input scene.ply --cancel'
  '--input scene.ply --unit-scale 0'
)
failed=0
for i in "${!cases[@]}"; do
  read -r -a arguments <<<"${cases[$i]}"
  mkdir -p "$work/$i/linux" "$work/$i/windows"
  cp "$work/scene.ply" "$work/$i/linux/" && cp "$work/scene.ply" "$work/$i/windows/"
  (cd "$work/$i/linux" && "$linux_host" "${arguments[@]}" -o out.obj -o out.ply >summary.txt 2>&1) ||
    { echo "case $i (${cases[$i]}): the Linux host failed: $(cat "$work/$i/linux/summary.txt")"; failed=1; continue; }
  (cd "$work/$i/windows" && /usr/lib/wine/wine64 "$windows_dir/vornix-host.exe" --plugin "$(windows_path "$windows_dir/vornix.dll")" \
      "${arguments[@]}" -o out.obj -o out.ply >summary.txt 2>&1) ||
    { echo "case $i (${cases[$i]}): the Windows host failed: $(cat "$work/$i/windows/summary.txt")"; failed=1; continue; }
  for file in out.obj out.ply; do
    if cmp -s "$work/$i/linux/$file" "$work/$i/windows/$file"; then
      echo "case $i (${cases[$i]}): $file identical ($(wc -l <"$work/$i/linux/$file") lines)"
    else
      echo "case $i (${cases[$i]}): $file differs"
      diff "$work/$i/linux/$file" "$work/$i/windows/$file" | head -5
      failed=1
    fi
  done
done
exit $failed
