// SPDX-License-Identifier: MIT
// Why a real port fails to open, recognised through the termios port and said
// once however many polls fail. Permission and exclusivity do not bind root,
// so those cases open the port in a child process running as `nobody`.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <grp.h>
#include <pwd.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <fstream>
#include <functional>

#include "link/link_state.h"
#include "ports/port_watch.h"
#include "ports/posix_serial_port.h"
#include "support/sim_process.h"

using namespace tarvex;
using tarvex::testing::SimProcess;

namespace {

// Four polls of the link on device, as any view does them; the lines said.
std::string poll_and_listen(const std::string& device) {
    std::string said;
    PortWatch watch([&](const std::string& l) { said += l + "\n"; });
    PosixSerialPort port;
    LinkState link;
    link.port = &port;
    link.watch = &watch;
    link.devices.device[0] = device;
    ControllerImage image;
    for (int i = 0; i < 4; ++i)
        poll_status(link, image);
    return said;
}

// Runs fn in a child process, as `nobody` when this process is root, and
// returns what it returned.
std::string as_unprivileged(const std::function<std::string()>& fn) {
    int fds[2];
    if (::pipe(fds) != 0)
        return "pipe failed";
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::close(fds[0]);
        if (::getuid() == 0) {
            const passwd* nobody = ::getpwnam("nobody");
            const uid_t uid = nobody ? nobody->pw_uid : 65534;
            const gid_t gid = nobody ? nobody->pw_gid : 65534;
            if (::setgroups(0, nullptr) != 0 || ::setgid(gid) != 0 || ::setuid(uid) != 0)
                ::_exit(3);
        }
        const std::string out = fn();
        (void)!::write(fds[1], out.data(), out.size());
        ::_exit(0);
    }
    ::close(fds[1]);
    std::string out;
    char buf[512];
    ssize_t n;
    while ((n = ::read(fds[0], buf, sizeof buf)) > 0)
        out.append(buf, static_cast<std::size_t>(n));
    ::close(fds[0]);
    int status = 0;
    ::waitpid(pid, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return "child failed";
    return out;
}

// A pseudo-terminal to play a serial device the test may change the mode of.
struct Pty {
    int master = -1;
    std::string slave;
    Pty() {
        master = ::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
        if (master >= 0 && ::grantpt(master) == 0 && ::unlockpt(master) == 0)
            slave = ::ptsname(master);
    }
    ~Pty() {
        if (master >= 0)
            ::close(master);
    }
};

}  // namespace

TEST(PortProblems, EachReasonIsRecognisedAndSaidOnce) {
    // Nothing at the path.
    EXPECT_EQ(poll_and_listen("/nonexistent/ttyUSB9"),
              "tarvex: COM 1 (/nonexistent/ttyUSB9): no such device\n");
    // A regular file and a folder are not serial devices.
    const std::string file = SimProcess::fresh_link_path() + ".txt";
    std::ofstream(file) << "not a terminal\n";
    EXPECT_EQ(poll_and_listen(file), "tarvex: COM 1 (" + file + "): not a terminal\n");
    ::unlink(file.c_str());
    EXPECT_EQ(poll_and_listen("/tmp"), "tarvex: COM 1 (/tmp): not a terminal\n");

    // A device of mode 000.
    Pty pty;
    ASSERT_FALSE(pty.slave.empty());
    ASSERT_EQ(::chmod(pty.slave.c_str(), 0), 0);
    const std::string denied = as_unprivileged([&] { return poll_and_listen(pty.slave); });
    EXPECT_EQ(denied.rfind("tarvex: COM 1 (" + pty.slave + "): no permission (mode 0000", 0), 0u)
        << denied;
    EXPECT_EQ(std::count(denied.begin(), denied.end(), '\n'), 1) << denied;

    // A device of the dialout group: the line tells how to join it.
    const group* dialout = ::getgrnam("dialout");
    if (::getuid() == 0 && dialout) {
        ASSERT_EQ(::chown(pty.slave.c_str(), 0, dialout->gr_gid), 0);
        ASSERT_EQ(::chmod(pty.slave.c_str(), 0660), 0);
        EXPECT_EQ(as_unprivileged([&] { return poll_and_listen(pty.slave); }),
                  "tarvex: COM 1 (" + pty.slave +
                      "): no permission; fix: sudo usermod -aG dialout $USER, then log in "
                      "again\n");
    }

    // A device another program holds open.
    ASSERT_EQ(::chmod(pty.slave.c_str(), 0666), 0);
    PosixSerialPort holder;
    ASSERT_TRUE(holder.open(pty.slave));
    EXPECT_EQ(as_unprivileged([&] { return poll_and_listen(pty.slave); }),
              "tarvex: COM 1 (" + pty.slave + "): held by another program\n");
    holder.close();
    // Let go, the same device opens and nothing is said.
    EXPECT_EQ(as_unprivileged([&] { return poll_and_listen(pty.slave); }), "");
}
