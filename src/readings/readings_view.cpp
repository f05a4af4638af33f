// SPDX-License-Identifier: MIT
#include "readings/readings_view.h"

#include <QCoreApplication>
#include <QPushButton>

#include "gfx/qpainter_canvas.h"
#include "gfx/text_codec.h"
#include "readings/readings_poll.h"
#include "ui/playback_refusal.h"
#include "ui/ui_text_qt.h"

namespace tarvex {

ReadingsView::ReadingsView(const ReadingsContext& context, QWidget* parent)
    : PollingView(1, 101, parent), ctx_(context) {
    if (auto* b = qobject_cast<QPushButton*>(control(control_id::LearnButton)))
        connect(b, &QPushButton::clicked, this, &ReadingsView::learning_clicked);
}

Dashboard ReadingsView::dashboard() {
    const ReadingsContext& c = ctx_;
    std::string ended;
    if (port_source(c.link) == PortSource::PlaybackEnded)
        ended = from_utf8(
            QCoreApplication::translate("Playback", "The recording has ended.").toStdString(),
            charset_for(c.texts.LanguageCode));
    return Dashboard{c.image,      c.link,          c.size.scale,    c.fonts,
                     c.size.LampX, c.size.lamp_box, c.texts.texts,   c.dial,
                     c.dashboard,  c.status,        std::move(ended)};
}

void ReadingsView::draw_frame() {
    form_.set_texts(ctx_.texts.texts, charset_for(ctx_.texts.LanguageCode));
    {
        QPainterCanvas canvas(surface());
        Dashboard d = dashboard();
        draw_dashboard_frame(canvas, d);
    }
    present();
}

void ReadingsView::draw_values() {
    {
        QPainterCanvas canvas(surface());
        Dashboard d = dashboard();
        draw_dashboard_values(canvas, d);
    }
    present();
}

TickOutcome ReadingsView::poll() {
    return readings_poll(ctx_.link, ctx_.image, ctx_.poll);
}

void ReadingsView::show_tick(TickResult result) {
    if (result == TickResult::Polled)
        draw_values();
}

QRect ReadingsView::home(QSize) const {
    return {-5, -10, ctx_.size.WindowWidth, ctx_.size.WindowHeight};
}

void ReadingsView::window_paint() {
    const QRect want = home({});
    if (geometry() != want)
        place(want.x(), want.y(), want.width(), want.height());
    arm(ctx_.link.PollPeriod);
}

void ReadingsView::paint_sequence() {
    draw_frame();
    draw_values();
}

void ReadingsView::place_controls() {
    QWidget* b = control(control_id::LearnButton);
    const ButtonPlace& at = ctx_.fonts.learn_button;
    b->setGeometry(at.x, at.y, at.width, at.height);
    // Drawn again on top of the dashboard.
    b->setEnabled(false);
    b->setEnabled(true);
    b->raise();
}

void ReadingsView::learning_clicked() {
    if (refused_while_playing(ctx_.link, ctx_.dialogs, ctx_.texts, this))
        return;
    {
        QPainterCanvas canvas(surface());
        Dashboard d = dashboard();
        learning_request(canvas, d, ctx_.link, ctx_.image);
    }
    present();
}

}  // namespace tarvex
