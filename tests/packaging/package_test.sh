#!/usr/bin/env bash
# The Debian package and the portable archive that scripts/package makes: what they hold, the
# dependencies dpkg-shlibdeps found, and programs that run from them.
#   package_test.sh BUILD_DIR VERSION
set -euo pipefail
build=$1 version=$2
export LC_ALL=C.UTF-8
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

cpack --config "$build/CPackConfig.cmake" -G "DEB;TGZ" -B "$work/out" >"$work/cpack.log" 2>&1 ||
    { cat "$work/cpack.log" >&2; exit 1; }

deb=$(ls "$work"/out/stowly_"$version"_*.deb)
listing=$(dpkg-deb -c "$deb" | awk '{ $1 = $2 = $3 = $4 = $5 = ""; sub(/^ +/, ""); print }')
for entry in './usr/bin/stowly -> ../lib/stowly/stowly' ./usr/bin/stowly-cli \
    ./usr/lib/stowly/stowly ./usr/lib/stowly/guide.docx ./usr/share/man/man1/stowly.1.gz \
    ./usr/share/man/man1/stowly-cli.1.gz ./usr/share/applications/stowly.desktop \
    ./usr/share/icons/hicolor/scalable/apps/stowly.svg \
    ./usr/share/icons/hicolor/256x256/apps/stowly.png \
    ./usr/share/doc/stowly/stowly.ini.example; do
    grep -qxF -- "$entry" <<<"$listing" || fail "the .deb lacks $entry"
done
! grep -q 'stowly\.ini$' <<<"$listing" || fail "the .deb holds a stowly.ini"
[ "$(dpkg-deb -f "$deb" Package)" = stowly ] || fail "package name"
[ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || fail "package version"
depends=$(dpkg-deb -f "$deb" Depends)
for library in libc6 libqt6widgets6 libqt6gui6 libqt6printsupport6; do
    [[ "$depends" == *"$library "* ]] || fail "Depends lacks $library: $depends"
done
dpkg-deb -x "$deb" "$work/deb"
[ "$("$work/deb/usr/bin/stowly-cli" --version)" = "stowly-cli $version" ] ||
    fail "stowly-cli from the .deb does not run"

# The portable archive: one folder with everything side by side, stowly.ini already there.
archive=$(ls "$work"/out/stowly-"$version"-portable-*.tar.gz)
top=$(basename "$archive" .tar.gz)
contents=$(tar -tzf "$archive")
for file in stowly stowly-cli guide.docx stowly.ini stowly.ini.example README.txt; do
    grep -qxF "$top/$file" <<<"$contents" || fail "the archive lacks $top/$file"
done
tar -xzf "$archive" -C "$work"
folder=$work/$top
cmp -s "$folder/stowly.ini" "$folder/stowly.ini.example" ||
    fail "the archive's stowly.ini is not the example"
export HOME=$work XDG_RUNTIME_DIR=$work/runtime QT_QPA_PLATFORM=offscreen
mkdir -m 700 "$XDG_RUNTIME_DIR"
[ "$("$folder/stowly" --version)" = "stowly $version" ] || fail "stowly from the archive"
[ "$("$folder/stowly-cli" --settings "$folder/stowly.ini" 410x300x100 | head -1)" = \
    "Всего в укладке 108 пачек." ] || fail "stowly-cli from the archive with its stowly.ini"

[ "$failures" -eq 0 ] && echo "packages: all checks passed"
exit $((failures > 0))
