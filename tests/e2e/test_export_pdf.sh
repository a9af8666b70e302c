#!/usr/bin/env bash
# The real program turns a saved drawing into the printed page as a PDF file
# from the command line, with no display at all. Its refusals are checked
# without a process, beside the options' parsing.
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

echo "export pdf: ok"
