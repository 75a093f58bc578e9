#!/usr/bin/env bash
# The keyboard and the close box, as a person uses them: the focus goes round list -> Print ->
# Exit -> list, Enter and Space press only the button that has the focus, Alt+P prints,
# Alt+X, Esc and the close box end the program at once.
# There is no printer here, so printing shows the "ORVEX - Print" message.
# Each case starts the program afresh, presses its keys, and then looks at what happened.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/lib.sh"
PROG=$1
XCLOSE=${XCLOSE:-$here/../../build/tests/e2e/xclose}
[[ -x $XCLOSE ]] || fail "xclose not built: $XCLOSE"

# keys (xdotool names, or "close-box") | what follows
cases=(
    "Return|nothing"               # the focus starts in the list, and Enter there does nothing
    "Tab Return|prints"            # one Tab: Print
    "Tab space|prints"
    "Tab Tab Return|ends"          # two Tabs: Exit
    "Tab Tab space|ends"
    "Tab Tab Tab Return|nothing"   # three Tabs: back in the list
    "Tab Tab Tab Tab Return|prints" # and round again
    "shift+Tab Return|ends"        # backwards from the list: Exit
    "shift+Tab shift+Tab Return|prints"
    "alt+p|prints"
    "alt+x|ends"
    "Escape|ends"
    "Tab Escape|ends"              # Esc is Exit's key wherever the focus is
    "Tab Tab Tab alt+x|ends"
    "close-box|ends"
)

# After keys that must do nothing: the program still runs, shows no other window, and the focus
# is in the list (Down moves to entry 5 there). The Down also proves that the keys before it
# have been handled, since the program takes its input in order.
check_nothing() {
    local what=$1
    press Down
    expect_entry "$what, then Down" $((FIRST_ENTRY + 1))
    alive "$APP_PID" || fail "$what: the program ended"
    local others
    others=$(visible_windows | grep -vx "$WID" || true)
    [[ -z $others ]] || fail "$what: another window appeared ($(for w in $others; do xdotool getwindowname "$w"; done))"
}

_print_message() { MSG=$(window_named 'ORVEX - Print'); [[ -n $MSG ]]; }
_message_gone() { [[ -z $(window_named 'ORVEX - Print') ]]; }

# After keys that print with no printer: the message shows, the program keeps running with the
# same entry and pins; once the message is dismissed the window still answers (Alt+X ends it).
check_prints() {
    local what=$1
    wait_until 5 _print_message || fail "$what: no \"ORVEX - Print\" message appeared"
    alive "$APP_PID" || fail "$what: the program ended"
    expect_entry "$what, with the message shown" "$FIRST_ENTRY"
    xdotool windowfocus --sync "$MSG"
    xdotool key --clearmodifiers Return
    wait_until 3 _message_gone || fail "$what: Enter did not dismiss the message"
    alive "$APP_PID" || fail "$what: dismissing the message ended the program"
    expect_entry "$what, after the message" "$FIRST_ENTRY"
    press alt+x
    expect_exit "$what, then Alt+X" 1500
}

start_x
for case in "${cases[@]}"; do
    keys=${case%|*}
    outcome=${case#*|}
    start_app
    expect_entry "$keys: at start" "$FIRST_ENTRY"
    if [[ $keys == close-box ]]; then
        "$XCLOSE" "$WID"
    else
        # shellcheck disable=SC2086 # the keys are words
        press $keys
    fi
    case $outcome in
    nothing) check_nothing "$keys" ;;
    prints) check_prints "$keys" ;;
    ends) expect_exit "$keys" 1500 ;;
    esac
    # A program left running (the "nothing" cases) goes before the next case starts.
    if [[ -n $APP_PID ]]; then
        press Escape
        expect_exit "$keys, then Esc" 1500
    fi
    ok "$keys: $outcome"
done
