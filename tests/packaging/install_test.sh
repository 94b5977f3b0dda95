#!/usr/bin/env bash
# `cmake --install` into a temporary DESTDIR holds every file of the installed program, and the
# installed programs run from there.
#   install_test.sh BUILD_DIR VERSION
set -euo pipefail
build=$1 version=$2
export LC_ALL=C.UTF-8
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
root=$work/root
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

DESTDIR=$root cmake --install "$build" --prefix /usr >/dev/null

for file in usr/bin/stowly-cli usr/lib/stowly/stowly usr/lib/stowly/guide.docx \
    usr/share/man/man1/stowly.1.gz usr/share/man/man1/stowly-cli.1.gz \
    usr/share/applications/stowly.desktop usr/share/icons/hicolor/scalable/apps/stowly.svg \
    usr/share/icons/hicolor/256x256/apps/stowly.png usr/share/doc/stowly/stowly.ini.example; do
    [ -f "$root/$file" ] || fail "not installed: /$file"
done
# The window finds its guide and settings in its own directory: the command is a link there.
[ "$(readlink "$root/usr/bin/stowly")" = ../lib/stowly/stowly ] ||
    fail "/usr/bin/stowly is not a link to ../lib/stowly/stowly"
[ -x "$root/usr/bin/stowly" ] || fail "/usr/bin/stowly does not lead to a program"
# An installed program keeps no settings until someone puts a stowly.ini beside it.
[ -z "$(find "$root" -name stowly.ini)" ] || fail "a stowly.ini was installed"
# The icon is a 256 x 256 PNG and an SVG document.
png_header=$(od -An -tx1 -j12 -N12 "$root/usr/share/icons/hicolor/256x256/apps/stowly.png" |
    tr -d ' \n')
[ "$png_header" = 494844520000010000000100 ] || fail "the PNG icon is not 256 x 256"
grep -q '<svg ' "$root/usr/share/icons/hicolor/scalable/apps/stowly.svg" ||
    fail "the SVG icon is no SVG document"
desktop-file-validate "$root/usr/share/applications/stowly.desktop" ||
    fail "the installed desktop entry does not validate"

# The installed programs run.
export HOME=$work XDG_RUNTIME_DIR=$work/runtime QT_QPA_PLATFORM=offscreen
mkdir -m 700 "$XDG_RUNTIME_DIR"
[ "$("$root/usr/bin/stowly-cli" --version)" = "stowly-cli $version" ] ||
    fail "stowly-cli --version does not print $version"
[ "$("$root/usr/bin/stowly-cli" 410x300x100 --overhang 50x0 | head -1)" = \
    "Всего в укладке 126 пачек." ] || fail "the installed stowly-cli does not calculate"
[ "$("$root/usr/bin/stowly" --version)" = "stowly $version" ] ||
    fail "stowly --version does not print $version"
grep -q "^Использование: stowly" <<<"$("$root/usr/bin/stowly" --help)" || fail "stowly --help"
# The window itself starts, calculates its command-line bundle and keeps running.
status=0
timeout 3 "$root/usr/bin/stowly" 600x400x300 >/dev/null 2>&1 || status=$?
[ "$status" -eq 124 ] || fail "the installed window program ended with status $status"

[ "$failures" -eq 0 ] && echo "install: all checks passed"
exit $((failures > 0))
