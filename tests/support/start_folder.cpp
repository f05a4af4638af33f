// SPDX-License-Identifier: MIT
#include "support/start_folder.h"

#include <unistd.h>

#include <fstream>

namespace tarvex::testing {

void StartFolderTest::SetUp() {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    base = std::filesystem::temp_directory_path() /
           ("tarvex-" + std::string(info->test_suite_name()) + "-" + info->name() + "-" +
            std::to_string(::getpid()));
    std::filesystem::remove_all(base);
    dir = base / "run";
    std::filesystem::create_directories(dir);
    old_cwd_ = std::filesystem::current_path();
    std::filesystem::current_path(dir);
}

void StartFolderTest::TearDown() {
    std::filesystem::current_path(old_cwd_);
    std::filesystem::remove_all(base);
}

void StartFolderTest::write_language_file(const std::string& code, const std::string& prefix) {
    std::filesystem::create_directories(base / "Lang");
    std::ofstream f(base / "Lang" / ("Tarvex_lang." + code), std::ios::binary);
    for (int k = 0; k < kUiTextSlots; ++k)
        f << "T" << k << "=" << prefix << k << "\r\n";
}

UiTexts numbered_texts(const std::string& prefix) {
    UiTexts t;
    for (int k = 0; k < kUiTextSlots; ++k)
        t.slot[static_cast<std::size_t>(k)] = prefix + std::to_string(k);
    return t;
}

}  // namespace tarvex::testing
