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
    : TemplateView(1, 101, parent), ctx_(context) {
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, &ReadingsView::tick);
    if (auto* b = qobject_cast<QPushButton*>(control(1005)))
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
    if (auto* b = qobject_cast<QPushButton*>(control(1005)))
        b->setText(ui_text(ctx_.texts, 33));
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

void ReadingsView::tick() {
    const TickOutcome out = readings_poll(ctx_.link, ctx_.image, ctx_.poll);
    if (out.result == TickResult::Skipped)
        return;
    draw_values();
    if (out.rearm_to)
        timer_.start(out.rearm_to);
}

void ReadingsView::window_paint() {
    const QRect want(-5, -10, ctx_.size.WindowWidth, ctx_.size.WindowHeight);
    if (geometry() != want)
        place(want.x(), want.y(), want.width(), want.height());
    timer_.start(ctx_.link.PollPeriod);
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
