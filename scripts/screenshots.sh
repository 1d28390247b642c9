#!/usr/bin/env bash
# Photographs the real program for the README: starts Orvel under a virtual display with a window
# manager, on docs/sample.html, and takes the Composer, the source window and the table dialog,
# with a light and a dark palette.
#   scripts/screenshots.sh [folder]      the PNG files go to docs/ by default
# Needs Orvel built (scripts/orvel.sh test or run builds it) and Xvfb, openbox, xdotool and
# ImageMagick (Debian: xvfb openbox xdotool imagemagick). SHOTS_DISPLAY picks the display (:97).
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
out=${1:-$root/docs}
orvel=$root/build/orvel
display=${SHOTS_DISPLAY:-:97}

[ -x "$orvel" ] || { echo "Build Orvel first (scripts/orvel.sh test)." >&2; exit 1; }
for tool in Xvfb openbox xdotool import; do
    command -v "$tool" >/dev/null ||
        { echo "Missing $tool (Debian: xvfb openbox xdotool imagemagick)." >&2; exit 1; }
done
mkdir -p "$out"
work=$(mktemp -d)
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    rm -rf "$work"
}
trap cleanup EXIT

Xvfb "$display" -screen 0 1280x800x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
pids+=($!)
export DISPLAY=$display
for _ in $(seq 50); do xdotool getdisplaygeometry >/dev/null 2>&1 && break; sleep 0.2; done
openbox >"$work/openbox.log" 2>&1 &
pids+=($!)
sleep 1

# Waits until a window whose title contains $1 is shown.
wait_window() {
    timeout 120 xdotool search --sync --onlyvisible --name "$1" >/dev/null
}

# One run of the program with the palette $1; the file names end in $2.
shoot() {
    local palette=$1 suffix=$2
    cp "$root/docs/sample.html" "$work/sample.html"
    ORVEL_PALETTE=$palette "$orvel" "$work/sample.html" >"$work/orvel$suffix.log" 2>&1 &
    local pid=$!
    pids+=("$pid")
    wait_window "Orvel Composer: "
    sleep 4
    # The page view paints its page once the pointer moves over it.
    xdotool mousemove 500 420
    sleep 1
    xdotool mousemove 1270 790
    sleep 0.5
    import -window root "$out/composer$suffix.png"

    # To the source window; the first switch says that it saves the page.
    xdotool key ctrl+e
    wait_window "^Orvel$"
    xdotool key Return
    sleep 3
    import -window root "$out/source$suffix.png"

    # Table > Insert Table.
    xdotool key alt+t
    sleep 0.5
    xdotool key Return
    sleep 1.5
    import -window root "$out/dialog$suffix.png"

    kill "$pid"
    wait "$pid" 2>/dev/null || true
}

shoot light ""
shoot dark "-dark"
echo "Screenshots in $out: composer, source and dialog, each also -dark."
