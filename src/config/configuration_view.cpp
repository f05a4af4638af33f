#include "config/configuration_view.h"

#include "app/program.h"
#include "config/list_entries.h"

namespace tarvex {

ConfigurationView::ConfigurationView(Program& program, int template_id, QWidget* parent)
    : SettingsView(program, 2, template_id, parent) {
    bind(configuration_lists(), configuration_checks());
}

void ConfigurationView::fill_lists() {
    for (const ListBinding& l : configuration_lists()) {
        if (l.id == 1013)
            form_.fill(1013, lambda_point_entries(program_.config.ShownLambdaType), charset());
        else
            form_.fill(l.id, l.entries(program_.texts), charset());
    }
}

void ConfigurationView::refresh() {
    const ConfigurationRefresh r = refresh_configuration_view(program_.image, program_.config);
    if (r.refill_lambda_points)
        form_.fill(1013, lambda_point_entries(program_.config.ShownLambdaType), charset());
    form_.apply(r.controls);
}

}  // namespace tarvex
