#!/usr/bin/env bash
# The Debian package is built from the build folder, holds the program folder,
# the menu entry, the software centre's description, the icons and the manual
# page, declares the libraries it needs and passes the validators. Its own
# program, started with a drawing as a file manager starts it, shows that
# drawing cut into floors.
set -u
exe=$1
if [ -z "${DISPLAY:-}" ]; then exec xvfb-run -a -s "-screen 0 1280x1024x24" bash "$0" "$@"; fi
. "$(dirname "$0")/lib.sh"
build=$(cd "$(dirname "$exe")/.." && pwd)
[ -f "$build/CMakeCache.txt" ] || fail "no build folder above $exe"
command -v dpkg-deb >/dev/null && command -v dpkg-shlibdeps >/dev/null || skip "dpkg-deb and dpkg-shlibdeps are needed"
new_session 280
version=$("$exe" --version | sed -n 's/^Rimbano versie //p')
deb=$build/rimbano_${version}_amd64.deb
rm -f "$deb"
cmake --build "$build" --target package >"$SESSION/package.log" 2>&1 || fail "no package: $(tail -5 "$SESSION/package.log")"
[ -f "$deb" ] || fail "the package is not called $(basename "$deb")"

dpkg-deb --contents "$deb" | awk '{ print $6 $7 $8 }' >"$SESSION/contents"
for f in bin/rimbano-\>../lib/rimbano/rimbano lib/rimbano/rimbano lib/rimbano/help.txt \
  share/applications/rimbano.desktop share/metainfo/nl.rimbano.Rimbano.metainfo.xml \
  share/icons/hicolor/scalable/apps/rimbano.svg share/man/man1/rimbano.1.gz \
  share/doc/rimbano/copyright share/doc/rimbano/changelog.gz; do
  grep -qxF "./usr/$f" "$SESSION/contents" || fail "the package lacks /usr/$f"
done
for dir in sounds examples; do
  [ "$(grep -c "^./usr/lib/rimbano/$dir/." "$SESSION/contents")" = "$(ls "$(dirname "$0")/../../assets/$dir" | wc -l)" ] \
    || fail "the package does not hold every file of $dir/"
done
depends=$(dpkg-deb -f "$deb" Depends)
for lib in libqt6widgets6 libqt6gui6 libqt6printsupport6 libqt6multimedia6 libjpeg62-turbo fonts-liberation2; do
  tr ',' '\n' <<<"$depends" | awk '{ print $1 }' | grep -qx "$lib" || fail "Depends lacks $lib: $depends"
done

root=$SESSION/root
dpkg-deb -x "$deb" "$root"
for size in 16 22 24 32 48 64 128 256; do
  [ "$(identify -format %wx%h "$root/usr/share/icons/hicolor/${size}x$size/apps/rimbano.png")" = "${size}x$size" ] \
    || fail "no $size px icon"
done
# --help and the manual page name the same options.
for option in $("$exe" --help | grep -o -- '--[a-z-]*' | sort -u); do
  zcat "$root/usr/share/man/man1/rimbano.1.gz" | grep -qF -- "${option//-/\\-}" || fail "the manual page lacks $option"
done
if command -v lintian >/dev/null; then
  lintian --fail-on error "$deb" >"$SESSION/lintian" 2>&1 || fail "lintian: $(cat "$SESSION/lintian")"
  grep '^W:' "$SESSION/lintian"
else echo "SKIP: lintian is not installed"; fi
if command -v appstreamcli >/dev/null; then
  appstreamcli validate --no-net "$root/usr/share/metainfo/nl.rimbano.Rimbano.metainfo.xml" || fail "appstreamcli"
else echo "SKIP: appstreamcli is not installed"; fi
if command -v desktop-file-validate >/dev/null; then
  report=$(desktop-file-validate "$root/usr/share/applications/rimbano.desktop" 2>&1)
  [ -z "$report" ] || fail "desktop-file-validate: $report"
else echo "SKIP: desktop-file-validate is not installed"; fi

# Two floors side by side: a block on the ground floor's left, one on the first floor's right.
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
