#pragma once

#include <QTimer>

#include "scope/scope_trace.h"
#include "ui/template_view.h"

class QCheckBox;
class QScrollBar;

namespace tarvex {

// The Oscilloscope view: five traces sweeping across four panels, polled every
// 20 ms, with a value cursor over the recording.
class ScopeView final : public TemplateView {
    Q_OBJECT
  public:
    ScopeView(Program& program, QWidget* parent);

    // The set-up at every creation: buffers reset, layout, traces, sweep start.
    void set_up();
    void draw_layout();
    void redraw_traces();
    void tick();
    void window_paint() override;
    void cursor_scrolled(int code, int thumb);
    QTimer& timer() { return timer_; }
    QCheckBox* cursor_box() const;
    QScrollBar* cursor_bar() const;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    Scope scope();
    void cursor_clicked(bool checked);
    QTimer timer_;
};

}  // namespace tarvex
