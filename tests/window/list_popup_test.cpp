// SPDX-License-Identifier: MIT
// Drop-down lists of the settings views as a user meets them: however an open
// list is closed, polling goes on; the wheel over a list without the focus
// writes nothing.
#include "window/program_window.h"

namespace tarvex::window_test {

namespace {

// Places at 1280x1024. In the client area: the lambda delay list of the
// Configuration view, the idle minimum list of the Options view and that
// view's button for the emulation corrections; in the corrections dialog,
// its first list.
const QPoint kConfigurationList{890, 113};
const QPoint kOptionsList{905, 69};
const QPoint kEmulationButton{127, 152};
const QPoint kEmulationDialogList{200, 17};

enum class Closing { FocusLoss, ClickOutside, Escape };

struct ClosingCase {
    const char* name;
    BarCommand view;
    QPoint list;
    Closing closing;
    bool in_dialog = false;  // the list is in the emulation corrections dialog
};

class ListClosing : public ProgramWindowTest, public ::testing::WithParamInterface<ClosingCase> {};

TEST_P(ListClosing, PollingResumes) {
    const ClosingCase& c = GetParam();
    start();
    ASSERT_TRUE(show_view(c.view));
    ASSERT_TRUE(settings_shown());
    QPoint list = client_origin() + c.list;
    std::string dialog;
    if (c.in_dialog) {
        click(client_origin() + kEmulationButton);
        ASSERT_TRUE(wait_until([&] { return other_windows().size() == 1; }))
            << keep(shot(), "no-dialog");
        dialog = other_windows().front();
        const WindowGeometry d = geometry(dialog);
        list = QPoint(d.x, d.y) + c.list;
    }
    const std::size_t windows = other_windows().size();
    click(list);
    ASSERT_TRUE(wait_until([&] { return other_windows().size() == windows + 1; }))
        << keep(shot(), "not-opened");
    switch (c.closing) {
        case Closing::FocusLoss:
            focus_root_window();
            break;
        case Closing::ClickOutside:
            click(client_origin() + QPoint(200, 850));
            break;
        case Closing::Escape:
            press({"Escape"});
            break;
    }
    ASSERT_TRUE(wait_until([&] { return other_windows().size() == windows; }))
        << keep(shot(), "not-closed");
    ASSERT_TRUE(polls_after(sim_log().mark())) << "no status poll after the list closed";
    if (!dialog.empty()) {
        focus_window(dialog);
        press({"Escape"});
        ASSERT_TRUE(wait_until([&] { return other_windows().empty(); }));
    }
    // The dashboard draws its values again.
    ASSERT_TRUE(show_view(Readings));
    EXPECT_TRUE(wait_until([&] { return dashboard_on_gas(); }))
        << "the dashboard is not drawn; " << keep(shot(), "dashboard");
}

INSTANTIATE_TEST_SUITE_P(
    EachWay, ListClosing,
    ::testing::Values(ClosingCase{"ConfigurationFocusLoss", Configuration, kConfigurationList,
                                  Closing::FocusLoss},
                      ClosingCase{"OptionsFocusLoss", Options, kOptionsList, Closing::FocusLoss},
                      ClosingCase{"EmulationDialogFocusLoss", Options, kEmulationDialogList,
                                  Closing::FocusLoss, true},
                      ClosingCase{"ConfigurationClickOutside", Configuration, kConfigurationList,
                                  Closing::ClickOutside},
                      ClosingCase{"ConfigurationEscape", Configuration, kConfigurationList,
                                  Closing::Escape}),
    [](const ::testing::TestParamInfo<ClosingCase>& row) { return std::string(row.param.name); });

std::string listed(const std::vector<ReceivedFrame>& frames) {
    std::string s;
    for (const ReceivedFrame& f : frames)
        s += " code " + std::to_string(f.code) + " value " + std::to_string(f.value) + ";";
    return s;
}

using ListWheel = ProgramWindowTest;

TEST_F(ListWheel, WritesOnlyThroughTheFocusedList) {
    start();
    ASSERT_TRUE(show_view(Configuration));
    ASSERT_TRUE(settings_shown());
    const QPoint list = client_origin() + kConfigurationList;

    // The pointer passes over a list that has not the focus, wheeling.
    std::size_t mark = sim_log().mark();
    move_mouse(list);
    wheel(true, 3);
    wheel(false, 1);
    // Everything sent before the next view's first poll is in the log by then.
    ASSERT_TRUE(show_view(Readings));
    ASSERT_TRUE(polls_after(sim_log().mark()));
    EXPECT_TRUE(sim_log().writes_since(mark).empty())
        << "written:" << listed(sim_log().writes_since(mark));

    // Once the list has the focus (opened and closed again), the wheel picks.
    ASSERT_TRUE(show_view(Configuration));
    ASSERT_TRUE(settings_shown());
    click(list);
    ASSERT_TRUE(wait_until([&] { return other_windows().size() == 1; }));
    press({"Escape"});
    ASSERT_TRUE(wait_until([&] { return other_windows().empty(); }));
    mark = sim_log().mark();
    wheel(true, 1);
    EXPECT_TRUE(wait_until([&] { return !sim_log().writes_since(mark).empty(); }))
        << "the focused list did not take the wheel";
}

}  // namespace

}  // namespace tarvex::window_test
