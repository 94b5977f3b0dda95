#!/usr/bin/env bash
# The desktop entry passes desktop-file-validate without even a hint, and names the program,
# its icon and a Russian comment.
#   desktop_test.sh stowly.desktop
set -euo pipefail
export LC_ALL=C.UTF-8
entry=$1
report=$(desktop-file-validate "$entry" 2>&1) || { echo "FAIL: $report" >&2; exit 1; }
[ -z "$report" ] || { echo "FAIL: desktop-file-validate says: $report" >&2; exit 1; }
for line in 'Name=Укладон' 'Exec=stowly' 'Icon=stowly' 'Type=Application'; do
    grep -qxF "$line" "$entry" || { echo "FAIL: no line $line" >&2; exit 1; }
done
grep -qP '^Comment=.*\p{Cyrillic}' "$entry" || { echo "FAIL: no Russian comment" >&2; exit 1; }
grep -qE '^Categories=.+;$' "$entry" || { echo "FAIL: no categories" >&2; exit 1; }
echo "desktop entry: valid"
