// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QScrollBar>
#include <QWheelEvent>

#include <functional>

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

// The keyboard and the wheel scroll the picture as the bars do; Home and End
// go to its start and its end.
TEST_F(SchemaFixture, KeysAndWheelScrollThePicture) {
    window->run_command(cmd::Schema);
    ASSERT_NE(view(), nullptr);
    EXPECT_EQ(window->focusWidget(), view());  // the keyboard goes to the picture
    auto key = [&](int k) {
        QKeyEvent press(QEvent::KeyPress, k, Qt::NoModifier);
        QApplication::sendEvent(view(), &press);
    };
    auto wheel = [&](QPoint delta, Qt::KeyboardModifiers modifiers) {
        const QPointF at(100, 100);
        QWheelEvent e(at, view()->mapToGlobal(at), QPoint(), delta, Qt::NoButton, modifiers,
                      Qt::NoScrollPhase, false);
        QApplication::sendEvent(view(), &e);
    };
    const int lines = QApplication::wheelScrollLines();
    const struct {
        std::function<void()> input;
        Point offset;
    } steps[] = {
        {[&] { key(Qt::Key_Right); }, {10, 0}},
        {[&] { key(Qt::Key_Down); }, {10, 10}},
        {[&] { key(Qt::Key_PageDown); }, {10, 60}},
        {[&] { key(Qt::Key_Left); }, {1, 60}},
        {[&] { key(Qt::Key_Up); }, {1, 50}},
        {[&] { key(Qt::Key_PageUp); }, {1, 1}},
        {[&] { key(Qt::Key_End); }, {211, 151}},
        {[&] { key(Qt::Key_Home); }, {0, 0}},
        {[&] {
             wheel({0, -120}, Qt::NoModifier);
         },
         {0, 10 * lines}},
        {[&] {
             wheel({0, -120}, Qt::ShiftModifier);
         },
         {10 * lines, 10 * lines}},
    };
    for (const auto& s : steps) {
        s.input();
        EXPECT_EQ(view()->layout().DiagramScroll, s.offset);
        const Point o = view()->layout().DiagramScroll;
        EXPECT_EQ(view()->surface().pixel(10, 10), view()->picture().pixel(o.x, o.y));
        EXPECT_EQ(view()->bar(Qt::Horizontal)->value(), std::max(o.x, 1));
    }
}
