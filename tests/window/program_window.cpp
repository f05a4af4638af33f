// SPDX-License-Identifier: MIT
#include "window/program_window.h"

#include <unistd.h>

#include <fstream>
#include <sstream>

#include "window/pixels.h"

namespace tarvex::window_test {

namespace fs = std::filesystem;

namespace {

std::string trimmed(std::string s) {
    while (!s.empty() && (s.back() == '\n' || s.back() == ' '))
        s.pop_back();
    return s;
}

}  // namespace

ProgramWindowTest::~ProgramWindowTest() {
    stop_all();
}

void ProgramWindowTest::stop_all() {
    program_.reset();
    sim_.reset();
    x_.reset();
}

void ProgramWindowTest::TearDown() {
    stop_all();
    if (dir_.empty())
        return;
    if (HasFailure()) {
        std::cout << "The test's logs and pictures are kept in " << dir_.string() << "\n";
    } else {
        std::error_code ec;
        fs::remove_all(dir_, ec);
    }
}

void ProgramWindowTest::start(const StartOptions& options) {
    std::string tmpl = (fs::temp_directory_path() / "tarvex-window-XXXXXX").string();
    ASSERT_NE(mkdtemp(tmpl.data()), nullptr);
    dir_ = tmpl;
    const fs::path run = dir_ / "run";
    fs::create_directories(run);
    fs::permissions(dir_, fs::perms::owner_all);

    x_ = std::make_unique<XServer>(options.screen_width, options.screen_height,
                                   (dir_ / "xvfb.log").string());
    ASSERT_TRUE(x_->ready()) << "Xvfb did not start; see " << (dir_ / "xvfb.log");
    screen_corner_ = QPoint(options.screen_width - 1, options.screen_height - 1);
    park_mouse();

    const std::string sim_output = (dir_ / "sim.log").string();
    std::vector<std::string> sim_args{"--ports-file", (run / "Tarvex.ports").string(), "--verbose"};
    sim_args.insert(sim_args.end(), options.sim_args.begin(), options.sim_args.end());
    sim_ = std::make_unique<SimProcess>(sim_args, (run / "sim-tty").string(), sim_output);
    sim_log_ = std::make_unique<SimLog>(sim_output);
    ASSERT_TRUE(sim_->ready()) << "the simulator did not start; see " << sim_output;

    if (!options.language.empty())
        std::ofstream(run / "Tarvex.ini")
            << "[Ustawienia]\nCommPort= 1\nLanguage= " << options.language << "\n";
    ChildLaunch program;
    program.argv = {TARVEX_PATH};
    program.cwd = run.string();
    program.env = x_->client_env();
    program.env.push_back("XDG_RUNTIME_DIR=" + dir_.string());
    program.output = (dir_ / "tarvex.log").string();
    program_ = std::make_unique<ChildProcess>(program);
    ASSERT_TRUE(wait_until(
        [&] {
            std::string ids;
            x_->xdotool({"search", "--onlyvisible", "--name", "^Tarvex"}, &ids);
            window_id_ = trimmed(ids.substr(0, ids.find('\n')));
            return !window_id_.empty();
        },
        kStartDeadline))
        << "no window; see " << program.output;
    // The start-up size is the one the window has.
    const WindowGeometry g = geometry();
    for (const WindowSize& s : kWindowSizes)
        if (g.width == client_size(s).width() && g.height > client_size(s).height() &&
            g.height <= s.height)
            size_mode_ = s.mode;
}

WindowGeometry ProgramWindowTest::geometry(const std::string& window) const {
    std::string out;
    x_->xdotool({"getwindowgeometry", "--shell", window.empty() ? window_id_ : window}, &out);
    WindowGeometry g;
    std::istringstream in(out);
    std::string line;
    while (std::getline(in, line)) {
        const auto eq = line.find('=');
        if (eq == std::string::npos)
            continue;
        const std::string name = line.substr(0, eq);
        const int value = std::atoi(line.c_str() + eq + 1);
        if (name == "X")
            g.x = value;
        else if (name == "Y")
            g.y = value;
        else if (name == "WIDTH")
            g.width = value;
        else if (name == "HEIGHT")
            g.height = value;
    }
    return g;
}

std::string ProgramWindowTest::title() const {
    return window_name(window_id_);
}

std::string ProgramWindowTest::window_name(const std::string& window) const {
    std::string out;
    x_->xdotool({"getwindowname", window}, &out);
    return trimmed(out);
}

std::vector<std::string> ProgramWindowTest::other_windows() const {
    std::string ids;
    x_->xdotool({"search", "--onlyvisible", "--class", "^tarvex$"}, &ids);
    std::vector<std::string> others;
    std::istringstream in(ids);
    std::string id;
    while (std::getline(in, id))
        if (!trimmed(id).empty() && trimmed(id) != window_id_)
            others.push_back(trimmed(id));
    return others;
}

std::string ProgramWindowTest::window_titled(const std::string& name) const {
    std::string found;
    wait_until([&] {
        for (const std::string& w : other_windows())
            if (window_name(w) == name) {
                found = w;
                return true;
            }
        return false;
    });
    return found;
}

QPoint ProgramWindowTest::client_origin() const {
    const WindowGeometry g = geometry();
    return {g.x, g.y + g.height - client_size(size()).height()};
}

QPoint ProgramWindowTest::dashboard_point(double x, double y) const {
    return client_origin() + QPoint(-5, -10) + scaled(size(), x, y);
}

QPoint ProgramWindowTest::view_point(double x, double y) const {
    return client_origin() + scaled(size(), x, y);
}

QPoint ProgramWindowTest::learning_button_centre() const {
    const WindowSize& s = size();
    return client_origin() + QPoint(-5, -10) +
           QPoint(s.button_x + s.button_width / 2, s.button_y + s.button_height / 2);
}

QImage ProgramWindowTest::shot() const {
    return x_->grab();
}

QRect ProgramWindowTest::client_rect() const {
    return QRect(client_origin(), client_size(size()));
}

QImage ProgramWindowTest::settled(const QRect& area) const {
    QImage last = shot().copy(area);
    QImage now;
    if (wait_until([&] {
            now = shot().copy(area);
            const bool same = now == last;
            last = now;
            return same;
        }))
        return now;
    return {};
}

std::string ProgramWindowTest::keep(const QImage& image, const std::string& name) const {
    const fs::path path = dir_ / (name + ".png");
    image.save(QString::fromStdString(path.string()));
    return "picture: " + path.string();
}

bool ProgramWindowTest::dashboard_on_gas() const {
    // Inside the fuel box, clear of its text: cyan on gas.
    return pixel(shot(), dashboard_point(493, 500)) == qRgb(0, 255, 255);
}

std::string ProgramWindowTest::learning_click_failure() {
    if (!wait_until([&] { return dashboard_on_gas(); }))
        return "the dashboard does not show the car on gas; " + keep(shot(), "dashboard");
    const std::size_t mark = sim_log_->mark();
    click(learning_button_centre());
    if (wait_until([&] { return sim_log_->count_since(mark, kCommandCode, kStartLearning) > 0; }))
        return {};
    return "a click at the learning button's place sent nothing; " + keep(shot(), "learning");
}

bool ProgramWindowTest::polls_after(std::size_t mark) const {
    return wait_until([&] { return sim_log_->count_since(mark, kStatusCode) > 0; });
}

bool ProgramWindowTest::settings_shown() {
    // The settings views read the second settings frame last in a tick and
    // show what they read before the next tick's status poll.
    const std::size_t mark = sim_log_->mark();
    if (!wait_until([&] { return sim_log_->count_since(mark, kSettings2Code) > 0; }))
        return false;
    return polls_after(sim_log_->mark());
}

}  // namespace tarvex::window_test
