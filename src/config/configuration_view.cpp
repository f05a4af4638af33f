// SPDX-License-Identifier: MIT
#include "config/configuration_view.h"

#include "config/list_entries.h"

namespace tarvex {

ConfigurationView::ConfigurationView(const SettingsContext& context, int template_id,
                                     QWidget* parent)
    : SettingsView(context, 2, template_id, parent) {
    bind(configuration_lists(), configuration_checks());
}

void ConfigurationView::fill_lists() {
    for (const ListBinding& l : configuration_lists()) {
        if (l.id == 1013)
            form_.fill(1013, lambda_point_entries(ctx_.state.ShownLambdaType), charset());
        else
            form_.fill(l.id, l.entries(ctx_.texts.texts), charset());
    }
}

void ConfigurationView::refresh() {
    const ConfigurationRefresh r = refresh_configuration_view(ctx_.image, ctx_.state);
    if (r.refill_lambda_points)
        form_.fill(1013, lambda_point_entries(ctx_.state.ShownLambdaType), charset());
    form_.apply(r.controls);
}

}  // namespace tarvex
