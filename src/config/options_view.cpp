// SPDX-License-Identifier: MIT
#include "config/options_view.h"

#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>

#include "config/list_entries.h"
#include "gfx/text_codec.h"
#include "link/write_journal.h"
#include "ui/playback_refusal.h"
#include "ui/ui_text_qt.h"

namespace tarvex {

OptionsView::OptionsView(const SettingsContext& context, int template_id, QWidget* parent)
    : SettingsView(context, SettingsPoller::Options, 3, template_id, parent) {
    bind(options_lists(), options_checks());
    if (auto* b = qobject_cast<QPushButton*>(form_.control(control_id::EmulDOButton)))
        connect(b, &QPushButton::clicked, this, &OptionsView::open_emul_do);
}

void OptionsView::fill_lists() {
    for (const ListBinding& l : options_lists())
        form_.fill(l.id, entries_for_language(l.entries(ctx_.texts.texts), language()), charset());
}

void OptionsView::refresh() {
    form_.apply(refresh_options_view(ctx_.image));
}

void OptionsView::open_emul_do() {
    ctx_.state.OptionsSubDialogOpen = 1;
    {
        EmulDODialog dialog(ctx_, this);
        dialog.exec();
    }
    ctx_.state.OptionsSubDialogOpen = 0;
}

EmulDODialog::EmulDODialog(const SettingsContext& context, QWidget* parent)
    : QDialog(parent), ctx_(context), form_(*dialog_template(170), this, &context.poll.ListPaused) {
    const Charset cs = charset_for(ctx_.texts.LanguageCode);
    setWindowTitle(ui_text(ctx_.texts, text_slot::EmulDOTitle));
    form_.set_texts(ctx_.texts.texts, cs);
    form_.layout(QSize());
    setFixedSize(form_.template_size());
    for (const ListBinding& l : emul_do_lists()) {
        form_.fill(l.id, l.entries(ctx_.texts.texts), cs);
        connect(form_.list(l.id), &QComboBox::activated, this, [this, &l](int k) {
            if (refused_while_playing(ctx_.link, ctx_.dialogs, ctx_.texts, this))
                return;
            JournalChange change(ctx_.link, ChangeSource::Emulation);
            for (const Write& w : l.pick(ctx_.image, k))
                write_setting(ctx_.link, ctx_.image, w.code, w.value);
        });
    }
    if (auto* b = qobject_cast<QPushButton*>(form_.control(control_id::DialogOk))) {
        b->setDefault(true);
        connect(b, &QPushButton::clicked, this, &QDialog::accept);
    }
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, &EmulDODialog::tick);
    // Centred on the screen, size unchanged.
    if (const QScreen* s = QGuiApplication::primaryScreen()) {
        const QRect g = s->geometry();
        move((g.width() - width()) / 2, (g.height() - height()) / 2);
    }
}

void EmulDODialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    timer_.start(ctx_.link.PollPeriod);
}

void EmulDODialog::tick() {
    const SettingsContext& p = ctx_;
    const TickOutcome out = settings_poll(p.link, p.image, p.poll, p.state, SettingsPoller::EmulDO);
    if (out.result == TickResult::Polled)
        form_.apply(refresh_emul_do(p.image));
    if (out.rearm_to)
        timer_.start(out.rearm_to);
}

}  // namespace tarvex
