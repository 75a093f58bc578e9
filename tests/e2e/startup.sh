#!/usr/bin/env bash
# The real program in a real X server: the window opens as designed, showing the first
# processor's jumpers, and Esc ends it.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/lib.sh"
PROG=$1

start_x
start_app
read -r -a geom <<<"$(geometry "$WID")"
[[ ${geom[2]} == 530 && ${geom[3]} == 459 ]] || fail "window is ${geom[2]}x${geom[3]}, want 530x459"
# Centred on the 1280 x 1024 screen (no window manager, so no frame).
[[ ${geom[0]} == $(((1280 - 530) / 2)) && ${geom[1]} == $(((1024 - 459) / 2)) ]] ||
    fail "window at ${geom[0]},${geom[1]}, not centred"
# Fixed size: the smallest and the largest size asked of a window manager are both 530 x 459.
hints=$(xprop -id "$WID" WM_NORMAL_HINTS)
if ! grep -q 'minimum size: 530 by 459' <<<"$hints" || ! grep -q 'maximum size: 530 by 459' <<<"$hints"; then
    fail "the window can be resized: $hints"
fi
ok "window 530x459, centred, fixed size"

# Entry 4, " INTEL PENTIUM 133 MHz (3.3v)", is chosen at start: all 41 pin marks show setting 3.
expect_entry "at start" "$FIRST_ENTRY"
ok "the first picture shows setting 3 and the list shows its entry"

press Escape
expect_exit "Esc" 1500
ok "Esc ends the program"
