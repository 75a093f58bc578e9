#!/usr/bin/env bash
# Printing benchmark (not a test): the real program under Xvfb prints through a print service
# of its own with a PDF printer as the default printer. For each Alt+P it measures
#   key -> job queued   from the key press to the job in the queue: `lpstat -o` lists it, or
#                       its document has started to arrive in the print service's spool
#   key -> PDF written  from the key press to the finished PDF (job done, queue empty)
# and it reads the program's peak memory (VmHWM) before the first print and after the last.
#
#   bench/print.sh BUILD-DIR [PRINTS]      (root; the program is BUILD-DIR/orvex; 5 prints)
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=${1:?usage: bench/print.sh BUILD-DIR [PRINTS]}
prints=${2:-5}
PROG=$(cd "$build" && pwd)/orvex
[[ -x $PROG ]] || { echo "no program at $PROG (build first)" >&2; exit 1; }
. "$here/../tests/e2e/lib.sh"
. "$here/../tests/e2e/cups.sh"

now_us() { echo "${EPOCHREALTIME//[.,]/}"; }
vm() { awk -v k="$2:" '$1 == k {print $2}' "/proc/$1/status"; } # pid field -> kB

cups_start
cups_add_pdf_printer
start_x
start_app
xdotool windowfocus --sync "$WID"
expect_entry "at start" "$FIRST_ENTRY"
press End
expect_entry "End" 30
hwm_before=$(vm "$APP_PID" VmHWM)
rss_before=$(vm "$APP_PID" VmRSS)

spool=$CUPS_DIR/spool
queued=()
written=()
for n in $(seq "$prints"); do
    rm -f "$CUPS_OUT"/*.pdf
    job=$(printf '%05d' "$n") # the print service numbers its jobs from 1
    t0=$(now_us)
    xdotool key --clearmodifiers alt+p
    # (Each lpstat takes a few milliseconds: it is its own pacing.)
    until [[ -n $(cups_queue) ]] || compgen -G "$spool/d$job-*" >/dev/null; do
        (($(now_us) - t0 < 30000000)) || fail "print $n: no job in the queue after 30 s"
    done
    t1=$(now_us)
    until [[ -z $(cups_queue) && -n $(newest_pdf) ]] && pdfinfo "$(newest_pdf)" >/dev/null 2>&1; do
        (($(now_us) - t0 < 60000000)) || fail "print $n: no PDF after 60 s"
        sleep 0.01
    done
    t2=$(now_us)
    queued+=($(((t1 - t0) / 1000)))
    written+=($(((t2 - t0) / 1000)))
    printf 'print %d: key -> job queued %4d ms, key -> PDF written %5d ms\n' "$n" "${queued[-1]}" "${written[-1]}"
done
alive "$APP_PID" || fail "the program ended while printing"
[[ -z $(window_named 'ORVEX - Print') ]] || fail "the program reported a printing failure"
hwm_after=$(vm "$APP_PID" VmHWM)
rss_after=$(vm "$APP_PID" VmRSS)
pages=$(pdfinfo "$(newest_pdf)" | awk '/^Pages:/ {print $2}')
size=$(stat -c %s "$(newest_pdf)")

stats() { # numbers -> "min / median / max"
    printf '%s\n' "$@" | sort -n | awk '{v[NR] = $1} END {
        m = (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2
        printf "%d / %g / %d", v[1], m, v[NR] }'
}
echo
echo "prints:                  $prints (entry 30, one page each; last PDF $pages page(s), $size bytes)"
echo "key -> job queued (ms):  $(stats "${queued[@]}")   (min / median / max)"
echo "key -> PDF written (ms): $(stats "${written[@]}")"
echo "peak memory (VmHWM):     $((hwm_before / 1024)) MiB before printing, $((hwm_after / 1024)) MiB after ($(((hwm_after - hwm_before) / 1024)) MiB more)"
echo "resident (VmRSS):        $((rss_before / 1024)) MiB before, $((rss_after / 1024)) MiB after"

press Escape
expect_exit "Esc" 1500 >/dev/null
