// SPDX-License-Identifier: MIT
#pragma once

#include <QComboBox>
#include <QFont>
#include <QSize>

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "gfx/text_codec.h"
#include "ui/control_state.h"
#include "ui/dialog_templates.h"
#include "ui/ui_texts.h"

namespace tarvex {

// Builds a dialog template's controls as widgets on a parent, places them for
// the template's font, and applies control states.
class TemplateForm {
  public:
    // `list_paused`: the flag the template's lists set while open (templates
    // without lists need none).
    TemplateForm(const TemplateDef& def, QWidget* parent, int* list_paused = nullptr);
    // Places every control for the template font, fitted into the given room.
    void layout(QSize room);
    QWidget* control(int id) const;
    QComboBox* list(int id) const;
    // Sets the texts of the controls that take them from slots.
    void set_texts(const UiTexts& texts, Charset charset);
    void fill(int id, const std::vector<std::string>& entries, Charset charset);
    void apply(const std::vector<ControlState>& states);
    const TemplateDef& def() const { return def_; }
    // The whole template's size in pixels, as last laid out.
    QSize template_size() const { return template_size_; }
    QFont font() const { return font_; }

  private:
    const TemplateDef& def_;
    QFont font_;
    std::map<int, QWidget*> controls_;
    std::vector<std::pair<const ControlDef*, QWidget*>> placed_;
    QSize template_size_;
};

}  // namespace tarvex
