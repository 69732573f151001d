#!/usr/bin/env bash
# Runs frame_prog's demo (Start, draw, print, Stop) on the SDL display inside
# an X server: reads the server's pixels back (xwd), then ends the Stop with a
# real click (xdotool). Writes what it saw to steps.txt.
#   sdl_demo.sh DIR FRAME_PROG
set -u
dir=$1 prog=$2
cd "$dir" || exit 1
HOME=$dir VOK_DISPLAY=sdl VOK_TEST_MODE=demo VOK_TEST_VARIANT=Start "$prog" > demo.out 2> demo.err &
pid=$!
win=$(timeout 20 xdotool search --sync --name '^frame_prog$' | head -1)
eval "$(xdotool getwindowgeometry --shell "$win")"
echo "geometry $X $Y $WIDTH $HEIGHT" > steps.txt
sleep 1  # the picture is drawn and presented, then the program waits in Stop
xwd -root -silent | xwdtopnm > screen.ppm 2>/dev/null
grep -q "@done" demo.out && echo "ended before the click" >> steps.txt
xdotool mousemove $((X + 600)) $((Y + 400)) click 1
for _ in $(seq 1 100); do kill -0 "$pid" 2>/dev/null || break; sleep 0.05; done
kill -0 "$pid" 2>/dev/null && { echo "the click did not end the stop" >> steps.txt; kill -TERM "$pid"; }
wait "$pid"
echo "status $?" >> steps.txt
