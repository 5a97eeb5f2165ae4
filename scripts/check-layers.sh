#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Keeps the house one-way: each folder of src/ includes only the folders below it, and no two
# files include each other in a loop. Prints every offending include and exits 1.
# Usage: scripts/check-layers.sh [src folder]
set -euo pipefail
src=${1:-"$(dirname "$0")/../src"}
cd "$src"

# What each folder may include besides itself (see docs/architecture.md).
declare -A allowed=(
  [model]=""
  [files]="model"
  [geometry]="model files"
  [physics]="model files geometry"
  [sheet]="model files geometry physics"
  [charts]="model files geometry physics sheet"
  [output]="model files geometry physics sheet charts"
  [app]="model files geometry physics sheet charts output"
  [dialogs]="model files geometry physics sheet charts output app"
  [shell]="model files geometry physics sheet charts output app dialogs"
  [cli]="model files geometry physics sheet charts output app"
)

status=0
edges=$(mktemp)
loops=$(mktemp)
trap 'rm -f "$edges" "$loops"' EXIT
for dir in */; do
  folder=${dir%/}
  if [[ ! -v allowed[$folder] ]]; then
    echo "src/$folder: a folder the layer map does not know; add it to docs/architecture.md and here"
    status=1
    continue
  fi
  for file in "$folder"/*.h "$folder"/*.cpp "$folder"/*.inc; do
    [[ -e $file ]] || continue
    while IFS= read -r target; do
      if [[ $target == */* ]]; then
        to=${target%%/*}
        resolved=$target
      else
        to=$folder
        resolved=$folder/$target
      fi
      [[ -e $resolved ]] || continue # a Qt or system header in quotes
      echo "$file $resolved" >> "$edges"
      if [[ $to != "$folder" && " ${allowed[$folder]} " != *" $to "* ]]; then
        echo "src/$file includes $target: $folder may include only: ${allowed[$folder]:-nothing}"
        status=1
      fi
    done < <(sed -n -E 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"([^"]+)".*/\1/p' "$file")
  done
done

# tsort fails on a loop and names the files in it.
if ! tsort "$edges" > /dev/null 2> "$loops"; then
  echo "include loop:"
  sed -n 's/^tsort: \([^/][^:]*\)$/  src\/\1/p' "$loops"
  status=1
fi
exit $status
