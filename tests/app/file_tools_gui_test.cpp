// SPDX-License-Identifier: MIT
// The File menu's tools, on the offscreen platform against a
// scripted port that plays the simulated controller: their place and texts,
// recording, playback, comparison with a file and pictures.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QImage>
#include <QMenu>
#include <QPushButton>
#include <QRegularExpression>
#include <QTableWidget>
#include <QTimer>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "app/commands.h"
#include "app/file_tools.h"
#include "app/menu_bar.h"
#include "app/view_factory.h"
#include "config/compare_dialog.h"
#include "config/options_view.h"
#include "config/settings_file.h"
#include "history/history_texts.h"
#include "recording/recording_row.h"
#include "support/file_text.h"
#include "support/scripted_dialogs.h"
#include "support/shell_test.h"

using namespace tarvex;
namespace fs = std::filesystem;

using tarvex::testing::read_all;

namespace {

int count_lines(const std::string& s) {
    return static_cast<int>(std::count(s.begin(), s.end(), '\n'));
}

struct ToolsFixture : tarvex::testing::ShellTest {
    tarvex::testing::ScriptedDialogs dialogs;

    void SetUp() override {
        ShellTest::SetUp();
        write_language_file("pol", "pol ");
        program.dialogs = &dialogs;
        sim_time = 20.0;
    }
    void start() { open_window({1280, 1024}); }
    // Ticks of the view shown (the Readings view unless a test switches).
    void ticks(int n) {
        for (int i = 0; i < n; ++i) {
            sim_time += 0.05;
            window->current_view()->tick();
        }
    }
    QAction* item(int id) { return window->tarvex_menu_bar()->action(id); }
};

}  // namespace

// After Save As, before the separator and Exit, in this order; their texts from the language
// file, or English when an older file leaves the slots "-".
TEST_F(ToolsFixture, FileMenuHoldsTheAddedItemsInPlace) {
    start();
    QMenu* file = nullptr;
    for (QAction* a : window->tarvex_menu_bar()->actions())
        if (a->menu() && a->menu()->actions().contains(item(cmd::Open)))
            file = a->menu();
    ASSERT_NE(file, nullptr);
    std::vector<int> order;
    for (QAction* a : file->actions())
        order.push_back(a->isSeparator() ? 0 : a->data().toInt());
    EXPECT_EQ(order,
              (std::vector<int>{cmd::Open, cmd::SaveAs, cmd::RecordReadings, cmd::PlayRecording,
                                cmd::CompareWithFile, cmd::SavePicture, cmd::ReviewRecordings,
                                cmd::UndoLastChange, cmd::SettingsHistory, 0, cmd::Exit}));
    EXPECT_EQ(item(cmd::RecordReadings)->text(), QStringLiteral("pol 7"));
    EXPECT_EQ(item(cmd::SavePicture)->text(), QStringLiteral("pol 10"));

    // An older English file: its unused slots hold "-".
    {
        std::ofstream f(base / "Lang" / "Tarvex_lang.ang", std::ios::binary);
        for (int k = 0; k < kUiTextSlots; ++k)
            f << "T" << k << "=" << (k >= 7 && k <= 10 ? std::string("-") : "ang") << "\r\n";
    }
    window->run_command(cmd::LangEnglish);
    EXPECT_EQ(item(cmd::RecordReadings)->text(), QStringLiteral("Record readings..."));
    EXPECT_EQ(item(cmd::PlayRecording)->text(), QStringLiteral("Play recording..."));
    EXPECT_EQ(item(cmd::CompareWithFile)->text(), QStringLiteral("Compare with file..."));
    EXPECT_EQ(item(cmd::SavePicture)->text(), QStringLiteral("Save picture..."));
}

// Recording: checked and named in the title while it runs, one row a tick,
// stopped by the same item; then played back in its place, named likewise.
TEST_F(ToolsFixture, RecordThenPlayBack) {
    start();
    const fs::path csv = dir / "drive.csv";
    dialogs.file_names = {QString::fromStdString(csv.string())};
    window->run_command(cmd::RecordReadings);
    EXPECT_TRUE(item(cmd::RecordReadings)->isChecked());
    EXPECT_EQ(window->windowTitle(), QStringLiteral("pol 175 - pol 90: drive.csv"));
    ticks(10);
    window->run_command(cmd::RecordReadings);
    EXPECT_FALSE(item(cmd::RecordReadings)->isChecked());
    EXPECT_EQ(program.link.port, &port);
    const std::string text = read_all(csv);
    EXPECT_EQ(text.rfind("time,seconds,status_frame,live_frame", 0), 0u);
    EXPECT_EQ(count_lines(text), 11);  // the header and ten ticks
    ticks(2);
    EXPECT_EQ(count_lines(read_all(csv)), 11);  // nothing after the stop

    // Playback: the controller is the recording; the scripted port is idle.
    dialogs.file_names = {QString::fromStdString(csv.string())};
    window->run_command(cmd::PlayRecording);
    EXPECT_TRUE(item(cmd::PlayRecording)->isChecked());
    EXPECT_TRUE(window->windowTitle().startsWith(QStringLiteral("pol 175 - pol 91: drive.csv ")))
        << window->windowTitle().toStdString();
    port.clear_events();
    ticks(3);
    EXPECT_TRUE(port.events().empty());
    EXPECT_EQ(program.link.NoConnection, 0);
    window->run_command(cmd::PlayRecording);
    EXPECT_FALSE(item(cmd::PlayRecording)->isChecked());
    EXPECT_EQ(window->windowTitle(), QStringLiteral("pol 175"));
    EXPECT_EQ(program.link.port, &port);
    ticks(1);
    EXPECT_FALSE(port.events().empty());
}

// A recording whose folder vanishes stops with a message; its rows stay.
TEST_F(ToolsFixture, RecordingIntoAVanishedFolderStopsWithAMessage) {
    start();
    const fs::path folder = dir / "trip";
    fs::create_directories(folder);
    dialogs.file_names = {QString::fromStdString((folder / "drive.csv").string())};
    window->run_command(cmd::RecordReadings);
    ticks(3);
    fs::remove_all(folder);
    ticks(3);
    QApplication::processEvents();
    EXPECT_FALSE(item(cmd::RecordReadings)->isChecked());
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_TRUE(dialogs.messages[0].text.startsWith(QStringLiteral("pol 34")));
    EXPECT_EQ(program.link.port, &port);

    // A file that cannot be created: a message, nothing recording.
    dialogs.file_names = {QStringLiteral("/nonexistent-folder/drive.csv")};
    window->run_command(cmd::RecordReadings);
    EXPECT_FALSE(item(cmd::RecordReadings)->isChecked());
    EXPECT_EQ(dialogs.messages.size(), 2u);
}

// The comparison marks exactly the settings that differ, writes nothing
// when closed, and sends the file as Open does when asked.
TEST_F(ToolsFixture, CompareMarksTheDifferencesAndSendsOnlyWhenAsked) {
    start();
    ticks(8);
    ParsedSettings file = parse_settings_file(settings_file_text(program.image));
    ASSERT_TRUE(file.ok);
    file.values[3] = static_cast<std::uint8_t>(file.values[3] + 1);    // LambdaDelay
    file.values[21] = static_cast<std::uint8_t>(file.values[21] + 1);  // IgnitionType
    ControllerImage edited = program.image;
    edited.SettingsBlock1[4] = file.values[3];
    edited.SettingsBlock2[7] = file.values[21];
    const fs::path tvs = dir / "customer.tvs";
    std::ofstream(tvs, std::ios::binary) << settings_file_text(edited);

    for (bool send : {false, true}) {
        SCOPED_TRACE(send);
        dialogs.file_names = {QString::fromStdString(tvs.string())};
        std::vector<std::string> marked;
        QTimer::singleShot(0, [&] {
            auto* d = qobject_cast<CompareDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(d, nullptr);
            for (const CompareRow& r : d->rows())
                if (r.differs)
                    marked.emplace_back(r.key());
            port.clear_events();
            if (send)
                d->send_button()->click();
            else
                d->reject();
        });
        window->run_command(cmd::CompareWithFile);
        EXPECT_EQ(marked, (std::vector<std::string>{"LambdaDelay", "IgnitionType"}));
        EXPECT_EQ(writes().size(), send ? 28u : 0u);
    }
}

// Without an answering controller its column stays empty and the file
// cannot be sent until it answers; the title names the file; the filter
// leaves the differing row.
TEST_F(ToolsFixture, CompareShowsNoControllerValuesUntilItAnswers) {
    start();
    ticks(8);
    const QString tvs = QString::fromStdString((dir / "c.tvs").string());
    ControllerImage edited = program.image;
    edited.SettingsBlock2[7] += 1;  // IgnitionType
    std::ofstream(tvs.toStdString(), std::ios::binary) << settings_file_text(edited);
    silent = true;
    ticks(3);
    dialogs.file_names = {tvs};
    QTimer::singleShot(0, [&] {
        auto* d = qobject_cast<CompareDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(d, nullptr);
        EXPECT_TRUE(d->windowTitle().endsWith(QStringLiteral(" - ") + tvs));
        const auto column = [d](int c, bool shown_only) {
            QString all;
            for (int r = 0; r < d->table()->rowCount(); ++r)
                if (!shown_only || !d->table()->isRowHidden(r))
                    all += d->table()->item(r, c)->text() + QLatin1Char('|');
            return all;
        };
        EXPECT_EQ(column(2, false), QString(d->table()->rowCount(), QLatin1Char('|')));
        d->tick();
        EXPECT_FALSE(d->send_button()->isEnabled());
        silent = false;
        d->tick();
        EXPECT_TRUE(d->send_button()->isEnabled());
        d->differences_only()->setChecked(true);
        EXPECT_EQ(column(0, true), QStringLiteral("pol 46|"));
        d->reject();
    });
    window->run_command(cmd::CompareWithFile);
}

// The picture is the client area at its real size, as it was when the
// command was chosen; the dialog offers a name with the date and time, and a
// folder whose name is not UTF-8 is found again by its bytes.
TEST_F(ToolsFixture, PictureOfTheViewAtItsRealSize) {
    start();
    ticks(2);
    const QImage chosen = window->client()->grab().toImage();
    const fs::path png = dir / "ust_\xb3" / "dashboard.png";
    fs::create_directory(png.parent_path());
    dialogs.file_names = {QFile::decodeName(QByteArray::fromStdString(png.string()))};
    dialogs.while_open = [&] { window->run_command(cmd::Schema); };
    window->run_command(cmd::SavePicture);
    const QImage img = QImage::fromData(QByteArray::fromStdString(read_all(png)));
    EXPECT_EQ(img.convertToFormat(chosen.format()), chosen);
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^tarvex-\\d{4}-\\d\\d-\\d\\d-\\d{4}\\.png$"))
                    .match(dialogs.initial_names.back())
                    .hasMatch());
    EXPECT_TRUE(dialogs.messages.empty());
    dialogs.file_names = {QStringLiteral("/nonexistent-folder/x.png")};
    window->run_command(cmd::SavePicture);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_TRUE(dialogs.messages[0].text.endsWith(QStringLiteral(": No such file or directory")));
}

// While a recording plays, the title shows where it is, and every command
// that writes is refused with a message instead of pretending to be sent.
TEST_F(ToolsFixture, PlaybackShowsItsPlaceAndRefusesEveryWrite) {
    start();
    const fs::path csv = dir / "drive.csv";
    std::ofstream(csv, std::ios::binary)  // the last row plays for a second
        << recording_header() << "t,0.000,6501268C,,,,,,,,,,,,,,connected\r\n"
        << "t,82.450,6501268C,,,,,,,,,,,,,,connected\r\n";
    dialogs.file_names = {QString::fromStdString(csv.string())};
    window->run_command(cmd::PlayRecording);
    EXPECT_EQ(window->windowTitle().toStdString(), "pol 175 - pol 91: drive.csv 00:00 / 01:23");
    auto form = [&] { return &qobject_cast<SettingsView*>(window->current_view())->form(); };
    const std::pair<int, std::function<void()>> commands[] = {
        {cmd::Configuration, [&] { emit form()->list(1003)->activated(5); }},
        {cmd::Options, [&] { qobject_cast<QCheckBox*>(form()->control(1039))->click(); }},
        {cmd::Options,
         [&] {
             emit EmulDODialog(settings_context(program), nullptr).form().list(1003)->activated(1);
         }},
        {cmd::Reset,
         [&] { window->current_view()->findChild<QPushButton*>("control126")->click(); }},
        {cmd::Reset,
         [&] {
             CompareDialog(file_context(program), QString(), {}, SettingsAnswer::Read, nullptr)
                 .send_button()
                 ->click();
         }},
        {cmd::Readings, [&] { window->run_command(cmd::Open); }},
    };
    for (const auto& [view, command] : commands) {
        window->run_command(view);
        dialogs.messages.clear();
        command();
        ASSERT_EQ(dialogs.messages.size(), 1u) << view;
        EXPECT_EQ(dialogs.messages[0].caption, QStringLiteral("pol 91"));
    }
}

// A history that cannot be kept (here a folder in the file's place) is said
// once at start; Open still sends and confirms the file, and Undo last change
// says why there is nothing to undo with, sending nothing.
TEST_F(ToolsFixture, AHistoryThatCannotBeKeptIsSaidOnceAndTheCarStaysReachable) {
    fs::create_directory(dir / "Tarvex.history");
    program.HistoryPath = (dir / "Tarvex.history").string();
    start();
    QCoreApplication::processEvents();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].caption, tarvex::history::history_caption());
    EXPECT_EQ(program.history, nullptr);
    ticks(8);
    const fs::path tvs = dir / "same.tvs";
    std::ofstream(tvs, std::ios::binary) << settings_file_text(program.image);
    dialogs.file_names = {QString::fromStdString(tvs.string())};
    port.clear_events();
    window->run_command(cmd::Open);
    EXPECT_EQ(writes().size(), 28u);
    EXPECT_EQ(dialogs.messages.size(), 1u) << "the file was not confirmed";
    port.clear_events();
    window->run_command(cmd::UndoLastChange);
    EXPECT_EQ(dialogs.messages.size(), 2u);
    EXPECT_TRUE(writes().empty());
}
