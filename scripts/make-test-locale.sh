#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Makes the comma-decimal locales the tests run under: de_DE.UTF-8 (every test program runs a
# second time in it), es_ES.UTF-8 and fr_FR.UTF-8 (the window in each of its languages), compiled
# into the folder given, since build machines often carry only the C locales. A machine where
# localedef cannot run is not a failure here: the tests that need a locale say they skipped.
set -u
folder=${1:?usage: make-test-locale.sh FOLDER}
mkdir -p "$folder"
if ! command -v localedef >/dev/null; then
  echo "localedef is not installed: the comma-decimal locale tests will be skipped"
  exit 0
fi
for language in de_DE es_ES fr_FR; do
  name=$language.UTF-8
  [ -f "$folder/$name/LC_NUMERIC" ] && continue
  # localedef warns about the sources' own character classes; only the outcome matters.
  if ! localedef -i "$language" -f UTF-8 "$folder/$name" >"$folder/localedef.log" 2>&1 && [ ! -f "$folder/$name/LC_NUMERIC" ]; then
    echo "localedef could not make $name (the Debian package 'locales' brings its sources):"
    cat "$folder/localedef.log"
    echo "the tests under $name will be skipped"
  fi
done
exit 0
