#!/usr/bin/env bash
# The user guide and the manual pages as a reader gets them.
#   docs_test.sh GUIDE.md GUIDE.docx MAN_DIR STOWLY-CLI
set -euo pipefail
guide_md=$1 guide_docx=$2 man_dir=$3 cli=$4
export LC_ALL=C.UTF-8
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

# The docx is a whole Office package that a word processor opens.
# (Listings are held in variables and given to grep whole: grep -q stopping early would fail
# a pipe into it under pipefail.)
unzip -tq "$guide_docx" >/dev/null || fail "guide.docx is not a valid zip package"
parts=$(unzip -Z1 "$guide_docx")
for part in '[Content_Types].xml' word/document.xml word/styles.xml; do
    grep -qxF "$part" <<<"$parts" || fail "guide.docx has no $part"
done

# Every heading of the Markdown stands as a line of the document's text. Headings are the
# lines starting with # outside fenced code.
plain=$(pandoc --wrap=none -t plain "$guide_docx")
headings=$(awk '/^```/ { code = !code; next } !code && /^#+ / { sub(/^#+ +/, ""); print }' \
    "$guide_md")
[ "$(printf '%s\n' "$headings" | wc -l)" -ge 10 ] || fail "too few headings read from $guide_md"
while IFS= read -r heading; do
    grep -qxF -- "$heading" <<<"$plain" || fail "guide.docx lacks the heading: $heading"
done <<<"$headings"

# Every picture the guide shows is inside the document, and every quoted sample was filled in.
pictures=$(grep -o '(images/[a-z-]*\.png)' "$guide_md" | sort -u | wc -l)
media=$(grep -c '^word/media/' <<<"$parts" || true)
[ "$media" -ge "$pictures" ] || fail "guide.docx holds $media pictures, the guide shows $pictures"
grep -qF 'Всего в укладке 126 пачек.' <<<"$plain" ||
    fail "guide.docx lacks the sample output of stowly-cli"

# The manual pages render without a complaint from groff, options with two hyphens (never an
# en dash).
for page in stowly stowly-cli; do
    errors=$(MANWIDTH=80 man --warnings -l "$man_dir/$page.1" 2>&1 >/dev/null) ||
        fail "man -l $page.1 failed"
    [ -z "$errors" ] || fail "man -l $page.1 warns: $errors"
    text=$(MANWIDTH=80 man -l "$man_dir/$page.1" 2>/dev/null)
    for section in ИМЯ СИНТАКСИС ОПИСАНИЕ; do
        grep -q "^$section" <<<"$text" || fail "$page(1) has no section $section"
    done
    [ "$(gzip -dc "$man_dir/$page.1.gz")" = "$(cat "$man_dir/$page.1")" ] ||
        fail "$page.1.gz is not $page.1"
done

# Every option stowly-cli offers is documented in its manual page and in the guide.
man_text=$(MANWIDTH=200 man -l "$man_dir/stowly-cli.1" 2>/dev/null)
usage=$("$cli" --help)
for option in $(printf '%s\n' "$usage" | grep -oE '^ +--[a-z-]+' | tr -d ' '); do
    grep -qF -- "$option" <<<"$man_text" || fail "stowly-cli(1) does not document $option"
    grep -qF -- "\`$option" "$guide_md" || fail "the guide does not document $option"
done

[ "$failures" -eq 0 ] && echo "docs: all checks passed"
exit $((failures > 0))
