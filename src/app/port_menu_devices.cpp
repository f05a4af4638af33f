// SPDX-License-Identifier: MIT
#include "app/port_menu_devices.h"
#include "ports/port_names.h"

#include <QAction>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QMenu>

#include <cstdio>
#include <cstring>

#include "app/menu_bar.h"
#include "app/program.h"
#include "ports/find_controller.h"
#include "ports/port_problem.h"
#include "ports/ports_file.h"
#include "ports/serial_devices.h"
#include "ui/local_file_name.h"
#include "ui/user_dialogs.h"

namespace tarvex {

namespace {

// Why a device failed to open, in the interface language (standard error
// keeps the English of port_problem_note).
QString port_problem_text(int error) {
    switch (port_problem_of(error)) {
        case PortProblem::None:
            return {};
        case PortProblem::NoSuchDevice:
            return QCoreApplication::translate("Port", "no such device");
        case PortProblem::NoPermission:
            return QCoreApplication::translate("Port", "no permission");
        case PortProblem::HeldByAnother:
            return QCoreApplication::translate("Port", "held by another program");
        case PortProblem::NotATerminal:
            return QCoreApplication::translate("Port", "not a terminal");
        case PortProblem::Other:
            break;
    }
    return QCoreApplication::translate("Port", "cannot open (%1)")
        .arg(QString::fromLocal8Bit(std::strerror(error)));
}

}  // namespace

PortMenuDevices::PortMenuDevices(TarvexMenuBar* bar, Program& program, SerialDeviceSource& source)
    : QObject(bar), bar_(bar), program_(program), source_(source) {
    connect(bar_->port_menu(), &QMenu::aboutToShow, this, &PortMenuDevices::refresh);
    show_port_devices();
}

void PortMenuDevices::show_port_devices() {
    // Beside each device, why it last failed to open.
    std::array<QString, 4> notes;
    for (std::size_t i = 0; i < 4; ++i)
        notes[i] = port_problem_text(program_.port_watch.error(program_.link.devices.device[i]));
    bar_->set_port_devices(program_.link.devices.device, notes);
}

void PortMenuDevices::refresh() {
    QMenu* menu = bar_->port_menu();
    for (QAction* a : items_)
        delete a;
    items_.clear();
    show_port_devices();

    const std::vector<SerialDevice> devices = source_.devices();
    items_.push_back(menu->addSeparator());
    if (devices.empty()) {
        QAction* none =
            menu->addAction(QCoreApplication::translate("Port", "(no serial devices found)"));
        none->setEnabled(false);
        items_.push_back(none);
    }
    const std::size_t selected = static_cast<std::size_t>(program_.PortNumber - 1) & 3;
    const std::string& in_use = program_.link.devices.device[selected];
    for (const SerialDevice& d : devices) {
        QString text = QString::fromStdString(device_menu_text(d));
        text.replace(QLatin1Char('&'), QStringLiteral("&&"));
        QAction* a = menu->addAction(text);
        a->setCheckable(true);
        a->setChecked(d.path == in_use);
        const std::string path = d.path;
        connect(a, &QAction::triggered, this, [this, path] { choose(path); });
        items_.push_back(a);
    }
    items_.push_back(menu->addSeparator());
    QAction* find = menu->addAction(QCoreApplication::translate("Port", "Find controller"));
    connect(find, &QAction::triggered, this, &PortMenuDevices::find_controller);
    items_.push_back(find);
}

void PortMenuDevices::choose(const std::string& device) {
    Program& p = program_;
    const int port = p.PortNumber >= 1 && p.PortNumber <= 4 ? p.PortNumber : 1;
    std::string& current = p.link.devices.device[static_cast<std::size_t>(port - 1)];
    if (current != device) {
        close_port(p.link);
        current = device;
    }
    std::string error;
    const std::string path = p.StartDirectory + "/" + kPortsFileName;
    if (!assign_port_device(path, port, device, &error)) {
        std::fprintf(stderr, "tarvex: cannot write %s: %s\n", path.c_str(), error.c_str());
        p.dialogs->message(
            bar_->window(), UserDialogs::Icon::Warning, QCoreApplication::translate("Port", "Port"),
            QCoreApplication::translate(
                "Port",
                "COM %1 stands for %2 until Tarvex ends, but %3 could not be "
                "written, so this is not kept.")
                    .arg(port)
                    .arg(shown_file_name(device), QString::fromLatin1(kPortsFileName)) +
                QStringLiteral("\n\n%1: %2")
                    .arg(shown_file_name(path), QString::fromStdString(error)));
    }
    show_port_devices();
}

void PortMenuDevices::find_controller() {
    Program& p = program_;
    std::vector<std::string> paths;
    for (const SerialDevice& d : source_.devices())
        paths.push_back(d.path);
    // The link lets go of its own device, so that it can be tried too; the
    // next poll opens the port again.
    close_port(p.link);
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    const std::vector<ProbedDevice> probed = tarvex::find_controller(*p.probe_port, paths);
    QGuiApplication::restoreOverrideCursor();

    const std::string found = found_device(probed);
    if (!found.empty())
        choose(found);
    QStringList held;
    for (const ProbedDevice& d : probed)
        if (d.outcome == ProbedDevice::Outcome::NotOpened &&
            port_problem_of(d.open_error) == PortProblem::HeldByAnother)
            held << QString::fromStdString(d.device);

    QString text;
    if (!found.empty())
        text = QCoreApplication::translate(
                   "Port", "The controller answered on %1.\n\nCOM %2 now stands for it.")
                   .arg(QString::fromStdString(found))
                   .arg(p.PortNumber);
    else if (paths.empty())
        text = QCoreApplication::translate(
            "Port", "No serial devices found. Check that the lead is plugged in.");
    else
        text = QCoreApplication::translate(
            "Port",
            "No controller answered on the serial devices present. Check the lead and "
            "that the ignition is on.");
    if (!held.isEmpty())
        text += QStringLiteral("\n\n") +
                QCoreApplication::translate("Port", "Not tried, in use by another program: %1")
                    .arg(held.join(QStringLiteral(", ")));
    p.dialogs->message(bar_->window(),
                       found.empty() ? UserDialogs::Icon::Warning : UserDialogs::Icon::Information,
                       QCoreApplication::translate("Port", "Find controller"), text);
}

}  // namespace tarvex
