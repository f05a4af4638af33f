// SPDX-License-Identifier: MIT
#include "gfx/text_codec.h"

#include <iconv.h>

#include <algorithm>
#include <array>
#include <map>

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

std::string from_utf8(std::string_view utf8, Charset charset) {
    // The code page's byte of each character it holds, by its UTF-8 form.
    static const auto reverse = [] {
        std::array<std::map<std::string, char>, 2> maps;
        for (const Charset cs : {Charset::CentralEuropean, Charset::Cyrillic})
            for (int b = 0x80; b < 256; ++b)
                if (table_for(cs)[b] != "\xEF\xBF\xBD")
                    maps[cs == Charset::Cyrillic].emplace(table_for(cs)[b], static_cast<char>(b));
        return maps;
    }();
    const auto& map = reverse[charset == Charset::Cyrillic];
    std::string out;
    for (std::size_t i = 0; i < utf8.size();) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        std::size_t n = lead < 0x80    ? 1
                        : lead >= 0xF0 ? 4
                        : lead >= 0xE0 ? 3
                        : lead >= 0xC0 ? 2
                                       : 1;
        n = std::min(n, utf8.size() - i);
        if (n == 1) {
            out += lead < 0x80 ? static_cast<char>(lead) : '?';
        } else {
            const auto it = map.find(std::string(utf8.substr(i, n)));
            out += it != map.end() ? it->second : '?';
        }
        i += n;
    }
    return out;
}

}  // namespace tarvex
