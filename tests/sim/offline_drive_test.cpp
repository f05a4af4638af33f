// SPDX-License-Identifier: MIT
// A recording written at simulated time polls as the views poll.
#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>

#include "recording/recording_reader.h"
#include "sim/offline_drive.h"

using namespace tarvex;
using namespace tarvex::sim;

TEST(OfflineDrive, RowsAtThePaceOfTheViewThatPolls) {
    struct Case {
        PollPace pace;
        double row_seconds;       // between rows, on average
        std::size_t block_every;  // rows per row holding the settings blocks
    } cases[] = {
        // Three ticks of 50 ms and a fourth that also reads both settings
        // blocks and outlasts the period on the wire.
        {PollPace::Readings, (3 * 0.050 + 0.064) / 4, 4},
        {PollPace::Oscilloscope, 0.024, 0},  // status and live back to back: 24 ms
    };
    const std::string path =
        (std::filesystem::temp_directory_path() / ("tarvex-offline-" + std::to_string(getpid())))
            .string();
    for (const auto& c : cases) {
        SimController controller;
        controller.set_scenario({DriveProfile::MotorwayWarm, SensorFault::None, 3});
        OfflineDrive drive;
        drive.path = path;
        drive.seconds = 10;
        drive.pace = c.pace;
        std::string error;
        ASSERT_TRUE(write_offline_recording(controller, drive, error)) << error;
        Recording rec;
        ASSERT_TRUE(load_recording(path, rec, error)) << error;
        const double rows = 10 / c.row_seconds;
        EXPECT_NEAR(static_cast<double>(rec.size()), rows, rows * 0.04);
        std::size_t block1 = 0, block2 = 0;
        for (std::size_t i = 0; i < rec.size(); ++i) {
            EXPECT_EQ(rec.reply(i, 1).size, 11) << i;
            block1 += rec.reply(i, 2).size == 15;
            block2 += rec.reply(i, 3).size == 16;
        }
        const std::size_t every_nth = c.block_every ? rec.size() / c.block_every : 1;
        EXPECT_NEAR(block1, every_nth, 1);
        EXPECT_EQ(block2, c.block_every ? block1 : 0);
    }
    std::filesystem::remove(path);
}
