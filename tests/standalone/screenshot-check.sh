#!/usr/bin/env bash
# Starts the Standalone build under its own Xvfb server, waits for its window, takes a
# screenshot of it and checks that the window is there and shows the whole editor: at least its
# default size of 700 x 305, with the panels' colours over large areas.
# Usage: screenshot-check.sh <standalone-binary> <output.png>
set -euo pipefail

binary=$1
screenshot=$2

if [ -z "${QUINDLE_UNDER_XVFB:-}" ]; then
    exec env QUINDLE_UNDER_XVFB=1 xvfb-run --auto-servernum --server-args="-screen 0 1280x800x24" "$0" "$@"
fi

home=$(mktemp -d)
work=$(mktemp -d)
HOME=$home "$binary" >"$work/standalone.log" 2>&1 &
pid=$!
cleanup() {
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
    rm -rf "$home" "$work"
}
trap cleanup EXIT

window=""
for _ in $(seq 1 100); do
    window=$(xwininfo -root -tree 2>/dev/null | awk '/"Quindle"/ { print $1; exit }')
    [ -n "$window" ] && break
    kill -0 "$pid" 2>/dev/null || { echo "the Standalone exited early:"; cat "$work/standalone.log"; exit 1; }
    sleep 0.2
done
[ -n "$window" ] || { echo "no window named Quindle appeared"; cat "$work/standalone.log"; exit 1; }

# Give the editor a moment to paint its first frame.
sleep 2
xwd -id "$window" -silent >"$work/window.xwd"
convert "xwd:$work/window.xwd" "png:$screenshot"

size=$(identify -format '%w %h' "$screenshot")
colours=$(identify -format '%k' "$screenshot")
echo "window $window: ${size/ /x} pixels, $colours colours, saved to $screenshot"

read -r width height <<<"$size"
[ "$width" -ge 700 ] && [ "$height" -ge 305 ] || { echo "the window is smaller than the editor"; exit 1; }
[ "$colours" -ge 16 ] || { echo "the window looks blank"; exit 1; }

# Pixels of a colour, by the image's histogram.
pixels_of() {
    convert "$screenshot" -format %c histogram:info:- | awk -v c="$1" 'toupper($0) ~ c { n += $1 } END { print n + 0 }'
}
# The middle panel (Stylesheet colour 6) and the input and output sections (colour 0) at the
# default size each cover tens of thousands of pixels; the window alone has neither.
for colour in 03497C 0B335C; do
    count=$(pixels_of "#$colour")
    echo "#$colour: $count pixels"
    [ "$count" -ge 20000 ] || { echo "the editor's panels are not in the window"; exit 1; }
done
