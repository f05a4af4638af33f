#pragma once

#include <string>
#include <string_view>

namespace tarvex {

// Reads whitespace-delimited items from a text, like the C library's
// formatted input: white space is skipped before each item.
class TextScanner {
  public:
    explicit TextScanner(std::string_view text) : t_(text) {}
    void skip_space();
    // A run of characters other than white space; false at the end.
    bool word(std::string& out);
    // An optional sign and at least one digit; false, reading nothing, when
    // there is no number here.
    bool number(bool& negative, std::string_view& digits);

  private:
    std::string_view t_;
    std::size_t pos_ = 0;
};

}  // namespace tarvex
