# SPDX-License-Identifier: GPL-3.0-or-later
# What the install and package checks share: a temporary folder, the counted check, and the
# checks of a program that both an installed tree and an unpacked package run. Sourced, not run.
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
passed=0
failed=0
skipped=0

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

# skip WHAT WHY: a check this machine cannot make, said so rather than passed.
skip() {
  skipped=$((skipped + 1))
  echo "skip  $1: $2"
}

# The closing line, and the exit status: 1 when any check failed.
summary() {
  echo "$1: $passed passed, $failed failed, $skipped skipped"
  [[ $failed -eq 0 ]]
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

has_file() {
  [[ -s $1 ]] || { echo "missing or empty: $1"; return 1; }
}

# PNG width and height from the header, "WxH".
png_size() {
  od -An -tu1 -j16 -N8 "$1" | awk '{ printf "%dx%d", $1*16777216+$2*65536+$3*256+$4, $5*16777216+$6*65536+$7*256+$8 }'
}

# The folder the help pages are opened from, as the installed program finds it.
help_found_at() {
  local program=$1 expected
  expected=$(realpath -m "$2")
  prints_exactly "$expected" headless "$program" --help-folder && has_file "$expected/index.html"
}

# Both validators of the AppStream metadata, neither going to the network, say nothing at all.
metadata_clean() {
  local report
  report=$(appstreamcli validate --pedantic --no-net "$1" 2>&1) || { echo "$report"; return 1; }
  [[ $report == *"Validation was successful." ]] || { echo "$report"; return 1; }
  appstream-util validate --nonet "$1"
}

# Every screenshot the metadata names is a picture in the tree's share/zindle/screenshots, wide
# enough for a software centre (AppStream asks for 620 pixels at least).
screenshots_present() {
  local share=$1 names name size
  names=$(grep -o '<image type="source">[^<]*</image>' "$share/metainfo/$id.metainfo.xml" |
          sed 's|.*/\([^/<]*\)</image>|\1|')
  [[ -n $names ]] || { echo "the metadata names no screenshot"; return 1; }
  for name in $names; do
    has_file "$share/zindle/screenshots/$name" || return 1
    size=$(png_size "$share/zindle/screenshots/$name")
    (( ${size%x*} >= 620 )) || { echo "$name is $size"; return 1; }
  done
}
