// SPDX-License-Identifier: MIT
#include "ports/port_problem.h"

#include <grp.h>
#include <pwd.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "ports/port_names.h"

namespace tarvex {

namespace {

std::string group_name(gid_t gid) {
    const group* g = ::getgrgid(gid);
    return g ? g->gr_name : std::to_string(gid);
}

std::string user_name(uid_t uid) {
    const passwd* p = ::getpwuid(uid);
    return p ? p->pw_name : std::to_string(uid);
}

// What lets this user in: joining the device's group when that group may
// read and write it, else only the device's mode and owners.
std::string permission_advice(const std::string& device) {
    struct stat st {};
    if (::stat(device.c_str(), &st) != 0)
        return "; fix: sudo usermod -aG dialout $USER, then log in again";
    if (st.st_gid != 0 && (st.st_mode & 060) == 060)
        return "; fix: sudo usermod -aG " + group_name(st.st_gid) + " $USER, then log in again";
    char mode[8];
    std::snprintf(mode, sizeof mode, "%04o", static_cast<unsigned>(st.st_mode & 07777));
    return std::string(" (mode ") + mode + ", owner " + user_name(st.st_uid) + ", group " +
           group_name(st.st_gid) + ")";
}

}  // namespace

PortProblem port_problem_of(int error) {
    switch (error) {
        case 0:
            return PortProblem::None;
        case ENOENT:
        case ENODEV:
        case ENXIO:
            return PortProblem::NoSuchDevice;
        case EACCES:
        case EPERM:
        case EROFS:
            return PortProblem::NoPermission;
        case EBUSY:
        case EWOULDBLOCK:  // the lock of another program
            return PortProblem::HeldByAnother;
        case ENOTTY:
        case EISDIR:
        case ENOTDIR:
        case EINVAL:
            return PortProblem::NotATerminal;
        default:
            return PortProblem::Other;
    }
}

std::string port_problem_note(int error) {
    switch (port_problem_of(error)) {
        case PortProblem::None:
            return {};
        case PortProblem::NoSuchDevice:
            return "no such device";
        case PortProblem::NoPermission:
            return "no permission";
        case PortProblem::HeldByAnother:
            return "held by another program";
        case PortProblem::NotATerminal:
            return "not a terminal";
        case PortProblem::Other:
            break;
    }
    return std::string("cannot open (") + std::strerror(error) + ")";
}

std::string port_problem_line(const std::string& port_name, const std::string& device, int error) {
    const int n = port_number_of(port_name);
    std::string line = "tarvex: ";
    line += n ? "COM " + std::to_string(n) : port_name;
    line += " (" + device + "): " + port_problem_note(error);
    if (port_problem_of(error) == PortProblem::NoPermission)
        line += permission_advice(device);
    return line;
}

}  // namespace tarvex
