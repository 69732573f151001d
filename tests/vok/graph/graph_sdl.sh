#!/usr/bin/env bash
# Runs graph_frame_prog on the SDL display inside an X server and works it
# with the real mouse (xdotool): reads the screen after the first pass, ends
# the Stop, clicks "Magnify" in the dialog, drags the rectangle, clicks OK,
# reads the screen, and the same with "Shrink Half"; then "Exit Graph" and OK.
# Writes what it saw to steps.txt and the screens to plain/magnified/shrunk.ppm.
#   graph_sdl.sh DIR PROG
set -u
dir=$1 prog=$2
cd "$dir" || exit 1
HOME=$dir VOK_DISPLAY=sdl "$prog" > demo.out 2> demo.err &
pid=$!
win=$(timeout 20 xdotool search --sync --name '^graph_frame_prog$' | head -1)
eval "$(xdotool getwindowgeometry --shell "$win")"
echo "geometry $X $Y $WIDTH $HEIGHT" > steps.txt

# Waits until the program has written `text` to standard error.
waitfor() {
  for _ in $(seq 1 200); do grep -q "$1" demo.err && return 0; sleep 0.05; done
  echo "timeout waiting for $1" >> steps.txt
  return 1
}
# Global (virtual screen) point -> a click there.
click() { xdotool mousemove $((X + $1)) $((Y + $2)); sleep 0.1; xdotool click 1; sleep 0.4; }
itemAt() { grep "^item \"$1\"" demo.err | awk '{print $(NF-1), $NF}'; }
shot() { sleep 0.5; xwd -root -silent | xwdtopnm > "$1" 2>/dev/null; }

waitfor "^pass 1" && waitfor '^item "OK"'
shot plain.ppm
click 700 700  # ends the Stop; the dialog comes up
waitfor "^dialog 1" && sleep 0.3
click $(itemAt Magnify)
xdotool mousemove $((X + 145)) $((Y + 190)); sleep 0.1
xdotool mousedown 1; sleep 0.1
xdotool mousemove $((X + 220)) $((Y + 250)); sleep 0.1
xdotool mousemove $((X + 295)) $((Y + 310)); sleep 0.1
xdotool mouseup 1; sleep 0.4
click $(itemAt OK)
waitfor "^pass 2" && shot magnified.ppm
click 700 700
waitfor "^dialog 2" && sleep 0.3
click $(itemAt "Shrink Half")
click $(itemAt OK)
waitfor "^pass 3" && shot shrunk.ppm
click 700 700
waitfor "^dialog 3" && sleep 0.3
click $(itemAt "Exit Graph")
click $(itemAt OK)
for _ in $(seq 1 100); do kill -0 "$pid" 2>/dev/null || break; sleep 0.05; done
kill -0 "$pid" 2>/dev/null && { echo "the program did not end" >> steps.txt; kill -TERM "$pid"; }
wait "$pid"
echo "status $?" >> steps.txt
