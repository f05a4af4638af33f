// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstdint>

namespace tarvex {

constexpr std::uint8_t kFrameMark = 0x65;

// Byte offsets in the reply frames. Frames are kept exactly as received, frame
// mark and checksum included.
namespace live {
enum : int {
    TpsVoltage = 1,
    LambdaVoltage = 2,
    ActuatorStep = 3,
    AttInit = 4,
    EnginePeriodLo = 5,
    EnginePeriodHi = 6,
    LiveStateBits = 7,
    LiveFuelBits = 8,
    ReducerTempRaw = 9,
};
}
namespace block1 {
enum : int {
    Options = 1,
    LambdaType = 2,
    LambdaPoint = 3,
    LambdaDelay = 4,
    EmulType = 5,
    EmulBJ_TimeHi = 6,
    EmulBJ_TimeLo = 7,
    EmulDO_TimeHi = 8,
    EmulDO_TimeLo = 9,
    InjectDelay = 10,
    LPGOnTemp = 11,
    TPSInert = 12,
    Otwarcie_GAZU = 13,
};
}
namespace block2 {
enum : int {
    AttMax = 1,
    AttMin = 2,
    TPSJump = 3,
    AttJump = 4,
    LPGOnRPMLo = 5,
    LPGOnRPMHi = 6,
    IgnitionType = 7,
    CutOffRPMLo = 8,
    CutOffRPMHi = 9,
    CutOffSteps = 10,
    LPGOffRPMLo = 11,
    LPGOffRPMHi = 12,
    AttMax_BJ = 13,
    AttMin_BJ = 14,
};
}

constexpr std::size_t kStatusLen = 4;
constexpr std::size_t kLiveLen = 11;
constexpr std::size_t kSettings1Len = 15;
constexpr std::size_t kSettings2Len = 16;
constexpr std::size_t kAckLen = 3;

// What the controller last reported: the last good reply to each read command
// and the last write acknowledgement. All zero at start.
struct ControllerImage {
    std::array<std::uint8_t, kStatusLen> StatusFrame{};
    std::array<std::uint8_t, kLiveLen> LiveFrame{};
    std::array<std::uint8_t, kSettings1Len> SettingsBlock1{};
    std::array<std::uint8_t, kSettings2Len> SettingsBlock2{};
    std::array<std::uint8_t, kAckLen> WriteAck{};
    // Derived from StatusFrame by controller_generation().
    int ControllerGeneration = 1;
    int ControllerMinor = 0;

    // StatusFrame
    std::uint8_t StatusByte1() const { return StatusFrame[1]; }
    std::uint8_t FirmwareVersion() const { return StatusFrame[2]; }

    // LiveFrame
    std::uint8_t TpsVoltage() const { return LiveFrame[live::TpsVoltage]; }
    std::uint8_t LambdaVoltage() const { return LiveFrame[live::LambdaVoltage]; }
    std::uint8_t ActuatorStep() const { return LiveFrame[live::ActuatorStep]; }
    std::uint8_t AttInit() const { return LiveFrame[live::AttInit]; }
    std::uint8_t EnginePeriodLo() const { return LiveFrame[live::EnginePeriodLo]; }
    std::uint8_t EnginePeriodHi() const { return LiveFrame[live::EnginePeriodHi]; }
    std::uint8_t LiveStateBits() const { return LiveFrame[live::LiveStateBits]; }
    std::uint8_t LiveFuelBits() const { return LiveFrame[live::LiveFuelBits]; }
    std::uint8_t ReducerTempRaw() const { return LiveFrame[live::ReducerTempRaw]; }

    // SettingsBlock1
    std::uint8_t Options() const { return SettingsBlock1[block1::Options]; }
    std::uint8_t LambdaType() const { return SettingsBlock1[block1::LambdaType]; }
    std::uint8_t LambdaPoint() const { return SettingsBlock1[block1::LambdaPoint]; }
    std::uint8_t LambdaDelay() const { return SettingsBlock1[block1::LambdaDelay]; }
    std::uint8_t EmulType() const { return SettingsBlock1[block1::EmulType]; }
    std::uint8_t EmulBJ_TimeHi() const { return SettingsBlock1[block1::EmulBJ_TimeHi]; }
    std::uint8_t EmulBJ_TimeLo() const { return SettingsBlock1[block1::EmulBJ_TimeLo]; }
    std::uint8_t EmulDO_TimeHi() const { return SettingsBlock1[block1::EmulDO_TimeHi]; }
    std::uint8_t EmulDO_TimeLo() const { return SettingsBlock1[block1::EmulDO_TimeLo]; }
    std::uint8_t InjectDelay() const { return SettingsBlock1[block1::InjectDelay]; }
    std::uint8_t LPGOnTemp() const { return SettingsBlock1[block1::LPGOnTemp]; }
    std::uint8_t TPSInert() const { return SettingsBlock1[block1::TPSInert]; }
    std::uint8_t Otwarcie_GAZU() const { return SettingsBlock1[block1::Otwarcie_GAZU]; }

    // SettingsBlock2
    std::uint8_t AttMax() const { return SettingsBlock2[block2::AttMax]; }
    std::uint8_t AttMin() const { return SettingsBlock2[block2::AttMin]; }
    std::uint8_t TPSJump() const { return SettingsBlock2[block2::TPSJump]; }
    std::uint8_t AttJump() const { return SettingsBlock2[block2::AttJump]; }
    std::uint8_t LPGOnRPMLo() const { return SettingsBlock2[block2::LPGOnRPMLo]; }
    std::uint8_t LPGOnRPMHi() const { return SettingsBlock2[block2::LPGOnRPMHi]; }
    std::uint8_t IgnitionType() const { return SettingsBlock2[block2::IgnitionType]; }
    std::uint8_t CutOffRPMLo() const { return SettingsBlock2[block2::CutOffRPMLo]; }
    std::uint8_t CutOffRPMHi() const { return SettingsBlock2[block2::CutOffRPMHi]; }
    std::uint8_t CutOffSteps() const { return SettingsBlock2[block2::CutOffSteps]; }
    std::uint8_t LPGOffRPMLo() const { return SettingsBlock2[block2::LPGOffRPMLo]; }
    std::uint8_t LPGOffRPMHi() const { return SettingsBlock2[block2::LPGOffRPMHi]; }
    std::uint8_t AttMax_BJ() const { return SettingsBlock2[block2::AttMax_BJ]; }
    std::uint8_t AttMin_BJ() const { return SettingsBlock2[block2::AttMin_BJ]; }
};

// The controller's generation, 1 to 8, from StatusFrame byte 2.
int generation_of(const ControllerImage& image);
// Generation and minor version from StatusFrame byte 2; the minor is stored in
// the image beside the returned generation.
int controller_generation(ControllerImage& image);

// Clears what the controller reported live and as settings, as on a lost link:
// all of LiveFrame, SettingsBlock1 but its checksum byte, all of SettingsBlock2.
void clear_on_link_loss(ControllerImage& image);

// The 8-bit sum of bytes.
std::uint8_t checksum(const std::uint8_t* bytes, std::size_t n);

}  // namespace tarvex
