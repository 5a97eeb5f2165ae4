#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the package into a fresh minimal Debian, made by debootstrap, the way a user does
# (apt-get install ./zindle_*.deb): apt must bring every library the programs need, the programs
# run there without a display, the manual and help pages are in place, and a purge leaves nothing
# of the package behind. Where this machine cannot make such a system (not root, no debootstrap,
# no Debian mirror answering) the check is skipped, and says why.
# `make SYSTEM` makes the system (it takes minutes of downloading, so check-package.sh runs it
# beside the package build); `check PACKAGE.deb UPSTREAM-VERSION SYSTEM` installs into it.
# ZINDLE_DEBIAN_MIRROR names another mirror than deb.debian.org.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
what="install into a fresh Debian (debootstrap chroot)"

if [[ $1 == make ]]; then
  system=$2
  [[ $(id -u) -eq 0 ]] || { echo "debootstrap and chroot need root"; exit 77; }
  command -v debootstrap > /dev/null || { echo "debootstrap is not installed (scripts/setup.sh installs it)"; exit 77; }
  suite=$(. /etc/os-release && echo "$VERSION_CODENAME")
  mirror=${ZINDLE_DEBIAN_MIRROR:-http://deb.debian.org/debian}
  debootstrap --variant=minbase "$suite" "$system" "$mirror" > "$system.log" 2>&1 ||
    { tail -n 5 "$system.log"; echo "debootstrap could not make a $suite system from $mirror"; exit 77; }
  exit 0
fi

deb=$(realpath "$2")
upstream=$3
system=$4
# shellcheck source=scripts/check-support.sh
. "$here/check-support.sh"
mount -t proc proc "$system/proc"
trap 'umount "$system/proc" || true; rm -rf "$work"' EXIT
started=$SECONDS

inside() {
  chroot "$system" env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin LANG=C.UTF-8 "$@"
}
cp "$deb" "$system/tmp/"
installed() {
  inside apt-get update -qq &&
    inside env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "/tmp/$(basename "$deb")"
}
check "apt-get install ./$(basename "$deb") brings every dependency" installed
check "zindle-cli --version" prints_exactly "zindle-cli $upstream" inside zindle-cli --version
check "zindle --version" prints_exactly "zindle $upstream" inside zindle --version
check "zindle --help-folder" prints_exactly /usr/share/zindle/help inside zindle --help-folder
check "zindle-cli computes" inside zindle-cli analyze Racer
check "manual pages" has_file "$system/usr/share/man/man1/zindle.1.gz"

# What the package put on the system, to see that all of it goes again.
dpkg-deb -c "$deb" | awk '$6 !~ /\/$/ { sub(/^\./, "", $6); print $6 }' > "$work/files"
purged() {
  inside env DEBIAN_FRONTEND=noninteractive apt-get purge -y -qq zindle || return 1
  local left=0 path
  while read -r path; do
    [[ -e $system$path ]] && { echo "left behind: $path"; left=1; }
  done < "$work/files"
  [[ ! -e $system/usr/share/zindle ]] || { echo "left behind: /usr/share/zindle"; left=1; }
  return $left
}
check "purge leaves nothing of the package" purged
echo "      $what: $((SECONDS - started)) s after the system was made"
summary check-chroot
