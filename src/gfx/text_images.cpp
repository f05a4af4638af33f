// SPDX-License-Identifier: MIT
#include "gfx/text_images.h"

#include <QFontMetrics>

#include <string>
#include <unordered_map>

#include "gfx/qt_fonts.h"
#include "gfx/text_codec.h"

namespace tarvex {

namespace {

QColor qcolor(Rgb c) {
    return QColor(c.r, c.g, c.b);
}

// Texts kept at most; past it the images are dropped and drawn again.
constexpr std::size_t kMaxTextImages = 256;

// Where glyphs of text at (0, 0) may reach: the cell and the glyphs' own
// bounds, with a margin for the rasteriser's rounding.
QRect reach(const QFontMetrics& m, const QString& s, const CellFont& font, int baseline) {
    const QRect cell(0, 0, m.horizontalAdvance(s), font.height);
    return cell.united(m.boundingRect(s).translated(0, baseline)).adjusted(-2, -2, 2, 2);
}

int baseline_of(const QFontMetrics& m, const CellFont& font) {
    // The cell is font.height high; centre the font's own ascent + descent in it.
    const int slack = font.height - (m.ascent() + m.descent());
    return slack / 2 + m.ascent();
}

}  // namespace

std::string text_key(std::string_view bytes, const CellFont& f, Rgb fg, Rgb bg) {
    std::string k(bytes);
    k += '\0';
    for (int v : {f.height, f.width, f.weight, static_cast<int>(f.charset)})
        k += std::to_string(v) + ',';
    for (Rgb c : {fg, bg})
        k += {static_cast<char>(c.r), static_cast<char>(c.g), static_cast<char>(c.b)};
    return k;
}

void draw_text_directly(QPainter& painter, Point at, std::string_view bytes, const CellFont& font,
                        Rgb fg, Rgb bg) {
    if (bytes.empty())
        return;
    const QFont& f = qt_font(font);
    const QString s = QString::fromUtf8(to_utf8(bytes, font.charset));
    const QFontMetrics m(f);
    const int baseline = baseline_of(m, font);
    painter.fillRect(QRect(at.x, at.y, m.horizontalAdvance(s), font.height), qcolor(bg));
    painter.setFont(f);
    painter.setPen(qcolor(fg));
    painter.drawText(at.x, at.y + baseline, s);
}

QRect text_reach(std::string_view bytes, const CellFont& font) {
    const QFontMetrics m(qt_font(font));
    const QString s = QString::fromUtf8(to_utf8(bytes, font.charset));
    return reach(m, s, font, baseline_of(m, font));
}

const TextImage& text_image(std::string_view bytes, const CellFont& font, Rgb fg, Rgb bg) {
    static std::unordered_map<std::string, TextImage> images;
    std::string key = text_key(bytes, font, fg, bg);
    const auto it = images.find(key);
    if (it != images.end())
        return it->second;
    if (images.size() >= kMaxTextImages)
        images.clear();

    const QFontMetrics m(qt_font(font));
    const QString s = QString::fromUtf8(to_utf8(bytes, font.charset));
    const QRect area = reach(m, s, font, baseline_of(m, font));
    TextImage t;
    t.offset = area.topLeft();
    t.image = QImage(area.size().expandedTo(QSize(1, 1)), QImage::Format_ARGB32_Premultiplied);
    t.image.fill(Qt::transparent);
    {
        QPainter p(&t.image);
        p.setRenderHint(QPainter::Antialiasing, false);
        p.setRenderHint(QPainter::TextAntialiasing, false);
        draw_text_directly(p, {-area.left(), -area.top()}, bytes, font, fg, bg);
    }
    return images.emplace(std::move(key), std::move(t)).first->second;
}

}  // namespace tarvex
