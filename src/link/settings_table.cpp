// SPDX-License-Identifier: MIT
#include "link/settings_table.h"

namespace tarvex {

const std::array<SettingDef, 28> kSettings = {{
    {"Options", 5, Frame::Block1, block1::Options},
    {"LambdaType", 6, Frame::Block1, block1::LambdaType},
    {"LambdaPoint", 7, Frame::Block1, block1::LambdaPoint},
    {"LambdaDelay", 8, Frame::Block1, block1::LambdaDelay},
    {"EmulType", 9, Frame::Block1, block1::EmulType},
    {"EmulBJ_TimeHi", 10, Frame::Block1, block1::EmulBJ_TimeHi},
    {"EmulBJ_TimeLo", 11, Frame::Block1, block1::EmulBJ_TimeLo},
    {"EmulDO_TimeHi", 12, Frame::Block1, block1::EmulDO_TimeHi},
    {"EmulDO_TimeLo", 13, Frame::Block1, block1::EmulDO_TimeLo},
    {"InjectDelay", 14, Frame::Block1, block1::InjectDelay},
    {"LPGOnTemp", 15, Frame::Block1, block1::LPGOnTemp},
    {"AttMax", 16, Frame::Block2, block2::AttMax},
    {"AttMin", 17, Frame::Block2, block2::AttMin},
    {"AttInit", 18, Frame::Live, live::AttInit},
    {"TPSJump", 19, Frame::Block2, block2::TPSJump},
    {"AttJump", 20, Frame::Block2, block2::AttJump},
    {"LPGOnRPMLo", 21, Frame::Block2, block2::LPGOnRPMLo},
    {"LPGOnRPMHi", 22, Frame::Block2, block2::LPGOnRPMHi},
    {"IgnitionType", 23, Frame::Block2, block2::IgnitionType},
    {"CutOffRPMLo", 24, Frame::Block2, block2::CutOffRPMLo},
    {"CutOffRPMHi", 25, Frame::Block2, block2::CutOffRPMHi},
    {"CutOffSteps", 26, Frame::Block2, block2::CutOffSteps},
    {"LPGOffRPMLo", 27, Frame::Block2, block2::LPGOffRPMLo},
    {"LPGOffRPMHi", 28, Frame::Block2, block2::LPGOffRPMHi},
    {"TPSInert", 29, Frame::Block1, block1::TPSInert},
    {"AttMax_BJ", 31, Frame::Block2, block2::AttMax_BJ},
    {"AttMin_BJ", 32, Frame::Block2, block2::AttMin_BJ},
    {"Otwarcie_GAZU", 33, Frame::Block1, block1::Otwarcie_GAZU},
}};

std::uint8_t setting_value(const ControllerImage& image, const SettingDef& def) {
    switch (def.frame) {
        case Frame::Live:
            return image.LiveFrame[def.offset];
        case Frame::Block1:
            return image.SettingsBlock1[def.offset];
        case Frame::Block2:
            return image.SettingsBlock2[def.offset];
    }
    return 0;
}

const SettingDef* find_setting_by_code(int code) {
    for (const auto& def : kSettings)
        if (def.code == code)
            return &def;
    return nullptr;
}

std::optional<std::size_t> setting_index(int code) {
    if (const SettingDef* def = find_setting_by_code(code))
        return static_cast<std::size_t>(def - kSettings.data());
    return std::nullopt;
}

}  // namespace tarvex
