// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QScrollBar>

#include "app/commands.h"
#include "scope/scope_view.h"
#include "support/shell_test.h"

using namespace tarvex;
using Bytes = std::vector<std::uint8_t>;

namespace {

struct ScopeViewFixture : tarvex::testing::ShellTest {
    SweepTime now{};
    void SetUp() override {
        ShellTest::SetUp();
        sim_time = 20.0;
        // Every recording tick comes one column's time after the one before.
        program.scope.clock = [this] { return now += kSweepColumnTime; };
        open_window();
        window->run_command(cmd::Oscilloscope);
    }
    ScopeView* view() { return qobject_cast<ScopeView*>(window->current_view()); }
};

}  // namespace

TEST_F(ScopeViewFixture, SweepCursorAndPeriod) {
    ASSERT_NE(view(), nullptr);
    EXPECT_EQ(program.scope_buffers.SweepColumn, 202);
    view()->tick();
    EXPECT_EQ(view()->timer().interval(), 20);
    view()->tick();
    view()->tick();
    // The first tick drew column 203 at once; the two after it each closed a column.
    EXPECT_EQ(program.scope_buffers.SweepColumn, 205);

    // The cursor: the recording frozen; at 800x600 its box above the bar.
    view()->cursor_box()->click();
    EXPECT_TRUE(view()->cursor_bar()->isVisibleTo(view()));
    EXPECT_EQ(view()->childAt(view()->cursor_box()->geometry().center()), view()->cursor_box());
    view()->tick();
    view()->tick();
    EXPECT_EQ(program.scope_buffers.SweepColumn, 205);
    view()->cursor_bar()->triggerAction(QAbstractSlider::SliderPageStepAdd);
    EXPECT_EQ(program.scope.ScopeCursorPos, 12);
    view()->tick();
    EXPECT_EQ(program.scope_buffers.ScopeOldCursor, 12);
}

TEST_F(ScopeViewFixture, CursorStateSurvivesRecreation) {
    view()->cursor_box()->click();
    window->run_command(cmd::Size640);
    ASSERT_NE(view(), nullptr);
    EXPECT_TRUE(view()->cursor_box()->isChecked());
    EXPECT_TRUE(view()->cursor_bar()->isVisibleTo(view()));
}

TEST_F(ScopeViewFixture, TheScreenGetsATicksDrawingWhileTheNextPollWaits) {
    struct PaintCount : QObject {
        int paints = 0;
        bool eventFilter(QObject*, QEvent* e) override {
            paints += e->type() == QEvent::Paint;
            return false;
        }
    } count;
    port.set_waits(true);
    view()->tick();
    QApplication::processEvents();
    view()->installEventFilter(&count);

    // Drawn into the surface; the screen waits for the next poll.
    view()->tick();
    QApplication::processEvents();
    EXPECT_EQ(count.paints, 0);
    EXPECT_TRUE(port.work_waiting());
    view()->tick();  // its status poll's read shows the last tick's drawing
    EXPECT_EQ(count.paints, 1);
    EXPECT_TRUE(port.work_waiting());

    // No poll follows a cursor tick: shown at once, nothing left with the port.
    view()->cursor_box()->click();
    view()->tick();
    EXPECT_FALSE(port.work_waiting());
    QApplication::processEvents();
    EXPECT_GE(count.paints, 2);
    view()->cursor_box()->click();
    view()->tick();
    EXPECT_TRUE(port.work_waiting());

    // The view goes; its screen update does not stay with the port.
    view()->removeEventFilter(&count);
    window->run_command(cmd::Readings);
    EXPECT_FALSE(port.work_waiting());
    poll_status(program.link, program.image);
}
