// SPDX-License-Identifier: MIT
#pragma once

#include <functional>
#include <map>
#include <string>
#include <vector>

namespace tarvex {

// A serial device present now, with what the system knows of it.
struct SerialDevice {
    std::string path;    // the name to open: its /dev/serial/by-id/ link when it has one
    std::string kernel;  // the device node, e.g. /dev/ttyUSB0
    std::string maker, model, serial;  // empty when unknown
};

// The serial devices present now, in the order the Port menu lists them.
class SerialDeviceSource {
  public:
    virtual ~SerialDeviceSource() = default;
    virtual std::vector<SerialDevice> devices() = 0;
};

inline constexpr const char* kSerialByIdFolder = "/dev/serial/by-id";

// The links of a by-id folder by the device node each one names (the first
// link in name order when several name the same node).
std::map<std::string, std::string> by_id_links(const std::string& folder);

// True when the device answers a termios query, or is held open by another
// program (so it exists). On-board ttyS nodes without a port behind them fail.
bool answers_termios(const std::string& node);

// Puts the system's list of device nodes in menu order: the devices with a
// by-id link first, under that name and sorted by it; then ttyUSB and ttyACM
// nodes by number, then other kinds, then the ttyS ports for which `answers`
// holds. A by-id link the list lacks is added. Every device appears once.
std::vector<SerialDevice> arrange_serial_devices(
    std::vector<SerialDevice> found, const std::map<std::string, std::string>& by_id,
    const std::function<bool(const std::string&)>& answers);

// The serial devices present, from the kernel's own list (the tty devices
// under /sys/class/tty that have hardware behind them), arranged as above.
// Without the makers and models that the desktop's listing knows.
std::vector<SerialDevice> system_serial_devices();

// The text of a device's menu item: its name, the node when the name is a
// by-id link, then a tab and what is known of it ("FTDI, FT232R USB UART,
// serial A50285BI").
std::string device_menu_text(const SerialDevice& d);

}  // namespace tarvex
