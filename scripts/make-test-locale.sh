#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Makes the comma-decimal locale the tests run under a second time: de_DE.UTF-8, compiled into
# the folder given, since build machines often carry only the C locales. A machine where
# localedef cannot run is not a failure here: the tests that need the locale say they skipped.
set -u
folder=${1:?usage: make-test-locale.sh FOLDER}
name=de_DE.UTF-8
mkdir -p "$folder"
if [ -f "$folder/$name/LC_NUMERIC" ]; then
  exit 0
fi
if ! command -v localedef >/dev/null; then
  echo "localedef is not installed: the comma-decimal locale tests will be skipped"
  exit 0
fi
# localedef warns about the sources' own character classes; only the outcome matters.
if ! localedef -i de_DE -f UTF-8 "$folder/$name" >"$folder/localedef.log" 2>&1 && [ ! -f "$folder/$name/LC_NUMERIC" ]; then
  echo "localedef could not make $name (the Debian package 'locales' brings its sources):"
  cat "$folder/localedef.log"
  echo "the comma-decimal locale tests will be skipped"
fi
exit 0
