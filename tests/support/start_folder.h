// SPDX-License-Identifier: MIT
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "ui/ui_texts.h"

namespace tarvex::testing {

// A test that runs in a folder of its own: `dir`, made the current directory
// for the test's duration (the program keeps Tarvex.ini in its start folder),
// inside `base`, where a Lang folder beside it can hold language files.
class StartFolderTest : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;
    // base/Lang/Tarvex_lang.<code>, whose slot k reads prefix followed by k.
    void write_language_file(const std::string& code, const std::string& prefix);
    std::filesystem::path base;
    std::filesystem::path dir;

  private:
    std::filesystem::path old_cwd_;
};

// Interface texts that name their slot: prefix followed by the number.
UiTexts numbered_texts(const std::string& prefix);

}  // namespace tarvex::testing
