#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Opens the class standings page in a real browser and photographs it: writes a class of
# designs (200 from the league benchmark's helper when it is built, else the five built-in
# designs), runs `zindle-cli league --heats --html --pdf` on them, takes a screenshot of the
# page with headless Chromium and renders the PDF's pages with pdftoppm. Not part of ctest:
# it needs chromium and poppler-utils, which CI does not install.
#
# Usage: scripts/league-page.sh [DESIGN-FOLDER]   (BUILD_DIR chooses the build folder)
# The pictures land in <build>/screenshots/league-*.png.
set -eu
here=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$here/build}
cli=$build/src/zindle-cli
bench=$build/bench/zindle_league_bench
shots=$build/screenshots
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$shots"

browser=$(command -v chromium || command -v chromium-browser || command -v google-chrome || true)
[ -n "$browser" ] || { echo "league-page.sh: no chromium found (apt-get install chromium)" >&2; exit 1; }
command -v pdftoppm >/dev/null || { echo "league-page.sh: pdftoppm missing (apt-get install poppler-utils)" >&2; exit 1; }
[ -x "$cli" ] || cmake --build "$build" --target zindle-cli

if [ $# -ge 1 ]; then
    class=$1
else
    class=$work/class
    mkdir -p "$class"
    if [ -x "$bench" ]; then
        QT_QPA_PLATFORM=offscreen "$bench" --write-class "$class"
    else
        for design in "Default Design" Racer Pickup "Tow Truck" Wheelie; do
            "$cli" save "$design" "$class/$design.zndl"
        done
    fi
    printf 'not a design\n' > "$class/unreadable.zndl"
fi

"$cli" league "$class" --heats --html "$work/class.html" --pdf "$work/class.pdf" > "$work/table.txt"
head -n 12 "$work/table.txt"

# A fresh profile and no network: the page must show everything from itself.
"$browser" --headless --no-sandbox --disable-gpu --hide-scrollbars --user-data-dir="$work/profile" \
    --proxy-server=127.0.0.1:9 --window-size=1280,2600 \
    --screenshot="$shots/league-page.png" "file://$work/class.html" 2>/dev/null
pdftoppm -r 80 -png -f 1 -l 3 "$work/class.pdf" "$shots/league-pdf"
cp "$work/class.html" "$shots/league-page.html"
echo "Pictures in $shots: league-page.png, league-pdf-*.png"
