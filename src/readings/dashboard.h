// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <string>

#include "gfx/canvas.h"
#include "link/controller_image.h"
#include "link/link_state.h"
#include "link/readings_decoder.h"
#include "readings/dial_tables.h"
#include "ui/size_modes.h"
#include "ui/ui_texts.h"

namespace tarvex {

// Values the dashboard keeps between redraws.
struct DashboardState {
    int LambdaMarkerPos = 0;
    int UpperLampLit = 0;
    int AttInitShown = 0;
    int CurrentRpm = 0;
    int DialRpmShown = 0;
    int LpgOffRpmShown = 0;
    int NeedleIndex = 0;
};

// The status panel's flags and counters.
struct StatusFlags {
    int OnGas = 0;
    int LearningActive = 0;
    int LearnRequestPending = 0;
    int MessageAge = 0;
    int BlinkCount = 0;
    int BlinkPhase = 0;
};

// Everything the dashboard draws from, and the state it keeps.
struct Dashboard {
    const ControllerImage& image;
    const LinkState& link;
    const LayoutScale& scale;
    const FontChoice& fonts;
    const std::array<int, 4>& LampX;
    const LampBox& lamp_box;
    const UiTexts& texts;
    const DialTables& dial;
    DashboardState& state;
    StatusFlags& status;
    // The status's first row once a recording played in place of the
    // controller has ended, in the texts' code page.
    std::string recording_ended;
};

// The static layer: ground, panels, wells, lamp row, fixed labels, the dial.
void draw_dashboard_frame(Canvas& c, Dashboard& d);
// The live layer over it, then the status panel, fuel box and learning lamp.
void draw_dashboard_values(Canvas& c, Dashboard& d);
// The dial for the current speed, LPG-off threshold and options.
void draw_rpm_dial(Canvas& c, Dashboard& d);
// Status rows, fuel box and learning lamp, for the readings of the image.
void draw_status_panel(Canvas& c, Dashboard& d, const Readings& r);
// Writes a text to status row 1..5: the row filled white, the text from its corner.
void write_status_row(Canvas& c, Dashboard& d, int row, const std::string& text, Rgb colour);

// The text place of an element: the first `count` characters of a formatted value.
std::string first_chars(const std::string& s, std::size_t count);
// printf "%f" of a value.
std::string format_f(double v);

}  // namespace tarvex
