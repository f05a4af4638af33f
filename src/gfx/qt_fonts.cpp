// SPDX-License-Identifier: MIT
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

// The stretch (percent) that makes f's average character `width` pixels wide.
int stretch_for(const QFont& f, int width) {
    const double avg = average_char_width(f);
    if (avg <= 0)
        return f.stretch();
    return std::clamp(static_cast<int>(std::lround(f.stretch() * width / avg)), 50, 200);
}

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
        // Measured at the size used, as hinting rounds the advances. A second
        // step corrects for what the stretched advances round to; the closer
        // of the two is kept.
        f.setStretch(100);
        f.setStretch(stretch_for(f, font.width));
        QFont second = f;
        second.setStretch(stretch_for(f, font.width));
        if (std::abs(average_char_width(second) - font.width) <
            std::abs(average_char_width(f) - font.width))
            f = second;
    }
    return f;
}

}  // namespace

double average_char_width(const QFont& font) {
    // Weights per thousand of a to z, then the space: English letter
    // frequencies, as the first definition of the OS/2 table's average width.
    static constexpr int kWeights[27] = {64, 14, 27, 35, 100, 20, 14, 42, 63, 3, 6,  35, 20, 56,
                                         56, 17, 4,  49, 56,  71, 31, 10, 18, 3, 18, 2,  166};
    const QFontMetricsF m(font);
    double sum = 0;
    for (int i = 0; i < 26; ++i)
        sum += kWeights[i] * m.horizontalAdvance(QChar(u'a' + i));
    sum += kWeights[26] * m.horizontalAdvance(QChar(u' '));
    return sum / 1000.0;
}

const QFont& qt_font(const CellFont& font) {
    static std::map<CellFont, QFont, SpecLess> cache;
    auto it = cache.find(font);
    if (it == cache.end())
        it = cache.emplace(font, make_font(font)).first;
    return it->second;
}

}  // namespace tarvex
