#!/usr/bin/env bash
# Runs twowin_prog on the SDL display inside an X server (xvfb-run), reads the
# server's pixels back (xwd), gives it real input (xdotool) and ends it by
# closing its window, then by SIGTERM. Writes what it saw to steps.txt.
#   sdl_driver.sh DIR TWOWIN_PROG XCLOSE
set -u
dir=$1 prog=$2 xclose=$3
cd "$dir" || exit 1
log() { echo "$*" >> steps.txt; }

start() {  # start NAME VOK_SCREEN
  VOK_DISPLAY=sdl VOK_SCREEN=$2 "$prog" > "$1.out" 2> "$1.err" &
  pid=$!
  out=$1.out
}
waitfor() {
  for _ in $(seq 1 200); do
    grep -qF -- "$1" "$out" && return 0
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.05
  done
  log "timeout waiting for: $1"
  return 1
}
snap() {  # the whole X screen as PPM, once the window shows the program's picture
  sleep 0.5
  xwd -root -silent | xwdtopnm > "$1" 2>/dev/null
}
geometry() {
  win=$(xdotool search --sync --name '^twowin_prog$' | head -1)
  eval "$(xdotool getwindowgeometry --shell "$win")"
  log "$1 $X $Y $WIDTH $HEIGHT"
}

# 1. The screen at its own size (640x480 fits): pixels, clicks, keys, close.
start plain 640x480
waitfor ready || exit 1
geometry plain
snap plain.ppm
xdotool mousemove $((X + 55)) $((Y + 80)) click 1
waitfor "down Alpha part 3 at 15 20 mods 0000"
xdotool keydown shift mousemove $((X + 420)) $((Y + 140)) click 1 keyup shift
waitfor "down Beta part 3 at 20 20 mods 0200"
xdotool type --delay 20 "aZ"
waitfor "key 90 mods 0200"
xdotool key Return ctrl+q Down
waitfor "key 31 mods 0000"
"$xclose" "$win"
wait "$pid"
log "plain status $?"

# 2. A screen larger than the X server: scaled to half; a click maps back; SIGTERM ends it.
start scaled 2560x2048
waitfor ready || exit 1
geometry scaled
snap scaled.ppm
xdotool mousemove $((X + 27)) $((Y + 40)) click 1
waitfor "down Alpha part 3 at 14 20"
kill -TERM "$pid"
wait "$pid"
log "scaled status $?"
