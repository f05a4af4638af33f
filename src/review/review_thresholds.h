// SPDX-License-Identifier: MIT
#pragma once

namespace tarvex {

// Every limit the drive review judges by, in one table. Each names where it
// comes from: a published test of narrowband (zirconia, 0-1 V) oxygen
// sensors, or this program's own choice where no published figure exists.
struct ReviewThresholds {
    // Steady stretches: what the lambda and actuator findings look at.
    double lambda_min_rpm;      // engine speed for the lambda's switching rate
    double steady_rpm_band;     // a stretch ends when the speed leaves +/- this
    double settle_seconds;      // skipped after fuel change, cut-off, lost link
    double min_stretch_seconds;  // shorter stretches are not used
    double max_row_gap_seconds;  // a longer gap between rows ends a stretch
    double min_steady_seconds;   // less steady driving than this: verdict unknown

    // Lambda sensor.
    double hysteresis_v;        // a crossing counts once the voltage leaves +/- this
    double switch_hz_ok;        // slower: check
    double switch_hz_fail;      // slower: fail
    double rich_swing_v;        // the rich swing must exceed this, else check
    double lean_swing_v;        // the lean swing must fall below this, else check
    double inactive_low_v;      // a signal that never leaves [low, high]: fail
    double inactive_high_v;
    double rich_share_low;      // share of time rich outside [low, high]: check
    double rich_share_high;

    // Actuator.
    double hunting_window_seconds;  // the oscillation is measured per window
    double hunting_check_steps;     // amplitude (half of peak to peak): check
    double hunting_fail_steps;      // fail
    double limit_share_check;       // share of time on gas at a travel limit: check
    double limit_share_fail;        // fail
};

inline constexpr ReviewThresholds kReviewThresholds = {
    // Toyota 5S-FE repair manual (DTC 21): the main oxygen sensor is judged
    // at 1,500 rpm or more.
    .lambda_min_rpm = 1500,
    // This program's own choice: no published figure defines "steady".
    .steady_rpm_band = 250,
    // This program's own choice.
    .settle_seconds = 2,
    // This program's own choice.
    .min_stretch_seconds = 3,
    // This program's own choice: twice the slowest poll (500 ms while lost).
    .max_row_gap_seconds = 1,
    // The 10-second window of the published switching tests below (Toyota,
    // Mazda, Hyundai/Kia: so many switches "in 10 seconds").
    .min_steady_seconds = 10,

    // Half the width of the band in which GM's fuel-control oxygen sensor
    // counts as inactive, 391 to 491 mV (Saturn 1998 service manual, DTC
    // P0134 "O2S circuit open/inactive"): a swing smaller than that is not
    // a switch.
    .hysteresis_v = 0.05,
    // Toyota repair manuals, oxygen sensor inspection (e.g. Camry 2S-E 1986,
    // Van Wagon 3Y-EC 1984): at 2,500 rpm the voltmeter needle deflects at
    // least 8 times every 10 seconds; Mazda (MPV 1992) likewise: more than 8
    // flashes of the monitor lamp in 10 s at 2,000 to 3,000 rpm.
    .switch_hz_ok = 0.8,
    // Hyundai/Kia shop manual (GDS), heated oxygen sensor B1/S1, normal value
    // at warm idle: switches between rich (above 0.45 V) and lean (below
    // 0.45 V) at least 3 times in 10 seconds. Slower even than idle asks is
    // a failed sensor.
    .switch_hz_fail = 0.3,
    // Toyota technical training, "Oxygen sensor signal checks": the signal
    // should consistently exceed 550 mV on the rich swing and fall below
    // 400 mV on the lean swing.
    .rich_swing_v = 0.55,
    .lean_swing_v = 0.40,
    // Toyota 5S-FE repair manual, DTC 21 "main oxygen sensor circuit": the
    // signal stays between 0.35 V and 0.70 V (for 60 s at 1,500 rpm or more).
    .inactive_low_v = 0.35,
    .inactive_high_v = 0.70,
    // This program's own choice: a closed loop around the switching point
    // spends about as long rich as lean; no published limit was found.
    .rich_share_low = 0.25,
    .rich_share_high = 0.75,

    // This program's own choice, as all the actuator's limits: no published
    // figure exists for this controller's stepper.
    .hunting_window_seconds = 5,
    .hunting_check_steps = 8,
    .hunting_fail_steps = 15,
    .limit_share_check = 0.10,
    .limit_share_fail = 0.30,
};

}  // namespace tarvex
