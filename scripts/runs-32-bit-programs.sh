#!/bin/sh
# Exits 0 when this machine runs 32-bit x86 programs, 1 when it does not: some kernels
# refuse them ("Exec format error"). It asks by really starting one, the 32-bit dynamic
# loader, which Debian's 32-bit C library (libc6:i386 or libc6-i386) brings.
# CRIBBLESTORM_NO_32_BIT=1 answers "no" on any machine, so that the suite's path for such
# machines can be tried anywhere.
[ "${CRIBBLESTORM_NO_32_BIT:-0}" = 1 ] && exit 1
for loader in /lib/ld-linux.so.2 /lib32/ld-linux.so.2; do
    [ -e "$loader" ] && { "$loader" --version >/dev/null 2>&1; exit $?; }
done
exit 1
