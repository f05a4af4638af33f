// SPDX-License-Identifier: MIT
#pragma once

#include "gfx/text_memo.h"
#include "link/controller_image.h"
#include "link/link_state.h"
#include "scope/scope_trace.h"
#include "ui/poll_shared.h"
#include "ui/polling_view.h"
#include "ui/size_modes.h"
#include "ui/ui_text_qt.h"

class QCheckBox;
class QScrollBar;

namespace tarvex {

// What the Oscilloscope view reads and writes.
struct ScopeContext {
    LinkState& link;
    ControllerImage& image;
    PollShared& poll;
    const SizeState& size;
    const FontChoice& fonts;
    ViewTexts texts;
    ScopeBuffers& buffers;
    ScopeState& state;
    int& CurrentRpm;  // the engine speed the dashboard shows too
};

// The Oscilloscope view: five traces sweeping across four panels, polled every
// 20 ms, with a value cursor over the recording.
class ScopeView final : public PollingView {
    Q_OBJECT
  public:
    ScopeView(const ScopeContext& context, QWidget* parent);
    ~ScopeView() override;

    // The set-up at every creation: buffers reset, layout, traces, sweep start.
    void set_up() override;
    void draw_layout();
    void redraw_traces();
    void window_paint() override;
    void paint_sequence() override;
    void cursor_scrolled(int code, int thumb);
    QCheckBox* cursor_box() const;
    QScrollBar* cursor_bar() const;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    TickOutcome poll() override;
    void show_tick(TickResult result) override;

  private:
    Scope scope();
    void cursor_clicked(bool checked);
    ScopeContext ctx_;
    // Puts what a tick drew on the screen, while the next poll waits.
    void show_drawn(const QRegion& drawn);
    TextMemo texts_shown_;  // the read-outs and labels the surface shows
    QRegion unshown_;       // drawn into the surface, not yet on the screen
};

}  // namespace tarvex
