#pragma once

#include <QString>

#include <string>

namespace tarvex {

struct Program;

// An interface text decoded for display in the program's current language.
QString ui_text(const Program& program, int slot);
QString ui_string(const Program& program, const std::string& bytes);

}  // namespace tarvex
