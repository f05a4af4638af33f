// SPDX-License-Identifier: MIT
// File > Save As and Open, the Reset view and the program-information dialog,
// with answered dialogs, against a scripted port playing the controller.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

#include <sys/stat.h>

#include <cerrno>
#include <cstring>
#include <deque>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "app/commands.h"
#include "app/view_factory.h"
#include "config/info_dialog.h"
#include "config/reset_view.h"
#include "config/settings_file.h"
#include "support/file_text.h"
#include "support/scripted_dialogs.h"
#include "support/shell_test.h"
#include "ui/user_dialogs.h"

using namespace tarvex;
namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;
using tarvex::testing::ScriptedDialogs;

using tarvex::testing::read_all;

namespace {

struct FileFixture : tarvex::testing::ShellTest {
    ScriptedDialogs dialogs;

    void SetUp() override {
        ShellTest::SetUp();
        write_language_file("pol", "S");
        sim_time = 1.0;
        program.dialogs = &dialogs;
        open_window();
    }
    void poll_all() {
        poll_status(program.link, program.image);
        read_live(program.link, program.image);
        read_settings1(program.link, program.image);
        read_settings2(program.link, program.image);
    }
    QString path(const char* name) { return QString::fromStdString((dir / name).string()); }
};

}  // namespace

TEST_F(FileFixture, SaveAsksBeforeReplacingAndShowsTheDialogAgainOnNo) {
    poll_all();
    std::ofstream(dir / "old.tvs") << "keep me";
    dialogs.file_names = {path("old.tvs"), path("old.tvs"), path("new.tvs")};
    dialogs.answers = {false, false};
    window->run_command(cmd::SaveAs);
    EXPECT_EQ(dialogs.questions, 2);
    EXPECT_EQ(dialogs.initial_names,
              (std::vector<QString>{QString(), path("old.tvs"), path("old.tvs")}));
    EXPECT_EQ(dialogs.titles.front(), QStringLiteral("S166"));
    EXPECT_EQ(read_all(dir / "old.tvs"), "keep me");
    EXPECT_NE(read_all(dir / "new.tvs").find("LambdaPoint= 23\r\n"), std::string::npos);
    EXPECT_TRUE(dialogs.messages.empty());

    dialogs.file_names = {path("old.tvs")};
    dialogs.answers = {true};
    window->run_command(cmd::SaveAs);
    EXPECT_EQ(read_all(dir / "old.tvs"), read_all(dir / "new.tvs"));

    // A save into a folder that does not exist says so.
    dialogs.file_names = {path("missing/x.tvs")};
    window->run_command(cmd::SaveAs);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].caption, QStringLiteral("I/O Error"));
    EXPECT_EQ(dialogs.messages[0].icon, UserDialogs::Icon::Warning);
}

TEST_F(FileFixture, OpenChecksThenSendsAndReportsEachFailure) {
    poll_all();
    dialogs.file_names = {path("a.tvs")};
    window->run_command(cmd::SaveAs);
    std::string text = read_all(dir / "a.tvs");
    const auto at = text.find("LambdaPoint= 23");
    text.replace(at, 15, "LambdaPoint= 27");
    std::ofstream(dir / "b.tvs", std::ios::binary) << text;
    std::ofstream(dir / "bad.tvs", std::ios::binary) << "[Tarv_ex]\r\nVersion=1.3\r\n";

    struct Case {
        const char* file;
        const char* caption;
        const char* message;
        std::size_t writes;
    } cases[] = {{"nothing-here.tvs", "I/O Error", "S167", 0},
                 {"bad.tvs", "S169", "S168", 0},
                 {"b.tvs", nullptr, nullptr, 28}};
    for (const auto& c : cases) {
        dialogs.messages.clear();
        port.clear_events();
        dialogs.file_names = {path(c.file)};
        window->run_command(cmd::Open);
        EXPECT_EQ(dialogs.titles.back(), QStringLiteral("S165"));
        std::size_t writes = 0;
        for (const auto& w : port.writes())
            writes += w[1] >= 5;
        EXPECT_EQ(writes, c.writes) << c.file;
        if (c.caption) {
            ASSERT_EQ(dialogs.messages.size(), 1u) << c.file;
            EXPECT_EQ(dialogs.messages[0].caption, QString::fromLatin1(c.caption));
            EXPECT_TRUE(dialogs.messages[0].text.startsWith(QString::fromLatin1(c.message)));
        } else {
            EXPECT_TRUE(dialogs.messages.empty());
        }
    }
    EXPECT_EQ(controller.setting(7), 27);

    // A controller that acknowledges every write and takes none: read back,
    // the setting it does not hold is named.
    controller = sim::SimController(2, 6, {0, 0, 0, 0, 0, 0, 1});
    dialogs.messages.clear();
    dialogs.file_names = {path("b.tvs")};
    window->run_command(cmd::Open);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text,
              "S171\n\n" + QCoreApplication::translate("Files", "The controller does not hold: %1.")
                               .arg(QStringLiteral("LambdaPoint")));

    // The controller stops answering: the first write fails with the message.
    silent = true;
    dialogs.messages.clear();
    dialogs.file_names = {path("a.tvs")};
    window->run_command(cmd::Open);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].caption, QStringLiteral("S170"));
    EXPECT_EQ(dialogs.messages[0].text, QStringLiteral("S171"));
}

// Save As before the settings were read since the link came up (here: no
// reply yet) says there is nothing to save, asks for no file and leaves an
// existing one as it was.
TEST_F(FileFixture, SaveRefusesSettingsNotReadSinceTheLinkCameUp) {
    std::ofstream(dir / "car.tvs") << "keep me";
    dialogs.file_names = {path("car.tvs")};
    dialogs.answers = {true};
    window->run_command(cmd::SaveAs);
    EXPECT_EQ(dialogs.file_names.size(), 1u);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].caption, QCoreApplication::translate("Files", "Nothing to save"));
    EXPECT_EQ(read_all(dir / "car.tvs"), "keep me");
}

TEST_F(FileFixture, SaveKeepsReadOnlyFilesAndWritesThroughLinks) {
    poll_all();
    const std::string fresh = settings_file_text(program.image);
    const std::string old_bytes = "old contents";
    auto write_old = [&](const char* name, fs::perms perms) {
        std::ofstream(dir / name, std::ios::binary) << old_bytes;
        fs::permissions(dir / name, perms);
    };
    const fs::perms ro = fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read;
    const fs::perms rw = ro | fs::perms::owner_write;
    write_old("ro.tvs", ro);
    write_old("target.tvs", rw);
    write_old("ro-target.tvs", ro);
    fs::create_directories(dir / "sub");
    fs::create_symlink("target.tvs", dir / "link.tvs");
    fs::create_symlink("ro-target.tvs", dir / "ro-link.tvs");
    fs::create_symlink("sub/new.tvs", dir / "dangling.tvs");

    struct Case {
        const char* chosen;
        const char* holder;  // the file that gets (or keeps) the bytes
        bool refused;
    } cases[] = {
        {"ro.tvs", "ro.tvs", true},
        {"ro-link.tvs", "ro-target.tvs", true},
        {"link.tvs", "target.tvs", false},
        {"dangling.tvs", "sub/new.tvs", false},
    };
    for (const auto& c : cases) {
        dialogs.messages.clear();
        dialogs.file_names = {path(c.chosen)};
        dialogs.answers = {true};
        window->run_command(cmd::SaveAs);
        if (c.refused) {
            EXPECT_EQ(dialogs.messages.size(), 1u) << c.chosen;
            if (dialogs.messages.empty())
                dialogs.messages.push_back({});
            const auto& m = dialogs.messages[0];
            EXPECT_EQ(m.caption, QStringLiteral("I/O Error"));
            EXPECT_EQ(m.icon, UserDialogs::Icon::Warning);
            EXPECT_TRUE(m.text.startsWith(QStringLiteral("S167"))) << m.text.toStdString();
            EXPECT_TRUE(m.text.contains(path(c.chosen))) << m.text.toStdString();
            EXPECT_TRUE(m.text.contains(QString::fromLatin1(std::strerror(EACCES))))
                << m.text.toStdString();
            EXPECT_FALSE(m.text.contains(QStringLiteral(".tarvex-"))) << m.text.toStdString();
            EXPECT_EQ(read_all(dir / c.holder), old_bytes) << c.chosen;
            EXPECT_EQ(fs::status(dir / c.holder).permissions() & fs::perms::all, ro) << c.chosen;
        } else {
            EXPECT_TRUE(dialogs.messages.empty()) << c.chosen;
            EXPECT_EQ(read_all(dir / c.holder), fresh) << c.chosen;
        }
        // A chosen link stays a link.
        if (std::string(c.chosen) != c.holder) {
            EXPECT_TRUE(fs::is_symlink(dir / c.chosen)) << c.chosen;
        }
    }
    // No temporary file is left behind.
    for (const auto& e : fs::directory_iterator(dir)) {
        EXPECT_EQ(e.path().filename().string().rfind(".tarvex-", 0), std::string::npos) << e.path();
    }
}

TEST_F(FileFixture, ResetViewPlacesItsControlsAndReportsTheOutcome) {
    poll_all();
    window->run_command(cmd::Reset);
    auto* view = qobject_cast<ResetView*>(window->current_view());
    ASSERT_NE(view, nullptr);
    window->paint_sequence();
    EXPECT_EQ(view->geometry(), QRect(0, 0, 800, 570));
    EXPECT_EQ(view->control(126)->geometry(), QRect(120, 250, 550, 55));
    EXPECT_EQ(qobject_cast<QPushButton*>(view->control(126))->text(), QStringLiteral("S136"));
    EXPECT_EQ(qobject_cast<QLabel*>(view->control(1104))->text(), QStringLiteral("S134"));
    window->run_command(cmd::Size640);
    window->paint_sequence();
    EXPECT_EQ(view->control(1105)->geometry(), QRect(65, 130, 800, 40));

    qobject_cast<QPushButton*>(view->control(126))->click();
    qobject_cast<QPushButton*>(view->control(126))->click();
    ASSERT_EQ(dialogs.messages.size(), 2u);
    EXPECT_EQ(dialogs.messages[0].icon, UserDialogs::Icon::Information);
    EXPECT_EQ(dialogs.messages[0].caption, QStringLiteral("S137"));
    EXPECT_EQ(dialogs.messages[0].text, QStringLiteral("S138"));
    silent = true;
    qobject_cast<QPushButton*>(view->control(126))->click();
    EXPECT_EQ(dialogs.messages.back().icon, UserDialogs::Icon::Warning);
    EXPECT_EQ(dialogs.messages.back().text, QStringLiteral("S139"));
}

TEST_F(FileFixture, ProgramInformationShowsBothVersions) {
    program.poll.InfoDialogOpen = 1;
    InfoDialog dialog(info_context(program), window.get());
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("S157"));
    EXPECT_EQ(dialog.timer().interval(), 50);
    EXPECT_TRUE(dialog.version_text().isEmpty());
    dialog.tick();
    EXPECT_EQ(dialog.version_text(), QStringLiteral("2.06"));
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    EXPECT_EQ(dialog.pos(), QPoint((screen.width() - dialog.width()) / 2,
                                   (screen.height() - dialog.height()) / 2));
    bool has_program_version = false;
    for (QLabel* l : dialog.findChildren<QLabel*>())
        has_program_version |= l->text() == "2.06";
    EXPECT_TRUE(has_program_version);
    silent = true;
    for (int i = 0; i < 3; ++i)
        dialog.tick();
    EXPECT_EQ(dialog.version_text(), QStringLiteral("S161"));
    dialog.reject();
    EXPECT_EQ(program.poll.InfoDialogOpen, 0);
}
