#!/bin/sh
# SPDX-License-Identifier: MIT
# imports.sh program.exe...: every DLL a program file imports must be one of
# Windows' KnownDLLs, which the system loads from its own folder only. Any
# other is looked for beside the program first, where a download folder may
# hold a planted one. (MinGW's runtime DLLs fail here too.)
set -eu
known="advapi32 clbcatq combase comdlg32 coml2 gdi32 gdiplus imagehlp imm32 kernel32 kernelbase"
known="$known msctf msvcrt normaliz nsi ntdll ole32 oleaut32 psapi rpcrt4 sechost setupapi"
known="$known shcore shell32 shlwapi user32 wldap32 ws2_32"
status=0
for program in "$@"; do
    for dll in $(x86_64-w64-mingw32-objdump -p "$program" | sed -n 's/^\tDLL Name: //p'); do
        name=$(echo "$dll" | tr '[:upper:]' '[:lower:]')
        case " $known " in
        *" ${name%.dll} "*) ;;
        *) echo "$(basename "$program") imports $dll, which is no known DLL" && status=1 ;;
        esac
    done
done
exit $status
