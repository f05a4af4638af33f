// SPDX-License-Identifier: MIT
#include "ports/low_latency.h"

#include <sys/ioctl.h>

#include <cerrno>

namespace tarvex {

int system_serial_info_ioctl(int fd, unsigned long request, serial_struct* info) {
    return ::ioctl(fd, request, info);
}

bool request_low_latency(int fd, SerialInfoIoctl call) {
    const int saved = errno;
    serial_struct info{};
    bool low = false;
    if (call(fd, TIOCGSERIAL, &info) == 0) {
        low = (info.flags & ASYNC_LOW_LATENCY) != 0;
        if (!low) {
            info.flags |= ASYNC_LOW_LATENCY;
            low = call(fd, TIOCSSERIAL, &info) == 0;
        }
    }
    errno = saved;
    return low;
}

}  // namespace tarvex
