// SPDX-License-Identifier: MIT
// The Configuration and Options views on the offscreen platform against a
// scripted port that plays the simulated controller.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>

#include "app/commands.h"
#include "app/view_factory.h"
#include "config/configuration_view.h"
#include "config/options_view.h"
#include "support/shell_test.h"

using namespace tarvex;
using Bytes = std::vector<std::uint8_t>;

namespace {

struct SettingsFixture : tarvex::testing::ShellTest {
    void SetUp() override {
        ShellTest::SetUp();
        open_window();
    }
    SettingsView* view() { return qobject_cast<SettingsView*>(window->current_view()); }
    QComboBox* list(int id) { return view()->form().list(id); }
};

Bytes frame(int code, int value) {
    Bytes b{0x65, static_cast<std::uint8_t>(code), static_cast<std::uint8_t>(value)};
    b.push_back(static_cast<std::uint8_t>(b[0] + b[1] + b[2]));
    return b;
}

}  // namespace

TEST_F(SettingsFixture, ConfigurationShowsTheControllerAndAPickSendsItsFrames) {
    window->run_command(cmd::Configuration);
    ASSERT_NE(view(), nullptr);
    EXPECT_EQ(view()->template_id(), 157);
    view()->tick();
    EXPECT_EQ(list(1003)->currentText(), QStringLiteral("0-1 V"));
    EXPECT_EQ(list(1013)->currentText(), QStringLiteral("0,46"));
    EXPECT_EQ(list(1022)->currentText(), QStringLiteral("2000"));
    EXPECT_EQ(list(1017)->count(), 255);

    port.clear_events();
    emit list(1003)->activated(5);  // "0,8-1,6 V"
    EXPECT_EQ(writes(), (std::vector<Bytes>{frame(6, 0x50), frame(7, 60)}));
    view()->tick();
    EXPECT_EQ(list(1003)->currentText(), QStringLiteral("0,8-1,6 V"));
    EXPECT_EQ(list(1013)->count(), 16);
    EXPECT_EQ(list(1013)->currentText(), QStringLiteral("1,20"));

    port.clear_events();
    emit list(1022)->activated(20);  // 3500 rpm
    EXPECT_EQ(writes(), (std::vector<Bytes>{frame(21, 189), frame(22, 16)}));
    port.clear_events();
    auto* gas = qobject_cast<QCheckBox*>(view()->form().control(1074));
    gas->click();
    EXPECT_EQ(writes(), (std::vector<Bytes>{frame(9, 0x89)}));
    view()->tick();
    EXPECT_FALSE(list(1027)->isHidden());
}

TEST_F(SettingsFixture, EmulDODialogPollsAndWritesItsNibbles) {
    window->run_command(cmd::Options);
    view()->tick();
    EmulDODialog dialog(settings_context(program), view());
    dialog.tick();
    // Factory 0x55 / 0x55: every field 5, shown as entry 10.
    for (int id : {1003, 1013, 1122, 1123})
        EXPECT_EQ(dialog.form().list(id)->currentIndex(), 10) << id;
    port.clear_events();
    emit dialog.form().list(1003)->activated(15);
    EXPECT_EQ(writes(), (std::vector<Bytes>{frame(12, 0x50)}));
    dialog.tick();
    EXPECT_EQ(dialog.form().list(1003)->currentText(), QStringLiteral("+18"));
}

TEST_F(SettingsFixture, EveryTemplateFitsTheWindowAtEverySize) {
    for (int command : {cmd::Configuration, cmd::Options}) {
        window->run_command(command);
        for (int size : {cmd::Size640, cmd::Size800}) {
            window->run_command(size);
            const QSize client = window->client()->size();
            for (QWidget* w : view()->findChildren<QWidget*>()) {
                if (w->parentWidget() != view())
                    continue;
                EXPECT_LE(w->geometry().right(), client.width()) << w->objectName().toStdString();
                EXPECT_LE(w->geometry().bottom(), client.height()) << w->objectName().toStdString();
            }
        }
    }
}
