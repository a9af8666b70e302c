#!/usr/bin/env bash
# The real program creates its settings file on a first start and ends with
# Ctrl+Q and Return on the exit question, exit code 0.
set -u
exe=$1
if [ -z "${DISPLAY:-}" ]; then exec xvfb-run -a -s "-screen 0 1024x768x24 -noreset" bash "$0" "$@"; fi
. "$(dirname "$0")/lib.sh"

folder=$(mktemp -d)
trap 'kill $PROGRAM_PID 2>/dev/null; rm -rf "$folder"' EXIT
start_program "$exe" "$folder"

[ -f "$folder/Rimbano.ini" ] || fail "no Rimbano.ini after the first start"
expected=$(printf '"Rimbano"\r\n0,0,0\r\n#TRUE#\r\n#TRUE#\r\n0\r\n' | od -c)
[ "$(od -c < "$folder/Rimbano.ini")" = "$expected" ] || fail "first-run settings bytes differ"

# The canvas shows white where the design puts it, the border area dark blue around it.
geometry=$(xdotool getwindowgeometry --shell "$MAIN_WINDOW")
eval "$geometry"
[ "$(pixel_at $((X + 136 + 175)) $((Y + 30 + 200)))" = "255,255,255" ] || fail "canvas not white at its place"

send_keys "$MAIN_WINDOW" ctrl+q
question=$(wait_for_window "^ Exit programma$") || fail "no exit question"
send_keys "$question" Return

for _ in $(seq 1 50); do kill -0 $PROGRAM_PID 2>/dev/null || break; sleep 0.1; done
kill -0 $PROGRAM_PID 2>/dev/null && fail "the program is still running after Yes"
wait $PROGRAM_PID
code=$?
[ $code -eq 0 ] || fail "exit code $code"
echo "first start: ok"
