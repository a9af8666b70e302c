#!/usr/bin/env bash
# The Debian package built from the build folder holds the program folder, the
# menu entry, the AppStream description, the icons and the manual page, declares
# the libraries it needs and passes the validators; its own program, started
# with a drawing as a file manager starts it, shows that drawing cut into floors.
set -u
exe=$1
if [ -z "${DISPLAY:-}" ]; then exec xvfb-run -a -s "-screen 0 1280x1024x24" bash "$0" "$@"; fi
. "$(dirname "$0")/lib.sh"
build=$(cd "$(dirname "$exe")/.." && pwd) assets=$(dirname "$0")/../../assets
command -v dpkg-deb >/dev/null && command -v dpkg-shlibdeps >/dev/null || skip "dpkg-deb and dpkg-shlibdeps are needed"
new_session 280
version=$("$exe" --version | sed -n 's/^Rimbano versie //p')
deb=$build/rimbano_${version}_amd64.deb root=$SESSION/root
rm -f "$deb"
cmake --build "$build" --target package >"$SESSION/log" 2>&1 || fail "no package: $(tail -5 "$SESSION/log")"
dpkg-deb -x "$deb" "$root" || fail "no $deb"

dpkg-deb --contents "$deb" | awk '{ print $6 $7 $8 }' >"$SESSION/contents"
for f in bin/rimbano-\>../lib/rimbano/rimbano lib/rimbano/rimbano lib/rimbano/help.txt share/doc/rimbano/copyright \
  share/doc/rimbano/changelog.gz share/applications/rimbano.desktop share/metainfo/nl.rimbano.Rimbano.metainfo.xml \
  share/icons/hicolor/scalable/apps/rimbano.svg share/man/man1/rimbano.1.gz; do
  grep -qxF "./usr/$f" "$SESSION/contents" || fail "the package lacks /usr/$f"
done
for dir in sounds examples; do
  [ "$(ls "$root/usr/lib/rimbano/$dir")" = "$(ls "$assets/$dir")" ] || fail "the package's $dir/ is not assets/$dir/"
done
for size in 16 22 24 32 48 64 128 256; do
  [ "$(identify -format %wx%h "$root/usr/share/icons/hicolor/${size}x$size/apps/rimbano.png")" = "${size}x$size" ] \
    || fail "no $size px icon"
done
for lib in libqt6widgets6 libqt6gui6 libqt6printsupport6 libqt6multimedia6 libjpeg62-turbo fonts-liberation2; do
  dpkg-deb -f "$deb" Depends | tr ',' '\n' | awk '{ print $1 }' | grep -qx "$lib" || fail "Depends lacks $lib"
done
# --help and the manual page name the same options.
for option in $("$exe" --help | grep -o -- '--[a-z-]*' | sort -u); do
  zcat "$root/usr/share/man/man1/rimbano.1.gz" | grep -qF -- "${option//-/\\-}" || fail "the manual page lacks $option"
done

# Each validator that is installed must pass; lintian's warnings are shown.
validate() {
  : >"$SESSION/report"
  if command -v "$1" >/dev/null; then "$@" >"$SESSION/report" 2>&1 || fail "$1: $(cat "$SESSION/report")"
  else echo "SKIP: $1 is not installed"; fi
}
validate lintian --fail-on error "$deb" && grep '^W:' "$SESSION/report"
validate appstreamcli validate --no-net "$root/usr/share/metainfo/nl.rimbano.Rimbano.metainfo.xml"
validate desktop-file-validate "$root/usr/share/applications/rimbano.desktop"
[ ! -s "$SESSION/report" ] || fail "desktop-file-validate: $(cat "$SESSION/report")"

# Two floors: a block on the ground floor's left, one on the first floor's right.
convert -size 700x455 xc:white -fill black -draw "rectangle 20,20 159,239" -draw "rectangle 550,260 679,429" \
  -quality 100 "$SESSION/huis.jpg"
[ "$("$root/usr/bin/rimbano" --version)" = "Rimbano versie $version" ] || fail "the packaged program is not $version"
start_session_program "$root/usr/bin/rimbano" "$SESSION/huis.jpg"
expect_canvas_pixel 100 100 0,0,0 "the ground floor lacks its block"
expect_canvas_pixel 260 350 255,255,255 "the first floor's block is on the ground floor"
send_keys "$MAIN_WINDOW" F3
expect_canvas_pixel 260 350 0,0,0 "the first floor lacks its block"
expect_canvas_pixel 100 100 255,255,255 "the ground floor's block is on the first floor"
echo "package: ok"
