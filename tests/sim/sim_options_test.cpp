#include <gtest/gtest.h>

#include "sim/sim_options.h"

using namespace tarvex::sim;

TEST(SimOptions, ParsesEveryOption) {
    SimOptions o;
    std::string err;
    ASSERT_TRUE(parse_sim_options({"--link",
                                   "/tmp/x",
                                   "--ports-file=P",
                                   "--com",
                                   "3",
                                   "--no-pacing",
                                   "--generation",
                                   "3",
                                   "--minor=9",
                                   "--silence",
                                   "10%",
                                   "--garbage",
                                   "0.5",
                                   "--bad-checksum",
                                   "1",
                                   "--short",
                                   "0",
                                   "--late",
                                   "25%",
                                   "--late-ms",
                                   "900",
                                   "--no-ack",
                                   "0.01",
                                   "--seed",
                                   "42",
                                   "--verbose"},
                                  o, err))
        << err;
    EXPECT_EQ(o.link, "/tmp/x");
    EXPECT_EQ(o.ports_file, "P");
    EXPECT_EQ(o.com, 3);
    EXPECT_FALSE(o.pacing);
    EXPECT_EQ(o.generation, 3);
    EXPECT_EQ(o.minor, 9);
    EXPECT_DOUBLE_EQ(o.faults.silence, 0.1);
    EXPECT_DOUBLE_EQ(o.faults.garbage, 0.5);
    EXPECT_DOUBLE_EQ(o.faults.bad_checksum, 1.0);
    EXPECT_DOUBLE_EQ(o.faults.late, 0.25);
    EXPECT_EQ(o.late_ms, 900);
    EXPECT_DOUBLE_EQ(o.faults.no_ack, 0.01);
    EXPECT_EQ(o.seed, 42u);
    EXPECT_TRUE(o.verbose);
}

TEST(SimOptions, RejectsBadInputWithAReason) {
    struct Case {
        std::vector<std::string> args;
        const char* says;
    } cases[] = {
        {{}, "--link PATH is required"},
        {{"--link"}, "needs a value"},
        {{"--link", "x", "--frobnicate"}, "unknown option"},
        {{"--link", "x", "--silence", "2"}, "bad rate"},
        {{"--link", "x", "--silence", "150%"}, "bad rate"},
        {{"--link", "x", "--garbage", "-0.1"}, "bad rate"},
        {{"--link", "x", "--garbage", "abc"}, "bad rate"},
        {{"--link", "x", "--com", "5"}, "bad value for --com"},
        {{"--link", "x", "--generation", "0"}, "bad value"},
        {{"--link", "x", "--no-pacing=1"}, "takes no value"},
    };
    for (const auto& c : cases) {
        SimOptions o;
        std::string err;
        EXPECT_FALSE(parse_sim_options(c.args, o, err));
        EXPECT_NE(err.find(c.says), std::string::npos) << err;
    }
    SimOptions o;
    std::string err;
    EXPECT_TRUE(parse_sim_options({"--help"}, o, err));
    EXPECT_TRUE(o.help);
}
