// SPDX-License-Identifier: MIT
#include "gfx/palette.h"
#include "readings/dashboard.h"

namespace tarvex {

namespace pal = palette;

void write_status_row(Canvas& c, Dashboard& d, int row, const std::string& text, Rgb colour) {
    const int top = 405 + 20 * (row - 1);
    c.rectangle(d.scale.rect(40, top, 440, top + 20), pal::kPenWhite, pal::kBrushWhite);
    c.text(d.scale.pt(40, top), text, d.fonts.SmallFont, colour, pal::kWhite);
}

namespace {

void fuel_box(Canvas& c, Dashboard& d, bool gas) {
    c.rectangle(d.scale.rect(490, 465, 615, 505), pal::kPenBlack,
                gas ? pal::kBrushCyan : pal::kBrushGreen);
    if (gas)
        c.text(d.scale.pt(535, 475), d.texts[text_slot::LpgBox], d.fonts.SmallFont, pal::kBlack,
               pal::kCyan);
    else
        c.text(d.scale.pt(515, 475), d.texts[text_slot::PetrolBox], d.fonts.SmallFont, pal::kBlack,
               pal::kGreen);
}

}  // namespace

void draw_status_panel(Canvas& c, Dashboard& d, const Readings& r) {
    StatusFlags& f = d.status;
    const UiTexts& t = d.texts;
    auto row = [&](int n, int slot, Rgb colour = pal::kBlack) {
        write_status_row(c, d, n, t[slot], colour);
    };
    auto blank = [&](int n) { write_status_row(c, d, n, " ", pal::kBlack); };

    // Petrol with a message: rows 1 and 3 written, the others blanked.
    auto petrol_texts = [&](const std::string& text1, Rgb colour1, const std::string& text3,
                            Rgb colour3) {
        write_status_row(c, d, 1, text1, colour1);
        write_status_row(c, d, 3, text3, colour3);
        for (int n : {2, 4, 5})
            blank(n);
        fuel_box(c, d, false);
        f.OnGas = 0;
    };
    auto petrol = [&](int slot1, Rgb colour1, int slot3, Rgb colour3) {
        petrol_texts(t[slot1], colour1, t[slot3], colour3);
    };
    const bool gas = r.fuel == Fuel::Gas;

    if (r.recording_ended) {
        // Not a lost lead: the recording played in its place has ended.
        petrol_texts(d.recording_ended, pal::kBlack, " ", pal::kBlack);
    } else if (r.link == LinkReading::NoConnection || r.link == LinkReading::Lost) {
        petrol(text_slot::PanelNoConnection, pal::kRed, text_slot::CheckTheLead, pal::kBlack);
    } else if (r.link == LinkReading::Unsupported) {
        row(1, text_slot::PanelUnsupported, pal::kRed);
        for (int n = 2; n <= 5; ++n)
            blank(n);
    } else if (!r.engine_signal) {
        petrol(text_slot::OnPetrol, pal::kBlack, text_slot::NoSpeedSignal, pal::kRed);
    } else if (r.learning == Learning::NotReported) {
        if (gas) {
            row(1, text_slot::OnLpg);
            for (int n = 2; n <= 5; ++n)
                blank(n);
            fuel_box(c, d, true);
            f.OnGas = 1;
        } else {
            petrol(text_slot::OnPetrol, pal::kBlack, text_slot::SwitchOverNotMet, pal::kRed);
        }
    } else {
        // Detailed learning states.
        row(1, gas ? text_slot::OnLpg : text_slot::OnPetrol);
        f.OnGas = gas ? 1 : 0;
        fuel_box(c, d, gas);
        if (r.learning == Learning::Running) {
            f.LearningActive = 1;
            blank(3);
            if (d.state.UpperLampLit)
                row(5, text_slot::Learning);
            else
                row(5, text_slot::LearningRaiseSpeed, pal::kRed);
        } else {
            f.LearningActive = 0;
            if (f.LearnRequestPending) {
                switch (r.refusal) {
                    case LearnRefusal::LambdaInactive:
                        row(5, text_slot::RefusedLambdaInactive, pal::kRed);
                        f.LearnRequestPending = 0;
                        break;
                    case LearnRefusal::ThrottleMoving:
                        row(5, text_slot::RefusedThrottleMoving,
                            pal::kRed);  // again on every redraw while it holds
                        break;
                    case LearnRefusal::NotRunning:
                        row(5, text_slot::RefusedNotRunning, pal::kRed);
                        f.LearnRequestPending = 0;
                        break;
                }
                f.MessageAge = 0;
            }
            if (r.learning == Learning::LpgOff) {
                row(3, text_slot::LpgOffSpeedTooHigh, pal::kRed);
                if (r.reducer_cold)
                    row(4, text_slot::ReducerTooCold, pal::kRed);
                else
                    blank(4);
            } else {
                blank(4);
                if (r.learning == Learning::CutOff || r.learning == Learning::Ready) {
                    blank(2);
                    if (r.learning == Learning::CutOff) {
                        row(5, text_slot::CutOff, pal::kRed);
                    } else {
                        f.MessageAge += 1;
                        if (f.MessageAge > 60) {
                            blank(5);
                            f.MessageAge -= 1;
                        }
                        blank(3);
                    }
                } else {
                    row(3, text_slot::WaitingForLpg);
                    if (r.learning == Learning::WaitingRpm)
                        row(4,
                            r.speed_hint == SpeedHint::Release ? text_slot::ReleaseAccelerator
                                                               : text_slot::RaiseSpeed,
                            pal::kRed);
                    else
                        row(4, text_slot::ReducerTooCold, pal::kRed);
                }
            }
        }
    }

    // Learning lamp.
    f.BlinkCount += 1;
    if (f.BlinkCount > 1) {
        f.BlinkPhase = !f.BlinkPhase;
        f.BlinkCount = 0;
    }
    bool lit = false;
    if (f.LearningActive)
        lit = d.state.UpperLampLit ? f.BlinkPhase != 0 : true;
    const Point at = d.scale.pt(635, 470);
    const int size = d.fonts.StatusLampSize;
    c.ellipse({at.x, at.y, at.x + size, at.y + size}, pal::kPenBlack,
              lit ? pal::kBrushYellow : pal::kBrushOlive);
}

}  // namespace tarvex
