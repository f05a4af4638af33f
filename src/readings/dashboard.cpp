// SPDX-License-Identifier: MIT
#include "readings/dashboard.h"

#include <algorithm>

#include "gfx/palette.h"
#include "link/conversions.h"
#include "ui/format.h"

namespace tarvex {

namespace pal = palette;

std::string first_chars(const std::string& s, std::size_t count) {
    return s.substr(0, count);
}

std::string format_f(double v) {
    return format("%f", v);
}

namespace {

struct Panel {
    Rect r;
    Brush fill;
};

constexpr Panel kPanels[] = {
    {{20, 20, 450, 110}, pal::kBrushSilver},    // lambda
    {{20, 130, 450, 220}, pal::kBrushSilver},   // TPS
    {{20, 240, 450, 370}, pal::kBrushSilver},   // actuator
    {{20, 390, 450, 520}, pal::kBrushSilver},   // status
    {{470, 340, 780, 430}, pal::kBrushSilver},  // temperature
    {{470, 450, 780, 520}, pal::kBrushSilver},  // fuel
    {{470, 20, 780, 320}, pal::kBrushBlack},    // dial
};

constexpr Pen kLampPens[4] = {pal::kPenCyan, pal::kPenDarkGreen, pal::kPenYellow, pal::kPenRed};
constexpr Brush kLampBrushes[4] = {pal::kBrushCyan, pal::kBrushDarkGreen, pal::kBrushYellow,
                                   pal::kBrushRed};

void text_at(Canvas& c, const Dashboard& d, int x, int y, const std::string& s, const CellFont& f,
             Rgb fg, Rgb bg) {
    c.text(d.scale.pt(x, y), s, f, fg, bg);
}

Rect lamp_rect(const Dashboard& d, int k) {
    const int x = d.LampX[static_cast<std::size_t>(k)];
    return {x + d.lamp_box.left, d.lamp_box.top, x + d.lamp_box.right, d.lamp_box.bottom};
}

void fill_design(Canvas& c, const Dashboard& d, int l, int t, int r, int b, Pen pen, Brush brush) {
    c.rectangle(d.scale.rect(l, t, r, b), pen, brush);
}

}  // namespace

void draw_dashboard_frame(Canvas& c, Dashboard& d) {
    const LayoutScale& s = d.scale;
    const CellFont& small = d.fonts.SmallFont;
    const CellFont& large = d.fonts.LargeFont;
    fill_design(c, d, 0, 0, 800, 570, pal::kPenGrey, pal::kBrushGrey);
    for (const Panel& p : kPanels)
        c.round_rect(s.rect(p.r.left, p.r.top, p.r.right, p.r.bottom), 20, 20, pal::kPenBlack,
                     p.fill);
    fill_design(c, d, 135, 45, 440, 80, pal::kPenBlack, pal::kBrushSilver);
    fill_design(c, d, 135, 155, 440, 190, pal::kPenBlack, pal::kBrushSilver);
    fill_design(c, d, 135, 265, 440, 315, pal::kPenBlack, pal::kBrushSilver);
    fill_design(c, d, 159, 268, 419, 292, pal::kPenGrey, pal::kBrushSilver);
    fill_design(c, d, 29, 399, 442, 511, pal::kPenBlack, pal::kBrushWhite);
    for (int k = 0; k < 4; ++k)
        c.rectangle(lamp_rect(d, k), kLampPens[k], pal::kBrushSilver);

    struct Label {
        const std::string* text;
        const char* literal;
        bool large;
        int x, y;
    };
    const Label labels[] = {
        {&d.texts[text_slot::LambdaSensor], nullptr, false, 240, 25},
        {&d.texts[text_slot::Throttle], nullptr, false, 270, 135},
        {&d.texts[text_slot::Actuator], nullptr, false, 245, 245},
        {&d.texts[text_slot::TpsInertia], nullptr, false, 135, 196},
        {nullptr, "V", false, 345, 196},
        {nullptr, "LPG ON:", false, 630, 385},
        {nullptr,
         "\xB0"
         "C",
         false, 730, 385},
        {&d.texts[text_slot::ReducerTemperature], nullptr, false, 520, 345},
        {&d.texts[text_slot::Lean], nullptr, false, 150, 86},
        {&d.texts[text_slot::Rich], nullptr, false, 360, 86},
        {nullptr, "V", true, 110, 45},
        {nullptr, "V", true, 110, 155},
        {nullptr,
         "\xB0"
         "C",
         true, 550, 375},
    };
    for (const Label& l : labels) {
        const std::string text = l.text ? *l.text : std::string(l.literal);
        text_at(c, d, l.x, l.y, text, l.large ? large : small, pal::kBlack, pal::kSilver);
    }
    draw_rpm_dial(c, d);
}

void draw_dashboard_values(Canvas& c, Dashboard& d) {
    const ControllerImage& img = d.image;
    const CellFont& small = d.fonts.SmallFont;
    const CellFont& large = d.fonts.LargeFont;
    DashboardState& st = d.state;
    const Readings r = decode_readings(img, d.link);

    // 1. Lambda voltage.
    text_at(c, d, 40, 45, first_chars(format_f(r.lambda_volts), 4), large, pal::kBlack,
            pal::kWhite);

    // 2. Lambda marker.
    int pos = img.LambdaVoltage();
    if ((img.LambdaType() >> 4) == 0)
        pos *= 5;
    st.LambdaMarkerPos = std::min(pos, 255);
    const int P = st.LambdaMarkerPos;
    Pen pen = pal::kPenYellow;
    Brush brush = pal::kBrushYellow;
    if ((img.LiveStateBits() & 7) == 1) {
        pen = pal::kPenDarkGreen;
        brush = pal::kBrushDarkGreen;
    } else if ((img.LiveStateBits() & 7) == 4) {
        pen = pal::kPenRed;
        brush = pal::kBrushRed;
    }
    fill_design(c, d, 140 + P, 52, 180 + P, 73, pen, brush);
    fill_design(c, d, 137, 52, 140 + P, 73, pal::kPenSilver, pal::kBrushSilver);
    fill_design(c, d, 180 + P, 52, 439, 73, pal::kPenSilver, pal::kBrushSilver);

    // 3. TPS reading.
    std::string tps_text;
    switch (r.tps.shown) {
        case TpsShown::Volts:
        case TpsShown::InvertedVolts:
            tps_text = first_chars(format_f(r.tps.volts), 4);
            break;
        case TpsShown::None:
            tps_text = "_.__";
            break;
        case TpsShown::SwitchOn:
        case TpsShown::SwitchOff:
            fill_design(c, d, 30, 155, r.tps.type == 6 ? 105 : 110, 195, pal::kPenSilver,
                        pal::kBrushSilver);
            tps_text = r.tps.shown == TpsShown::SwitchOff ? "OFF" : " ON";
            break;
    }
    text_at(c, d, 40, 155, tps_text, large, pal::kBlack, pal::kWhite);

    // 4. TPSInert line.
    text_at(c, d, 305, 196, first_chars(format_f(img.TPSInert() / 50.0 + 0.02), 4), small,
            pal::kBlack, pal::kWhite);

    // 5. Lamp row.
    int lit = -1;
    switch (img.LiveStateBits() & 0xF0) {
        case 0x10:
            lit = 0;
            break;
        case 0x20:
            lit = 1;
            break;
        case 0x40:
            lit = 2;
            break;
        case 0x80:
            lit = 3;
            break;
        default:
            break;
    }
    st.UpperLampLit = lit >= 1 ? 1 : 0;
    for (int k = 0; k < 4; ++k)
        c.rectangle(lamp_rect(d, k), kLampPens[k], k == lit ? kLampBrushes[k] : pal::kBrushSilver);

    // 6. Actuator panel.
    const int step = r.actuator_step;
    text_at(c, d, 40, 265, first_chars(format("%03dl", step), 3), large, pal::kBlack, pal::kWhite);
    fill_design(c, d, 161, 270, 161 + step, 290, pal::kPenNavy, pal::kBrushNavy);
    fill_design(c, d, 161 + step, 270, 417, 290, pal::kPenSilver, pal::kBrushSilver);
    const int A = r.start_position;
    if (A != st.AttInitShown)
        fill_design(c, d, 140, 316, 440, 360, pal::kPenSilver, pal::kBrushSilver);
    text_at(c, d, A + 157, 315, "^", small, pal::kBlack, pal::kSilver);
    text_at(c, d, A + 144, 345, d.texts[text_slot::ActuatorStart], small, pal::kBlack,
            pal::kSilver);
    text_at(c, d, A + 147, 326, first_chars(format("%03dl", A), 3), small, pal::kBlack,
            pal::kWhite);
    st.AttInitShown = A;
    const int base = A + 161;
    const int lo1 = std::max(161, base - img.AttMin_BJ());
    const int hi1 = std::min(418, base + img.AttMax_BJ());
    const int lo2 = std::max(161, base - img.AttMin());
    const int hi2 = std::min(418, base + img.AttMax());
    fill_design(c, d, lo1, 295, hi1, 300, pal::kPenCyan, pal::kBrushCyan);
    fill_design(c, d, lo2, 305, hi2, 310, pal::kPenRed, pal::kBrushRed);
    fill_design(c, d, 160, 295, lo1, 300, pal::kPenSilver, pal::kBrushSilver);
    fill_design(c, d, hi1, 295, 418, 300, pal::kPenSilver, pal::kBrushSilver);
    fill_design(c, d, 160, 305, lo2, 310, pal::kPenSilver, pal::kBrushSilver);
    fill_design(c, d, hi2, 305, 418, 310, pal::kPenSilver, pal::kBrushSilver);

    // 7. Engine speed.
    st.CurrentRpm = r.engine_speed_rpm;
    text_at(c, d, 590, 210, first_chars(format("%04dl", st.CurrentRpm), 4), large, pal::kBlack,
            pal::kWhite);
    if (st.CurrentRpm != st.DialRpmShown) {
        draw_rpm_dial(c, d);
        st.DialRpmShown = st.CurrentRpm;
    }

    // 8. Speed thresholds.
    const Rgb grey = pal::kGrey;
    const int options = img.Options();
    const int cut_off = engine_speed(img.CutOffRPMHi(), img.CutOffRPMLo());
    const int lpg_on = engine_speed(img.LPGOnRPMHi(), img.LPGOnRPMLo());
    const int lpg_off = engine_speed(img.LPGOffRPMHi(), img.LPGOffRPMLo());
    text_at(c, d, 510, 265, first_chars(format("%04dl", cut_off), 4), small,
            (options & 0x20) ? pal::kBlack : grey, pal::kWhite);
    text_at(c, d, 605, 265, first_chars(format("%04dl", lpg_on), 4), small, pal::kBlack,
            pal::kWhite);
    if (lpg_off != st.LpgOffRpmShown) {
        st.LpgOffRpmShown = lpg_off;
        draw_rpm_dial(c, d);
        st.DialRpmShown = st.CurrentRpm;
    }
    text_at(c, d, 705, 265, first_chars(format("%04dl", lpg_off), 4), small,
            (options & 0x40) ? pal::kBlack : grey, pal::kWhite);

    // 9. State labels.
    text_at(c, d, 590, 290, " LPG ON ", small, d.status.OnGas ? pal::kDarkGreen : pal::kBlack,
            pal::kSilver);
    text_at(c, d, 685, 290, " LPG OFF ", small, r.lpg_off ? pal::kRed : pal::kBlack, pal::kSilver);
    text_at(c, d, 485, 290, " CUT-OFF ", small, r.cut_off ? pal::kRed : pal::kBlack, pal::kSilver);

    // 10. Temperatures.
    text_at(c, d, 490, 375, first_chars(format("%03dl", r.reducer_temperature_c), 3), large,
            pal::kBlack, pal::kWhite);
    const std::string on_temp = temperature_text(img.LPGOnTemp());
    CellFont temp_font = small;
    if (on_temp.size() > 2) {
        // Three digits in the room of two: a narrower font keeps "100" readable.
        temp_font.width = std::max(1, small.width * 2 / 3);
    }
    text_at(c, d, 705, 385, on_temp, temp_font, (options & 0x02) ? pal::kBlack : grey, pal::kWhite);

    // 11. Status panel, fuel box and learning lamp.
    draw_status_panel(c, d, r);
}

}  // namespace tarvex
