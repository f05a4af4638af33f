// SPDX-License-Identifier: MIT
#include "sim/sim_controller.h"

#include "link/controller_image.h"
#include "link/conversions.h"
#include "link/settings_table.h"

namespace tarvex::sim {

namespace {

std::array<std::uint8_t, 34> make_factory() {
    std::array<std::uint8_t, 34> s{};
    auto set = [&s](int code, int v) {
        s[static_cast<std::size_t>(code)] = static_cast<std::uint8_t>(v);
    };
    auto set_rpm = [&set](int lo_code, int rpm) {
        const unsigned p = period_from_rpm(rpm);
        set(lo_code, p & 0xFF);
        set(lo_code + 1, (p >> 8) & 0xFF);
    };
    set(5, 0x6A);   // Options: LPG-on temperature, jumps, cut-off and switch-back in use
    set(6, 0x00);   // LambdaType: 0-1 V sensor, TPS type 0
    set(7, 23);     // LambdaPoint: 0.46 V
    set(8, 6);      // LambdaDelay: 30 s
    set(9, 0x81);   // EmulType: type 1, detailed learning states
    set(10, 40);    // EmulBJ_TimeHi
    set(11, 40);    // EmulBJ_TimeLo
    set(12, 0x55);  // EmulDO_TimeHi
    set(13, 0x55);  // EmulDO_TimeLo
    set(14, 10);    // InjectDelay: 1.0
    set(15, raw_from_temperature(30));  // LPGOnTemp: 30 degrees
    set(16, 20);                        // AttMax
    set(17, 20);                        // AttMin
    set(18, 120);                       // AttInit
    set(19, 25);                        // TPSJump: 0.5 V
    set(20, 10);                        // AttJump
    set_rpm(21, 2000);                  // LPGOnRPMLo/Hi
    set(23, 4);                         // IgnitionType
    set_rpm(24, 1800);                  // CutOffRPMLo/Hi
    set(26, 40);                        // CutOffSteps
    set_rpm(27, 6000);                  // LPGOffRPMLo/Hi
    set(29, 4);                         // TPSInert
    set(31, 15);                        // AttMax_BJ
    set(32, 15);                        // AttMin_BJ
    set(33, 10);                        // Otwarcie_GAZU
    return s;
}

}  // namespace

std::vector<std::uint8_t> with_checksum(std::vector<std::uint8_t> bytes) {
    bytes.push_back(checksum(bytes.data(), bytes.size()));
    return bytes;
}

const std::array<std::uint8_t, 34>& SimController::factory_settings() {
    static const auto s = make_factory();
    return s;
}

SimController::SimController(int generation, int minor, FaultRates faults, unsigned seed)
    : generation_(generation),
      minor_(minor),
      faults_(faults),
      rng_(seed),
      settings_(factory_settings()) {}

void SimController::factory_reset() {
    settings_ = factory_settings();
}

void SimController::set_setting(int code, std::uint8_t value) {
    if (code >= 5 && code <= 33 && code != kCommandCode)
        settings_[static_cast<std::size_t>(code)] = value;
}

bool SimController::roll(double rate) {
    if (rate <= 0)
        return false;
    if (rate >= 1)
        return true;
    return std::uniform_real_distribution<double>(0.0, 1.0)(rng_) < rate;
}

ModelSettings SimController::model_settings() const {
    ModelSettings m;
    m.lpg_on_temp_c = temperature_from_raw(setting(15));
    m.lpg_on_rpm = engine_speed(setting(22), setting(21));
    m.cut_off_rpm = engine_speed(setting(25), setting(24));
    m.cut_off_enabled = setting(5) & 0x20;
    m.lpg_off_rpm = engine_speed(setting(28), setting(27));
    m.lpg_off_enabled = setting(5) & 0x40;
    m.att_init = setting(18);
    m.att_min = setting(17);
    m.att_max = setting(16);
    m.lambda_point_raw = (setting(6) >> 4) == 0 ? setting(7) : setting(7) / 5;
    if (m.lpg_on_rpm == 0)
        m.lpg_on_rpm = 2000;
    if (m.lpg_off_rpm == 0)
        m.lpg_off_enabled = false;
    return m;
}

std::vector<std::uint8_t> SimController::status_frame() const {
    const int version = ((generation_ - 1) & 7) << 5 | (minor_ & 0x1F);
    return with_checksum({kFrameMark, 0x01, static_cast<std::uint8_t>(version)});
}

std::vector<std::uint8_t> SimController::live_frame(double t) {
    const LiveValues v = engine_.update(t, model_settings());
    return with_checksum({kFrameMark, v.tps, v.lambda, v.actuator, v.att_init, v.period_lo,
                          v.period_hi, v.state_bits, v.fuel_bits, v.temp_raw});
}

std::vector<std::uint8_t> SimController::settings1_frame() const {
    std::vector<std::uint8_t> f{kFrameMark};
    for (int code = 5; code <= 15; ++code)
        f.push_back(setting(code));
    f.push_back(setting(29));
    f.push_back(setting(33));
    return with_checksum(std::move(f));
}

std::vector<std::uint8_t> SimController::settings2_frame() const {
    std::vector<std::uint8_t> f{kFrameMark, setting(16), setting(17)};
    for (int code = 19; code <= 28; ++code)
        f.push_back(setting(code));
    f.push_back(setting(31));
    f.push_back(setting(32));
    return with_checksum(std::move(f));
}

std::optional<Reply> SimController::faulty(std::vector<std::uint8_t> frame, bool is_write) {
    if (roll(faults_.silence))
        return std::nullopt;
    if (is_write) {
        if (roll(faults_.no_ack))
            return std::nullopt;
        return Reply{std::move(frame), 0};
    }
    if (roll(faults_.garbage)) {
        std::uniform_int_distribution<int> len(1, 16), byte(0, 255);
        std::vector<std::uint8_t> junk(static_cast<std::size_t>(len(rng_)));
        for (auto& b : junk)
            b = static_cast<std::uint8_t>(byte(rng_));
        if (junk[0] == kFrameMark)
            junk[0] = 0x00;
        return Reply{std::move(junk), 0};
    }
    if (roll(faults_.bad_checksum)) {
        frame.back() = static_cast<std::uint8_t>(frame.back() + 1);
        return Reply{std::move(frame), 0};
    }
    if (roll(faults_.short_reply)) {
        std::uniform_int_distribution<std::size_t> keep(1, frame.size() - 1);
        frame.resize(keep(rng_));
        return Reply{std::move(frame), 0};
    }
    if (roll(faults_.late))
        return Reply{std::move(frame), late_delay_ms_};
    return Reply{std::move(frame), 0};
}

std::optional<Reply> SimController::handle(const std::array<std::uint8_t, 4>& frame, double t) {
    if (frame[0] != kFrameMark || checksum(frame.data(), 3) != frame[3])
        return std::nullopt;
    if (silent_)
        return std::nullopt;
    const int code = frame[1];
    const int value = frame[2];
    if (code >= 1 && code <= 4) {
        if (value != code)
            return std::nullopt;
        // Other generations answer only the status command.
        if (code != 1 && generation_ != 2)
            return std::nullopt;
        switch (code) {
            case 1:
                return faulty(status_frame(), false);
            case 2:
                return faulty(live_frame(t), false);
            case 3:
                return faulty(settings1_frame(), false);
            default:
                return faulty(settings2_frame(), false);
        }
    }
    if (code < 5 || code > 33 || generation_ != 2)
        return std::nullopt;
    if (code == kCommandCode) {
        if (value == kCommandFactoryReset)
            factory_reset();
        if (value == kCommandStartLearning)
            engine_.start_learning(t);
    } else if (!roll(faults_.ignore)) {
        settings_[static_cast<std::size_t>(code)] = static_cast<std::uint8_t>(value);
    }
    return faulty(with_checksum({kFrameMark, static_cast<std::uint8_t>(value)}), true);
}

}  // namespace tarvex::sim
