#!/usr/bin/env bash
# The layer check on small trees of its own: it passes a tree whose includes
# run downward and fails one that includes upward, sideways within a level, or
# from a folder missing from the README's order.
set -euo pipefail
script="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)/tools/check-layers.sh"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

# A tree with the README line, the script, and `folder/name.h` files with the given includes.
tree() {
  rm -rf "$work/t"; mkdir -p "$work/t/tools" "$work/t/src/core" "$work/t/src/gui"
  cp "$script" "$work/t/tools/"
  echo "Folders of src/core, lowest first: storage < shell < food < recipes = weight < app" > "$work/t/README.md"
  while (($#)); do
    mkdir -p "$work/t/src/$(dirname "$1")"
    printf '%b' "$2" > "$work/t/src/$1"
    shift 2
  done
}
expect() {  # expect STATUS TEXT: the check ends with STATUS and prints TEXT
  local status=0 out
  out="$(bash "$work/t/tools/check-layers.sh" 2>&1)" || status=$?
  if [[ $status -ne $1 || "$out" != *"$2"* ]]; then
    echo "expected status $1 and \"$2\", got $status:"; echo "$out"; exit 1
  fi
}

tree core/storage/real.h '#pragma once\n' core/food/item.h '#include "storage/real.h"\n' \
     core/recipes/r.cpp '#include "food/item.h"\n#include "recipes/r.h"\n' gui/app/w.cpp '#include "recipes/r.h"\n'
expect 0 "runs downward"

tree core/storage/real.h '#include "food/item.h"\n' core/food/item.h ''
expect 1 "src/core/storage/real.h:1: storage includes food, which is not below it"

tree core/recipes/r.cpp '#include <QString>\n  #  include "weight/log.h"\n' core/weight/log.h ''
expect 1 "src/core/recipes/r.cpp:2: recipes includes weight, which is not below it"

tree gui/food/list.cpp '#include "app/app.h"\n' core/app/app.h ''
expect 1 "src/gui/food/list.cpp:1: food includes app, which is not below it"

tree core/extra/x.h '' core/storage/real.h '#include "extra/x.h"\n'
expect 1 "src/core/extra: not in the README's order of folders"

echo "check-layers: every case as expected"
