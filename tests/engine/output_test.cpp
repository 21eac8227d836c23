// The output layer: the device list, the capture sink's lines, and the built-in synthesizer.
#include <gtest/gtest.h>

#include <regex>

#include "output/output.h"
#include "support/capture.h"

namespace nwtest {
namespace {

TEST(DeviceList, SynthesizerFirstThenPortsWithTheMapperAsMinusOne) {
    int32_t count = nw::output::deviceCount();
    ASSERT_GE(count, 1);
    NwDeviceCaps caps{};
    ASSERT_TRUE(nw::output::deviceCaps(0, &caps));
    EXPECT_EQ(caps.technology, 3);
    EXPECT_GT(caps.voices, 0);
    EXPECT_EQ(caps.voices, caps.notes);
    if (nw::output::synthAvailable()) {
        ASSERT_TRUE(nw::output::deviceCaps(-1, &caps));
        EXPECT_STREQ(caps.name, "MIDI_MAP");
    }
    EXPECT_FALSE(nw::output::deviceCaps(count, &caps));
    EXPECT_FALSE(nw::output::deviceCaps(-2, &caps));
    EXPECT_FALSE(nw::output::deviceCaps(0, nullptr));
}

TEST(CaptureSink, WritesOneLinePerCallAndRefusesMissingDevices) {
    CaptureFile capture;
    EXPECT_EQ(nw::output::open(nw::output::deviceCount()), nullptr);
    EXPECT_EQ(nw::output::open(-2), nullptr);
    {
        auto device = nw::output::open(-1);
        ASSERT_NE(device, nullptr);
        EXPECT_EQ(device->send(0x7F3C90), 0);
        device->setVolume(0xFFFF0000);
    }
    auto lines = capture.lines();
    ASSERT_EQ(lines.size(), 4u);
    const std::regex format(R"(^\d+ (open -?\d+|msg [0-9a-f]{8}|volume [0-9a-f]{8}|close)$)");
    for (const auto &line : lines)
        EXPECT_TRUE(std::regex_match(line.text, format)) << line.text;
    EXPECT_EQ(lines[0].text.substr(lines[0].text.find(' ')), " open -1");
    EXPECT_EQ(lines[1].text.substr(lines[1].text.find(' ')), " msg 007f3c90");
    EXPECT_EQ(lines[2].text.substr(lines[2].text.find(' ')), " volume ffff0000");
    EXPECT_EQ(lines[3].kind, "close");
    EXPECT_LE(lines[0].ms, lines[3].ms);
}

// The real synthesizer, rendering into /dev/null (the tests set the file audio driver).
TEST(BuiltInSynthesizer, OpensPlaysAndReopensWithoutReloading) {
    ASSERT_TRUE(nw::output::synthAvailable())
        << "no General MIDI SoundFont found: scripts/install-deps installs one, or set NOTEWIRE_SOUNDFONT";
    nw::output::prepare(0);
    for (int round = 0; round < 2; ++round) {
        auto device = nw::output::open(0);
        ASSERT_NE(device, nullptr);
        EXPECT_EQ(device->send(0x7F3C90), 0);
        EXPECT_EQ(device->send(0x003C80), 0);
        EXPECT_EQ(device->send(0x0000E0 | 0x40 << 16), 0);
        device->setVolume(0x80008000);
    }
}

}  // namespace
}  // namespace nwtest
