// SPDX-License-Identifier: MIT
#include "link/controller_image.h"

#include <algorithm>

namespace tarvex {

int generation_of(const ControllerImage& image) {
    return (image.FirmwareVersion() >> 5) + 1;
}

int controller_generation(ControllerImage& image) {
    image.ControllerGeneration = generation_of(image);
    image.ControllerMinor = image.FirmwareVersion() & 0x1F;
    return image.ControllerGeneration;
}

void clear_on_link_loss(ControllerImage& image) {
    image.LiveFrame.fill(0);
    std::fill(image.SettingsBlock1.begin(), image.SettingsBlock1.end() - 1, 0);
    image.SettingsBlock2.fill(0);
}

std::uint8_t checksum(const std::uint8_t* bytes, std::size_t n) {
    unsigned sum = 0;
    for (std::size_t i = 0; i < n; ++i)
        sum += bytes[i];
    return static_cast<std::uint8_t>(sum & 0xFF);
}

}  // namespace tarvex
