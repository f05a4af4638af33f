// SPDX-License-Identifier: MIT
#include "cli/cli_session.h"

#include <cerrno>
#include <cstring>
#include <ostream>
#include <thread>
#include <vector>

#include "cli/cli_options.h"
#include "link/settings_read.h"
#include "ports/port_names.h"

namespace tarvex::cli {

int com_number(std::string s) {
    if (!s.empty() && s.back() == ':')
        s.pop_back();
    if (s.size() != 4 || (s.compare(0, 3, "COM") != 0 && s.compare(0, 3, "com") != 0))
        return 0;
    return s[3] >= '1' && s[3] <= '4' ? s[3] - '0' : 0;
}

std::string open_failure_text(const std::string& device, int error) {
    switch (error) {
        case EBUSY:
        case EWOULDBLOCK:
            return device + " is in use by another program";
        case ENOENT:
        case ENODEV:
        case ENXIO:
            return "no serial device " + device;
        case EACCES:
        case EPERM:
            return "no permission to open " + device +
                   " (is the user in the group that owns it, e.g. dialout?)";
        case ENOTTY:
            return device + " is not a serial device";
        default:
            return "cannot open " + device + ": " + std::strerror(error);
    }
}

int Session::open(const std::string& argument) {
    if (const int n = com_number(argument)) {
        std::vector<std::string> problems;
        std::string unread;
        load_port_map(kPortsFileName, link.devices, &problems, &unread);
        if (!unread.empty())
            problems.push_back("cannot be read (" + unread +
                               "); COM1 to COM4 stand for /dev/ttyS0 to /dev/ttyS3");
        for (const auto& p : problems)
            err << "tarvex-cli: " << kPortsFileName << ": " << p << "\n";
        link.port_name = port_name_of(n);
    } else {
        link.port_name = port_name_of(1);
        link.devices.device[0] = argument;
    }
    device = device_for(link.devices, link.port_name);
    port.set_timeout_scale(timeout_scale);
    if (!port.open(device)) {
        err << "tarvex-cli: " << open_failure_text(device, port.last_open_error()) << "\n";
        return kExitPortUnavailable;
    }
    link.PortOpen = 1;
    return kExitOk;
}

int Session::connect() {
    for (int attempt = 0; attempt < kFailedPollsForLoss; ++attempt) {
        if (attempt > 0)
            std::this_thread::sleep_for(std::chrono::milliseconds(kPollPeriodConnected));
        poll_status(link, image);
        if (link.NoConnection == 0)
            break;
    }
    controller_generation(image);
    if (link.NoConnection) {
        err << "tarvex-cli: no answer from the controller on " << device << "\n";
        return kExitNoAnswer;
    }
    return kExitOk;
}

int Session::require_generation_2() {
    if (image.ControllerGeneration == 2)
        return kExitOk;
    err << "tarvex-cli: the controller reports generation " << image.ControllerGeneration
        << "; settings can be read and written only on generation 2\n";
    return kExitNoAnswer;
}

int Session::read_settings() {
    if (!read_settings_afresh(link, image)) {
        err << "tarvex-cli: the controller on " << device << " did not send its settings\n";
        return kExitNoAnswer;
    }
    return kExitOk;
}

}  // namespace tarvex::cli
