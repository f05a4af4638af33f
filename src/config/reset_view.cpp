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
    // The template's font: MS Sans Serif 12 point.
    QFont f(QStringLiteral("Liberation Sans"));
    f.setPixelSize(16);
    for (int id : {1104, 1105, 126})
        control(id)->setFont(f);
    surface().fill(palette().color(QPalette::Window));
    if (auto* b = qobject_cast<QPushButton*>(control(126)))
        connect(b, &QPushButton::clicked, this, &ResetView::reset_clicked);
}

void ResetView::window_paint() {
    const ResetContext& p = ctx_;
    if (geometry() != QRect(0, 0, p.size.WindowWidth, p.size.WindowHeight))
        place(0, 0, p.size.WindowWidth, p.size.WindowHeight);
    auto text = [&](int slot) { return ui_text(p.texts, slot); };
    if (auto* l = qobject_cast<QLabel*>(control(1104)))
        l->setText(text(134));
    if (auto* l = qobject_cast<QLabel*>(control(1105)))
        l->setText(text(135));
    if (auto* b = qobject_cast<QPushButton*>(control(126)))
        b->setText(text(136));
    const int mode = p.size.SizeMode >= 1 && p.size.SizeMode <= 5 ? p.size.SizeMode : 2;
    const ResetLayout& l = kLayouts[mode - 1];
    control(1104)->setGeometry(l.text1.x, l.text1.y, l.text1.w, l.text1.h);
    control(1105)->setGeometry(l.text2.x, l.text2.y, l.text2.w, l.text2.h);
    control(126)->setGeometry(l.button.x, l.button.y, l.button.w, l.button.h);
}

void ResetView::reset_clicked() {
    const ResetContext& p = ctx_;
    if (refused_while_playing(p.link, p.dialogs, p.texts, this))
        return;
    const bool ok = factory_reset(p.link, p.image);
    auto text = [&](int slot) { return ui_text(p.texts, slot); };
    p.dialogs.message(this, ok ? UserDialogs::Icon::Information : UserDialogs::Icon::Warning,
                      text(137), text(ok ? 138 : 139));
}

}  // namespace tarvex
