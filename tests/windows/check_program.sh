#!/bin/sh
# Checks a built cribblestorm.exe from its PE header: the expected machine and PE kind, the GUI
# subsystem, and no imported DLL beyond those that every Windows ships.
# Usage: check_program.sh program.exe objdump pei-i386|pei-x86-64
set -eu
program=$1 objdump=$2 format=$3
fail() { echo "$program: $*" >&2; exit 1; }

"$objdump" -f "$program" | grep -q "file format $format\$" || fail "not $format"
headers=$("$objdump" -p "$program" | tr -s '\t' ' ')
case $format in
    pei-i386) kind="010b (PE32)" ;;
    *) kind="020b (PE32+)" ;;
esac
echo "$headers" | grep -qx "Magic $kind" || fail "not $kind"
echo "$headers" | grep -qx "Subsystem 00000002 (Windows GUI)" || fail "not a GUI program"

imports=$(echo "$headers" | sed -n 's/^ DLL Name: //p' | tr 'a-z' 'A-Z' | sort)
for dll in $imports; do
    case $dll in
        KERNEL32.DLL | USER32.DLL | GDI32.DLL | OPENGL32.DLL | WINMM.DLL | MSVCRT.DLL) ;;
        *) fail "imports $dll" ;;
    esac
done
echo "$program: $format, $kind, GUI, imports" $imports
