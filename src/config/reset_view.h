#pragma once

#include "ui/template_view.h"

namespace tarvex {

// The Reset view: two texts and the factory-reset button, placed per size on
// every paint. It does not poll.
class ResetView final : public TemplateView {
    Q_OBJECT
  public:
    ResetView(Program& program, QWidget* parent);
    void window_paint() override;

  private:
    void reset_clicked();
};

}  // namespace tarvex
