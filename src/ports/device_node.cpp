// SPDX-License-Identifier: MIT
#include "ports/device_node.h"

#include <sys/stat.h>

#include <cerrno>

namespace tarvex {

bool node_names_descriptor(const std::string& path, int fd) {
    struct stat by_path {};
    struct stat open {};
    if (::stat(path.c_str(), &by_path) != 0 || ::fstat(fd, &open) != 0)
        return false;
    if (S_ISCHR(open.st_mode))
        return S_ISCHR(by_path.st_mode) && by_path.st_rdev == open.st_rdev;
    return by_path.st_dev == open.st_dev && by_path.st_ino == open.st_ino;
}

bool is_device_gone_error(int error) {
    return error == EIO || error == ENODEV || error == ENXIO;
}

}  // namespace tarvex
