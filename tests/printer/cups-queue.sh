#!/usr/bin/env bash
# A CUPS server of the print tests' own: its own configuration folder, listening on 127.0.0.1
# only, with one cups-pdf queue for each role named. The system's cupsd is never used.
#   cups-queue.sh start STATE_DIR ROLE...  starts it and writes STATE_DIR/server (key=value lines)
#   cups-queue.sh stop STATE_DIR           stops it and removes what it put outside STATE_DIR
set -eu
action=$1
state=$2
shift 2
fail() { echo "cups-queue: $*" >&2; exit 1; }

# cups-pdf reads a queue's settings only from here, named after the queue.
cups_pdf_conf() { echo "/etc/cups/cups-pdf-$1.conf"; }

stop() {
  [ -f "$state/server" ] || return 0
  local pid
  pid=$(sed -n 's/^pid=//p' "$state/server")
  # Only the cupsd this script started: its command line names this state folder.
  if [ -n "$pid" ] && tr '\0' ' ' <"/proc/$pid/cmdline" 2>/dev/null | grep -q -- "$state/conf/"; then
    kill -TERM "$pid" 2>/dev/null || true
    for _ in $(seq 100); do
      kill -0 "$pid" 2>/dev/null || break
      sleep 0.1
    done
    kill -KILL "$pid" 2>/dev/null || true
  fi
  for queue in $(sed -n 's/^queue_[a-z]*=//p' "$state/server"); do
    rm -f "$(cups_pdf_conf "$queue")"
  done
  sed -i 's/^pid=.*/pid=/' "$state/server"
}

if [ "$action" = stop ]; then
  stop
  echo "CUPS server stopped"
  exit 0
fi
[ "$action" = start ] || fail "usage: cups-queue.sh start|stop STATE_DIR [ROLE...]"

stop
for tool in cupsd lpadmin lpstat cupsdisable; do
  command -v "$tool" >/dev/null || fail "$tool is missing: install cups and cups-client (scripts/install-deps.sh)"
done
backend=/usr/lib/cups/backend/cups-pdf
ppd=/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd
[ -x "$backend" ] && [ -f "$ppd" ] || fail "cups-pdf is missing: install printer-driver-cups-pdf"
# CUPS runs a backend that only root may run (cups-pdf is one) as root, and only then.
[ "$(id -u)" -eq 0 ] || fail "the print tests run cups-pdf, which CUPS starts only for a cupsd run as root"

rm -rf "$state"
mkdir -p "$state"/{conf,spool,cache,run,log,out,cups-pdf}
# Filters run as the lp user and write their temporary files here.
mkdir -m 1777 "$state/tmp"

start_on() {
  local port=$1
  cat >"$state/conf/cups-files.conf" <<CONF
ServerRoot $state/conf
RequestRoot $state/spool
CacheDir $state/cache
StateDir $state/run
TempDir $state/tmp
ErrorLog $state/log/error_log
AccessLog $state/log/access_log
PageLog $state/log/page_log
Printcap $state/run/printcap
ServerBin /usr/lib/cups
DataDir /usr/share/cups
SystemGroup root
User lp
Group lp
Sandboxing Relaxed
CONF
  cat >"$state/conf/cupsd.conf" <<CONF
Listen 127.0.0.1:$port
Browsing No
BrowseLocalProtocols none
DefaultAuthType None
WebInterface No
LogLevel info
MaxJobs 0
<Location />
  Order allow,deny
  Allow from 127.0.0.1
</Location>
<Policy default>
  <Limit All>
    Order allow,deny
    Allow from 127.0.0.1
  </Limit>
</Policy>
CONF
  # In a session of its own, its output in its log, so that ctest does not wait on it.
  setsid cupsd -f -c "$state/conf/cupsd.conf" -s "$state/conf/cups-files.conf" \
    </dev/null >>"$state/log/cupsd.out" 2>&1 &
  pid=$!
  for _ in $(seq 100); do
    kill -0 "$pid" 2>/dev/null || return 1
    if grep -q "Listening to 127.0.0.1:$port" "$state/log/error_log" 2>/dev/null \
       && lpstat -h "127.0.0.1:$port" -r >/dev/null 2>&1; then
      return 0
    fi
    sleep 0.1
  done
  kill -TERM "$pid" 2>/dev/null || true
  return 1
}

port_free() { ! (exec 3<>"/dev/tcp/127.0.0.1/$1") 2>/dev/null; }

port=
for _ in $(seq 20); do
  candidate=$((30000 + RANDOM % 20000))
  port_free "$candidate" || continue
  if start_on "$candidate"; then
    port=$candidate
    break
  fi
done
if [ -z "$port" ]; then
  tail -n 20 "$state/log/error_log" "$state/log/cupsd.out" >&2 || true
  fail "cupsd did not start"
fi
server=127.0.0.1:$port
{
  echo "server=$server"
  echo "pid=$pid"
} >"$state/server"

for role in "$@"; do
  queue=tessaprint-$port-$role
  out=$state/out/$role
  mkdir -p "$out"
  echo "queue_$role=$queue" >>"$state/server"
  echo "out_$role=$out" >>"$state/server"
  cat >"$(cups_pdf_conf "$queue")" <<CONF
Out $out
Spool $state/cups-pdf
GSTmp $state/tmp
Log $state/log
Grp root
CONF
  # pdftocairo keeps the text of the fonts readable in the landed PDF (Ghostscript's PostScript
  # keeps the places but not the letters); letter paper, as a label printer is set up.
  lpadmin -h "$server" -p "$queue" -E -v "cups-pdf:/$queue" -P "$ppd" \
    -o pdftops-renderer-default=pdftocairo -o PageSize=Letter -o printer-is-shared=false 2>"$state/log/lpadmin.err" \
    || { cat "$state/log/lpadmin.err" >&2; stop; fail "could not set up the queue $queue"; }
done
echo "CUPS server on $server (pid $pid), queues: $(sed -n 's/^queue_[a-z]*=//p' "$state/server" | tr '\n' ' ')"
