#include "font_fit.h"

#include "platform/qt/qt_text.h"
#include "window/layout.h"

#include <QFontMetrics>
#include <QString>

namespace tovalin {

namespace {

// Space a control's own frame and margins take from its width and height, in
// pixels at 96 dpi: text boxes and the button lose a 2-pixel frame and a
// 1-pixel margin on each side.
int chromeOf(layout::Kind kind) { return kind == layout::Kind::Label ? 0 : 6; }

int pixels(int twips) { return layout::toPixels(twips, 96); }

} // namespace

bool captionsFit(const QFont& font) {
    const QFontMetrics metrics(font);
    for (const layout::Control* control : layout::kControls) {
        const QString sample = control->kind == layout::Kind::TextBox
                                   ? QStringLiteral("DDDDDDDD")
                                   : platform::toQString(control->caption);
        const int chrome = chromeOf(control->kind);
        if (metrics.horizontalAdvance(sample) > pixels(control->rect.width) - chrome) {
            return false;
        }
        const int height = control->kind == layout::Kind::Label ? metrics.height()
                                                                : metrics.boundingRect(sample).height();
        if (height > pixels(control->rect.height) - chrome + 2) {
            return false;
        }
    }
    return true;
}

QFont fittingFont(const QFont& base) {
    QFont font = base;
    while (!captionsFit(font) && font.pixelSize() != 6 && font.pointSizeF() > 4.5) {
        if (font.pointSizeF() > 0) {
            font.setPointSizeF(font.pointSizeF() - 0.5);
        } else {
            font.setPixelSize(font.pixelSize() - 1);
        }
    }
    return font;
}

} // namespace tovalin
