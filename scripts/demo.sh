#!/usr/bin/env bash
# Builds FeldSpan (installing what is missing) and shows it at work.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh


# A short session with the simulated terminal, which stands in for a real one: a few sample files on
# its drive C:, a 115200 bit/s line on a pseudo-terminal, and settings of its own for this run only.
work=$(mktemp -d)
sim_pid=
cleanup() {
  if [ -n "$sim_pid" ]; then kill "$sim_pid" 2>/dev/null || true; wait "$sim_pid" 2>/dev/null || true; fi
  rm -rf "$work"
}
trap cleanup EXIT

mkdir -p "$work/term/C/Data" "$work/term/D/Program" "$work/pc" "$work/project"
# The sample project, handed over by its Builder.ini: the window starts in project mode with it.
cp -r samples/FeldBuilder/. "$work/project/"
printf 'ITEM001,12\r\nITEM002,7\r\nITEM003,40\r\n' > "$work/term/C/Data/DATA1.TXT"
printf 'shelf,A3\r\n' > "$work/term/C/Data/SHELF.TXT"
head -c 20000 /dev/urandom > "$work/pc/STOCK.DAT"
printf '[FeldSpan]\nPATH\\PROJECTPATH=%s/project/\n' "$work" > "$work/settings.ini"

build/bin/feldspan-pdtsim --root "$work/term" --baud 115200 --log "$work/sim.log" > "$work/sim.out" &
sim_pid=$!
device=
for _ in $(seq 1 100); do
  device=$(sed -n 's/.*"device": *"\([^"]*\)".*/\1/p' "$work/sim.out" 2>/dev/null || true)
  [ -n "$device" ] && break
  sleep 0.1
done
if [ -z "$device" ]; then
  echo "the simulated terminal did not start" >&2
  exit 1
fi

# With a display: the desktop program against the simulated terminal, set up to connect to it.
if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ] && [ "${FELDSPAN_DEMO:-window}" != "cli" ]; then
  echo "== FeldSpan against the simulated terminal on $device (close the window to end) =="
  echo "   (the first terminal command connects to it; FELDSPAN_DEMO=cli $0 runs the command-line session instead)"
  if build/bin/feldspan --settings "$work/settings.ini" --device "$device"; then
    exit 0
  fi
  echo "the window could not open here; the command-line session instead" >&2
fi

cli() {
  echo
  echo "\$ feldspan-cli $*"
  build/bin/feldspan-cli --settings "$work/settings.ini" --device "$device" "$@"
}

echo
echo "== A session with the simulated terminal on $device =="
cli info
cli send
cli ls 'C:\Data'
cli put "$work/pc/STOCK.DAT" 'C:\Data'
cli ls 'C:\Data'
cli get 'C:\Data\STOCK.DAT' "$work/pc/STOCK-back.DAT"
echo
echo "\$ cmp STOCK.DAT STOCK-back.DAT"
cmp "$work/pc/STOCK.DAT" "$work/pc/STOCK-back.DAT" && echo "the file came back unchanged"
cli get 'C:\Data\DATA1.TXT' "$work/pc/DATA1.TXT"
echo
echo "\$ cat DATA1.TXT"
cat "$work/pc/DATA1.TXT"
