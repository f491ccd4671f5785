#!/usr/bin/env bash
# Sets up the machine, builds the program in build/ and starts it in the current folder
# (where it keeps its settings file).
#
#   bash scripts/start.sh            real serial ports; a simulated WUN-2 if there are none
#   bash scripts/start.sh --demo     always add a simulated WUN-2
#   bash scripts/start.sh --no-demo  never start the simulator
#   bash scripts/start.sh --all-windows  offer every window (miv3x-curvegen --all-windows)
#
# The simulated WUN-2 (wun2-sim) plays devices at addresses 1 and 3 and registers itself as
# a numbered port (a link COM<n> in the port folder, see README.md); it is stopped
# when the program ends.
set -euo pipefail
aufruf_ordner=$PWD
repo=$(cd "$(dirname "$0")/.." && pwd)

demo=auto
programm_optionen=()
for a in "$@"; do
  case "$a" in
    --all-windows) programm_optionen+=(--all-windows) ;;
    --demo) demo=yes ;;
    --no-demo) demo=no ;;
    -h | --help)
      sed -n '2,/^[^#]/{/^#/p}' "$0" | sed 's/^# \{0,1\}//'
      exit 0
      ;;
    *)
      echo "start.sh: unknown option $a (try --help)" >&2
      exit 2
      ;;
  esac
done

cd "$repo"
bash scripts/setup.sh
bash scripts/build.sh build -DCMAKE_BUILD_TYPE=Release
bin=$repo/build/bin

# The ports the program will list, one "COM <n><TAB>path" per line.
ports=$("$bin/miv3x" ports 2>/dev/null || true)
if [ "$demo" = auto ]; then
  if [ -z "$ports" ]; then demo=yes; else demo=no; fi
fi

sim_pid=
aufraeumen() {
  if [ -n "$sim_pid" ] && kill -0 "$sim_pid" 2>/dev/null; then
    kill -TERM "$sim_pid" 2>/dev/null || true
    wait "$sim_pid" 2>/dev/null || true
  fi
}
trap aufraeumen EXIT
trap 'exit 130' INT TERM

if [ "$demo" = yes ]; then
  # The lowest free number, so the port list selects it on a first run when it is COM1.
  nummer=1
  while printf '%s\n' "$ports" | grep -q "^COM $nummer	"; do nummer=$((nummer + 1)); done
  pfad_datei=$(mktemp)
  "$bin/wun2-sim" --address 13 --port "$nummer" >"$pfad_datei" 2>&1 &
  sim_pid=$!
  for _ in $(seq 50); do
    [ -s "$pfad_datei" ] && break
    kill -0 "$sim_pid" 2>/dev/null || break
    sleep 0.1
  done
  if ! kill -0 "$sim_pid" 2>/dev/null; then
    echo "start.sh: the simulator did not start:" >&2
    cat "$pfad_datei" >&2
    rm -f "$pfad_datei"
    exit 1
  fi
  echo "start.sh: simulated WUN-2 (addresses 1 and 3) on COM $nummer ($(head -n1 "$pfad_datei"))"
  rm -f "$pfad_datei"
fi

cd "$aufruf_ordner"
set +e
"$bin/miv3x-curvegen" "${programm_optionen[@]}"
ergebnis=$?
set -e
exit $ergebnis
