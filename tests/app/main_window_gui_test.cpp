// SPDX-License-Identifier: MIT
// The main window on Qt's offscreen platform: start-up, menus, view switching,
// sizes, languages and ports, against a scripted serial port.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QMenu>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "app/commands.h"
#include "app/main_window.h"
#include "app/menu_bar.h"
#include "app/views.h"
#include "support/file_text.h"
#include "support/shell_test.h"

using namespace tarvex;
namespace fs = std::filesystem;

using tarvex::testing::read_all;

namespace {

// A start folder beside a Lang folder holding Polish and English files whose
// slot k reads "<code> <k>"; no Lithuanian file. The controller answers only
// what a test queues.
struct ShellFixture : tarvex::testing::ShellTest {
    QSize start_desktop{1024, 768};

    void SetUp() override {
        ShellTest::SetUp();
        silent = true;
        write_language_file("pol", "pol ");
        write_language_file("ang", "ang ");
    }
    void start() { open_window(start_desktop); }
    TarvexMenuBar* bar() { return window->tarvex_menu_bar(); }
    bool badge_is_blue(int id) {
        const QImage img = bar()->action(id)->icon().pixmap(14, 12).toImage();
        const QColor c = img.pixelColor(0, 0);
        return c.blue() == 255 && c.red() == 0;
    }
};

}  // namespace

TEST_F(ShellFixture, FirstStartCreatesTheSettingsAndShowsReadingsInPolish) {
    start();
    EXPECT_EQ(read_all(dir / "Tarvex.ini"), "[Ustawienia]\nCommPort= 1\nLanguage= pol\n");
    EXPECT_EQ(program.CurrentView, ViewReadings);
    EXPECT_EQ(window->windowTitle(), QStringLiteral("pol 175"));
    EXPECT_EQ(bar()->menu_id(), 148);
    EXPECT_EQ(program.size.SizeMode, 3);
    EXPECT_EQ(program.link.port_name, "COM1:");
    EXPECT_TRUE(bar()->action(cmd::Com1)->isChecked());
    EXPECT_TRUE(bar()->action(cmd::Size1024)->isChecked());
    EXPECT_TRUE(bar()->action(cmd::Size1024)->isEnabled());
    EXPECT_FALSE(bar()->action(cmd::Size1280x960)->isEnabled());
    EXPECT_FALSE(bar()->action(cmd::LangItalian)->isEnabled());
    EXPECT_TRUE(badge_is_blue(cmd::LangPolish));
    EXPECT_FALSE(badge_is_blue(cmd::LangEnglish));
    EXPECT_EQ(bar()->highlighted_text(), QStringLiteral("Odczyty"));
    EXPECT_EQ(window->client()->size(), MainWindow::client_size(1024, 738));
}

TEST_F(ShellFixture, LanguageChangeReplacesTheMenuAndKeepsItsState) {
    std::ofstream(dir / "Tarvex.ini") << "[Ustawienia]\nCommPort= 3\nLanguage= pol\n";
    start();
    window->run_command(cmd::Options);
    window->run_command(cmd::Size800);
    window->run_command(cmd::LangEnglish);
    EXPECT_EQ(bar()->menu_id(), 177);
    EXPECT_EQ(bar()->action(cmd::Readings)->text(), QStringLiteral("Readings"));
    EXPECT_TRUE(badge_is_blue(cmd::LangEnglish));
    EXPECT_FALSE(badge_is_blue(cmd::LangPolish));
    EXPECT_TRUE(bar()->action(cmd::Com3)->isChecked());
    EXPECT_TRUE(bar()->action(cmd::Size800)->isChecked());
    EXPECT_FALSE(bar()->action(cmd::Size1024)->isChecked());
    EXPECT_TRUE(bar()->action(cmd::Size1024)->isEnabled());
    EXPECT_FALSE(bar()->action(cmd::Size1280x1024)->isEnabled());
    EXPECT_FALSE(bar()->action(cmd::LangItalian)->isEnabled());
    EXPECT_EQ(bar()->highlighted_text(), QStringLiteral("Options"));
    EXPECT_EQ(window->windowTitle(), QStringLiteral("ang 177"));
    EXPECT_EQ(read_all(dir / "Tarvex.ini"), "[Ustawienia]\nCommPort= 3\nLanguage= ang\n");

    // The highlight survives opening and closing a pop-up.
    QMenu* file = bar()->actions().front()->menu();
    file->popup(QPoint(0, 0));
    file->hide();
    EXPECT_EQ(bar()->highlighted_text(), QStringLiteral("Options"));

    // A language without a file: its menu, the old texts.
    window->run_command(cmd::LangLithuanian);
    EXPECT_EQ(bar()->menu_id(), 179);
    EXPECT_EQ(program.texts[177], "ang 177");
    EXPECT_EQ(program.LanguageCode, "lit");
}

TEST_F(ShellFixture, ViewSwitchingKeepsOrRecreatesViews) {
    start();
    ViewWidget* readings = window->current_view();
    window->run_command(cmd::Readings);
    EXPECT_EQ(window->current_view(), readings);
    struct Case {
        int command, view, template_id;
        const char* title;
    } cases[] = {{cmd::Configuration, ViewConfiguration, 145, "pol 176"},
                 {cmd::Options, ViewOptions, 153, "pol 177"},
                 {cmd::Schema, ViewSchema, 132, "pol 178"},
                 {cmd::Reset, ViewReset, 126, "pol 179"},
                 {cmd::Oscilloscope, ViewOscilloscope, 159, "pol 180"},
                 {cmd::Readings, ViewReadings, 101, "pol 175"}};
    for (const auto& c : cases) {
        QPointer<ViewWidget> before = window->current_view();
        window->run_command(c.command);
        QApplication::processEvents();
        EXPECT_TRUE(before.isNull()) << c.view;  // the old view is gone
        ASSERT_NE(window->current_view(), nullptr);
        EXPECT_EQ(window->current_view()->view(), c.view);
        EXPECT_EQ(window->current_view()->template_id(), c.template_id);
        EXPECT_EQ(program.CurrentView, c.view);
        EXPECT_EQ(window->windowTitle(), QString::fromLatin1(c.title));
        EXPECT_EQ(program.menu.highlighted, c.command);
    }
}

TEST_F(ShellFixture, SizeChangeRecreatesTheViewExceptReset) {
    start();
    window->run_command(cmd::Configuration);
    window->run_command(cmd::Size800);
    EXPECT_EQ(window->current_view()->template_id(), 157);
    EXPECT_DOUBLE_EQ(program.size.scale.ScaleX, 1.0);
    EXPECT_EQ(window->client()->size(), MainWindow::client_size(800, 570));
    window->run_command(cmd::Reset);
    ViewWidget* reset = window->current_view();
    window->run_command(cmd::Size640);
    EXPECT_EQ(window->current_view(), reset);
    EXPECT_EQ(reset->size(), QSize(640, 450));
    EXPECT_EQ(program.fonts.SmallFont.height, 14);
}

TEST_F(ShellFixture, PortCommandClosesTheOpenPortAndRewritesTheFile) {
    start();
    port.queue_reply({0x65, 0x01, 0x25, 0x8B});
    poll_status(program.link, program.image);
    ASSERT_EQ(program.link.PortOpen, 1);
    port.clear_events();
    window->run_command(cmd::Com3);
    EXPECT_EQ(program.link.PortOpen, 0);
    ASSERT_EQ(port.events().size(), 1u);
    EXPECT_EQ(port.events()[0].op, ScriptedSerialPort::Op::Close);
    EXPECT_EQ(program.link.port_name, "COM3:");
    EXPECT_TRUE(bar()->action(cmd::Com3)->isChecked());
    EXPECT_FALSE(bar()->action(cmd::Com1)->isChecked());
    EXPECT_EQ(read_all(dir / "Tarvex.ini"), "[Ustawienia]\nCommPort= 3\nLanguage= pol\n");
    // Nothing is sent until the next poll, which opens the new port's device.
    EXPECT_EQ(port.events().size(), 1u);
    poll_status(program.link, program.image);
    EXPECT_EQ(port.events()[1].device, "/dev/ttyS2");
}

TEST_F(ShellFixture, UnknownPortAndLanguageFallBack) {
    std::ofstream(dir / "Tarvex.ini") << "[Ustawienia]\nCommPort= 7\nLanguage= xyz\n";
    start_desktop = QSize(640, 480);
    start();
    EXPECT_EQ(program.link.port_name, "COM1:");
    EXPECT_TRUE(bar()->action(cmd::Com1)->isChecked());
    EXPECT_EQ(bar()->menu_id(), 148);
    EXPECT_TRUE(badge_is_blue(cmd::LangPolish));
    EXPECT_EQ(window->windowTitle(), QString());  // no file "Tarvex_lang.xyz"
    EXPECT_TRUE(bar()->action(cmd::Size640)->isEnabled());
    EXPECT_FALSE(bar()->action(cmd::Size800)->isEnabled());
    // The desktop grows: the next paint enables more sizes, the window stays.
    desktop = QSize(1280, 1024);
    window->paint_sequence();
    EXPECT_TRUE(bar()->action(cmd::Size1280x1024)->isEnabled());
    EXPECT_EQ(program.size.SizeMode, 1);
}

// With Italian chosen its item is checked and disabled; its badge is drawn in
// the Disabled mode and must stay blue, while the others stay grey.
TEST_F(ShellFixture, CheckedBadgeIsBlueAlsoOnADisabledItem) {
    std::ofstream(dir / "Tarvex.ini") << "[Ustawienia]\nCommPort= 1\nLanguage= ita\n";
    start();
    QAction* italian = bar()->action(cmd::LangItalian);
    ASSERT_TRUE(program.menu.is_checked(cmd::LangItalian));
    ASSERT_FALSE(italian->isEnabled());
    auto colour = [](QAction* a, QIcon::Mode mode, QIcon::State state) {
        return a->icon().pixmap(QSize(14, 12), mode, state).toImage().pixelColor(0, 0).name();
    };
    for (QIcon::Mode mode : {QIcon::Normal, QIcon::Disabled})
        for (QIcon::State state : {QIcon::Off, QIcon::On}) {
            EXPECT_EQ(colour(italian, mode, state), QStringLiteral("#0000ff"))
                << mode << " " << state;
            EXPECT_EQ(colour(bar()->action(cmd::LangPolish), mode, state),
                      QStringLiteral("#808080"))
                << mode << " " << state;
        }
}

// Qt's own texts (file dialogs, message-box buttons) follow the interface
// language; a language Qt does not speak gets Qt's English.
TEST_F(ShellFixture, QtTextsFollowTheInterfaceLanguage) {
    start();
    const auto yes = [] { return QCoreApplication::translate("QPlatformTheme", "&Yes"); };
    const struct {
        int command;
        const char* yes;
    } cases[] = {{cmd::LangEnglish, "&Yes"},
                 {cmd::LangRussian, "&Да"},
                 {cmd::LangLithuanian, "&Yes"},
                 {cmd::LangItalian, "&Sì"},
                 {cmd::LangPolish, "&Tak"}};
    for (const auto& c : cases) {
        window->run_command(c.command);
        EXPECT_EQ(yes(), QString::fromUtf8(c.yes)) << c.command;
    }
}

// Started by the desktop launcher: the language files of the folder it names,
// whatever lies beside the start folder.
TEST_F(ShellFixture, LanguageFilesFromTheLaunchersFolder) {
    const fs::path own = dir / "own-lang";
    fs::create_directories(own);
    std::ofstream f(own / "Tarvex_lang.pol", std::ios::binary);
    for (int k = 0; k < kUiTextSlots; ++k)
        f << "T" << k << "=own " << k << "\r\n";
    f.close();
    program.LanguageDirectory = own.string();
    start();
    EXPECT_EQ(window->windowTitle(), QStringLiteral("own 175"));
}
