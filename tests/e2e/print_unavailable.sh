#!/usr/bin/env bash
# Printing when it cannot be done, through a real print service: no printer queue, the
# service stopped, and each of the two happening while the program is open. Alt+P then shows
# the "ORVEX - Print" message, prints nothing, and the program keeps running with the same
# choice and pins; once the message is dismissed it still answers.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/lib.sh"
. "$here/cups.sh"
PROG=$1

# what | done before the program starts | done while it runs, before Alt+P
cases=(
    "the service runs with no printer||"
    "the printer is deleted while the program runs|cups_add_pdf_printer|cups_remove_printer"
    "the service stops while the program runs|cups_add_pdf_printer|cups_stop"
    "the service is stopped|cups_stop|"
)

_print_message() { MSG=$(window_named 'ORVEX - Print'); [[ -n $MSG ]]; }
_message_gone() { [[ -z $(window_named 'ORVEX - Print') ]]; }

cups_start
start_x
for case in "${cases[@]}"; do
    IFS='|' read -r what before during <<<"$case"
    $before
    start_app
    xdotool windowfocus --sync "$WID"
    expect_entry "$what: at start" "$FIRST_ENTRY"
    # Another entry than the first, AMD K6 MMX PR233 (setting 29), so that "unchanged" means it.
    press End
    expect_entry "$what: End" 30
    $during
    rm -f "$CUPS_OUT"/*.pdf
    press alt+p
    wait_until 10 _print_message || fail "$what: Alt+P showed no \"ORVEX - Print\" message"
    alive "$APP_PID" || fail "$what: the program ended"
    expect_entry "$what: with the message shown" 30
    [[ -z $(newest_pdf) ]] || fail "$what: something was printed: $(newest_pdf)"
    xdotool windowfocus --sync "$MSG"
    xdotool key --clearmodifiers Return
    wait_until 3 _message_gone || fail "$what: Enter did not dismiss the message"
    expect_entry "$what: after the message" 30
    press Up
    expect_entry "$what: then Up" 29
    press alt+x
    expect_exit "$what: Alt+X" 1500
    ok "$what: Alt+P shows the message, prints nothing, and the program goes on as it was"
done
