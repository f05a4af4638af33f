// SPDX-License-Identifier: MIT
#include "sim/sim_options.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>

namespace tarvex::sim {

namespace {

bool parse_int(const std::string& s, long lo, long hi, long& out) {
    if (s.empty())
        return false;
    errno = 0;
    char* end = nullptr;
    long v = std::strtol(s.c_str(), &end, 10);
    if (errno != 0 || *end != '\0' || v < lo || v > hi)
        return false;
    out = v;
    return true;
}

// A rate as a fraction 0..1 ("0.25") or a percentage ("25%").
bool parse_rate(std::string s, double& out) {
    if (s.empty())
        return false;
    bool percent = s.back() == '%';
    if (percent)
        s.pop_back();
    if (s.empty())
        return false;
    errno = 0;
    char* end = nullptr;
    double v = std::strtod(s.c_str(), &end);
    if (errno != 0 || *end != '\0' || !(v >= 0))
        return false;
    if (percent)
        v /= 100.0;
    if (v > 1.0)
        return false;
    out = v;
    return true;
}

}  // namespace

const char* sim_usage() {
    return R"(Usage: tarvex-sim --link PATH [options]
       tarvex-sim --record FILE.csv [--seconds N] [--profile P] [--fault F] [options]

Plays a generation-2 LPG controller on a pseudo-terminal, so that Tarvex can be
used and tested without a car. The controller keeps its 28 settings, applies and
acknowledges writes, runs the learning run (command 30, value 50) and restores
its factory settings (command 30, value 51). Its live readings come from an
engine model: a 40-second drive cycle of idle, revving, coast-down with cut-off
and a hard rev past the switch-back speed, with the reducer warming up and the
switch to gas once warm.

Runs until SIGINT or SIGTERM, then removes its link. SIGUSR1 toggles silence
(the controller stops answering, as if unplugged, and starts again). SIGUSR2
toggles the fuel switch: the car is held on petrol, or let go back to gas.

With --record it writes a recording instead, as File > Record readings...
would while the program polls this controller, at simulated time: no
pseudo-terminal and no waiting (an hour of drive takes about a second). It
then prints the true values it drove with, to check a drive review against.

Options:
  --link PATH          put a symbolic link to the pseudo-terminal at PATH (required
                       unless --record is given)
  --ports-file FILE    also write FILE (e.g. Tarvex.ports) mapping a port to PATH
  --com N              the port that FILE maps, 1 to 4 (default 1)
  --no-pacing          send replies at once instead of at 9600 baud 8N1
  --generation N       report controller generation N, 1 to 8 (default 2); other
                       generations answer only the status command
  --minor N            report minor version N, 0 to 31 (default 6)
  --idle-on-gas        the engine runs from the start, warm, idling on gas (no
                       drive cycle); SIGUSR2 holds it on petrol and lets it go
  --setting CODE=VALUE start with setting CODE (write code 5 to 33, not 30) at
                       VALUE (0 to 255) instead of its factory value; repeatable
Drives and sensors (the seed draws the drive and the sensors' values):
  --profile P          cycle (the 40-second cycle, the default), town (a cold
                       start in town: the reducer warms for minutes, stop and go)
                       or motorway (a warm engine, long steady cruising)
  --fault F            none, slow-lambda (the lambda sensor switches slowly),
                       lean (it reads lean most of the time), stuck-lambda (it
                       sits at the switching point), hunting (the actuator
                       oscillates far around its position) or cold-reducer (the
                       reducer never warms enough for gas)
  --record FILE        write a recording of the drive to FILE and end
  --seconds N          --record: simulated seconds to record, 1 to 172800
                       (default: 900 for town, 1200 for motorway, 40 for cycle)
  --pace readings|scope  --record: poll as the Readings view (every 50 ms, the
                       default) or as the Oscilloscope view (back to back)
Faults of the link, each at a RATE given as a fraction (0.1) or a percentage (10%):
  --silence RATE       no reply
  --garbage RATE       random bytes that do not start with the frame mark
  --bad-checksum RATE  a reply with a wrong checksum
  --short RATE         a reply cut short
  --late RATE          a reply sent only after the host has given up waiting
  --late-ms MS         how late a late reply is, 0 to 10000 (default 400)
  --no-ack RATE        a write applied but not acknowledged
  --ignore RATE        a write acknowledged but not applied
  --seed N             seed of the fault dice (default 1)
  --verbose            log every frame to standard error
  --help               show this text
)";
}

SimController make_sim_controller(const SimOptions& o) {
    SimController c(o.generation, o.minor, o.faults, o.seed);
    if (o.scenario_given) {
        DriveScenario s = o.scenario;
        s.seed = o.seed;
        c.set_scenario(s);
    }
    c.set_late_delay_ms(o.late_ms);
    c.set_idle_on_gas(o.idle_on_gas);
    for (const auto& [code, value] : o.settings)
        c.set_setting(code, static_cast<std::uint8_t>(value));
    return c;
}

bool parse_sim_options(const std::vector<std::string>& args, SimOptions& out, std::string& error) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        std::string name = args[i];
        std::string value;
        bool has_inline = false;
        if (auto eq = name.find('='); name.rfind("--", 0) == 0 && eq != std::string::npos) {
            value = name.substr(eq + 1);
            name = name.substr(0, eq);
            has_inline = true;
        }
        auto flag = [&](bool& target) {
            if (has_inline) {
                error = "option " + name + " takes no value";
                return false;
            }
            target = true;
            return true;
        };
        auto need = [&]() {
            if (has_inline)
                return true;
            if (i + 1 >= args.size()) {
                error = "option " + name + " needs a value";
                return false;
            }
            value = args[++i];
            return true;
        };
        auto rate = [&](double& target) {
            if (!need())
                return false;
            if (!parse_rate(value, target)) {
                error = "bad rate for " + name + ": '" + value + "' (use 0 to 1, or 0% to 100%)";
                return false;
            }
            return true;
        };
        auto number = [&](long lo, long hi, long& target) {
            if (!need())
                return false;
            if (!parse_int(value, lo, hi, target)) {
                error = "bad value for " + name + ": '" + value + "' (use " + std::to_string(lo) +
                        " to " + std::to_string(hi) + ")";
                return false;
            }
            return true;
        };
        long n = 0;
        bool no_pacing = false;
        if (name == "--help" || name == "-h") {
            if (!flag(out.help))
                return false;
        } else if (name == "--verbose") {
            if (!flag(out.verbose))
                return false;
        } else if (name == "--idle-on-gas") {
            if (!flag(out.idle_on_gas))
                return false;
        } else if (name == "--setting") {
            if (!need())
                return false;
            const auto eq = value.find('=');
            long code = 0, byte = 0;
            if (eq == std::string::npos || !parse_int(value.substr(0, eq), 5, 33, code) ||
                code == 30 || !parse_int(value.substr(eq + 1), 0, 255, byte)) {
                error = "bad setting '" + value +
                        "' (use CODE=VALUE, code 5 to 33 but 30, value 0 to 255)";
                return false;
            }
            out.settings.emplace_back(static_cast<int>(code), static_cast<int>(byte));
        } else if (name == "--profile" || name == "--fault") {
            if (!need())
                return false;
            const bool known = name == "--profile" ? profile_of(value, out.scenario.profile)
                                                   : fault_of(value, out.scenario.fault);
            if (!known) {
                error = "bad value for " + name + ": '" + value + "' (see --help)";
                return false;
            }
            out.scenario_given = true;
        } else if (name == "--record") {
            if (!need())
                return false;
            if (value.empty()) {
                error = "--record needs a file";
                return false;
            }
            out.record = value;
        } else if (name == "--seconds") {
            if (!need())
                return false;
            char* end = nullptr;
            errno = 0;
            out.seconds = std::strtod(value.c_str(), &end);
            if (errno != 0 || *end != '\0' || !std::isfinite(out.seconds) || out.seconds < 1 ||
                out.seconds > 172800) {
                error = "bad value for --seconds: '" + value + "' (use 1 to 172800)";
                return false;
            }
        } else if (name == "--pace") {
            if (!need())
                return false;
            if (value != "readings" && value != "scope") {
                error = "bad value for --pace: '" + value + "' (use readings or scope)";
                return false;
            }
            out.pace = value == "scope" ? PollPace::Oscilloscope : PollPace::Readings;
        } else if (name == "--no-pacing") {
            if (!flag(no_pacing))
                return false;
            out.pacing = false;
        } else if (name == "--link") {
            if (!need())
                return false;
            if (value.empty()) {
                error = "--link needs a path";
                return false;
            }
            out.link = value;
        } else if (name == "--ports-file") {
            if (!need())
                return false;
            out.ports_file = value;
        } else if (name == "--com") {
            if (!number(1, 4, n))
                return false;
            out.com = static_cast<int>(n);
        } else if (name == "--generation") {
            if (!number(1, 8, n))
                return false;
            out.generation = static_cast<int>(n);
        } else if (name == "--minor") {
            if (!number(0, 31, n))
                return false;
            out.minor = static_cast<int>(n);
        } else if (name == "--late-ms") {
            if (!number(0, 10000, n))
                return false;
            out.late_ms = static_cast<int>(n);
        } else if (name == "--seed") {
            if (!number(0, 2147483647, n))
                return false;
            out.seed = static_cast<unsigned>(n);
        } else if (name == "--silence") {
            if (!rate(out.faults.silence))
                return false;
        } else if (name == "--garbage") {
            if (!rate(out.faults.garbage))
                return false;
        } else if (name == "--bad-checksum") {
            if (!rate(out.faults.bad_checksum))
                return false;
        } else if (name == "--short") {
            if (!rate(out.faults.short_reply))
                return false;
        } else if (name == "--late") {
            if (!rate(out.faults.late))
                return false;
        } else if (name == "--no-ack") {
            if (!rate(out.faults.no_ack))
                return false;
        } else if (name == "--ignore") {
            if (!rate(out.faults.ignore))
                return false;
        } else {
            error = "unknown option '" + args[i] + "'";
            return false;
        }
    }
    if (!out.help && out.link.empty() && out.record.empty()) {
        error = "--link PATH is required";
        return false;
    }
    if (!out.record.empty() && !out.link.empty()) {
        error = "--record writes a file and takes no --link";
        return false;
    }
    return true;
}

}  // namespace tarvex::sim
