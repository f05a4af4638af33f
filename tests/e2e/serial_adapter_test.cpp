// SPDX-License-Identifier: MIT
// The program and its real termios port against tarvex-sim on a
// pseudo-terminal, as a fitter meets a USB serial adapter: found in the Port
// menu, chosen, and pulled out and pushed back while polling.
#include <gtest/gtest.h>

#include <QAction>
#include <QCoreApplication>
#include <QMenu>

#include <signal.h>
#include <unistd.h>

#include <filesystem>

#include "app/commands.h"
#include "app/main_window.h"
#include "app/menu_bar.h"
#include "e2e/fd_scan.h"
#include "ports/port_names.h"
#include "ports/posix_serial_port.h"
#include "readings/readings_view.h"
#include "scope/scope_view.h"
#include "support/file_text.h"
#include "support/listed_devices.h"
#include "support/real_port_program.h"
#include "support/sim_process.h"

using namespace tarvex;
using tarvex::testing::holds_open;
using tarvex::testing::link_target;
using tarvex::testing::read_all;
using tarvex::testing::SimProcess;

namespace {

struct Adapter : tarvex::testing::RealPortProgramTest {
    tarvex::testing::ListedDevices listing;

    void SetUp() override {
        RealPortProgramTest::SetUp();
        program.serial_devices = &listing;
    }
    TarvexMenuBar* bar() { return window->tarvex_menu_bar(); }
    // Opens the Port pop-up as the user does; the item starting with text.
    QAction* port_item(const std::string& text) {
        emit bar()->port_menu()->aboutToShow();
        for (QAction* a : bar()->port_menu()->actions())
            if (a->text().startsWith(QString::fromStdString(text)))
                return a;
        return nullptr;
    }
    void tick() { window->current_view()->tick(); }
};

}  // namespace

TEST_F(Adapter, ADevicePluggedInWhileRunningIsChosenFromThePortMenu) {
    std::ofstream(dir / kPortsFileName)
        << "# COM1 is the adapter\nCOM1=/dev/ttyUSB9\nCOM3=/dev/ttyS7\n";
    program.link.devices.device[0] = "/nonexistent/ttyUSB9";
    open_window();
    tick();
    EXPECT_EQ(program.link.NoConnection, 1);

    SimProcess sim({"--no-pacing"});
    ASSERT_TRUE(sim.ready());
    EXPECT_EQ(port_item(sim.link()), nullptr);
    listing.now = {{sim.link(), sim.link(), "Tarvex", "simulated controller", "0001"}};
    QAction* item = port_item(sim.link());
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->text().toStdString(),
              sim.link() + "\tTarvex, simulated controller, serial 0001");
    item->trigger();
    EXPECT_EQ(read_all(dir / kPortsFileName),
              "# COM1 is the adapter\nCOM1=" + sim.link() + "\nCOM3=/dev/ttyS7\n");
    tick();
    EXPECT_EQ(program.link.NoConnection, 0);
    EXPECT_EQ(program.image.LiveFrame[0], 0x65);
}

TEST_F(Adapter, WhyThePortFailsIsShownBesideItsDeviceAndSaidOnce) {
    std::vector<std::string> said;
    program.port_watch = PortWatch([&](const std::string& l) { said.push_back(l); });
    const std::string path = SimProcess::fresh_link_path();
    program.link.devices.device[0] = path;
    open_window();
    for (int i = 0; i < 5; ++i)
        tick();
    EXPECT_EQ(said, (std::vector<std::string>{"tarvex: COM 1 (" + path + "): no such device"}));
    EXPECT_EQ(port_item("COM 1")->text().toStdString(),
              "COM 1\t" + path + ": " +
                  QCoreApplication::translate("Port", "no such device").toStdString());
    EXPECT_EQ(port_item("COM 2")->text().toStdString(), "COM 2\t/dev/ttyS1");

    std::ofstream(path) << "a file\n";
    for (int i = 0; i < 5; ++i)
        tick();
    ASSERT_EQ(said.size(), 2u);
    EXPECT_EQ(said[1], "tarvex: COM 1 (" + path + "): not a terminal");
    EXPECT_EQ(port_item("COM 1")->text().toStdString(),
              "COM 1\t" + path + ": " +
                  QCoreApplication::translate("Port", "not a terminal").toStdString());
    ::unlink(path.c_str());

    SimProcess sim({"--no-pacing"}, path);
    ASSERT_TRUE(sim.ready());
    tick();
    EXPECT_EQ(program.link.NoConnection, 0);
    EXPECT_EQ(port_item("COM 1")->text().toStdString(), "COM 1\t" + path);
    EXPECT_EQ(said.size(), 2u);
}

TEST_F(Adapter, PulledOutAndPushedBackWhilePolling) {
    std::vector<std::string> said;
    program.port_watch = PortWatch([&](const std::string& l) { said.push_back(l); });
    const std::string path = SimProcess::fresh_link_path();
    program.link.devices.device[0] = path;
    auto sim = std::make_unique<SimProcess>(std::vector<std::string>{"--no-pacing"}, path,
                                            (dir / "sim.log").string());
    ASSERT_TRUE(sim->ready());
    open_window();
    int silenced = 0;
    for (int view : {cmd::Readings, cmd::Oscilloscope}) {
        window->run_command(view);
        tick();
        ASSERT_EQ(program.link.NoConnection, 0) << view;

        // Pulled out: the controller falls silent and its node vanishes.
        const std::string pts = link_target(path);
        sim->signal(SIGUSR1);
        ASSERT_TRUE(sim->wait_for_output("tarvex-sim: silent", ++silenced));
        sim->remove_link();
        tick();
        EXPECT_FALSE(holds_open(pts)) << view;
        tick();
        tick();
        EXPECT_EQ(program.link.NoConnection, 1) << view;
        EXPECT_EQ(program.image.LiveFrame[0], 0) << view;
        if (view == cmd::Readings) {
            auto* r = qobject_cast<ReadingsView*>(window->current_view());
            EXPECT_EQ(r->timer().interval(), 500);
        }
        for (int i = 0; i < 3; ++i)
            tick();
        EXPECT_EQ(said, (std::vector<std::string>{"tarvex: COM 1 (" + path + "): no such device"}));
        said.clear();

        // Pushed back under the same name, answering: the next poll reads again.
        ASSERT_EQ(::symlink(pts.c_str(), path.c_str()), 0);
        sim->signal(SIGUSR1);
        ASSERT_TRUE(sim->wait_for_output("tarvex-sim: answering", silenced));
        tick();
        EXPECT_EQ(program.link.NoConnection, 0) << view;
        EXPECT_EQ(program.image.LiveFrame[0], 0x65) << view;
        EXPECT_EQ(port_item("COM 1")->text().toStdString(), "COM 1\t" + path);

        // The other side of the pseudo-terminal closes and opens again (a
        // new terminal behind the same name, as a re-plugged adapter).
        sim->kill_hard();
        tick();
        EXPECT_FALSE(holds_open(pts)) << view;
        tick();
        tick();
        EXPECT_EQ(program.link.NoConnection, 1) << view;
        tick();
        EXPECT_EQ(said, (std::vector<std::string>{"tarvex: COM 1 (" + path + "): no such device"}));
        said.clear();
        std::filesystem::remove(dir / "sim.log");
        silenced = 0;
        sim = std::make_unique<SimProcess>(std::vector<std::string>{"--no-pacing"}, path,
                                           (dir / "sim.log").string());
        ASSERT_TRUE(sim->ready());
        tick();
        EXPECT_EQ(program.link.NoConnection, 0) << view;
        EXPECT_EQ(program.image.LiveFrame[0], 0x65) << view;
    }
    EXPECT_TRUE(said.empty());
}
