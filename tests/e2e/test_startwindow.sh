#!/usr/bin/env bash
# The real program opens with its start window; "Ok" hands over to the main
# window. F1 shows the help over the canvas and hides it again, and the
# magnifier shows what lies under the pointer.
set -u
exe=$1
if [ -z "${DISPLAY:-}" ]; then exec xvfb-run -a -s "-screen 0 1024x768x24 -noreset" bash "$0" "$@"; fi
. "$(dirname "$0")/lib.sh"

folder=$(mktemp -d)
PROGRAM_PID=
trap '[ -n "$PROGRAM_PID" ] && kill $PROGRAM_PID 2>/dev/null; rm -rf "$folder"' EXIT
printf 'Uitleg bij Rimbano\r\n' > "$folder/help.txt"

# Waits until the screen pixel at ($1, $2) is "r,g,b" $3; fails with $4 otherwise.
expect_pixel() {
  local seen
  for _ in $(seq 1 30); do
    seen=$(pixel_at "$1" "$2")
    [ "$seen" = "$3" ] && return 0
    sleep 0.1
  done
  fail "$4 (pixel $1,$2 is $seen, expected $3)"
}

# The recovery copy goes to the user's data folder: keep it inside the test's folder.
XDG_DATA_HOME="$folder/data" "$exe" --program-folder "$folder" &
PROGRAM_PID=$!
welcome=$(wait_for_window "^ Welkom$") || fail "no start window"
xdotool search --onlyvisible --name "^Rimbano$" >/dev/null 2>&1 && fail "main window shown before Ok"

eval "$(xdotool getwindowgeometry --shell "$welcome")"
[ "$WIDTH" = 322 ] && [ "$HEIGHT" = 176 ] || fail "start window is ${WIDTH}x$HEIGHT"
# The picture's light-grey backdrop below the picture, the welcome text's white field.
expect_pixel $((X + 14)) $((Y + 114)) "224,224,224" "no light-grey picture backdrop"
expect_pixel $((X + 312)) $((Y + 113)) "255,255,255" "no white welcome field"

# A click on "Ok".
xdotool mousemove $((X + 289)) $((Y + 156)) click 1
MAIN_WINDOW=$(wait_for_window "^Rimbano$") || fail "Ok did not open the main window"
wait_for_no_window "^ Welkom$" || fail "the start window stayed after Ok"
kill -0 $PROGRAM_PID 2>/dev/null || fail "the program ended after Ok"

eval "$(xdotool getwindowgeometry --shell "$MAIN_WINDOW")"
canvas_x=$((X + 136 + 175)); canvas_y=$((Y + 30 + 400))
expect_pixel $canvas_x $canvas_y "255,255,255" "canvas not white"
send_keys "$MAIN_WINDOW" F1
expect_pixel $canvas_x $canvas_y "210,220,190" "F1 did not show the help over the canvas"
send_keys "$MAIN_WINDOW" F1
expect_pixel $canvas_x $canvas_y "255,255,255" "a second F1 did not hide the help"

# Magnifier on: its centre shows the pixel under the pointer, white canvas or black swatch.
send_keys "$MAIN_WINDOW" ctrl+l
loep_x=$((X + 15 + 50)); loep_y=$((Y + 23 + 358 + 50))
xdotool mousemove $canvas_x $canvas_y
expect_pixel $loep_x $loep_y "255,255,255" "the magnifier does not show the white canvas"
xdotool mousemove $((X + 103)) $((Y + 23 + 238))
expect_pixel $loep_x $loep_y "0,0,0" "the magnifier does not show the black colour swatch"

kill $PROGRAM_PID
wait $PROGRAM_PID 2>/dev/null
PROGRAM_PID=
echo "start window, help and magnifier: ok"
