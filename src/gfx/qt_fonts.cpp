#include "gfx/qt_fonts.h"

#include <QFontMetricsF>

#include <algorithm>
#include <cmath>
#include <map>
#include <tuple>

namespace tarvex {

namespace {

struct SpecLess {
    bool operator()(const CellFont& a, const CellFont& b) const {
        return std::tie(a.height, a.width, a.weight, a.charset) <
               std::tie(b.height, b.width, b.weight, b.charset);
    }
};

QFont make_font(const CellFont& font) {
    QFont f(QStringLiteral("Liberation Sans"));
    f.setStyleHint(QFont::SansSerif);
    f.setStyleStrategy(QFont::StyleStrategy(QFont::NoAntialias | QFont::PreferMatch));
    f.setHintingPreference(QFont::PreferFullHinting);
    f.setWeight(font.weight >= 550 ? QFont::Bold : QFont::Normal);
    f.setKerning(false);

    // Measure the face at a reference size, then scale to the wanted cell.
    QFont ref = f;
    ref.setPixelSize(100);
    QFontMetricsF m(ref);
    const double cell = m.ascent() + m.descent();
    const int pixel = std::max(1, static_cast<int>(std::lround(font.height * 100.0 / cell)));
    f.setPixelSize(pixel);
    if (font.width > 0) {
        const double avg = m.averageCharWidth() * pixel / 100.0;
        if (avg > 0) {
            int stretch = static_cast<int>(std::lround(100.0 * font.width / avg));
            stretch = std::clamp(stretch, 50, 200);
            if (std::abs(stretch - 100) > 2)
                f.setStretch(stretch);
        }
    }
    return f;
}

}  // namespace

const QFont& qt_font(const CellFont& font) {
    static std::map<CellFont, QFont, SpecLess> cache;
    auto it = cache.find(font);
    if (it == cache.end())
        it = cache.emplace(font, make_font(font)).first;
    return it->second;
}

}  // namespace tarvex
