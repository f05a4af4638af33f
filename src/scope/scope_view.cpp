#include "scope/scope_view.h"

#include <QCheckBox>
#include <QKeyEvent>
#include <QScrollBar>

#include <utility>

#include "app/program.h"
#include "app/scroll_codes.h"
#include "app/template_font.h"
#include "app/ui_text_qt.h"
#include "gfx/qpainter_canvas.h"
#include "gfx/text_codec.h"

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

ScopeView::ScopeView(Program& program, QWidget* parent) : TemplateView(program, 6, 159, parent) {
    surface().fill(palette().color(QPalette::Window));
    // The template's font (MS Sans Serif 12 point) and the check box's
    // template place: x 254, y 0, 80 x 10 dialog units.
    const QFont f = template_font(12);
    cursor_box()->setFont(f);
    place_in_dialog_units(cursor_box(), dialog_units(f), 254, 0, 80, 10);
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
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, &ScopeView::tick);
}

QCheckBox* ScopeView::cursor_box() const {
    return qobject_cast<QCheckBox*>(control(1071));
}
QScrollBar* ScopeView::cursor_bar() const {
    return qobject_cast<QScrollBar*>(control(1117));
}

Scope ScopeView::scope() {
    Program& p = program_;
    const QColor face = palette().color(QPalette::Button);
    return Scope{p.scope_buffers,
                 p.scope,
                 p.image,
                 p.link,
                 p.size.scale,
                 p.size.SizeMode,
                 p.fonts,
                 p.texts,
                 p.dashboard.CurrentRpm,
                 Rgb{static_cast<std::uint8_t>(face.red()), static_cast<std::uint8_t>(face.green()),
                     static_cast<std::uint8_t>(face.blue())}};
}

void ScopeView::set_up() {
    ResetScopeBuffers(program_.scope_buffers, program_.size.scale);
    draw_layout();
    redraw_traces();
    program_.scope_buffers.SweepColumn = 202;
}

void ScopeView::draw_layout() {
    Program& p = program_;
    cursor_box()->setText(ui_text(p, 142));
    read_settings1(p.link, p.image);
    {
        QPainterCanvas canvas(surface(), &texts_shown_);
        Scope s = scope();
        DrawScopeLayout(canvas, s);
    }
    cursor_box()->setChecked(p.scope.ScopeCursorOn != 0);
    cursor_bar()->setVisible(p.scope.ScopeCursorOn != 0);
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
    if (program_.link.port)
        program_.link.port->while_next_read_waits({});
}

void ScopeView::tick() {
    Program& p = program_;
    if (p.poll.InfoDialogOpen)
        return;
    QRegion drawn;
    {
        QPainterCanvas canvas(surface(), &texts_shown_);
        Scope s = scope();
        if (p.scope.ScopeCursorOn) {
            DrawScopeCursor(canvas, s, cursor_bar()->value());
        } else {
            poll_status(p.link, p.image);
            if (p.link.NoConnection == 0 && controller_generation(p.image) == 2) {
                read_live(p.link, p.image);
                if (!p.scope.ScopeConfigRead) {
                    read_settings1(p.link, p.image);
                    p.scope.ScopeConfigRead = 1;
                }
            } else {
                p.scope.ScopeConfigRead = 0;
            }
            RecordScopeTick(canvas, s);
        }
        drawn = canvas.damage();
    }
    cursor_bar()->setVisible(p.scope.ScopeCursorOn != 0);
    show_drawn(drawn);
    // This view polls every 20 ms, also after the link was lost.
    p.link.PollPeriod = 20;
    if (rearm_needed(p.poll, 20))
        timer_.start(20);
}

void ScopeView::show_drawn(const QRegion& drawn) {
    unshown_ += drawn;
    SerialPort* port = program_.link.port;
    if (program_.scope.ScopeCursorOn || !port) {
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
    Program& p = program_;
    if (geometry() != QRect(0, 0, p.size.WindowWidth, p.size.WindowHeight))
        place(0, 0, p.size.WindowWidth, p.size.WindowHeight);
    timer_.start(p.link.PollPeriod);
    redraw_traces();
    const int mode = p.size.SizeMode >= 1 && p.size.SizeMode <= 5 ? p.size.SizeMode : 2;
    const Place& b = kBar[mode - 1];
    cursor_bar()->setGeometry(b.x, b.y, b.w, b.h);
    if (mode != 2) {
        const Place& c = kCheck[mode - 1];
        cursor_box()->setGeometry(c.x, c.y, c.w, c.h);
    }
}

void ScopeView::cursor_clicked(bool checked) {
    program_.scope.ScopeCursorOn = checked ? 1 : 0;
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
    return TemplateView::eventFilter(watched, event);
}

void ScopeView::cursor_scrolled(int code, int thumb) {
    Program& p = program_;
    p.scope.ScopeCursorPos = cursor_scroll(p.scope.ScopeCursorPos, code, thumb);
    QScrollBar* bar = cursor_bar();
    const QSignalBlocker block(bar);
    bar->setValue(p.scope.ScopeCursorPos);
}

}  // namespace tarvex
