# A real print service of the test's own, sourced after lib.sh (needs at_exit, stop_pid and
# wait_until from there). Root is needed: the PDF printer's back end runs as root; without it
# cups_start skips the test (exit status 77).
#
#   cups_start            starts a scheduler (cupsd) of its own, on a socket of its own, and
#                         points CUPS_SERVER at it (the program and lpstat then talk to it only)
#   cups_add_pdf_printer  adds the queue "PDF" (printer-driver-cups-pdf) and makes it the default;
#                         its files land in $CUPS_OUT
#   cups_remove_printer   deletes that queue again: the scheduler runs, with no printer at all
#   cups_stop             stops the scheduler: CUPS_SERVER then leads nowhere
#
# Everything the scheduler keeps (configuration, spool, logs, the queue) lives in a scratch
# folder, so a cupsd that the machine already runs, its queues and its settings are never
# touched and never seen. The one file outside it is the PDF back end's configuration for this
# queue, /etc/cups/cups-pdf-<instance>.conf (the back end reads no other folder); it is written
# new for each run and removed at exit, and files left by an earlier run that was killed are
# removed at the next start.

CUPS_PID=
CUPS_DIR=
CUPS_OUT=
CUPS_INSTANCE=
CUPS_PDF_CONF=

_cups_answers() { lpstat -r 2>/dev/null | grep -q 'is running'; }

cups_start() {
    if [[ $(id -u) != 0 ]]; then
        echo "SKIP: printing through a print service needs root (the PDF printer's back end runs as root)"
        exit 77 # a skipped test to ctest
    fi
    export PATH=/usr/sbin:/sbin:$PATH # cupsd and lpadmin live there
    local need
    for need in cupsd lpadmin lpstat /usr/lib/cups/backend/cups-pdf pdfinfo pdftoppm; do
        command -v "$need" >/dev/null || fail "$need is missing (tools/deps.sh installs it)"
    done
    # The filters run as the user lp, so they must be able to reach the spool folder.
    CUPS_DIR=$(mktemp -d /tmp/orvex-cups.XXXXXX)
    chmod 755 "$CUPS_DIR"
    at_exit rm -rf "$CUPS_DIR"
    on_kill rm -rf "$CUPS_DIR"
    mkdir -p "$CUPS_DIR"/{etc,log,spool/tmp,cache,state,out}
    CUPS_OUT=$CUPS_DIR/out
    cat >"$CUPS_DIR/etc/cupsd.conf" <<EOF
Listen $CUPS_DIR/cups.sock
LogLevel warn
MaxLogSize 0
Browsing No
WebInterface No
DefaultPolicy open
<Location />
  Order allow,deny
  Allow all
</Location>
<Policy open>
  JobPrivateAccess all
  JobPrivateValues none
  SubscriptionPrivateAccess all
  SubscriptionPrivateValues none
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
EOF
    cat >"$CUPS_DIR/etc/cups-files.conf" <<EOF
ServerRoot $CUPS_DIR/etc
RequestRoot $CUPS_DIR/spool
TempDir $CUPS_DIR/spool/tmp
CacheDir $CUPS_DIR/cache
StateDir $CUPS_DIR/state
ErrorLog $CUPS_DIR/log/error_log
AccessLog $CUPS_DIR/log/access_log
PageLog $CUPS_DIR/log/page_log
User lp
Group lp
SystemGroup root
EOF
    /usr/sbin/cupsd -f -c "$CUPS_DIR/etc/cupsd.conf" -s "$CUPS_DIR/etc/cups-files.conf" \
        >"$CUPS_DIR/log/cupsd.out" 2>&1 &
    CUPS_PID=$!
    at_exit cups_stop
    on_kill kill -KILL "$CUPS_PID"
    export CUPS_SERVER=$CUPS_DIR/cups.sock
    unset PRINTER LPDEST
    wait_until 15 _cups_answers ||
        fail "the print service did not start: $(cat "$CUPS_DIR"/log/cupsd.out "$CUPS_DIR"/log/error_log 2>/dev/null)"
}

cups_add_pdf_printer() {
    # The back end's settings for this queue only: cups-pdf:/NAME reads cups-pdf-NAME.conf.
    local stale pid
    for stale in /etc/cups/cups-pdf-orvexe2e*.conf; do
        [[ -e $stale ]] || continue
        pid=${stale##*orvexe2e}
        pid=${pid%.conf}
        kill -0 "$pid" 2>/dev/null || rm -f "$stale"
    done
    CUPS_INSTANCE=orvexe2e$$
    CUPS_PDF_CONF=/etc/cups/cups-pdf-$CUPS_INSTANCE.conf
    at_exit rm -f "$CUPS_PDF_CONF"
    on_kill rm -f "$CUPS_PDF_CONF"
    printf 'Out %s\nLog %s\nSpool %s\n' "$CUPS_OUT" "$CUPS_DIR/log" "$CUPS_DIR/pdfspool" >"$CUPS_PDF_CONF"
    lpadmin -p PDF -v "cups-pdf:/$CUPS_INSTANCE" -m lsb/usr/cups-pdf/CUPS-PDF_noopt.ppd -E 2>"$CUPS_DIR/log/lpadmin" ||
        fail "could not add the PDF printer: $(cat "$CUPS_DIR/log/lpadmin")"
    lpadmin -d PDF || fail "could not make PDF the default printer"
    [[ $(lpstat -d) == *": PDF" ]] || fail "PDF is not the default printer: $(lpstat -d)"
}

cups_remove_printer() {
    lpadmin -x PDF || fail "could not delete the PDF printer"
    [[ -z $(lpstat -e 2>/dev/null) ]] || fail "printers are left: $(lpstat -e)"
}

cups_stop() {
    [[ -n $CUPS_PID ]] || return 0
    stop_pid "$CUPS_PID"
    CUPS_PID=
}

cups_queue() { lpstat -o 2>/dev/null || true; } # the jobs waiting or printing, one a line

newest_pdf() { # the newest PDF in the output folder, or nothing
    ls -t "$CUPS_OUT"/*.pdf 2>/dev/null | head -n 1
}
