// SPDX-FileCopyrightText: 2026 Tovalin developers
// SPDX-License-Identifier: MIT

#include "font_fit.h"

#include "platform/qt/qt_text.h"
#include "window/layout.h"

#include <QFontMetrics>
#include <QString>

#include <algorithm>

namespace tovalin {

namespace {

struct Chrome {
    int width;
    int height;
};

// Pixels a control's frame and text margins take from its rectangle: a text
// box has a 1-pixel frame and 2-pixel side margins, a button about the same.
Chrome chromeOf(layout::Kind kind) {
    return kind == layout::Kind::Label ? Chrome{0, 0} : Chrome{6, 2};
}

// Eight of the widest hex digit, the longest text a box is meant to show.
int widestEightDigits(const QFontMetrics& metrics) {
    int widest = 0;
    for (QChar digit : QStringLiteral("0123456789ABCDEFabcdef")) {
        widest = std::max(widest, metrics.horizontalAdvance(digit));
    }
    return 8 * widest;
}

} // namespace

bool captionsFit(const QFont& font) {
    const QFontMetrics metrics(font);
    for (const layout::Control* control : layout::kControls) {
        const int width = control->kind == layout::Kind::TextBox
                              ? widestEightDigits(metrics)
                              : metrics.horizontalAdvance(platform::toQString(control->caption));
        const Chrome chrome = chromeOf(control->kind);
        if (width > layout::toPixels(control->rect.width, 96) - chrome.width ||
            metrics.height() > layout::toPixels(control->rect.height, 96) - chrome.height) {
            return false;
        }
    }
    return true;
}

QFont fittingFont(const QFont& base) {
    QFont font = base;
    const bool inPixels = font.pointSizeF() <= 0;
    // Half a point (or a pixel) at a time, down to a size still readable.
    while (!captionsFit(font)) {
        if (inPixels && font.pixelSize() > 6) {
            font.setPixelSize(font.pixelSize() - 1);
        } else if (!inPixels && font.pointSizeF() > 5) {
            font.setPointSizeF(font.pointSizeF() - 0.5);
        } else {
            break;
        }
    }
    return font;
}

} // namespace tovalin
