// SPDX-License-Identifier: MIT
#pragma once

#include <string>

#include "link/controller_image.h"
#include "link/port_map.h"
#include "link/serial_port.h"

namespace tarvex {

class WriteJournal;

constexpr int kPollPeriodConnected = 50;
constexpr int kPollPeriodLost = 500;
constexpr int kFailedPollsForLoss = 3;

// The frames read good since the link last came up on the port in use. Save
// As writes the image only when all three were: before that it holds nothing
// of the car, or what another port's controller said.
struct FramesRead {
    bool live = false;
    bool settings1 = false;
    bool settings2 = false;
    bool all() const { return live && settings1 && settings2; }
};

// The serial link and its connection state. One instance in the program.
struct LinkState {
    std::string port_name = "COM1:";  // "COM1:".."COM4:"
    SerialPort* port = nullptr;       // the port handle; not owned
    OpenWatch* watch = nullptr;       // told of every open attempt; not owned
    PortMap devices;                  // device of each port name
    int PortOpen = 0;                 // 1 after every open attempt, 0 once closed
    int NoConnection = 1;             // 1 until a good status reply, again after the link is lost
    int FailedPolls = 0;              // consecutive status polls without a frame mark
    int PollPeriod = kPollPeriodConnected;  // ms
    int WriteDelay = 0;                     // ms between a write and reading its acknowledgement
    FramesRead read_since_up;               // cleared when the link is lost or the port let go
    WriteJournal* journal = nullptr;        // told of writes and reads; not owned; may be none
};

// What the link's port stands for.
inline PortSource port_source(const LinkState& link) {
    return link.port ? link.port->source() : PortSource::Device;
}
// The link plays a recording back in place of the controller: nothing is
// written then, since no controller would receive it.
inline bool plays_recording(const LinkState& link) {
    return port_source(link) != PortSource::Device;
}

// Opens the port named in the link. Its result is not inspected: a port that
// failed to open moves no bytes, which the state machine treats as silence.
void open_port(LinkState& link);
// Closes the port if it is open and clears PortOpen. What was read before no
// longer counts as read since the link came up: the next open may reach
// another port or device. (A bad checksum closes the port without this.)
void close_port(LinkState& link);

// Command 1: status. Fills StatusFrame and runs the connection state machine.
void poll_status(LinkState& link, ControllerImage& image);
// The start of every polling tick: poll_status, then the generation, which is
// computed on every tick, answered or not. True when a generation-2
// controller answers, so that the tick may read the frames it needs.
bool poll_controller(LinkState& link, ControllerImage& image);
// Commands 2, 3, 4: live readings, settings block 1, settings block 2. True
// when a good reply was copied into the image, and told to the link's journal;
// otherwise its frame is as it was.
bool read_live(LinkState& link, ControllerImage& image);
bool read_settings1(LinkState& link, ControllerImage& image);
bool read_settings2(LinkState& link, ControllerImage& image);

// Sends one write frame (low 8 bits of code and value) and reads the 3-byte
// acknowledgement into WriteAck. Returns the bytes of acknowledgement read; 0
// and nothing sent unless the controller reports generation 2, or while the
// link plays a recording. The link's journal, when it has one, is told of the
// write before the frame goes out and of the acknowledgement after it.
int write_setting(LinkState& link, ControllerImage& image, int code, int value);

// The 4-byte command frame.
std::array<std::uint8_t, 4> command_frame(int code, int value);

}  // namespace tarvex
