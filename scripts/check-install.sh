#!/usr/bin/env bash
# Installs a build the way a package build does (into a staging folder, under a prefix no system
# uses) and checks what a desktop needs from it; then builds the Debian package, checks its
# contents and dependencies, unpacks it into a temporary folder and runs the programs from there.
# Nothing is installed on this machine. Exit status 1 when any check fails.
# Usage: scripts/check-install.sh [build folder]
set -euo pipefail
build=$(cd "${1:-build}" && pwd)
id=org.zindle.Zindle
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

passed=0
failed=0
# check WHAT COMMAND...: runs the command, its output kept for the report when it fails.
check() {
  local what=$1
  shift
  if "$@" > "$work/output" 2>&1; then
    passed=$((passed + 1))
    echo "ok    $what"
  else
    failed=$((failed + 1))
    echo "FAIL  $what"
    sed 's/^/      /' "$work/output"
  fi
}

# Runs a program with no display of any kind: the options checked here must not need one.
headless() {
  env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$@"
}

# prints_exactly EXPECTED COMMAND...: the command succeeds and prints EXPECTED and nothing else.
prints_exactly() {
  local expected=$1 actual
  shift
  actual=$("$@") || return 1
  [[ $actual == "$expected" ]] || { echo "printed '$actual', expected '$expected'"; return 1; }
}

# PNG width and height from the header, "WxH".
png_size() {
  od -An -tu1 -j16 -N8 "$1" | awk '{ printf "%dx%d", $1*16777216+$2*65536+$3*256+$4, $5*16777216+$6*65536+$7*256+$8 }'
}

has_file() {
  [[ -s $1 ]] || { echo "missing or empty: $1"; return 1; }
}

# The manual page formats without a warning.
man_page_clean() {
  local warnings
  warnings=$(zcat "$1" | groff -man -Tutf8 -ww -z 2>&1) || return 1
  [[ -z $warnings ]] || { echo "$warnings"; return 1; }
  zcat "$1" | groff -man -Tutf8 -P-cbou 2>/dev/null | grep -qF -- "$2"
}

# The folder the help pages are opened from, as the installed program finds it.
help_found_at() {
  local program=$1 expected
  expected=$(realpath -m "$2")
  prints_exactly "$expected" headless "$program" --help-folder && has_file "$expected/index.html"
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
  od -An -c "$mime/magic" | tr -s ' ' | grep -q '034 \\0 \\0 \\0 : : : : :' || { echo "magic bytes wrong"; return 1; }
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
  grep -qx "Exec=zindle %f" "$share/applications/$id.desktop" || { echo "desktop entry: Exec takes no file"; return 1; }
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
check "AppStream metadata validates" appstreamcli validate --no-net "$root/share/metainfo/$id.metainfo.xml"
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

echo "== Debian package"
cpack --config "$build/CPackConfig.cmake" -G DEB -B "$work/package" > "$work/cpack.log" 2>&1 || {
  cat "$work/cpack.log"
  exit 1
}
deb=$(ls "$work"/package/zindle_*.deb)
dpkg-deb -I "$deb" > "$work/info"
dpkg-deb -c "$deb" | awk '{ print $6 }' > "$work/contents"

field() { sed -n "s/^ $1: //p" "$work/info"; }
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

check "package name and version" prints_exactly "zindle $version" echo "$(field Package) $(field Version)"
check "package declares its libraries" depends_on libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 libqt6printsupport6
check "package holds every installed file" contains_all bin/zindle bin/zindle-cli share/zindle/help/index.html \
  "share/applications/$id.desktop" "share/metainfo/$id.metainfo.xml" "share/mime/packages/$id.xml" \
  "share/icons/hicolor/scalable/apps/$id.svg" "share/icons/hicolor/256x256/apps/$id.png" \
  "share/icons/hicolor/16x16/apps/$id.png" share/man/man1/zindle-cli.1.gz share/man/man1/zindle.1.gz
check "package installs nothing outside /usr" only_below_usr
# The system's package tool resolves the dependencies; a simulation changes nothing.
check "package installable (apt-get --simulate)" apt-get install --simulate -o Debug::NoLocking=1 "$deb"

unpacked=$work/unpacked
dpkg-deb -x "$deb" "$unpacked"
check "packaged zindle-cli --version" prints_exactly "zindle-cli $version" headless "$unpacked/usr/bin/zindle-cli" --version
check "packaged zindle --version" prints_exactly "zindle $version" headless "$unpacked/usr/bin/zindle" --version
check "packaged zindle finds its help pages" help_found_at "$unpacked/usr/bin/zindle" "$unpacked/usr/share/zindle/help"
check "packaged zindle-cli computes" headless "$unpacked/usr/bin/zindle-cli" analyze "Racer"
check "packaged zindle-cli prints a report" headless "$unpacked/usr/bin/zindle-cli" report "Racer" "$work/racer.pdf"

echo "check-install: $passed passed, $failed failed"
[[ $failed -eq 0 ]]
