// SPDX-License-Identifier: MIT
// The window keeps fitting its menu bar and client area when a language
// with another menu font replaces the menu bar.
#include "window/pixels.h"
#include "window/program_window.h"

namespace tarvex::window_test {

namespace {

// The language the program starts in, from its settings file.
class MenuFit : public ProgramWindowTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(MenuFit, WindowFitsEveryLanguagesMenuAt640x480) {
    StartOptions options;
    options.language = GetParam();
    start(options);
    ASSERT_TRUE(choose_size(1));
    const QRgb ground = qRgb(128, 128, 128);  // the dashboard's ground
    // The menu bar's height: the rows above the dashboard at the window's
    // left edge. The window is exactly the menu bar over the client area.
    const auto fitted = [&](int* bar) {
        const QImage s = shot();
        const WindowGeometry g = geometry();
        *bar = 0;
        while (*bar < g.height && pixel(s, {g.x + 2, g.y + *bar}) != ground)
            ++*bar;
        return g.height - *bar == client_size(size()).height() &&
               pixel(s, {g.x + 2, g.y + g.height - 1}) == ground;
    };
    int bar = 0;
    EXPECT_TRUE(wait_until([&] { return fitted(&bar); }))
        << title() << ": menu bar " << bar << " pixels, window " << geometry().height << "; "
        << keep(shot(), "start");
    // English, Russian, Lithuanian, then Polish from the Language menu.
    for (int item : {1, 2, 3, 0}) {
        const std::string before = title();
        menu_item(kLanguageMenu, item);
        ASSERT_TRUE(wait_until([&] { return title() != before; }));
        EXPECT_TRUE(wait_until([&] { return fitted(&bar); }))
            << title() << ": menu bar " << bar << " pixels, window " << geometry().height
            << ", client " << client_size(size()).height() << "; "
            << keep(shot(), "language-" + std::to_string(item));
    }
}

INSTANTIATE_TEST_SUITE_P(StartLanguage, MenuFit, ::testing::Values("pol", "ita"),
                         [](const ::testing::TestParamInfo<const char*>& row) {
                             return std::string(row.param);
                         });

}  // namespace

}  // namespace tarvex::window_test
