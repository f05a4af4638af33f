// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <future>
#include <sstream>

#include "app/program_settings.h"
#include "ports/port_names.h"
#include "support/file_text.h"
#include "ui/ui_texts.h"

using namespace tarvex;

using tarvex::testing::read_all;

namespace {

// A folder of the test's own under the temporary folder, removed at the end.
struct TempFolder {
    std::filesystem::path path;
    explicit TempFolder(const std::string& name)
        : path(std::filesystem::temp_directory_path() /
               ("tarvex-" + name + "-" + std::to_string(::getpid()))) {
        std::filesystem::remove_all(path);
        std::filesystem::create_directories(path);
    }
    ~TempFolder() { std::filesystem::remove_all(path); }
};

// Runs call on a thread of its own; true when it returned within a generous
// deadline. A call stuck on the FIFO at fifo is then freed by opening and
// closing the FIFO's other end, so that a failing test still ends.
bool returns_in_time(const std::function<void()>& call, const std::string& fifo) {
    auto done = std::async(std::launch::async, call);
    if (done.wait_for(std::chrono::seconds(20)) == std::future_status::ready)
        return true;
    while (done.wait_for(std::chrono::milliseconds(50)) != std::future_status::ready) {
        const int fd = ::open(fifo.c_str(), O_WRONLY | O_NONBLOCK);
        if (fd >= 0)
            ::close(fd);
    }
    return false;
}

}  // namespace

TEST(ProgramSettings, ScansByOrderNotByKey) {
    struct Case {
        std::string text;
        int port;
        std::string code;
    } cases[] = {
        {"[Ustawienia]\nCommPort= 2\nLanguage= rus\n", 2, "rus"},
        {"[Ustawienia]\r\nCommPort= 3\r\nLanguage= lit\r\n", 3, "lit"},
        {"x\ny 3\nz lit\n", 3, "lit"},
        {"[Ustawienia]\n", 0, "[Ustawienia]"},
        {"[Ustawienia]\nCommPort= 7\nLanguage= ang\n", 7, "ang"},
        {"[Ustawienia]\nCommPort= abc\nLanguage= ang\n", 0, "Language="},
        {"[Ustawienia]\nCommPort=\nLanguage= ita\n", 0, "ita"},
        {"", 0, "pol"},
        {"a b -4 c d", -4, "d"},
        {"a b 99999999999999 c d", 2147483647, "d"},
        {"a b 1 " + std::string(40, 'q'), 1, std::string(31, 'q')},
    };
    for (const auto& c : cases) {
        const ProgramSettings s = parse_program_settings(c.text);
        EXPECT_EQ(s.port_number, c.port) << c.text;
        EXPECT_EQ(s.LanguageCode, c.code) << c.text;
    }
}

TEST(ProgramSettings, AFileReadsAsItsTextWhateverItsSize) {
    TempFolder dir("ini-read");
    const std::string path = (dir.path / "Tarvex.ini").string();
    // The reader takes the file in pieces of 4096 bytes: a sign that is no
    // number is read again as a word, wherever it lies.
    auto sign_at = [](std::size_t at) {
        const std::string head = "[Ustawienia]\nCommPort=";
        return head + std::string(at - head.size(), ' ') + "-x";
    };
    struct Case {
        std::string text;
        int port;
        std::string code;
    } cases[] = {
        {"[Ustawienia]\nCommPort=" + std::string(100000, ' ') + "4\nLanguage= ita\n", 4, "ita"},
        {"[Ustawienia]\nCommPort= 2\n" + std::string(100000, '\n') + "Language= rus\n", 2, "rus"},
        {"[Ustawienia] " + std::string(100000, 'w') + " 3 a lit\n", 3, "lit"},
        {sign_at(4094), 0, "-x"},
        {sign_at(4095), 0, "-x"},
        {sign_at(4096), 0, "-x"},
    };
    for (const auto& c : cases) {
        std::ofstream(path, std::ios::binary | std::ios::trunc) << c.text;
        ProgramSettings s;
        ASSERT_TRUE(read_program_settings(path, s));
        EXPECT_EQ(s.port_number, c.port) << c.text.size();
        EXPECT_EQ(s.LanguageCode, c.code) << c.text.size();
    }
}

TEST(ProgramSettings, FileLifecycle) {
    const auto dir =
        std::filesystem::temp_directory_path() / ("tarvex-ini-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    const std::string path = (dir / "Tarvex.ini").string();

    // Missing: created with the defaults.
    StartupSettings s = read_or_create_settings(path);
    EXPECT_TRUE(s.created);
    EXPECT_EQ(s.PortNumber, 1);
    EXPECT_EQ(s.LanguageCode, "pol");
    EXPECT_EQ(read_all(path), "[Ustawienia]\nCommPort= 1\nLanguage= pol\n");

    // Port 7 selects COM 1.
    std::ofstream(path) << "[Ustawienia]\nCommPort= 7\nLanguage= ang\n";
    s = read_or_create_settings(path);
    EXPECT_FALSE(s.created);
    EXPECT_EQ(s.PortNumber, 1);
    EXPECT_EQ(s.LanguageCode, "ang");

    // Rewrites keep the other value.
    EXPECT_TRUE(save_settings(path, 2, "rus"));
    EXPECT_EQ(read_all(path), "[Ustawienia]\nCommPort= 2\nLanguage= rus\n");
    s = read_or_create_settings(path);
    EXPECT_EQ(s.PortNumber, 2);
    EXPECT_EQ(s.LanguageCode, "rus");

    // A folder that cannot be written: reported by the result, nothing thrown.
    EXPECT_FALSE(save_settings((dir / "missing" / "Tarvex.ini").string(), 1, "pol"));
    std::filesystem::remove_all(dir);
}

TEST(ProgramSettings, AFailedRewriteKeepsTheOldFile) {
    TempFolder dir("ini-full");
    const std::string path = (dir.path / "Tarvex.ini").string();
    ASSERT_TRUE(save_settings(path, 3, "lit"));
    const std::string old_bytes = read_all(path);

    // A disk that takes only a few bytes: the rewrite fails midway.
    rlimit old_limit{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &old_limit), 0);
    const auto old_handler = ::signal(SIGXFSZ, SIG_IGN);
    rlimit small = old_limit;
    small.rlim_cur = 8;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    const bool saved = save_settings(path, 2, "rus");
    ::setrlimit(RLIMIT_FSIZE, &old_limit);
    ::signal(SIGXFSZ, old_handler);

    EXPECT_FALSE(saved);
    EXPECT_EQ(read_all(path), old_bytes);
    const StartupSettings s = read_or_create_settings(path);
    EXPECT_EQ(s.PortNumber, 3);
    EXPECT_EQ(s.LanguageCode, "lit");
    int entries = 0;
    for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(dir.path))
        ++entries;
    EXPECT_EQ(entries, 1);  // no temporary file left behind
}

TEST(ProgramSettings, AFileThatCannotBeWrittenIsReportedOnce) {
    TempFolder dir("ini-report");
    const std::string path = (dir.path / "no-such-folder" / "Tarvex.ini").string();
    ::testing::internal::CaptureStderr();
    const StartupSettings s = read_or_create_settings(path);
    EXPECT_FALSE(save_settings(path, 2, "ang"));
    EXPECT_FALSE(save_settings(path, 3, "ang"));
    const std::string said = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(s.PortNumber, 1);
    EXPECT_EQ(s.LanguageCode, "pol");
    EXPECT_NE(said.find(path), std::string::npos) << said;
    EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << said;
}

TEST(ProgramFiles, FilesThatAreNotRegularAreRefusedWithoutWaiting) {
    TempFolder dir("own-files");
    const std::string fifo = (dir.path / "fifo").string();
    const std::string zero = (dir.path / "zero").string();
    const std::string folder = (dir.path / "folder").string();
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0644), 0);
    std::filesystem::create_symlink("/dev/zero", zero);
    std::filesystem::create_directories(folder);

    for (const std::string& path : {fifo, zero, folder}) {
        // Tarvex.ini: the defaults are used and the file is left as it is.
        StartupSettings ini;
        ::testing::internal::CaptureStderr();
        EXPECT_TRUE(returns_in_time([&] { ini = read_or_create_settings(path); }, fifo)) << path;
        const std::string said = ::testing::internal::GetCapturedStderr();
        EXPECT_EQ(ini.PortNumber, 1) << path;
        EXPECT_EQ(ini.LanguageCode, "pol") << path;
        EXPECT_NE(said.find(path), std::string::npos) << path << ": " << said;
        struct stat st {};
        EXPECT_EQ(::lstat(path.c_str(), &st), 0);
        EXPECT_FALSE(S_ISREG(st.st_mode)) << path << " was replaced";

        // Tarvex.ports: refused, the map unchanged.
        PortMap map;
        bool loaded = true;
        EXPECT_TRUE(returns_in_time([&] { loaded = load_port_map(path, map); }, fifo)) << path;
        EXPECT_FALSE(loaded) << path;
        EXPECT_EQ(map.device[0], "/dev/ttyS0") << path;

        // A language file: refused, the texts unchanged.
        UiTexts texts;
        texts.slot[3] = "kept";
        EXPECT_TRUE(returns_in_time([&] { loaded = load_language_file(path, texts); }, fifo))
            << path;
        EXPECT_FALSE(loaded) << path;
        EXPECT_EQ(texts[3], "kept") << path;
    }
}
