#!/usr/bin/env bash
# The real program on a scaled screen (QT_SCALE_FACTOR): the window grows by the factor and the
# pin marks show the right colours at the scaled places, before and after a choice.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/lib.sh"
PROG=$1

start_x
for factor in 2 1.5; do
    start_app QT_SCALE_FACTOR=$factor
    read -r -a geom <<<"$(geometry "$WID")"
    want_w=$(awk -v f=$factor 'BEGIN { printf "%d", 530 * f + 0.5 }')
    want_h=$(awk -v f=$factor 'BEGIN { printf "%d", 459 * f }')
    ((geom[2] == want_w && (geom[3] == want_h || geom[3] == want_h + 1))) ||
        fail "at scale $factor the window is ${geom[2]}x${geom[3]}, want ${want_w}x${want_h}"
    img=$(shot "$WID" "scale-$factor")
    bad=$(pin_mismatches "$img" 3 0 0 "$factor")
    [[ -z $bad ]] || fail "at scale $factor, setting 3:"$'\n'"$bad"
    press End # the last processor: setting 29
    wait_until 5 eval '[[ -z $(pin_mismatches "$(shot "$WID" "scale-$factor-end")" 29 0 0 "$factor") ]]' ||
        fail "at scale $factor the last processor's jumpers are not shown"
    press Escape
    expect_exit "Esc at scale $factor" 1500
    ok "scale $factor: window ${geom[2]}x${geom[3]}, pin marks right before and after a choice"
done
