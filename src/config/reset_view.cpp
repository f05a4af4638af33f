// SPDX-License-Identifier: MIT
#include "config/reset_view.h"

#include <QFont>
#include <QLabel>
#include <QPushButton>

#include "config/controller_commands.h"
#include "gfx/text_codec.h"
#include "ui/playback_refusal.h"
#include "ui/template_font.h"
#include "ui/ui_text_qt.h"

namespace tarvex {

namespace {

using namespace control_id;

struct Place {
    int x, y, w, h;
};
struct ResetLayout {
    Place text1, text2, button;
};
// Pixels per size, not scaled.
constexpr ResetLayout kLayouts[5] = {
    {{65, 90, 800, 40}, {65, 130, 800, 40}, {85, 190, 450, 45}},
    {{150, 130, 800, 40}, {150, 170, 800, 40}, {120, 250, 550, 55}},
    {{250, 150, 800, 40}, {250, 200, 800, 40}, {150, 300, 700, 65}},
    {{360, 250, 800, 40}, {360, 300, 800, 40}, {220, 400, 800, 75}},
    {{360, 300, 800, 40}, {360, 350, 800, 40}, {220, 450, 800, 75}},
};

}  // namespace

ResetView::ResetView(const ResetContext& context, QWidget* parent)
    : TemplateView(5, 126, parent), ctx_(context) {
    // Every control in the template's font.
    for (int id : {ResetWarning, ResetWarning2, ResetButton})
        control(id)->setFont(form_.font());
    surface().fill(palette().color(QPalette::Window));
    if (auto* b = qobject_cast<QPushButton*>(control(ResetButton)))
        connect(b, &QPushButton::clicked, this, &ResetView::reset_clicked);
}

void ResetView::window_paint() {
    const ResetContext& p = ctx_;
    if (geometry() != QRect(0, 0, p.size.WindowWidth, p.size.WindowHeight))
        place(0, 0, p.size.WindowWidth, p.size.WindowHeight);
    form_.set_texts(p.texts.texts, charset_for(p.texts.LanguageCode));
    const int mode = p.size.SizeMode >= 1 && p.size.SizeMode <= 5 ? p.size.SizeMode : 2;
    const ResetLayout& l = kLayouts[mode - 1];
    control(ResetWarning)->setGeometry(l.text1.x, l.text1.y, l.text1.w, l.text1.h);
    control(ResetWarning2)->setGeometry(l.text2.x, l.text2.y, l.text2.w, l.text2.h);
    control(ResetButton)->setGeometry(l.button.x, l.button.y, l.button.w, l.button.h);
}

void ResetView::reset_clicked() {
    const ResetContext& p = ctx_;
    if (refused_while_playing(p.link, p.dialogs, p.texts, this))
        return;
    const bool ok = factory_reset(p.link, p.image);
    auto text = [&](int slot) { return ui_text(p.texts, slot); };
    p.dialogs.message(this, ok ? UserDialogs::Icon::Information : UserDialogs::Icon::Warning,
                      text(text_slot::ResetCaption),
                      text(ok ? text_slot::ResetDone : text_slot::ResetNotConfirmed));
}

}  // namespace tarvex
