// SPDX-License-Identifier: MIT
#include "support/decimal_comma_locale.h"

#include <unistd.h>

#include <clocale>
#include <cstdlib>
#include <cstring>

namespace tarvex::testing {

namespace {

bool set_comma_locale(const char* name) {
    if (!std::setlocale(LC_ALL, name))
        return false;
    if (std::strcmp(std::localeconv()->decimal_point, ",") == 0)
        return true;
    std::setlocale(LC_ALL, "C");
    return false;
}

}  // namespace

DecimalCommaLocale::DecimalCommaLocale() {
    for (const char* name : {"pl_PL.UTF-8", "pl_PL.utf8", "de_DE.UTF-8", "fr_FR.UTF-8"})
        if (set_comma_locale(name)) {
            name_ = name;
            return;
        }
    namespace fs = std::filesystem;
    if (!fs::exists("/usr/share/i18n/locales/pl_PL") || !fs::exists("/usr/bin/localedef"))
        return;
    built_ = fs::temp_directory_path() / ("tarvex-locale-" + std::to_string(::getpid()));
    fs::remove_all(built_);
    fs::create_directories(built_);
    const std::string cmd = "/usr/bin/localedef -i pl_PL -f UTF-8 '" +
                            (built_ / "pl_PL.UTF-8").string() + "' >/dev/null 2>&1";
    // Warnings give a non-zero status; whether the locale can be set counts.
    [[maybe_unused]] const int status = std::system(cmd.c_str());
    ::setenv("LOCPATH", built_.c_str(), 1);
    if (set_comma_locale("pl_PL.UTF-8"))
        name_ = "pl_PL.UTF-8 (built)";
}

DecimalCommaLocale::~DecimalCommaLocale() {
    std::setlocale(LC_ALL, "C");
    if (!built_.empty()) {
        ::unsetenv("LOCPATH");
        std::error_code ec;
        std::filesystem::remove_all(built_, ec);
    }
}

}  // namespace tarvex::testing
