# Shared steps of the end-to-end tests: the real program on a virtual display,
# driven with xdotool. Source this from a test run inside xvfb-run.

fail() { echo "FAIL: $*" >&2; exit 1; }

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

# Starts the program in its own program folder and passes the start window if it shows one.
start_program() {
  local exe=$1 folder=$2
  # The recovery copy goes to the user's data folder: keep it inside the test's folder.
  XDG_DATA_HOME="$folder/data" "$exe" --program-folder "$folder" &
  PROGRAM_PID=$!
  local welcome
  if welcome=$(WAIT_TRIES=30 wait_for_window "^ Welkom$"); then
    send_keys "$welcome" Return
  fi
  MAIN_WINDOW=$(wait_for_window "^Rimbano$") || fail "the main window did not appear"
}

# The colour of one screen pixel as "r,g,b".
pixel_at() {
  import -window root -crop "1x1+$1+$2" -depth 8 txt:- | tail -1 | sed -E 's/^0,0: \(([0-9]+),([0-9]+),([0-9]+)\).*/\1,\2,\3/'
}
