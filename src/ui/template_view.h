// SPDX-License-Identifier: MIT
#pragma once

#include <map>

#include "ui/view_widget.h"

namespace tarvex {

// A view built from its dialog template's controls (by control identifier),
// for views whose content is drawn or filled by their own modules.
class TemplateView : public ViewWidget {
    Q_OBJECT
  public:
    TemplateView(int view, int template_id, QWidget* parent);
    // The control with this identifier, or null.
    QWidget* control(int id) const;

  protected:
    void add_control(int id, QWidget* w);

  private:
    std::map<int, QWidget*> controls_;
};

}  // namespace tarvex
