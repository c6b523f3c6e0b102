#!/bin/sh
# A copy of the sample library whose page recordings all last 30 seconds, IMA ADPCM at 22 kHz
# (the longest a page has), for timing Zan's page turns on them:
#   sh bench/long_recordings.sh build /tmp/kz-long
#   KZ_DATA=/tmp/kz-long QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE=/dev/null \
#     build/bench/windows/zan_window_bench 6
set -e
build=${1:-build}
out=${2:-/tmp/kz-long}
rm -rf "$out"
cp -r "$build/stage" "$out"
sox -n -r 22050 -c 1 -e ima-adpcm "$out/long.wav" synth 30 sine 440 vol 0.3
for f in "$out"/WAVS/*/SNT*.WAV; do cp "$out/long.wav" "$f"; done
rm "$out/long.wav"
