#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package as a distribution does (scripts/build-package.sh), and checks it:
# lintian, the hardening of both programs, no RUNPATH and no .comment, the files and libraries
# it declares, the programs run from it, a second build with the same SOURCE_DATE_EPOCH byte for
# byte the same, and an install into a fresh Debian (debootstrap chroot) where the machine can
# make one. The packages are left in <build>/package (the compiler cache too, for the next run).
# Usage: scripts/check-package.sh [build folder]
set -euo pipefail
build=$(cd "${1:-build}" && pwd)
here=$(cd "$(dirname "$0")" && pwd)
source=$(dirname "$here")
id=org.zindle.zindle
# shellcheck source=scripts/check-support.sh
. "$here/check-support.sh"
version=$(dpkg-parsechangelog -l "$source/debian/changelog" -S Version)
upstream=${version%-*}
package=$build/package
arch=$(dpkg --print-architecture)

field() { sed -n "s/^ $1: //p" "$work/info"; }

# The changelog's entry is signed by the Maintainer of debian/control (lintian takes any other
# signer for a non-maintainer upload), and names the release CMake declares, on its day.
release_agrees() {
  local maintainer signer day
  maintainer=$(sed -n 's/^Maintainer: //p' "$source/debian/control")
  signer=$(dpkg-parsechangelog -l "$source/debian/changelog" -S Maintainer)
  [[ $signer == "$maintainer" ]] || { echo "changelog signed by $signer, Maintainer is $maintainer"; return 1; }
  grep -q "^project(Zindle VERSION $upstream " "$source/CMakeLists.txt" || { echo "CMake's version is not $upstream"; return 1; }
  day=$(date -u -d "@$(dpkg-parsechangelog -l "$source/debian/changelog" -S Timestamp)" +%F)
  grep -q "^set(ZINDLE_RELEASE_DATE $day)" "$source/CMakeLists.txt" || { echo "CMake's release day is not $day"; return 1; }
}

depends_on() {
  local depends
  depends=$(field Depends)
  for library in "$@"; do
    [[ ", $depends," == *", $library "* || ", $depends," == *", $library,"* ]] || { echo "Depends: $depends (no $library)"; return 1; }
  done
}

contains_all() {
  local missing=0
  for path in "$@"; do
    grep -qxF "./usr/$path" "$work/contents" || { echo "not in the package: /usr/$path"; missing=1; }
  done
  return $missing
}

only_below_usr() {
  ! grep -vE '^\./$|^\./usr(/|$)' "$work/contents"
}

# Neither a RUNPATH nor an RPATH (the libraries are the system's) nor the compiler's .comment.
elf_clean() {
  local binary bad=0
  for binary in "$@"; do
    if readelf -d "$binary" | grep -E '\((RUNPATH|RPATH)\)'; then bad=1; fi
    if readelf -S -W "$binary" | grep -F ' .comment '; then bad=1; fi
  done
  return $bad
}

# The debug symbols of both programs are in the -dbgsym package, found by their build ids.
debug_symbols_split() {
  local binary build_id
  for binary in "$@"; do
    build_id=$(readelf -n "$binary" | sed -n 's/^ *Build ID: //p')
    [[ -n $build_id ]] || { echo "$binary has no build id"; return 1; }
    # Not grep -q on the pipe: it stops at the match, and under pipefail dpkg-deb's broken pipe
    # would fail the check.
    dpkg-deb -c "$dbgsym" | grep -F "/usr/lib/debug/.build-id/${build_id:0:2}/${build_id:2}.debug" > /dev/null ||
      { echo "no debug file for $binary ($build_id)"; return 1; }
  done
}

# The source package a distribution uploads: the upstream tarball (the project's files without
# debian/) and the Debian part, built with dpkg-buildpackage -S and checked by lintian as an
# archive checks it. Outside a git checkout the project's files are not known: nothing to check.
source_package_clean() {
  local folder=$work/source tree=$work/source/zindle-$upstream
  mkdir -p "$tree"
  (cd "$source" && git ls-files -z | xargs -0 tar -cf -) | tar -xf - -C "$tree"
  tar -C "$folder" --exclude="zindle-$upstream/debian" -cJf "$folder/zindle_$upstream.orig.tar.xz" "zindle-$upstream"
  (cd "$tree" && dpkg-buildpackage -S -us -uc -d > "$folder/build.log" 2>&1) || { tail -n 20 "$folder/build.log"; return 1; }
  lintian --fail-on error,warning,info --pedantic --display-info "$folder/zindle_${version}.dsc"
}

# check-package's own build of the packages, the log kept for when it fails.
build_packages() {
  local log=$1
  shift
  if ! "$here/build-package.sh" "$package" "$@" > "$log" 2>&1; then
    tail -n 60 "$log"
    echo "the package build failed; its log: $log"
    exit 1
  fi
}

# The fresh Debian to install into is downloaded while the package builds.
system=$work/system
setsid "$here/check-chroot-install.sh" make "$system" > "$work/system-made" 2>&1 &
making_system=$!
# The trap runs under errexit too: a system maker that has already ended must not fail the run.
trap 'kill -- -$making_system 2> /dev/null || true; wait || true; rm -rf "$work"' EXIT
system_failed() {
  cat "$work/system-made"
  return 1
}

echo "== Debian package (dpkg-buildpackage -us -uc -b, the tests run in dh_auto_test)"
rm -rf "$package/first"
started=$SECONDS
build_packages "$build/package-build.log"
echo "      built in $((SECONDS - started)) s"
mkdir -p "$package/first"
mv "$package"/zindle*_"$version"_* "$package/first/"
deb=$package/first/zindle_${version}_$arch.deb
dbgsym=$package/first/zindle-dbgsym_${version}_$arch.deb
dpkg-deb -I "$deb" > "$work/info"
dpkg-deb -c "$deb" | awk '{ print $6 }' > "$work/contents"
unpacked=$work/unpacked
dpkg-deb -x "$deb" "$unpacked"
programs=("$unpacked/usr/bin/zindle" "$unpacked/usr/bin/zindle-cli")

check "changelog, control and CMake agree on maintainer, release and day" release_agrees
check "package name and version" prints_exactly "zindle $version" echo "$(field Package) $(field Version)"
check "lintian finds no error or warning in the packages" \
  lintian --fail-on error,warning --display-info "$package/first/zindle_${version}_$arch.changes"
sed 's/^/      /' "$work/output"
check "hardening of zindle and zindle-cli (no control-flow protection on Debian 12)" \
  hardening-check --nocfprotection "${programs[@]}"
check "no RUNPATH and no .comment in the programs" elf_clean "${programs[@]}"
check "debug symbols in zindle-dbgsym" debug_symbols_split "${programs[@]}"
check "package declares its libraries" depends_on libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 libqt6printsupport6 libqt6svg6 libqt6httpserver6 libdxflib3 libnlopt0
check "package holds every installed file" contains_all bin/zindle bin/zindle-cli share/zindle/help/index.html \
  "share/applications/$id.desktop" "share/metainfo/$id.metainfo.xml" "share/mime/packages/$id.xml" \
  "share/icons/hicolor/scalable/apps/$id.svg" "share/icons/hicolor/256x256/apps/$id.png" \
  "share/icons/hicolor/16x16/apps/$id.png" share/man/man1/zindle-cli.1.gz share/man/man1/zindle.1.gz \
  share/doc/zindle/copyright share/doc/zindle/changelog.Debian.gz
check "package installs nothing outside /usr" only_below_usr
if git -C "$source" rev-parse --is-inside-work-tree > /dev/null 2>&1; then
  check "lintian finds no error, warning or note in the source package" source_package_clean
else
  skip "the source package" "not a git checkout"
fi
check "packaged metadata validates" metadata_clean "$unpacked/usr/share/metainfo/$id.metainfo.xml"
check "screenshots the packaged metadata names are in the package" screenshots_present "$unpacked/usr/share"
check "packaged zindle-cli --version" prints_exactly "zindle-cli $upstream" headless "$unpacked/usr/bin/zindle-cli" --version
check "packaged zindle --version" prints_exactly "zindle $upstream" headless "$unpacked/usr/bin/zindle" --version
check "packaged zindle finds its help pages" help_found_at "$unpacked/usr/bin/zindle" "$unpacked/usr/share/zindle/help"
check "packaged zindle-cli prints a report" headless "$unpacked/usr/bin/zindle-cli" report "Racer" "$work/racer.pdf"

echo "== the same package again, DEB_BUILD_OPTIONS=nocheck, the same SOURCE_DATE_EPOCH"
started=$SECONDS
export DEB_BUILD_OPTIONS="${DEB_BUILD_OPTIONS:+$DEB_BUILD_OPTIONS }nocheck"
build_packages "$build/package-build-again.log"
echo "      built in $((SECONDS - started)) s"
same_bytes() {
  local name
  for name in "zindle_${version}_$arch.deb" "zindle-dbgsym_${version}_$arch.deb"; do
    cmp "$package/first/$name" "$package/$name" ||
      { sha256sum "$package/first/$name" "$package/$name"; return 1; }
    sha256sum "$package/$name"
  done
}
check "second build byte for byte the first" same_bytes
sed 's/^/      /' "$work/output"

echo "== install into a fresh Debian (debootstrap chroot)"
made=0
wait $making_system || made=$?
if [[ $made -eq 0 ]]; then
  "$here/check-chroot-install.sh" check "$deb" "$upstream" "$system" || failed=$((failed + 1))
elif [[ $made -eq 77 ]]; then
  skip "install into a fresh Debian" "$(tail -n 1 "$work/system-made")"
else
  check "a fresh Debian made by debootstrap" system_failed
fi
summary check-package
