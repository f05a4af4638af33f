// SPDX-License-Identifier: MIT
#pragma once

#include "ui/template_form.h"
#include "ui/view_widget.h"

namespace tarvex {

// A view built from its dialog template's controls (by control identifier).
class TemplateView : public ViewWidget {
    Q_OBJECT
  public:
    // `list_paused`: the flag the template's lists set while open.
    TemplateView(int view, int template_id, QWidget* parent, int* list_paused = nullptr);
    // The control with this identifier, or null.
    QWidget* control(int id) const { return form_.control(id); }
    TemplateForm& form() { return form_; }

  protected:
    TemplateForm form_;
};

}  // namespace tarvex
