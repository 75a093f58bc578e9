#!/usr/bin/env bash
# Start-up benchmark: time to the first frame showing the pin marks, and peak memory, of the
# program against the floor (a bare Qt window with the same controls), under Xvfb with no
# window manager. Prints medians side by side; checks nothing, fails only if a run fails.
#
#   bench/run.sh BUILD_DIR [RUNS]      (RUNS defaults to $RUNS or 15; one warm-up each first)
set -euo pipefail

build=$(cd "${1:?usage: bench/run.sh BUILD_DIR [RUNS]}" && pwd)
runs=${2:-${RUNS:-15}}

# Targets outside the default build.
cmake --build "$build" --target orvex floor firstframe >/dev/null

orvex=$build/orvex
floor=$build/bench/floor
firstframe=$build/bench/firstframe

work=$(mktemp -d)
xvfb_pid=
cleanup() {
    if [[ -n $xvfb_pid ]]; then
        kill "$xvfb_pid" 2>/dev/null || true
        wait "$xvfb_pid" 2>/dev/null || true
    fi
    rm -rf "$work"
}
trap cleanup EXIT

export XDG_RUNTIME_DIR=$work/xdg
mkdir -m 700 "$XDG_RUNTIME_DIR"
export QT_QPA_PLATFORM=xcb
unset QT_SCALE_FACTOR QT_SCREEN_SCALE_FACTORS QT_AUTO_SCREEN_SCALE_FACTOR

start_x() {
    local n i
    for n in $(seq 150 199); do
        [[ -e /tmp/.X$n-lock ]] && continue
        Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
        xvfb_pid=$!
        export DISPLAY=:$n
        for i in $(seq 100); do
            xdpyinfo >/dev/null 2>&1 && return 0
            kill -0 "$xvfb_pid" 2>/dev/null || break
            sleep 0.05
        done
        kill "$xvfb_pid" 2>/dev/null || true
        wait "$xvfb_pid" 2>/dev/null || true
        xvfb_pid=
    done
    echo "Xvfb did not start" >&2
    exit 1
}
start_x

# What each program's first frame shows: pin mark v2jp6 grey and v1jp6 white in the
# program (the first setting), the grey square in the floor.
orvex_points=(322,244,808080 322,252,ffffff)
floor_points=(322,252,808080)

retries=0
one_run() { # name -> prints "ms kib"; a failed run is tried once more
    local name=$1 out
    local -n points=${name}_points
    local prog=${!name}
    if ! out=$("$firstframe" "${points[@]}" -- "$prog"); then
        retries=$((retries + 1))
        out=$("$firstframe" "${points[@]}" -- "$prog") || { echo "$name: run failed twice" >&2; exit 1; }
    fi
    sed -n 's/^frame_ms=\([0-9.]*\) hwm_frame_kib=[0-9-]* hwm_kib=\([0-9-]*\)$/\1 \2/p' <<<"$out"
}

# One warm-up each (page cache, font cache), not counted.
one_run orvex >/dev/null
one_run floor >/dev/null
: >"$work/orvex"
: >"$work/floor"
for ((i = 0; i < runs; i++)); do
    one_run orvex >"$work/one" && cat "$work/one" >>"$work/orvex"
    one_run floor >"$work/one" && cat "$work/one" >>"$work/floor"
done

median() { # file column
    sort -n -k"$2","$2" "$1" | awk -v c="$2" '{v[NR] = $c} END {
        if (NR % 2) print v[(NR + 1) / 2]; else print (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}
spread() { # file column -> min..max
    sort -n -k"$2","$2" "$1" | awk -v c="$2" 'NR == 1 {lo = $c} {hi = $c} END {print lo ".." hi}'
}

o_ms=$(median "$work/orvex" 1)
f_ms=$(median "$work/floor" 1)
o_kib=$(median "$work/orvex" 2)
f_kib=$(median "$work/floor" 2)

awk -v om="$o_ms" -v fm="$f_ms" -v ok="$o_kib" -v fk="$f_kib" -v n="$runs" \
    -v osp="$(spread "$work/orvex" 1)" -v fsp="$(spread "$work/floor" 1)" 'BEGIN {
    ratio = om / fm
    diff = (ok - fk) / 1024
    printf "Start-up under Xvfb, median of %d runs each (interleaved, one warm-up each)\n\n", n
    printf "%-26s %12s %12s %12s %10s\n", "", "orvex", "floor", "orvex/floor", "goal"
    printf "%-26s %12.2f %12.2f %11.3fx %9s %s\n", "first frame (ms)", om, fm, ratio, "<= 1.15x",
        ratio <= 1.15 ? "met" : "NOT MET"
    printf "%-26s %12s %12s\n", "  range (ms)", osp, fsp
    printf "%-26s %12.1f %12.1f %+10.1f MiB %8s %s\n", "peak memory VmHWM (MiB)", ok / 1024, fk / 1024,
        diff, "<= +10", diff <= 10 ? "met" : "NOT MET"
}'
(( retries == 0 )) || echo "($retries run(s) failed once and were repeated)"
