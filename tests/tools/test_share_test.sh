#!/usr/bin/env bash
# The test-share count on a small repository of its own: lines added since the
# base in commits, in edits not yet committed and in new files are counted;
# removed lines, other folders, binary and ignored files are not, nor what
# BASE did after the change left it; a file moved into the code counts whole.
set -euo pipefail
script="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)/tools/test-share.sh"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
cd "$work"
git init -q -b main . && git config user.email t@t && git config user.name t
mkdir -p src/core tests tools docs
printf 'a\nb\nc\n' > src/core/old.cpp && printf 'p\nq\nr\n' > docs/moved.md
git add . && git commit -qm base
git checkout -qb change
printf 'a\nc\nd\ne\n' > src/core/old.cpp                     # 2 added, 1 removed
printf '1\n2\n3\n4\n5\n6\n' > tools/new.sh && printf 'x\n' > docs/a.md
git mv docs/moved.md tools/moved.md                            # 3 added
git add . && git commit -qm committed
git checkout -q main && printf 'a\nb\n' > src/core/old.cpp   # main drops c: not the change's
git commit -qam "main moves on"
git checkout -q change
printf '*.log\n' > .gitignore && printf 'l\n' > tools/run.log     # ignored
printf 't\nu\n' > tests/a_test.cpp                             # new, not yet added
printf 'f\n' >> src/core/old.cpp                               # edited, not committed
printf '\0\1\2\n' > tests/blob.bin
# Under a decimal comma the share keeps its point.
out="$(LANG=de_DE.UTF-8 LC_ALL=de_DE.UTF-8 "$script" main)"
expected="code lines added: 12 (src/, fuzz/, bench/, tools/)
test lines added: 2 (tests/)
tests per code line: 0.17 (keep within about 0.33)"
if [[ "$out" != "$expected" ]]; then
  printf 'expected:\n%s\ngot:\n%s\n' "$expected" "$out"
  exit 1
fi
echo "test-share: as expected"
