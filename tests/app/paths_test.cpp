// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>

#include "app/paths.h"

using namespace tarvex;
namespace fs = std::filesystem;

TEST(Paths, LanguageFilesBesideTheStartFolderOrInstalled) {
    const fs::path root =
        fs::temp_directory_path() / ("tarvex-paths-" + std::to_string(::getpid()));
    fs::create_directories(root / "build" / "run");
    fs::create_directories(root / "build" / "bin");
    fs::create_directories(root / "usr" / "bin");
    fs::create_directories(root / "usr" / "share" / "tarvex" / "Lang");
    fs::create_directories(root / "home" / "user");
    const std::string run = (root / "build" / "run").string();
    const std::string bin = (root / "usr" / "bin").string();
    const std::string home = (root / "home" / "user").string();

    // No ../Lang beside the start folder: the installed one.
    EXPECT_EQ(fs::path(language_file_path(home, "rus", bin)).lexically_normal(),
              root / "usr" / "share" / "tarvex" / "Lang" / "Tarvex_lang.rus");
    // A build tree: ../Lang beside the start folder wins.
    fs::create_directories(root / "build" / "Lang");
    EXPECT_EQ(fs::path(language_file_path(run, "pol", bin)).lexically_normal(),
              root / "build" / "Lang" / "Tarvex_lang.pol");
    // A program in build/bin started anywhere finds build/Lang.
    EXPECT_EQ(fs::path(language_file_path(home, "ang", (root / "build" / "bin").string()))
                  .lexically_normal(),
              root / "build" / "Lang" / "Tarvex_lang.ang");
    // Nothing anywhere: the name beside the start folder (read fails quietly).
    EXPECT_EQ(fs::path(language_file_path(home, "lit", "")).lexically_normal(),
              root / "home" / "Lang" / "Tarvex_lang.lit");
    fs::remove_all(root);
}
