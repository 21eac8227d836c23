// The shipped key map: the keyboard plays as an instrument from the first start.
#include <gtest/gtest.h>

#include <QFileInfo>
#include <set>

#include "keyboard_state.h"

namespace {

TEST(ShippedKeyMap, LaysTheKeyboardOutAsFiveOctaves) {
    ASSERT_EQ(QFileInfo(SHIPPED_KEY).size(), piano::kKeyFileSize);
    piano::KeyboardState state;
    ASSERT_NE(piano::LoadKeyboardState(state, SHIPPED_KEY), piano::KeyFileLoad::CreatedDefault);

    auto pitchOf = [&](int code) { return state.slotPitch(state.keyFunction(code) + 1); };
    struct {
        int code;
        int pitch;
    } notes[] = {{0x70, 36}, {'Z', 48},  {'S', 49},  {0xBF, 64}, {'Q', 60},
                 {'2', 61},  {0xDD, 79}, {0xDC, 80}, {0x60, 81}, {0x6F, 95}};
    for (auto n : notes)
        EXPECT_EQ(pitchOf(n.code), n.pitch) << "key " << n.code;

    std::set<int> playedSlots;
    for (int code = 0; code < piano::kKeyCodeCount; ++code) {
        int f = state.keyFunction(code);
        EXPECT_TRUE(f < 80 || f == 0xFF) << "key " << code;
        if (f < 60) playedSlots.insert(f + 1);
    }
    EXPECT_EQ(playedSlots.size(), 60u);  // every slot has a key
    for (int silent : {0x10, 0x11, 0x12, 0x1B, 0x20, 0x0D, 0x09})
        EXPECT_EQ(state.keyFunction(silent), 0xFF) << "key " << silent;
    EXPECT_EQ(state.keyFunction(0x2D), piano::kFirstButtonSelect);
    EXPECT_EQ(state.keyFunction(0x27), piano::kLastControllerStep);
}

// A first start selects effect 8: the keyboard first sounds as a piano, with a second voice beneath.
TEST(ShippedKeyMap, LayersAreDistinctAndTheFirstStartOneIsLedByTheGrandPiano) {
    piano::KeyboardState state;
    ASSERT_NE(piano::LoadKeyboardState(state, SHIPPED_KEY), piano::KeyFileLoad::CreatedDefault);
    constexpr int kAcousticGrandPiano = 0;
    EXPECT_EQ(state.chordVoice1(8), kAcousticGrandPiano);
    EXPECT_NE(state.chordVoice2(8), kAcousticGrandPiano);
    std::set<std::pair<int, int>> layers;
    for (int effect = 6; effect <= 11; ++effect) {
        EXPECT_NE(state.chordVoice1(effect), state.chordVoice2(effect)) << "effect " << effect;
        layers.insert({state.chordVoice1(effect), state.chordVoice2(effect)});
    }
    EXPECT_EQ(layers.size(), 6u);
}

}  // namespace
