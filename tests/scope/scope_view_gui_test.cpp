#include <gtest/gtest.h>

#include <QCheckBox>
#include <QScrollBar>

#include <unistd.h>

#include <filesystem>

#include "app/commands.h"
#include "app/main_window.h"
#include "link/scripted_serial_port.h"
#include "scope/scope_view.h"
#include "sim/sim_controller.h"

using namespace tarvex;
namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

namespace {

struct ScopeViewFixture : ::testing::Test {
    fs::path dir, old_cwd;
    Program program;
    ScriptedSerialPort port;
    sim::SimController controller;
    bool silent = false;
    std::unique_ptr<MainWindow> window;
    void SetUp() override {
        dir = fs::temp_directory_path() / ("tarvex-scope-" + std::to_string(::getpid()));
        fs::create_directories(dir);
        old_cwd = fs::current_path();
        fs::current_path(dir);
        program.StartDirectory = dir.string();
        program.link.port = &port;
        build_dial_tables(program.dial);
        port.set_responder([this](const Bytes& c) -> Bytes {
            if (silent)
                return {};
            auto r = controller.handle({c[0], c[1], c[2], c[3]}, 20.0);
            return r ? r->bytes : Bytes{};
        });
        window = std::make_unique<MainWindow>(program, [] { return QSize(800, 600); });
        window->show();
        window->run_command(cmd::Oscilloscope);
    }
    void TearDown() override {
        window.reset();
        fs::current_path(old_cwd);
        fs::remove_all(dir);
    }
    ScopeView* view() { return qobject_cast<ScopeView*>(window->current_view()); }
    std::vector<int> commands() {
        std::vector<int> out;
        for (const auto& w : port.writes())
            out.push_back(w[1]);
        port.clear_events();
        return out;
    }
};

}  // namespace

TEST_F(ScopeViewFixture, PollTrafficAndPeriod) {
    ASSERT_NE(view(), nullptr);
    EXPECT_EQ(program.scope_buffers.SweepColumn, 202);
    commands();
    view()->tick();
    EXPECT_EQ(commands(), (std::vector<int>{1, 2, 3}));  // settings block 1 once per connection
    EXPECT_EQ(program.link.PollPeriod, 20);
    EXPECT_EQ(view()->timer().interval(), 20);
    view()->tick();
    view()->tick();
    EXPECT_EQ(commands(), (std::vector<int>{1, 2, 1, 2}));
    EXPECT_EQ(program.scope_buffers.SweepColumn, 205);

    // The cursor: no polling, the recording frozen.
    view()->cursor_box()->click();
    EXPECT_TRUE(view()->cursor_bar()->isVisibleTo(view()));
    view()->tick();
    view()->tick();
    EXPECT_TRUE(commands().empty());
    EXPECT_EQ(program.scope_buffers.SweepColumn, 205);
    view()->cursor_bar()->triggerAction(QAbstractSlider::SliderPageStepAdd);
    EXPECT_EQ(program.scope.ScopeCursorPos, 12);
    view()->tick();
    EXPECT_EQ(program.scope_buffers.ScopeOldCursor, 12);
    view()->cursor_box()->click();

    // The link is lost: 20 ms all the same, and settings read again after recovery.
    silent = true;
    for (int i = 0; i < 4; ++i)
        view()->tick();
    EXPECT_EQ(program.link.NoConnection, 1);
    EXPECT_EQ(program.link.PollPeriod, 20);
    EXPECT_EQ(view()->timer().interval(), 20);
    silent = false;
    commands();
    view()->tick();
    EXPECT_EQ(commands(), (std::vector<int>{1, 2, 3}));
}

TEST_F(ScopeViewFixture, CursorStateSurvivesRecreationAndInfoDialogFreezes) {
    view()->cursor_box()->click();
    window->run_command(cmd::Size640);
    ASSERT_NE(view(), nullptr);
    EXPECT_TRUE(view()->cursor_box()->isChecked());
    EXPECT_TRUE(view()->cursor_bar()->isVisibleTo(view()));
    commands();
    view()->tick();
    EXPECT_TRUE(commands().empty());
    program.poll.InfoDialogOpen = 1;
    view()->cursor_box()->click();
    view()->tick();
    EXPECT_TRUE(commands().empty());
}
