#!/usr/bin/env bash
# Makes the program's four short sound effects with sox. The same command gives
# the same files; run it from the repository root after changing a sound.
set -euo pipefail
out=assets/sounds
mkdir -p "$out"

# space: a soft rising swoosh when a dialog or the help opens
sox -R -n -r 22050 -b 16 -c 1 "$out/space.wav" synth 0.35 sine 300-900 fade q 0.02 0.35 0.15 vol 0.5
# zoef: a quick falling whoosh of filtered noise when the floor is mirrored
sox -R -n -r 22050 -b 16 -c 1 "$out/zoef.wav" synth 0.3 pinknoise band 1200 800 fade q 0.01 0.3 0.2 vol 0.6
# klik: a short click when a symbol or text is placed
sox -R -n -r 22050 -b 16 -c 1 "$out/klik.wav" synth 0.04 square 1800 fade q 0.002 0.04 0.03 vol 0.4
# fout: two low beeps when a picture does not fit
sox -R -n -r 22050 -b 16 -c 1 "$out/fout.wav" synth 0.15 square 220 vol 0.35 pad 0 0.08 repeat 1
