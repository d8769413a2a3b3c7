#!/usr/bin/env bash
# The program's data folder by its command line: without an option the user's
# data folder, created with the starter files; --data-dir DIR that folder;
# --data-dir . the current directory as it is. Each run is stopped after the
# start-up (the first start's tutor would wait for the user).
#   data_folder_option_test.sh path/to/tolvane
set -euo pipefail
program="$(readlink -f "$1")"
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
export QT_QPA_PLATFORM=offscreen XDG_CONFIG_HOME="$scratch/config" XDG_DATA_HOME="$scratch/data"
export XDG_RUNTIME_DIR="$scratch/run"
mkdir -m 700 "$XDG_RUNTIME_DIR" "$scratch/here" "$scratch/dot"
fail() { echo "FAIL: $*" >&2; exit 1; }
start() { (cd "$1" && shift && timeout 5 "$program" "$@" >/dev/null 2>&1) || true; }

start "$scratch/here"
for f in fooditem.dbt activity.db currmenu.db; do
  [ -s "$scratch/data/Tolvane/$f" ] || fail "no option: $f not in the user's data folder"
done
[ -z "$(ls -A "$scratch/here")" ] || fail "no option: files written in the current directory"

start "$scratch/here" --data-dir "$scratch/chosen"
[ -s "$scratch/chosen/fooditem.dbt" ] || fail "--data-dir DIR: no starter food table in DIR"

start "$scratch/dot" --data-dir .
[ ! -e "$scratch/dot/fooditem.dbt" ] || fail "--data-dir .: a starter file was put in the current directory"
echo "data folder options: ok"
