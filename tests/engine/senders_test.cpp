// The senders: which ones record, report and echo, how they place the channel, and the buffer's limit.
#include <gtest/gtest.h>

#include "support/engine_fixture.h"

namespace nwtest {
namespace {

using nw::Sender;

class Senders : public EngineTest {
  protected:
    void SetUp() override {
        open();
        s().keyboardChannel = 5;
        s().accompChannel = 2;
        s().echo = 1;
        s().bufferState = BUF_RECORDING;
        capture_.clear();
    }
};

TEST_F(Senders, RecordPostEchoMatrix) {
    struct Case {
        Sender sender;
        uint8_t recordAccomp;
        uint8_t sentStatus;  // for 0x93
        bool recorded, posted, echoed;
    } cases[] = {
        {Sender::Me, 0, 0x93, false, true, true},    {Sender::Me1, 0, 0x95, true, true, false},
        {Sender::Me2, 0, 0x92, false, true, false},  {Sender::Me2, 1, 0x92, true, true, false},
        {Sender::Me3, 0, 0x92, false, false, false}, {Sender::Me4, 0, 0x93, true, true, false},
        {Sender::Me5, 0, 0x95, false, false, false},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(int(c.sender) * 10 + c.recordAccomp);
        s().recordAccomp = c.recordAccomp;
        s().recordCount = 0;
        host_.clearPosts();
        capture_.clear();
        EXPECT_EQ(engine_.send(c.sender, 0x93, 60, 100), nw::kSendOk);
        uint32_t packed = c.sentStatus | 60 << 8 | 100 << 16;
        EXPECT_EQ(capture_.messages(), std::vector<uint32_t>{packed});
        EXPECT_EQ(s().recordCount, c.recorded ? 1u : 0u);
        std::vector<Post> expected;
        if (c.posted) expected.push_back({WM_MDRV_EVENT, 1, packed});
        if (c.echoed) expected.push_back({WM_MDRV_KEYS, 1, packed});
        EXPECT_EQ(host_.posts(), expected);
    }
}

TEST_F(Senders, EchoOnlyForNotesAndOnlyWhenTheFlagIsOne) {
    engine_.send(Sender::Me, 0xB0, 7, 100);
    engine_.send(Sender::Me, 0x80, 60, 0);
    s().echo = 2;
    engine_.send(Sender::Me, 0x90, 60, 100);
    EXPECT_EQ(host_.postsOf(WM_MDRV_KEYS), (std::vector<Post>{{WM_MDRV_KEYS, 1, 0x3C80}}));
}

TEST_F(Senders, ChannelIsPlacedIntoTheStatusAndOnlyLowBytesCount) {
    engine_.send(Sender::Me1, 0xC0 | 0x0F, 0x100 | 10, 0x300);
    engine_.send(Sender::Me5, 0x180, 60, 0);
    engine_.send(Sender::Me3, 0xB7, 7, 127);
    EXPECT_EQ(capture_.messages(), (std::vector<uint32_t>{0x0AC5, 0x3C85, 0x7F07B2}));
}

TEST_F(Senders, RecordedEventsTakeTheirDeltaInFourMillisecondUnits) {
    s().recordCount = 0;
    s().recordTicks = 0;
    ticks(3);
    engine_.send(Sender::Me1, 0x93, 60, 100);
    ticks(4);
    engine_.send(Sender::Me1, 0x83, 60, 0);
    ticks(9);
    engine_.send(Sender::Me4, 0xB1, 7, 3);
    ASSERT_EQ(s().recordCount, 3u);
    EXPECT_EQ(s().buffer[0].delta, 0u);
    EXPECT_EQ(s().buffer[0].status, 0x95);
    EXPECT_EQ(s().buffer[0].data1, 60);
    EXPECT_EQ(s().buffer[0].data2, 100);
    EXPECT_EQ(s().buffer[1].delta, 1u);
    EXPECT_EQ(s().buffer[2].delta, 2u);
    EXPECT_EQ(s().recordTicks, 0u);
}

TEST_F(Senders, NothingIsRecordedUnlessRecording) {
    for (int state : {BUF_IDLE, BUF_PLAYING}) {
        s().bufferState = state;
        engine_.send(Sender::Me1, 0x90, 60, 100);
    }
    EXPECT_EQ(s().recordCount, 0u);
}

TEST_F(Senders, TheBufferStoresAtMost65281Events) {
    s().recordCount = 65280;
    engine_.send(Sender::Me1, 0x90, 61, 100);
    EXPECT_EQ(s().recordCount, 65281u);
    EXPECT_EQ(s().buffer[65280].data1, 61);
    host_.clearPosts();
    capture_.clear();
    engine_.send(Sender::Me1, 0x90, 62, 100);
    EXPECT_EQ(s().recordCount, 65281u);
    EXPECT_EQ(s().buffer[65281].status, 0);
    EXPECT_EQ(capture_.messages().size(), 1u);           // still sent
    EXPECT_EQ(host_.postsOf(WM_MDRV_EVENT).size(), 1u);  // and reported
}

// A data byte of 0x80 or more would be taken by a device as a status byte.
TEST_F(Senders, MalformedMessagesNeverReachTheDevice) {
    s().recordCount = 0;
    host_.clearPosts();
    struct {
        int32_t status, data1, data2;
    } bad[] = {{0x90, 200, 10}, {0x90, 60, 128}, {0xB0, 0x80, 0}, {0xE0, 0, 0xFF},
               {0x40, 1, 2},    {0xF0, 1, 2},    {0xC0, 0x80, 0}, {0xF2, 0, 0x90}};
    for (auto m : bad)
        EXPECT_EQ(engine_.send(Sender::Me1, m.status, m.data1, m.data2), nw::kSendInvalidData);
    for (auto m : bad)
        EXPECT_EQ(engine_.send(Sender::Me, m.status, m.data1, m.data2), nw::kSendInvalidData);
    EXPECT_TRUE(capture_.messages().empty());
    EXPECT_TRUE(host_.posts().empty());
    EXPECT_EQ(s().recordCount, 0u);
    // One-byte messages ignore their unused second byte; real-time bytes carry none.
    EXPECT_EQ(engine_.send(Sender::Me, 0xC3, 5, 0xFF), nw::kSendOk);
    EXPECT_EQ(engine_.send(Sender::Me, 0xF8, 0, 0), nw::kSendOk);
}

TEST_F(Senders, ControllerCommandRecordsAndEchoesNothingButNotes) {
    s().recordCount = 0;
    host_.clearPosts();
    cmd(MDRV_SEND_CONTROLLER, 4 | 64 << 8 | 127 << 16);
    EXPECT_EQ(capture_.messages(), std::vector<uint32_t>{0x7F40B4});
    EXPECT_EQ(s().recordCount, 1u);
    EXPECT_EQ(host_.posts(), (std::vector<Post>{{WM_MDRV_EVENT, 1, 0x7F40B4}}));
}

}  // namespace
}  // namespace nwtest
