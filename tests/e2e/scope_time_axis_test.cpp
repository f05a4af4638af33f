// SPDX-License-Identifier: MIT
// The Oscilloscope view against tarvex-sim paced at 9600 baud, on its own
// timer and the real monotonic clock: whatever the ticks take on this
// machine, the sweep has advanced one column for each 2000/46 ms.
#include <gtest/gtest.h>

#include <QEventLoop>
#include <QTimer>

#include <vector>

#include "app/commands.h"
#include "app/main_window.h"
#include "ports/posix_serial_port.h"
#include "readings/dial_tables.h"
#include "scope/scope_view.h"
#include "support/real_port_program.h"
#include "support/sim_process.h"

using namespace tarvex;
using tarvex::testing::SimProcess;

namespace {

struct TimeAxis : tarvex::testing::RealPortProgramTest {};

}  // namespace

TEST_F(TimeAxis, TheSweepFollowsTheClockNotTheTicks) {
    SimProcess sim;  // paced
    ASSERT_TRUE(sim.ready());
    program.link.devices.device[0] = sim.link();
    // The real clock, each reading kept with the link's state at that tick.
    struct Reading {
        SweepTime at;
        bool connected;
    };
    std::vector<Reading> readings;
    program.scope.clock = [&] {
        readings.push_back({std::chrono::steady_clock::now(), program.link.NoConnection == 0});
        return readings.back().at;
    };
    window = std::make_unique<MainWindow>(program, [] { return QSize(1024, 768); });
    window->show();
    window->run_command(cmd::Oscilloscope);

    // Until the view has recorded for 2.5 s by its clock (generous deadline).
    auto recorded = [&] {
        for (const Reading& r : readings)
            if (r.connected)
                return readings.back().at - r.at;
        return SweepTime::duration{};
    };
    QEventLoop loop;
    QTimer check;
    QObject::connect(&check, &QTimer::timeout, &loop, [&] {
        if (recorded() >= std::chrono::milliseconds(2500))
            loop.quit();
    });
    check.start(50);
    QTimer::singleShot(60000, &loop, &QEventLoop::quit);
    loop.exec();

    ASSERT_GE(recorded(), std::chrono::milliseconds(2500));
    std::size_t first = 0;
    while (!readings[first].connected)
        ++first;
    for (std::size_t i = first; i < readings.size(); ++i)
        ASSERT_TRUE(readings[i].connected) << "the link dropped at tick " << i;
    const auto span = readings.back().at - readings[first].at;
    const int columns = program.scope_buffers.SweepColumn - 202;
    EXPECT_EQ(columns, 1 + static_cast<int>(span / kSweepColumnTime))  // the first at once
        << readings.size() - first << " ticks in "
        << std::chrono::duration<double, std::milli>(span).count() << " ms";
    EXPECT_GE(columns, 57);  // 2.5 s at 46 columns each 2 s
    RecordProperty("ticks", static_cast<int>(readings.size() - first));
    RecordProperty("columns", columns);
}
