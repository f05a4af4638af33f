// SPDX-License-Identifier: MIT
#include "app/qt_serial_devices.h"

#include <QSerialPortInfo>

namespace tarvex {

std::vector<SerialDevice> QtSerialDevices::devices() {
    std::vector<SerialDevice> found;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) {
        const std::string node = info.systemLocation().toStdString();
        found.push_back({node, node, info.manufacturer().toStdString(),
                         info.description().toStdString(), info.serialNumber().toStdString()});
    }
    return arrange_serial_devices(std::move(found), by_id_links(kSerialByIdFolder),
                                  answers_termios);
}

}  // namespace tarvex
