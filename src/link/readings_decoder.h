// SPDX-License-Identifier: MIT
#pragma once

#include "link/controller_image.h"
#include "link/link_state.h"

namespace tarvex {

// The link as a fitter reads it.
enum class LinkReading {
    Connected,     // a generation-2 controller answers
    Unsupported,   // a controller of another generation answers
    NoConnection,  // no answer yet
    Lost,          // the controller stopped answering
};

// How the TPS reading shows, by the TPS type.
enum class TpsShown {
    Volts,          // the sensor's volts
    InvertedVolts,  // 5 V less the sensor's volts
    None,           // a type without a reading
    SwitchOn,       // a throttle switch: state bit 4 clear
    SwitchOff,      // state bit 4 set
};

struct TpsReading {
    int type = 0;  // the TPS type code, the low nibble of LambdaType
    TpsShown shown = TpsShown::Volts;
    double volts = 0;  // the volts shown, for Volts and InvertedVolts
};

enum class Fuel { None, Petrol, Gas };

// The controller's learning state.
enum class Learning {
    Unknown,             // no link, another generation or no engine-speed signal
    NotReported,         // the controller does not report its learning states
    Running,             // a learning run is on
    LpgOff,              // engine speed too high for gas
    CutOff,              // fuel cut-off
    Ready,               // nothing holds a learning run back
    WaitingRpm,          // for the switch-over engine speed
    WaitingTemperature,  // for the reducer to warm up
};

// Why the controller, not learning, turns a learning request down.
enum class LearnRefusal { LambdaInactive, ThrottleMoving, NotRunning };

// What the engine speed needs while the controller waits for the switch-over speed.
enum class SpeedHint { Raise, Release };

// The readings as a fitter reads them off the dashboard, the status panel
// and the oscilloscope.
struct Readings {
    LinkReading link = LinkReading::NoConnection;
    // No answer because the recording played in place of the controller has ended.
    bool recording_ended = false;
    int engine_speed_rpm = 0;  // 0 while the engine stands
    double lambda_volts = 0;
    TpsReading tps;
    int actuator_step = 0;
    int start_position = 0;  // AttInit
    int reducer_temperature_c = 0;
    // The fuel in use: petrol without a link or an engine-speed signal, none
    // from a controller of another generation.
    Fuel fuel = Fuel::Petrol;
    bool lpg_off = false;
    bool cut_off = false;
    bool engine_signal = false;  // state bit 3; without it the controller stays on petrol
    Learning learning = Learning::Unknown;
    LearnRefusal refusal = LearnRefusal::NotRunning;
    bool reducer_cold = false;  // the reducer too cold for gas
    SpeedHint speed_hint = SpeedHint::Raise;
};

// The link, from its state and the generation in the status frame.
LinkReading link_reading(const ControllerImage& image, const LinkState& link);
// Engine speed of the live frame: 0 while the engine stands (period high byte 0xFF).
int live_engine_speed(const ControllerImage& image);
// The TPS reading of a raw voltage byte under a LambdaType and LiveStateBits.
TpsReading tps_reading(unsigned raw, int lambda_type, int state_bits);
// The fuel the controller reports in LiveFuelBits.
Fuel reported_fuel(int fuel_bits);

// Decodes an image under a link reading given by the caller: the running
// link's, or that of a recorded tick whose frames were put in an image
// (recording_ended stays false).
Readings decode_readings(const ControllerImage& image, LinkReading link);
// Decodes the program's image under its link.
Readings decode_readings(const ControllerImage& image, const LinkState& link);

}  // namespace tarvex
