// Which channels the keyboard and the accompaniment get around a song.
#include <gtest/gtest.h>

#include "support/engine_fixture.h"

namespace nwtest {
namespace {

struct AllocationCase {
    const char *name;
    std::vector<int> songChannels;
    uint8_t accomp, keyboard;
};

TEST(ChannelAllocation, AroundTheSongsChannels) {
    const AllocationCase cases[] = {
        {"song on 0..3 and 9", {0, 1, 2, 3, 9}, 4, 5},
        {"song on every channel", {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15}, 14, 15},
        {"one free channel", {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 15}, 14, 15},
        {"no song", {}, 0, 1},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        auto s = std::make_unique<nw::EngineState>();
        for (auto &role : s->roles)
            role = CH_FREE;
        for (int ch : c.songChannels)
            s->roles[ch] = CH_SONG;
        EXPECT_EQ(nw::allocateAccompChannel(*s), c.accomp);
        EXPECT_EQ(nw::allocateKeyboardChannel(*s), c.keyboard);
        EXPECT_EQ(s->accompChannel, c.accomp);
        EXPECT_EQ(s->keyboardChannel, c.keyboard);
        EXPECT_EQ(s->roles[c.accomp], CH_ACCOMP);
        EXPECT_EQ(s->roles[c.keyboard], CH_KEYBOARD);
    }
}

TEST(ChannelAllocation, FallbacksAvoidTheOtherRole) {
    auto s = std::make_unique<nw::EngineState>();
    for (auto &role : s->roles)
        role = CH_SONG;
    s->roles[15] = CH_ACCOMP;
    EXPECT_EQ(nw::allocateKeyboardChannel(*s), 14);
    for (auto &role : s->roles)
        role = CH_SONG;
    s->roles[14] = CH_KEYBOARD;
    EXPECT_EQ(nw::allocateAccompChannel(*s), 15);
}

class KeyboardChannelCommand : public EngineTest {};

TEST_F(KeyboardChannelCommand, AllocatingTwiceMarksTwoChannels) {
    open();
    EXPECT_EQ(cmd(MDRV_ALLOC_KEYBOARD_CHANNEL), 1);
    EXPECT_EQ(cmd(MDRV_ALLOC_KEYBOARD_CHANNEL), 2);
    int marked = 0;
    for (int c = 0; c < 16; ++c)
        marked += cmd(MDRV_GET_CHANNEL_ROLE, c) == CH_KEYBOARD;
    EXPECT_EQ(marked, 3);  // 5 from the open, then 1 and 2
    EXPECT_EQ(s().keyboardChannel, 2);
}

}  // namespace
}  // namespace nwtest
