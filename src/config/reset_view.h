// SPDX-License-Identifier: MIT
#pragma once

#include "link/controller_image.h"
#include "link/link_state.h"
#include "ui/size_modes.h"
#include "ui/template_view.h"
#include "ui/ui_text_qt.h"
#include "ui/user_dialogs.h"

namespace tarvex {

// What the Reset view reads and writes, and where it reports the outcome.
struct ResetContext {
    LinkState& link;
    ControllerImage& image;
    const SizeState& size;
    ViewTexts texts;
    UserDialogs& dialogs;
};

// The Reset view: two texts and the factory-reset button, placed per size on
// every paint. It does not poll.
class ResetView final : public TemplateView {
    Q_OBJECT
  public:
    ResetView(const ResetContext& context, QWidget* parent);
    void window_paint() override;

  private:
    void reset_clicked();
    ResetContext ctx_;
};

}  // namespace tarvex
