// SPDX-License-Identifier: MIT
#pragma once

#include "gfx/recording_canvas.h"
#include "readings/dashboard.h"
#include "support/start_folder.h"
#include "ui/size_modes.h"

namespace tarvex::testing {

// Everything the dashboard draws from, at one window size, with numbered
// texts and a recording canvas.
struct DashFixture {
    ControllerImage image;
    LinkState link;
    SizeState size;
    FontChoice fonts;
    UiTexts texts = numbered_texts("T");
    DialTables dial;
    DashboardState state;
    StatusFlags status;
    RecordingCanvas canvas;
    std::string recording_ended;

    explicit DashFixture(int mode = 2, const char* language = "ang") {
        set_size_mode(size, mode);
        fonts = choose_fonts(mode, language);
        build_dial_tables(dial);
    }
    Dashboard d() {
        return Dashboard{image, link, size.scale, fonts,  size.LampX,     size.lamp_box,
                         texts, dial, state,      status, recording_ended};
    }
};

}  // namespace tarvex::testing
