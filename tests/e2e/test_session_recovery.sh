#!/usr/bin/env bash
# Two programs open at once with one recovery location: the second start asks
# nothing, each keeps its own copy, and leaving the second through Exit leaves
# the first's copy in place. The first, killed, is offered to the next start.
set -u
exe=$1
if [ -z "${DISPLAY:-}" ]; then exec xvfb-run -a -s "-screen 0 1280x1024x24 -noreset" bash "$0" "$@"; fi
. "$(dirname "$0")/lib.sh"

new_session 120
recovery=$SESSION/data/Rimbano/recovery
first_pid=
trap '[ -n "$first_pid" ] && kill -KILL "$first_pid" 2>/dev/null; end_session' EXIT
folders() { find "$recovery" -mindepth 1 -maxdepth 1 -type d | wc -l; }

start_session_program "$exe"
first_pid=$PROGRAM_PID first_window=$MAIN_WINDOW
select_tool 2
choose_option 1
canvas_drag 40 100 300 100
for _ in $(seq 1 80); do first_copy=$(recovery_floor 1); [ -n "$first_copy" ] && break; sleep 0.1; done
[ -n "$first_copy" ] || fail "no recovery copy of the first program"

start_session_program "$exe"
MAIN_WINDOW=$(xdotool search --onlyvisible --name "^Rimbano$" | grep -vx "$first_window" | head -1)
[ -n "$MAIN_WINDOW" ] || fail "no main window of the second program"
sleep 1
xdotool search --onlyvisible --name "^ Herstellen$" >/dev/null 2>&1 && fail "the second start offered the first's live copy"
[ "$(folders)" = 2 ] || fail "the two programs do not keep a folder each ($(folders))"
send_keys "$MAIN_WINDOW" ctrl+q
answer_dialog " Exit programma" Return
wait_for_program_end || fail "the second program did not end after Yes"
[ -f "$first_copy" ] || fail "Exit in the second program removed the first's copy"
[ "$(folders)" = 1 ] || fail "Exit in the second program left its own folder"

kill -0 "$first_pid" || fail "the first program ended with the second"
kill -KILL "$first_pid"; wait "$first_pid" 2>/dev/null; first_pid=
start_session_program "$exe"
answer_dialog " Herstellen" Return
expect_canvas_pixel 150 100 0,0,0 "the first program's drawing was not restored"
send_keys "$MAIN_WINDOW" ctrl+q
answer_dialog " Exit programma" Return
wait_for_program_end || fail "the program did not end after Yes"
[ -z "$(ls -A "$recovery")" ] || fail "Exit left a recovery copy behind: $(ls -A "$recovery")"
echo "recovery session: ok"
