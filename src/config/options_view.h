// SPDX-License-Identifier: MIT
#pragma once

#include <QDialog>
#include <QTimer>

#include "config/options_form.h"
#include "config/settings_view.h"
#include "ui/template_form.h"

namespace tarvex {

// The Options view: actuator limits and the optional functions.
class OptionsView final : public SettingsView {
    Q_OBJECT
  public:
    OptionsView(const SettingsContext& context, int template_id, QWidget* parent);
    void fill_lists() override;

  protected:
    void refresh() override;

  private:
    void open_emul_do();
};

// The EmulDO corrections dialog: modal, centred on the screen, polling the
// status and settings block 1 on its own timer.
class EmulDODialog final : public QDialog {
    Q_OBJECT
  public:
    EmulDODialog(const SettingsContext& context, QWidget* parent);
    // One tick of timer 2.
    void tick();
    TemplateForm& form() { return form_; }
    QTimer& timer() { return timer_; }

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    SettingsContext ctx_;
    TemplateForm form_;
    QTimer timer_;
};

}  // namespace tarvex
