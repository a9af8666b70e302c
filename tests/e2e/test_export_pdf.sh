#!/usr/bin/env bash
# The real program turns a saved drawing into the printed page as a PDF file
# from the command line, with no display at all, and its floors to scale each
# on a page turned its own way. Its refusals are checked without a process,
# beside the options' parsing.
set -u
exe=$1
. "$(dirname "$0")/lib.sh"
folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
unset DISPLAY WAYLAND_DISPLAY
# "upright" or "across" for each page of the PDF file $1.
pages_of() { pdfinfo -f 1 -l 3 "$1" | awk '/^Page +[0-9]+ size:.*\(A4\)/ { printf "%s ", ($4 < $6 ? "upright" : "across") }'; }

# Two floors at 350 px: a tall block on the ground floor, a wide one on the first.
convert -size 350x455 xc:white -fill black -draw "rectangle 20,20 159,239" \
  \( -size 350x455 xc:white -fill black -draw "rectangle 20,20 269,109" \) +append -type TrueColor "BMP3:$folder/huis.bmp"
"$exe" --export-pdf "$folder/huis.bmp" --output "$folder/huis.pdf" --title "Ons huis" 2> "$folder/err.txt" \
  || fail "export failed: $(cat "$folder/err.txt")"
[ "$(pages_of "$folder/huis.pdf")" = "across " ] || fail "not one A4 landscape page"

# --cm-per-pixel belongs to a print to scale: alone it is refused with exit code 2.
"$exe" --export-pdf "$folder/huis.bmp" --output "$folder/kaal.pdf" --cm-per-pixel 5 2>/dev/null
[ $? = 2 ] && [ ! -e "$folder/kaal.pdf" ] || fail "--cm-per-pixel without --scale was not refused with exit code 2"

# At 1:50 and 5 cm a pixel the tall floor fits only upright, the wide one only across.
"$exe" --export-pdf "$folder/huis.bmp" --output "$folder/schaal.pdf" --scale 1:50 --cm-per-pixel 5 || fail "no scale PDF"
[ "$(pages_of "$folder/schaal.pdf")" = "upright across " ] || fail "the scale pages are not upright, then across"

echo "export pdf: ok"
