#!/usr/bin/env bash
# The real program in a real X server: the window appears as designed and Esc ends it.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/lib.sh"
prog=$1

start_x
"$prog" &
pid=$!
wid=$(find_window) || fail "no window titled ORVEX appeared"
geom=$(xwininfo -id "$wid")
width=$(awk '/Width:/ {print $2}' <<<"$geom")
height=$(awk '/Height:/ {print $2}' <<<"$geom")
[[ $width == 530 && $height == 459 ]] || fail "window is ${width}x${height}, want 530x459"
# Centred on the 1280 x 1024 screen (no window manager, so no frame).
x=$(awk '/Absolute upper-left X:/ {print $4}' <<<"$geom")
y=$(awk '/Absolute upper-left Y:/ {print $4}' <<<"$geom")
[[ $x == $(((1280 - 530) / 2)) && $y == $(((1024 - 459) / 2)) ]] || fail "window at $x,$y, not centred"

shot "$wid" "$WORK/start.png"
# v1jp6 is open (white) and v2jp6 closed (grey) in the first setting shown.
expect_colour "$WORK/start.png" "$(cx 4770 132)" "$(cy 3720 132)" ffffff v1jp6
expect_colour "$WORK/start.png" "$(cx 4770 132)" "$(cy 3600 132)" 808080 v2jp6

press "$wid" Escape
wait_exit "$pid" || fail "Esc did not end the program"
echo "ok: window 530x459 centred, setting 3 shown, Esc ends it"
