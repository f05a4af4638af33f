// SPDX-License-Identifier: MIT
// The QPainter canvas's shortcuts draw exactly what plain painting draws:
// texts copied from images drawn once, solid fills written straight into the
// surface, texts left out when the surface already shows them; and what it
// reports as drawn covers every pixel it changed.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include <random>
#include <string>
#include <vector>

#include "gfx/palette.h"
#include "gfx/qpainter_canvas.h"
#include "gfx/text_images.h"
#include "gfx/text_memo.h"

using namespace tarvex;
namespace pal = tarvex::palette;

namespace {

// A surface of pixels that all differ from their neighbours, so that any
// pixel drawn or left out shows.
QImage noise(int w, int h, unsigned seed) {
    QImage img(w, h, QImage::Format_RGB32);
    std::mt19937 rng(seed);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            img.setPixel(x, y, 0xFF000000u | (rng() & 0xFFFFFFu));
    return img;
}

QColor qc(Rgb c) {
    return QColor(c.r, c.g, c.b);
}

// The pixels where two images differ.
int differing(const QImage& a, const QImage& b) {
    int n = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            n += a.pixel(x, y) != b.pixel(x, y);
    return n;
}

const CellFont kFonts[] = {
    {14, 6, 400, Charset::CentralEuropean},  {18, 8, 400, Charset::CentralEuropean},
    {23, 9, 700, Charset::CentralEuropean},  {30, 12, 400, Charset::Cyrillic},
    {40, 16, 700, Charset::CentralEuropean}, {52, 20, 400, Charset::Cyrillic}};
const char* const kTexts[] = {"0.00",
                              "1200",
                              "077",
                              " ON",
                              "OFF",
                              "_.__",
                              "V",
                              "LPG",
                              "Wj|",
                              "\xcf\xf0\xe8\xe2\xe5\xf2",
                              "\xb9\xea\xb3\xbf",
                              "fff"};

}  // namespace

TEST(CanvasShortcuts, TextsFromImagesAreThePixelsOfPlainDrawing) {
    unsigned seed = 1;
    for (const CellFont& font : kFonts)
        for (const char* text : kTexts)
            for (const auto& [fg, bg] :
                 {std::pair{pal::kBlack, pal::kWhite}, std::pair{pal::kBlack, pal::kCyan},
                  std::pair{pal::kOlive, Rgb{236, 236, 236}}}) {
                const QImage start = noise(220, 90, seed++);
                QImage plain = start;
                {
                    QPainter p(&plain);
                    p.setRenderHint(QPainter::TextAntialiasing, false);
                    draw_text_directly(p, {17, 11}, text, font, fg, bg);
                }
                // Twice: drawn into its image the first time, copied the second.
                for (int pass = 0; pass < 2; ++pass) {
                    QImage copied = start;
                    QPainterCanvas c(copied);
                    c.text({17, 11}, text, font, fg, bg);
                    EXPECT_EQ(differing(plain, copied), 0)
                        << text << " font " << font.height << " pass " << pass;
                }
                EXPECT_GT(differing(start, plain), 0) << text;
            }
}

TEST(CanvasShortcuts, SolidFillsAreThePixelsOfThePainter) {
    struct Case {
        Rect r;
        Pen pen;
        Brush brush;
    } cases[] = {
        {{10, 10, 60, 40}, pal::kPenBlack, pal::kBrushWhite},
        {{10, 10, 60, 40}, pal::kPenWhite, pal::kBrushWhite},
        {{30, 5, 31, 80}, pal::kPenRed, pal::kBrushWhite},        // one pixel wide: all outline
        {{30, 5, 32, 80}, pal::kPenRed, pal::kBrushWhite},        // two
        {{30, 5, 33, 80}, pal::kPenRed, pal::kBrushWhite},        // three: white inside
        {{5, 30, 90, 31}, pal::kPenNavy, pal::kBrushGreen},       // one pixel high
        {{-20, -5, 15, 12}, pal::kPenBlack, pal::kBrushCyan},     // past the top-left corner
        {{80, 70, 140, 130}, pal::kPenBlack, pal::kBrushYellow},  // past the bottom-right
        {{50, 50, 20, 20}, pal::kPenBlack, pal::kBrushWhite},     // edges given in reverse
    };
    unsigned seed = 100;
    for (const auto& c : cases) {
        const QImage start = noise(100, 90, seed++);
        QImage painted = start;
        {
            // What the canvas drew with the painter: fill, then four edges.
            const Rect r = normalized(c.r);
            const QRect all(r.left, r.top, r.right - r.left, r.bottom - r.top);
            QPainter p(&painted);
            p.fillRect(all, qc(c.brush.color));
            p.fillRect(QRect(all.left(), all.top(), all.width(), 1), qc(c.pen.color));
            p.fillRect(QRect(all.left(), all.bottom(), all.width(), 1), qc(c.pen.color));
            p.fillRect(QRect(all.left(), all.top(), 1, all.height()), qc(c.pen.color));
            p.fillRect(QRect(all.right(), all.top(), 1, all.height()), qc(c.pen.color));
        }
        QImage written = start;
        {
            QPainterCanvas canvas(written);
            canvas.rectangle(c.r, c.pen, c.brush);
        }
        EXPECT_EQ(differing(painted, written), 0) << c.r.left << "," << c.r.top;
    }
}

TEST(CanvasShortcuts, WhatIsReportedDrawnCoversEveryChangedPixel) {
    const QImage start = noise(300, 200, 7);
    QImage img = start;
    std::vector<QRegion> steps;
    QPainterCanvas c(img);
    c.rectangle({10, 10, 80, 60}, pal::kPenBlack, pal::kBrushWhite);
    c.rectangle({100, 10, 160, 60}, pal::kPenRed4, pal::kBrushCyan);
    c.round_rect({10, 80, 90, 140}, 20, 20, pal::kPenNavy2, pal::kBrushGreen);
    c.ellipse({100, 80, 170, 150}, pal::kPenBlue2, pal::kBrushYellow);
    c.line({180, 20}, {290, 70}, pal::kPenDarkOlive2);
    c.line({290, 90}, {180, 95}, pal::kPenRed);
    const Point poly[] = {{180, 120}, {200, 180}, {230, 110}, {260, 190}};
    c.polyline(poly, pal::kPenGreen2);
    c.text({12, 150}, "1200", {40, 16, 700, Charset::CentralEuropean}, pal::kBlack, pal::kWhite);
    const QRegion drawn = c.damage();
    int changed = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (img.pixel(x, y) != start.pixel(x, y)) {
                ++changed;
                EXPECT_TRUE(drawn.contains(QPoint(x, y))) << x << "," << y;
            }
    EXPECT_GT(changed, 1000);
    // Nothing drawn, nothing reported.
    QImage other = start;
    EXPECT_TRUE(QPainterCanvas(other).damage().isEmpty());
}

TEST(CanvasShortcuts, ATextTheSurfaceShowsIsLeftOutUntilSomethingDrawsOverIt) {
    const CellFont font{30, 12, 400, Charset::CentralEuropean};
    TextMemo memo;
    QImage with_memo = noise(200, 120, 3);
    QImage without = with_memo;
    // The same steps on both surfaces; only one canvas knows what is shown.
    struct Step {
        enum { Text, Rectangle } kind;
        Point at;
        const char* text;
        bool left_out;  // with the memo, nothing drawn
    } steps[] = {
        {Step::Text, {10, 10}, "0.42", false},
        {Step::Text, {10, 10}, "0.42", true},
        {Step::Text, {10, 60}, "1200", false},
        {Step::Text, {10, 10}, "0.44", false},  // another text at the same place
        {Step::Text, {10, 10}, "0.44", true},
        {Step::Rectangle, {30, 20}, nullptr, false},  // drawn over "0.44"
        {Step::Text, {10, 10}, "0.44", false},
        {Step::Text, {10, 60}, "1200", true},   // untouched all along
        {Step::Text, {11, 60}, "1200", false},  // one pixel to the right
    };
    for (const auto& s : steps) {
        QPainterCanvas a(with_memo, &memo);
        QPainterCanvas b(without);
        if (s.kind == Step::Text) {
            a.text(s.at, s.text, font, pal::kBlack, pal::kWhite);
            b.text(s.at, s.text, font, pal::kBlack, pal::kWhite);
            EXPECT_EQ(a.damage().isEmpty(), s.left_out) << s.text << " at " << s.at.x;
        } else {
            a.rectangle({s.at.x, s.at.y, s.at.x + 20, s.at.y + 20}, pal::kPenRed, pal::kBrushRed);
            b.rectangle({s.at.x, s.at.y, s.at.x + 20, s.at.y + 20}, pal::kPenRed, pal::kBrushRed);
        }
    }
    EXPECT_EQ(differing(with_memo, without), 0);

    // A surface of another size may have lost its texts: they are drawn again.
    QImage bigger = with_memo.copy(0, 0, 210, 120);
    QPainterCanvas c(bigger, &memo);
    c.text({11, 60}, "1200", font, pal::kBlack, pal::kWhite);
    EXPECT_FALSE(c.damage().isEmpty());
}
