// SPDX-License-Identifier: MIT
#include "link/readings_decoder.h"

#include "link/conversions.h"

namespace tarvex {

namespace {

// The learning state of a generation-2 controller with an engine-speed signal.
Learning learning_of(const ControllerImage& image) {
    if (!(image.EmulType() & 0x80))
        return Learning::NotReported;
    const int F = image.LiveFuelBits();
    if (F & 0x02)
        return Learning::Running;
    if (F & 0x04)
        return Learning::LpgOff;
    if ((F & 0x80) && (F & 0x40))
        return (F & 0x08) ? Learning::CutOff : Learning::Ready;
    if (F & 0x80)
        return Learning::WaitingRpm;
    return Learning::WaitingTemperature;
}

LearnRefusal refusal_of(int fuel_bits) {
    if (!(fuel_bits & 0x10))
        return LearnRefusal::LambdaInactive;
    return (fuel_bits & 0x20) ? LearnRefusal::ThrottleMoving : LearnRefusal::NotRunning;
}

}  // namespace

LinkReading link_reading(const ControllerImage& image, const LinkState& link) {
    if (link.NoConnection)
        return link.PollPeriod == kPollPeriodLost ? LinkReading::Lost : LinkReading::NoConnection;
    return generation_of(image) == 2 ? LinkReading::Connected : LinkReading::Unsupported;
}

int live_engine_speed(const ControllerImage& image) {
    return image.EnginePeriodHi() == 0xFF
               ? 0
               : engine_speed(image.EnginePeriodHi(), image.EnginePeriodLo());
}

TpsReading tps_reading(unsigned raw, int lambda_type, int state_bits) {
    TpsReading r;
    r.type = lambda_type & 0x0F;
    const double volts = sensor_voltage(raw);
    switch (r.type) {
        case 1:
            r.shown = TpsShown::InvertedVolts;
            r.volts = 5 - volts;
            break;
        case 2:
        case 3:
            r.shown = TpsShown::None;
            break;
        case 6:
        case 7:
            r.shown = (state_bits & 0x10) ? TpsShown::SwitchOff : TpsShown::SwitchOn;
            break;
        default:
            r.shown = TpsShown::Volts;
            r.volts = volts;
            break;
    }
    return r;
}

Fuel reported_fuel(int fuel_bits) {
    return (fuel_bits & 0x01) ? Fuel::Gas : Fuel::Petrol;
}

Readings decode_readings(const ControllerImage& image, LinkReading link) {
    Readings r;
    r.link = link;
    r.engine_speed_rpm = live_engine_speed(image);
    r.lambda_volts = sensor_voltage(image.LambdaVoltage());
    r.tps = tps_reading(image.TpsVoltage(), image.LambdaType(), image.LiveStateBits());
    r.actuator_step = image.ActuatorStep();
    r.start_position = image.AttInit();
    r.reducer_temperature_c = temperature_from_raw(image.ReducerTempRaw());
    const int F = image.LiveFuelBits();
    r.lpg_off = F & 0x04;
    r.cut_off = F & 0x08;
    r.engine_signal = image.LiveStateBits() & 0x08;
    r.refusal = refusal_of(F);
    r.reducer_cold = !(F & 0x80);
    const bool above_switch_over =
        r.engine_speed_rpm > engine_speed(image.LPGOnRPMHi(), image.LPGOnRPMLo());
    r.speed_hint =
        !(image.Options() & 0x10) && above_switch_over ? SpeedHint::Release : SpeedHint::Raise;
    if (link == LinkReading::Unsupported) {
        r.fuel = Fuel::None;
    } else if (link == LinkReading::Connected && r.engine_signal) {
        r.fuel = reported_fuel(F);
        r.learning = learning_of(image);
    }
    return r;
}

Readings decode_readings(const ControllerImage& image, const LinkState& link) {
    Readings r = decode_readings(image, link_reading(image, link));
    r.recording_ended = link.NoConnection && port_source(link) == PortSource::PlaybackEnded;
    return r;
}

}  // namespace tarvex
