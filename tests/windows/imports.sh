#!/bin/sh
# SPDX-License-Identifier: MIT
# The DLLs a program file imports, as objdump lists them, against the expected
# list (sorted, space-separated).
set -eu
actual=$(x86_64-w64-mingw32-objdump -p "$1" | sed -n 's/^\tDLL Name: //p' | sort -f | tr '\n' ' ')
if [ "$actual" != "$2 " ]; then
    echo "imports: $actual"
    echo "expected: $2"
    exit 1
fi
