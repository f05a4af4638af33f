// SPDX-License-Identifier: MIT
// The settings history as a fitter uses it: a pick undone with Ctrl+Z, the
// settings as found restored from File > Settings history...; the simulated
// controller holds what each leaves, read afterwards with tarvex-cli.
#include <fstream>
#include <sstream>

#include "e2e/cli_process.h"
#include "window/program_window.h"

namespace tarvex::window_test {

namespace {

// The list of the Configuration view that the test picks from: the lambda
// delay (write code 8), started at 0:30 (value 6).
const QPoint kDelayList{890, 113};
constexpr int kDelayCode = 8;
constexpr int kDelayAsFound = 6;

using SettingsHistory = ProgramWindowTest;

TEST_F(SettingsHistory, UndoesAPickAndRestoresTheSettingsAsFound) {
    StartOptions options;
    options.sim_args.insert(options.sim_args.end(), {"--setting", "8=6"});
    options.language = "ang";  // the window titles in English
    start(options);
    ASSERT_TRUE(show_view(Configuration) && settings_shown());
    // A list given the focus (opened and closed), then the next entry picked:
    // the write it sent.
    const auto pick = [&]() -> ReceivedFrame {
        focus();
        click(client_origin() + kDelayList);
        EXPECT_TRUE(wait_until([&] { return other_windows().size() == 1; }));
        press({"Escape"});
        EXPECT_TRUE(wait_until([&] { return other_windows().empty(); }));
        const std::size_t mark = sim_log().mark();
        press({"Down"});
        EXPECT_TRUE(wait_until([&] { return !sim_log().writes_since(mark).empty(); }));
        const auto writes = sim_log().writes_since(mark);
        return writes.empty() ? ReceivedFrame{} : writes.front();
    };
    const auto sent_since = [&](std::size_t mark, int code, int value) {
        return wait_until([&] { return sim_log().count_since(mark, code, value) > 0; });
    };

    const ReceivedFrame picked = pick();
    ASSERT_EQ(picked.code, kDelayCode) << keep(shot(), "pick");
    ASSERT_NE(picked.value, kDelayAsFound);
    std::size_t mark = sim_log().mark();
    focus();
    press({"ctrl+z"});
    EXPECT_TRUE(sent_since(mark, kDelayCode, kDelayAsFound)) << "Ctrl+Z sent no undo";
    const std::string undone = window_titled("Undo last change");
    ASSERT_FALSE(undone.empty()) << keep(shot(), "undo");
    focus_window(undone);
    press({"Return"});
    ASSERT_TRUE(wait_until([&] { return other_windows().empty(); }));

    // Picked again, then the oldest snapshot (as found) restored whole.
    ASSERT_EQ(pick().value, picked.value);
    file_item(FileItem::History);
    const std::string history = window_titled("Settings history");
    ASSERT_FALSE(history.empty()) << keep(shot(), "history");
    focus_window(history);
    press({"ctrl+End", "Return"});
    std::string compare;
    ASSERT_TRUE(wait_until([&] {
        for (const std::string& w : other_windows())
            if (window_name(w).rfind("Snapshot 1 (", 0) == 0)
                compare = w;
        return !compare.empty();
    })) << keep(shot(), "snapshot");
    focus_window(compare);
    mark = sim_log().mark();
    // From the first control, past the table, to Restore.
    press({"Tab", "Tab", "space"});
    EXPECT_TRUE(sent_since(mark, kDelayCode, kDelayAsFound)) << keep(shot(), "restore");
    ASSERT_TRUE(wait_until([&] { return window_name(compare).empty(); }))
        << "the comparison stayed open; " << keep(shot(), "restored");
    focus_window(history);
    press({"Escape"});
    ASSERT_TRUE(wait_until([&] { return other_windows().empty(); }));
    focus();
    press({"ctrl+q"});

    // The controller holds its settings as found, read once the program has
    // let the port go.
    tarvex::testing::CliRun read;
    ASSERT_TRUE(wait_until(
        [&] {
            read = tarvex::testing::run_cli(
                {"--port", (folder() / "run" / "sim-tty").string(), "read", "after.tvs"},
                folder().string());
            return read.exit_code == 0;
        },
        kStartDeadline))
        << read.err;
    std::ifstream file(folder() / "after.tvs");
    std::stringstream text;
    text << file.rdbuf();
    EXPECT_NE(text.str().find("LambdaDelay= " + std::to_string(kDelayAsFound)), std::string::npos)
        << text.str();
}

}  // namespace

}  // namespace tarvex::window_test
