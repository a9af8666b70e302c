#!/usr/bin/env bash
# A user takes an example over, saves all three floors as a JPG through the
# real file dialog, starts a new drawing and loads the file back: the file
# holds the floors side by side and the canvas shows the example again.
set -u
exe=$1
if [ -z "${DISPLAY:-}" ]; then exec xvfb-run -a -s "-screen 0 1024x768x24 -noreset" bash "$0" "$@"; fi
. "$(dirname "$0")/lib.sh"

folder=$(mktemp -d)
trap 'kill $PROGRAM_PID 2>/dev/null; rm -rf "$folder"' EXIT
cp -r "$(dirname "$exe")/examples" "$folder/examples"
example="$folder/examples/$(cd "$folder/examples" && ls *.jpg | sort -f | head -1)"
start_program "$exe" "$folder"
eval "$(xdotool getwindowgeometry --shell "$MAIN_WINDOW")"
# A canvas pixel inside the first example's living room.
probe_x=40; probe_y=150
# A dialog takes keys only once it is mapped and focused.
answer() { sleep 0.3; xdotool windowfocus --sync "$1" 2>/dev/null; shift; xdotool key "$@"; }
click_at() { xdotool mousemove "$1" "$2"; sleep 0.2; xdotool click 1; }
canvas_pixel() { pixel_at $((X + 136 + probe_x)) $((Y + 30 + probe_y)); }
file_pixel() { convert "$1" -format "%[fx:int(255*u.p{$2,$3}.r)],%[fx:int(255*u.p{$2,$3}.g)],%[fx:int(255*u.p{$2,$3}.b)]" info:; }

click_at $((X + 105)) $((Y + 186))
question=$(wait_for_window "^ Transporteren$") || fail "no transport question"
answer "$question" Return
wait_for_no_window "^ Transporteren$" || fail "the transport question stayed"
sleep 0.5
shown=$(canvas_pixel)
[ "$shown" != "255,255,255" ] || fail "the example did not reach the canvas"

# File > Save > "BG + 1e + 2e", by keyboard once the menu is open.
click_at $((X + 19)) $((Y + 8))
answer "$MAIN_WINDOW" Down Down Down Right Down Down Return
dialog=$(wait_for_window "^Save As$") || fail "no save dialog"
answer "$dialog" ctrl+a
xdotool type --delay 20 "$folder/huis"
xdotool key Return
for _ in $(seq 1 50); do [ -f "$folder/huis" ] && break; sleep 0.1; done
[ -f "$folder/huis" ] || fail "nothing saved under the name as typed"
[ ! -e "$folder/mydummy.bmp" ] || fail "the temporary bitmap was left behind"
[ "$(identify -format '%m %wx%h' "$folder/huis")" = "JPEG 1050x455" ] || fail "saved picture is not three floors as JPG"
convert "$folder/huis" -crop 350x455+0+0 +repage "$folder/ground.png"
compare -metric AE -fuzz 1% "$folder/ground.png" "$example" null: 2>/dev/null \
  || fail "the ground floor strip differs from the example"
[ "$(file_pixel "$folder/huis" 700 200)" = "255,255,255" ] || fail "the second floor strip is not white"

answer "$MAIN_WINDOW" ctrl+n
question=$(wait_for_window "^ Nieuw$") || fail "no new-drawing question"
answer "$question" Return
wait_for_no_window "^ Nieuw$"
sleep 0.3
[ "$(canvas_pixel)" = "255,255,255" ] || fail "the new drawing is not white"

answer "$MAIN_WINDOW" ctrl+o
dialog=$(wait_for_window "^Open$") || fail "no open dialog"
answer "$dialog" ctrl+a
xdotool type --delay 20 "$folder/huis"
xdotool key Return
wait_for_no_window "^Open$"
sleep 0.5
[ "$(canvas_pixel)" = "$shown" ] || fail "the loaded ground floor does not show the example ($(canvas_pixel) against $shown)"
echo "save and load: ok"
