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

// The TPS panel of an idle switch shows " ON" over "OFF" and "OFF" over
// " ON", live and under the cursor, at every size: no dark pixel of the "F"
// stays right of " ON", and "OFF" shows whole, as drawn on a clean surface.
TEST(ScopeReadoutPixels, OnAndOffOverwriteEachOtherWholly) {
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
            auto draw = [&](int state_bits) {
                image.SettingsBlock1[block1::LambdaType] = 6;
                image.LiveFrame[live::LiveStateBits] = static_cast<std::uint8_t>(state_bits);
                buf.lambda_type[10] = 6;
                buf.state_bit[10] = static_cast<std::uint8_t>(state_bits & 0x10);
                if (cursor)
                    DrawScopeCursor(c, s, 10);
                else
                    RecordScopeTick(c, s);
            };
            const std::string where =
                "size " + std::to_string(mode) + (cursor ? " cursor" : " live");
            const Point at = size.scale.pt(630, 400);
            const CellFont& large = fonts.LargeFont;
            const int on_end = at.x + advance(" ON", large);
            const int off_end = at.x + advance("OFF", large);
            ASSERT_LT(on_end, off_end);
            draw(0x10);
            draw(0x00);
            int dark = 0, first = -1;
            for (int y = at.y; y < at.y + large.height; ++y)
                for (int x = on_end; x < off_end + 2; ++x)
                    if (qGray(img.pixel(x, y)) < 128) {
                        ++dark;
                        if (first < 0)
                            first = x;
                    }
            EXPECT_EQ(dark, 0) << where << ": dark pixels from x " << first << ", text ends at "
                               << on_end;

            draw(0x10);
            QImage alone(img.size(), QImage::Format_RGB32);
            alone.fill(Qt::white);
            {
                QPainterCanvas clean(alone);
                clean.text(at, "OFF", large, {0, 0, 0}, {255, 255, 255});
            }
            const QRect text(at.x, at.y, off_end - at.x + 2, large.height);
            EXPECT_EQ(img.copy(text), alone.copy(text)) << where << ": \"OFF\" is cut";

            // A volts read-out after it (a slot of another sensor type under
            // the cursor) leaves nothing of "OFF" before its unit.
            image.SettingsBlock1[block1::LambdaType] = 0;
            buf.lambda_type[10] = 0;
            cursor ? DrawScopeCursor(c, s, 10) : RecordScopeTick(c, s);
            const int volts_end = at.x + advance("0.00", large);
            int left = 0;
            for (int y = at.y; y < at.y + large.height; ++y)
                for (int x = volts_end; x < size.scale.x(700); ++x)
                    left += qGray(img.pixel(x, y)) < 128;
            EXPECT_EQ(left, 0) << where << ": \"OFF\" left before the unit";
            // And the switch again: the unit goes.
            draw(0x10);
            const int unit = size.scale.x(700);
            left = 0;
            for (int y = at.y; y < at.y + large.height; ++y)
                for (int x = unit; x < unit + advance("V", large); ++x)
                    left += qGray(img.pixel(x, y)) < 128;
            EXPECT_EQ(left, 0) << where << ": the unit stays beside \"OFF\"";
        }
}
