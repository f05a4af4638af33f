// SPDX-License-Identifier: MIT
#include "app/menu_model.h"

#include "app/commands.h"
#include "app/views.h"

namespace tarvex {

namespace {

const MenuTexts kPolish{
    kPolishMenu,
    "Plik",
    "Otwórz...",
    "Zapisz jako...",
    "Wyjscie",
    "Port",
    "Rozmiar",
    "Język",
    {"Polski", "Angielski", "Rosyjski", "Litewski", ""},
    {"Odczyty", "Konfiguracja", "Opcje", "Schemat", "Reset", "Oscyloskop", "O Programie..."}};
const MenuTexts kEnglish{177,
                         "File",
                         "Open...",
                         "Save As...",
                         "Exit",
                         "Port",
                         "Size",
                         "Language",
                         {" Polish", " English", "Russian", "Lithuanian", ""},
                         {"Readings", "Configuration", "Options", "Schema", "Reset", "Oscilloscope",
                          "Program information..."}};
const MenuTexts kRussian{
    178,
    "Файл",
    "Открыть...",
    "Сохранить как...",
    "Выход",
    "Порт",
    "Размер",
    "Язык",
    {"Польский", "Английский", "Русский", "Литовский", ""},
    {"Чтение", "Конфигурация", "Опции", "Схема", "Сброс", "Осцилограф", "О программе..."}};
const MenuTexts kLithuanian{179,
                            "Failas",
                            "Atidaryti...",
                            "Išsaugoti kaip...",
                            "Išeiti",
                            "Port",
                            "Size",
                            "Kalba",
                            {"Lenku", "Anglu", "Rusu", "Lietuvu", ""},
                            {"Nuskaitymas", "Konfiguracija", "Opcijos", "Schema", "Atstatymas",
                             "Osciloskopas", "apie programą"}};
const MenuTexts kItalian{188,
                         "File",
                         "Apri...",
                         "Salva con nome...",
                         "Esci",
                         "Porta",
                         "Dimensioni",
                         "Lingua",
                         {"Polacco", "Inglese", "Russo", "Lituano", "Italiano"},
                         {"Letture", "Configurazione", "Opzioni", "Schema", "Reset",
                          "Oscilloscopio", "Informazioni..."}};

}  // namespace

const std::array<LanguageDef, 5> kLanguages = {{
    {"pol", cmd::LangPolish, kPolishMenu, "PL", 109, 173},
    {"ang", cmd::LangEnglish, 177, "EN", 176, 174},
    {"rus", cmd::LangRussian, 178, "RU", 186, 184},
    {"lit", cmd::LangLithuanian, 179, "LI", 187, 185},
    {"ita", cmd::LangItalian, 188, "IT", 190, 189},
}};

const std::array<int, 7> kBarCommands = {cmd::Readings,   cmd::Configuration, cmd::Options,
                                         cmd::Schema,     cmd::Reset,         cmd::Oscilloscope,
                                         cmd::ProgramInfo};
const std::array<int, 4> kPortCommands = {cmd::Com1, cmd::Com2, cmd::Com3, cmd::Com4};
const std::array<int, 5> kSizeMenuOrder = {cmd::Size640, cmd::Size800, cmd::Size1024,
                                           cmd::Size1280x960, cmd::Size1280x1024};

const LanguageDef* language_for_code(const std::string& code) {
    for (const auto& l : kLanguages)
        if (code == l.code)
            return &l;
    return nullptr;
}

const LanguageDef* language_for_command(int command) {
    for (const auto& l : kLanguages)
        if (command == l.command)
            return &l;
    return nullptr;
}

int menu_for_language(const std::string& code) {
    const LanguageDef* l = language_for_code(code);
    return l ? l->menu_id : kPolishMenu;
}

int language_item_for(const std::string& code) {
    const LanguageDef* l = language_for_code(code);
    return l ? l->command : cmd::LangPolish;
}

const MenuTexts& menu_texts(int menu_id) {
    switch (menu_id) {
        case 177:
            return kEnglish;
        case 178:
            return kRussian;
        case 179:
            return kLithuanian;
        case 188:
            return kItalian;
        default:
            return kPolish;
    }
}

const char* shortcut_for(int command) {
    switch (command) {
        case cmd::Open:
            return "Ctrl+O";
        case cmd::SaveAs:
            return "Ctrl+Shift+S";
        case cmd::RecordReadings:
            return "Ctrl+R";
        case cmd::PlayRecording:
            return "Ctrl+P";
        case cmd::CompareWithFile:
            return "Ctrl+D";
        case cmd::SavePicture:
            return "Ctrl+I";
        case cmd::UndoLastChange:
            return "Ctrl+Z";
        case cmd::Exit:
            return "Ctrl+Q";
        case cmd::ProgramInfo:
            return "F1";
        default:
            return nullptr;
    }
}

int size_command(int size_mode) {
    static constexpr int by_mode[] = {cmd::Size640, cmd::Size800, cmd::Size1024, cmd::Size1280x960,
                                      cmd::Size1280x1024};
    return size_mode >= 1 && size_mode <= 5 ? by_mode[size_mode - 1] : 0;
}

int size_mode_for_command(int command) {
    for (int m = 1; m <= 5; ++m)
        if (size_command(m) == command)
            return m;
    return 0;
}

void MenuState::check(int id, bool on) {
    if (on)
        checked.insert(id);
    else
        checked.erase(id);
}

void MenuState::enable(int id, bool on) {
    if (on)
        disabled.erase(id);
    else
        disabled.insert(id);
}

void highlight_current_view(MenuState& m, int current_view) {
    m.highlighted = view_def(current_view).command;
}

void set_port_mark(MenuState& m, int port) {
    for (int id : kPortCommands)
        m.check(id, false);
    if (port >= 1 && port <= 4)
        m.check(kPortCommands[static_cast<std::size_t>(port - 1)], true);
}

void enable_size_items(MenuState& m, int size_class) {
    for (int mode = 1; mode <= 5; ++mode)
        m.enable(size_command(mode), mode <= size_class);
}

void set_size_check(MenuState& m, int size_mode) {
    for (int mode = 1; mode <= 5; ++mode)
        m.check(size_command(mode), mode == size_mode);
}

void set_language_check(MenuState& m, int language_item) {
    for (const auto& l : kLanguages)
        m.check(l.command, l.command == language_item);
}

}  // namespace tarvex
