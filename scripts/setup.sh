#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages that building, testing and running Zindle need.
set -euo pipefail
# qt6-tools-dev and qt6-l10n-tools (Qt Linguist's lupdate and lrelease) keep the German, Spanish
# and French translations and build them; qt6-translations-l10n translates Qt's own buttons;
# qt6-svg-dev writes SVG cut files and renders the icon's PNG sizes at build time;
# qt6-httpserver-dev serves the race day's page to the classroom's phones (its CMake files need
# qt6-websockets-dev, which the package does not pull in); libdxflib-dev
# writes DXF cut files, which the tests read back with python3-ezdxf (drawn with matplotlib) and
# whose SVG twins librsvg2-bin renders; python3-shapely checks that no two nested parts come
# closer than the gap. The screenshots in the package are drawn in
# fonts-dejavu-core; libnlopt-dev fits the model to the runs a class measured; libpolyclipping-dev
# (Clipper) offsets the cut paths by the cutter's kerf. build-essential, debhelper and dpkg-dev build the Debian package (ccache
# makes its second, reproducibility build quick); lintian, devscripts (hardening-check) and
# debootstrap (a fresh system to install it into) check it; desktop-file-utils, appstream,
# appstream-util, libxml2-utils, shared-mime-info and groff-base check the installed desktop
# entry, metadata, file type and manual pages. locales
# brings the sources that the tests compile a comma-decimal locale from. chromium opens the
# class standings page and the SVG charts of hostile design names, to see that no script in a
# name runs.
packages=(cmake ninja-build g++ pkgconf qt6-base-dev qt6-svg-dev qt6-httpserver-dev qt6-websockets-dev qt6-tools-dev qt6-l10n-tools qt6-translations-l10n libgl-dev libgtest-dev libgmock-dev libbenchmark-dev
          xvfb xauth poppler-utils libdxflib-dev libnlopt-dev libpolyclipping-dev python3-ezdxf python3-matplotlib python3-shapely librsvg2-bin
          fonts-dejavu-core build-essential debhelper dpkg-dev ccache lintian devscripts debootstrap
          desktop-file-utils appstream appstream-util libxml2-utils shared-mime-info groff-base locales chromium)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi
sudo=""
if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}" >/dev/null
