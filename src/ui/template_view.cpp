// SPDX-License-Identifier: MIT
#include "ui/template_view.h"

namespace tarvex {

namespace {

const TemplateDef& template_or_empty(int id) {
    static const TemplateDef empty{0, 0, 0, 8, {}, false};
    const TemplateDef* def = dialog_template(id);
    return def ? *def : empty;
}

}  // namespace

TemplateView::TemplateView(int view, int template_id, QWidget* parent, int* list_paused)
    : ViewWidget(view, template_id, parent),
      form_(template_or_empty(template_id), this, list_paused) {}

}  // namespace tarvex
