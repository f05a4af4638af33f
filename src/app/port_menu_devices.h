// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>

#include <string>
#include <vector>

class QAction;

namespace tarvex {

struct Program;
class SerialDeviceSource;
class TarvexMenuBar;

// The serial devices present now, listed in the Port pop-up below the four
// COM items and listed again each time the pop-up opens. Choosing one makes
// the selected COM port stand for it: the ports file is rewritten and the
// port closed, so the next poll opens the chosen device. After the list,
// "Find controller" tries the devices present and chooses the first on which
// the controller answers.
class PortMenuDevices final : public QObject {
    Q_OBJECT
  public:
    PortMenuDevices(TarvexMenuBar* bar, Program& program, SerialDeviceSource& source);

    // Lists the devices again and renews the COM items' texts.
    void refresh();
    // Makes the selected COM port stand for this device.
    void choose(const std::string& device);
    // Sends one status command to each device present that no other program
    // holds, chooses the first that answers and says which, or that none did.
    void find_controller();
    // The device items now in the pop-up.
    const std::vector<QAction*>& device_items() const { return items_; }

  private:
    void show_port_devices();

    TarvexMenuBar* bar_;
    Program& program_;
    SerialDeviceSource& source_;
    std::vector<QAction*> items_;
};

}  // namespace tarvex
