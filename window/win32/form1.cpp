// SPDX-FileCopyrightText: 2026 Tovalin developers
// SPDX-License-Identifier: MIT

#include "form1.h"

#include "platform/win32/accessible_name.h"
#include "platform/win32/dpi.h"
#include "platform/win32/message_box.h"
#include "platform/win32/win_text.h"
#include "window/layout.h"

#include <array>
#include <exception>
#include <stdexcept>

namespace tovalin {

namespace {

constexpr wchar_t kClassName[] = L"TovalinForm1";
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
constexpr DWORD kExStyle = WS_EX_CONTROLPARENT;
constexpr int kFirstControlId = 101; // clear of IDOK and IDCANCEL
constexpr int kIconId = 1;
// Sent from Windows 8.1 on when the window's DPI changes; the XP headers lack it.
constexpr UINT kWmDpiChanged = 0x02E0;

int controlId(const layout::Control& control) {
    return kFirstControlId + control.tabIndex;
}

int px(int twips, UINT dpi) {
    return layout::toPixels(twips, static_cast<int>(dpi));
}

void registerClass(HINSTANCE instance, WNDPROC proc) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = proc;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(kIconId));
    windowClass.hIconSm = static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(kIconId),
                                                        IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
                                                        GetSystemMetrics(SM_CYSMICON), 0));
    windowClass.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512)); // IDC_ARROW
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = kClassName;
    RegisterClassExW(&windowClass);
}

} // namespace

Form1::Form1(HINSTANCE instance) : command_(*this) {
    registerClass(instance, &Form1::windowProc);
    hwnd_ = CreateWindowExW(kExStyle, kClassName, platform::toWide(layout::kWindowCaption).c_str(),
                            kStyle, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                            nullptr, nullptr, instance, this);
    if (hwnd_ == nullptr) {
        throw std::runtime_error("CreateWindowExW failed");
    }
    createControls(instance);
    const UINT dpi = platform::dpiOf(hwnd_);
    // The caption bar and task switcher show the program's icon.
    SendMessageW(hwnd_, WM_SETICON, ICON_BIG, GetClassLongPtrW(hwnd_, GCLP_HICON));
    SendMessageW(hwnd_, WM_SETICON, ICON_SMALL, GetClassLongPtrW(hwnd_, GCLP_HICONSM));
    applyDpi(dpi);

    // Client area from the table, centred on the work area of the window's screen.
    RECT frame{0, 0, px(layout::kClientWidth, dpi), px(layout::kClientHeight, dpi)};
    platform::adjustWindowRect(frame, kStyle, kExStyle, dpi);
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromWindow(hwnd_, MONITOR_DEFAULTTOPRIMARY), &monitor);
    const int width = frame.right - frame.left;
    const int height = frame.bottom - frame.top;
    const RECT& work = monitor.rcWork;
    SetWindowPos(hwnd_, nullptr, work.left + (work.right - work.left - width) / 2,
                 work.top + (work.bottom - work.top - height) / 2, width, height,
                 SWP_NOZORDER | SWP_NOACTIVATE);

    ShowWindow(hwnd_, SW_SHOWNORMAL);
    UpdateWindow(hwnd_);
    SetFocus(file_sj);
}

Form1::~Form1() {
    if (hwnd_ != nullptr) {
        DestroyWindow(hwnd_);
    }
    if (font_ != nullptr) {
        DeleteObject(font_);
    }
}

void Form1::createControls(HINSTANCE instance) {
    // Created in the table's order, which the dialog manager's Tab follows and
    // which puts each label right before the box it names.
    const std::array<HWND*, layout::kControls.size()> handles = controls();
    for (std::size_t i = 0; i < layout::kControls.size(); ++i) {
        const layout::Control& control = *layout::kControls[i];
        const wchar_t* className = L"STATIC";
        DWORD style = WS_CHILD | WS_VISIBLE;
        DWORD exStyle = 0;
        switch (control.kind) {
        case layout::Kind::Label:
            style |= SS_LEFT | SS_NOPREFIX;
            break;
        case layout::Kind::TextBox:
            className = L"EDIT";
            style |= WS_TABSTOP | ES_LEFT | ES_AUTOHSCROLL;
            if (&control == &layout::kAsmSj) {
                style |= ES_READONLY; // selectable and copyable, not editable
            }
            exStyle = WS_EX_CLIENTEDGE;
            break;
        case layout::Kind::Button:
            className = L"BUTTON";
            style |= WS_TABSTOP | BS_PUSHBUTTON;
            break;
        }
        *handles[i] = CreateWindowExW(
            exStyle, className, platform::toWide(control.caption).c_str(), style, 0, 0, 0, 0, hwnd_,
            reinterpret_cast<HMENU>(static_cast<INT_PTR>(controlId(control))), instance, nullptr);
        if (&control == &layout::kFileSj) {
            // No limit on what is typed or pasted (an EDIT takes 30,000 otherwise).
            SendMessageW(*handles[i], EM_SETLIMITTEXT, 0, 0);
        }
    }
    // A screen reader would read the arrow as punctuation: it says what the button does.
    platform::setAccessibleName(f_a, platform::AccessibleRole::PushButton,
                                layout::kConvertAccessibleName,
                                layout::kConvertAccessibleDescription);
}

std::array<HWND*, layout::kControls.size()> Form1::controls() {
    return {&Label1, &file_sj, &Label2, &asm_sj, &f_a};
}

void Form1::applyDpi(UINT dpi) {
    HFONT font = platform::createMessageFont(dpi);
    const std::array<HWND*, layout::kControls.size()> handles = controls();
    for (std::size_t i = 0; i < handles.size(); ++i) {
        const layout::TwipsRect& r = layout::kControls[i]->rect;
        MoveWindow(*handles[i], px(r.left, dpi), px(r.top, dpi), px(r.width, dpi),
                   px(r.height, dpi), TRUE);
        SendMessageW(*handles[i], WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    }
    if (font_ != nullptr) {
        DeleteObject(font_);
    }
    font_ = font;
}

LRESULT CALLBACK Form1::windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
        static_cast<Form1*>(create->lpCreateParams)->hwnd_ = hwnd;
    }
    auto* form = reinterpret_cast<Form1*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (form == nullptr) {
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }
    // Exceptions must not cross back into Windows: report and end instead.
    try {
        return form->handle(hwnd, message, wParam, lParam);
    } catch (const std::exception& e) {
        platform::reportFailure(hwnd, e.what());
    } catch (...) {
        platform::reportFailure(hwnd, "unknown exception");
    }
    PostQuitMessage(1);
    return 0;
}

LRESULT Form1::handle(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND:
        if (LOWORD(wParam) == controlId(layout::kFA) && HIWORD(wParam) == BN_CLICKED) {
            f_a_Click();
            return 0;
        }
        // Enter in file_sj (or on the button) arrives from the dialog manager as IDOK.
        if (LOWORD(wParam) == IDOK && (GetFocus() == file_sj || GetFocus() == f_a)) {
            f_a_Click();
            return 0;
        }
        break;
    case WM_ACTIVATE:
        // Give the focus back to the control that had it, as a dialog does.
        if (LOWORD(wParam) == WA_INACTIVE) {
            focusOnDeactivate_ = GetFocus();
        } else if (focusOnDeactivate_ != nullptr && IsChild(hwnd_, focusOnDeactivate_)) {
            SetFocus(focusOnDeactivate_);
            return 0;
        }
        break;
    case kWmDpiChanged: {
        applyDpi(HIWORD(wParam));
        const RECT* suggested = reinterpret_cast<const RECT*>(lParam);
        SetWindowPos(hwnd_, nullptr, suggested->left, suggested->top,
                     suggested->right - suggested->left, suggested->bottom - suggested->top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
        return 0;
    }
    case WM_DESTROY:
        hwnd_ = nullptr;
        PostQuitMessage(0);
        return 0;
    default:
        break;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

void Form1::f_a_Click() {
    command_.f_a_Click();
}

std::u16string Form1::getInputText() {
    return platform::windowText(file_sj);
}

void Form1::setInputText(std::u16string_view text) {
    platform::setWindowText(file_sj, text);
}

void Form1::setOutputText(std::u16string_view text) {
    platform::setWindowText(asm_sj, text);
}

void Form1::showMessage(std::u16string_view prompt, std::int32_t buttons,
                        std::u16string_view title) {
    platform::showMessageBox(hwnd_, prompt, buttons, title);
}

} // namespace tovalin
