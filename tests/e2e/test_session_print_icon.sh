#!/usr/bin/env bash
# A user prints a plan with a red room where there is no printer: the program
# offers a PDF file, which holds one landscape page with the title and the
# room where the ground floor belongs. Then an icon is drawn in the icon
# editor, saved, imported through File > Import Icons and placed on the plan.
# Last a printer is installed: Print Setup chooses it, and the page goes there.
set -u
exe=$1
if [ -z "${DISPLAY:-}" ]; then exec xvfb-run -a -s "-screen 0 1280x1024x24 -noreset" bash "$0" "$@"; fi
. "$(dirname "$0")/lib.sh"

new_session 150
S=$SESSION
# Nothing listens on the spooler's socket until the printer is installed.
CUPS_SERVER=$S/spooler/cups.sock CUPS_USER=rimbano-e2e start_session_program "$exe"

# The plan: a double wall round the house, an inner wall, the lower room red.
select_tool 3
choose_option 6
canvas_drag 20 20 330 430
select_tool 2
choose_option 3
canvas_drag 20 200 330 200
red_bar_y=$(main_y $((-5 + 3330 / 15 + 7)))
drag_from_to "$(main_x 35)" "$red_bar_y" "$(main_x 100)" "$red_bar_y"
select_tool 8
canvas_click 175 320
expect_canvas_pixel 175 320 255,0,0 "the lower room was not filled"
expect_canvas_pixel 175 100 255,255,255 "the fill leaked into the upper room"

# File > Afdrukken: the print dialog " Printen", a title, "Afdrukken".
file_menu Down Down Down Down Return
dialog=$(wait_for_window "^ Printen$") || fail "no print dialog"
eval "$(xdotool getwindowgeometry --shell "$dialog")"
# The title box at 2070, 225 and the button at 3540, 3150 twips in the frame at 60, -30.
click_at $((X + (60 + 2070) / 15 + 100)) $((Y + (-30 + 225) / 15 + 10))
xdotool key ctrl+a
xdotool type --delay 20 "Ons huis"
click_at $((X + (60 + 3540 + 495) / 15)) $((Y + (-30 + 3150 + 150) / 15))
# No printer here: the question carries the dialog's title too.
question=
for _ in $(seq 1 50); do
  question=$(xdotool search --onlyvisible --name "^ Printen$" 2>/dev/null | grep -vx "$dialog" | head -1)
  [ -n "$question" ] && break
  sleep 0.1
done
[ -n "$question" ] || fail "no offer to print to a PDF file"
sleep 0.3
xdotool windowfocus --sync "$question" 2>/dev/null
xdotool key Return
type_file_name "Opslaan als" "$S/plan.pdf"
wait_for_file "$S/plan.pdf" || fail "no PDF file written"
wait_for_no_window "^ Printen$" || fail "the print dialog stayed after printing"

# One A4 landscape page in the PDF $1 at 144 dots an inch: 2 dots a point. The
# ground floor goes into 300, 1200, 7200 x 9120 twips from the printable area,
# whose corner lies 10 points into the page: canvas pixel x lands at
# 25 + x * 360 / 350 points, y at 70 + y * 456 / 455. A printer's upright
# sheet ($2 "turned") carries the page turned a quarter to the left.
check_page() {
  local page=${1%.pdf}-page
  pdftoppm -r 144 -png "$1" "$page" 2>/dev/null || fail "$1 cannot be rasterised"
  [ "${2:-}" = turned ] && mogrify -rotate 90 "$page-1.png"
  [ "$(identify -format '%wx%h' "$page-1.png")" = "1684x1190" ] || fail "not one A4 landscape page in $1"
  [ ! -e "$page-2.png" ] || fail "more than one page in $1"
  page_pixel() { file_pixel "$page-1.png" $(((25 * 350 + $1 * 360) * 2 / 350)) $(((70 * 455 + $2 * 456) * 2 / 455)); }
  for spot in "30 206" "320 206" "30 420" "320 420" "175 320"; do
    [ "$(page_pixel $spot)" = "255,0,0" ] || fail "the red room is not in its place on the page at canvas $spot"
  done
  for outside in "175 194" "175 100" "10 300" "340 300" "175 445"; do
    [ "$(page_pixel $outside)" = "255,255,255" ] || fail "red on the page outside the room at canvas $outside"
  done
  [ "$(file_pixel "$page-1.png" 1200 600)" = "255,255,255" ] || fail "the right half of the page is not empty"
  title=$(convert "$page-1.png" -crop 400x60+40+60 +repage -depth 8 txt:- \
    | awk -F'[(),]' 'NR > 1 && $3 > 120 && $3 < 200 && $4 < 60 && $5 > 50 && $5 < 110 { n++ } END { print n + 0 }')
  [ "$title" -gt 50 ] || fail "no title in its purple at the top left of the page"
}
check_page "$S/plan.pdf"

# Icon editor (Ctrl+I): red from the palette, a row and a column dragged on the grid.
xdotool windowfocus --sync "$MAIN_WINDOW" 2>/dev/null
xdotool key ctrl+i
editor=$(wait_for_window "^ 35 x 35 Design") || fail "Ctrl+I opened no icon editor"
eval "$(xdotool getwindowgeometry --shell "$editor")"
# Grid at 150, 660 twips and palette at 5925, 1695, each inside a 2-pixel border.
grid_x=$((X + 12)); grid_y=$((Y + 46))
palette_x=$((X + 397)); palette_y=$((Y + 115))
click_at $((palette_x + 43)) $((palette_y + 3))
# One move a cell: a move paints the cell under the pointer.
drag_from_to $((grid_x + 8)) $((grid_y + 180)) $((grid_x + 352)) $((grid_y + 180)) 43
drag_from_to $((grid_x + 60)) $((grid_y + 8)) $((grid_x + 60)) $((grid_y + 352)) 43
# Save, the third button at 960, 120 twips.
click_at $((X + 12 + 52 + 12)) $((Y + 20))
type_file_name "Opslaan als" "$S/kruis.rbn"
wait_for_file "$S/kruis.rbn" || fail "no icon file"
[ "$(identify -format '%m %wx%h' "BMP:$S/kruis.rbn")" = "BMP3 35x35" ] || fail "the icon file is no 35 x 35 bitmap"
icon_pixel() { file_pixel "BMP:$S/kruis.rbn" "$1" "$2"; }
for cell in "0 17" "34 17" "5 0" "5 34"; do
  [ "$(icon_pixel $cell)" = "255,0,0" ] || fail "icon cell $cell is not red"
done
[ "$(icon_pixel 17 16)" = "255,255,255" ] || fail "icon cell 17 16 is not white"
# Escape keeps the unsaved work: the editor closes only through its close box.
send_keys "$editor" Escape
sleep 0.5
xdotool search --onlyvisible --name "35 x 35 Design" >/dev/null || fail "Escape closed the icon editor"
close_window "$editor"
wait_for_no_window "35 x 35 Design" || fail "the close box did not close the icon editor"

# File > Import Icons: the icon shows in the panel (IconImage at 195, 285 twips in Frame8 at 75, 4050).
file_menu Down Down Down Down Down Down Return
type_file_name "Openen" "$S/kruis.rbn"
icon_x=$(main_x $(((75 + 195) / 15))); icon_y=$(main_y $(((4050 + 285) / 15)))
expect_screen_pixel $((icon_x + 5)) $((icon_y + 2)) 255,0,0 "the imported icon does not show in the panel"
expect_screen_pixel $((icon_x + 20)) $((icon_y + 10)) 255,255,255 "the panel shows no white icon background"

# A click on the icon takes it as the object; a click on the canvas places it
# with its corner 36 pixels up and left of the pointer.
click_at $((icon_x + 17)) $((icon_y + 17))
sleep 0.4
canvas_click 120 120
select_tool 2
expect_canvas_pixel 84 101 255,0,0 "the icon's row does not start at its corner"
expect_canvas_pixel 118 101 255,0,0 "the icon's row does not reach its width"
expect_canvas_pixel 89 84 255,0,0 "the icon's column is not left of the middle"
expect_canvas_pixel 113 84 255,255,255 "the icon was placed mirrored"
expect_canvas_pixel 101 100 255,255,255 "the icon's white does not leave the plan white"

# A printer is installed: queues "Kantoor", the default, and "PDF". Print Setup
# chooses "PDF"; Afdrukken prints there without a question or a file name.
# cups-pdf leaves the job of an unknown user in its anonymous folder.
printed=/var/spool/cups-pdf/ANONYMOUS/Rimbano-job_1.pdf
rm -f "$printed"; trap 'rm -f "$printed"; end_session' EXIT
start_spooler Kantoor PDF || skip "no CUPS server could be started here (it needs root and Debian's cups and printer-driver-cups-pdf): the printer path is untested"
file_menu Down Down Down Down Down Return
setup=$(wait_for_window "^Print Setup$") || fail "Print Setup shows no printer choice"
sleep 0.3
send_keys "$setup" P Return
wait_for_no_window "^Print Setup$" || fail "Print Setup stayed open"
send_keys "$MAIN_WINDOW" ctrl+p
dialog=$(wait_for_window "^ Printen$") || fail "Ctrl+P opened no print dialog"
eval "$(xdotool getwindowgeometry --shell "$dialog")"
click_at $((X + (60 + 3540 + 495) / 15)) $((Y + (-30 + 3150 + 150) / 15))
wait_for_no_window "^ Printen$" || fail "the print dialog asked a question or stayed open with a printer"
export CUPS_USER=rimbano-e2e
timeout 30 sh -c 'until lpstat -W completed -o PDF | grep -q "^PDF-1 "; do sleep 0.2; done' \
  || fail "the chosen queue has done no job: $(lpstat -W all -o)"
mv "$printed" "$S/printed.pdf" || fail "cups-pdf made no PDF file of the job"
check_page "$S/printed.pdf" turned
echo "print and icon session: ok"
