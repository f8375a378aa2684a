// SPDX-FileCopyrightText: 2026 Tovalin developers
// SPDX-License-Identifier: MIT

#include "message_box.h"

#include "platform/failure_text.h"
#include "win_text.h"

#include <string>

namespace tovalin::platform {

void showMessageBox(HWND owner, std::u16string_view prompt, std::int32_t buttons,
                    std::u16string_view title) {
    MessageBoxW(owner, toWide(prompt).c_str(), toWide(title).c_str(),
                static_cast<UINT>(buttons) | MB_APPLMODAL);
}

void reportFailure(HWND owner, const char* what) {
    std::wstring text = toWide(kUnexpectedFailure) + L'\n';
    const int length = MultiByteToWideChar(CP_UTF8, 0, what, -1, nullptr, 0);
    if (length > 1) {
        std::wstring detail(static_cast<std::size_t>(length), L'\0');
        MultiByteToWideChar(CP_UTF8, 0, what, -1, detail.data(), length);
        text += detail.c_str();
    }
    MessageBoxW(owner, text.c_str(), L"Tovalin", MB_OK | MB_ICONERROR | MB_APPLMODAL);
}

} // namespace tovalin::platform
