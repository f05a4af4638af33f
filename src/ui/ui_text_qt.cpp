#include "ui/ui_text_qt.h"

#include "app/program.h"
#include "gfx/text_codec.h"

namespace tarvex {

QString ui_string(const Program& program, const std::string& bytes) {
    return QString::fromUtf8(to_utf8(bytes, charset_for(program.LanguageCode)));
}

QString ui_text(const Program& program, int slot) {
    return ui_string(program, program.texts[slot]);
}

}  // namespace tarvex
