#!/usr/bin/env bash
# Runs the printing tests through a real print queue: starts a private cupsd in
# the foreground on a scratch configuration (its own ServerRoot, socket, spool
# and cups-pdf output folder, so a CUPS the machine runs is not disturbed),
# adds a cups-pdf queue as the default, runs the tests that print through it
# with CUPS_SERVER pointing at it, and always stops the daemon by its PID.
#
#   tools/cups-print-test.sh [build dir]     (default: build-test)
#
# Needs root: the cups-pdf backend runs as root and reads its configuration
# only from /etc/cups, so the queue's own file /etc/cups/cups-pdf-<queue>.conf
# is written there for the run and removed afterwards.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${1:-$here/build-test}"
as_root=()
[ "$(id -u)" -eq 0 ] || as_root=(sudo)

for tool in cupsd lpadmin lpstat pdfinfo pdftoppm; do
  command -v "$tool" >/dev/null || PATH="$PATH:/usr/sbin"
  command -v "$tool" >/dev/null || { echo "cups-print-test: $tool is missing (tools/install-deps.sh installs it)" >&2; exit 1; }
done

scratch="$(mktemp -d /tmp/tolvane-cups.XXXXXX)"
queue="tolvane-$$"
pdfconf="/etc/cups/cups-pdf-$queue.conf"
daemon=""

stop() {
  local status=$?
  if [ -n "$daemon" ] && kill -0 "$daemon" 2>/dev/null; then
    "${as_root[@]}" kill "$daemon" 2>/dev/null || true
    for _ in $(seq 50); do kill -0 "$daemon" 2>/dev/null || break; sleep 0.1; done
    kill -0 "$daemon" 2>/dev/null && "${as_root[@]}" kill -9 "$daemon" 2>/dev/null || true
  fi
  "${as_root[@]}" rm -f "$pdfconf" "/etc/cups/cups-pdf-$queue-a4.conf"
  if [ "$status" -ne 0 ] && [ -f "$scratch/log/error_log" ]; then
    echo "== cupsd error log ==" >&2
    tail -n 40 "$scratch/log/error_log" >&2
  fi
  "${as_root[@]}" rm -rf "$scratch"
  exit "$status"
}
trap stop EXIT
trap 'exit 130' INT TERM

mkdir -p "$scratch"/{etc/ppd,etc/ssl,spool/tmp,cache,state,log,out}
chmod 0755 "$scratch" "$scratch"/{etc,log,out}
socket="$scratch/cups.sock"

cat >"$scratch/etc/cups-files.conf" <<CONF
ServerRoot $scratch/etc
RequestRoot $scratch/spool
TempDir $scratch/spool/tmp
CacheDir $scratch/cache
StateDir $scratch/state
ServerBin /usr/lib/cups
DataDir /usr/share/cups
DocumentRoot /usr/share/cups/doc-root
AccessLog $scratch/log/access_log
ErrorLog $scratch/log/error_log
PageLog $scratch/log/page_log
User lp
Group lp
SystemGroup root lpadmin
FileDevice No
Sandboxing Relaxed
CONF

cat >"$scratch/etc/cupsd.conf" <<CONF
Listen $socket
LogLevel warn
Browsing No
WebInterface No
DefaultAuthType None
<Location />
  Order allow,deny
  Allow all
</Location>
<Policy default>
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
CONF

# The queue's cups-pdf settings: every job lands in the scratch output folder.
"${as_root[@]}" tee "$pdfconf" >/dev/null <<CONF
Out $scratch/out
AnonDirName $scratch/out
Label 1
Grp root
UserUMask 0022
AnonUMask 0022
CONF

"${as_root[@]}" cupsd -f -c "$scratch/etc/cupsd.conf" -s "$scratch/etc/cups-files.conf" &
daemon=$!
export CUPS_SERVER="$socket"
for _ in $(seq 100); do
  [ -S "$socket" ] && lpstat -r >/dev/null 2>&1 && break
  kill -0 "$daemon" 2>/dev/null || { echo "cups-print-test: cupsd did not start" >&2; exit 1; }
  sleep 0.1
done
lpstat -r

# The cups-pdf driver with hardware margins (a quarter inch at the sides, half
# an inch at top and bottom), so a layout that ignores the printable area
# leaves ink where the tests forbid it.
perl -pe 's{^(\*ImageableArea [^:]*: )"0 0 ([\d.]+) ([\d.]+)"}{$1 . sprintf(q("18 36 %g %g"), $2 - 18, $3 - 36)}e' \
  /usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd >"$scratch/tolvane-pdf.ppd"
grep -q '^\*ImageableArea Letter.*"18 36 594 756"' "$scratch/tolvane-pdf.ppd"

# Two queues into one output folder: the default one on Letter, one on A4.
"${as_root[@]}" cp "$pdfconf" "/etc/cups/cups-pdf-$queue-a4.conf"
for q in "$queue:Letter" "$queue-a4:A4"; do
  "${as_root[@]}" env CUPS_SERVER="$socket" lpadmin -p "${q%%:*}" -E -v "cups-pdf:/${q%%:*}" \
    -P "$scratch/tolvane-pdf.ppd" -o "PageSize=${q##*:}" 2>&1 | grep -v "drivers are deprecated" || true
done
"${as_root[@]}" env CUPS_SERVER="$socket" lpadmin -d "$queue"
lpstat -d -p

export TOLVANE_CUPS_QUEUE="$queue"
export TOLVANE_CUPS_OUTPUT="$scratch/out"
export TOLVANE_REQUIRE_CUPS=1
QT_QPA_PLATFORM=offscreen "$build/tests/test_gui" --gtest_filter='CupsPrinting.*'
