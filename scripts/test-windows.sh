#!/usr/bin/env bash
# Tests the Windows build under wine:
#   1. the core's test programs (build-win/tests/*.exe) through ctest, wine as the emulator;
#   2. feldspan-cli.exe end to end against the Linux simulated terminal, which Wine reaches as COM5
#      (HKLM\Software\Wine\Ports maps COM5 to a fixed link that points at the simulator's
#      pseudo-terminal): ping, info, ls, put and get byte for byte, send a project, receive with
#      each line-end option, collect --once, a terminal that vanishes mid-transfer, Ctrl-C;
#   3. feldspan.exe under Xvfb in both modes, in English and in Traditional Chinese
#      (with --screenshots DIR their pictures are kept there);
#   4. the setup program, when it is built: installs silently, the installed CLI runs, the
#      uninstaller removes the programs and keeps the settings.
# Needs scripts/setup-windows.sh once; builds with scripts/build-windows.sh when build-win/ is missing.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
cd "$here"
cache="${FELDSPAN_WIN_CACHE:-$HOME/.cache/feldspan-windows}"
win="${FELDSPAN_WIN_BUILD:-$here/build-win}"
shots=
only=
while (($#)); do
  case "$1" in
    --screenshots) shots="$(mkdir -p "$2" && cd "$2" && pwd)"; shift 2 ;;
    --only) only="$2"; shift 2 ;;   # core, cli, window or setup
    *) echo "test-windows: unknown option $1 (known: --screenshots DIR, --only core|cli|window|setup)" >&2; exit 2 ;;
  esac
done
want() { [ -z "$only" ] || [ "$only" = "$1" ]; }

[ -x "$win/bin/feldspan-cli.exe" ] || scripts/build-windows.sh
if [ ! -x build/bin/feldspan-pdtsim ] || [ ! -x build/bin/feldspan-cli ]; then
  # The simulated terminal is a Linux program; the Linux CLI gives the line-end results to compare.
  cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
  cmake --build build --target feldspan-pdtsim feldspan-cli
fi

work="$(mktemp -d /tmp/feldspan-wintest.XXXXXX)"
export WINEPREFIX="$work/wine" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
# A prefix of this run's own, copied from the prepared one (its registry gets this run's COM port).
cp -a "$cache/wine" "$WINEPREFIX"
winbin="Z:${win//\//\\}\\bin"
export WINEPATH="$winbin"
sim_pid=
xvfb_pid=
cleanup() {
  [ -n "$sim_pid" ] && { kill "$sim_pid" 2>/dev/null || true; wait "$sim_pid" 2>/dev/null || true; }
  [ -n "$xvfb_pid" ] && { kill "$xvfb_pid" 2>/dev/null || true; }
  wineserver -k 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
pass() { echo "ok:   $*"; }
t0=$(date +%s)

# ---- 1. the core's test programs -------------------------------------------------------------------
if want core; then
  echo "== the test programs under wine"
  wineboot -u >/dev/null 2>&1 || true
  summary=()
  for dir in "$win"/tests/*/; do
    [ -f "$dir/CTestTestfile.cmake" ] || continue
    name=$(basename "$dir")
    log="$work/ctest-$name.log"
    if ctest --test-dir "$dir" -j2 --timeout 300 >"$log" 2>&1; then
      summary+=("$name: $(grep -E 'tests passed' "$log" | tail -1)")
    else
      summary+=("$name: $(grep -E 'tests passed' "$log" | tail -1)")
      grep -E '^\s+[0-9]+ - .*(Failed|Timeout|Not Run|Exception)' "$log" | head -20 || true
      fail "test program $name"
    fi
  done
  printf '  %s\n' "${summary[@]}"
fi

# ---- 2. the CLI against the simulated terminal on COM5 -------------------------------------------------
link="$work/com5"
mkdir -p "$work/term/C/Data" "$work/term/D/Program" "$work/pc" "$work/save" "$work/project"
winpath() { echo "Z:${1//\//\\}"; }
# The main path of an installed program (build-win/bin holds what the setup program installs).
printf '[FeldSpan]\nPATH\\PROJECTPATH=%s\\\\\nPATH\\MAINPATH=%s\n' "$(winpath "$work/project" | sed 's/\\/\\\\/g')" \
  "$(winpath "$win/bin" | sed 's/\\/\\\\/g')" >"$work/settings.ini"
settings="$(winpath "$work/settings.ini")"

# A new wineserver (it reads the COM port mapping when it starts), started here with its output
# thrown away: one that a program starts writes its handle dumps into that program's stderr.
restart_server() {
  wineserver -k 2>/dev/null || true
  wineserver -w 2>/dev/null || true
  wineserver -p10 </dev/null >/dev/null 2>&1 || true
}
said() { # said FILE N: the last N lines a program wrote, without the wineserver's handle dumps
  tr -d '\r' <"$1" | grep -a -v -E '^[[:space:]]*(0x[0-9a-f]+|[0-9a-f]{4}):' | tail -"$2" | tr '\n' ' '
}
start_sim() { # start_sim [simulator options]: serves a new pseudo-terminal, COM5 points at it
  stop_sim
  build/bin/feldspan-pdtsim --root "$work/term" --baud 115200 --log "$work/sim.log" "$@" >"$work/sim.out" &
  sim_pid=$!
  local device=
  for _ in $(seq 1 100); do
    device=$(sed -n 's/.*"device": *"\([^"]*\)".*/\1/p' "$work/sim.out" 2>/dev/null || true)
    [ -n "$device" ] && break
    sleep 0.1
  done
  [ -n "$device" ] || { echo "test-windows: the simulated terminal did not start" >&2; exit 1; }
  ln -sfn "$device" "$link"
}
stop_sim() {
  if [ -n "$sim_pid" ]; then kill "$sim_pid" 2>/dev/null || true; wait "$sim_pid" 2>/dev/null || true; sim_pid=; fi
}
cli() { # cli ARGS...: feldspan-cli.exe on COM5; stdout in $work/out, stderr in $work/err, exit code in $rc
  rc=0
  timeout 120 wine "$win/bin/feldspan-cli.exe" --settings "$settings" --device COM5 "$@" >"$work/out" 2>"$work/err" || rc=$?
  tr -d '\r' <"$work/out" >"$work/out.n" && mv "$work/out.n" "$work/out"
}
same() { cmp -s "$1" "$2"; }

if want cli; then
  echo "== feldspan-cli.exe against the simulated terminal on COM5"
  wine reg add 'HKLM\Software\Wine\Ports' /v COM5 /t REG_SZ /d "$link" /f >/dev/null 2>&1
  restart_server
  start_sim

  cli ping; [ $rc = 0 ] && pass "ping" || fail "ping: rc $rc: $(cat "$work/err")"
  cli info --json; [ $rc = 0 ] && grep -q '"firmware"' "$work/out" && pass "info" || fail "info: rc $rc: $(cat "$work/out" "$work/err")"

  for size in 0 513 307200; do
    name="F$size.DAT"
    head -c "$size" /dev/urandom >"$work/pc/$name"
    cli put "$(winpath "$work/pc/$name")" 'C:\Data'
    if [ $rc = 0 ] && same "$work/pc/$name" "$work/term/C/Data/$name"; then pass "put $size B"; else fail "put $size B: rc $rc: $(cat "$work/err")"; fi
    rm -f "$work/save/$name"
    cli get "C:\\Data\\$name" "$(winpath "$work/save")"
    if [ $rc = 0 ] && same "$work/pc/$name" "$work/save/$name"; then pass "get $size B"; else fail "get $size B: rc $rc: $(cat "$work/err")"; fi
  done
  cli ls 'C:\Data'
  [ $rc = 0 ] && grep -q 'F513.DAT' "$work/out" && pass "ls" || fail "ls: rc $rc: $(cat "$work/out" "$work/err")"

  # A project: the sample project's files go to drive D: and C:.
  cp -r samples/FeldBuilder/. "$work/project/"
  cli send
  if [ $rc = 0 ]; then pass "send a project ($(grep -c -- '->' "$work/out" || true) files)"; else fail "send: rc $rc: $(tail -5 "$work/out") $(cat "$work/err")"; fi

  # Receive with each line-end option: the file the Windows program keeps is the one the Linux
  # program keeps from the same terminal file.
  mkdir -p "$work/save-linux"
  printf '[FeldSpan]\nPATH\\PROJECTPATH=%s/project/\n' "$work" >"$work/settings-linux.ini"
  for opts in "--keep-cr --keep-lf" "--drop-cr --keep-lf" "--keep-cr --drop-lf" "--drop-cr --drop-lf"; do
    printf 'A\r\nB\r\r\nC\r\n\nD\r' >"$work/term/C/Data/SCAN.TXT"
    rm -f "$work/save/SCAN.TXT" "$work/save-linux/SCAN.TXT"
    # shellcheck disable=SC2086
    build/bin/feldspan-cli --settings "$work/settings-linux.ini" --device "$link" receive SCAN.TXT --to "$work/save-linux" --overwrite $opts >/dev/null 2>&1 || true
    # shellcheck disable=SC2086
    cli receive SCAN.TXT --to "$(winpath "$work/save")" --overwrite $opts
    if [ $rc = 0 ] && [ -f "$work/save-linux/SCAN.TXT" ] && same "$work/save/SCAN.TXT" "$work/save-linux/SCAN.TXT"; then
      pass "receive $opts: $(od -An -c "$work/save/SCAN.TXT" | tr -s ' ')"
    else
      fail "receive $opts: rc $rc: $(cat "$work/err") (Windows: $(od -An -c "$work/save/SCAN.TXT" 2>/dev/null | tr -s ' '), Linux: $(od -An -c "$work/save-linux/SCAN.TXT" 2>/dev/null | tr -s ' '))"
    fi
  done

  # One collection pass, delete after receipt on: the terminal's file is gone only once it is on the PC.
  printf 'X1\r\n' >"$work/term/C/Data/X.TXT"
  cat >>"$work/settings.ini" <<EOF
[FeldSpan]
Settings\\Delete=1
Standby\\FileEnable1=1
Standby\\string1=C:\\\\DATA\\\\X.TXT
Standby\\TimeInterval=10
Standby\\SavePath=$(winpath "$work/save" | sed 's/\\/\\\\/g')
EOF
  rm -f "$work/save/X.TXT"
  cli collect --once --json
  if [ $rc = 0 ] && [ -f "$work/save/X.TXT" ] && [ ! -f "$work/term/C/Data/X.TXT" ]; then pass "collect --once"
  else fail "collect --once: rc $rc: $(cat "$work/out" "$work/err")"; fi

  # The terminal vanishes in the middle of a get: the command fails and leaves no file behind.
  head -c 307200 /dev/urandom >"$work/term/C/Data/BIG.DAT"
  rm -f "$work/save/BIG.DAT"
  ( sleep 6; kill "$sim_pid" 2>/dev/null ) &
  killer=$!
  cli get 'C:\Data\BIG.DAT' "$(winpath "$work/save")"
  wait "$killer" 2>/dev/null || true
  sim_pid=
  if [ $rc != 0 ] && [ ! -e "$work/save/BIG.DAT" ] && [ -z "$(ls "$work/save" | grep -i '^BIG.DAT.' || true)" ]; then
    pass "a terminal that vanishes mid-get: rc $rc, no file left ($(said "$work/err" 3))"
  else
    fail "vanishing terminal: rc $rc, save folder: $(ls "$work/save")"
  fi

  # Ctrl-C in the middle of a get: the program ends with 130 and leaves nothing partial.
  start_sim
  rm -f "$work/save/BIG.DAT"
  wine "$win/bin/feldspan-cli.exe" --settings "$settings" --device COM5 get 'C:\Data\BIG.DAT' "$(winpath "$work/save")" >"$work/out" 2>"$work/err" &
  wpid=$!
  sleep 8
  # The Windows program's own process: wine's loader runs it under the .exe's name.
  pkill -INT -f 'feldspan-cli.exe' || true
  rc=0; wait "$wpid" || rc=$?
  if [ $rc != 0 ] && [ ! -e "$work/save/BIG.DAT" ] && [ -z "$(ls "$work/save" | grep -i '^BIG.DAT.' || true)" ]; then
    pass "Ctrl-C mid-get: rc $rc, nothing partial left"
  else
    fail "Ctrl-C mid-get: rc $rc, save folder: $(ls "$work/save")"
  fi
  stop_sim

  # A COM port that does not exist names the ports that do.
  rc=0; timeout 120 wine "$win/bin/feldspan-cli.exe" --settings "$settings" --device COM42 ping >"$work/out" 2>"$work/err" || rc=$?
  if [ $rc != 0 ] && grep -qi 'COM42' "$work/err"; then pass "a missing COM port: $(said "$work/err" 2)"; else fail "missing COM port: rc $rc: $(cat "$work/err")"; fi
fi

# ---- 3. the window under Xvfb ---------------------------------------------------------------------------
if want window; then
  echo "== feldspan.exe under Xvfb"
  display=:$((90 + RANDOM % 9))
  Xvfb "$display" -screen 0 1280x900x24 -nolisten tcp >/dev/null 2>&1 &
  xvfb_pid=$!
  sleep 1
  export DISPLAY="$display"
  mkdir -p "$work/wproject"
  cp -r samples/FeldBuilder/. "$work/wproject/"
  for lang in en:3 zh_TW:2; do
    for mode in project:0 explorer:1; do
      name=${lang%%:*} code=${lang##*:} m=${mode%%:*} mcode=${mode##*:}
      ini="$work/window-$name-$m.ini"
      printf '[FeldSpan]\nPATH\\PROJECTPATH=%s\\\\\nPATH\\MAINPATH=%s\nWindow\\Mode=%s\n[PATH]\nLANGUAGE=%s\n' \
        "$(winpath "$work/wproject" | sed 's/\\/\\\\/g')" "$(winpath "$win/bin" | sed 's/\\/\\\\/g')" "$mcode" "$code" >"$ini"
      [ "$m" = explorer ] && rm -f "$work/wproject/Builder.ini"
      wine "$win/bin/feldspan.exe" --settings "$(winpath "$ini")" >"$work/window.log" 2>&1 &
      wpid=$!
      shown=
      for _ in $(seq 1 60); do
        if xdotool search --onlyvisible --name 'FeldSpan' >/dev/null 2>&1; then shown=1; break; fi
        sleep 1
      done
      if [ -n "$shown" ]; then
        sleep 3
        pass "window: $name, $m mode"
        if [ -n "$shots" ] && command -v import >/dev/null; then
          import -window root "$shots/windows-$m-$name.png"
        fi
      else
        fail "window: $name, $m mode did not show ($(head -c 300 "$work/window.log"))"
      fi
      kill "$wpid" 2>/dev/null || true
      restart_server
      wait "$wpid" 2>/dev/null || true
    done
  done
fi

# ---- 3b. the window sends a project to the simulated terminal on COM5 -----------------------------------
if want window; then
  wine reg add 'HKLM\Software\Wine\Ports' /v COM5 /t REG_SZ /d "$link" /f >/dev/null 2>&1
  restart_server
  # An empty terminal, so that no file of the project is there already (that would stop the send
  # at a question of overwriting it).
  rm -rf "$work/term/C"/* "$work/term/D"/* "$work/wproject/Builder.ini"
  mkdir -p "$work/term/C/Data" "$work/term/D/Program"
  start_sim
  cp -r samples/FeldBuilder/. "$work/wproject/"
  ini="$work/window-send.ini"
  printf '[FeldSpan]\nPATH\\PROJECTPATH=%s\\\\\nPATH\\MAINPATH=%s\nSettings\\SerialDevice=COM5\n[PATH]\nLANGUAGE=3\n' \
    "$(winpath "$work/wproject" | sed 's/\\/\\\\/g')" "$(winpath "$win/bin" | sed 's/\\/\\\\/g')" >"$ini"
  wine "$win/bin/feldspan.exe" --settings "$(winpath "$ini")" >"$work/window.log" 2>&1 &
  wpid=$!
  main=
  for _ in $(seq 1 60); do
    main=$(xdotool search --onlyvisible --name 'FeldSpan 3' 2>/dev/null | head -1 || true)
    [ -n "$main" ] && break
    sleep 1
  done
  sent= step="the main window did not show"
  if [ -n "$main" ]; then
    sleep 2
    eval "$(xdotool getwindowgeometry --shell "$main")"
    xdotool mousemove $((X + WIDTH - 89)) $((Y + 157)) click 1   # Send: not connected yet, so Port settings first
    dialog=
    for _ in $(seq 1 40); do
      dialog=$(xdotool search --onlyvisible --name 'Port Settings' 2>/dev/null | head -1 || true)
      [ -n "$dialog" ] && break
      sleep 0.5
    done
    step="Port Settings did not open after Send"
    if [ -n "$dialog" ]; then
      step="the transfer did not finish within 60 s of OK"
      eval "$(xdotool getwindowgeometry --shell "$dialog")"
      [ -n "$shots" ] && import -window root "$shots/windows-port-en.png"
      xdotool mousemove $((X + 70)) $((Y + HEIGHT - 23)) click 1   # OK: connects on COM5, then sends
      for _ in $(seq 1 60); do
        [ "$(find "$work/term/D" "$work/term/C" -type f 2>/dev/null | wc -l)" -eq 7 ] && \
          xdotool search --onlyvisible --name '^FeldSpan$' >/dev/null 2>&1 && { sent=1; break; }
        sleep 1
      done
      sleep 1
      [ -n "$shots" ] && import -window root "$shots/windows-sent-en.png"
    fi
  fi
  if [ -n "$sent" ] && same "samples/FeldBuilder/Project/SAMPLE/SAMPLE.ABP" "$(find "$work/term/D" -iname SAMPLE.ABP | head -1)"; then
    pass "window: Send puts the project on the terminal through COM5 ($(find "$work/term" -type f | wc -l) files)"
  else
    fail "window: Send did not finish: $step ($(find "$work/term" -type f | wc -l) files on the terminal; $(said "$work/window.log" 5))"
  fi
  kill "$wpid" 2>/dev/null || true
  restart_server
  wait "$wpid" 2>/dev/null || true
  stop_sim
fi

# ---- 4. the setup program ----------------------------------------------------------------------------------
setup_exe="$win/FeldSpan-3.0-setup.exe"
if want setup && [ -f "$setup_exe" ]; then
  echo "== the setup program ($(du -k "$setup_exe" | cut -f1) KB)"
  installed="$WINEPREFIX/drive_c/Program Files/TOLVERA/FeldBuilder"
  rc=0; timeout 300 wine "$setup_exe" /S >/dev/null 2>&1 || rc=$?
  timeout 300 wineserver -w 2>/dev/null || true
  data_folder=$(ls -d "$WINEPREFIX"/drive_c/users/*/Documents/TOLVERA/FeldBuilder/Data 2>/dev/null | head -1 || true)
  menu=$(ls -d "$WINEPREFIX"/drive_c/*/Microsoft/Windows/"Start Menu"/Programs/FeldSpan "$WINEPREFIX"/drive_c/users/*/AppData/Roaming/Microsoft/Windows/"Start Menu"/Programs/FeldSpan 2>/dev/null | head -1 || true)
  if [ $rc = 0 ] && [ -f "$installed/feldspan.exe" ] && [ -f "$installed/platforms/qwindows.dll" ] && [ -d "$installed/DP" ] \
     && [ -n "$data_folder" ] && [ -n "$menu" ]; then
    pass "setup installs into Program Files, makes the project's Data folder and the Start menu entries"
  else
    fail "setup: rc $rc, data folder '$data_folder', menu '$menu': $(ls "$installed" 2>&1 | head -5)"
  fi
  rc=0; timeout 120 wine "$installed/feldspan-cli.exe" --version >"$work/out" 2>"$work/err" || rc=$?
  if [ $rc = 0 ] && grep -q '[0-9]' "$work/out"; then pass "the installed CLI runs: $(tr -d '\r' <"$work/out" | head -1)"
  else fail "installed CLI: rc $rc: $(cat "$work/err")"; fi
  if wine reg query 'HKCU\Software\TOLVERANET SOFTWARE\FeldBuilder\FeldSpan\PATH' /v MAINPATH >/dev/null 2>&1; then
    pass "setup wrote the default main path"
  else fail "setup: no MAINPATH in the registry"; fi
  # The uninstaller goes on from a copy of itself in the temporary folder: its end is the end of
  # every process of the prefix.
  rc=0; timeout 300 wine "$installed/uninstall.exe" /S >/dev/null 2>&1 || rc=$?
  timeout 300 wineserver -w 2>/dev/null || true
  if [ $rc = 0 ] && [ ! -e "$installed/feldspan.exe" ] && [ ! -e "$installed/Qt6Core.dll" ] \
     && wine reg query 'HKCU\Software\TOLVERANET SOFTWARE\FeldBuilder\FeldSpan\PATH' /v MAINPATH >/dev/null 2>&1; then
    pass "uninstall removes the programs and keeps the settings"
  else
    fail "uninstall: rc $rc: $(ls "$installed" 2>&1 | head -5)"
  fi
fi

s=$(( $(date +%s) - t0 ))
if [ "$failures" = 0 ]; then
  printf 'test-windows: all passed in %d min %02d s\n' $((s / 60)) $((s % 60))
else
  printf 'test-windows: %d failed (%d min %02d s)\n' "$failures" $((s / 60)) $((s % 60))
  exit 1
fi
