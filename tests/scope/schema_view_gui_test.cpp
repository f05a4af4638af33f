// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <QScrollBar>

#include "app/commands.h"
#include "scope/schema_view.h"
#include "support/shell_test.h"

using namespace tarvex;

namespace {

struct SchemaFixture : tarvex::testing::ShellTest {
    void SetUp() override {
        ShellTest::SetUp();
        open_window();
    }
    SchemaView* view() { return qobject_cast<SchemaView*>(window->current_view()); }
};

}  // namespace

TEST_F(SchemaFixture, PicturesAndScrollingAtSmallSizes) {
    window->run_command(cmd::Schema);
    ASSERT_NE(view(), nullptr);
    EXPECT_EQ(view()->picture().size(), QSize(961, 636));
    QScrollBar* h = view()->bar(Qt::Horizontal);
    EXPECT_TRUE(h->isVisible());
    EXPECT_EQ(h->minimum(), 1);
    EXPECT_EQ(h->maximum(), 211);
    EXPECT_EQ(view()->bar(Qt::Vertical)->maximum(), 151);
    // The first copy shows the picture's top-left pixel at the origin.
    EXPECT_EQ(view()->surface().pixel(10, 10), view()->picture().pixel(0, 0));

    h->triggerAction(QAbstractSlider::SliderPageStepAdd);
    EXPECT_EQ(view()->layout().DiagramScroll.x, 50);
    EXPECT_EQ(view()->surface().pixel(10, 10), view()->picture().pixel(50, 0));
    h->triggerAction(QAbstractSlider::SliderSingleStepSub);
    h->triggerAction(QAbstractSlider::SliderPageStepSub);
    EXPECT_EQ(view()->layout().DiagramScroll.x, 1);
    view()->scroll(Qt::Vertical, 5, 120);
    EXPECT_EQ(view()->layout().DiagramScroll.y, 120);
    EXPECT_EQ(view()->bar(Qt::Vertical)->value(), 120);
    EXPECT_EQ(view()->surface().pixel(10, 10), view()->picture().pixel(1, 120));

    // Each language its picture; a size change starts again at (0, 0).
    window->run_command(cmd::LangRussian);
    ASSERT_NE(view(), nullptr);
    EXPECT_EQ(view()->layout().DiagramScroll, (Point{0, 0}));
    window->run_command(cmd::Size640);
    EXPECT_EQ(view()->bar(Qt::Horizontal)->maximum(), 361);
    EXPECT_EQ(view()->bar(Qt::Vertical)->maximum(), 266);
}

TEST_F(SchemaFixture, LargeSizesCentreTheWholePicture) {
    open_window({1280, 1024});
    window->run_command(cmd::Schema);
    ASSERT_NE(view(), nullptr);
    EXPECT_FALSE(view()->bar(Qt::Horizontal)->isVisible());
    EXPECT_FALSE(view()->bar(Qt::Vertical)->isVisible());
    const QSize c = window->client()->size();
    const Point o = view()->layout().DiagramOrigin;
    EXPECT_EQ(o, (Point{(c.width() - 961) / 2, (c.height() - 636) / 2}));
    EXPECT_EQ(view()->surface().pixel(o.x + 960, o.y + 635), view()->picture().pixel(960, 635));
}
