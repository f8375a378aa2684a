// SPDX-FileCopyrightText: 2026 Tovalin developers
// SPDX-License-Identifier: MIT

// The window's fixed layout and captions, in twips (1/1440 inch; 15 twips
// make one pixel at 96 dpi). Both the Qt and the Win32 window are built
// from this one table.
#pragma once

#include <array>
#include <string_view>

namespace tovalin::layout {

struct TwipsRect {
    int left;
    int top;
    int width;
    int height;
};

enum class Kind { Label, TextBox, Button };

struct Control {
    std::string_view name;
    Kind kind;
    std::u16string_view caption;
    TwipsRect rect;
    int tabIndex;
};

inline constexpr int kTwipsPerInch = 1440;

inline constexpr std::u16string_view kWindowCaption = u"Tovalin";
inline constexpr int kClientWidth = 6075;
inline constexpr int kClientHeight = 975;

inline constexpr Control kLabel1{"Label1", Kind::Label, u"转换前的数据:", {120, 120, 1215, 255}, 0};
inline constexpr Control kLabel2{
    "Label2", Kind::Label, u"转换后的数据:", {3360, 120, 1215, 255}, 1};
inline constexpr Control kFileSj{"file_sj", Kind::TextBox, u"", {120, 480, 2535, 270}, 2};
inline constexpr Control kAsmSj{"asm_sj", Kind::TextBox, u"", {3360, 480, 2535, 270}, 3};
inline constexpr Control kFA{"f_a", Kind::Button, u"->", {2760, 480, 495, 255}, 4};

// In window order: each label just before the box it names, as screen readers
// on Windows name a box by the label that precedes it. Tab walks the boxes and
// the button in this order too, which is their tab-index order.
inline constexpr std::array<const Control*, 5> kControls{&kLabel1, &kFileSj, &kLabel2, &kAsmSj,
                                                         &kFA};

constexpr bool focusableInTabOrder() {
    int last = -1;
    for (const Control* control : kControls) {
        if (control->kind != Kind::Label) {
            if (control->tabIndex <= last) {
                return false;
            }
            last = control->tabIndex;
        }
    }
    return true;
}
static_assert(focusableInTabOrder());

// Twips to pixels at `dpi` dots per inch, rounded to the nearest pixel.
constexpr int toPixels(int twips, int dpi) {
    return (twips * dpi + kTwipsPerInch / 2) / kTwipsPerInch;
}

// What a screen reader says for the arrow button, since "->" reads as punctuation.
inline constexpr std::u16string_view kConvertAccessibleName = u"转换字节顺序";
inline constexpr std::u16string_view kConvertAccessibleDescription =
    u"把左边的16进制数据按字节倒序，结果显示在右边";

} // namespace tovalin::layout
