#!/usr/bin/env bash
# talpora-cli.exe under Wine against the Linux program:
# - "tree" of every catalogue entry and sample file gives, byte for byte, the
#   output recorded from the Linux build (tree-digests.tsv);
# - files named in Chinese, Japanese and emoji load like their ASCII-named copy;
# - "lookup" and "check" give the Linux build's output and exit status, when a
#   Linux build is given, also for a package and a UTF-16 file read through
#   "-" from standard input.
# Usage: CheckCliUnderWine.sh <RunUnderWine.sh> <Wine prefix> <talpora-cli.exe>
#                             <test data folder> <work folder> [<Linux talpora-cli>]
set -euo pipefail
runner=(bash "$1" "$2")
cli_exe=$3 data=$4 work=$5 linux_cli=${6:-}
fail() {
    echo "FAIL: $*" >&2
    exit 1
}
rm -rf "$work"
mkdir -p "$work"
failures=0

# The Windows program's stdout and exit status; stderr goes to $work/err.
run_windows() {
    local status=0
    "${runner[@]}" "$cli_exe" "$@" 2>"$work/err" || status=$?
    echo "$status" >"$work/status"
}

cd "$data/equivalence"
rows=0
while IFS=$'\t' read -r source digest; do
    run_windows tree "$source" >"$work/tree.out"
    actual=$(sha256sum "$work/tree.out" | cut -d' ' -f1)
    if [ "$(cat "$work/status")" != 0 ] || [ "$actual" != "$digest" ]; then
        echo "tree $source: status $(cat "$work/status"), digest $actual, expected $digest: $(cat "$work/err")" >&2
        failures=$((failures + 1))
    fi
    rows=$((rows + 1))
done <tree-digests.tsv
[ "$rows" -eq 61 ] || fail "tree-digests.tsv has $rows rows, expected 61"
echo "tree: $rows sources compared with the Linux digests"

# The same bytes under names in other scripts, read by the loader ("tree") and
# by libzip ("check" of a package).
mkdir -p "$work/名前"
python3 -c 'import sys, zipfile; zipfile.ZipFile(sys.argv[1], "w").writestr("customUI/customUI14.xml", open(sys.argv[2], "rb").read())' \
    "$work/package.docx" customui-namespaces-references.xml
run_windows tree bom-cdata-pi.xml >"$work/ascii-tree.out"
# What "check" says of a package, with the package's name taken out.
check_package() {
    run_windows check "$1" >"$work/check.out"
    cat "$work/status" "$work/check.out" "$work/err" | sed "s#[^ ]*$(basename "$1")##g"
}
check_package "$work/package.docx" >"$work/ascii-check.out"
for name in 中文文件 日本語のファイル "emoji 😀"; do
    cp bom-cdata-pi.xml "$work/名前/$name.xml"
    cp "$work/package.docx" "$work/名前/$name.docx"
    run_windows tree "$work/名前/$name.xml" >"$work/named.out"
    if [ "$(cat "$work/status")" != 0 ] || ! cmp -s "$work/ascii-tree.out" "$work/named.out"; then
        echo "tree of \"$name.xml\" differs from that of bom-cdata-pi.xml: $(cat "$work/err")" >&2
        failures=$((failures + 1))
    fi
    if ! diff "$work/ascii-check.out" <(check_package "$work/名前/$name.docx") >&2; then
        echo "check of \"$name.docx\" differs from that of package.docx: $(cat "$work/err")" >&2
        failures=$((failures + 1))
    fi
done
echo "tree and check: files named in Chinese, Japanese and emoji load"

if [ -z "$linux_cli" ] || [ ! -x "$linux_cli" ]; then
    echo "lookup and check not compared: no Linux build of talpora-cli (build the default preset)"
else
    # Standard input must reach the program as bytes: a package holds 0x1A
    # (end of text in text mode) and CR LF pairs, and UTF-16 "：" (U+FF1A)
    # has 0x1A for its low byte.
    python3 -c 'import sys; open(sys.argv[1], "wb").write("<r a=\"：\r\n：\"><b>\u5b57</b></r>\n".encode("utf-16"))' \
        "$work/utf16.xml"
    python3 - "$work/stored.docm" customui-namespaces-references.xml <<'PACKAGE'
import sys, zipfile
with zipfile.ZipFile(sys.argv[1], "w", zipfile.ZIP_STORED) as package:
    package.writestr("_rels/.rels",
        '<Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships">'
        '<Relationship Id="r1" Type="http://schemas.microsoft.com/office/2007/relationships/ui/extensibility" '
        'Target="customUI/customUI14.xml"/></Relationships>')
    package.writestr("docProps/raw.bin", b"\x1a\r\n" * 64)
    package.writestr("customUI/customUI14.xml", open(sys.argv[2], "rb").read())
PACKAGE
    # One call per line; the same arguments for both programs, and what
    # follows "<" as standard input.
    while IFS= read -r line; do
        input=/dev/null
        if [[ "$line" == *" < "* ]]; then
            input=${line#* < }
            line=${line%% < *}
        fi
        read -r -a arguments <<<"$line"
        linux_status=0
        "$linux_cli" "${arguments[@]}" <"$input" >"$work/linux.out" 2>"$work/linux.err" ||
            linux_status=$?
        run_windows "${arguments[@]}" <"$input" >"$work/windows.out"
        if [ "$(cat "$work/status")" != "$linux_status" ] || ! cmp -s "$work/linux.out" "$work/windows.out" ||
            ! cmp -s "$work/linux.err" "$work/err"; then
            echo "talpora-cli $line: Windows (status $(cat "$work/status")) differs from Linux (status $linux_status):" >&2
            diff "$work/linux.out" "$work/windows.out" >&2 || true
            diff "$work/linux.err" "$work/err" >&2 || true
            failures=$((failures + 1))
        fi
    done <<CALLS
lookup FileSave
lookup filesave --app Excel
lookup TabHome --app Word --version 2010
lookup NoSuchControlAnywhere
lookup FileSav
check customui-namespaces-references.xml
check customui-namespaces-references.xml --app Excel
check bom-cdata-pi.xml
check missing.xml
lookup
check - < $work/package.docx
check - < $work/stored.docm
tree - < $work/utf16.xml
check - < $work/utf16.xml
CALLS
    echo "lookup and check: output and exit status as on Linux"
fi
[ "$failures" -eq 0 ] || fail "$failures checks failed"
