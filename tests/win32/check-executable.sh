#!/usr/bin/env bash
# Checks on the host that Orvane.exe is what it must be: a 32-bit Windows GUI
# program for Intel x86 that needs nothing but Windows' own libraries, with an
# image that can be loaded anywhere and data that never runs.
#   check-executable.sh ORVANE_EXE OBJDUMP
set -euo pipefail
exe=$1
objdump=$2
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

kind=$(file -b "$exe")
echo "file: $kind"
[[ $kind == "PE32 executable (GUI) Intel 80386"* ]] || fail "not a PE32 GUI program for Intel 80386"

headers=$("$objdump" -p "$exe")
grep -Eq '^Magic[[:space:]]+010b[[:space:]]+\(PE32\)' <<<"$headers" || fail "optional header is not PE32"
grep -Eq '^Subsystem[[:space:]]+00000002[[:space:]]+\(Windows GUI\)' <<<"$headers" || fail "subsystem is not Windows GUI"
"$objdump" -f "$exe" | grep -q 'architecture: i386' || fail "architecture is not i386"

# The flags are listed on the lines under DllCharacteristics, up to the next field.
flags=$(awk '/^DllCharacteristics/ {on = 1; next} on && /^[[:space:]]/ {print $1; next} {on = 0}' <<<"$headers")
echo "DllCharacteristics: $(tr '\n' ' ' <<<"$flags")"
grep -qx DYNAMIC_BASE <<<"$flags" || fail "DYNAMIC_BASE is not set"
grep -qx NX_COMPAT <<<"$flags" || fail "NX_COMPAT is not set"

# Libraries that every Windows installation carries; anything else (the C++ or
# thread run-time of the compiler, say) would have to be shipped beside the program.
# oleacc and oleaut32 are how a program answers screen readers.
system_dlls=" kernel32.dll user32.dll gdi32.dll msvcrt.dll advapi32.dll shell32.dll comctl32.dll comdlg32.dll ole32.dll "
system_dlls+=" oleacc.dll oleaut32.dll "
imports=$(sed -n 's/^[[:space:]]*DLL Name: //p' <<<"$headers")
echo "imports: $(tr '\n' ' ' <<<"$imports")"
[ -n "$imports" ] || fail "no imports found"
while read -r dll; do
  [ -z "$dll" ] && continue
  [[ $system_dlls == *" ${dll,,} "* ]] || fail "imports $dll, which is not a Windows system library"
done <<<"$imports"

if [ "$failures" -ne 0 ]; then
  exit 1
fi
echo "Orvane.exe: self-contained PE32 GUI program for Intel 80386"
