// SPDX-License-Identifier: MIT
#include "config/settings_view.h"

#include <QCheckBox>
#include <QComboBox>
#include <QResizeEvent>

#include "gfx/text_codec.h"
#include "link/write_journal.h"
#include "ui/playback_refusal.h"

namespace tarvex {

SettingsView::SettingsView(const SettingsContext& context, SettingsPoller poller, int view,
                           int template_id, QWidget* parent)
    : PollingView(view, template_id, parent, &context.poll.ListPaused),
      ctx_(context),
      poller_(poller) {
    surface().fill(palette().color(QPalette::Window));
}

void SettingsView::resizeEvent(QResizeEvent* event) {
    ViewWidget::resizeEvent(event);
    // Only the part inside the client area is seen.
    QSize room = size();
    if (parentWidget())
        room = room.boundedTo(parentWidget()->size());
    form_.layout(room);
}

Charset SettingsView::charset() const {
    return charset_for(ctx_.texts.LanguageCode);
}

void SettingsView::set_texts() {
    form_.set_texts(ctx_.texts.texts, charset());
}

void SettingsView::set_up() {
    fill_lists();
    set_texts();
}

void SettingsView::bind(const std::vector<ListBinding>& lists,
                        const std::vector<CheckBinding>& checks) {
    for (const ListBinding& l : lists) {
        QComboBox* box = form_.list(l.id);
        if (!box)
            continue;
        connect(box, &QComboBox::activated, this, [this, &l](int k) {
            if (!refused())
                send(l.pick(ctx_.image, k));
        });
    }
    for (const CheckBinding& c : checks) {
        auto* box = qobject_cast<QCheckBox*>(form_.control(c.id));
        if (!box)
            continue;
        connect(box, &QCheckBox::clicked, this, [this, &c](bool on) {
            if (!refused())
                send(c.click(ctx_.image, on));
        });
    }
}

void SettingsView::send(const std::vector<Write>& writes) {
    JournalChange change(ctx_.link, ChangeSource::Pick);
    for (const Write& w : writes)
        write_setting(ctx_.link, ctx_.image, w.code, w.value);
}

bool SettingsView::refused() {
    return refused_while_playing(ctx_.link, ctx_.dialogs, ctx_.texts, this);
}

TickOutcome SettingsView::poll() {
    return settings_poll(ctx_.link, ctx_.image, ctx_.poll, ctx_.state, poller_);
}

void SettingsView::show_tick(TickResult result) {
    if (result == TickResult::Polled)
        refresh();
}

void SettingsView::window_paint() {
    arm(ctx_.link.PollPeriod);
    const QRect want(0, 0, ctx_.size.WindowWidth, ctx_.size.WindowHeight);
    if (geometry() != want)
        place(0, 0, want.width(), want.height());
}

}  // namespace tarvex
