// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QImage>

#include <set>

#include "gfx/palette.h"
#include "gfx/qpainter_canvas.h"
#include "gfx/qt_fonts.h"
#include "gfx/text_codec.h"

using namespace tarvex;
namespace pal = tarvex::palette;

namespace {

QImage blank(int w, int h, Rgb c = pal::kGrey) {
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(QColor(c.r, c.g, c.b));
    return img;
}

Rgb at(const QImage& img, int x, int y) {
    QRgb p = img.pixel(x, y);
    return {static_cast<std::uint8_t>(qRed(p)), static_cast<std::uint8_t>(qGreen(p)),
            static_cast<std::uint8_t>(qBlue(p))};
}

std::set<QRgb> colours(const QImage& img) {
    std::set<QRgb> s;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            s.insert(img.pixel(x, y) & 0xFFFFFF);
    return s;
}

QRgb rgb(Rgb c) {
    return (c.r << 16) | (c.g << 8) | c.b;
}

}  // namespace

TEST(QPainterCanvas, RectangleCoversLeftToRightMinusOne) {
    QImage img = blank(40, 30);
    {
        QPainterCanvas c(img);
        c.rectangle({5, 4, 15, 12}, pal::kPenBlack, pal::kBrushYellow);
        // Edges given the wrong way round draw the same shape.
        c.rectangle({35, 20, 25, 14}, pal::kPenRed, pal::kBrushCyan);
    }
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 40; ++x) {
            const bool in1 = x >= 5 && x <= 14 && y >= 4 && y <= 11;
            const bool edge1 = in1 && (x == 5 || x == 14 || y == 4 || y == 11);
            const bool in2 = x >= 25 && x <= 34 && y >= 14 && y <= 19;
            const bool edge2 = in2 && (x == 25 || x == 34 || y == 14 || y == 19);
            Rgb want = edge1   ? pal::kBlack
                       : in1   ? pal::kYellow
                       : edge2 ? pal::kRed
                       : in2   ? pal::kCyan
                               : pal::kGrey;
            ASSERT_EQ(at(img, x, y), want) << x << "," << y;
        }
}

TEST(QPainterCanvas, OpaqueTextFillsItsCellsWithTheBackground) {
    QImage img = blank(200, 60);
    const CellFont font{18, 8, 300, Charset::CentralEuropean};
    {
        QPainterCanvas c(img);
        c.text({10, 20}, "0.45", font, pal::kBlack, pal::kWhite);
    }
    // The cell row is exactly the font height: white from y 20 to 37, grey outside.
    int white_top = -1, white_bottom = -1, right = -1;
    for (int y = 0; y < 60; ++y)
        if (at(img, 11, y) == pal::kWhite || at(img, 12, y) == pal::kWhite) {
            if (white_top < 0)
                white_top = y;
            white_bottom = y;
        }
    for (int x = 0; x < 200; ++x)
        if (at(img, x, 21) == pal::kWhite)
            right = x;
    EXPECT_EQ(white_top, 20);
    EXPECT_EQ(white_bottom, 37);
    EXPECT_EQ(at(img, 9, 25), pal::kGrey);
    // Four characters of about 8 pixels each.
    EXPECT_GT(right, 10 + 20);
    EXPECT_LT(right, 10 + 45);
    // Some ink was drawn, and only in the two colours asked for.
    const auto used = colours(img.copy(10, 20, right - 9, 18));
    EXPECT_EQ(used, (std::set<QRgb>{rgb(pal::kBlack), rgb(pal::kWhite)}));
}

TEST(QPainterCanvas, NothingIsAntialiased) {
    QImage img = blank(300, 200);
    {
        QPainterCanvas c(img);
        c.ellipse({10, 10, 60, 50}, pal::kPenBlack, pal::kBrushRed);
        c.round_rect({70, 10, 200, 90}, 20, 20, pal::kPenBlack, pal::kBrushSilver);
        c.line({10, 120}, {290, 190}, pal::kPenRed4);
        c.line({10, 190}, {290, 100}, pal::kPenNavy);
        const Point pts[] = {{20, 100}, {60, 140}, {100, 110}, {140, 170}};
        c.polyline(pts, pal::kPenGreen2);
        c.text({210, 20}, "LPG ON", {36, 14, 600, Charset::CentralEuropean}, pal::kDarkGreen,
               pal::kSilver);
    }
    const std::set<QRgb> allowed{rgb(pal::kGrey),     rgb(pal::kBlack), rgb(pal::kRed),
                                 rgb(pal::kSilver),   rgb(pal::kNavy),  rgb(pal::kGreen),
                                 rgb(pal::kDarkGreen)};
    for (QRgb c : colours(img))
        EXPECT_TRUE(allowed.count(c)) << std::hex << c;
    // The ellipse is filled at its centre and leaves its bounding box's corners.
    EXPECT_EQ(at(img, 35, 30), pal::kRed);
    EXPECT_EQ(at(img, 11, 11), pal::kGrey);
}

TEST(QPainterCanvas, OnePixelLinesLeaveOutTheirEndPoint) {
    QImage img = blank(20, 20);
    {
        QPainterCanvas c(img);
        c.line({2, 5}, {12, 5}, pal::kPenBlack);
        c.line({4, 8}, {4, 18}, pal::kPenRed);
    }
    for (int x = 2; x < 12; ++x)
        EXPECT_EQ(at(img, x, 5), pal::kBlack) << x;
    EXPECT_EQ(at(img, 12, 5), pal::kGrey);
    EXPECT_EQ(at(img, 1, 5), pal::kGrey);
    for (int y = 8; y < 18; ++y)
        EXPECT_EQ(at(img, 4, y), pal::kRed) << y;
    EXPECT_EQ(at(img, 4, 18), pal::kGrey);
}

TEST(TextCodec, DecodesBothCodePages) {
    // "Język" in windows-1250 and "Язык" in windows-1251.
    EXPECT_EQ(to_utf8("J\xEAzyk", Charset::CentralEuropean), "J\xC4\x99zyk");
    EXPECT_EQ(to_utf8("\xDF\xE7\xFB\xEA", Charset::Cyrillic), "\xD0\xAF\xD0\xB7\xD1\x8B\xD0\xBA");
    EXPECT_EQ(to_utf8("\xB0"
                      "C",
                      Charset::CentralEuropean),
              "\xC2\xB0"
              "C");
    EXPECT_EQ(to_utf8("abc", Charset::Cyrillic), "abc");
}

// A font of h x w has a cell h pixels high whose average character, the
// frequency-weighted mean of the advances of a to z and the space, is w
// pixels wide. Measured here from the font's own advances.
TEST(QtFonts, AverageCharacterIsTheAskedWidth) {
    constexpr int kWeights[27] = {64, 14, 27, 35, 100, 20, 14, 42, 63, 3, 6,  35, 20, 56,
                                  56, 17, 4,  49, 56,  71, 31, 10, 18, 3, 18, 2,  166};
    auto weighted_mean = [&](const QFont& f) {
        const QFontMetricsF m(f);
        double sum = 0;
        for (int i = 0; i < 26; ++i)
            sum += kWeights[i] * m.horizontalAdvance(QChar(u'a' + i));
        return (sum + kWeights[26] * m.horizontalAdvance(QChar(u' '))) / 1000.0;
    };
    // The measure itself: Arial's (and Liberation Sans's) is 904.5/2048 em.
    QFont em(QStringLiteral("Liberation Sans"));
    em.setPixelSize(2048);
    EXPECT_NEAR(weighted_mean(em), 904.5, 1.0);
    EXPECT_NEAR(average_char_width(em), 904.5, 1.0);

    const CellFont fonts[] = {{28, 11, 600}, {36, 14, 600}, {49, 18, 600},
                              {62, 23, 600}, {65, 23, 600}, {14, 6, 300},
                              {18, 8, 300},  {22, 10, 300}, {24, 12, 300}};
    for (Charset cs : {Charset::CentralEuropean, Charset::Cyrillic})
        for (CellFont f : fonts) {
            f.charset = cs;
            const QFont& q = qt_font(f);
            EXPECT_NEAR(weighted_mean(q), f.width, 1.0) << f.height << " x " << f.width;
            EXPECT_NEAR(average_char_width(q), weighted_mean(q), 0.01);
            // The cell height is kept: ascent and descent fill it.
            const QFontMetrics m(q);
            EXPECT_NEAR(m.ascent() + m.descent(), f.height, 1) << f.height << " x " << f.width;
        }
}
