// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <functional>
#include <streambuf>
#include <string>
#include <string_view>

namespace tarvex {

// Reads whitespace-delimited items like the C library's formatted input:
// white space is skipped before each item. Reads from a text, or from a
// stream as far as the items need, so a file is never held whole.
class TextScanner {
  public:
    explicit TextScanner(std::string_view text);
    explicit TextScanner(std::streambuf& source) : in_(&source) {}
    TextScanner(const TextScanner&) = delete;
    TextScanner& operator=(const TextScanner&) = delete;

    void skip_space();
    // A run of characters other than white space, of which out keeps the
    // first `keep`; false at the end.
    bool word(std::string& out, std::size_t keep);
    // A word of at most `longest` characters; false at the end, and false as
    // soon as the word proves longer, the rest of it left unread.
    bool short_word(std::string& out, std::size_t longest);
    // An optional sign and at least one digit, each digit given to `digit` in
    // turn; false, reading nothing, when there is no number here.
    bool number(bool& negative, const std::function<void(int digit)>& digit);

  private:
    // A text read in place.
    struct TextBuffer : std::streambuf {
        TextBuffer() = default;
        explicit TextBuffer(std::string_view text) {
            char* p = const_cast<char*>(text.data());
            setg(p, p, p + text.size());
        }
    };
    TextBuffer text_;
    std::streambuf* in_;
};

}  // namespace tarvex
