// SPDX-FileCopyrightText: 2026 Tovalin developers
// SPDX-License-Identifier: MIT

// Writes the page's layout from the window's one table: the CSS that places
// each control (15 twips to a CSS pixel, as at 96 dpi), the window's caption,
// and the controls' markup in window order with their captions. Run at build
// time. Usage: page_layout CSS_FILE TITLE_FILE HTML_FILE
#include "window/layout.h"

#include <cstdio>
#include <fstream>
#include <string>
#include <string_view>

namespace {

using namespace tovalin;

// UTF-16 to UTF-8, escaped for HTML text and attribute values.
std::string html(std::u16string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        char32_t c = text[i];
        if (c >= 0xD800 && c < 0xDC00 && i + 1 < text.size()) {
            c = 0x10000 + ((c - 0xD800) << 10) + (text[++i] - 0xDC00);
        }
        if (c == '&' || c == '<' || c == '>' || c == '"') {
            out += c == '&' ? "&amp;" : c == '<' ? "&lt;" : c == '>' ? "&gt;" : "&quot;";
        } else if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c < 0x800) {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            out += static_cast<char>(0xE0 | (c >> 12));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (c >> 18));
            out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}

std::string px(int twips) {
    return std::to_string(layout::toPixels(twips, 96)) + "px";
}

std::string name(const layout::Control& control) {
    return std::string(control.name);
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: page_layout CSS_FILE TITLE_FILE HTML_FILE\n");
        return 2;
    }
    std::ofstream title(argv[2]);
    title << html(layout::kWindowCaption);
    std::ofstream css(argv[1]);
    css << "#Form1{width:" << px(layout::kClientWidth) << ";height:" << px(layout::kClientHeight)
        << "}\n";
    std::ofstream markup(argv[3]);
    for (const layout::Control* control : layout::kControls) {
        const layout::TwipsRect& r = control->rect;
        css << '#' << name(*control) << "{left:" << px(r.left) << ";top:" << px(r.top)
            << ";width:" << px(r.width) << ";height:" << px(r.height) << "}\n";
        switch (control->kind) {
        case layout::Kind::Label: {
            // A label names the box that follows it.
            const layout::Control* box = nullptr;
            for (std::size_t i = 0; i + 1 < layout::kControls.size(); ++i) {
                if (layout::kControls[i] == control) {
                    box = layout::kControls[i + 1];
                }
            }
            markup << "<label id=\"" << name(*control) << "\" for=\"" << (box ? name(*box) : "")
                   << "\">" << html(control->caption) << "</label>\n";
            break;
        }
        case layout::Kind::TextBox:
            // The output box is read only: the conversion alone writes it.
            markup << "<input id=\"" << name(*control) << "\" type=\"text\" value=\""
                   << html(control->caption) << "\" autocomplete=\"off\" spellcheck=\"false\""
                   << (control == &layout::kAsmSj ? " readonly" : "") << ">\n";
            break;
        case layout::Kind::Button:
            markup << "<button id=\"" << name(*control) << "\" type=\"submit\" aria-label=\""
                   << html(layout::kConvertAccessibleName) << "\" aria-description=\""
                   << html(layout::kConvertAccessibleDescription) << "\">" << html(control->caption)
                   << "</button>\n";
            break;
        }
    }
    return css && title && markup ? 0 : 1;
}
