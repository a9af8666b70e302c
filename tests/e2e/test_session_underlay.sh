#!/usr/bin/env bash
# A paper plan under the ground floor, as a user traces one: chosen in Extra >
# Onderlegger..., shown faintly under the white of the floor, drawn over, and
# never in the saved drawing or the recovery copy; back after a killed run.
set -u
exe=$1
if [ -z "${DISPLAY:-}" ]; then exec xvfb-run -a -s "-screen 0 1280x1024x24 -noreset" bash "$0" "$@"; fi
. "$(dirname "$0")/lib.sh"

new_session 150
S=$SESSION
# An A4 scan with a black block: fitted to the 350 x 455 canvas it covers
# about canvas 118..222 by 104..207.
convert -size 2480x3508 xc:white -fill black -draw "rectangle 800,800 1600,1600" "$S/scan.jpg"
start_session_program "$exe"

open_underlay_dialog() {
  # The last item of Extra; a disabled "Printen op schaal..." is skipped by the keys.
  menu_keys 160 Up Return
  DIALOG=$(wait_for_window "^ Onderlegger$") || fail "Extra > Onderlegger... opened no window"
  eval "$(xdotool getwindowgeometry --shell "$DIALOG")"
}
open_underlay_dialog
# "Kiezen..." is the first button under the status line.
click_at $((X + 60)) $((Y + 40))
type_file_name "Openen" "$S/scan.jpg"
expect_canvas_pixel 170 160 153,153,153 "the plan does not show faintly under the white"
expect_canvas_pixel 60 60 255,255,255 "beside the plan the canvas is not white"
# Shift+Right in the window shifts the plan 10 pixels, Left one back.
send_keys "$DIALOG" shift+Right Left
expect_canvas_pixel 124 160 255,255,255 "the arrow keys did not shift the plan"
expect_canvas_pixel 130 160 153,153,153 "the arrow keys shifted the plan too far"
send_keys "$DIALOG" shift+Left Right
expect_canvas_pixel 124 160 153,153,153 "the arrow keys did not shift the plan back"

# Escape closes the window; the plan stays.
xdotool windowfocus --sync "$DIALOG" 2>/dev/null
xdotool key Escape
wait_for_no_window "^ Onderlegger$" || fail "Escape did not close the Onderlegger window"
select_tool 2
choose_option 1
canvas_drag 100 150 250 150
expect_canvas_pixel 170 150 0,0,0 "no line drawn over the plan"
expect_canvas_pixel 170 160 153,153,153 "drawing over the plan took it away"

file_menu Down Down Down Right Return
type_file_name "Opslaan als" "$S/traced.bmp"
wait_for_file "$S/traced.bmp" || fail "nothing saved"
[ "$(file_pixel "$S/traced.bmp" 170 150)" = "0,0,0" ] || fail "the line was not saved"
[ "$(file_pixel "$S/traced.bmp" 170 160)" = "255,255,255" ] || fail "the plan reached the saved drawing"
for _ in $(seq 1 80); do copy=$(recovery_floor 1); [ -f "$copy" ] && [ "$(file_pixel "$copy" 170 150)" = 0,0,0 ] && break; sleep 0.1; done
[ "$(file_pixel "$copy" 170 160)" = "255,255,255" ] || fail "the plan reached the recovery copy"
grep -q "^bestand=$S/scan.jpg" "$S/data/Rimbano/Rimbano-onderlegger.ini" "$S/Rimbano-onderlegger.ini" 2>/dev/null \
  || fail "the plan was not kept beside the scale file"
[ "$(wc -l <"$S/Rimbano.ini")" -le 5 ] || fail "the settings file grew"

kill -KILL "$PROGRAM_PID"; wait "$PROGRAM_PID" 2>/dev/null; PROGRAM_PID=
start_session_program "$exe"
answer_dialog " Herstellen" Return
expect_canvas_pixel 170 150 0,0,0 "the killed run's line did not come back"
expect_canvas_pixel 170 160 153,153,153 "the plan did not come back after the killed run"

# Geen onderlegger takes it away, and so it stays at the next start.
open_underlay_dialog
click_at $((X + 190)) $((Y + 40))
expect_canvas_pixel 170 160 255,255,255 "Geen onderlegger left the plan"
expect_canvas_pixel 170 150 0,0,0 "Geen onderlegger took the drawing"
echo "underlay session: ok"
