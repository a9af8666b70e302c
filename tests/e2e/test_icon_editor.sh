#!/usr/bin/env bash
# An icon drawn with the mouse in the icon editor and saved through the real
# file dialog lands on disk as a 35 x 35 picture with the drawn pixels.
set -u
exe=$1
if [ -z "${DISPLAY:-}" ]; then exec xvfb-run -a -s "-screen 0 1024x768x24 -noreset" bash "$0" "$@"; fi
. "$(dirname "$0")/lib.sh"

folder=$(mktemp -d)
trap 'kill $PROGRAM_PID 2>/dev/null; rm -rf "$folder"' EXIT
start_program "$exe" "$folder"

# Real key presses: a key sent to a window as a synthetic event leaves the
# program with no user time, and later dialogs then take no typing.
xdotool windowfocus --sync "$MAIN_WINDOW" 2>/dev/null
xdotool key ctrl+i
editor=$(wait_for_window "^ 35 x 35 Design$") || fail "Ctrl+I opened no icon editor"
eval "$(xdotool getwindowgeometry --shell "$editor")"
grid_x=$((X + 12)); grid_y=$((Y + 46))
palette_x=$((X + 397)); palette_y=$((Y + 115))

# The screen is read again for a while: a busy machine may paint late.
pixel_becomes() {
  for _ in $(seq 1 30); do [ "$(pixel_at "$1" "$2")" = "$3" ] && return 0; sleep 0.1; done
  return 1
}

# Red from the top of the palette's sixth column, then a drag along row 17.
xdotool mousemove $((palette_x + 43)) $((palette_y + 3)) click 1
pixel_becomes $((X + 420)) $((Y + 370)) 255,0,0 || fail "the drawing colour did not turn red"
xdotool mousemove $((grid_x + 5)) $((grid_y + 175)) mousedown 1
xdotool mousemove $((grid_x + 120)) $((grid_y + 178)) mousemove $((grid_x + 354)) $((grid_y + 176)) mouseup 1
pixel_becomes $((grid_x + 200)) $((grid_y + 180)) 255,0,0 || fail "the grid shows no red cell"

# Save button, then the name typed into the dialog.
xdotool mousemove $((X + 12 + 52 + 12)) $((Y + 20)) click 1
dialog=$(wait_for_window "^Save As$") || fail "no save dialog"
sleep 1
xdotool type --delay 30 "$folder/huis.rbn"
xdotool key Return
for _ in $(seq 1 50); do [ -f "$folder/huis.rbn" ] && break; sleep 0.1; done
[ -f "$folder/huis.rbn" ] || fail "no icon file"

[ "$(identify -format "%w x %h %m" "BMP:$folder/huis.rbn")" = "35 x 35 BMP3" ] || fail "not a 35 x 35 Windows BMP"
colour() { convert "BMP:$folder/huis.rbn" -format "%[fx:int(255*p{$1,$2}.r)],%[fx:int(255*p{$1,$2}.g)],%[fx:int(255*p{$1,$2}.b)]" info:; }
[ "$(colour 0 17)" = "255,0,0" ] || fail "pixel 0,17 is $(colour 0 17)"
[ "$(colour 34 17)" = "255,0,0" ] || fail "pixel 34,17 is $(colour 34 17)"
[ "$(colour 17 16)" = "255,255,255" ] || fail "pixel 17,16 is $(colour 17 16)"
echo "icon editor: ok"
