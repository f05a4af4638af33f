// SPDX-License-Identifier: MIT
#include "gfx/text_codec.h"

#include <iconv.h>

#include <array>

namespace tarvex {

namespace {

using Table = std::array<std::string, 256>;

Table build_table(const char* code_page) {
    Table t;
    iconv_t cd = iconv_open("UTF-8", code_page);
    for (int b = 0; b < 256; ++b) {
        if (b < 0x80) {
            t[b] = std::string(1, static_cast<char>(b));
            continue;
        }
        t[b] = "\xEF\xBF\xBD";
        if (cd == reinterpret_cast<iconv_t>(-1))
            continue;
        char in = static_cast<char>(b);
        char out[8];
        char* inp = &in;
        char* outp = out;
        size_t inleft = 1, outleft = sizeof out;
        iconv(cd, nullptr, nullptr, nullptr, nullptr);
        if (iconv(cd, &inp, &inleft, &outp, &outleft) != static_cast<size_t>(-1))
            t[b] = std::string(out, static_cast<size_t>(outp - out));
    }
    if (cd != reinterpret_cast<iconv_t>(-1))
        iconv_close(cd);
    return t;
}

const Table& table_for(Charset charset) {
    static const Table cyrillic = build_table("WINDOWS-1251");
    static const Table central = build_table("WINDOWS-1250");
    return charset == Charset::Cyrillic ? cyrillic : central;
}

}  // namespace

std::string to_utf8(std::string_view bytes, Charset charset) {
    const Table& t = table_for(charset);
    std::string out;
    out.reserve(bytes.size() * 2);
    for (unsigned char b : bytes)
        out += t[b];
    return out;
}

}  // namespace tarvex
