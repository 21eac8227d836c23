// A port that cannot take messages for a while (a hardware port at 31.25 kbaud, a stuck synthesizer)
// never holds the engine: what it refuses waits in a bounded queue and follows in order once the port
// takes messages again; past the bound messages are dropped and counted.
#include <gtest/gtest.h>

#include <cerrno>

#include "output/queued_port.h"
#include "song_support.h"

namespace nw::test {
namespace {

// Stands in for a sequencer port: refuses with -EAGAIN while stalled, or fails outright when broken.
class StandInPort final : public output::QueuedPort {
  public:
    bool stalled = false;
    bool broken = false;
    int refusals = 0;
    std::vector<uint32_t> delivered;

    void setVolume(uint32_t) override {}

  private:
    int writeNow(uint32_t packed) override {
        if (broken) return -EPIPE;
        if (stalled) {
            ++refusals;
            return -EAGAIN;
        }
        delivered.push_back(packed);
        return 0;
    }
};

struct StalledPortTest : ::testing::Test {
    Capture capture;
    ManualEngine e;
    StandInPort *port = nullptr;

    StalledPortTest() {
        auto device = std::make_unique<StandInPort>();
        port = device.get();
        e.engine.attachDevice(std::move(device));
        // A song of one note every tick on channel 2.
        for (uint32_t i = 0; i < 100; ++i)
            e.s().song[i] = {i == 0 ? 0u : 1u, 0x92, uint8_t(40 + i % 40), 100, 0, 0};
        e.s().songLength = 100;
        e.s().roles[2] = CH_SONG;
        e.s().division = 2500;  // one event per tick
        e.s().tempo = 500000;
        e.s().speed = 5;
        e.s().songVelocityScale = 10;
        e.s().bendWord = 0;
        e.s().songState = SONG_PLAYING;
    }
};

TEST_F(StalledPortTest, RefusedMessagesWaitAndFollowInOrderWhenThePortTakesThemAgain) {
    port->stalled = true;
    e.ticks(10);
    EXPECT_EQ(e.s().songPosition, 10u);  // the clock went on
    EXPECT_TRUE(port->delivered.empty());
    EXPECT_EQ(port->queued(), 10u);
    EXPECT_EQ(e.engine.send(Sender::Me1, 0x90, 70, 90), kSendOk);  // a key press waits its turn too

    port->stalled = false;
    e.ticks(1);  // the tick hands on what waits before it plays its own event
    ASSERT_EQ(port->delivered.size(), 12u);
    for (uint32_t i = 0; i < 10; ++i)
        EXPECT_EQ(port->delivered[i], pack(0x92, uint8_t(40 + i), 100)) << i;
    EXPECT_EQ(port->delivered[10], pack(0x95, 70, 90));
    EXPECT_EQ(port->delivered[11], pack(0x92, 50, 100));
    EXPECT_EQ(port->queued(), 0u);
    EXPECT_EQ(port->dropped(), 0u);
}

TEST_F(StalledPortTest, PastTheBoundMessagesAreDroppedAndCountedWithoutWaiting) {
    port->stalled = true;
    const uint32_t capacity = output::QueuedPort::kQueueCapacity;
    for (uint32_t i = 0; i < capacity; ++i)
        ASSERT_EQ(e.engine.send(Sender::Me, 0xB0, 7, int32_t(i % 128)), kSendOk);
    EXPECT_EQ(e.engine.send(Sender::Me, 0xB0, 7, 1), output::kSendNotReady);
    e.ticks(5);  // five song notes find the queue full
    EXPECT_EQ(port->dropped(), 6u);
    EXPECT_EQ(e.s().songPosition, 5u);

    port->stalled = false;
    e.ticks(1);
    EXPECT_EQ(port->delivered.size(), capacity + 1);
    EXPECT_EQ(port->queued(), 0u);
}

TEST_F(StalledPortTest, PortThatFailsOutrightLosesTheMessageAndKeepsNothingWaiting) {
    port->broken = true;
    EXPECT_EQ(e.engine.send(Sender::Me, 0xB0, 7, 1), output::kSendNotReady);
    e.ticks(3);
    EXPECT_EQ(port->queued(), 0u);
    EXPECT_EQ(port->dropped(), 4u);
}

}  // namespace
}  // namespace nw::test
