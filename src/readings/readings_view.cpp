#include "readings/readings_view.h"

#include <QPushButton>

#include "app/program.h"
#include "gfx/qpainter_canvas.h"
#include "gfx/text_codec.h"
#include "readings/readings_poll.h"
#include "ui/ui_text_qt.h"

namespace tarvex {

ReadingsView::ReadingsView(Program& program, QWidget* parent)
    : TemplateView(program, 1, 101, parent) {
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, &ReadingsView::tick);
    if (auto* b = qobject_cast<QPushButton*>(control(1005)))
        connect(b, &QPushButton::clicked, this, &ReadingsView::learning_clicked);
}

Dashboard ReadingsView::dashboard() {
    Program& p = program_;
    return Dashboard{p.image,         p.link,  p.size.scale, p.fonts,     p.size.LampX,
                     p.size.lamp_box, p.texts, p.dial,       p.dashboard, p.status};
}

void ReadingsView::draw_frame() {
    if (auto* b = qobject_cast<QPushButton*>(control(1005)))
        b->setText(ui_text(program_, 33));
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
    const TickOutcome out = readings_poll(program_.link, program_.image, program_.poll);
    if (out.result == TickResult::Skipped)
        return;
    draw_values();
    if (out.rearm_to)
        timer_.start(out.rearm_to);
}

void ReadingsView::window_paint() {
    const QRect want(-5, -10, program_.size.WindowWidth, program_.size.WindowHeight);
    if (geometry() != want)
        place(want.x(), want.y(), want.width(), want.height());
    timer_.start(program_.link.PollPeriod);
}

void ReadingsView::learning_clicked() {
    {
        QPainterCanvas canvas(surface());
        Dashboard d = dashboard();
        learning_request(canvas, d, program_.link, program_.image);
    }
    present();
}

}  // namespace tarvex
