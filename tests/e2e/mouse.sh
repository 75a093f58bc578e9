#!/usr/bin/env bash
# Choosing a processor with the mouse, and the two buttons: a click on the list opens it (a
# window of its own) with the current choice marked, a click on an entry chooses it and the
# board recolours its pins; a click outside the open list closes it and changes nothing; a
# click on Print with no printer shows the "ORVEX - Print" message, a click on Exit ends the
# program.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/lib.sh"
PROG=$1

# The list's box and the buttons, in twips: left top width height.
LIST_BOX="1050 120 5070 345"
PRINT_BOX="6240 60 735 495"
EXIT_BOX="7080 60 735 495"
centre() { # "left top width height" -> "x y" in window pixels
    local left top width height
    read -r left top width height <<<"$1"
    echo "$(cx "$left" "$width") $(cy "$top" "$height")"
}

start_x
start_app
# A window manager would make the window active on the first click; here that is done by hand.
xdotool windowfocus --sync "$WID"
expect_entry "at start" "$FIRST_ENTRY"

_popup() { POPUP=$(visible_windows | grep -vx "$WID" | head -n 1); [[ -n $POPUP ]]; }
_no_popup() { [[ -z $(visible_windows | grep -vx "$WID") ]]; }

# The marked row of the open list, read from a screenshot of it: "top height" in its pixels.
# The list's rows are plain grey; the current one is drawn in the highlight colour.
marked_row() {
    local img
    img=$(shot "$POPUP" popup)
    local h
    h=$(geometry "$POPUP" | cut -d' ' -f4)
    /usr/bin/convert "$img" -crop "1x$h+4+0" +repage txt:- | awk -F'[,: ()]+' '
        NR > 1 { d = ($3 > $5 ? $3 - $5 : $5 - $3) + ($3 > $4 ? $3 - $4 : $4 - $3)
                 if (d > 60) { if (top == "") top = $2; bottom = $2 } }
        END { if (top != "") print top, bottom - top + 1 }'
}

open_list() { # current entry: clicks the closed list, checks the open list marks that entry
    local current=$1 x y
    read -r x y <<<"$(centre "$LIST_BOX")"
    click_at "$x" "$y"
    wait_until 3 _popup || fail "clicking the list did not open it"
    local band
    wait_until 3 eval '[[ -n $(marked_row) ]]' || fail "the open list marks no entry"
    band=$(marked_row)
    read -r PX PY PW PH <<<"$(geometry "$POPUP")"
    local top=${band% *}
    ROW_H=${band#* }
    # Every entry is shown: the 31 rows fill the open list between its frame lines.
    FRAME=$(((PH - 31 * ROW_H) / 2))
    ((FRAME >= 0 && FRAME <= 4)) ||
        fail "the open list is $PH pixels high with rows of $ROW_H: it does not show the 31 entries"
    # The mark is on the chosen entry, or on the row under the pointer (the list follows the
    # pointer), which is where the list opens unless the screen's edge is in the way.
    local marked=$(((top - FRAME) / ROW_H)) under
    under=$((($(xdotool getmouselocation --shell | sed -n 's/^Y=//p') - PY - FRAME) / ROW_H))
    ((marked == current || marked == under)) ||
        fail "the open list marks row $marked, neither the chosen entry $current nor the row under the pointer"
}

click_entry() { # entry: clicks its row in the open list
    local entry=$1 x y i
    x=$((PX + PW / 2))
    y=$((PY + FRAME + entry * ROW_H + ROW_H / 2))
    # The list ignores a release that comes too soon after it opened; click again until it closes.
    for i in $(seq 10); do
        xdotool mousemove "$x" "$y" click 1
        wait_until 1 _no_popup && return 0
    done
    fail "clicking entry $entry did not close the open list"
}

entry=$FIRST_ENTRY
for target in 0 30 16 9 23 22 4; do
    open_list "$entry"
    click_entry "$target"
    expect_entry "clicking entry $target" "$target"
    entry=$target
done
ok "entries chosen with the mouse show their jumper settings; the open list marks the choice"

# Clicking the entry already chosen keeps it; clicking outside the open list closes it.
open_list "$entry"
click_entry "$entry"
expect_entry "clicking the chosen entry again" "$entry"
open_list "$entry"
xdotool mousemove 10 10 click 1 # on the bare screen, well away from the window
wait_until 3 _no_popup || fail "a click outside the open list did not close it"
expect_entry "after a click outside the open list" "$entry"
alive "$APP_PID" || fail "a click outside the open list ended the program"
ok "a click outside the open list closes it and changes nothing"

# The buttons. With no printer, Print says so and the program goes on as it was.
_print_message() { MSG=$(window_named 'ORVEX - Print'); [[ -n $MSG ]]; }
_message_gone() { [[ -z $(window_named 'ORVEX - Print') ]]; }
xdotool windowfocus --sync "$WID"
read -r x y <<<"$(centre "$PRINT_BOX")"
click_at "$x" "$y"
wait_until 5 _print_message || fail "clicking Print showed no \"ORVEX - Print\" message"
alive "$APP_PID" || fail "clicking Print with no printer ended the program"
expect_entry "with the message shown" "$entry"
xdotool windowfocus --sync "$MSG"
xdotool key --clearmodifiers Return
wait_until 3 _message_gone || fail "Enter did not dismiss the message"
expect_entry "after the message" "$entry"
ok "clicking Print with no printer shows the message; the choice stays"

xdotool windowfocus --sync "$WID"
read -r x y <<<"$(centre "$EXIT_BOX")"
click_at "$x" "$y"
expect_exit "clicking Exit" 1500
ok "clicking Exit ends the program"
