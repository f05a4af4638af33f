// SPDX-License-Identifier: MIT
#include "app/view_factory.h"

#include "app/views.h"
#include "config/configuration_view.h"
#include "config/options_view.h"

namespace tarvex {

ViewTexts view_texts(Program& p) {
    return {p.texts, p.LanguageCode};
}

ReadingsContext readings_context(Program& p) {
    return {p.link,        p.image, p.poll,      p.size,   p.fonts,
            view_texts(p), p.dial,  p.dashboard, p.status, *p.dialogs};
}

SettingsContext settings_context(Program& p) {
    return {p.link, p.image, p.poll, p.size, view_texts(p), p.config, *p.dialogs};
}

ResetContext reset_context(Program& p) {
    return {p.link, p.image, p.size, view_texts(p), *p.dialogs};
}

SchemaContext schema_context(Program& p) {
    return {p.size, p.LanguageCode};
}

ScopeContext scope_context(Program& p) {
    return {p.link,          p.image, p.poll,
            p.size,          p.fonts, view_texts(p),
            p.scope_buffers, p.scope, p.dashboard.CurrentRpm};
}

InfoContext info_context(Program& p) {
    return {p.link, p.image, p.poll, view_texts(p)};
}

FileContext file_context(Program& p) {
    return {p.link, p.image, *p.dialogs, view_texts(p)};
}

history::HistoryContext history_context(Program& p) {
    return {file_context(p), p.history.get(), p.HistoryPath, p.history_failure};
}

ViewWidget* make_view(Program& p, int view, QWidget* parent) {
    const int templ = template_for(view, p.size.SizeMode);
    switch (view) {
        case ViewReadings:
            return new ReadingsView(readings_context(p), parent);
        case ViewConfiguration:
            return new ConfigurationView(settings_context(p), templ, parent);
        case ViewOptions:
            return new OptionsView(settings_context(p), templ, parent);
        case ViewReset:
            return new ResetView(reset_context(p), parent);
        case ViewSchema:
            return new SchemaView(schema_context(p), parent);
        case ViewOscilloscope:
            return new ScopeView(scope_context(p), parent);
        default:
            return new TemplateView(view, templ, parent);
    }
}

}  // namespace tarvex
