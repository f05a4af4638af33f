// SPDX-License-Identifier: MIT
#pragma once

#include <QTimer>

#include "ui/poll_shared.h"
#include "ui/template_view.h"

namespace tarvex {

// A view that polls the controller on its timer (timer 1). Its paints from
// the window system arm the timer with the poll period; each tick runs the
// view's Qt-free poll function, shows what it brought, and re-arms the timer
// when the poll says so.
class PollingView : public TemplateView {
    Q_OBJECT
  public:
    PollingView(int view, int template_id, QWidget* parent, int* list_paused = nullptr);
    void tick() final;
    QTimer& timer() { return timer_; }

  protected:
    // The polls of one tick.
    virtual TickOutcome poll() = 0;
    // Shows the tick's outcome (a skipped tick too, for views that note it).
    virtual void show_tick(TickResult result) = 0;
    // Starts the timer again with this period.
    void arm(int period) { timer_.start(period); }

  private:
    QTimer timer_;
};

}  // namespace tarvex
