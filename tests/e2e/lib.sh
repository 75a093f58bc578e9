# Helpers for driving the real program under Xvfb with xdotool.
WORK=$(mktemp -d)
XVFB_PID=
cleanup() {
    [[ -n ${APP_PIDS:-} ]] && kill $APP_PIDS 2>/dev/null || true
    [[ -n $XVFB_PID ]] && kill "$XVFB_PID" 2>/dev/null || true
    if [[ -n ${KEEP_SHOTS:-} ]]; then cp "$WORK"/*.png "$KEEP_SHOTS"/ 2>/dev/null || true; fi
    rm -rf "$WORK"
}
trap cleanup EXIT

fail() { echo "FAIL: $*" >&2; exit 1; }

start_x() {
    export XDG_RUNTIME_DIR=$WORK/xdg
    mkdir -m 700 -p "$XDG_RUNTIME_DIR"
    local n
    for n in $(seq 90 140); do
        [[ -e /tmp/.X$n-lock ]] && continue
        Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >"$WORK/xvfb.log" 2>&1 &
        XVFB_PID=$!
        export DISPLAY=":$n"
        local i
        for i in $(seq 100); do
            xdpyinfo >/dev/null 2>&1 && return 0
            kill -0 "$XVFB_PID" 2>/dev/null || break
            sleep 0.05
        done
    done
    fail "Xvfb did not start"
}

find_window() {
    timeout 20 xdotool search --sync --onlyvisible --name '^ORVEX$' | head -n 1
}

press() { # window, keys...
    local wid=$1; shift
    xdotool windowfocus --sync "$wid"
    xdotool key --clearmodifiers "$@"
}

wait_exit() { # pid: true when it ends within 5 s
    local i
    for i in $(seq 100); do
        kill -0 "$1" 2>/dev/null || { wait "$1" 2>/dev/null || true; return 0; }
        sleep 0.05
    done
    return 1
}

shot() { import -silent -window "$1" "$2"; }

# Pixel centre of a box given in twips (left or top, and size).
cx() { echo $(( ($1 * 2 + $2) / 30 )); }
cy() { cx "$@"; }

colour_at() { # image x y -> rrggbb
    /usr/bin/convert "$1" -format '%[hex:p{'"$2,$3"'}]' info: | tr 'A-F' 'a-f' | cut -c1-6
}

expect_colour() { # image x y rrggbb what
    local got
    got=$(colour_at "$1" "$2" "$3")
    [[ $got == "$4" ]] || fail "$5 at ($2,$3) is #$got, want #$4"
}
