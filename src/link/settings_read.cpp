// SPDX-License-Identifier: MIT
#include "link/settings_read.h"

#include "link/readings_decoder.h"

namespace tarvex {

namespace {

bool read_fresh(LinkState& link, ControllerImage& image,
                bool (*read)(LinkState&, ControllerImage&)) {
    for (int attempt = 0; attempt < kFreshReadTries; ++attempt) {
        // After a failed try the rest of its reply, or a late one, may still
        // be on its way: it must not start the next try's reply.
        if (attempt > 0)
            settle_line(link);
        if (read(link, image))
            return true;
    }
    return false;
}

}  // namespace

void settle_line(LinkState& link) {
    if (!link.port)
        return;
    link.port->sleep_ms(kSettleMs);
    if (link.PortOpen)
        link.port->purge_receive();
}

bool read_settings_afresh(LinkState& link, ControllerImage& image) {
    if (!link.port)
        return false;
    settle_line(link);
    return read_fresh(link, image, read_live) && read_fresh(link, image, read_settings1) &&
           read_fresh(link, image, read_settings2);
}

SettingsAnswer poll_and_read_settings(LinkState& link, ControllerImage& image) {
    poll_status(link, image);
    // Unanswered, even while the link does not yet count as lost.
    if (link.NoConnection || link.FailedPolls)
        return SettingsAnswer::NoAnswer;
    controller_generation(image);
    if (link_reading(image, link) == LinkReading::Unsupported)
        return SettingsAnswer::OtherGeneration;
    return read_settings_afresh(link, image) ? SettingsAnswer::Read : SettingsAnswer::NotRead;
}

}  // namespace tarvex
