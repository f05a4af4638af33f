// SPDX-License-Identifier: MIT
// What a fitter meets when views follow one another: controls in their
// places, surfaces without leftovers of the previous size, lists that never
// leave polling paused, and keys and wheel reaching only the focused control.
#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>
#include <QWheelEvent>

#include <functional>

#include "app/commands.h"
#include "app/views.h"
#include "config/settings_view.h"
#include "scope/scope_view.h"
#include "support/shell_test.h"
#include "ui/template_view.h"

using namespace tarvex;

namespace {

struct LifecycleFixture : tarvex::testing::ShellTest {
    void SetUp() override {
        ShellTest::SetUp();
        sim_time = 20.0;
    }
    template <class View>
    View* view() {
        return qobject_cast<View*>(window->current_view());
    }
    QComboBox* list(int id) { return view<SettingsView>()->form().list(id); }
};

struct Box {
    int x, y, w, h;
};

// The learning button's place in the Readings view for each size.
constexpr Box kLearnButton[5] = {{540, 358, 71, 30},
                                 {695, 465, 70, 40},
                                 {880, 610, 95, 60},
                                 {1100, 780, 120, 75},
                                 {1100, 840, 120, 75}};

bool is_trace_colour(QRgb c) {
    static const QRgb traces[] = {qRgb(128, 120, 0), qRgb(0, 255, 0), qRgb(0, 128, 0),
                                  qRgb(0, 0, 255), qRgb(0, 0, 128)};
    for (QRgb t : traces)
        if ((c & 0xFFFFFF) == (t & 0xFFFFFF))
            return true;
    return false;
}

// Pixels of a trace colour outside the four panels' interiors.
int trace_pixels_outside_panels(const QImage& img, double sx, double sy) {
    int count = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            const bool in_x = x >= static_cast<int>(198 * sx) && x < static_cast<int>(600 * sx);
            bool in_panel = false;
            for (int top : {40, 150, 260, 370})
                in_panel = in_panel || (in_x && y >= static_cast<int>(top * sy) &&
                                        y < static_cast<int>((top + 100) * sy));
            if (!in_panel && is_trace_colour(img.pixel(x, y)))
                ++count;
        }
    return count;
}

void send_key(QWidget* w, int key) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(w, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier);
    QApplication::sendEvent(w, &release);
}

void send_wheel_down(QWidget* w) {
    const QPointF at(w->width() / 2.0, w->height() / 2.0);
    QWheelEvent wheel(at, w->mapToGlobal(at), QPoint(), QPoint(0, -120), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(w, &wheel);
}

}  // namespace

// The button is placed when the view is created, before any paint: after a
// switch back from every other view and after every size change.
TEST_F(LifecycleFixture, LearningButtonIsInPlaceAfterEverySwitchAndSize) {
    open_window({1280, 1024});
    auto button_at = [&](const Box& b) {
        auto* readings = view<TemplateView>();
        ASSERT_NE(readings, nullptr);
        QWidget* button = readings->control(1005);
        EXPECT_EQ(button->geometry(), QRect(b.x, b.y, b.w, b.h));
        // A click at its place reaches it (the view sits at (-5, -10)).
        const QPoint centre(b.x - 5 + b.w / 2, b.y - 10 + b.h / 2);
        EXPECT_EQ(window->client()->childAt(centre), button);
    };
    for (int other :
         {cmd::Configuration, cmd::Options, cmd::Schema, cmd::Reset, cmd::Oscilloscope}) {
        SCOPED_TRACE(other);
        window->run_command(other);
        window->run_command(cmd::Readings);
        button_at(kLearnButton[4]);
    }
    const struct {
        int command, mode;
    } sizes[] = {{cmd::Size640, 1},
                 {cmd::Size800, 2},
                 {cmd::Size1024, 3},
                 {cmd::Size1280x960, 4},
                 {cmd::Size1280x1024, 5}};
    for (const auto& s : sizes) {
        SCOPED_TRACE(s.mode);
        window->run_command(s.command);
        button_at(kLearnButton[s.mode - 1]);
        window->run_command(cmd::LangEnglish);
        button_at(kLearnButton[s.mode - 1]);
        window->run_command(cmd::LangPolish);
    }
}

// A new oscilloscope starts from a clean surface: nothing drawn from the
// buffers of another scale, on the first visit and after size changes.
TEST_F(LifecycleFixture, OscilloscopeStartsCleanAtEverySize) {
    open_window({1280, 1024});
    window->run_command(cmd::Oscilloscope);
    const struct {
        int command;
        double sx, sy;
    } steps[] = {{0, 1.6, 1.81},
                 {cmd::Size640, 0.8, 0.77},
                 {cmd::Size1280x1024, 1.6, 1.81},
                 {cmd::Size800, 1.0, 1.0},
                 {cmd::Size1024, 1.28, 1.32}};
    for (const auto& s : steps) {
        SCOPED_TRACE(s.command);
        if (s.command)
            window->run_command(s.command);
        auto* scope = view<ScopeView>();
        ASSERT_NE(scope, nullptr);
        EXPECT_EQ(trace_pixels_outside_panels(scope->surface(), s.sx, s.sy), 0);
        // Record a while, so that the next size finds traces to leave behind.
        for (int i = 0; i < 60; ++i) {
            sim_time += 0.05;
            scope->tick();
        }
        QApplication::processEvents();
    }
}

// Every way a list's popup closes ends the pause, so polling resumes.
TEST_F(LifecycleFixture, EveryWayAListClosesResumesPolling) {
    open_window();
    const struct {
        const char* name;
        std::function<void(MainWindow&, QComboBox*)> close;
    } ways[] = {
        {"popup hidden by the window system",
         [](MainWindow&, QComboBox* l) { l->view()->window()->hide(); }},
        {"Escape", [](MainWindow&, QComboBox* l) { send_key(l->view(), Qt::Key_Escape); }},
        {"pick", [](MainWindow&, QComboBox* l) { emit l->activated(1); }},
        {"view destroyed", [](MainWindow& w, QComboBox*) { w.run_command(cmd::Readings); }}};
    for (const auto& w : ways) {
        SCOPED_TRACE(w.name);
        window->run_command(cmd::Configuration);
        QComboBox* l = list(1017);
        l->showPopup();
        ASSERT_EQ(program.poll.ListPaused, 1);
        w.close(*window, l);
        EXPECT_EQ(program.poll.ListPaused, 0);
    }
}

// The wheel over a list without the focus neither changes it nor writes.
TEST_F(LifecycleFixture, WheelChangesOnlyTheFocusedList) {
    open_window();
    window->run_command(cmd::Configuration);
    view<SettingsView>()->tick();
    QComboBox* l = list(1017);
    EXPECT_EQ(l->focusPolicy() & Qt::WheelFocus, Qt::StrongFocus);
    const int before = l->currentIndex();
    port.clear_events();
    send_wheel_down(l);
    EXPECT_EQ(l->currentIndex(), before);
    EXPECT_TRUE(writes().empty());
}

// The value cursor's scroll bar takes the focus and its keys move the cursor
// as the scroll codes say: arrows a line, Page Up back and Page Down on.
TEST_F(LifecycleFixture, ValueCursorMovesFromTheKeyboard) {
    open_window();
    window->run_command(cmd::Oscilloscope);
    auto* scope = view<ScopeView>();
    scope->cursor_box()->click();
    QScrollBar* bar = scope->cursor_bar();
    EXPECT_EQ(bar->focusPolicy(), Qt::StrongFocus);
    const struct {
        int key, pos;
    } keys[] = {{Qt::Key_Right, 3}, {Qt::Key_PageDown, 13}, {Qt::Key_PageUp, 3},
                {Qt::Key_Left, 2},  {Qt::Key_Left, 2},      {Qt::Key_PageUp, 2},
                {Qt::Key_End, 2},   {Qt::Key_Down, 3},      {Qt::Key_Up, 2}};
    for (const auto& k : keys) {
        send_key(bar, k.key);
        EXPECT_EQ(program.scope.ScopeCursorPos, k.pos) << k.key;
        EXPECT_EQ(bar->value(), k.pos) << k.key;
    }
}

// The window fits its menu bar again whenever the menu is replaced.
TEST_F(LifecycleFixture, WindowFitsEveryLanguagesMenuBar) {
    open_window({640, 480});
    for (int lang : {cmd::LangRussian, cmd::LangEnglish, cmd::LangLithuanian, cmd::LangPolish,
                     cmd::LangItalian}) {
        SCOPED_TRACE(lang);
        window->run_command(lang);
        EXPECT_EQ(window->height(),
                  window->client()->height() + window->menuBar()->sizeHint().height());
    }
}
