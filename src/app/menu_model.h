// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <set>
#include <string>
#include <vector>

namespace tarvex {

// One language's menu: its resource number and its texts (UTF-8).
struct MenuTexts {
    int menu_id;
    const char* file;
    const char* open;
    const char* save_as;
    const char* exit;
    const char* port;
    const char* size;
    const char* language;
    std::array<const char*, 5> languages;  // items 40036, 40034, 40059, 40060, 40062
    std::array<const char*, 7> bar;        // 40005, 40006, 40007, 40013, 40008, 40010, 40003
};

// The Polish menu: the window class's menu, attached at creation, and the
// menu of an unknown language code.
constexpr int kPolishMenu = 148;

// The language commands in menu order, with their codes and badges.
struct LanguageDef {
    const char* code;
    int command;
    int menu_id;
    const char* badge;  // two-letter code drawn on the badge
    int bitmap_unchecked, bitmap_checked;
};
extern const std::array<LanguageDef, 5> kLanguages;
// The language of a code; null for an unknown code.
const LanguageDef* language_for_code(const std::string& code);
const LanguageDef* language_for_command(int command);

// The menu attached for a language code and the language item checked in it:
// the Polish menu and item for an unknown code.
int menu_for_language(const std::string& code);
int language_item_for(const std::string& code);
const MenuTexts& menu_texts(int menu_id);

// The desktop's shortcut of a command, in Qt's portable text form
// ("Ctrl+O"), or null. None clashes with Alt+F1, Alt+F4 or Alt and the
// arrows, which reach the menu bar.
const char* shortcut_for(int command);

// The bar's commands in order (views, then program information).
extern const std::array<int, 7> kBarCommands;
extern const std::array<int, 4> kPortCommands;
// Size items in menu order (1280x960 above 1280x1024) and by SizeMode.
extern const std::array<int, 5> kSizeMenuOrder;
int size_command(int size_mode);
int size_mode_for_command(int command);

// Check marks, grey items and the highlighted view command of the attached
// menu. Every operation acts on the whole state as the menu would.
struct MenuState {
    int menu_id = kPolishMenu;
    std::set<int> checked;
    std::set<int> disabled{40062};  // the fifth language item is always grey
    int highlighted = 0;

    bool is_checked(int id) const { return checked.count(id) != 0; }
    bool is_enabled(int id) const { return disabled.count(id) == 0; }
    void check(int id, bool on);
    void enable(int id, bool on);
};

void highlight_current_view(MenuState& m, int current_view);
void set_port_mark(MenuState& m, int port);
void enable_size_items(MenuState& m, int size_class);
void set_size_check(MenuState& m, int size_mode);
void set_language_check(MenuState& m, int language_item);

}  // namespace tarvex
