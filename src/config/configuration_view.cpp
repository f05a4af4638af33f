// SPDX-License-Identifier: MIT
#include "config/configuration_view.h"

#include "config/list_entries.h"

namespace tarvex {

ConfigurationView::ConfigurationView(const SettingsContext& context, int template_id,
                                     QWidget* parent)
    : SettingsView(context, SettingsPoller::Configuration, 2, template_id, parent) {
    bind(configuration_lists(), configuration_checks());
}

void ConfigurationView::fill_lists() {
    for (const ListBinding& l : configuration_lists()) {
        if (l.id == control_id::LambdaPoints)
            fill_lambda_points();
        else
            form_.fill(l.id, entries_for_language(l.entries(ctx_.texts.texts), language()),
                       charset());
    }
}

void ConfigurationView::fill_lambda_points() {
    form_.fill(control_id::LambdaPoints,
               entries_for_language(lambda_point_entries(ctx_.state.ShownLambdaType), language()),
               charset());
}

void ConfigurationView::refresh() {
    const ConfigurationRefresh r = refresh_configuration_view(ctx_.image, ctx_.state);
    if (r.refill_lambda_points)
        fill_lambda_points();
    form_.apply(r.controls);
}

}  // namespace tarvex
