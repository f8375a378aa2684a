// SPDX-FileCopyrightText: 2026 Tovalin developers
// SPDX-License-Identifier: MIT

// Drives the Windows executable from outside, as a person or a screen reader
// would: finds its window, checks layout, tab order and captions, converts,
// answers the message boxes and closes it.
// Usage: driver.exe PATH\TO\Tvl.exe DPI   (prints "SHOT name" when a screenshot is due)
#include "remote.h"
#include "window/layout.h"

#include <windows.h>

#include <oleacc.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

namespace {

using namespace tovalin;
using namespace tovalin::remote;

int failures = 0;

void check(bool ok, const std::wstring& what) {
    if (!ok) {
        ++failures;
        std::fwprintf(stderr, L"FAIL: %ls\n", what.c_str());
    }
}

std::wstring wide(std::u16string_view s) {
    return std::wstring(reinterpret_cast<const wchar_t*>(s.data()), s.size());
}

std::wstring classOf(HWND window) {
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    return name;
}

void shot(const char* name) {
    std::printf("SHOT %s\n", name);
    std::fflush(stdout);
    Sleep(scaled(1500));
}

struct Controls {
    HWND form, file_sj, asm_sj, f_a;
};

void checkLayout(HWND form, const std::vector<HWND>& children) {
    const int dpi = static_cast<int>(GetDpiForWindow(form));
    RECT client;
    GetClientRect(form, &client);
    check(client.right == layout::toPixels(layout::kClientWidth, dpi) &&
              client.bottom == layout::toPixels(layout::kClientHeight, dpi),
          L"client size " + std::to_wstring(client.right) + L"x" + std::to_wstring(client.bottom));
    RECT frame;
    GetWindowRect(form, &frame);
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromWindow(form, MONITOR_DEFAULTTOPRIMARY), &monitor);
    const RECT& work = monitor.rcWork;
    check(std::abs((frame.left + frame.right) - (work.left + work.right)) <= 2 &&
              std::abs((frame.top + frame.bottom) - (work.top + work.bottom)) <= 2,
          L"window centred on the screen");
    const LONG style = GetWindowLongW(form, GWL_STYLE);
    check(!(style & WS_MAXIMIZEBOX) && !(style & WS_THICKFRAME), L"window is resizable");
    check(children.size() == layout::kControls.size(), L"five controls");
    for (std::size_t i = 0; i < children.size() && i < layout::kControls.size(); ++i) {
        const layout::Control& control = *layout::kControls[i];
        const std::wstring name(control.name.begin(), control.name.end());
        const wchar_t* expectedClass = control.kind == layout::Kind::Label     ? L"Static"
                                       : control.kind == layout::Kind::TextBox ? L"Edit"
                                                                               : L"Button";
        check(lstrcmpiW(classOf(children[i]).c_str(), expectedClass) == 0, name + L" class");
        RECT r;
        GetWindowRect(children[i], &r);
        MapWindowPoints(nullptr, form, reinterpret_cast<POINT*>(&r), 2);
        check(r.left == layout::toPixels(control.rect.left, dpi) &&
                  r.top == layout::toPixels(control.rect.top, dpi) &&
                  r.right - r.left == layout::toPixels(control.rect.width, dpi) &&
                  r.bottom - r.top == layout::toPixels(control.rect.height, dpi),
              name + L" rectangle");
        check(textOf(children[i]) == wide(control.caption), name + L" caption");
    }
}

// What a screen reader reads of a control, through oleacc from this process.
void checkAccessible(HWND control, std::u16string_view name, std::u16string_view description,
                     long role) {
    IAccessible* object = nullptr;
    BSTR text[2] = {};
    VARIANT self{}, read{}; // self: VT_I4 CHILDID_SELF, all zeros
    V_VT(&self) = VT_I4;
    if (SUCCEEDED(AccessibleObjectFromWindow(control, OBJID_CLIENT, __uuidof(IAccessible),
                                             reinterpret_cast<void**>(&object)))) {
        object->get_accName(self, &text[0]);
        object->get_accDescription(self, &text[1]);
        object->get_accRole(self, &read);
        object->Release();
    }
    const std::wstring got[2] = {text[0] ? text[0] : L"", text[1] ? text[1] : L""};
    SysFreeString(text[0]);
    SysFreeString(text[1]);
    char utf8[512] = {};
    WideCharToMultiByte(CP_UTF8, 0, (got[0] + L" | " + got[1]).c_str(), -1, utf8, sizeof utf8,
                        nullptr, nullptr);
    std::printf("accessible: role 0x%lx | %s\n", V_I4(&read), utf8);
    check(got[0] == wide(name) && (description.empty() || got[1] == wide(description)) &&
              V_VT(&read) == VT_I4 && V_I4(&read) == role,
          L"accessible name, description and role of " + wide(name));
}

void checkFocusAndTabOrder(const Controls& c) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(GetWindowThreadProcessId(c.form, nullptr), &info);
    check(info.hwndFocus == c.file_sj, L"first focus in file_sj");
    check(GetNextDlgTabItem(c.form, c.file_sj, FALSE) == c.asm_sj, L"Tab file_sj -> asm_sj");
    check(GetNextDlgTabItem(c.form, c.asm_sj, FALSE) == c.f_a, L"Tab asm_sj -> f_a");
    check(GetNextDlgTabItem(c.form, c.f_a, FALSE) == c.file_sj, L"Tab f_a -> file_sj");
    // A screen reader names a box by the label just before it in the window order.
    for (const auto& [box, label] :
         {std::pair{c.file_sj, &layout::kLabel1}, std::pair{c.asm_sj, &layout::kLabel2}}) {
        const HWND previous = GetWindow(box, GW_HWNDPREV);
        check(previous != nullptr && lstrcmpiW(classOf(previous).c_str(), L"Static") == 0 &&
                  textOf(previous) == wide(label->caption),
              L"label " + wide(label->caption) + L" right before its box");
    }
    checkAccessible(c.file_sj, layout::kLabel1.caption, u"", ROLE_SYSTEM_TEXT);
    checkAccessible(c.asm_sj, layout::kLabel2.caption, u"", ROLE_SYSTEM_TEXT);
    checkAccessible(c.f_a, layout::kConvertAccessibleName, layout::kConvertAccessibleDescription,
                    ROLE_SYSTEM_PUSHBUTTON);
    check((GetWindowLongW(c.asm_sj, GWL_STYLE) & ES_READONLY) != 0, L"asm_sj read-only");
    check((GetWindowLongW(c.file_sj, GWL_STYLE) & ES_READONLY) == 0, L"file_sj editable");
}

HWND focusOf(HWND form) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(GetWindowThreadProcessId(form, nullptr), &info);
    return info.hwndFocus;
}

// Types one key into the window, as the keyboard would, with `control` focused.
void pressKey(const Controls& c, HWND control, WORD key) {
    SetForegroundWindow(c.form);
    const DWORD self = GetCurrentThreadId();
    const DWORD target = GetWindowThreadProcessId(c.form, nullptr);
    AttachThreadInput(self, target, TRUE);
    SetFocus(control);
    AttachThreadInput(self, target, FALSE);
    INPUT input[2] = {};
    input[0].type = input[1].type = INPUT_KEYBOARD;
    input[0].ki.wVk = input[1].ki.wVk = key;
    input[1].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(2, input, sizeof(INPUT));
}

void checkKeyboard(const Controls& c) {
    pressKey(c, c.file_sj, VK_TAB);
    check(waitFor([&] { return focusOf(c.form) == c.asm_sj; }), L"Tab key moves to asm_sj");
    pressKey(c, c.asm_sj, VK_TAB);
    check(waitFor([&] { return focusOf(c.form) == c.f_a; }), L"Tab key moves to f_a");
    pressKey(c, c.f_a, VK_TAB);
    check(waitFor([&] { return focusOf(c.form) == c.file_sj; }), L"Tab key moves to file_sj");

    setText(c.file_sj, L"abc");
    pressKey(c, c.file_sj, VK_RETURN);
    check(waitFor([&] { return textOf(c.asm_sj) == L"bc0a0000"; }) &&
              textOf(c.file_sj) == L"00000abc",
          L"Enter in file_sj converts");
}

void checkConversions(const Controls& c) {
    struct Case {
        const wchar_t* typed;
        const wchar_t* input;
        const wchar_t* output;
    };
    for (const Case& k :
         {Case{L"1", L"00000001", L"01000000"}, Case{L"abcdef", L"00abcdef", L"efcdab00"},
          Case{L"123456789A", L"3456789A", L"9A785634"}, Case{L"1234", L"00001234", L"34120000"}}) {
        setText(c.file_sj, k.typed);
        PostMessageW(c.f_a, BM_CLICK, 0, 0);
        const bool done = waitFor([&] { return textOf(c.asm_sj) == k.output; });
        check(done && textOf(c.file_sj) == k.input, std::wstring(L"convert ") + k.typed +
                                                        L" gave " + textOf(c.file_sj) + L" / " +
                                                        textOf(c.asm_sj));
    }
}

// Pastes as Ctrl+V does, over the selection from `start` to `end`.
void paste(HWND box, const std::wstring& before, int start, int end, const std::wstring& text) {
    setText(box, before);
    check(setClipboard(text), L"text put on the clipboard");
    SendMessageTimeoutW(box, EM_SETSEL, start, end, SMTO_BLOCK, scaled(5000), nullptr);
    SendMessageTimeoutW(box, WM_PASTE, 0, 0, SMTO_BLOCK, scaled(60000), nullptr);
}

// The box holds a paste of any length, and of a paste only the first line.
void checkPastes(const Controls& c) {
    const std::wstring digits = [] {
        std::wstring d;
        for (int i = 0; i < 2500; ++i) {
            d += L"0123456789abcdef";
        }
        return d + L"DEADBEEF";
    }();
    struct Case {
        const wchar_t* name;
        std::wstring before;
        int start, end;
        std::wstring pasted, after, output;
    };
    for (const Case& k :
         {Case{L"40,008 digits", L"", 0, 0, digits, digits, L"EFBEADDE"},
          Case{L"line ending dropped", L"", 0, 0, L"DEADBEEF\r\n", L"DEADBEEF", L"EFBEADDE"},
          Case{L"CR LF", L"", 0, 0, L"12\r\n34", L"12", L"12000000"},
          Case{L"LF mid-text", L"ABCD", 2, 2, L"12\n34", L"AB12CD", L"CD12AB00"},
          Case{L"CR LF over a selection", L"ABCDEF", 1, 3, L"12\r\n34", L"A12DEF", L"EF2DA100"}}) {
        paste(c.file_sj, k.before, k.start, k.end, k.pasted);
        const std::wstring pasted = textOf(c.file_sj);
        check(pasted == k.after, std::wstring(L"paste ") + k.name + L" left " +
                                     std::to_wstring(pasted.size()) + L" characters");
        PostMessageW(c.f_a, BM_CLICK, 0, 0);
        check(waitFor([&] { return textOf(c.asm_sj) == k.output; }),
              std::wstring(L"paste ") + k.name + L" converts to " + k.output);
    }
}

void checkMessage(const Controls& c, const std::wstring& typed, std::u16string_view title,
                  std::u16string_view prompt, const char* screenshot) {
    const std::wstring before = textOf(c.asm_sj);
    setText(c.file_sj, typed);
    PostMessageW(c.f_a, BM_CLICK, 0, 0);
    HWND box = nullptr;
    // Shown only once its texts are set; before that the prompt may be empty.
    waitFor([&] {
        return (box = FindWindowW(L"#32770", wide(title).c_str())) != nullptr &&
               IsWindowVisible(box);
    });
    check(box != nullptr, L"message box titled " + wide(title) + L" for '" + typed + L"'");
    if (box == nullptr) {
        return;
    }
    check(GetWindow(box, GW_OWNER) == c.form, L"message box owned by Form1");
    bool promptSeen = false;
    bool iconSeen = false;
    std::vector<HWND> buttons;
    for (HWND child : childrenOf(box)) {
        const std::wstring cls = classOf(child);
        if (lstrcmpiW(cls.c_str(), L"Button") == 0 && IsWindowVisible(child)) {
            buttons.push_back(child);
        } else if (lstrcmpiW(cls.c_str(), L"Static") == 0) {
            promptSeen = promptSeen || textOf(child) == wide(prompt);
            iconSeen =
                iconSeen || ((GetWindowLongW(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON &&
                             IsWindowVisible(child) && SendMessageW(child, STM_GETICON, 0, 0) != 0);
        }
    }
    check(promptSeen, L"prompt " + wide(prompt));
    check(!iconSeen, L"message box shows no icon");
    check(buttons.size() == 1, L"message box has one button");
    if (!buttons.empty()) {
        const std::wstring caption = textOf(buttons[0]);
        char utf8[256] = {};
        WideCharToMultiByte(CP_UTF8, 0, caption.c_str(), -1, utf8, sizeof utf8, nullptr, nullptr);
        std::printf("message box button: %s\n", utf8);
        check(GetDlgCtrlID(buttons[0]) == IDOK, L"the button is OK");
    }
    if (screenshot != nullptr) {
        shot(screenshot);
    }
    if (!buttons.empty()) {
        PostMessageW(buttons[0], BM_CLICK, 0, 0);
    }
    check(waitFor([&] { return !IsWindow(box); }), L"message box closed by its button");
    check(textOf(c.file_sj) == typed, L"file_sj unchanged after the message");
    check(textOf(c.asm_sj) == before, L"asm_sj unchanged after the message");
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc != 3) {
        std::fwprintf(stderr, L"usage: driver PROGRAM EXPECTED_DPI\n");
        return 2;
    }
    // The window measured in the pixels it is drawn in: to a process unaware
    // of DPI, Windows (and Wine from 10) reports it scaled back to 96 dpi.
    SetProcessDpiAwarenessContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2);
    CoInitialize(nullptr); // oleacc hands over the window's accessible objects through COM
    PROCESS_INFORMATION process{};
    const HWND form = remote::start(argv[1], process);
    if (form == nullptr) {
        return 1;
    }

    const UINT dpi = GetDpiForWindow(form);
    check(dpi == static_cast<UINT>(_wtoi(argv[2])), L"window DPI " + std::to_wstring(dpi));
    const std::vector<HWND> children = childrenOf(form);
    checkLayout(form, children);
    if (children.size() == 5) {
        const Controls c{form, children[1], children[3], children[4]};
        checkFocusAndTabOrder(c);
        check(textOf(c.file_sj).empty() && textOf(c.asm_sj).empty(), L"both boxes empty at start");
        checkMessage(c, L"", u"提示", u"请输入16进制文本!", nullptr);
        checkKeyboard(c);
        checkConversions(c);
        checkPastes(c);
        shot("tovalin-wine");
        checkMessage(c, L"0x12", u"警告", u"你输入的不是16进制文本!", "tovalin-wine-warning");
        checkMessage(c, L" 12", u"警告", u"你输入的不是16进制文本!", nullptr);
        checkMessage(c, L"\xff11\xff12", u"警告", u"你输入的不是16进制文本!", nullptr);
    }

    PostMessageW(form, WM_CLOSE, 0, 0);
    check(WaitForSingleObject(process.hProcess, scaled(10000)) == WAIT_OBJECT_0,
          L"program ends on close");
    DWORD exitCode = 1;
    GetExitCodeProcess(process.hProcess, &exitCode);
    check(exitCode == 0, L"exit code " + std::to_wstring(exitCode));
    std::printf("%s: %d failure(s)\n", failures == 0 ? "passed" : "FAILED", failures);
    return failures == 0 ? 0 : 1;
}
