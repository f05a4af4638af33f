// SPDX-License-Identifier: MIT
#pragma once

#include "config/configuration_form.h"
#include "config/settings_view.h"

namespace tarvex {

// The Configuration view: sensor, emulation, ignition and TPS settings.
class ConfigurationView final : public SettingsView {
    Q_OBJECT
  public:
    ConfigurationView(const SettingsContext& context, int template_id, QWidget* parent);
    void fill_lists() override;

  protected:
    void refresh() override;

  private:
    void fill_lambda_points();
};

}  // namespace tarvex
