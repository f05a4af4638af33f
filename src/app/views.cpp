// SPDX-License-Identifier: MIT
#include "app/views.h"

#include "app/commands.h"

namespace tarvex {

namespace {

// View, command, templates by size, title slot; then set up by the size,
// kept on a change, paint highlights.
const std::array<ViewDef, 6> kViews = {{
    {ViewReadings, cmd::Readings, {101, 101, 101, 101, 101}, 175, false, false, true},
    {ViewConfiguration, cmd::Configuration, {106, 157, 145, 151, 150}, 176},
    {ViewOptions, cmd::Options, {152, 125, 153, 154, 156}, 177},
    {ViewSchema, cmd::Schema, {132, 132, 132, 132, 132}, 178, true},
    {ViewReset, cmd::Reset, {126, 126, 126, 126, 126}, 179, false, true},
    {ViewOscilloscope, cmd::Oscilloscope, {159, 159, 159, 159, 159}, 180},
}};

}  // namespace

const ViewDef& view_def(int view) {
    return kViews[static_cast<std::size_t>(view >= 1 && view <= 6 ? view - 1 : 0)];
}

int view_for_command(int command) {
    for (const auto& v : kViews)
        if (v.command == command)
            return v.view;
    return 0;
}

int template_for(int view, int size_mode) {
    const auto& t = view_def(view).templates;
    return t[static_cast<std::size_t>(size_mode >= 1 && size_mode <= 5 ? size_mode - 1 : 1)];
}

}  // namespace tarvex
