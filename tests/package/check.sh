#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the Debian package from a build tree and checks it: lintian finds
# no error and no warning beyond its overrides, it recommends Qt's Wayland
# platform, and the package holds
# exactly the files that the install table of docs/packaging.md names, the program
# with mode 0755 and everything else 0644.
#   check.sh <build-dir> <docs/packaging.md>
set -euo pipefail
build=$1
table=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

cpack --config "$build/CPackConfig.cmake" -G DEB -B "$work" >/dev/null
deb=$(ls "$work"/*.deb)

lintian --fail-on error,warning "$deb" 2>/dev/null >"$work/lintian.txt" ||
    fail "lintian: $(cat "$work/lintian.txt")"
if grep -E '^[EW]: ' "$work/lintian.txt"; then fail "lintian reports the above"; fi

recommends=$(dpkg-deb -f "$deb" Recommends)
[[ ",$recommends," =~ ,\ ?qt6-wayland(\ \(|,) ]] || fail "Recommends is '$recommends', without qt6-wayland"

# "| what | `path` |" rows of the table under "## Install", paths below /usr.
awk '/^## Install/ { on = 1; next } /^## / { on = 0 } on' "$table" |
    grep -o '^| [^|]* | `[^`]*` |' | sed 's/.*`\(.*\)`.*/\/usr\/\1/' | sort >"$work/named"
[ -s "$work/named" ] || fail "no install table in $table"
dpkg-deb -c "$deb" | awk '$1 !~ /^d/ { sub(/^\./, "", $6); print $1, $6 }' | sort -k2 >"$work/held"
cut -d' ' -f2 "$work/held" | diff -u "$work/named" - ||
    fail "the package's files (+) differ from the install table (-)"
while read -r mode path; do
    want=-rw-r--r--
    [ "$path" = /usr/games/diruvari ] && want=-rwxr-xr-x
    [ "$mode" = "$want" ] || fail "$path has mode $mode, expected $want"
done <"$work/held"
echo "$(wc -l <"$work/held") files, as the install table names them; Recommends: $recommends; lintian: nothing but its overrides"
