#!/usr/bin/env bash
# Printing for real, through a print service with a PDF printer as the default printer: after
# choosing a processor, Alt+P prints one page showing the window's picture at its own size
# (96 window pixels to the inch) with that processor's jumpers, quietly (no message), and the
# window stays as it was. A second print after another choice shows the new choice.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/lib.sh"
. "$here/cups.sh"
PROG=$1

DPI=192 # two page pixels to a window pixel
SCALE=$((DPI / 96))

cups_start
cups_add_pdf_printer
start_x
start_app
xdotool windowfocus --sync "$WID"
expect_entry "at start" "$FIRST_ENTRY"

_printed() { # the job has left the queue and its PDF is whole
    [[ -z $(cups_queue) ]] || return 1
    PDF=$(newest_pdf)
    [[ -n $PDF ]] && pdfinfo "$PDF" >/dev/null 2>&1
}

print_now() { # what: Alt+P, then waits for the PDF; sets PDF
    rm -f "$CUPS_OUT"/*.pdf
    press alt+p
    wait_until 30 _printed ||
        fail "$1: no PDF after 30 s (queue: $(cups_queue); log: $(tail -n 5 "$CUPS_DIR"/log/error_log 2>/dev/null))"
}

# Page pixels: the first or the last dark pixel along a row or a column of the page.
dark_along() { # image row|col index first|last -> position, or nothing
    local img=$1 dir=$2 at=$3 which=$4 geom w h
    read -r w h <<<"$(/usr/bin/identify -format '%w %h' "$img")"
    if [[ $dir == row ]]; then geom=${w}x1+0+$at; else geom=1x$h+$at+0; fi
    /usr/bin/convert "$img" -crop "$geom" +repage txt:- | awk -F'[,: ()]+' -v dir="$dir" -v which="$which" '
        NR > 1 && $3 + $4 + $5 < 300 { p = (dir == "row" ? $1 : $2); if (first == "") first = p; last = p }
        END { print (which == "first" ? first : last) }'
}

check_page() { # what entry: the PDF is one page showing the window's picture for that entry
    local what=$1 entry=$2 pages page
    pages=$(pdfinfo "$PDF" | awk '/^Pages:/ {print $2}')
    [[ $pages == 1 ]] || fail "$what: the PDF has $pages pages, not one"
    page=$WORK/$(basename "${PDF%.pdf}")-$entry
    # The picture sits at the top left of the printable area; the top of the page is enough.
    pdftoppm -r "$DPI" -png -singlefile -x 0 -y 0 -W 1500 -H 1300 "$PDF" "$page"
    page=$page.png
    # The picture's black frame runs along its top and left edges: the first dark pixel along
    # a row through the picture is its left edge, down a column its top edge.
    local ox oy
    ox=$(dark_along "$page" row 400 first)
    [[ -n $ox ]] || fail "$what: no picture on the page"
    ((ox < 300)) || fail "$what: no picture at the top left of the page"
    oy=$(dark_along "$page" col $((ox + 600)) first)
    [[ -n $oy ]] || fail "$what: the picture's top edge is not on the page"
    ((oy < 300)) || fail "$what: the picture's top edge is not at the top of the page"
    # Every pin mark in the colour of this entry's setting (the PDF's colours may round a little).
    local wrong
    wrong=$(pin_mismatches "$page" "${ENTRY_SETTING[$entry]}" "$ox" "$oy" "$SCALE" 6)
    [[ -z $wrong ]] || fail "$what: on the page, the pin marks do not show setting ${ENTRY_SETTING[$entry]} (entry $entry):
$wrong"
    # And the rest is the window's picture: the board's mint ground, the legend's dark sample,
    # the list's text.
    local mint legend
    read -r mint legend <<<"$(pixels "$page" "$((ox + 150 * SCALE)) $((oy + 140 * SCALE))" \
        "$((ox + (360 + 67) * SCALE / 15)) $((oy + (6120 + 67) * SCALE / 15))" | tr '\n' ' ')"
    colour_near "$mint" f0f9f2 6 || fail "$what: the board's ground is #$mint on the page, want #f0f9f2"
    colour_near "$legend" 404040 6 || fail "$what: the legend's closed sample is #$legend on the page, want #404040"
    local text
    text=$(/usr/bin/convert "$page" -crop "$((300 * SCALE))x$((21 * SCALE))+$((ox + 72 * SCALE))+$((oy + 9 * SCALE))" +repage txt:- |
        awk -F'[,: ()]+' 'NR > 1 && $3 - $5 > 40 && $4 - $5 > 40 { n++ } END { print n + 0 }')
    ((text > 80)) || fail "$what: the list on the page shows no text"
    # At its own size the frame lines run the window's 530 x 459 pixels, times two, and stop
    # there: the page shows the window's drawing area and nothing beyond it.
    local right bottom
    right=$(dark_along "$page" row "$oy" last)
    bottom=$(dark_along "$page" col "$ox" last)
    local want_w=$((530 * SCALE)) want_h=$((459 * SCALE))
    ((right - ox + 1 >= want_w - 1 && right - ox + 1 <= want_w + 1)) ||
        fail "$what: the picture is $((right - ox + 1)) page pixels wide, want $want_w (window pixels x $DPI/96)"
    ((bottom - oy + 1 >= want_h - 1 && bottom - oy + 1 <= want_h + 1)) ||
        fail "$what: the picture is $((bottom - oy + 1)) page pixels high, want $want_h"
    echo "   ($what: one page, picture at ($ox,$oy) page pixels, $((right - ox + 1))x$((bottom - oy + 1)) at $DPI dpi)"
}

# The last entry, AMD K6 MMX PR233 (setting 29): its pins differ from the first one's.
press End
expect_entry "End" 30
print_now "Alt+P on entry 30"
check_page "Alt+P on entry 30" 30
[[ -z $(window_named 'ORVEX - Print') ]] || fail "printing showed a message"
alive "$APP_PID" || fail "printing ended the program"
expect_entry "after printing" 30
ok "Alt+P prints one page: the window's picture at its own size, with entry 30's jumpers"

press Home
expect_entry "Home" 0
print_now "Alt+P on entry 0"
check_page "Alt+P on entry 0" 0
expect_entry "after printing again" 0
ok "printing again after another choice prints that choice"

press Escape
expect_exit "Esc" 1500
