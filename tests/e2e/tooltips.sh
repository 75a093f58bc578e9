#!/usr/bin/env bash
# Help tooltips: resting the pointer on one of the twelve red captions shows a tooltip window
# (a window of type _NET_WM_WINDOW_TYPE_TOOLTIP) next to the pointer, which goes when the
# pointer leaves; the tooltip is that caption's own (tooltips of the same help text are the
# same size, and a markedly longer text makes a wider tooltip); black captions, pins and
# the rest of the drawing show none.
# Argument after the program: "red" or "black" (both when left out); the two halves run as
# separate tests so that they can run side by side.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/lib.sh"
PROG=$1
part=${2:-all}

CACHE_HELP="It is a 256K Pipeline Burst Cache chip.  512K will be marked 64 x 32 on the chip."
# caption | left | top (twips, the caption's box) | its help text
RED=(
    "JP4|500|3450|To clear CMOS , move the jumper to 2-3, power on for about 7 Sec. then off, put the jumper back to 1-2."
    "JP10|6660|1250|Use for Cyrix CPU only."
    "DIMM1|120|800|SDRAM has to be 3.3V Non-buffer synchronize or 3.3V EDO."
    "SIMM1|360|1050|SIMM 1/2/3/4 are auto bank."
    "SIMM2|360|1280|SIMM modules can be put on SIMM 1/2 or SIMM 3/4 or SIMM 1/2/3/4."
    "SIMM3|360|1490|This motherboard will support DRAM size from 8MB to 512 MB ."
    "SIMM4|360|1700|Not recommand to use DIMM /SIMM together as it will shorten the life cycle of  3.3V DIMM. "
    "32Kx32 (upper)|5890|1440|$CACHE_HELP"
    "32Kx32 (lower)|5900|2000|$CACHE_HELP"
    "BIOS|300|4560|AWARD BIOS REV. 4.51PG. BREVANE BIOS REV. 3.01."
    "Ext_SMI|4850|4850|An optional jumper for Green feature. "
    "Green LED|6240|5160|An optional jumper for Green function."
)
# Places with no help: black captions, a pin mark, the legend, the list's caption.
# what | left | top (twips: the box's top-left corner, or a pin mark's)
BLACK=(
    "SMC|495|2760"
    "VT|4410|2730"
    "82C586A|4170|2940"
    "JP 9|4410|4620"
    "JP5|4200|3480"
    "Speaker|4725|5460"
    "HDD LED|5595|5400"
    "Jumpers setting program (the title line)|2055|6480"
    "CPU Type|90|210"
    "CLOSE (the legend)|840|6120"
    "pin mark v1jp6|4770|3720"
)
# A bare stretch of the board between the memory sockets and the slots: no tooltip there.
REST_X=150 REST_Y=140

# Just inside the top-left corner of a caption's box: the box fits its text, so its
# designed size is only a guide, but its corner is where it is designed to be.
spot() { echo "$(((${1} + 30) / 15)) $(((${2} + 30) / 15))"; }

_tip() { TIP=$(tooltip_windows | head -n 1); [[ -n $TIP ]]; }
_no_tip() { [[ -z $(tooltip_windows) ]]; }

rest_away() { # pointer to the bare board; any tooltip must go
    pointer_to "$REST_X" "$REST_Y"
    wait_until 3 _no_tip || fail "$1: the tooltip stays after the pointer has left the caption"
}

hover_shows_tooltip() { # what x y: sets TIP_W; fails unless a tooltip shows by the pointer
    local what=$1 x=$2 y=$3 start took
    start=$(now_ms)
    pointer_to "$x" "$y"
    wait_until 5 _tip || fail "$what: no tooltip after resting the pointer on it for 5 s"
    took=$(($(now_ms) - start))
    local px py tx ty tw th
    read -r px py <<<"$(xdotool getmouselocation --shell | sed -n 's/^[XY]=//p' | tr '\n' ' ')"
    read -r tx ty tw th <<<"$(geometry "$TIP")"
    # Next to the pointer: below it, starting at or left of it and reaching past it.
    ((ty > py && ty <= py + 60 && tx <= px + 10 && tx + tw >= px)) ||
        fail "$what: the tooltip (${tw}x$th at $tx,$ty) is not by the pointer ($px,$py)"
    TIP_W=$tw
    echo "   ($what: tooltip ${tw}x$th after $took ms)"
}

start_x
start_app
expect_entry "at start" "$FIRST_ENTRY"
# Tooltips belong to the active window, as the window a person works in is.
xdotool windowfocus --sync "$WID"
rest_away "at start"

if [[ $part == red || $part == all ]]; then
    declare -A width
    for row in "${RED[@]}"; do
        IFS='|' read -r what left top _ <<<"$row"
        read -r x y <<<"$(spot "$left" "$top")"
        hover_shows_tooltip "$what" "$x" "$y"
        width[$what]=$TIP_W
        rest_away "$what"
    done
    # Each tooltip carries its own caption's text. The text itself is not readable from
    # outside, but its width is: the same text gives the same width, and a text a quarter
    # longer than another gives a wider tooltip.
    for a in "${RED[@]}"; do
        IFS='|' read -r wa _ _ ha <<<"$a"
        for b in "${RED[@]}"; do
            IFS='|' read -r wb _ _ hb <<<"$b"
            if [[ $ha == "$hb" ]]; then
                ((width[$wa] == width[$wb])) ||
                    fail "$wa and $wb have the same help but tooltips ${width[$wa]} and ${width[$wb]} wide"
            elif ((${#ha} * 4 >= ${#hb} * 5)); then
                ((width[$wa] > width[$wb])) ||
                    fail "the help of $wa is longer than that of $wb, but its tooltip is not wider (${width[$wa]} <= ${width[$wb]}): a tooltip shows another caption's text"
            fi
        done
    done
    ok "the 12 red captions show their tooltips by the pointer, which go when it leaves"
fi

if [[ $part == black || $part == all ]]; then
    for row in "${BLACK[@]}"; do
        IFS='|' read -r what left top <<<"$row"
        if [[ $what == pin* ]]; then
            pointer_to "$(cx "$left" 132)" "$(cy "$top" 132)"
        else
            read -r x y <<<"$(spot "$left" "$top")"
            pointer_to "$x" "$y"
        fi
        # The red captions' tooltips show within about a second; two is a wide margin.
        if wait_until 2 _tip; then
            fail "$what shows a tooltip ($(geometry "$TIP"))"
        fi
        rest_away "$what"
    done
    # And the tooltips are working meanwhile: the pointer on a red caption still shows one.
    read -r x y <<<"$(spot 500 3450)"
    hover_shows_tooltip "JP4, after the black captions" "$x" "$y"
    ok "black captions, a pin mark, the legend and the list's caption show no tooltip"
fi

press Escape
expect_exit "Esc" 1500
