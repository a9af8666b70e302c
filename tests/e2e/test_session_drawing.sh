#!/usr/bin/env bash
# A user draws a small house with the mouse: walls as a double rectangle and
# lines, a dimension, a door and a window in the walls, a filled room and a
# text, then a first floor, undone and redone from the keyboard. The two
# floors are saved as BMP and as JPG through the real file dialogs, the
# drawing is wiped with File > Nieuw and loaded back; saving it again gives the
# same file byte for byte. A rectangle snapped to the grid stays on the
# canvas. Then the same hand at 200 % display scaling.
set -u
exe=$1
if [ -z "${DISPLAY:-}" ]; then exec xvfb-run -a -s "-screen 0 1600x1200x24 -noreset" bash "$0" "$@"; fi
. "$(dirname "$0")/lib.sh"
library="$(cd "$(dirname "$0")/../.." && pwd)/assets/library"

new_session 200
start_session_program "$exe"
S=$SESSION

# The 28 x 28 square a door or window clears, read from the screen or a file,
# must be the symbol itself on white: the wall under it is gone.
expected_symbol() { convert "$library/$1.png" -background white -flatten -crop 28x28+2+2 +repage "$S/$1-expected.png"; }
same_picture() { compare -metric AE "$1" "$2" null: 2>/dev/null; }
# The canvas square from $1, $2 must become the picture $3 on screen.
expect_screen_square() {
  for _ in $(seq 1 30); do
    import -window root -crop "28x28+$(canvas_x "$1")+$(canvas_y "$2")" +repage "$S/square.png"
    same_picture "$S/square.png" "$3" && return 0
    sleep 0.1
  done
  fail "$4"
}

# Walls: a double rectangle (tool 3, option 6) round the house.
select_tool 3
choose_option 6
canvas_drag 20 20 330 430
expect_canvas_pixel 20 200 0,0,0 "no outer wall line"
expect_canvas_pixel 24 200 0,0,0 "no inner wall line"
expect_canvas_pixel 22 200 255,255,255 "the double wall is not two lines"
expect_canvas_pixel 326 300 0,0,0 "no inner wall on the right"
expect_canvas_pixel 100 100 255,255,255 "the rectangle is not empty inside"

# Inner walls: lines of 3 pixels (tool 2, option 3) make three rooms.
select_tool 2
choose_option 3
canvas_drag 20 200 330 200
canvas_drag 170 200 170 430
expect_canvas_pixel 100 199 0,0,0 "no horizontal wall"
expect_canvas_pixel 100 201 0,0,0 "the horizontal wall is not 3 pixels wide"
expect_canvas_pixel 100 203 255,255,255 "the horizontal wall is too wide"
expect_canvas_pixel 171 320 0,0,0 "no vertical wall"

# A horizontal dimension with end ticks (tool 4, option 1), dragged a little
# slanted: it snaps to the start's row.
select_tool 4
choose_option 1
canvas_drag 60 60 290 63
expect_canvas_pixel 175 60 0,0,0 "no dimension line on the start row"
expect_canvas_pixel 60 56 0,0,0 "no tick at the start"
expect_canvas_pixel 290 65 0,0,0 "no tick at the end"
expect_canvas_pixel 175 62 255,255,255 "the slanted rubber band stayed"

# A door (tool 12, first picture) in the inner wall, a window (tool 11, first
# picture) in the bottom outer wall of the left room.
select_tool 12
choose_option 1
canvas_click 120 210
select_tool 11
choose_option 1
canvas_click 110 438
# Another tool takes the symbol from the pointer; what stays is in the floor.
select_tool 8
expected_symbol 040
expected_symbol 050
expect_screen_square 86 176 "$S/040-expected.png" "the door square is not the door on a cleared wall"
expect_screen_square 76 404 "$S/050-expected.png" "the window square is not the window on a cleared wall"

# Red by dragging the red bar's slider to its end, then fill the right room.
red_bar_y=$(main_y $((-5 + 3330 / 15 + 7)))
drag_from_to "$(main_x 35)" "$red_bar_y" "$(main_x 100)" "$red_bar_y"
expect_screen_pixel "$(main_x 103)" "$(main_y 238)" 255,0,0 "the colour swatch did not turn red"
canvas_click 250 320
expect_canvas_pixel 250 320 255,0,0 "the room was not filled"
expect_canvas_pixel 175 205 255,0,0 "the fill did not reach the room's corner"
expect_canvas_pixel 100 320 255,255,255 "the fill leaked into the left room"
expect_canvas_pixel 200 150 255,255,255 "the fill leaked into the top room"

# A text (tool 5): blue from the dialog's palette, typed, transferred and stamped.
select_tool 5
dialog=$(wait_for_window "^ Tekst plaatsen$") || fail "tool 5 opened no text dialog"
eval "$(xdotool getwindowgeometry --shell "$dialog")"
click_at $((X + 8 + 1 + 23 * 9 + 10)) $((Y + 16 + 10))
expect_screen_pixel $((X + 4890 / 15 + 20)) $((Y + 720 / 15 + 10)) 0,0,255 "the palette did not make the text colour blue"
click_at $((X + 100)) $((Y + 1245 / 15 + 10))
xdotool type --delay 20 "Keuken"
click_at $((X + 4905 / 15 + 26)) $((Y + 1275 / 15 + 9))
wait_for_no_window "^ Tekst plaatsen$" || fail "Transfer did not close the text dialog"
canvas_click 190 300
select_tool 2
blue_pixels() { import -window root -crop "120x24+$(canvas_x 204)+$(canvas_y 300)" +repage -depth 8 txt:- | grep -c "#0000FF"; }
[ "$(blue_pixels)" -ge 10 ] || fail "no blue text stamped right of the click"

# The first floor (F3) is empty; a rectangle and a line there.
xdotool windowfocus --sync "$MAIN_WINDOW" 2>/dev/null
xdotool key F3
expect_canvas_pixel 60 200 255,255,255 "the first floor shows the ground floor's wall"
select_tool 3
choose_option 1
canvas_drag 50 50 300 300
select_tool 2
choose_option 1
canvas_drag 50 175 300 175
expect_canvas_pixel 175 50 0,0,0 "no rectangle on the first floor"
expect_canvas_pixel 175 175 0,0,0 "no line on the first floor"
expect_canvas_pixel 175 100 255,255,255 "the first floor rectangle is not empty"
xdotool key F2
expect_canvas_pixel 250 320 255,0,0 "F2 did not bring the ground floor back"

# Ctrl+Z on the ground floor undoes the first floor's line and shows that floor
# first; Ctrl+Z again its rectangle; Ctrl+Y and Ctrl+Shift+Z redo them in order.
send_keys "$MAIN_WINDOW" ctrl+z
expect_canvas_pixel 175 50 0,0,0 "Ctrl+Z did not show the first floor"
expect_canvas_pixel 175 175 255,255,255 "Ctrl+Z did not undo the first floor's line"
send_keys "$MAIN_WINDOW" ctrl+z
expect_canvas_pixel 175 50 255,255,255 "the second Ctrl+Z did not undo the rectangle"
send_keys "$MAIN_WINDOW" ctrl+y
expect_canvas_pixel 175 50 0,0,0 "Ctrl+Y did not redo the rectangle"
send_keys "$MAIN_WINDOW" ctrl+shift+z F2
expect_canvas_pixel 250 320 255,0,0 "F2 did not bring the ground floor back after Undo"

# Extra > Configuratie: the option "... als Jpg" (at 22) or "... als Bmp" (at 40), then "Exit".
choose_format() {
  local option_y=22
  [ "$1" = Bmp ] && option_y=40
  menu_keys 160 Down Down Return
  local id
  id=$(wait_for_window "^Configuratie$") || fail "no configuration dialog"
  eval "$(xdotool getwindowgeometry --shell "$id")"
  click_at $((X + 60)) $((Y + option_y))
  click_at $((X + 277)) $((Y + 152))
  wait_for_no_window "^Configuratie$" || fail "Exit did not close the configuration"
}
# File > Save > "BG + 1e" under the name typed into the dialog.
save_two_floors() {
  file_menu Down Down Down Right Down Return
  type_file_name "Opslaan als" "$1"
  wait_for_file "$1" || fail "nothing saved as $1"
}

choose_format Bmp
save_two_floors "$S/huis.bmp"
[ "$(identify -format '%m %wx%h' "$S/huis.bmp")" = "BMP3 700x455" ] || fail "huis.bmp is not two floors side by side"
[ "$(od -An -tu2 -j28 -N2 "$S/huis.bmp" | tr -d ' ')" = 24 ] || fail "huis.bmp is not 24 bits a pixel"
[ "$(file_pixel "$S/huis.bmp" 250 320)" = "255,0,0" ] || fail "the saved ground floor has no red room"
[ "$(file_pixel "$S/huis.bmp" 60 200)" = "0,0,0" ] || fail "the saved ground floor has no wall"
[ "$(file_pixel "$S/huis.bmp" $((350 + 175)) 175)" = "0,0,0" ] || fail "the saved first floor has no line"
[ "$(file_pixel "$S/huis.bmp" $((350 + 100)) 200)" = "255,255,255" ] || fail "the first floor strip holds the ground floor"
convert "$S/huis.bmp" -crop 28x28+86+176 +repage "$S/door-file.png"
same_picture "$S/door-file.png" "$S/040-expected.png" || fail "the saved door differs from the door on screen"
convert "$S/huis.bmp" -crop 120x24+204+300 +repage txt:- | grep -q "#0000FF" || fail "the saved floor has no blue text"

choose_format Jpg
save_two_floors "$S/huis.jpg"
[ "$(identify -format '%m %wx%h' "$S/huis.jpg")" = "JPEG 700x455" ] || fail "huis.jpg is not two floors as JPG"
[ ! -e "$S/mydummy.bmp" ] || fail "the temporary bitmap was left behind"
differing=$(compare -metric AE -fuzz 4% "$S/huis.bmp" "$S/huis.jpg" null: 2>&1)
[ "$differing" = 0 ] || fail "the JPG differs from the BMP in $differing pixels"

# File > Nieuw, Yes: both floors white.
file_menu Down Return
answer_dialog " Nieuw" Return
expect_canvas_pixel 250 320 255,255,255 "Nieuw left the ground floor"
expect_canvas_pixel 60 200 255,255,255 "Nieuw left the ground floor's wall"

# File > Load: the BMP spreads over both floors again.
file_menu Down Down Return
type_file_name "Openen" "$S/huis.bmp"
expect_canvas_pixel 250 320 255,0,0 "the loaded ground floor has no red room"
expect_canvas_pixel 60 200 0,0,0 "the loaded ground floor has no wall"
xdotool windowfocus --sync "$MAIN_WINDOW" 2>/dev/null
xdotool key F3
expect_canvas_pixel 175 175 0,0,0 "the loaded first floor has no line"
xdotool key F2

# Saved again, the floors give the same file byte for byte.
choose_format Bmp
save_two_floors "$S/weer.bmp"
cmp -s "$S/huis.bmp" "$S/weer.bmp" || fail "the floors changed between saving, loading and saving again"

# Extra > "Uitlijnen op raster", the 10-pixel grid: on the first floor a
# rectangle dragged to x = 347 closes on the canvas's last column, x = 349.
menu_keys 160 Down Down Down Down Return
xdotool key F3
select_tool 3
choose_option 1
canvas_drag 302 402 347 447
for p in "300 420 0,0,0" "349 420 0,0,0" "320 450 0,0,0" "348 420 255,255,255"; do
  set -- $p
  expect_canvas_pixel "$1" "$2" "$3" "the snapped rectangle is not closed at x = 349"
done

# Extra > "Schaal...": 3 cm a pixel with a grid every 5 cm would put the grid
# lines 1.7 pixels apart. OK is refused with a message, the dialog stays with
# what was typed, and nothing reaches the scale file.
scale_file_before=$(cat "$S/Rimbano-schaal.ini" 2>/dev/null)
menu_keys 160 Down Down Down Return
scale_dialog=$(wait_for_window "^ Schaal$") || fail "no Schaal dialog"
sleep 0.3
xdotool windowfocus --sync "$scale_dialog" 2>/dev/null
xdotool key ctrl+a type 3
xdotool key Tab ctrl+a type 5
xdotool key Return
sleep 1
[ "$(xdotool search --onlyvisible --name '^Rimbano$' | wc -l)" -ge 2 ] || fail "OK with a 1.7-pixel grid gave no message"
xdotool search --onlyvisible --name '^ Schaal$' >/dev/null || fail "the Schaal dialog closed on a 1.7-pixel grid"
xdotool key Return
sleep 0.5
xdotool windowfocus --sync "$scale_dialog" 2>/dev/null
xdotool key Escape
wait_for_no_window "^ Schaal$" || fail "Escape did not close the Schaal dialog"
[ "$(cat "$S/Rimbano-schaal.ini" 2>/dev/null)" = "$scale_file_before" ] || fail "a refused grid reached the scale file"

# At 200 % a canvas pixel is 2 x 2 screen pixels; pressed on its lower right
# one the pointer still draws on it, also for the dimension's snap.
kill "$PROGRAM_PID"; wait_for_program_end || fail "the program did not end"
rm -rf "$S/data" "$S/Rimbano-schaal.ini"
export QT_SCALE_FACTOR=2 E2E_SCALE=2
start_session_program "$exe"
far() { echo $(($("$1" "$2") + 1)); }
select_tool 2
drag_from_to "$(far canvas_x 51)" "$(far canvas_y 101)" "$(far canvas_x 251)" "$(far canvas_y 101)"
select_tool 3
drag_from_to "$(far canvas_x 50)" "$(far canvas_y 150)" "$(far canvas_x 200)" "$(far canvas_y 250)"
select_tool 4
drag_from_to "$(canvas_x 50)" "$(canvas_y 300)" "$(far canvas_x 300)" "$(far canvas_y 305)"
select_tool 1
drag_from_to "$(far canvas_x 60)" "$(far canvas_y 400)" "$(far canvas_x 160)" "$(far canvas_y 400)"
send_keys "$MAIN_WINDOW" ctrl+b ctrl+l
# The magnifier's view (at 15, 358) shows 50 canvas pixels round the pointer in 101.
xdotool mousemove "$(far canvas_x 50)" "$(far canvas_y 101)"
view() { expect_screen_pixel $(($(main_x 15) + $1)) $(($(main_y 358) + $2)) "$3" "the magnifier: $4"; }
view 106 102 0,0,0 "no line right of the pointer"
view 104 102 255,255,255 "a line left of the pointer"
view 106 106 255,255,255 "a line thicker than a canvas pixel"
for _ in $(seq 1 80); do copy=$(recovery_floor 1); [ -f "$copy" ] && [ "$(file_pixel "$copy" 0 0)" != 255,255,255 ] && break; sleep 0.1; done
ink=$(file_pixel "$copy" 0 0)
convert "$copy" -sample 200% "$S/copy2x.png"
import -window root -crop "700x910+$(canvas_x 0)+$(canvas_y 0)" +repage "$S/shown2x.png"
same_picture "$S/copy2x.png" "$S/shown2x.png" || fail "at 200 % the canvas is not its pixels as 2 x 2 blocks"
for p in "51 101 0,0,0" "50 101 255,255,255" "51 102 255,255,255" "50 200 0,0,0" "200 250 0,0,0" "201 251 255,255,255" \
  "175 300 0,0,0" "50 296 0,0,0" "175 303 255,255,255" "100 400 $ink" "100 401 255,255,255" "1 1 255,255,255"; do
  set -- $p
  [ "$(file_pixel "$copy" "$1" "$2")" = "$3" ] || fail "at 200 % canvas pixel $1,$2 is not $3"
done
send_keys "$MAIN_WINDOW" ctrl+t
expect_screen_pixel "$(far canvas_x 50)" "$(canvas_y 350)" 192,192,192 "at 200 % the drawing cross is thinner than a canvas pixel"
echo "drawing session: ok"
