#!/usr/bin/env bash
# --help, --version and a bad option in a terminal without a display: each is
# answered before any window system is needed, --help with the man page's
# option texts, and none of them touches a data folder.
#   command_line_test.sh path/to/tolvane path/to/tolvane.1
set -euo pipefail
program="$(readlink -f "$1")"
manpage="$2"
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
run() {
  status=0
  env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM -u XDG_DATA_HOME -u XDG_CONFIG_HOME HOME="$scratch" \
    "$program" "$@" >"$scratch/out" 2>"$scratch/err" || status=$?
}
flat() { tr '\n' ' ' | tr -s ' '; }
# The text of one option of the man page, roff marks taken out.
manText() {
  awk -v opt="$1" '/^\.TP/{getline; on = index($0, opt) > 0; next} /^\.(TP|PP|SH)/{on=0} on' "$manpage" |
    sed -e 's/\\f[BIR]//g' -e 's/\\-/-/g' | flat
}

run --help
[ "$status" -eq 0 ] || fail "--help exits $status: $(cat "$scratch/err")"
help="$(flat <"$scratch/out" | sed -e "s|$scratch|~|g" -e 's/<folder>/folder/g')"
for option in 'user\-data' 'data\-dir'; do
  text="$(manText "$option")"
  [ -n "$text" ] || fail "no text for $option in the man page"
  case "$help" in *"${text% }"*) ;; *) fail "--help lacks the man page's text: $text";; esac
done

run --version
[ "$status" -eq 0 ] || fail "--version exits $status"
[ "$(cat "$scratch/out")" = "Tolvane 5.04" ] || fail "--version prints: $(cat "$scratch/out")"
grep -q '"Tolvane 5.04"' "$manpage" || fail "the man page names another version"

# Qt's own single-dash options are taken, not read as letters.
run -platform offscreen -style fusion --version
[ "$status" -eq 0 ] && [ "$(cat "$scratch/out")" = "Tolvane 5.04" ] || fail "Qt's options: $(cat "$scratch/err")"

run --no-such-option
[ "$status" -ne 0 ] || fail "a bad option exits 0"
[ "$(cat "$scratch/err")" = "Tolvane: Unknown option 'no-such-option'." ] || fail "a bad option says: $(cat "$scratch/err")"

[ ! -e "$scratch/.local/share/Tolvane" ] || fail "a data folder was made"
echo "command line without a display: ok"
