// SPDX-License-Identifier: MIT
// The link's framing and state machine against replies of any length and
// content: the input is cut into operations and replies.
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "link/link_state.h"
#include "support/scripted_serial_port.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    tarvex::ScriptedSerialPort port;
    tarvex::LinkState link;
    link.port = &port;
    tarvex::ControllerImage image;
    std::size_t i = 0;
    while (i + 2 <= size) {
        const std::uint8_t op = data[i];
        std::size_t len = data[i + 1] % 24;
        i += 2;
        if (len > size - i)
            len = size - i;
        port.clear_replies();
        port.clear_events();
        port.queue_reply(std::vector<std::uint8_t>(data + i, data + i + len));
        i += len;
        switch (op % 6) {
            case 0:
                tarvex::poll_status(link, image);
                break;
            case 1:
                tarvex::read_live(link, image);
                break;
            case 2:
                tarvex::read_settings1(link, image);
                break;
            case 3:
                tarvex::read_settings2(link, image);
                break;
            case 4:
                tarvex::write_setting(link, image, op, static_cast<int>(len));
                break;
            default:
                tarvex::close_port(link);
                break;
        }
        if (link.FailedPolls < 0 || link.FailedPolls > 2)
            std::abort();
        if (link.PollPeriod != 50 && link.PollPeriod != 500)
            std::abort();
        if (image.LiveFrame[0] != 0 && image.LiveFrame[0] != 0x65)
            std::abort();
        if (image.LiveFrame[0] == 0x65 &&
            tarvex::checksum(image.LiveFrame.data(), 10) != image.LiveFrame[10])
            std::abort();
    }
    return 0;
}
