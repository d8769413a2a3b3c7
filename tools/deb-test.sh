#!/usr/bin/env bash
# Builds the Debian package (cpack -G DEB) from a release build, checks it with
# lintian when Debian's lintian is installed (errors fail), installs it with
# apt-get, starts the installed program offscreen (--version, then a first
# start in a scratch home that must create the user's data folder), removes
# it and checks that none of its files stays.
# Usage: tools/deb-test.sh [build dir]   (needs root or sudo for apt-get)
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="$(readlink -f "${1:-$here/build-test}")"
as_root=()
[ "$(id -u)" -eq 0 ] || as_root=(sudo)

cmake --build "$build" --target tolvane tolvane_icons tolvane_changelog
rm -f "$build"/tolvane_*.deb
(cd "$build" && cpack -G DEB >/dev/null)
deb=$(ls "$build"/tolvane_*.deb)
echo "== $(basename "$deb")"
dpkg-deb --field "$deb" Package Version Depends

if command -v lintian >/dev/null; then
  echo "== lintian"
  # Errors fail; warnings are shown.
  lintian --tag-display-limit 0 "$deb" | tee "$build/lintian.log" || true
  if grep -q '^E:' "$build/lintian.log"; then
    echo "lintian reports errors" >&2
    exit 1
  fi
fi

scratch=$(mktemp -d)
pid=
cleanup() {
  [ -n "$pid" ] && kill "$pid" 2>/dev/null
  rm -rf "$scratch"
  if dpkg-query -W tolvane >/dev/null 2>&1; then
    DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get remove -y --purge tolvane >/dev/null || true
  fi
}
trap cleanup EXIT

if dpkg-query -W tolvane >/dev/null 2>&1; then
  echo "tolvane is installed already; remove it first" >&2
  exit 1
fi
echo "== install"
DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y "$deb" >/dev/null
mapfile -t files < <(dpkg -L tolvane | while read -r f; do [ -f "$f" ] && echo "$f"; done)
for wanted in /usr/bin/tolvane /usr/share/applications/org.tolvane.Tolvane.desktop \
              /usr/share/metainfo/org.tolvane.Tolvane.metainfo.xml \
              /usr/share/icons/hicolor/scalable/apps/tolvane.svg \
              /usr/share/icons/hicolor/48x48/apps/tolvane.png \
              /usr/share/tolvane/starter_foods.csv /usr/share/tolvane/usda_reference.tsv \
              /usr/share/doc/tolvane/copyright; do
  [ -f "$wanted" ] || { echo "missing after install: $wanted" >&2; exit 1; }
done
echo "${#files[@]} files installed"

version=$(HOME="$scratch" QT_QPA_PLATFORM=offscreen /usr/bin/tolvane --version)
echo "--version: $version"
[ "$version" = "Tolvane 5.04" ] || { echo "unexpected --version" >&2; exit 1; }

echo "== first start in a scratch home"
mkdir -p "$scratch/home"
HOME="$scratch/home" XDG_CONFIG_HOME="$scratch/home/.config" XDG_DATA_HOME="$scratch/home/.local/share" \
  QT_QPA_PLATFORM=offscreen /usr/bin/tolvane --user-data >"$scratch/out.log" 2>&1 &
pid=$!
data="$scratch/home/.local/share/Tolvane"
for _ in $(seq 1 100); do
  [ -f "$data/fooditem.dbt" ] && [ -f "$data/activity.db" ] && [ -f "$data/currmenu.db" ] && break
  sleep 0.2
done
sleep 1
kill -0 "$pid" 2>/dev/null || { echo "the program ended at its first start:" >&2; cat "$scratch/out.log" >&2; exit 1; }
kill "$pid"; wait "$pid" 2>/dev/null || true
pid=
for f in fooditem.dbt activity.db currmenu.db; do
  [ -s "$data/$f" ] || { echo "the first start did not create $f" >&2; exit 1; }
done
echo "data folder created: $(ls "$data" | tr '\n' ' ')"

echo "== remove"
DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get remove -y --purge tolvane >/dev/null
left=()
for f in "${files[@]}"; do
  [ -e "$f" ] && left+=("$f")
done
if dpkg-query -W -f='${Status}' tolvane 2>/dev/null | grep -q installed || [ ${#left[@]} -gt 0 ]; then
  echo "left after removal: ${left[*]}" >&2
  exit 1
fi
[ -d /usr/share/tolvane ] && { echo "left after removal: /usr/share/tolvane" >&2; exit 1; }
echo "removed: none of its ${#files[@]} files stays"
