#!/bin/sh
# Whole-process comparison of Orvane with the plain-editor floor
# (orvane_floor), in one interleaved run, medians of 5.
#   xvfb-run -a -s "-screen 0 1280x1024x24" bench/process/run.sh [BUILD_DIR] [ROUNDS] [FILES]
# FILES picks samples, e.g. line5,text10 (text10wrapped for the wrapped start).
# Needs xdotool and python3; the build needs -DORVANE_BUILD_BENCH=ON.
# Files are made in a scratch folder; Orvane runs with its own HOME there.
set -e
here=$(dirname "$0")
exec python3 "$here/measure.py" "${1:-build}" "${2:-5}" ${3:+"$3"}
