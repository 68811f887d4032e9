#!/usr/bin/env bash
# The Windows installer as an administrator uses it: what the package says of
# itself, then a silent install into a Wine prefix of its own, the installed
# program opened, a silent removal, and nothing of it left behind.
#   msi-install.sh MSI VERSION PREFIX
# Runs on an X display (the installed program opens its window on it). PREFIX is
# made afresh and removed again.
set -euo pipefail
msi=$(realpath "$1")
version=$2
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=../../scripts/lib/wine.sh
. "$here/../../scripts/lib/wine.sh"
wine_env "$3"
# shellcheck source=../../scripts/lib/virtual-display.sh
. "$here/../../scripts/lib/virtual-display.sh"

fail() { echo "msi-install: $*" >&2; exit 1; }
property() { msiinfo export "$msi" Property | tr -d '\r' | awk -F'\t' -v name="$1" '$1 == name { print $2 }'; }
expect_property() {
  [ "$(property "$1")" = "$2" ] || fail "the package's $1 is \"$(property "$1")\", not \"$2\""
}

# ---- what the package says ----
expect_property ProductName Orvane
expect_property Manufacturer "The Orvane developers"
expect_property ProductVersion "$version"
expect_property ALLUSERS 1
# Fixed for good: every version carries it, so that the next one replaces this.
expect_property UpgradeCode "{D3F00E52-8B5D-4594-95C5-15BDCAAA0604}"
expect_property ARPPRODUCTICON Orvane.ico
sequence=$(msiinfo export "$msi" InstallExecuteSequence)
grep -q '^RemoveExistingProducts' <<<"$sequence" || fail "the package does not remove an earlier version"
product=$(property ProductCode)

# ---- a fresh prefix ----
rm -rf "$WINEPREFIX"
mkdir -p "$WINEPREFIX"
trap 'wineserver --kill 2>/dev/null || true; rm -rf "$WINEPREFIX"' EXIT
timeout 300 wine wineboot --init >/dev/null 2>&1 || fail "wineboot had not made the prefix within 300 s"
# No window manager on the virtual display: Wine must not wait for one.
wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null
wine_wait 120 "the prefix's start-up" || exit 1

drive=$WINEPREFIX/drive_c
folder="$drive/Program Files/Orvane"
# Windows puts the shortcut of a per-machine package in the Start menu of all
# users; Wine 8 puts it in the installing user's.
menus=("$drive/ProgramData/Microsoft/Windows/Start Menu/Programs" "$drive/users/$(id -un)/AppData/Roaming/Microsoft/Windows/Start Menu/Programs")
entry="HKLM\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\$product"

# ---- install ----
timeout 300 wine msiexec /i "$msi" /qn || fail "msiexec /i ended with status $? (124: still running after 300 s)"
wine_wait 120 "the install" || exit 1
[ -f "$folder/Orvane.exe" ] || fail "no Program Files\\Orvane\\Orvane.exe"
[ -f "$folder/LICENSE.txt" ] || fail "no Program Files\\Orvane\\LICENSE.txt"
grep -q 'MIT License' "$folder/LICENSE.txt" || fail "LICENSE.txt does not hold the licence"
shortcut=
for menu in "${menus[@]}"; do [ -f "$menu/Orvane.lnk" ] && shortcut=$menu/Orvane.lnk; done
[ -n "$shortcut" ] || fail "no shortcut \"Orvane\" in the Start menu"
# A shell link keeps the paths of its target and its icon as text.
link=$(strings -a "$shortcut"; strings -a -el "$shortcut")
grep -qF 'C:\Program Files\Orvane\Orvane.exe' <<<"$link" || fail "the shortcut does not lead to Orvane.exe"
grep -qF "$product\Orvane.ico" <<<"$link" || fail "the shortcut does not show the program's icon"

uninstall=$(wine reg query "$entry" 2>/dev/null | tr -d '\r') || fail "no entry $product in Programs and Features"
value() { awk -v name="$1" '$1 == name { $1 = ""; $2 = ""; sub(/^ +/, ""); print }' <<<"$uninstall"; }
[ "$(value DisplayName)" = Orvane ] || fail "Programs and Features names it \"$(value DisplayName)\""
[ "$(value Publisher)" = "The Orvane developers" ] || fail "its publisher reads \"$(value Publisher)\""
[ "$(value DisplayVersion)" = "$version" ] || fail "its version reads \"$(value DisplayVersion)\""
# Programs and Features shows an installed package's icon, ARPPRODUCTICON, kept
# with the product's registration (under its code with each part's digits reversed).
IFS=- read -r g1 g2 g3 g4 g5 <<<"${product//[\{\}]/}"
pairs=$(sed 's/\(.\)\(.\)/\2\1/g' <<<"$g4$g5")
registration="HKLM\\Software\\Classes\\Installer\\Products\\$(rev <<<"$g1")$(rev <<<"$g2")$(rev <<<"$g3")$pairs"
icon=$(wine reg query "$registration" /v ProductIcon 2>/dev/null | tr -d '\r' | awk '$1 == "ProductIcon" { $1 = ""; $2 = ""; sub(/^ +/, ""); print }')
[ -n "$icon" ] || fail "Programs and Features has no icon for it"
[ -f "$(wine winepath -u "$icon" 2>/dev/null | tr -d '\r')" ] || fail "its icon $icon is not on the disk"

# ---- the installed program opens its board ----
open_board --within 60 wine "C:\\Program Files\\Orvane\\Orvane.exe" || fail "the installed Orvane.exe opened no window"
kill "$board_pid"
wait "$board_pid" 2>/dev/null || true
wine_wait 120 "the installed Orvane.exe" || exit 1

# ---- remove ----
timeout 300 wine msiexec /x "$msi" /qn || fail "msiexec /x ended with status $? (124: still running after 300 s)"
wine_wait 120 "the removal" || exit 1
[ ! -e "$folder" ] || fail "Program Files\\Orvane is still there: $(ls -A "$folder")"
for menu in "${menus[@]}"; do [ ! -e "$menu/Orvane.lnk" ] || fail "the shortcut is still there"; done
[ ! -e "$drive/windows/Installer/$product" ] || fail "the icon's folder of the entry is still there"
if wine reg query "$entry" >/dev/null 2>&1; then fail "the entry in Programs and Features is still there"; fi
if wine reg query "$registration" >/dev/null 2>&1; then fail "the product is still registered"; fi
echo "msi-install: $(basename "$msi") installs, opens and goes again without a trace"
