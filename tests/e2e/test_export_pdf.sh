#!/usr/bin/env bash
# The real program turns a saved drawing into the printed page as a PDF file
# from the command line, with no display at all, and the floors to scale each
# on a page turned its own way. Its refusals are checked without a process,
# beside the options' parsing; one exit code is checked here as the shell sees it.
set -u
exe=$1
. "$(dirname "$0")/lib.sh"
folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
unset DISPLAY WAYLAND_DISPLAY

# A two-floor drawing at 350 px: ground floor red, first floor blue.
convert -size 350x455 xc:'rgb(200,0,0)' -size 350x455 xc:'rgb(0,0,220)' +append -type TrueColor "BMP3:$folder/huis.bmp"
"$exe" --export-pdf "$folder/huis.bmp" --output "$folder/huis.pdf" --title "Ons huis" 2> "$folder/err.txt" \
  || fail "export failed: $(cat "$folder/err.txt")"
pdftoppm -r 72 -png "$folder/huis.pdf" "$folder/page" || fail "the PDF cannot be rasterised"
[ "$(identify -format '%wx%h' "$folder/page-1.png")" = "842x595" ] || fail "not one A4 landscape page"
[ -e "$folder/page-2.png" ] && fail "more than one page"

# A scale only for a print to scale: refused with exit code 2, nothing written.
"$exe" --export-pdf "$folder/huis.bmp" --output "$folder/kaal.pdf" --cm-per-pixel 5 2> "$folder/err.txt"
[ $? = 2 ] || fail "--cm-per-pixel without --scale did not exit with 2"
grep -q -- "--cm-per-pixel hoort bij --scale" "$folder/err.txt" || fail "no message for --cm-per-pixel: $(cat "$folder/err.txt")"
[ -e "$folder/kaal.pdf" ] && fail "a PDF was written for a refused command"

# To scale at 1:50 (5 cm a pixel is 1 mm on paper) a tall ground floor fits
# only upright, a wide first floor only across: one page each, each its way.
convert -size 350x455 xc:white -fill black -draw "rectangle 20,20 159,239" \
  \( -size 350x455 xc:white -fill black -draw "rectangle 20,20 269,109" \) +append -type TrueColor "BMP3:$folder/twee.bmp"
"$exe" --export-pdf "$folder/twee.bmp" --output "$folder/schaal.pdf" --scale 1:50 --cm-per-pixel 5 2> "$folder/err.txt" \
  || fail "the scale export failed: $(cat "$folder/err.txt")"
sizes=$(pdfinfo -f 1 -l 2 "$folder/schaal.pdf" | awk '/^Page +[0-9]+ size:/ { print ($4 < $6 ? "upright" : "across") }' | tr '\n' ' ')
[ "$sizes" = "upright across " ] || fail "the scale pages are not upright then across: $sizes"
[ "$(pdfinfo "$folder/schaal.pdf" | awk '/^Pages:/ { print $2 }')" = 2 ] || fail "the scale PDF has not two pages"

echo "export pdf: ok"
