// SPDX-License-Identifier: MIT
// The image and link rebuilt from a recording are those the program held
// after each tick, with the link column and without it.
#include <gtest/gtest.h>

#include "readings/readings_poll.h"
#include "recording/recorded_image.h"
#include "recording/recorder.h"
#include "recording/recording_reader.h"
#include "support/fake_link_clock.h"
#include "support/file_text.h"
#include "support/sim_answer.h"
#include "support/start_folder.h"

using namespace tarvex;
using RecordedImageTest = tarvex::testing::StartFolderTest;

TEST_F(RecordedImageTest, RebuildsWhatTheProgramHeldAfterEveryTick) {
    // A run with faults of every kind and a pulled lead.
    sim::FaultRates faults;
    faults.garbage = faults.short_reply = faults.bad_checksum = 0.08;
    faults.silence = 0.10;
    sim::SimController controller(2, 6, faults, 11);
    double sim_t = 2.0;
    ScriptedSerialPort device;
    tarvex::testing::answer_as(device, controller, sim_t);
    tarvex::testing::FakeLinkClock clock;
    LinkState link;
    link.port = &device;
    ControllerImage image;
    Recorder recorder(link, image, clock);
    const std::string path = (dir / "faults.csv").string();
    ASSERT_TRUE(recorder.start(path));
    PollShared poll;
    std::vector<std::pair<ControllerImage, LinkReading>> held;
    for (int i = 0; i < 400; ++i) {
        clock.set_seconds(i * 0.05);
        sim_t = 2.0 + i * 0.05;
        controller.set_silent(i >= 100 && i < 130);
        readings_poll(link, image, poll);
        held.emplace_back(image, link_reading(image, link));
    }
    recorder.stop();

    std::string text = tarvex::testing::read_all(path);
    const std::string without_link_column = text.replace(text.find(",link\r\n"), 7, ",shown\r\n");
    for (const bool column : {true, false}) {
        Recording recording;
        std::string error;
        ASSERT_TRUE(column ? load_recording(path, recording, error)
                           : parse_recording(without_link_column, recording, error))
            << error;
        ASSERT_EQ(recording.size(), held.size());
        RecordedImage rebuilt;
        int lost = 0;
        for (std::size_t i = 0; i < held.size(); ++i) {
            rebuilt.apply(recording, i);
            const ControllerImage& want = held[i].first;
            const ControllerImage& got = rebuilt.image();
            ASSERT_EQ(got.StatusFrame, want.StatusFrame) << i;
            ASSERT_EQ(got.LiveFrame, want.LiveFrame) << i;
            ASSERT_EQ(got.SettingsBlock1, want.SettingsBlock1) << i;
            ASSERT_EQ(got.SettingsBlock2, want.SettingsBlock2) << i;
            ASSERT_EQ(rebuilt.link(), held[i].second) << i << (column ? "" : " derived");
            lost += rebuilt.link() == LinkReading::Lost;
        }
        EXPECT_GT(lost, 0) << "the pulled lead should have lost the link";
    }
}
