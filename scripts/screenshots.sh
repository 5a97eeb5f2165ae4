#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds and runs the screenshot writers, which put a PNG of every mode and dialog into
# <build>/screenshots/ to be looked at after a visible change. Any arguments go to the program
# (for example --gtest_filter=ViewsScreenshots.*). BUILD_DIR chooses the build folder.
set -eu
here=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$here/build}
cmake --build "$build" --target zindle_screenshots
QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen} "$build/tests/zindle_screenshots" "$@"
echo "Pictures in $build/screenshots"
