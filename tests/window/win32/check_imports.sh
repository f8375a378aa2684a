#!/usr/bin/env bash
# The executable is one file: it may import only DLLs that come with Windows.
set -euo pipefail
dlls=$(x86_64-w64-mingw32-objdump -p "$1" | awk '/DLL Name:/ {print tolower($3)}')
echo "imports:" $dlls
for dll in $dlls; do
    case "$dll" in
    kernel32.dll | user32.dll | gdi32.dll | msvcrt.dll | comctl32.dll | advapi32.dll | shell32.dll) ;;
    *) echo "FAIL: imports $dll, which Windows does not provide" >&2; exit 1 ;;
    esac
done
