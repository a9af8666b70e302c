# Shared steps of the end-to-end tests: the real program on a virtual display,
# driven with xdotool. Source this from a test run inside xvfb-run.
# The helpers take the program's own pixels; E2E_SCALE screen pixels make one
# when the program runs with QT_SCALE_FACTOR=$E2E_SCALE.
: "${E2E_SCALE:=1}"

# No test sees the machine's printers: nothing listens on this spooler socket.
# A test that needs a printer starts a spooler of its own (start_spooler).
export CUPS_SERVER=/nonexistent/rimbano-no-spooler.sock

# Ends the test as skipped (ctest's SKIP_RETURN_CODE), saying why.
skip() { echo "SKIP: $*"; exit 77; }

# With E2E_SHOT set, a failing test leaves a picture of the screen there.
fail() {
  echo "FAIL: $*" >&2
  [ -n "${E2E_SHOT:-}" ] && import -window root "$E2E_SHOT" 2>/dev/null
  exit 1
}

# Waits until a window whose title matches $1 is mapped; prints its id.
wait_for_window() {
  local name=$1 id
  for _ in $(seq 1 "${WAIT_TRIES:-100}"); do
    id=$(xdotool search --onlyvisible --name "$name" 2>/dev/null | head -1)
    if [ -n "$id" ]; then echo "$id"; return 0; fi
    sleep 0.1
  done
  return 1
}

# Waits until no visible window's title matches $1.
wait_for_no_window() {
  for _ in $(seq 1 100); do
    xdotool search --onlyvisible --name "$1" >/dev/null 2>&1 || return 0
    sleep 0.1
  done
  return 1
}

# Without a window manager focus follows nothing: focus the window before keys.
send_keys() {
  local id=$1; shift
  xdotool windowfocus --sync "$id" 2>/dev/null || xdotool windowfocus "$id"
  xdotool key "$@"
}

# Asks the window $1 to close as its close box would (a bare X server draws
# none): the WM_DELETE_WINDOW message a window manager sends.
close_window() {
  python3 - "$1" <<'PY'
import ctypes, sys
x = ctypes.cdll.LoadLibrary("libX11.so.6")
x.XOpenDisplay.restype = ctypes.c_void_p
x.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
x.XSendEvent.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_long, ctypes.c_void_p]
d = x.XOpenDisplay(None)
# A ClientMessage as 64-bit words: type, serial, send_event, display, window, message_type, format, data.
event = (ctypes.c_long * 24)(33, 0, 0, d, int(sys.argv[1]), x.XInternAtom(d, b"WM_PROTOCOLS", 0), 32,
                             x.XInternAtom(d, b"WM_DELETE_WINDOW", 0))
x.XSendEvent(d, int(sys.argv[1]), 0, 0, event)
x.XFlush(ctypes.c_void_p(d))
PY
}

# The colour of one screen pixel as "r,g,b".
pixel_at() {
  import -window root -crop "1x1+$1+$2" -depth 8 txt:- | tail -1 | sed -E 's/^0,0: \(([0-9]+),([0-9]+),([0-9]+)\).*/\1,\2,\3/'
}

# ---- A whole session: the program started and ended more than once, driven
# ---- only with the pointer and the keyboard at the controls' designed places.

# Gives up after $1 seconds: whatever waits too long, no test may hang.
# Its sleep writes nowhere, so a pipe reading the test's output ends with the test.
start_watchdog() {
  local parent=$$
  (
    trap 'kill $sleeper 2>/dev/null; exit 0' TERM
    sleep "$1" >/dev/null 2>&1 &
    sleeper=$!
    wait $sleeper
    echo "FAIL: still running after $1 s" >&2
    kill -TERM "$parent"
  ) &
  WATCHDOG_PID=$!
}

# A fresh program folder for the whole test, with the user's folders inside it;
# the program and the folder go when the test ends, however it ends.
new_session() {
  SESSION=$(mktemp -d)
  PROGRAM_PID=
  WATCHDOG_PID= SPOOLER_PID=
  trap end_session EXIT
  trap 'exit 1' TERM INT
  start_watchdog "${1:-120}"
}

# The folder goes only once the program has gone, so nothing writes into it after.
end_session() {
  [ -n "${WATCHDOG_PID:-}" ] && kill "$WATCHDOG_PID" 2>/dev/null
  if [ -n "${PROGRAM_PID:-}" ] && kill "$PROGRAM_PID" 2>/dev/null; then
    for _ in $(seq 1 30); do kill -0 "$PROGRAM_PID" 2>/dev/null || break; sleep 0.1; done
    kill -KILL "$PROGRAM_PID" 2>/dev/null
  fi
  if [ -n "${SPOOLER_PID:-}" ] && kill "$SPOOLER_PID" 2>/dev/null; then
    for _ in $(seq 1 50); do kill -0 "$SPOOLER_PID" 2>/dev/null || break; sleep 0.1; done
  fi
  rm -rf "$SESSION"
}

# A CUPS server of the session's own in $SESSION/spooler, listening only on its
# socket there, with a cups-pdf queue for each name given, the first the
# default; the test's own commands use it from then on. Only root can run it:
# cups-pdf runs only as root, and the queues are set up without a password.
start_spooler() {
  local dir=$SESSION/spooler queue
  [ -x /usr/sbin/cupsd ] && [ -x /usr/lib/cups/backend/cups-pdf ] || return 1
  # The filters run as the spooler's user and read the job files by name.
  chmod 711 "$SESSION" && mkdir -p -m 711 "$dir/spool" "$dir/cache" "$dir/state" || return 1
  printf 'Listen %s\nBrowsing No\nWebInterface No\n' "$dir/cups.sock" >"$dir/cupsd.conf"
  printf '<Location %s>\nOrder allow,deny\nAllow all\n</Location>\n' / /admin >>"$dir/cupsd.conf"
  printf '%s\n' "ServerRoot $dir" "RequestRoot $dir/spool" "CacheDir $dir/cache" "StateDir $dir/state" \
    "ErrorLog $dir/error_log" "AccessLog $dir/access_log" "PageLog $dir/page_log" "SystemGroup root" >"$dir/cups-files.conf"
  /usr/sbin/cupsd -f -c "$dir/cupsd.conf" -s "$dir/cups-files.conf" &
  SPOOLER_PID=$!
  for _ in $(seq 1 50); do [ -S "$dir/cups.sock" ] && break; sleep 0.1; done
  export CUPS_SERVER=$dir/cups.sock
  for queue in "$@"; do
    lpadmin -p "$queue" -v cups-pdf:/ -P /usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd -E || return 1
  done
  lpadmin -d "$1"
}

# Starts the program $1 with the arguments after it, insists on its start window and presses "Ok".
start_session_program() {
  mkdir -p -m 700 "$SESSION/runtime"
  XDG_DATA_HOME="$SESSION/data" XDG_CONFIG_HOME="$SESSION/config" XDG_RUNTIME_DIR="$SESSION/runtime" \
    "$1" --program-folder "$SESSION" "${@:2}" &
  PROGRAM_PID=$!
  local welcome
  welcome=$(wait_for_window "^ Welkom$") || fail "no start window"
  eval "$(xdotool getwindowgeometry --shell "$welcome")"
  # "Ok" sits at 3990 + 285, 2220 + 150 twips in the frame at 60, -30.
  click_at $((X + E2E_SCALE * (60 + 3990 + 285) / 15)) $((Y + E2E_SCALE * (-30 + 2220 + 150) / 15))
  MAIN_WINDOW=$(wait_for_window "^Rimbano$") || fail "Ok opened no main window"
  wait_for_no_window "^ Welkom$" || fail "the start window stayed after Ok"
  main_geometry
}

# Waits until the program has ended; its exit code is left in PROGRAM_CODE.
wait_for_program_end() {
  for _ in $(seq 1 50); do kill -0 "$PROGRAM_PID" 2>/dev/null || break; sleep 0.1; done
  kill -0 "$PROGRAM_PID" 2>/dev/null && return 1
  wait "$PROGRAM_PID"
  PROGRAM_CODE=$?
  PROGRAM_PID=
}

# The main window on screen: MAIN_X, MAIN_Y its client area's corner, MENU_H the
# menu bar above the controls (the client area below it is 8205 / 15 - 44 pixels
# high), EXTRA_W the pixels the canvas is wider than 350.
main_geometry() {
  eval "$(xdotool getwindowgeometry --shell "$MAIN_WINDOW")"
  MAIN_X=$X; MAIN_Y=$Y
  MENU_H=$((HEIGHT / E2E_SCALE - 8205 / 15 + 44))
  EXTRA_W=$((WIDTH / E2E_SCALE - 10875 / 15 + 8))
}

click_at() { xdotool mousemove "$1" "$2"; sleep 0.1; xdotool click 1; sleep 0.1; }

# A press, moves in $5 steps (4 unless given) and a release, each after the last was handled.
drag_from_to() {
  local x1=$1 y1=$2 x2=$3 y2=$4 steps=${5:-4}
  xdotool mousemove "$x1" "$y1"; sleep 0.1
  xdotool mousedown 1; sleep 0.1
  for step in $(seq 1 "$steps"); do
    xdotool mousemove $((x1 + (x2 - x1) * step / steps)) $((y1 + (y2 - y1) * step / steps)); sleep 0.03
  done
  sleep 0.1
  xdotool mouseup 1; sleep 0.15
}

# Screen position of a point given in pixels in the main window's client area.
main_x() { echo $((MAIN_X + E2E_SCALE * $1)); }
main_y() { echo $((MAIN_Y + E2E_SCALE * (MENU_H + $1))); }
click_main() { click_at "$(main_x "$1")" "$(main_y "$2")"; }

# The canvas lies at 2040, 105 twips.
canvas_x() { main_x $((136 + $1)); }
canvas_y() { main_y $((7 + $1)); }
canvas_click() { click_at "$(canvas_x "$1")" "$(canvas_y "$2")"; }
canvas_drag() { drag_from_to "$(canvas_x "$1")" "$(canvas_y "$2")" "$(canvas_x "$3")" "$(canvas_y "$4")"; }

# Waits until the screen pixel at $1, $2 is "r,g,b" $3; fails with $4 otherwise.
expect_screen_pixel() {
  local seen
  for _ in $(seq 1 30); do
    seen=$(pixel_at "$1" "$2")
    [ "$seen" = "$3" ] && return 0
    sleep 0.1
  done
  fail "$4 (pixel $1,$2 is $seen, expected $3)"
}
expect_canvas_pixel() { expect_screen_pixel "$(canvas_x "$1")" "$(canvas_y "$2")" "$3" "$4 (canvas $1,$2)"; }

# Tool button i of the tool panel (at 7470 + the extra width, 2415 twips):
# five a row from 120, 225 twips, 600 twips apart.
select_tool() {
  local c=$((($1 - 1) % 5)) r=$((($1 - 1) / 5))
  click_main $((498 + EXTRA_W + 8 + 40 * c + 20)) $((161 + 15 + 40 * r + 20))
}

# Option picture i below the tool buttons, from 180, 2850 twips in the panel.
choose_option() {
  local c=$((($1 - 1) % 5)) r=$((($1 - 1) / 5))
  click_main $((498 + EXTRA_W + 12 + 40 * c + 17)) $((161 + 190 + 40 * r + 17))
}

# Opens a menu of the menu bar by a click on its title and walks it with keys.
# Titles: File 19, Bewerken 66, Show 119, Extra 160 pixels from the left.
# The keys wait for the menu's own window, however busy the machine is.
menu_keys() {
  local title=$1 before; shift
  xdotool windowfocus --sync "$MAIN_WINDOW" 2>/dev/null
  before=$(xdotool search --onlyvisible --class rimbano 2>/dev/null | sort)
  click_at "$(main_x "$title")" $((MAIN_Y + E2E_SCALE * MENU_H / 2))
  for _ in $(seq 1 50); do
    [ "$(xdotool search --onlyvisible --class rimbano 2>/dev/null | sort)" != "$before" ] && break
    sleep 0.1
  done
  sleep 0.1
  xdotool key --delay 80 "$@"
}
file_menu() { menu_keys 19 "$@"; }

# Answers the dialog titled $1 with the keys that follow and waits until it has gone.
answer_dialog() {
  local title=$1 id; shift
  id=$(wait_for_window "^$title$") || fail "no window \"$title\""
  sleep 0.3
  xdotool windowfocus --sync "$id" 2>/dev/null
  xdotool key --delay 50 "$@"
  wait_for_no_window "^$title$" || fail "the window \"$title\" stayed after $*"
}

# Types a full path into the name field of the file dialog titled $1 and presses Return.
type_file_name() {
  local id
  id=$(wait_for_window "^$1$") || fail "no file dialog \"$1\""
  sleep 0.5
  xdotool windowfocus --sync "$id" 2>/dev/null
  xdotool key ctrl+a
  xdotool type --delay 15 "$2"
  sleep 0.2
  xdotool key Return
  wait_for_no_window "^$1$" || fail "the file dialog \"$1\" stayed open for $2"
}

# Waits until the file $1 is there and no longer growing.
wait_for_file() {
  local size last=
  for _ in $(seq 1 50); do
    size=$(stat -c %s "$1" 2>/dev/null)
    [ -n "$size" ] && [ "$size" != 0 ] && [ "$size" = "$last" ] && return 0
    last=$size
    sleep 0.1
  done
  return 1
}

# The colour of pixel $2, $3 of the picture file $1 as "r,g,b".
file_pixel() {
  convert "$1" -format "%[fx:int(255*p{$2,$3}.r+0.5)],%[fx:int(255*p{$2,$3}.g+0.5)],%[fx:int(255*p{$2,$3}.b+0.5)]" info:
}

# The recovery copy of floor $1 as a running program keeps it, in a folder of its own.
recovery_floor() { ls "$SESSION"/data/Rimbano/recovery/*/verdieping"$1".png 2>/dev/null | head -1; }

# Line $2 of the settings file, without its CR LF.
settings_line() { sed -n "${2}p" "$1" | tr -d '\r'; }
