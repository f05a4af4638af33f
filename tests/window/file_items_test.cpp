// SPDX-License-Identifier: MIT
// The File menu's recording, playback, comparison and picture items as a
// fitter uses them: from the keyboard, a full path typed into each file dialog.
#include <csignal>
#include <fstream>
#include <regex>
#include <sstream>

#include "window/pixels.h"
#include "window/program_window.h"

namespace tarvex::window_test {

namespace {

namespace fs = std::filesystem;

// The Polish interface's dialog titles.
const std::string kRecordTitle = "Nagrywaj odczyty...";
const std::string kPlayTitle = "Odtwórz nagranie...";
const std::string kCompareTitle = "Porównanie z plikiem";
const std::string kPictureTitle = "Zapisz obraz...";
const std::string kSaveAsTitle = "Zapisz ustawienia sterownika";
const std::string kPlaying = "Odtwarzanie nagrania";
const std::string kNothingToSave = "Nic do zapisania";

const char* const kRecordingHeader =
    "time,seconds,status_frame,live_frame,settings1_frame,settings2_frame,engine_speed_rpm,"
    "lambda_voltage_v,tps,actuator_step,start_position,reducer_temperature_c,fuel,lpg_off,"
    "cut_off,learning,link";
constexpr std::size_t kColumns = 17;
enum Column { Time, Seconds, StatusFrame, LiveFrame, Settings1, Settings2, Fuel = 12, Link = 16 };

// A differing row of the comparison window is painted in this colour.
const QRgb kMarkedRow = qRgb(255, 230, 160);

std::string size_text(QSize s) {
    return std::to_string(s.width()) + "x" + std::to_string(s.height());
}

StartOptions polish() {
    StartOptions o;
    o.language = "pol";
    return o;
}

std::string contents(const fs::path& path) {
    std::ifstream f(path, std::ios::binary);
    std::ostringstream s;
    s << f.rdbuf();
    return s.str();
}

std::vector<std::string> split(const std::string& s, const std::string& by) {
    std::vector<std::string> parts;
    std::size_t from = 0;
    for (std::size_t at; (at = s.find(by, from)) != std::string::npos; from = at + by.size())
        parts.push_back(s.substr(from, at - from));
    parts.push_back(s.substr(from));
    return parts;
}

// A recording as written so far: its lines without their CR LF; the last
// element is what follows the last CR LF (empty when the file ends in one).
struct Recording {
    std::vector<std::string> lines;
    std::size_t rows() const { return lines.size() < 2 ? 0 : lines.size() - 2; }
};

Recording recording(const fs::path& path) {
    return {split(contents(path), "\r\n")};
}

std::string listed(const std::vector<ReceivedFrame>& frames) {
    std::string s;
    for (const ReceivedFrame& f : frames)
        s += " code " + std::to_string(f.code) + " value " + std::to_string(f.value) + ";";
    return s;
}

// Runs of picture lines that hold the colour: the rows painted in it.
int colour_bands(const QImage& image, QRgb colour) {
    int bands = 0;
    bool in_band = false;
    for (int y = 0; y < image.height(); ++y) {
        const bool has = count_colour(image, QRect(0, y, image.width(), 1), colour) > 0;
        bands += has && !in_band;
        in_band = has;
    }
    return bands;
}

class FileItems : public ProgramWindowTest {
  protected:
    // The program has polled the controller n times after the mark.
    bool polled(std::size_t mark, int n) {
        return wait_until([&] { return sim_log().count_since(mark, kStatusCode) >= n; });
    }
};

TEST_F(FileItems, RecordsARowPerTickAndPlaysTheRecordingInPlaceOfThePort) {
    start(polish());
    ASSERT_TRUE(wait_until([&] { return dashboard_on_gas(); })) << keep(shot(), "dashboard");
    const std::string view_title = title();
    const fs::path csv = folder() / "drive.csv";

    const std::size_t before_recording = sim_log().mark();
    file_item(FileItem::Record);
    ASSERT_EQ(choose_file(kRecordTitle, csv), "");
    const std::size_t recording_started = sim_log().mark();
    // Rows come while the program polls: a few seconds of them.
    std::size_t rows = 0;
    ASSERT_TRUE(wait_until([&] { return (rows = recording(csv).rows()) >= 10; }))
        << rows << " rows in " << csv;
    ASSERT_TRUE(wait_until([&] { return recording(csv).rows() >= rows + 70; }, kStartDeadline))
        << "the recording stopped growing at " << recording(csv).rows() << " rows";

    // Chosen again, the item stops the recording: the file stays as it is
    // while the program polls on.
    const std::size_t stop_chosen = sim_log().mark();
    file_item(FileItem::Record);
    std::string stopped;
    ASSERT_TRUE(wait_until(
        [&] {
            stopped = contents(csv);
            return polled(sim_log().mark(), 3) && contents(csv) == stopped;
        },
        kStartDeadline))
        << "the recording went on after the item was chosen again";
    const std::size_t recording_stopped = sim_log().mark();

    const Recording r = recording(csv);
    ASSERT_GE(r.lines.size(), 2u);
    EXPECT_EQ(r.lines.front(), kRecordingHeader);
    EXPECT_EQ(r.lines.back(), "") << "the file does not end with a whole row";
    const std::regex iso_time(R"(\d{4}-\d\d-\d\dT\d\d:\d\d:\d\d\.\d{3}([+-]\d\d:\d\d|Z))");
    double last_seconds = -1;
    int with_settings = 0;
    for (std::size_t i = 1; i + 1 < r.lines.size(); ++i) {
        SCOPED_TRACE("row " + std::to_string(i) + ": " + r.lines[i]);
        const std::vector<std::string> f = split(r.lines[i], ",");
        ASSERT_EQ(f.size(), kColumns);
        EXPECT_TRUE(std::regex_match(f[Time], iso_time));
        const double seconds = std::stod(f[Seconds]);
        EXPECT_GT(seconds, last_seconds);
        last_seconds = seconds;
        // Each tick polls the status and reads the live frame of the car on gas.
        EXPECT_EQ(f[StatusFrame].substr(0, 4), "6501");
        EXPECT_EQ(f[LiveFrame].size(), 22u);
        EXPECT_EQ(f[Fuel], "LPG");
        EXPECT_EQ(f[Link], "connected");
        with_settings += !f[Settings1].empty() && !f[Settings2].empty();
        if (HasFailure())
            break;
    }
    EXPECT_GT(with_settings, 0) << "no row holds the settings frames";
    // One row per tick: every tick polled while the item was on left a row,
    // and no row came without a tick.
    const int ticks_during = sim_log().count_between(recording_started, stop_chosen, kStatusCode);
    const int ticks_around =
        sim_log().count_between(before_recording, recording_stopped, kStatusCode);
    EXPECT_GE(static_cast<int>(r.rows()), ticks_during - 1);
    EXPECT_LE(static_cast<int>(r.rows()), ticks_around);

    // The controller falls silent: the dashboard shows no car on gas.
    signal_simulator(SIGUSR1);
    ASSERT_TRUE(wait_until([&] { return !dashboard_on_gas(); }))
        << "the silent controller's car still shows on gas; " << keep(shot(), "silent");
    // Played back, the recording takes the controller's place; the title
    // names it with the place reached, which moves on, and its length.
    file_item(FileItem::Play);
    ASSERT_EQ(choose_file(kPlayTitle, csv), "");
    const std::regex playback_title(R"(.* - (.+): drive\.csv (\d\d:\d\d) / (\d\d:\d\d))");
    std::string now;
    std::smatch shown;  // state, place, length
    const auto playback = [&] { return std::regex_match(now = title(), shown, playback_title); };
    ASSERT_TRUE(wait_until([&] { return playback() && shown[1] == kPlaying; })) << now;
    const std::string first_place = shown[2];
    const std::size_t playing = sim_log().mark();
    EXPECT_TRUE(wait_until([&] { return dashboard_on_gas(); }))
        << "the dashboard does not show the recording; " << keep(shot(), "playback");
    EXPECT_TRUE(wait_until([&] { return playback() && shown[2] > first_place; })) << now;
    // A command that writes is refused with a message.
    click(learning_button_centre());
    const std::string message = window_titled(kPlaying);
    ASSERT_FALSE(message.empty()) << "not refused; " << keep(shot(), "not-refused");
    focus_window(message);
    press({"Return"});
    ASSERT_TRUE(wait_until([&] { return other_windows().empty(); }));
    // At its end the title and the dashboard say so, not that the lead failed.
    EXPECT_TRUE(wait_until(
        [&] { return playback() && shown[1] != kPlaying && shown[2] == shown[3]; }, kStartDeadline))
        << now;
    const QRect row1(dashboard_point(40, 405), dashboard_point(440, 425));
    EXPECT_TRUE(wait_until([&] {
        const QImage s = shot();
        return count_colour(s, row1, qRgb(0, 0, 0)) > 0 &&
               count_colour(s, row1, qRgb(255, 0, 0)) == 0;
    })) << "no black text, or red text, in status row 1; "
        << keep(shot(), "ended");
    EXPECT_EQ(sim_log().count_since(playing, kStatusCode), 0)
        << "the port was polled during the playback";

    // Chosen again, the item returns to the port.
    const std::size_t play_stopped = sim_log().mark();
    file_item(FileItem::Play);
    EXPECT_TRUE(wait_until([&] { return title() == view_title; })) << title();
    EXPECT_TRUE(polls_after(play_stopped)) << "the port is not polled after the playback";
    signal_simulator(SIGUSR1);
    EXPECT_TRUE(wait_until([&] { return dashboard_on_gas(); }))
        << "the controller's readings do not come back; " << keep(shot(), "back-to-port");
    EXPECT_EQ(contents(csv), stopped) << "the recording changed after it was stopped";
}

TEST_F(FileItems, ComparisonMarksTheDifferingSettingAndClosesWithoutWriting) {
    start(polish());
    ASSERT_TRUE(show_view(Configuration));
    ASSERT_TRUE(settings_shown());
    // The controller's settings saved, and the same with one value changed.
    const fs::path saved = folder() / "car.tvs";
    file_item(FileItem::SaveAs);
    ASSERT_EQ(choose_file(kSaveAsTitle, saved), "");
    ASSERT_TRUE(wait_until([&] {
        return contents(saved).find("Otwarcie_GAZU=") != std::string::npos;
    })) << "File > Save As wrote no settings file";
    const std::regex lambda_delay(R"(LambdaDelay= (\d+))");
    std::smatch m;
    const std::string text = contents(saved);
    ASSERT_TRUE(std::regex_search(text, m, lambda_delay)) << text;
    const int delay = std::stoi(m[1]);
    const fs::path changed = folder() / "changed.tvs";
    std::ofstream(changed, std::ios::binary) << std::regex_replace(
        text, lambda_delay, "LambdaDelay= " + std::to_string(delay < 255 ? delay + 1 : delay - 1));

    struct Case {
        const char* name;
        fs::path file;
        int marked_rows;
        const char* close_key;  // Enter presses the window's default button, Close
    };
    for (const Case& c :
         {Case{"saved", saved, 0, "Escape"}, Case{"changed", changed, 1, "Return"}}) {
        SCOPED_TRACE(c.name);
        const std::size_t mark = sim_log().mark();
        file_item(FileItem::Compare);
        ASSERT_EQ(choose_file(kCompareTitle, c.file), "");
        // The window's title names the file compared.
        const std::string window = window_titled(kCompareTitle + " - " + c.file.string());
        ASSERT_FALSE(window.empty()) << "no comparison window; " << keep(shot(), "no-comparison");
        const WindowGeometry g = geometry(window);
        const QRect area(g.x, g.y, g.width, g.height);
        EXPECT_TRUE(QRect(QPoint(0, 0), screen_size()).contains(area))
            << "the comparison window (" << g.width << "x" << g.height << " at " << g.x << ","
            << g.y << ") does not fit on the screen; "
            << keep(shot(), std::string(c.name) + "-fit");
        const QImage table = settled(area);
        ASSERT_FALSE(table.isNull());
        EXPECT_EQ(colour_bands(table, kMarkedRow), c.marked_rows)
            << keep(table, std::string(c.name) + "-comparison");
        focus_window(window);
        press({c.close_key});
        ASSERT_TRUE(wait_until([&] { return other_windows().empty(); }))
            << c.close_key << " did not close the comparison; " << keep(shot(), "not-closed");
        ASSERT_TRUE(polls_after(sim_log().mark()));
        EXPECT_TRUE(sim_log().writes_since(mark).empty())
            << "written:" << listed(sim_log().writes_since(mark));
    }
}

// With no controller, Save As says there is nothing to save, asks for no
// file and leaves an existing one as it was.
TEST_F(FileItems, SaveAsWithoutAControllerIsRefusedAndTheFileStays) {
    StartOptions options = polish();
    options.sim_args = {"--no-pacing", "--silence", "100%"};
    start(options);
    const fs::path saved = folder() / "car.tvs";
    std::ofstream(saved, std::ios::binary) << "keep me";
    file_item(FileItem::SaveAs);
    const std::string message = window_titled(kNothingToSave);
    ASSERT_FALSE(message.empty()) << "no refusal; " << keep(shot(), "save-as");
    focus_window(message);
    press({"Return"});
    ASSERT_TRUE(wait_until([&] { return other_windows().empty(); }))
        << "the message did not close; " << keep(shot(), "not-closed");
    EXPECT_EQ(contents(saved), "keep me");
}

TEST_F(FileItems, PictureIsTheClientAreaAtItsPixelSize) {
    start(polish());
    ASSERT_TRUE(wait_until([&] { return dashboard_on_gas(); })) << keep(shot(), "dashboard");
    const auto saved_picture = [&](const std::string& name, QImage* picture) {
        const fs::path png = folder() / name;
        file_item(FileItem::Picture);
        const std::string failure = choose_file(kPictureTitle, png);
        if (!failure.empty())
            return failure;
        if (!wait_until([&] { return picture->load(QString::fromStdString(png.string()), "PNG"); }))
            return "no picture in " + png.string();
        *picture = picture->convertToFormat(QImage::Format_RGB32);
        return std::string();
    };
    // The dashboard at the start-up size, its car on gas.
    QImage picture;
    ASSERT_EQ(saved_picture("dashboard.png", &picture), "");
    EXPECT_EQ(size_text(picture.size()), size_text(client_size(size())));
    EXPECT_EQ(pixel(picture, dashboard_point(493, 500) - client_origin()), qRgb(0, 255, 255))
        << "the fuel box is not in its place";
    // A still view at the smallest size: the picture is what the screen shows.
    ASSERT_TRUE(choose_size(1));
    ASSERT_TRUE(show_view(Schema));
    park_mouse();
    const QImage screen = settled(client_rect());
    ASSERT_FALSE(screen.isNull());
    ASSERT_EQ(saved_picture("schema.png", &picture), "");
    EXPECT_EQ(size_text(picture.size()), size_text(client_size(size())));
    EXPECT_TRUE(picture == screen) << "saved: " << keep(picture, "saved-schema")
                                   << "; on the screen: " << keep(screen, "screen-schema");
}

}  // namespace

}  // namespace tarvex::window_test
