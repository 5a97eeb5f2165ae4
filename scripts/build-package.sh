#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian packages (zindle and zindle-dbgsym) from the files git knows in this checkout,
# as a distribution's builder does: `dpkg-buildpackage -us -uc -b` in a copy of the tree, so the
# checkout itself stays clean. The copy is always made at <output>/zindle-<version>, so a second
# build with the same compiler cache is all cache hits (ccache is used where it is installed).
# Extra arguments go to dpkg-buildpackage; DEB_BUILD_OPTIONS is passed through.
# Usage: scripts/build-package.sh OUTPUT-FOLDER [dpkg-buildpackage options]
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
out=$(mkdir -p "$1" && cd "$1" && pwd)
shift
version=$(dpkg-parsechangelog -l "$here/debian/changelog" -S Version)
upstream=${version%-*}
tree=$out/zindle-$upstream
rm -rf "$tree"
mkdir -p "$tree"
git -C "$here" ls-files -z --cached --others --exclude-standard |
  (cd "$here" && tar --null -T - -cf - --ignore-failed-read) | tar -xf - -C "$tree"
if command -v ccache > /dev/null; then
  # dh gives the build a HOME of its own, so the cache is named outright.
  export CMAKE_CXX_COMPILER_LAUNCHER=ccache CCACHE_DIR=${CCACHE_DIR:-$out/ccache}
fi
cd "$tree"
dpkg-buildpackage -us -uc -b -j"$(nproc)" "$@"
