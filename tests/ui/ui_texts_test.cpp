// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>

#include "ui/ui_texts.h"

using namespace tarvex;

namespace {

std::string lines(int n, const char* prefix = "L") {
    std::string s;
    for (int i = 0; i < n; ++i)
        s += std::string(prefix) + std::to_string(i) + "=text " + std::to_string(i) + "\r\n";
    return s;
}

}  // namespace

TEST(LanguageReader, OrdinaryFileFillsEverySlot) {
    UiTexts t;
    parse_language_file(lines(181), t);
    EXPECT_EQ(t[0], "text 0");
    EXPECT_EQ(t[180], "text 180");
    EXPECT_EQ(t[181], "");  // out of range reads as empty
}

TEST(LanguageReader, LineCases) {
    struct Case {
        std::string line;
        std::string want;
    } cases[] = {
        {"a=b=c", "c"},
        {"a==b", "=b"},
        {"x=left=right", "right"},
        {"no equals sign", "previous"},
        {"=starts with it", "starts with it"},
        {"a=\xB3\xF3\xBF", "\xB3\xF3\xBF"},  // single-byte texts pass unchanged
        {"a= spaced ", " spaced "},
        {"a=x\ry", "x\ry"},  // a lone CR is an ordinary character
    };
    for (const auto& c : cases) {
        UiTexts t;
        t.slot[0] = "previous";
        t.slot[1] = "next";
        parse_language_file(std::string(c.line).append("\r\nb=second\r\n"), t);
        EXPECT_EQ(t[0], c.want) << c.line;
        EXPECT_EQ(t[1], "second") << c.line;
    }
}

TEST(LanguageReader, EqualsAtLineEndGivesAnEmptyTextAndKeepsLinesInStep) {
    UiTexts t;
    t.slot[1] = "old";
    parse_language_file("a=one\r\nb=\r\nc=three\r\nd=four\r\n", t);
    EXPECT_EQ(t[0], "one");
    EXPECT_EQ(t[1], "");
    EXPECT_EQ(t[2], "three");
    EXPECT_EQ(t[3], "four");
    // The same with bare line feeds and at the very end of the file.
    UiTexts u;
    parse_language_file("a=\nb=two\nc=", u);
    EXPECT_EQ(u[0], "");
    EXPECT_EQ(u[1], "two");
}

TEST(LanguageReader, ShortFileKeepsTheLaterSlots) {
    UiTexts t;
    for (auto& s : t.slot)
        s = "kept";
    parse_language_file(lines(170), t);
    EXPECT_EQ(t[169], "text 169");
    EXPECT_EQ(t[170], "kept");
    EXPECT_EQ(t[180], "kept");
}

TEST(LanguageReader, OverlongTextsAndFilesStayInTheirSlots) {
    UiTexts t;
    const std::string long_text(500, 'x');
    parse_language_file(std::string("a=").append(long_text).append("\nb=ok\n"), t);
    EXPECT_EQ(t[0], std::string(127, 'x'));
    EXPECT_EQ(t[1], "ok");
    UiTexts u;
    parse_language_file(lines(400), u);
    EXPECT_EQ(u[180], "text 180");
    // A late "=" restarts the text, and the cut applies again.
    UiTexts v;
    parse_language_file(
        std::string("a=").append(long_text).append("=").append(long_text).append("\n"), v);
    EXPECT_EQ(v[0].size(), 127u);
}

TEST(LanguageReader, MissingFileChangesNothing) {
    UiTexts t;
    t.slot[5] = "kept";
    EXPECT_FALSE(load_language_file("/nonexistent/Tarvex_lang.pol", t));
    EXPECT_EQ(t[5], "kept");
    const std::string path = "/tmp/tarvex-lang-test-" + std::to_string(::getpid());
    std::ofstream(path, std::ios::binary) << "a=x\r\nb=y\r\n";
    EXPECT_TRUE(load_language_file(path, t));
    EXPECT_EQ(t[1], "y");
    std::remove(path.c_str());
}
