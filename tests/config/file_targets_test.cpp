// SPDX-License-Identifier: MIT
// Every kind of file met where the program reads or writes one. Each case runs
// in a child process with a deadline and a memory limit (a FIFO or /dev/zero
// must fail the test, not stop it), as the user nobody where root reads all.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <thread>
#include <tuple>

#include "config/settings_file.h"
#include "files/file_access.h"
#include "ports/port_names.h"
#include "ports/ports_file.h"
#include "recording/csv_appender.h"
#include "support/file_text.h"
#include "support/start_folder.h"

using namespace tarvex;
namespace fs = std::filesystem;

struct FileTargets : tarvex::testing::StartFolderTest {};

// T the settings file read (y valid, 0 refused as its format, n not read);
// L Tarvex.ports read at start (y read, n missing, ! not read with a reason);
// P the Port menu's rewrite, W a picture or a settings file saved, R a
// recording started (y written, n refused leaving the target as it was).
TEST_F(FileTargets, EachReaderAndWriterOnEachKindOfFile) {
    std::ofstream(dir / "s", std::ios::binary) << settings_file_text(ControllerImage{});
    struct Case {
        const char* what;
        const char* make;  // a shell command that makes t
        const char* outcome;
        bool as_nobody = false;
    } cases[] = {
        {"regular", "cp ../s t", "Ty Ly Py Wy Ry"},
        {"fifo", "mkfifo t", "Tn L! Pn Wn Rn"},
        {"device", "mknod t c 1 3 || ln -s /dev/null t", "Tn L! Pn Wn Rn"},
        {"zero", "mknod t c 1 5 || ln -s /dev/zero t", "Tn L! Pn Wn Rn"},
        {"folder", "mkdir t", "Tn L! Pn Wn Rn"},
        {"dangling link", "ln -s missing t", "Tn Ln Py Wy Ry"},
        {"link loop", "ln -s loop t && ln -s t loop", "Tn L! Pn Wn Rn"},
        {"read-only", "cp ../s t && chmod 444 t", "Ty Ly Pn Wn Rn"},
        {"unreadable", "cp ../s t && chmod 200 t && chown -h nobody t", "Tn L! Pn Wy Ry", true},
        {"1 MiB", "cp ../s t && truncate -s 1M t", "Ty Ly Py Wy Ry"},
        {"20 GB", "cp ../s t && truncate -s 20G t", "T0 L! Pn Wy Ry"},
    };
    for (const Case& c : cases) {
        const fs::path folder = dir / c.what, target = folder / "t";
        fs::create_directory(folder);
        ::chmod(folder.c_str(), 0777);
        (void)!std::system(
            ("cd '" + folder.string() + "' && (" + c.make + ") 2>/dev/null").c_str());
        auto op = [&](char name, const std::function<bool()>& write) {
            const auto state = [&] {  // what target names, to tell whether it was touched
                struct stat st {};
                ::lstat(target.c_str(), &st);
                return std::tuple(st.st_ino, st.st_mode, st.st_size, st.st_mtim.tv_nsec);
            };
            const auto before = state();
            return std::string(" ") + name + (write() ? "y" : state() == before ? "n" : "X");
        };
        auto outcome = [&] {
#ifndef __SANITIZE_ADDRESS__  // AddressSanitizer's shadow memory needs more address space
            const rlimit memory{1 << 30, 1 << 30};
            ::setrlimit(RLIMIT_AS, &memory);
#endif
            ::alarm(30);
            if (c.as_nobody && ::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0))
                return std::string("not nobody");
            ParsedSettings parsed;
            std::string why, r = !read_settings_file(target, parsed) ? "Tn"
                                 : parsed.ok                         ? "Ty"
                                                                     : "T0";
            PortMap map;
            r += load_port_map(target, map, nullptr, &why) ? " Ly" : why.empty() ? " Ln" : " L!";
            r += op('P', [&] { return assign_port_device(target, 1, "/dev/ttyS9"); });
            r += op('W', [&] { return write_file_atomically(target, "png", why); });
            CsvAppender csv;
            return r + op('R', [&] { return csv.open(target); });
        };
        EXPECT_EXIT((std::fputs(outcome().c_str(), stderr), std::exit(0)),
                    ::testing::ExitedWithCode(0), std::string("^") + c.outcome + "$")
            << c.what;
    }
}

// Another program that locks Tarvex.ports before it appends (and appends to
// the file it locked) loses no line while the Port menu rewrites it.
TEST_F(FileTargets, ARewriteKeepsTheLinesOfALockingAppender) {
    const std::string ports = (dir / kPortsFileName).string();
    std::ofstream(ports) << "COM1=/dev/ttyS0\n";
    std::thread appender([&] {
        for (int i = 0; i < 300;) {
            const int fd = ::open(ports.c_str(), O_WRONLY | O_APPEND);
            struct stat locked {
            }, named{};
            ::flock(fd, LOCK_EX);
            if (::fstat(fd, &locked) == 0 && ::stat(ports.c_str(), &named) == 0 &&
                locked.st_ino == named.st_ino) {
                const std::string line = "# line " + std::to_string(i++) + "\n";
                (void)!::write(fd, line.data(), line.size());
            }
            ::close(fd);
        }
    });
    for (int i = 0; i < 300; ++i)
        EXPECT_TRUE(assign_port_device(ports, 2, "/dev/ttyUSB" + std::to_string(i % 9)));
    appender.join();
    const std::string text = tarvex::testing::read_all(ports);
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 302) << text;  // COM1, COM2, 300
}
