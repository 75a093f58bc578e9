#!/usr/bin/env bash
# Choosing a processor with the keyboard, the focus in the closed list: every entry's jumpers
# show on the board (all 31 entries, so all 29 settings, checked pin by pin against the
# chart); the ends of the list hold; the open list works from the keyboard too; and typing
# never puts text of its own into the list.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/lib.sh"
PROG=$1

start_x
start_app
expect_entry "at start" "$FIRST_ENTRY"

# key | entry chosen afterwards. Each step starts from the entry of the step before; a key
# that must leave the entry alone is followed by one that moves, which would show if it had not.
steps=(
    "Home|0"
    "Up|0"        # no wrapping round at the top
    "Prior|0"     # Page Up
    "Down|1"
    "Next|2"      # Page Down: one entry at a time in the closed list (the toolkit's step)
    "Prior|1"
    "End|30"
    "Down|30"     # nor at the bottom
    "Next|30"
    "Up|29"
    "Home|0"
)
for step in "${steps[@]}"; do
    key=${step%|*}
    press "$key"
    expect_entry "$key" "${step#*|}"
done
ok "Home, End, Up, Down, Page Up and Page Down choose entries; the list does not wrap"

# Every entry in turn, from the top: all 29 settings of the chart, each pin mark checked.
for entry in $(seq 1 30); do
    press Down
    expect_entry "Down to entry $entry" "$entry"
done
for entry in $(seq 29 -1 25); do
    press Up
    expect_entry "Up to entry $entry" "$entry"
done
ok "all 31 entries show their jumper settings, going down and back up"

# Typing. A list that only offers its entries may jump to an entry the letters begin, but it
# never shows text of its own: after every burst the board shows one of the chart's settings
# and the list shows text; BackSpace, Delete and Ctrl+A cannot blank it. Home and End then
# still reach the first and the last entry, so the list still holds its entries, in order, and
# nothing was added to it.
press End
expect_entry "End" 30
for burst in "i n t e l" "a m d" "x y z" "1 2 3" "BackSpace BackSpace BackSpace BackSpace" \
    "Delete Delete" "ctrl+a Delete" "ctrl+a BackSpace" "C y r i x Return" "shift+a shift+m shift+d"; do
    # shellcheck disable=SC2086 # the keys are words
    press $burst
    LAST_SHOT=$(shot "$WID" typed)
    [[ -n $(settings_matching "$LAST_SHOT") ]] ||
        fail "after typing \"$burst\", the pin marks match no setting of the chart"
    (($(list_text_pixels "$LAST_SHOT") > 20)) || fail "after typing \"$burst\", the list shows no text"
    press Home
    expect_entry "typing \"$burst\", then Home" 0
    press End
    expect_entry "typing \"$burst\", then End" 30
done
ok "typing into the list never blanks it nor adds to it"

# The open list from the keyboard: Alt+Down opens it, Enter takes the entry under the cursor,
# Esc closes it and only it. The pointer waits in a corner of the screen, so that the open
# list's cursor follows the keys only.
xdotool mousemove 5 5
press Home
expect_entry "Home" 0
_list_open() { POPUP=$(visible_windows | grep -vx "$WID" | head -n 1); [[ -n $POPUP ]]; }
_list_closed() { [[ -z $(visible_windows | grep -vx "$WID") ]]; }
press alt+Down
wait_until 3 _list_open || fail "Alt+Down did not open the list"
xdotool key --clearmodifiers Down Down Return
wait_until 3 _list_closed || fail "Enter did not close the open list"
expect_entry "Alt+Down, Down, Down, Enter" 2
ok "the open list: Alt+Down opens it, Enter chooses the entry under the cursor"
# Esc in the open list closes the list, as in any drop-down list; it is not the Exit button's
# key while the list is open.
press alt+Down
wait_until 3 _list_open || fail "Alt+Down did not open the list the second time"
xdotool key --clearmodifiers Down Escape
wait_until 3 _list_closed || fail "Esc did not close the open list"
sleep 0.3 # the time Esc takes to end the program when it does (measured: under 5 ms)
alive "$APP_PID" || fail "Esc in the open list ended the program, instead of only closing the list"
expect_entry "Alt+Down, Down, Esc" 2
press Up
expect_entry "then Up" 1
ok "Esc in the open list closes it and keeps the choice and the program"

press Escape
expect_exit "Esc" 1500
