#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs a build the way a package build does (into a staging folder, under a prefix no system
# uses) and checks what a desktop needs from it; then scripts/check-package.sh builds and checks
# the Debian package. Nothing is installed on this machine. Exit status 1 when any check fails.
# Usage: scripts/check-install.sh [build folder]
set -euo pipefail
build=$(cd "${1:-build}" && pwd)
id=org.zindle.zindle
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=scripts/check-support.sh
. "$here/check-support.sh"

# The manual page formats without a warning.
man_page_clean() {
  local warnings
  warnings=$(zcat "$1" | groff -man -Tutf8 -ww -z 2>&1) || return 1
  [[ -z $warnings ]] || { echo "$warnings"; return 1; }
  # grep reads to the end: with -q it would stop at the match and, under pipefail, the writer's
  # broken pipe would fail the check.
  zcat "$1" | groff -man -Tutf8 -P-cbou 2>/dev/null | grep -F -- "$2" > /dev/null
}

# The file type: the XML parses, and the MIME database tool compiles it with the magic bytes.
mime_compiles() {
  local mime=$work/mime-db/mime
  mkdir -p "$mime/packages"
  xmllint --noout "$1" || return 1
  cp "$1" "$mime/packages/"
  update-mime-database "$mime" || return 1
  grep -qx "application/x-zindle-design" "$mime/types" || { echo "type not in the database"; return 1; }
  grep -q "application/x-zindle-design" "$mime/globs2" || { echo "no glob for the type"; return 1; }
  # The magic entry holds the length prefix 1C 00 00 00 followed by the version marker.
  grep -qaF ":::::VersionInformation:::::" "$mime/magic" || { echo "no magic for the type"; return 1; }
  od -An -c "$mime/magic" | tr -s ' ' | grep '034 \\0 \\0 \\0 : : : : :' > /dev/null || { echo "magic bytes wrong"; return 1; }
}

# The desktop entry, the metadata and the file type all name the program by the same id.
names_agree() {
  local share=$1
  grep -qx "Icon=$id" "$share/applications/$id.desktop" || { echo "desktop entry: Icon is not $id"; return 1; }
  grep -q "<id>$id</id>" "$share/metainfo/$id.metainfo.xml" || { echo "metadata: id is not $id"; return 1; }
  grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$share/metainfo/$id.metainfo.xml" ||
    { echo "metadata: launchable is not $id.desktop"; return 1; }
  grep -q "<icon name=\"$id\"/>" "$share/mime/packages/$id.xml" || { echo "file type: icon is not $id"; return 1; }
  # Design files open in the program: the entry takes a file and names their type, as does the metadata.
  grep -qx "Exec=zindle %F" "$share/applications/$id.desktop" || { echo "desktop entry: Exec takes no file"; return 1; }
  grep -qx "MimeType=application/x-zindle-design;" "$share/applications/$id.desktop" ||
    { echo "desktop entry: MimeType is not the design type"; return 1; }
  grep -q "<mediatype>application/x-zindle-design</mediatype>" "$share/metainfo/$id.metainfo.xml" ||
    { echo "metadata: no mediatype for design files"; return 1; }
}

echo "== install into a staging folder (prefix /opt/zindle-check)"
stage=$work/stage
root=$stage/opt/zindle-check
DESTDIR=$stage cmake --install "$build" --prefix /opt/zindle-check > "$work/install.log"

check "programs installed" has_file "$root/bin/zindle"
check "help pages installed" has_file "$root/share/zindle/help/index.html"
check "desktop entry validates" desktop-file-validate "$root/share/applications/$id.desktop"
check "AppStream metadata validates, pedantic hints too" metadata_clean "$root/share/metainfo/$id.metainfo.xml"
check "screenshots the metadata names are installed" screenshots_present "$root/share"
check "desktop entry, metadata and file type name $id" names_agree "$root/share"
check "MIME type parses and compiles" mime_compiles "$root/share/mime/packages/$id.xml"
check "scalable icon installed" xmllint --noout "$root/share/icons/hicolor/scalable/apps/$id.svg"
for size in 16 22 24 32 48 64 128 256; do
  png=$root/share/icons/hicolor/${size}x${size}/apps/$id.png
  check "icon ${size}x${size}" prints_exactly "${size}x${size}" png_size "$png"
done
check "manual page zindle-cli(1)" man_page_clean "$root/share/man/man1/zindle-cli.1.gz" "zindle-cli templates DESIGN"
check "manual page zindle(1)" man_page_clean "$root/share/man/man1/zindle.1.gz" "help-folder"
check "installed zindle-cli --version" prints_exactly "zindle-cli $version" headless "$root/bin/zindle-cli" --version
check "installed zindle --version without a display" prints_exactly "zindle $version" headless "$root/bin/zindle" --version
check "installed zindle finds its help pages" help_found_at "$root/bin/zindle" "$root/share/zindle/help"
# Moved elsewhere whole, the program still finds the pages beside it.
mv "$stage/opt/zindle-check" "$stage/moved"
check "moved install finds its help pages" help_found_at "$stage/moved/bin/zindle" "$stage/moved/share/zindle/help"

status=0
summary check-install || status=1
# The package as a distribution builds it, from the same sources.
"$here/check-package.sh" "$build" || status=1
exit $status
