// SPDX-License-Identifier: MIT
// The oscilloscope's read-outs drawn into real pixels: a shorter text over a
// longer one leaves nothing of the old one.
#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QImage>

#include "gfx/qpainter_canvas.h"
#include "gfx/qt_fonts.h"
#include "gfx/text_codec.h"
#include "scope/scope_trace.h"
#include "support/start_folder.h"

using namespace tarvex;

namespace {

int advance(const std::string& text, const CellFont& font) {
    return QFontMetrics(qt_font(font))
        .horizontalAdvance(QString::fromUtf8(to_utf8(text, font.charset)));
}

}  // namespace

// The TPS panel of an idle switch shows " ON" over "OFF", live and under the
// cursor, at every size: no dark pixel of the "F" stays right of the new text,
// nor before the unit of volts drawn over it; "OFF" shows whole, without a unit.
TEST(ScopeReadoutPixels, OnOffAndVoltsOverEachOtherLeaveNoTail) {
    for (int mode = 1; mode <= 5; ++mode)
        for (bool cursor : {false, true}) {
            ScopeBuffers buf;
            ScopeState state;
            ControllerImage image;
            LinkState link;
            SizeState size;
            set_size_mode(size, mode);
            const FontChoice fonts = choose_fonts(mode, "ang");
            const UiTexts texts = tarvex::testing::numbered_texts("S");
            int rpm = 0;
            ResetScopeBuffers(buf, size.scale);
            link.NoConnection = 1;  // read-outs only, nothing recorded
            state.ScopeCursorOn = cursor ? 1 : 0;
            Scope s{buf,           state, image, link, size.scale,
                    size.SizeMode, fonts, texts, rpm,  {236, 236, 236}};
            QImage img(1280, 1024, QImage::Format_RGB32);
            img.fill(Qt::white);
            QPainterCanvas c(img);
            auto draw = [&](int state_bits, std::uint8_t type = 6) {
                image.SettingsBlock1[block1::LambdaType] = buf.lambda_type[10] = type;
                image.LiveFrame[live::LiveStateBits] = static_cast<std::uint8_t>(state_bits);
                buf.state_bit[10] = static_cast<std::uint8_t>(state_bits & 0x10);
                if (cursor)
                    DrawScopeCursor(c, s, 10);
                else
                    RecordScopeTick(c, s);
            };
            const Point at = size.scale.pt(630, 400);
            const CellFont& large = fonts.LargeFont;
            const std::string where = std::to_string(mode) + (cursor ? " cursor" : " live");
            auto dark = [&](int from, int to) {
                int n = 0;
                for (int y = at.y; y < at.y + large.height; ++y)
                    for (int x = from; x < to; ++x)
                        n += qGray(img.pixel(x, y)) < 128;
                return n;
            };
            const int unit = size.scale.x(700), unit_end = unit + advance("V", large);
            draw(0x10);
            draw(0x00);
            EXPECT_EQ(dark(at.x + advance(" ON", large), unit_end), 0) << where << " ON";
            draw(0x10, 0);
            EXPECT_EQ(dark(at.x + advance("0.00", large), unit), 0) << where << " volts";
            draw(0x10);
            EXPECT_EQ(dark(unit, unit_end), 0) << where << " unit";
            QImage alone(advance("OFF", large) + 2, large.height, QImage::Format_RGB32);
            alone.fill(Qt::white);
            QPainterCanvas(alone).text({0, 0}, "OFF", large, {}, {255, 255, 255});
            EXPECT_EQ(img.copy(QRect({at.x, at.y}, alone.size())), alone) << where << " cut";
        }
}
