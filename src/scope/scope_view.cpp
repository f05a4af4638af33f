// SPDX-License-Identifier: MIT
#include "scope/scope_view.h"

#include <QCheckBox>
#include <QKeyEvent>
#include <QScrollBar>

#include <utility>

#include "gfx/qpainter_canvas.h"
#include "gfx/text_codec.h"
#include "scope/scope_poll.h"
#include "scope/scope_sweep.h"
#include "ui/scroll_codes.h"
#include "ui/template_font.h"
#include "ui/ui_text_qt.h"

namespace tarvex {

namespace {

struct Place {
    int x, y, w, h;
};
// Pixels per size, not scaled; size 2 keeps the check box at its template place.
constexpr Place kBar[5] = {{137, 0, 364, 20},
                           {180, 0, 440, 25},
                           {235, 0, 548, 30},
                           {300, 10, 677, 40},
                           {300, 15, 677, 45}};
constexpr Place kCheck[5] = {
    {490, 20, 550, 40}, {0, 0, 0, 0}, {800, 0, 900, 25}, {1000, 0, 1100, 45}, {1000, 0, 1100, 50}};

}  // namespace

ScopeView::ScopeView(const ScopeContext& context, QWidget* parent)
    : PollingView(6, 159, parent), ctx_(context) {
    surface().fill(palette().color(QPalette::Window));
    // The template's font (MS Sans Serif 12 point) and the check box's
    // template place: x 254, y 0, 80 x 10 dialog units.
    const QFont f = template_font(12);
    cursor_box()->setFont(f);
    place_in_dialog_units(cursor_box(), dialog_units(f), 254, 0, 80, 10);
    // At 800x600 the bar's place overlaps the box's: the box stays above it.
    cursor_box()->raise();
    QScrollBar* bar = cursor_bar();
    bar->setRange(2, 395);
    bar->setPageStep(10);
    // The bar takes the focus by Tab or a click, as any scroll bar does; its
    // keys are handled as scroll codes (eventFilter).
    bar->setFocusPolicy(Qt::StrongFocus);
    bar->installEventFilter(this);
    connect(cursor_box(), &QCheckBox::clicked, this, &ScopeView::cursor_clicked);
    connect(bar, &QScrollBar::actionTriggered, this, [this, bar](int action) {
        cursor_scrolled(scroll_code_of(action), bar->sliderPosition());
    });
}

QCheckBox* ScopeView::cursor_box() const {
    return qobject_cast<QCheckBox*>(control(control_id::CursorBox));
}
QScrollBar* ScopeView::cursor_bar() const {
    return qobject_cast<QScrollBar*>(control(control_id::CursorBar));
}

Scope ScopeView::scope() {
    const ScopeContext& c = ctx_;
    const QColor face = palette().color(QPalette::Button);
    return Scope{c.buffers,
                 c.state,
                 c.image,
                 c.link,
                 c.size.scale,
                 c.size.SizeMode,
                 c.fonts,
                 c.texts.texts,
                 c.CurrentRpm,
                 Rgb{static_cast<std::uint8_t>(face.red()), static_cast<std::uint8_t>(face.green()),
                     static_cast<std::uint8_t>(face.blue())}};
}

void ScopeView::set_up() {
    ResetScopeBuffers(ctx_.buffers, ctx_.size.scale);
    draw_layout();
    redraw_traces();
    ctx_.buffers.SweepColumn = 202;
}

void ScopeView::draw_layout() {
    const ScopeContext& p = ctx_;
    form_.set_texts(p.texts.texts, charset_for(p.texts.LanguageCode));
    read_settings1(p.link, p.image);
    {
        QPainterCanvas canvas(surface(), &texts_shown_);
        Scope s = scope();
        DrawScopeLayout(canvas, s);
    }
    cursor_box()->setChecked(p.state.ScopeCursorOn != 0);
    cursor_bar()->setVisible(p.state.ScopeCursorOn != 0);
    cursor_bar()->setRange(2, 395);
    present();
}

void ScopeView::redraw_traces() {
    {
        QPainterCanvas canvas(surface(), &texts_shown_);
        Scope s = scope();
        RedrawScopeTraces(canvas, s);
    }
    present();
}

ScopeView::~ScopeView() {
    // A screen update left with the port must not outlive the view.
    if (ctx_.link.port)
        ctx_.link.port->while_next_read_waits({});
}

TickOutcome ScopeView::poll() {
    const ScopeContext& p = ctx_;
    return scope_poll(p.link, p.image, p.poll, p.state);
}

void ScopeView::show_tick(TickResult result) {
    const ScopeContext& p = ctx_;
    if (result == TickResult::Skipped) {
        pause_scope_sweep(p.buffers);
        return;
    }
    QRegion drawn;
    {
        QPainterCanvas canvas(surface(), &texts_shown_);
        Scope s = scope();
        if (result == TickResult::Held) {
            DrawScopeCursor(canvas, s, cursor_bar()->value());
            pause_scope_sweep(p.buffers);
        } else {
            // The sweep follows the clock; the sample was taken just now.
            record_scope_tick_at(canvas, s, scope_now(p.state));
        }
        drawn = canvas.damage();
    }
    cursor_bar()->setVisible(p.state.ScopeCursorOn != 0);
    show_drawn(drawn);
}

void ScopeView::show_drawn(const QRegion& drawn) {
    unshown_ += drawn;
    SerialPort* port = ctx_.link.port;
    if (ctx_.state.ScopeCursorOn || !port) {
        // No poll follows: shown now, and nothing left with the port.
        if (port)
            port->while_next_read_waits({});
        update(std::exchange(unshown_, QRegion()));
        return;
    }
    // The next tick's status poll leaves the line idle for milliseconds
    // while the command and its reply cross the wire: the screen is given
    // what this tick drew then, not between the ticks.
    port->while_next_read_waits([this] { repaint(std::exchange(unshown_, QRegion())); });
}

void ScopeView::window_paint() {
    const ScopeContext& p = ctx_;
    if (geometry() != QRect(0, 0, p.size.WindowWidth, p.size.WindowHeight))
        place(0, 0, p.size.WindowWidth, p.size.WindowHeight);
    arm(p.link.PollPeriod);
    redraw_traces();
    const int mode = p.size.SizeMode >= 1 && p.size.SizeMode <= 5 ? p.size.SizeMode : 2;
    const Place& b = kBar[mode - 1];
    cursor_bar()->setGeometry(b.x, b.y, b.w, b.h);
    if (mode != 2) {
        const Place& c = kCheck[mode - 1];
        cursor_box()->setGeometry(c.x, c.y, c.w, c.h);
    }
}

void ScopeView::paint_sequence() {
    draw_layout();
    redraw_traces();
}

void ScopeView::cursor_clicked(bool checked) {
    ctx_.state.ScopeCursorOn = checked ? 1 : 0;
    cursor_bar()->setVisible(checked);
    redraw_traces();
}

bool ScopeView::eventFilter(QObject* watched, QEvent* event) {
    if (watched == cursor_bar() && event->type() == QEvent::KeyPress) {
        const int code = scroll_code_of_key(static_cast<QKeyEvent*>(event)->key());
        if (code != kNoScrollCode) {
            cursor_scrolled(code, cursor_bar()->sliderPosition());
            return true;
        }
    }
    return PollingView::eventFilter(watched, event);
}

void ScopeView::cursor_scrolled(int code, int thumb) {
    const ScopeContext& p = ctx_;
    p.state.ScopeCursorPos = cursor_scroll(p.state.ScopeCursorPos, code, thumb);
    QScrollBar* bar = cursor_bar();
    const QSignalBlocker block(bar);
    bar->setValue(p.state.ScopeCursorPos);
}

}  // namespace tarvex
