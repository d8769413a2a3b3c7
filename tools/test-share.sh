#!/usr/bin/env bash
# Prints the lines a change adds to the code (src/, fuzz/, bench/, tools/) and
# to the tests (tests/) since BASE, and the tests' share of the code, so that
# a change's tests can be kept within about a third of its code before it is
# handed in:
#   tools/test-share.sh main
# The change is what the working tree holds beyond the point where it left
# BASE: commits, edits not yet committed and new files not yet added.
set -euo pipefail
if [[ $# -ne 1 ]]; then
  echo "usage: $0 BASE   (a branch, tag or commit the change started from)" >&2
  exit 2
fi
root="$(git rev-parse --show-toplevel)"
cd "$root"
start="$(git merge-base "$1" HEAD)"

# "added<TAB>path" for every file the change touched; binary files count nothing.
# The sums are printed in the C locale: a decimal point under every LANG.
{
  git diff --numstat --no-renames "$start" -- . | awk -F'\t' '$1 != "-" { print $1 "\t" $3 }'
  git ls-files --others --exclude-standard -z | while IFS= read -r -d '' file; do
    if grep -Iq . "$file" 2>/dev/null; then printf '%s\t%s\n' "$(wc -l <"$file")" "$file"; fi
  done
} | LC_ALL=C awk -F'\t' '
  $2 ~ /^tests\//                              { tests += $1; next }
  $2 ~ /^(src|fuzz|bench|tools)\//             { code += $1 }
  END {
    printf "code lines added: %d (src/, fuzz/, bench/, tools/)\n", code
    printf "test lines added: %d (tests/)\n", tests
    if (code > 0) printf "tests per code line: %.2f (keep within about 0.33)\n", tests / code
    else          printf "tests per code line: no code lines added\n"
  }'
