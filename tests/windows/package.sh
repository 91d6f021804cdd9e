#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Checks the Windows download: diruvari.exe is one file under 1 MB that
# imports only system DLLs and carries its icon group and version; the zip
# unpacks to the program, both licences and the README, and nothing else.
#   package.sh <build-dir> <version>
set -euo pipefail
build=$1
exe=$build/diruvari.exe
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

size=$(stat -c %s "$exe")
[ "$size" -lt 1048576 ] || fail "diruvari.exe is $size bytes"
system='^(KERNEL32|USER32|GDI32|COMCTL32|OLEACC|OLE32|OLEAUT32|msvcrt)\.dll$'
x86_64-w64-mingw32-objdump -p "$exe" | sed -n 's/^\tDLL Name: //p' >"$work/imports"
if grep -Eiv "$system" "$work/imports"; then fail "imports beyond the system's DLLs"; fi
wrestool -l "$exe" >"$work/resources"
grep -q 'type=group_icon' "$work/resources" || fail "no icon group"
grep -q -- '--type=14 --name=1 ' "$work/resources" || fail "the first icon group is not 1"
grep -q 'type=version' "$work/resources" || fail "no version resource"
wrestool -x --raw --type=version "$exe" | iconv -f UTF-16LE -t UTF-8 -c | tr -d '\0' >"$work/version"
for field in Diruvari "Copyright (c) 2026 The Diruvari developers" "$2"; do
    grep -qF "$field" "$work/version" || fail "the version resource lacks \"$field\""
done

cpack --config "$build/CPackConfig.cmake" -G ZIP -B "$work/zip" >/dev/null
(cd "$work/zip" && unzip -qq diruvari-*-win64.zip -d unpacked)
(cd "$work/zip/unpacked" && find . -type f | sort) >"$work/files"
printf '%s\n' ./LICENSE.txt ./OFL.txt ./README.txt ./diruvari.exe | diff -u - "$work/files" ||
    fail "the zip holds other files (+) than the four (-)"
echo "diruvari.exe: $size bytes, system DLLs only, icon group 1 and version; the zip holds the four files"
