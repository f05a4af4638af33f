// SPDX-License-Identifier: MIT
#pragma once

#include <linux/serial.h>

namespace tarvex {

// The driver-settings calls of a serial port (TIOCGSERIAL, TIOCSSERIAL);
// tests put their own in its place.
using SerialInfoIoctl = int (*)(int fd, unsigned long request, serial_struct* info);
int system_serial_info_ioctl(int fd, unsigned long request, serial_struct* info);

// Asks the driver of the open port fd to hand over received bytes at once
// instead of holding them until its latency timer runs out (16 ms on the
// usual USB serial chips). True when the port now runs in low-latency mode.
// A port that refuses (a pseudo-terminal, a driver without the calls) is
// left as it was; errno is kept.
bool request_low_latency(int fd, SerialInfoIoctl call = system_serial_info_ioctl);

}  // namespace tarvex
