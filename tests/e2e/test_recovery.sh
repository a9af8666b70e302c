#!/usr/bin/env bash
# A killed session loses nothing: the floors come back after the question,
# "No" removes the copy, and after Exit > Yes no question is asked.
set -u
exe=$1
if [ -z "${DISPLAY:-}" ]; then exec xvfb-run -a -s "-screen 0 1024x768x24 -noreset" bash "$0" "$@"; fi
. "$(dirname "$0")/lib.sh"
folder=$(mktemp -d)
trap 'kill -9 $PROGRAM_PID 2>/dev/null; rm -rf "$folder"' EXIT
copy="$folder/data/Rimbano/recovery"
export XDG_DATA_HOME="$folder/data"

canvas_origin() {
  eval "$(xdotool getwindowgeometry --shell "$MAIN_WINDOW")"
  local menu
  menu=$((HEIGHT - 503))
  CX=$((X + 136)); CY=$((Y + menu + 7))
}

draw_line() { # canvas x1 y1 x2 y2 with the line tool
  canvas_origin
  xdotool mousemove $((X + 498 + 8 + 40 + 20)) $((Y + HEIGHT - 503 + 161 + 15 + 20)) click 1
  xdotool mousemove $((CX + $1)) $((CY + $2)) mousedown 1
  xdotool mousemove $((CX + ($1 + $3) / 2)) $((CY + ($2 + $4) / 2))
  xdotool mousemove $((CX + $3)) $((CY + $4)) mouseup 1
}

start_program "$exe" "$folder"
draw_line 40 100 300 100
for _ in $(seq 1 80); do [ -f "$copy/verdieping1.png" ] && break; sleep 0.1; done
[ -f "$copy/verdieping1.png" ] || fail "no recovery copy a few seconds after drawing"
sleep 0.5
kill -9 $PROGRAM_PID
wait $PROGRAM_PID 2>/dev/null
cp "$copy/verdieping1.png" "$folder/drawn.png"
[ "$(convert "$folder/drawn.png" -crop 1x1+150+100 -depth 8 txt:- | tail -1 | cut -d' ' -f4)" = "#000000" ] \
  || fail "the copy does not hold the line"

# Yes (the default) puts the floors back exactly.
"$exe" --program-folder "$folder" & PROGRAM_PID=$!
welcome=$(WAIT_TRIES=50 wait_for_window "^ Welkom$") && send_keys "$welcome" Return
question=$(wait_for_window "^ Herstellen$") || fail "no question after a killed session"
send_keys "$question" Return
MAIN_WINDOW=$(wait_for_window "^Rimbano$") || fail "no main window"
sleep 0.5
canvas_origin
import -window root -crop "350x455+$CX+$CY" +repage "$folder/shown.png"
[ "$(compare -metric AE "$folder/drawn.png" "$folder/shown.png" null: 2>&1)" = "0" ] || fail "the restored floor differs"
kill -9 $PROGRAM_PID; wait $PROGRAM_PID 2>/dev/null

# No removes the copy.
"$exe" --program-folder "$folder" & PROGRAM_PID=$!
welcome=$(WAIT_TRIES=50 wait_for_window "^ Welkom$") && send_keys "$welcome" Return
question=$(wait_for_window "^ Herstellen$") || fail "no question the second time"
send_keys "$question" Escape
wait_for_no_window "^ Herstellen$" || fail "the question stayed"
sleep 0.3
[ -e "$copy/verdieping1.png" ] && fail "No kept the copy"

# Exit > Yes: no question at the next start.
MAIN_WINDOW=$(wait_for_window "^Rimbano$")
draw_line 40 200 300 200
sleep 4
send_keys "$MAIN_WINDOW" ctrl+q
exitq=$(wait_for_window "^ Exit programma$") || fail "no exit question"
send_keys "$exitq" Return
wait $PROGRAM_PID
[ -e "$copy/verdieping1.png" ] && fail "a confirmed exit left the copy"
"$exe" --program-folder "$folder" & PROGRAM_PID=$!
welcome=$(WAIT_TRIES=50 wait_for_window "^ Welkom$") && send_keys "$welcome" Return
MAIN_WINDOW=$(wait_for_window "^Rimbano$") || fail "no main window"
WAIT_TRIES=20 wait_for_window "^ Herstellen$" >/dev/null && fail "a question after a normal exit"
echo "recovery: ok"
