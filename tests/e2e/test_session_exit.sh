#!/usr/bin/env bash
# Leaving the program: File > Exit answered No keeps the window, the drawing
# and the settings file as they were; answered Yes it writes the colour, the
# sound switch and the canvas width, which the next start shows. A run that is
# killed instead leaves a recovery copy that the next start offers back; a
# second program open beside it neither offers nor removes that copy.
set -u
exe=$1
if [ -z "${DISPLAY:-}" ]; then exec xvfb-run -a -s "-screen 0 1280x1024x24 -noreset" bash "$0" "$@"; fi
. "$(dirname "$0")/lib.sh"

new_session 150
S=$SESSION
settings=$S/Rimbano.ini
recovery=$S/data/Rimbano/recovery
start_session_program "$exe"
[ "$(settings_line "$settings" 2)$(settings_line "$settings" 4)" = "0,0,0#TRUE#" ] || fail "the first start did not write the start values"

swatch_x=$(main_x 103); swatch_y=$(main_y 238)
exit_via_menu() { file_menu Down Down Down Down Down Down Down Return; }

# A wall, green from the green bar's slider, sound off in the Show menu and a
# canvas one step (20 pixels) wider in the configuration.
select_tool 2
choose_option 3
canvas_drag 40 100 300 100
expect_canvas_pixel 150 100 0,0,0 "no wall drawn"
green_bar_y=$(main_y $((-5 + 3540 / 15 + 7)))
drag_from_to "$(main_x 35)" "$green_bar_y" "$(main_x 100)" "$green_bar_y"
expect_screen_pixel "$swatch_x" "$swatch_y" 0,255,0 "the swatch did not turn green"
menu_keys 119 Down Down Down Down Return
menu_keys 160 Down Down Return
config=$(wait_for_window "^Configuratie$") || fail "no configuration dialog"
eval "$(xdotool getwindowgeometry --shell "$config")"
click_at $((X + 16 + 76 - 6)) $((Y + 138))
click_at $((X + 277)) $((Y + 152))
wait_for_no_window "^Configuratie$" || fail "Exit did not close the configuration"
sleep 0.3
main_geometry
[ "$EXTRA_W" = 20 ] || fail "one step widened the window by $EXTRA_W pixels"
cp "$settings" "$S/before.ini"

# File > Exit, No (Escape): everything stays.
exit_via_menu
answer_dialog " Exit programma" Escape
sleep 0.5
kill -0 "$PROGRAM_PID" 2>/dev/null || fail "the program ended after No"
wait_for_window "^Rimbano$" >/dev/null || fail "the main window went after No"
cmp -s "$settings" "$S/before.ini" || fail "No changed the settings file"
expect_canvas_pixel 150 100 0,0,0 "No lost the drawing"
expect_screen_pixel "$swatch_x" "$swatch_y" 0,255,0 "No lost the colour"

# The drawing reaches the recovery copy a few seconds after the change.
for _ in $(seq 1 80); do [ -n "$(recovery_floor 1)" ] && break; sleep 0.1; done
[ -n "$(recovery_floor 1)" ] || fail "no recovery copy while drawing"

# File > Exit, Yes (Return): the settings file holds the new values.
exit_via_menu
answer_dialog " Exit programma" Return
wait_for_program_end || fail "the program did not end after Yes"
[ "$PROGRAM_CODE" = 0 ] || fail "exit code $PROGRAM_CODE after Yes"
expected=$(printf '"Rimbano"\r\n0,255,0\r\n#TRUE#\r\n#FALSE#\r\n300\r\n' | od -c)
[ "$(od -c < "$settings")" = "$expected" ] || fail "the settings after Yes are $(tr '\r\n' '| ' < "$settings")"
[ -z "$(ls -A "$recovery" 2>/dev/null)" ] || fail "Exit left the recovery copy behind"

cp "$settings" "$S/after-yes.ini"

# The next start: no recovery question, the wider canvas, the green swatch.
start_session_program "$exe"
[ "$EXTRA_W" = 20 ] || fail "the next start is $EXTRA_W pixels wider, not 20"
expect_canvas_pixel 360 200 255,255,255 "the next start has no 370-pixel canvas"
expect_screen_pixel "$swatch_x" "$swatch_y" 0,255,0 "the next start lost the colour"
expect_canvas_pixel 150 100 255,255,255 "the next start is not an empty drawing"
xdotool search --onlyvisible --name "^ Herstellen$" >/dev/null 2>&1 && fail "a recovery question after a clean exit"

# Sound switched on, a wall, then the program is killed: the settings file
# stays as the last Yes wrote it, and the next start offers the drawing back.
menu_keys 119 Down Down Down Down Return
select_tool 2
canvas_drag 40 300 300 300
expect_canvas_pixel 150 300 0,0,0 "no wall drawn in the second run"
for _ in $(seq 1 80); do [ -n "$(recovery_floor 1)" ] && break; sleep 0.1; done
[ -n "$(recovery_floor 1)" ] || fail "no recovery copy in the second run"

# Another program started meanwhile asks nothing, keeps a copy of its own,
# and its Exit leaves this one's copy where it is.
first_pid=$PROGRAM_PID first_window=$MAIN_WINDOW first_copy=$(recovery_floor 1)
trap 'kill -KILL "$first_pid" 2>/dev/null; end_session' EXIT
start_session_program "$exe"
MAIN_WINDOW=$(xdotool search --onlyvisible --name "^Rimbano$" | grep -vx "$first_window" | head -1)
sleep 1
xdotool search --onlyvisible --name "^ Herstellen$" >/dev/null 2>&1 && fail "the second program offered the first's copy"
[ "$(find "$recovery" -mindepth 1 -maxdepth 1 -type d | wc -l)" = 2 ] || fail "the two programs do not keep a copy each"
send_keys "$MAIN_WINDOW" ctrl+q
answer_dialog " Exit programma" Return
wait_for_program_end || fail "the second program did not end after Yes"
[ -f "$first_copy" ] || fail "Exit in the second program removed the first's copy"
[ "$(find "$recovery" -mindepth 1 -maxdepth 1 -type d | wc -l)" = 1 ] || fail "Exit left the second program's folder"
PROGRAM_PID=$first_pid MAIN_WINDOW=$first_window
trap end_session EXIT
sleep 0.5
kill -KILL "$PROGRAM_PID"
wait "$PROGRAM_PID" 2>/dev/null
PROGRAM_PID=
cmp -s "$settings" "$S/after-yes.ini" || fail "a killed run changed the settings file"

start_session_program "$exe"
answer_dialog " Herstellen" Return
expect_canvas_pixel 150 300 0,0,0 "the recovered drawing has no wall"
expect_canvas_pixel 150 100 255,255,255 "the recovered drawing is not the one of the killed run"

# This run started with sound off, as the file says: one switch turns it on,
# and Yes at exit writes that.
menu_keys 119 Down Down Down Down Return
exit_via_menu
answer_dialog " Exit programma" Return
wait_for_program_end || fail "the program did not end after Yes"
[ "$(settings_line "$settings" 4)" = "#TRUE#" ] || fail "sound was not off at the start, or the switch was not written"
[ "$(settings_line "$settings" 2)" = "0,255,0" ] || fail "the colour was lost on the way"
[ -z "$(ls -A "$recovery" 2>/dev/null)" ] || fail "Exit left the recovery copy behind"
echo "exit session: ok"
