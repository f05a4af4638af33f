// SPDX-License-Identifier: MIT
#include "config/controller_commands.h"

#include "link/settings_table.h"
#include "link/write_journal.h"
#include "ui/format.h"

namespace tarvex {

bool factory_reset(LinkState& link, ControllerImage& image) {
    image.WriteAck[1] = 0;
    link.WriteDelay = 250;
    // The journal keeps the settings before the reset: the way back.
    JournalChange change(link, ChangeSource::Reset);
    write_setting(link, image, kCommandCode, kCommandFactoryReset);
    link.WriteDelay = 0;
    return image.WriteAck[1] == kCommandFactoryReset;
}

std::string poll_version_text(LinkState& link, ControllerImage& image, const UiTexts& texts) {
    poll_status(link, image);
    controller_generation(image);
    if (link.NoConnection)
        return texts[text_slot::VersionNoConnection];
    if (image.ControllerGeneration != 2)
        return texts[text_slot::VersionUnsupported];
    return format("%.2f", (image.ControllerGeneration * 100 + image.ControllerMinor) / 100.0);
}

}  // namespace tarvex
