// SPDX-License-Identifier: MIT
// The Port menu's list of the serial devices present, against a listing the
// test controls and a scripted serial port.
#include <gtest/gtest.h>

#include <QAction>
#include <QCoreApplication>
#include <QMenu>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "app/commands.h"
#include "app/main_window.h"
#include "app/menu_bar.h"
#include "ports/port_names.h"
#include "support/listed_devices.h"
#include "support/scripted_dialogs.h"
#include "support/shell_test.h"

using namespace tarvex;

namespace {

struct PortMenu : tarvex::testing::ShellTest {
    tarvex::testing::ListedDevices listing;
    tarvex::testing::ScriptedDialogs dialogs;

    void SetUp() override {
        ShellTest::SetUp();
        silent = true;
        program.serial_devices = &listing;
        program.dialogs = &dialogs;
    }
    QMenu* menu() { return window->tarvex_menu_bar()->port_menu(); }
    // Opens the pop-up as the user does and returns its items' texts.
    QStringList open_menu() {
        emit menu()->aboutToShow();
        QStringList texts;
        for (QAction* a : menu()->actions())
            texts << (a->isSeparator() ? QStringLiteral("--") : a->text());
        return texts;
    }
    QAction* item(const QString& starting) {
        for (QAction* a : menu()->actions())
            if (a->text().startsWith(starting))
                return a;
        return nullptr;
    }
    std::string ports_file() {
        std::ifstream in(dir / kPortsFileName, std::ios::binary);
        std::stringstream s;
        s << in.rdbuf();
        return s.str();
    }
};

}  // namespace

TEST_F(PortMenu, DevicesPresentAreListedBelowTheComItemsEachTimeTheMenuOpens) {
    open_window();
    EXPECT_EQ(listing.asked, 0);  // nothing is listed before the menu opens
    const QString none = QCoreApplication::translate("Port", "(no serial devices found)");
    EXPECT_EQ(open_menu(), (QStringList{"COM 1\t/dev/ttyS0", "COM 2\t/dev/ttyS1",
                                        "COM 3\t/dev/ttyS2", "COM 4\t/dev/ttyS3", "--", none, "--",
                                        QCoreApplication::translate("Port", "Find controller")}));
    ASSERT_TRUE(item(none));
    EXPECT_FALSE(item(none)->isEnabled());

    // An adapter plugged in while the program runs shows up at the next opening.
    listing.now = {{"/dev/serial/by-id/usb-FTDI_FT232R-if00-port0", "/dev/ttyUSB0", "FTDI",
                    "FT232R USB UART", "A50285BI"},
                   {"/dev/ttyS0", "/dev/ttyS0", "", "", ""}};
    const QStringList texts = open_menu();
    EXPECT_EQ(listing.asked, 2);
    EXPECT_EQ(texts, (QStringList{"COM 1\t/dev/ttyS0", "COM 2\t/dev/ttyS1", "COM 3\t/dev/ttyS2",
                                  "COM 4\t/dev/ttyS3", "--",
                                  "/dev/serial/by-id/usb-FTDI_FT232R-if00-port0 (ttyUSB0)\tFTDI, "
                                  "FT232R USB UART, serial A50285BI",
                                  "/dev/ttyS0", "--",
                                  QCoreApplication::translate("Port", "Find controller")}));
    // The device of the selected port is checked; the COM items keep their commands.
    EXPECT_FALSE(item("/dev/serial")->isChecked());
    EXPECT_TRUE(item("/dev/ttyS0")->isChecked());
    for (int n = 0; n < 4; ++n)
        EXPECT_EQ(menu()->actions()[n]->data().toInt(), cmd::Com1 + n);

    // A language change brings a new menu with the same list.
    window->run_command(cmd::LangEnglish);
    EXPECT_EQ(open_menu().size(), 9);
}

TEST_F(PortMenu, ChoosingADeviceAssignsItToTheSelectedPortAtTheNextPoll) {
    std::ofstream(dir / "Tarvex.ini") << "[Ustawienia]\nCommPort= 2\nLanguage= pol\n";
    std::ofstream(dir / kPortsFileName) << "# my adapters\nCOM1=/dev/ttyUSB4\nCOM2=/dev/old\n";
    program.link.devices.device[0] = "/dev/ttyUSB4";
    program.link.devices.device[1] = "/dev/old";
    listing.now = {{"/dev/ttyACM0", "/dev/ttyACM0", "", "", ""}};
    open_window();
    port.queue_reply({0x65, 0x01, 0x25, 0x8B});
    poll_status(program.link, program.image);
    ASSERT_EQ(program.link.PortOpen, 1);
    port.clear_events();

    open_menu();
    item("/dev/ttyACM0")->trigger();
    EXPECT_EQ(ports_file(), "# my adapters\nCOM1=/dev/ttyUSB4\nCOM2=/dev/ttyACM0\n");
    EXPECT_EQ(program.link.devices.device[1], "/dev/ttyACM0");
    EXPECT_EQ(program.link.port_name, "COM2:");
    EXPECT_TRUE(window->tarvex_menu_bar()->action(cmd::Com2)->isChecked());
    EXPECT_EQ(window->tarvex_menu_bar()->action(cmd::Com2)->text(),
              QStringLiteral("COM 2\t/dev/ttyACM0"));
    // The old device is closed; nothing is sent until the next poll opens the new one.
    EXPECT_EQ(program.link.PortOpen, 0);
    ASSERT_EQ(port.events().size(), 1u);
    EXPECT_EQ(port.events()[0].op, ScriptedSerialPort::Op::Close);
    poll_status(program.link, program.image);
    EXPECT_EQ(port.events()[1].op, ScriptedSerialPort::Op::Open);
    EXPECT_EQ(port.events()[1].device, "/dev/ttyACM0");

    // Choosing the device already in use closes nothing.
    port.clear_events();
    open_menu();
    EXPECT_TRUE(item("/dev/ttyACM0")->isChecked());
    item("/dev/ttyACM0")->trigger();
    EXPECT_TRUE(port.events().empty());
    EXPECT_EQ(program.link.PortOpen, 1);

    // The COM items do what they did: COM 1 still stands for its own device.
    window->run_command(cmd::Com1);
    port.clear_events();
    poll_status(program.link, program.image);
    ASSERT_FALSE(port.events().empty());
    EXPECT_EQ(port.events()[0].device, "/dev/ttyUSB4");
}

// Find controller: one status command to each device present until one
// answers, which the selected port then stands for, as when chosen; it is named.
TEST_F(PortMenu, FindControllerAssignsTheFirstDeviceThatAnswers) {
    std::ofstream(dir / "Tarvex.ini") << "[Ustawienia]\nCommPort= 3\nLanguage= pol\n";
    listing.now = {{"/dev/ttyUSB0", "/dev/ttyUSB0", "", "", ""},
                   {"/dev/ttyACM0", "/dev/ttyACM0", "", "", ""}};
    ScriptedSerialPort probe;
    program.probe_port = &probe;
    probe.queue_reply({});  // silent
    probe.queue_reply({0x65, 1, 0x26, 0x8C});
    open_window();
    open_menu();
    item(QCoreApplication::translate("Port", "Find controller"))->trigger();
    EXPECT_EQ(ports_file(), "COM3=/dev/ttyACM0\n");
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text,
              QCoreApplication::translate(
                  "Port", "The controller answered on %1.\n\nCOM %2 now stands for it.")
                  .arg(QStringLiteral("/dev/ttyACM0"))
                  .arg(3));
}

// A ports file that may not be written is kept, and the window says why.
TEST_F(PortMenu, APortsFileNotWrittenIsKeptAndSaidInTheWindow) {
    std::ofstream(dir / kPortsFileName) << "COM1=/dev/ttyUSB4\n";
    std::filesystem::permissions(dir / kPortsFileName, std::filesystem::perms::owner_read);
    listing.now = {{"/dev/ttyACM0", "/dev/ttyACM0", "", "", ""}};
    open_window();
    open_menu();
    item("/dev/ttyACM0")->trigger();
    EXPECT_EQ(ports_file(), "COM1=/dev/ttyUSB4\n");
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_TRUE(dialogs.messages[0].text.endsWith(QStringLiteral(": Permission denied")));
}
