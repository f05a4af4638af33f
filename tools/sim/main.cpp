// SPDX-License-Identifier: MIT
// tarvex-sim: a simulated LPG controller on a pseudo-terminal.
#include <csignal>
#include <cstdio>
#include <string>
#include <vector>

#include "files/process_start.h"
#include "sim/offline_drive.h"
#include "sim/pty_host.h"
#include "sim/sim_options.h"

namespace {

void on_stop(int) {
    tarvex::sim::request_stop();
}
void on_toggle(int) {
    tarvex::sim::request_toggle_silence();
}
void on_fuel(int) {
    tarvex::sim::request_toggle_fuel();
}

void install(int sig, void (*handler)(int)) {
    struct sigaction sa {};
    sa.sa_handler = handler;
    sigemptyset(&sa.sa_mask);
    sa.sa_flags = 0;  // no SA_RESTART: poll() returns at once
    sigaction(sig, &sa, nullptr);
}

// --record: the drive written at simulated time, then what it was driven with.
int record_offline(const tarvex::sim::SimOptions& options) {
    using namespace tarvex::sim;
    SimController controller = make_sim_controller(options);
    OfflineDrive drive;
    drive.path = options.record;
    drive.seconds = options.seconds > 0 ? options.seconds : profile_seconds(options.scenario.profile);
    drive.pace = options.pace;
    std::string error;
    if (!write_offline_recording(controller, drive, error)) {
        std::fprintf(stderr, "tarvex-sim: cannot write %s: %s\n", drive.path.c_str(),
                     error.c_str());
        return 1;
    }
    const DriveTruth t = controller.engine().truth();
    std::printf(
        "%s: %.0f s recorded\ntrue lambda switching: %.3f Hz on gas, %.3f Hz on petrol; rich "
        "%.0f %% of each cycle\ntrue actuator hunting: %.1f steps\nreducer warms: %s\n",
        drive.path.c_str(), drive.seconds, t.switch_hz_gas, t.switch_hz_petrol,
        t.rich_duty * 100, t.hunting_steps, t.reducer_warms ? "yes" : "no");
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    tarvex::prepare_process();
    std::vector<std::string> args(argv + 1, argv + argc);
    tarvex::sim::SimOptions options;
    std::string error;
    if (!tarvex::sim::parse_sim_options(args, options, error)) {
        std::fprintf(stderr, "tarvex-sim: %s\nTry 'tarvex-sim --help'.\n", error.c_str());
        return 2;
    }
    if (options.help) {
        std::fputs(tarvex::sim::sim_usage(), stdout);
        return 0;
    }
    if (!options.record.empty())
        return record_offline(options);
    install(SIGINT, on_stop);
    install(SIGTERM, on_stop);
    install(SIGUSR1, on_toggle);
    install(SIGUSR2, on_fuel);
    return tarvex::sim::run_pty_host(options);
}
