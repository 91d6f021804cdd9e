#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The installer under Wine, in a prefix of its own, as a player without
# administrator rights uses it: msiexec installs the program and a Start menu
# shortcut below the user's own folders, with an uninstall entry; the
# installed program shows its window; a newer version replaces the first;
# msiexec /x leaves nothing behind. Run it on a display (on-display.sh).
#   msi.sh <msi> <newer msi> <newer version>
set -euo pipefail
msi=$1 newer=$2 version=$3
work=$(mktemp -d)
export WINEPREFIX=$work/prefix WINEDEBUG=-all WINEDLLOVERRIDES=mscoree,mshtml=
trap 'wineserver -k 2>/dev/null || true; rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

wine wineboot -i >/dev/null 2>&1 || fail "wineboot could not make the prefix"
# The prefix's first start goes on after wineboot returns.
wineserver -w
folder() {
    local windows
    windows=$(wine cmd /c echo "%$1%" 2>/dev/null | tr -d '\r')
    [ -n "$windows" ] && [ "$windows" != "%$1%" ] || fail "the prefix has no %$1%"
    winepath -u "$windows"
}
programs=$(folder LOCALAPPDATA)/Programs/Diruvari
shortcut="$(folder APPDATA)/Microsoft/Windows/Start Menu/Programs/Diruvari.lnk"
msiexec() { wine msiexec "$1" "$(winepath -w "$2")" /qn; }
# The uninstall entries that name the game, as "name|version|publisher|comments".
entries() {
    for root in HKCU HKLM; do
        # A hive without the key has none of them.
        wine reg query "$root\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall" /s 2>/dev/null || true
    done | tr -d '\r' | awk '
        /^HKEY/ { if (name == "Diruvari") print name "|" ver "|" pub "|" com; name = ver = pub = com = "" }
        $1 == "DisplayName" { name = substr($0, index($0, $3)) }
        $1 == "DisplayVersion" { ver = $3 }
        $1 == "Publisher" { pub = substr($0, index($0, $3)) }
        $1 == "Comments" { com = substr($0, index($0, $3)) }
        END { if (name == "Diruvari") print name "|" ver "|" pub "|" com }'
}
programs_found() { find "$WINEPREFIX/drive_c" -iname diruvari.exe | wc -l; }

msiexec /i "$msi" || fail "msiexec /i failed"
[ -f "$programs/diruvari.exe" ] || fail "no diruvari.exe in $programs"
[ -f "$shortcut" ] || fail "no Start menu shortcut"
[ "$(programs_found)" -eq 1 ] || fail "diruvari.exe stands elsewhere too"
entry=$(entries)
case "$entry" in
    "Diruvari|"*"|The Diruvari developers|"*"MIT licence"*"Open Font License"*) ;;
    *) fail "uninstall entry: '$entry'" ;;
esac
find "$WINEPREFIX/drive_c" -path '*Installer*' -name diruvari.ico | grep -q . ||
    fail "the uninstall entry has no icon"

wine "$programs/diruvari.exe" >/dev/null 2>&1 &
game=$!
timeout 120 xdotool search --sync --onlyvisible --name '^Diruvari!$' >/dev/null ||
    fail "the installed program shows no window"
kill "$game" 2>/dev/null || true
wineserver -w 2>/dev/null || true

msiexec /i "$newer" || fail "msiexec /i of the newer version failed"
[ "$(programs_found)" -eq 1 ] || fail "the newer version left the older beside it"
[ "$(entries | cut -d'|' -f2)" = "$version" ] ||
    fail "uninstall entries after the upgrade: $(entries | tr '\n' ' ')"

msiexec /x "$newer" || fail "msiexec /x failed"
left=$(find "$WINEPREFIX/drive_c" -iname '*diruvari*')
[ -z "$left" ] || fail "left behind: $left"
[ -z "$(entries)" ] || fail "the uninstall entry is still there"
if wine reg query 'HKCU\Software\Diruvari' >/dev/null 2>&1; then fail "registry key left"; fi
echo "installed, started, upgraded to $version and removed"
