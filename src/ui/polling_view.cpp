// SPDX-License-Identifier: MIT
#include "ui/polling_view.h"

namespace tarvex {

PollingView::PollingView(int view, int template_id, QWidget* parent, int* list_paused)
    : TemplateView(view, template_id, parent, list_paused) {
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, &PollingView::tick);
}

void PollingView::tick() {
    const TickOutcome out = poll();
    show_tick(out.result);
    if (out.rearm_to)
        timer_.start(out.rearm_to);
}

}  // namespace tarvex
