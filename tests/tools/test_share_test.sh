#!/usr/bin/env bash
# The test-share count on a small repository of its own: lines added since the
# base in commits, in edits not yet committed and in new files are counted;
# removed lines, other folders and binary files are not.
set -euo pipefail
script="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)/tools/test-share.sh"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
cd "$work"
git init -q -b main . && git config user.email t@t && git config user.name t
mkdir -p src/core tests tools docs
printf 'a\nb\nc\n' > src/core/old.cpp
git add . && git commit -qm base
git checkout -qb change
printf 'a\nc\nd\ne\n' > src/core/old.cpp                     # 2 added, 1 removed
printf '1\n2\n3\n4\n5\n6\n' > tools/new.sh && printf 'x\n' > docs/a.md
git add . && git commit -qm committed
git checkout -q main && git commit -q --allow-empty -m "main moves on" && git checkout -q change
printf 't\nu\n' > tests/a_test.cpp                             # new, not yet added
printf 'f\n' >> src/core/old.cpp                               # edited, not committed
printf '\0\1\2\n' > tests/blob.bin
out="$("$script" main)"
expected="code lines added: 9 (src/, fuzz/, bench/, tools/)
test lines added: 2 (tests/)
tests per code line: 0.22 (keep within about 0.33)"
if [[ "$out" != "$expected" ]]; then
  printf 'expected:\n%s\ngot:\n%s\n' "$expected" "$out"
  exit 1
fi
echo "test-share: as expected"
