// SPDX-License-Identifier: MIT
#include "window/x_server.h"

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

#include <cerrno>

namespace tarvex::window_test {

namespace {

// How long xdotool or import may take on a loaded machine.
constexpr std::chrono::seconds kCommandDeadline{20};

// Reads the display number that Xvfb writes to its -displayfd once it
// accepts clients.
std::string read_display_number(int fd) {
    std::string number;
    const auto end = std::chrono::steady_clock::now() + kStartDeadline;
    while (std::chrono::steady_clock::now() < end) {
        pollfd p{fd, POLLIN, 0};
        const int ready = ::poll(&p, 1, 100);
        if (ready < 0 && errno != EINTR)
            break;
        if (ready <= 0)
            continue;
        char c = 0;
        const ssize_t n = ::read(fd, &c, 1);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        if (c == '\n')
            return number;
        number += c;
    }
    return {};
}

}  // namespace

XServer::XServer(int width, int height, const std::string& log_file) {
    int fds[2];
    if (pipe2(fds, O_CLOEXEC) != 0)
        return;
    ChildLaunch launch;
    launch.argv = {
        "Xvfb",     "-displayfd", "3",
        "-noreset", "-nolisten",  "tcp",
        "-screen",  "0",          std::to_string(width) + "x" + std::to_string(height) + "x24"};
    launch.output = log_file;
    launch.pass_fd = fds[1];
    xvfb_.start(launch);
    ::close(fds[1]);
    const std::string number = read_display_number(fds[0]);
    ::close(fds[0]);
    if (!number.empty())
        display_ = ":" + number;
}

std::vector<std::string> XServer::client_env() const {
    return {"DISPLAY=" + display_, "QT_QPA_PLATFORM=xcb"};
}

bool XServer::xdotool(const std::vector<std::string>& args, std::string* output) const {
    ChildLaunch launch{{"xdotool"}, {}, client_env()};
    launch.argv.insert(launch.argv.end(), args.begin(), args.end());
    const auto run = run_to_end(launch, kCommandDeadline);
    if (output)
        *output += run.out;
    return run.exit_code == 0;
}

std::string XServer::root_window() const {
    std::string id;
    xdotool({"search", "--maxdepth", "0", "--name", ""}, &id);
    return id.substr(0, id.find('\n'));
}

QImage XServer::grab() const {
    const auto run =
        run_to_end({{"import", "-display", display_, "-window", "root", "-depth", "8", "ppm:-"},
                    {},
                    client_env()},
                   kCommandDeadline);
    if (run.exit_code != 0)
        return {};
    const std::string& ppm = run.out;
    QImage image;
    image.loadFromData(reinterpret_cast<const uchar*>(ppm.data()), static_cast<int>(ppm.size()),
                       "PPM");
    return image.convertToFormat(QImage::Format_RGB32);
}

}  // namespace tarvex::window_test
