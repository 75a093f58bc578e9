# Helpers for driving the real program under Xvfb with xdotool, and the board's own tables
# (pin marks, jumper settings, the processor list) that the checks take places and colours from.
# Source it from a bash script running with `set -euo pipefail`; the program is $PROG.

WORK=$(mktemp -d "${TMPDIR:-/tmp}/orvex-e2e.XXXXXX")
XVFB_PID=
APP_PID=
WID=
# With no print service the program has no printer. Tests that print start their own
# service (cups.sh), which points this at it; nothing here ever reaches the machine's CUPS.
export CUPS_SERVER=$WORK/no-print-service.sock

# ---------------------------------------------------------------------------------------------
# Clean-up: commands registered with at_exit run in reverse order, whatever ends the script.
_at_exit=()
at_exit() { _at_exit+=("$*"); }
_cleanup() {
    local rc=$? i
    set +e
    trap - EXIT HUP INT TERM
    for ((i = ${#_at_exit[@]} - 1; i >= 0; i--)); do eval "${_at_exit[i]}"; done
    if [[ -n ${KEEP_SHOTS:-} ]]; then
        mkdir -p "$KEEP_SHOTS"
        local f
        for f in "$WORK"/*.xwd "$WORK"/*.png; do
            [[ -e $f ]] || continue
            /usr/bin/convert "$f" "$KEEP_SHOTS/$(basename "${f%.*}").png" 2>/dev/null
        done
    fi
    rm -rf "$WORK"
    exit "$rc"
}
trap _cleanup EXIT
trap 'exit 129' HUP
trap 'exit 130' INT
trap 'exit 143' TERM

# If the script is killed outright (SIGKILL, as a test runner's timeout may do), no trap runs:
# a watchdog then ends the processes it started and removes what it made, from the list that
# on_kill keeps. A process that ends normally is taken off the list (forget_pid).
: >"$WORK/on-kill"
on_kill() { echo "$*" >>"$WORK/on-kill"; }
forget_pid() { sed -i "/^kill -KILL $1\$/d" "$WORK/on-kill" 2>/dev/null || true; }
(
    parent=$$
    trap '' HUP INT TERM
    # Gone, or killed and not yet reaped (a zombie, state Z).
    while read -r _ _ state _ <"/proc/$parent/stat" 2>/dev/null && [[ $state != Z ]]; do sleep 0.5; done
    if [[ -d $WORK ]]; then
        bash "$WORK/on-kill"
        rm -rf "$WORK"
    fi
) </dev/null >/dev/null 2>&1 &
disown

fail() {
    echo "FAIL: $*" >&2
    if [[ -s $WORK/app.log ]]; then
        echo "--- the program's output (last lines):" >&2
        tail -n 20 "$WORK/app.log" >&2
    fi
    exit 1
}
ok() { echo "ok: $*"; }

# Milliseconds since the epoch (bash's own clock: no process per call).
now_ms() { local t=${EPOCHREALTIME//[.,]/}; echo $((t / 1000)); }

wait_until() { # seconds command...: true as soon as the command succeeds (polled every 50 ms)
    local deadline=$(($(now_ms) + $1 * 1000))
    shift
    while :; do
        "$@" && return 0
        (($(now_ms) < deadline)) || return 1
        sleep 0.05
    done
}

stop_pid() { # pid: ends a process this script started (one of its running jobs), politely first
    local pid=$1 i
    [[ -n $pid ]] || return 0
    # Only a job of this shell that is still running: never a number that may have been reused.
    if jobs -rp | grep -qx "$pid"; then
        kill "$pid" 2>/dev/null || true
        for i in $(seq 60); do
            kill -0 "$pid" 2>/dev/null || break
            sleep 0.05
        done
        if kill -0 "$pid" 2>/dev/null; then kill -KILL "$pid" 2>/dev/null || true; fi
    fi
    wait "$pid" 2>/dev/null || true
    forget_pid "$pid"
}

# ---------------------------------------------------------------------------------------------
# X server and the program.

_display_ready() { [[ -s $WORK/display ]]; }

start_x() { # an Xvfb of its own on a free display (the server picks the number itself)
    # -noreset: the server would otherwise reset whenever its last client leaves, and a
    # program started at that moment could not connect.
    export XDG_RUNTIME_DIR=$WORK/xdg
    mkdir -p "$XDG_RUNTIME_DIR"
    chmod 700 "$XDG_RUNTIME_DIR"
    unset XAUTHORITY
    : >"$WORK/display"
    Xvfb -displayfd 9 -screen 0 1280x1024x24 -nolisten tcp -noreset 9>"$WORK/display" >"$WORK/xvfb.log" 2>&1 &
    XVFB_PID=$!
    at_exit stop_pid "$XVFB_PID"
    on_kill kill -KILL "$XVFB_PID"
    wait_until 15 _display_ready || fail "Xvfb did not start: $(cat "$WORK/xvfb.log")"
    export DISPLAY=":$(tr -d '[:space:]' <"$WORK/display")"
    # The pointer waits in a corner, off the window, until a test moves it.
    xdotool mousemove 0 0
}

main_window() { xdotool search --onlyvisible --name '^ORVEX$' 2>/dev/null | head -n 1; }
_have_main_window() {
    WID=$(main_window)
    [[ -n $WID ]] && return 0
    alive "$APP_PID" || { local rc=0; wait "$APP_PID" || rc=$?; forget_pid "$APP_PID"; APP_PID=
        fail "the program ended at start, with status $rc, before showing its window"; }
    return 1
}

start_app() { # [VAR=value...]: starts the program; sets APP_PID and WID (its window)
    env -u QT_STYLE_OVERRIDE -u QT_SCALE_FACTOR -u QT_SCREEN_SCALE_FACTORS -u QT_FONT_DPI \
        QT_QPA_PLATFORM=xcb "$@" "$PROG" >>"$WORK/app.log" 2>&1 &
    APP_PID=$!
    at_exit stop_pid "$APP_PID"
    on_kill kill -KILL "$APP_PID"
    wait_until 20 _have_main_window || fail "no window titled ORVEX appeared"
}

alive() { kill -0 "$1" 2>/dev/null; }

expect_exit() { # what max_ms: the program ends, with status 0, within max_ms of now
    local what=$1 max=$2 start rc=0
    start=$(now_ms)
    while alive "$APP_PID"; do
        (($(now_ms) - start <= max + 4000)) || fail "$what: the program is still running"
        sleep 0.02
    done
    local took=$(($(now_ms) - start))
    wait "$APP_PID" || rc=$?
    forget_pid "$APP_PID"
    ((rc == 0)) || fail "$what: the program ended with status $rc"
    ((took <= max)) || fail "$what: the program took $took ms to end (at most $max ms)"
    APP_PID=
    echo "   ($what: ended after $took ms)"
}

press() { # keys...: to the program's window, which gets the keyboard focus first
    xdotool windowfocus --sync "$WID"
    xdotool key --clearmodifiers "$@"
}

pointer_to() { # x y in the window's pixels
    xdotool mousemove --window "$WID" "$1" "$2"
}

click_at() { # x y in the window's pixels
    xdotool mousemove --window "$WID" "$1" "$2" click 1
}

window_named() { # exact title: the visible window's id, or nothing
    xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1
}

geometry() { # window id -> "x y width height" on the screen
    xwininfo -id "$1" | awk '/Absolute upper-left X:/ {x=$4} /Absolute upper-left Y:/ {y=$4}
                             /Width:/ {w=$2} /Height:/ {h=$2} END {print x, y, w, h}'
}

# Visible top-level windows of any kind (the root window left out).
visible_windows() {
    local root
    root=$(xwininfo -root | awk '/Window id:/ {print $4}')
    local w
    for w in $(xdotool search --onlyvisible --name '' 2>/dev/null || true); do
        if ((w != root)); then echo "$w"; fi
    done
    return 0
}

tooltip_windows() { # visible windows of type _NET_WM_WINDOW_TYPE_TOOLTIP
    local w
    for w in $(visible_windows); do
        xprop -id "$w" _NET_WM_WINDOW_TYPE 2>/dev/null | grep -q _NET_WM_WINDOW_TYPE_TOOLTIP && echo "$w"
    done
    return 0
}

# ---------------------------------------------------------------------------------------------
# Pixels.

SHOT_SEQ=0
shot() { # window id [name] -> path of a new screenshot with exact colours
    SHOT_SEQ=$((SHOT_SEQ + 1))
    local f
    f=$WORK/$(printf '%03d' "$SHOT_SEQ")-${2:-shot}.xwd
    xwd -silent -id "$1" >"$f"
    echo "$f"
}

pixels() { # image "x y"...: one rrggbb per point, in one pass over the image
    local img=$1 fmt= p
    shift
    for p in "$@"; do fmt+="%[hex:p{${p% *},${p#* }}] "; done
    /usr/bin/convert "$img" -format "$fmt" info: | tr 'A-F' 'a-f' | tr ' ' '\n' | cut -c1-6 | sed '/^$/d'
}

# Pixel centre of a box given in twips (left or top, and size); 15 twips make a pixel.
cx() { echo $(((${1} * 2 + ${2}) / 30)); }
cy() { cx "$@"; }

# ---------------------------------------------------------------------------------------------
# The board. Pin marks in the order in which the settings rows list them:
# name, left, top, size (twips; every mark is square).
PIN_MARKS=(
    "v1jp6 4770 3720 132" "v2jp6 4770 3600 132" "v3jp6 4770 3480 132"
    "v1jp7 4970 3720 132" "v2jp7 4970 3600 132" "v3jp7 4970 3480 132"
    "v1jp8 5160 3720 132" "v2jp8 5160 3600 132" "v3jp8 5160 3480 132"
    "v1jp2 6540 4680 135" "v2jp2 6540 4560 135"
    "v1jp3 6360 4680 135" "v2jp3 6360 4560 135"
    "A1jp9 4800 4680 135" "A2jp9 4800 4560 135" "B1jp9 4950 4680 135" "b2jp9 4950 4560 135"
    "c1jp9 5100 4680 135" "c2jp9 5100 4560 135" "d1jp9 5250 4680 135" "d2jp9 5250 4560 135"
    "e1jp9 5400 4680 135" "e2jp9 5400 4560 135"
    "v1jp10 6825 1050 135" "v2jp10 6825 945 135"
    "v1jp5 4575 3725 135" "v2jp5 4580 3600 132" "v3jp5 4580 3480 132"
    "v1jp1 5760 4710 135" "v2jp1 5760 4560 135" "v3jp1 5880 4710 135"
    "v4jp1 5880 4560 135" "v5jp1 6000 4710 135" "v6jp1 6000 4560 135"
)
# The marks that no setting changes, with their one state: JP4 capped on 1-2, JP11 and
# row F of JP9 bare.
FIXED_MARKS=(
    "h1jp4 360 3720 132 C" "h2jp4 480 3720 132 C" "h3jp4 600 3720 132 O"
    "v1jp11 6720 4680 135 O" "v2jp11 6720 4560 135 O"
    "F1jp9 5555 4680 135 O" "F2jp9 5555 4560 135 O"
)
# The jumper chart: one letter per pin mark above, C closed (grey), O open (white); the spaces
# only separate JP6, JP7, JP8, JP2, JP3, JP9, JP10, JP5 and JP1.
SETTING_ROWS=(
    [1]="OCC CCO OCC OO OO OOCCCCOOCC OO CCO CCCCOO"
    [2]="OCC OCC CCO OO CC OOCCCCOOCC OO CCO CCCCOO"
    [3]="OCC CCO OCC OO CC OOCCCCOOCC OO CCO CCCCOO"
    [4]="OCC OCC OCC OO CC OOCCCCCCCC CC CCO CCCCOO"
    [5]="OCC OCC CCO CC CC OOCCCCOOCC OO CCO CCCCOO"
    [6]="OCC CCO OCC CC CC OOCCCCOOCC OO CCO CCCCOO"
    [7]="OCC OCC OCC OO OO OOCCCCOOCC OO CCO CCCCOO"
    [8]="OCC CCO OCC CC OO OOCCCCOOCC OO CCO CCCCOO"
    [9]="OCC OCC CCO OO OO OOCCCCOOCC OO CCO CCCCOO"
    [10]="CCO OCC OCC OO CC OOCCCCCCCC CC CCO CCCCOO"
    [11]="OCC OCC CCO OO CC OOCCCCCCCC CC CCO CCCCOO"
    [12]="OCC CCO OCC OO CC OOCCCCCCCC CC CCO CCCCOO"
    [13]="OCC CCO OCC CC OO OOCCOOOOOO OO CCO OOCCCC"
    [14]="OCC CCO OCC OO CC OOCCOOOOOO CC CCO OOCCCC"
    [15]="CCO OCC CCO OO CC OOCCCCCCCC CC OCC CCCCOO"
    [16]="CCO OCC CCO OO CC OOCCOOOOOO CC OCC OOCCCC"
    [17]="OCC OCC OCC OO OO OOCCCCCCCC OO CCO CCCCOO"
    [18]="OCC CCO OCC OO OO OOCCCCCCCC OO CCO CCCCOO"
    [19]="OCC OCC CCO OO OO OOCCCCCCCC OO CCO CCCCOO"
    [20]="OCC OCC CCO CC CC OOCCCCCCCC OO CCO CCCCOO"
    [21]="OCC CCO OCC CC CC OOCCCCCCCC OO CCO CCCCOO"
    [22]="OCC CCO OCC CC CC OOCCOOOOOO OO CCO OOCCCC"
    [23]="OCC CCO OCC CC CC OOCCOOOOCC OO CCO OOCCCC"
    [24]="OCC CCO OCC CC OO OOCCOOOOCC OO CCO OOCCCC"
    [25]="OCC CCO OCC OO CC OOCCOOOOCC CC CCO OOCCCC"
    [26]="OCC CCO OCC CC CC OOCCOOOOCC CC CCO OOCCCC"
    [27]="CCO OCC CCO OO CC OOCCOOOOCC CC OCC OOCCCC"
    [28]="OCC CCO OCC OO OO OOCCOOOOOO OO CCO OOCCCC"
    [29]="OCC CCO OCC OO OO OOCCCCOOOO OO CCO OOCCCC"
)
# The processor list, top to bottom: the jumper setting of each of its 31 entries.
ENTRY_SETTING=(7 9 1 2 3 5 6 8 22 13 28 4 10 11 12 15 14 16 25 26 27 17 19 18 19 18 20 21 23 24 29)
FIRST_ENTRY=4 # " INTEL PENTIUM 133 MHz (3.3v)", selected at start
GREY=808080   # a pin that takes a cap
WHITE=ffffff  # a bare pin

# Where the pin marks of a setting must show which colour:
# setting ox oy scale -> lines "name x y rrggbb", x and y in the image's pixels, for a picture of
# the window drawn at `scale` image pixels per window pixel with its top-left corner at (ox, oy).
pin_expectations() {
    local setting=$1 ox=${2:-0} oy=${3:-0} scale=${4:-1}
    local row=${SETTING_ROWS[$setting]// /} i
    [[ ${#row} -eq 34 ]] || fail "no jumper setting $setting"
    {
        for i in "${!PIN_MARKS[@]}"; do echo "${PIN_MARKS[i]} ${row:i:1}"; done
        printf '%s\n' "${FIXED_MARKS[@]}"
    } | awk -v ox="$ox" -v oy="$oy" -v s="$scale" -v grey=$GREY -v white=$WHITE '{
        x = ox + int(($2 + $4 / 2) / 15 * s); y = oy + int(($3 + $4 / 2) / 15 * s)
        print $1, x, y, ($5 == "C" ? grey : white) }'
}

colour_near() { # rrggbb rrggbb tolerance: every channel within the tolerance
    local a=$1 b=$2 k d
    for k in 0 2 4; do
        d=$((16#${a:k:2} - 16#${b:k:2}))
        ((d <= $3 && -d <= $3)) || return 1
    done
}

# pin_mismatches image setting [ox oy scale tolerance]: one line per pin mark in a wrong colour,
# nothing when all 41 are right. (It runs inside $(...), where `fail` could not end the test:
# what it cannot check, it reports as a line too.)
pin_mismatches() {
    local img=$1 setting=$2 tol=${6:-0} name x y want got
    local -a exp points got_all
    mapfile -t exp < <(pin_expectations "$setting" "${3:-0}" "${4:-0}" "${5:-1}")
    if ((${#exp[@]} != 41)); then echo "no pin marks for setting $setting"; return 0; fi
    mapfile -t points < <(printf '%s\n' "${exp[@]}" | cut -d' ' -f2,3)
    mapfile -t got_all < <(pixels "$img" "${points[@]}")
    if ((${#got_all[@]} != 41)); then echo "cannot read the pin colours from $img"; return 0; fi
    local i
    for i in "${!exp[@]}"; do
        set -- ${exp[i]}
        name=$1 x=$2 y=$3 want=$4 got=${got_all[i]}
        colour_near "$got" "$want" "$tol" || echo "$name at ($x,$y) is #$got, want #$want"
    done
    return 0
}

settings_matching() { # image: every setting whose pin marks the window shows (one read)
    local -a points got
    mapfile -t points < <(pin_expectations 1 | cut -d' ' -f2,3)
    mapfile -t got < <(pixels "$1" "${points[@]}")
    ((${#got[@]} == 41)) || return 0 # nothing readable, nothing matches
    local shown= c s row fixed=
    for c in "${got[@]}"; do
        case $c in "$GREY") shown+=C ;; "$WHITE") shown+=O ;; *) shown+='?' ;; esac
    done
    for c in "${FIXED_MARKS[@]}"; do fixed+=${c##* }; done
    for s in "${!SETTING_ROWS[@]}"; do
        row=${SETTING_ROWS[s]// /}
        [[ $shown == "$row$fixed" ]] && echo "$s"
    done
    return 0
}

# The processor list's box (twips 1050, 120, 5070 x 345), less the drop-down arrow at its right.
LIST_TEXT_AREA="300x21+72+9" # width x height + left + top, window pixels

list_text_pixels() { # image: how many pixels of the list's olive text (red, green 128; blue 0) show
    /usr/bin/convert "$1" -crop "$LIST_TEXT_AREA" +repage txt:- |
        awk -F'[,: ()]+' 'NR > 1 && $3 - $5 > 40 && $4 - $5 > 40 { n++ } END { print n + 0 }'
}

LAST_SHOT=
_shows_setting() { # setting
    LAST_SHOT=$(shot "$WID" "setting$1")
    [[ -z $(pin_mismatches "$LAST_SHOT" "$1") ]]
}

expect_setting() { # what setting: the window shows it within 3 s (polled)
    wait_until 3 _shows_setting "$2" ||
        fail "$1: the pin marks do not show setting $2:
$(pin_mismatches "$LAST_SHOT" "$2")
(they match setting(s): $(settings_matching "$LAST_SHOT" | tr '\n' ' '))"
}

expect_entry() { # what entry: the window shows that list entry's jumpers, and the list is not blank
    expect_setting "$1 (entry $2)" "${ENTRY_SETTING[$2]}"
    local n
    n=$(list_text_pixels "$LAST_SHOT")
    ((n > 20)) || fail "$1: the list shows no text ($n text pixels)"
}
