// SPDX-License-Identifier: MIT
// tarvex-sim: a simulated LPG controller on a pseudo-terminal.
#include <csignal>
#include <cstdio>
#include <string>
#include <vector>

#include "files/process_start.h"
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
    install(SIGINT, on_stop);
    install(SIGTERM, on_stop);
    install(SIGUSR1, on_toggle);
    install(SIGUSR2, on_fuel);
    return tarvex::sim::run_pty_host(options);
}
