#!/usr/bin/python3
"""Fails when the Windows executable imports a DLL or a function that Windows 7
SP1 does not have. Functions newer than that are looked up at run time, and the
compiler guard (_WIN32_WINNT 0x0601) keeps direct calls of them out; this list
is what the program may import, every name checked against Windows 7 SP1."""
import sys

import pefile

WINDOWS_7_SP1 = {
    "kernel32.dll": """
        AddVectoredExceptionHandler CloseHandle CreateEventA CreateSemaphoreA DeleteCriticalSection
        DuplicateHandle EnterCriticalSection FreeLibrary GetCurrentProcess GetCurrentProcessId
        GetCurrentThread GetCurrentThreadId GetHandleInformation GetLastError GetModuleHandleA
        GetModuleHandleW GetProcAddress GetProcessAffinityMask GetStartupInfoW GetSystemDirectoryW
        GetSystemTimeAsFileTime GetThreadContext GetThreadPriority GetTickCount64
        InitializeCriticalSection IsDBCSLeadByteEx IsDebuggerPresent LeaveCriticalSection
        LoadLibraryA LoadLibraryExW LoadLibraryW MulDiv MultiByteToWideChar OpenProcess
        OutputDebugStringA RaiseException ReleaseSemaphore RemoveVectoredExceptionHandler
        ResetEvent ResumeThread RtlCaptureContext RtlLookupFunctionEntry RtlUnwindEx
        RtlVirtualUnwind SetEvent SetLastError SetProcessAffinityMask SetThreadContext
        SetThreadPriority SetUnhandledExceptionFilter Sleep SuspendThread TlsAlloc TlsGetValue
        TlsSetValue TryEnterCriticalSection VirtualProtect VirtualQuery WaitForMultipleObjects
        WaitForSingleObject WideCharToMultiByte __C_specific_handler""",
    "user32.dll": """
        AdjustWindowRectEx CreateWindowExW DefWindowProcW DestroyWindow DispatchMessageW
        GetClassLongPtrW GetClassLongW GetDC GetFocus GetMessageW GetMonitorInfoW GetSystemMetrics
        GetWindowLongPtrW GetWindowLongW GetWindowTextLengthW GetWindowTextW IsChild
        IsDialogMessageW LoadCursorW LoadIconW LoadImageW MessageBoxW MonitorFromWindow MoveWindow
        PostQuitMessage RegisterClassExW ReleaseDC SendMessageW SetFocus SetWindowLongPtrW
        SetWindowLongW SetWindowPos SetWindowTextW ShowWindow SystemParametersInfoW
        TranslateMessage UpdateWindow""",
    "gdi32.dll": "CreateFontIndirectW DeleteObject GetDeviceCaps",
    # Windows 7's msvcrt.dll, the C runtime that mingw-w64 links against.
    "msvcrt.dll": """
        ___lc_codepage_func ___mb_cur_max_func __iob_func __mb_cur_max __p__commode __p__fmode
        __p__wcmdln __set_app_type __setusermatherr __wgetmainargs __winitenv _amsg_exit
        _beginthreadex _cexit _close _commode _endthreadex _errno _fmode _initterm _iob _onexit
        _read _setjmp _setjmp3 _strdup _ultoa _wcmdln abort atoi calloc exit fprintf fputc fputs
        free fwrite localeconv longjmp malloc memchr memcmp memcpy memmove memset printf realloc
        setlocale signal strchr strcmp strerror strlen strncmp vfprintf wcslen""",
}
ALLOWED = {dll: set(names.split()) for dll, names in WINDOWS_7_SP1.items()}

pe = pefile.PE(sys.argv[1])
failures = 0
entries = getattr(pe, "DIRECTORY_ENTRY_IMPORT", []) + getattr(pe, "DIRECTORY_ENTRY_DELAY_IMPORT", [])
for entry in entries:
    dll = entry.dll.decode().lower()
    names = [i.name.decode() if i.name else f"#{i.ordinal}" for i in entry.imports]
    print(f"{dll}: {len(names)} functions")
    if dll not in ALLOWED:
        print(f"FAIL: imports {dll}, which Windows 7 SP1 does not have")
        failures += 1
        continue
    for name in names:
        if name not in ALLOWED[dll]:
            print(f"FAIL: imports {dll} {name}, not known to be in Windows 7 SP1")
            failures += 1
sys.exit(1 if failures else 0)
