#!/usr/bin/env bash
# Reads glyphrig.exe back with tools that are not part of the project: the
# console subsystem, the icon sizes, the version record, the manifest, and
# that it needs no DLLs but Windows' own.
#   check_program_file.sh path/to/glyphrig.exe VERSION
set -euo pipefail
# shellcheck source=tests/check_lib.sh
source "$(dirname "$0")/../check_lib.sh"
exe=$1
version=$2

headers=$(x86_64-w64-mingw32-objdump -p "$exe" || true)
expect_eq "console subsystem" "$(grep -E '^Subsystem' <<<"$headers" | tr -s '\t ' ' ')" \
  "Subsystem 00000003 (Windows CUI)"

# Windows' own DLLs only: no libstdc++-6, libgcc_s or libwinpthread beside the program.
expect "the program imports DLLs" grep -q 'DLL Name:' <<<"$headers"
expect_eq "DLL imports beyond Windows' own" "$(foreign_dlls "$exe")" ""

resources=$(wrestool -l "$exe" || true)
expect_eq "one icon group" "$(grep -c 'type=group_icon' <<<"$resources")" 1
icon=$(mktemp)
trap 'rm -f "$icon"' EXIT
wrestool -x -t14 "$exe" >"$icon" || true
icons=$({ icotool -l "$icon" || true; } | sed -E 's/.*--width=([0-9]+) --height=([0-9]+).*/\1x\2/' |
  sort -n | tr '\n' ' ')
expect_eq "icon sizes" "$icons" "16x16 32x32 48x48 256x256 "

fields=$(exiftool -s -s -s -FileVersionNumber -ProductVersionNumber -FileVersion -ProductVersion \
  -ProductName "$exe" | tr '\n' '|' || true)
expect_eq "version record (fixed file, fixed product, file, product, name)" "$fields" \
  "$version.0|$version.0|$version|$version|Glyphrig|"
for field in FileDescription LegalCopyright; do
  expect "version record has a $field" test -n "$(exiftool -s -s -s -"$field" "$exe")"
done

manifest=$(wrestool -x --raw -t24 "$exe" || true)
expect "manifest asks for asInvoker" \
  grep -q '<requestedExecutionLevel level="asInvoker" uiAccess="false"/>' <<<"$manifest"

report "program file"
