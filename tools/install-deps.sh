#!/usr/bin/env bash
# Installs the Debian packages Tolvane needs to build, run and test, when they
# are missing. Safe to run again.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools libgl-dev
  libarchive-dev unzip
  libgtest-dev googletest
  fonts-liberation2
  xvfb xauth openbox xdotool x11-utils
  dbus-daemon dbus-bin at-spi2-core
  python3 desktop-file-utils appstream lintian
  locales
  cups printer-driver-cups-pdf poppler-utils
  clang libclang-rt-14-dev
)

# The tests run under these locales (decimal comma, year-first dates); a test
# that needs one must find it installed.
test_locales=(en_US.UTF-8 de_DE.UTF-8 fr_FR.UTF-8 ja_JP.UTF-8 sv_SE.UTF-8)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

as_root=()
[ "$(id -u)" -eq 0 ] || as_root=(sudo)
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  "${as_root[@]}" apt-get update
  DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
fi

# "locale -a" spells them de_DE.utf8.
have_locale() { locale -a 2>/dev/null | grep -qix "${1/.UTF-8/.utf8}"; }
absent=()
for l in "${test_locales[@]}"; do
  have_locale "$l" || absent+=("$l")
done
if [ ${#absent[@]} -gt 0 ]; then
  echo "Generating locales: ${absent[*]}"
  for l in "${absent[@]}"; do
    "${as_root[@]}" sed -i "s/^# *\($l UTF-8\)/\1/" /etc/locale.gen
  done
  "${as_root[@]}" locale-gen
fi
