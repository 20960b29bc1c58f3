#!/usr/bin/env bash
# Takes the README's screenshots of the desktop program under Xvfb, driving it with xdotool as a
# user would: project mode, advanced mode's two trees connected to the simulated terminal with a
# file dragged across and a file's properties, the resident mode's settings, and the cradle
# firmware update against the simulated cradle, in English and in Traditional Chinese.
# Needs the build (scripts/setup.sh), xvfb, xdotool, imagemagick, srecord and dfu-util.
#   scripts/screenshots.sh [OUT_DIR]   (default docs/screenshots)
set -euo pipefail
cd "$(dirname "$0")/.."
out=${1:-docs/screenshots}
mkdir -p "$out"
for tool in Xvfb xdotool import srec_cat dfu-suffix; do
  command -v "$tool" >/dev/null || { echo "screenshots: $tool is missing" >&2; exit 1; }
done

work=$(mktemp -d)
pids=()
cleanup() {
  for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
  rm -rf "$work"
}
trap cleanup EXIT

export DISPLAY=:87
Xvfb "$DISPLAY" -screen 0 1024x768x24 >/dev/null 2>&1 &
pids+=($!)
sleep 1

# A cradle firmware file for the simulated cradle.
head -c 3072 /dev/urandom > "$work/fw.bin"
srec_cat "$work/fw.bin" -binary -offset 0xC000 -o "$work/fw.s19" -motorola -address-length=2 -line-length=70
cp "$work/fw.s19" "$work/CRADLE.dfu"
dfu-suffix -a "$work/CRADLE.dfu" -v 0xFE1D -p 0x0C8D -d 0x0110 >/dev/null

window() { xdotool search --sync --onlyvisible --name "$1" | head -1; }
# Cut from the screen rather than asking the window for its picture, which can come back half drawn.
shot() {
  sleep 0.8
  eval "$(xdotool getwindowgeometry --shell "$1")"
  import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$out/$2"
  echo "screenshots: $out/$2"
}
menu() {  # opens the menu bar's first menu, then walks with the keys given
  xdotool mousemove 12 8 click 1
  sleep 0.3
  xdotool key --delay 120 "$@"
  sleep 0.6
}

for lang in en:3 zh_TW:2; do
  name=${lang%%:*}
  code=${lang##*:}
  mkdir -p "$work/$name/project" "$work/$name/term/C/Data" "$work/$name/home/Documents"
  # The sample project, handed over by its Builder.ini: the window starts in project mode with it.
  cp -r samples/FeldBuilder/. "$work/$name/project/"
  printf 'ITEM001,12\r\n' > "$work/$name/term/C/Data/DATA1.TXT"
  # The PC tree's home place: a folder with files the terminal can hold.
  printf 'ORDER,1\r\n' > "$work/$name/home/Documents/ORDERS.TXT"
  printf 'PRICE,2\r\n' > "$work/$name/home/Documents/PRICES.DBF"
  printf '[FeldSpan]\nPATH\\PROJECTPATH=%s/project/\n[PATH]\nLANGUAGE=%s\n' "$work/$name" "$code" > "$work/$name/settings.ini"
  build/bin/feldspan-pdtsim --root "$work/$name/term" > "$work/$name/sim.out" &
  pids+=($!)
  sleep 0.5
  device=$(sed -n 's/.*"device": *"\([^"]*\)".*/\1/p' "$work/$name/sim.out")
  HOME="$work/$name/home" FELDSPAN_DFU_SIM=1 build/bin/feldspan --settings "$work/$name/settings.ini" --device "$device" &
  app=$!
  pids+=($app)
  main=$(window "FeldSpan 3.00A")
  sleep 1

  menu Right Right Down Return      # Settings > Port settings: the dialog, then OK connects
  xdotool key Return
  sleep 1.5
  shot "$main" "project-$name.png"

  eval "$(xdotool getwindowgeometry --shell "$main")"
  xdotool mousemove $((X + WIDTH - 58)) $((Y + 240)) click 1   # Receive data: the dialog over the window
  sleep 1.5
  shot "$main" "receive-$name.png"
  xdotool key Escape
  sleep 0.5

  menu Right Down Return            # Window > Advanced mode
  eval "$(xdotool getwindowgeometry --shell "$main")"
  at() { local x=$1 y=$2; shift 2; xdotool mousemove $((X + x)) $((Y + y)) "$@"; }
  at 84 122 click 1                 # PC tree: Home (below the column header)
  sleep 0.4
  at 120 140 click 1                # Home/Documents
  sleep 0.4
  at 456 104 click 1                # terminal tree: C:\ listed over the link
  sleep 1.5
  at 482 122 click 1                # C:\Data
  sleep 1.5
  at 144 158 mousedown 1            # drag ORDERS.TXT onto C:\Data
  for step in 160:163 300:148 470:124 482:122; do at "${step%%:*}" "${step##*:}"; sleep 0.2; done
  xdotool mouseup 1
  sleep 2.5
  shot "$main" "advanced-$name.png"
  at 520 140 click 3                # DATA1.TXT: the context menu, its last item (Properties)
  sleep 0.5
  xdotool key Up Return
  props=$(xdotool search --sync --onlyvisible --name "$([ "$name" = en ] && echo 'Properties' || echo '內容')" | head -1)
  shot "$props" "properties-$name.png"
  xdotool key Return
  sleep 0.3

  menu Right Right Down Down Down Right Down Return   # Settings > Resident > Settings
  standby=$(xdotool search --sync --onlyvisible --name "$([ "$name" = en ] && echo 'Resident Settings' || echo '常駐設定')" | head -1)
  shot "$standby" "resident-$name.png"
  xdotool key Escape
  sleep 0.3

  menu Left Left Down Down Down Return   # Tools (File, then Help, then Tools) > Update cradle firmware
  dialog=$(xdotool search --sync --onlyvisible --name "$([ "$name" = en ] && echo 'Cradle Firmware Update' || echo '充電座韌體更新')" | head -1)
  eval "$(xdotool getwindowgeometry --shell "$dialog")"
  xdotool mousemove $((X + WIDTH - 52)) $((Y + 21)) click 1   # Browse
  sleep 1
  xdotool type --delay 15 "$work/CRADLE.dfu"
  xdotool key Return
  shot "$dialog" "cradle-$name.png"  # the file checked and the cradle found, ready to start
  xdotool mousemove $((X + WIDTH - 140)) $((Y + HEIGHT - 23)) click 1   # Start update
  sleep 4
  xdotool key Return                # the final message
  sleep 0.3
  kill "$app" 2>/dev/null || true
  wait "$app" 2>/dev/null || true
done
