#pragma once

#include <QTimer>

#include "readings/dashboard.h"
#include "ui/template_view.h"

namespace tarvex {

// The Readings view: the dashboard, polled on timer 1, and the learning button.
class ReadingsView final : public TemplateView {
    Q_OBJECT
  public:
    ReadingsView(Program& program, QWidget* parent);

    // The static layer and the button caption (at creation and on repaints).
    void draw_frame();
    // The live layer.
    void draw_values();
    // One tick of timer 1.
    void tick();
    QTimer& timer() { return timer_; }

  protected:
    void window_paint() override;

  private:
    Dashboard dashboard();
    void learning_clicked();
    QTimer timer_;
};

}  // namespace tarvex
