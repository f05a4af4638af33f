// SPDX-License-Identifier: MIT
// tarvex-probe: the program as main() sets it up, measured. Prints the time
// from process start to the first painted dashboard, then lets the Readings
// view poll the controller on DEVICE for N seconds and prints the resident
// memory and the CPU share of that time.
//   tarvex-probe DEVICE [SECONDS]     (run it beside a Lang folder, e.g. build/run)
#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QStyleFactory>
#include <QTimer>

#include <sys/resource.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

#include "app/main_window.h"
#include "app/paths.h"
#include "app/views.h"
#include "ports/posix_serial_port.h"
#include "readings/readings_view.h"

namespace {

// Seconds since this process started, from /proc.
double seconds_since_start() {
    std::ifstream stat("/proc/self/stat");
    std::string s((std::istreambuf_iterator<char>(stat)), std::istreambuf_iterator<char>());
    std::istringstream fields(s.substr(s.rfind(')') + 2));
    std::string f;
    unsigned long long start_ticks = 0;
    for (int i = 3; i <= 22 && fields >> f; ++i)
        if (i == 22)
            start_ticks = std::stoull(f);
    double uptime = 0;
    std::ifstream("/proc/uptime") >> uptime;
    return uptime - static_cast<double>(start_ticks) / static_cast<double>(sysconf(_SC_CLK_TCK));
}

long rss_kib() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmRSS:", 0) == 0)
            return std::stol(line.substr(6));
    return -1;
}

double cpu_seconds() {
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    auto sec = [](const timeval& t) {
        return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) / 1e6;
    };
    return sec(u.ru_utime) + sec(u.ru_stime);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: tarvex-probe DEVICE [SECONDS]\n");
        return 2;
    }
    QApplication app(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    const int seconds = argc > 2 ? std::atoi(argv[2]) : 60;

    tarvex::Program program;
    program.StartDirectory = tarvex::current_directory();
    program.ProgramDirectory = tarvex::program_directory();
    tarvex::PosixSerialPort port;
    program.link.port = &port;
    program.link.devices.device[0] = argv[1];
    tarvex::build_dial_tables(program.dial);
    tarvex::ResetScopeBuffers(program.scope_buffers, program.size.scale);
    tarvex::MainWindow window(program);
    window.show();
    window.paint_sequence();
    // Until the dashboard has been painted on the screen.
    auto* view = qobject_cast<tarvex::ReadingsView*>(window.current_view());
    bool painted = false;
    class PaintWatch : public QObject {
      public:
        explicit PaintWatch(bool& flag) : flag_(flag) {}
        bool eventFilter(QObject*, QEvent* e) override {
            if (e->type() == QEvent::Paint)
                flag_ = true;
            return false;
        }

      private:
        bool& flag_;
    } watch(painted);
    view->installEventFilter(&watch);
    view->update();
    while (!painted)
        app.processEvents(QEventLoop::WaitForMoreEvents);
    app.processEvents();
    const double startup_ms = seconds_since_start() * 1000.0;
    std::printf("startup_ms %.0f\n", startup_ms);
    std::fflush(stdout);

    const double cpu0 = cpu_seconds();
    QElapsedTimer wall;
    wall.start();
    // Run the event loop as the program does (a timed processEvents loop spins).
    QEventLoop loop;
    QTimer::singleShot(seconds * 1000, &loop, &QEventLoop::quit);
    loop.exec();
    const double cpu = cpu_seconds() - cpu0;
    std::printf("rss_mib %.1f\n", static_cast<double>(rss_kib()) / 1024.0);
    std::printf("cpu_percent %.2f\n", 100.0 * cpu / (static_cast<double>(wall.elapsed()) / 1000.0));
    std::printf("connected %d\n", program.link.NoConnection == 0 ? 1 : 0);
    std::printf("poll_period_ms %d\n", program.link.PollPeriod);
    return 0;
}
