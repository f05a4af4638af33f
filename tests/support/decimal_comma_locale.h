// SPDX-License-Identifier: MIT
#pragma once

#include <filesystem>
#include <string>

namespace tarvex::testing {

// Puts the whole process under a locale whose decimal separator is a comma
// (Polish, as a user's environment may set it) while the object lives, and
// back to "C" afterwards. A locale the system has is used; failing that, one
// is built with localedef into a folder of its own, when the machine has the
// locale sources. available() tells whether such a locale is in force.
class DecimalCommaLocale {
  public:
    DecimalCommaLocale();
    ~DecimalCommaLocale();
    DecimalCommaLocale(const DecimalCommaLocale&) = delete;
    DecimalCommaLocale& operator=(const DecimalCommaLocale&) = delete;

    bool available() const { return !name_.empty(); }
    const std::string& name() const { return name_; }

  private:
    std::string name_;
    std::filesystem::path built_;
};

}  // namespace tarvex::testing
