// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "app/commands.h"
#include "app/menu_model.h"
#include "app/views.h"

using namespace tarvex;

TEST(MenuModel, SizeItemsByDesktopClass) {
    for (int cls = 1; cls <= 5; ++cls) {
        MenuState m;
        enable_size_items(m, cls);
        for (int mode = 1; mode <= 5; ++mode)
            EXPECT_EQ(m.is_enabled(size_command(mode)), mode <= cls) << cls << " " << mode;
        EXPECT_FALSE(m.is_enabled(cmd::LangItalian));
    }
    EXPECT_EQ(size_command(4), cmd::Size1280x960);
    EXPECT_EQ(size_command(5), cmd::Size1280x1024);
    EXPECT_EQ(size_mode_for_command(40031), 5);
}

TEST(MenuModel, ChecksAndHighlight) {
    MenuState m;
    set_port_mark(m, 3);
    set_port_mark(m, 2);
    EXPECT_TRUE(m.is_checked(cmd::Com2));
    EXPECT_FALSE(m.is_checked(cmd::Com3));
    set_size_check(m, 4);
    EXPECT_TRUE(m.is_checked(cmd::Size1280x960));
    set_size_check(m, 9);  // out of range: only unchecks
    for (int mode = 1; mode <= 5; ++mode)
        EXPECT_FALSE(m.is_checked(size_command(mode)));
    set_language_check(m, cmd::LangRussian);
    EXPECT_TRUE(m.is_checked(cmd::LangRussian));
    EXPECT_FALSE(m.is_checked(cmd::LangPolish));
    const int by_view[] = {0, 40005, 40006, 40007, 40013, 40008, 40010};
    for (int v = 1; v <= 6; ++v) {
        highlight_current_view(m, v);
        EXPECT_EQ(m.highlighted, by_view[v]);
    }
}

TEST(MenuModel, LanguagesMenusAndViews) {
    struct Case {
        const char* code;
        int menu, item;
    } cases[] = {{"pol", 148, 40036},         {"ang", 177, 40034}, {"rus", 178, 40059},
                 {"lit", 179, 40060},         {"ita", 188, 40062}, {"xyz", 148, 40036},
                 {"[Ustawienia]", 148, 40036}};
    for (const auto& c : cases) {
        EXPECT_EQ(menu_for_language(c.code), c.menu) << c.code;
        EXPECT_EQ(language_item_for(c.code), c.item) << c.code;
    }
    EXPECT_STREQ(menu_texts(148).languages[4], "");
    EXPECT_STREQ(menu_texts(177).languages[0], " Polish");
    EXPECT_STREQ(menu_texts(179).bar[6], "apie programą");
    EXPECT_EQ(template_for(ViewConfiguration, 1), 106);
    EXPECT_EQ(template_for(ViewConfiguration, 5), 150);
    EXPECT_EQ(template_for(ViewOptions, 2), 125);
    EXPECT_EQ(view_for_command(cmd::Schema), ViewSchema);
    EXPECT_EQ(view_for_command(cmd::Open), 0);
}
