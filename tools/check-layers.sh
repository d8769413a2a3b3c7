#!/usr/bin/env bash
# Fails when a folder of src/core or src/gui includes a header of a folder on
# its own level or above it. The order is the README's line
#   "Folders of src/core, lowest first: storage < printing < ... < app"
# where "<" steps up a level and "=" joins folders on one level.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
order_line="$(grep -m1 '^Folders of src/core, lowest first:' "$root/README.md" || true)"
if [[ -z "$order_line" ]]; then
  echo "check-layers: README.md has no line \"Folders of src/core, lowest first: ...\"" >&2
  exit 2
fi

declare -A level=()
n=0
IFS='<' read -ra steps <<<"${order_line#*:}"
for step in "${steps[@]}"; do
  IFS='=' read -ra names <<<"$step"
  for name in "${names[@]}"; do
    name="$(echo "$name" | tr -d '[:space:]')"
    [[ -n "$name" ]] && level[$name]=$n
  done
  n=$((n + 1))
done

bad=0
for tree in src/core src/gui; do
  for dir in "$root/$tree"/*/; do
    folder="$(basename "$dir")"
    if [[ -z "${level[$folder]+x}" ]]; then
      echo "$tree/$folder: not in the README's order of folders" >&2
      bad=1
      continue
    fi
    while IFS=: read -r file line text; do
      target="$(sed -E 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"([^/"]+)\/.*/\1/' <<<"$text")"
      [[ "$target" == "$folder" ]] && continue
      if [[ -z "${level[$target]+x}" ]]; then
        echo "${file#"$root"/}:$line: includes \"$target/...\", a folder not in the order" >&2
        bad=1
      elif ((level[$target] >= level[$folder])); then
        echo "${file#"$root"/}:$line: $folder includes $target, which is not below it" >&2
        bad=1
      fi
    done < <(grep -rnE '^[[:space:]]*#[[:space:]]*include[[:space:]]*"[^/"]+/' "$dir" --include='*.h' --include='*.cpp' || true)
  done
done
if ((bad)); then
  echo "check-layers: includes run sideways or upward (order: ${order_line#*: })" >&2
  exit 1
fi
echo "check-layers: every include of src/core and src/gui runs downward"
