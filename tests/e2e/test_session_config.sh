#!/usr/bin/env bash
# A user widens the canvas in Extra > Configuratie, draws into the new width,
# saves the ground floor as BMP and leaves with Yes. The next start keeps the
# width and loads the file; with the canvas narrowed again the same file is
# refused with the width to set in red on the information line, and the floor
# on screen is left as it was. Widened again, the file loads. Narrowed and
# widened back, nothing drawn beyond the narrow edge is lost. Widened further,
# narrowed and killed, the next start restores the drawing at the width it was
# shown at, with what the narrow canvas hid.
set -u
exe=$1
if [ -z "${DISPLAY:-}" ]; then exec xvfb-run -a -s "-screen 0 1280x1024x24 -noreset" bash "$0" "$@"; fi
. "$(dirname "$0")/lib.sh"

new_session 200
S=$SESSION
start_session_program "$exe"

# Extra > Configuratie; the width bar HScroll2 sits at 180, 1980 twips in the
# frame at 60, -30: 76 pixels wide, its arrows at both ends. Clicks on an arrow
# move it one step of 20 pixels. "$1" is "Jpg", "Bmp" or "-", then the clicks.
configure() {
  local format=$1 arrow=$2 clicks=$3 id
  menu_keys 160 Down Down Return
  id=$(wait_for_window "^Configuratie$") || fail "no configuration dialog"
  eval "$(xdotool getwindowgeometry --shell "$id")"
  case $format in
    Jpg) click_at $((X + 60)) $((Y + 22)) ;;
    Bmp) click_at $((X + 60)) $((Y + 40)) ;;
  esac
  local arrow_x=$((X + 16 + 6))
  [ "$arrow" = right ] && arrow_x=$((X + 16 + 76 - 6))
  for _ in $(seq 1 "$clicks"); do click_at "$arrow_x" $((Y + 138)); done
  click_at $((X + 277)) $((Y + 152))
  wait_for_no_window "^Configuratie$" || fail "Exit did not close the configuration"
  sleep 0.3
  main_geometry
}

# Reddish pixels of the information line (InfoLabel at 120, 150 twips in Frame1
# at 1950, 7020): smoothed red letters on grey, where dark-grey letters have none.
red_info_pixels() {
  import -window root -crop "400x16+$(main_x 138)+$(main_y 476)" +repage -depth 8 txt:- \
    | awk -F'[(),]' 'NR > 1 && $3 - $4 >= 100 && $3 - $5 >= 100 { n++ } END { print n + 0 }'
}
canvas_shot() { import -window root -crop "350x455+$(canvas_x 0)+$(canvas_y 0)" +repage "$1"; }

# A room on the 350-pixel canvas; right of it the dark-blue border area.
select_tool 3
choose_option 1
canvas_drag 20 20 200 200
expect_canvas_pixel 20 100 0,0,0 "no room drawn"
expect_canvas_pixel 353 200 0,0,64 "a 350-pixel canvas reaches past its width"

configure Bmp right 3
[ "$EXTRA_W" = 60 ] || fail "three steps widened the window by $EXTRA_W pixels, not 60"
expect_canvas_pixel 400 200 255,255,255 "the canvas did not grow to 410 pixels"
expect_canvas_pixel 412 200 0,0,64 "the canvas grew past 410 pixels"
expect_canvas_pixel 20 100 0,0,0 "widening lost the room"
select_tool 2
choose_option 1
canvas_drag 380 50 380 400
expect_canvas_pixel 380 200 0,0,0 "no line in the new width"

# File > Save > "BG".
file_menu Down Down Down Right Return
type_file_name "Opslaan als" "$S/breed.bmp"
wait_for_file "$S/breed.bmp" || fail "nothing saved"
[ "$(identify -format '%m %wx%h' "$S/breed.bmp")" = "BMP3 410x455" ] || fail "the saved floor is not 410 pixels wide"
[ "$(file_pixel "$S/breed.bmp" 380 200)" = "0,0,0" ] || fail "the line in the new width was not saved"
[ "$(file_pixel "$S/breed.bmp" 20 100)" = "0,0,0" ] || fail "the room was not saved"

xdotool windowfocus --sync "$MAIN_WINDOW" 2>/dev/null
xdotool key ctrl+q
answer_dialog " Exit programma" Return
wait_for_program_end || fail "the program did not end after Yes"
[ "$(settings_line "$S/Rimbano.ini" 3)" = "#FALSE#" ] || fail "the Bmp choice was not kept"
[ "$(settings_line "$S/Rimbano.ini" 5)" = "900" ] || fail "the canvas width was not kept: $(settings_line "$S/Rimbano.ini" 5)"

# The next start has the wide canvas, empty, and loads the file.
start_session_program "$exe"
[ "$EXTRA_W" = 60 ] || fail "the next start is not 60 pixels wider"
expect_canvas_pixel 400 200 255,255,255 "the next start has no 410-pixel canvas"
expect_canvas_pixel 20 100 255,255,255 "the next start is not empty"
file_menu Down Down Return
type_file_name "Openen" "$S/breed.bmp"
expect_canvas_pixel 380 200 0,0,0 "the wide file did not load onto the wide canvas"
expect_canvas_pixel 20 100 0,0,0 "the loaded room is missing"
[ "$(red_info_pixels)" = 0 ] || fail "a fitting file gave a red message"

# Narrowed back to 350 pixels the same file does not fit.
configure - left 3
[ "$EXTRA_W" = 0 ] || fail "three steps back left the window $EXTRA_W pixels wider"
expect_canvas_pixel 353 200 0,0,64 "the canvas is still wide"
canvas_shot "$S/before.png"
file_menu Down Down Return
type_file_name "Openen" "$S/breed.bmp"
for _ in $(seq 1 30); do [ "$(red_info_pixels)" -gt 5 ] && break; sleep 0.1; done
[ "$(red_info_pixels)" -gt 5 ] || fail "no red suggestion on the information line"
canvas_shot "$S/after.png"
compare -metric AE "$S/before.png" "$S/after.png" null: 2>/dev/null || fail "a refused file changed the floor on screen"

# Widened again, the file fits and the warning gives way.
configure - right 3
file_menu Down Down Return
type_file_name "Openen" "$S/breed.bmp"
expect_canvas_pixel 380 200 0,0,0 "the file did not load after widening again"
[ "$(red_info_pixels)" = 0 ] || fail "the red suggestion stayed after a good load"

# Narrowed and widened back, the line beyond the narrow edge was only waiting.
configure - left 3
expect_canvas_pixel 353 200 0,0,64 "the canvas did not narrow"
configure - right 3
expect_canvas_pixel 380 200 0,0,0 "narrowing lost the line beyond the narrow edge"

# Widened to 470 pixels, a line at the new edge; narrowed to 350, a line in
# the narrow canvas; and the program is killed before any width reaches the
# settings file. The copy keeps the columns the narrow canvas hides.
configure - right 3
[ "$EXTRA_W" = 120 ] || fail "the canvas is not 470 pixels wide"
select_tool 2
choose_option 1
canvas_drag 460 50 460 400
expect_canvas_pixel 460 200 0,0,0 "no line at the 470-pixel edge"
configure - left 6
[ "$EXTRA_W" = 0 ] || fail "six steps back left the window $EXTRA_W pixels wider"
canvas_drag 100 50 100 400
expect_canvas_pixel 100 300 0,0,0 "no line on the narrowed canvas"
for _ in $(seq 1 100); do
  copy=$(recovery_floor 1)
  [ -f "$copy" ] && [ "$(file_pixel "$copy" 100 300)" = "0,0,0" ] && break
  sleep 0.1
done
[ "$(identify -format '%w' "$copy")" = 470 ] || fail "the copy of the narrowed floor lost its hidden columns"
[ "$(file_pixel "$copy" 460 200)" = "0,0,0" ] || fail "the copy of the narrowed floor lost the line at 460"
kill -9 "$PROGRAM_PID"; wait "$PROGRAM_PID" 2>/dev/null; PROGRAM_PID=
[ "$(settings_line "$S/Rimbano.ini" 5)" = "900" ] || fail "a killed run changed the settings"

# The next start opens at the width of the settings file and offers the copy;
# Yes sets the canvas to the width the copy was shown at. Spiegelbeeld asks
# before it drops the hidden columns, and "Nee" leaves the floor alone;
# widened to 470 again, nothing beyond the narrow edge is lost.
start_session_program "$exe"
answer_dialog " Herstellen" Return
main_geometry
[ "$EXTRA_W" = 0 ] || fail "the drawing was not restored on a 350-pixel canvas (extra $EXTRA_W)"
expect_canvas_pixel 100 300 0,0,0 "the restore lost the line drawn at 350 pixels"
send_keys "$MAIN_WINDOW" ctrl+m
answer_dialog " Verborgen deel" Escape
sleep 0.5
expect_canvas_pixel 249 300 255,255,255 "Nee to Spiegelbeeld still mirrored the floor"
expect_canvas_pixel 100 300 0,0,0 "Nee to Spiegelbeeld changed the floor"
configure - right 6
[ "$EXTRA_W" = 120 ] || fail "the canvas is not 470 pixels wide again"
expect_canvas_pixel 460 200 0,0,0 "the restore lost the line at the 470-pixel edge"
expect_canvas_pixel 380 200 0,0,0 "the restore lost the line at 380"

xdotool windowfocus --sync "$MAIN_WINDOW" 2>/dev/null
xdotool key ctrl+q
answer_dialog " Exit programma" Return
wait_for_program_end || fail "the program did not end after Yes"
[ "$(settings_line "$S/Rimbano.ini" 5)" = "1800" ] || fail "the restored width was not kept at exit"
[ -z "$(ls -A "$S/data/Rimbano/recovery")" ] || fail "Exit kept the recovery copy"
echo "configuration session: ok"
