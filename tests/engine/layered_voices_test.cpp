// The built-in synthesizer's layers: two programs struck on one key of one channel sound together.
// The synthesizer here renders nothing, so no voice ends by itself and the counts stay put.
#include <fluidsynth.h>
#include <gtest/gtest.h>

#include "output/output.h"
#include "output/synth_player.h"

namespace nwtest {
namespace {

constexpr int kPiano = 0;
constexpr int kStrings = 48;
constexpr int kKey = 60;

uint32_t msg(int status, int d1, int d2 = 0) {
    return uint32_t(status | d1 << 8 | d2 << 16);
}

class LayeredVoices : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        settings_ = new_fluid_settings();
        synth_ = new_fluid_synth(settings_);
        ASSERT_NE(fluid_synth_sfload(synth_, nw::output::soundFontPath().c_str(), 1), FLUID_FAILED)
            << "the General MIDI SoundFont is a dependency of the build";
    }
    static void TearDownTestSuite() {
        delete_fluid_synth(synth_);
        delete_fluid_settings(settings_);
    }
    void SetUp() override { fluid_synth_system_reset(synth_); }

    // Voices sounding on a channel and not yet released.
    static int held(int channel) {
        fluid_voice_t *voices[512] = {};
        fluid_synth_get_voicelist(synth_, voices, 512, -1);
        int n = 0;
        for (fluid_voice_t *v : voices)
            if (v && fluid_voice_get_channel(v) == channel && fluid_voice_is_on(v)) ++n;
        return n;
    }

    // Strikes the key on a channel with each program in turn, as a layer effect does.
    void strike(nw::output::SynthPlayer &player, int channel, std::initializer_list<int> programs) {
        for (int program : programs) {
            player.send(msg(0xC0 | channel, program));
            player.send(msg(0x90 | channel, kKey, 100));
        }
    }

    static fluid_settings_t *settings_;
    static fluid_synth_t *synth_;
};

fluid_settings_t *LayeredVoices::settings_ = nullptr;
fluid_synth_t *LayeredVoices::synth_ = nullptr;

TEST_F(LayeredVoices, BothLayersSoundEachVoiceOnceAndOneReleaseEndsThem) {
    nw::output::SynthPlayer player(synth_);
    strike(player, 0, {kPiano});
    strike(player, 1, {kStrings});
    const int piano = held(0), strings = held(1);
    ASSERT_GT(piano, 0);
    ASSERT_GT(strings, 0);

    strike(player, 2, {kPiano, kStrings});
    EXPECT_EQ(held(2), piano + strings);
    EXPECT_EQ(fluid_synth_get_active_voice_count(synth_), 2 * (piano + strings));

    player.send(msg(0x82, kKey, 64));
    EXPECT_EQ(held(2), 0);
    // The key struck again with both programs layers afresh.
    strike(player, 2, {kPiano, kStrings});
    EXPECT_EQ(held(2), piano + strings);
    player.send(msg(0x92, kKey, 0));  // a note-on of velocity 0 releases as well
    EXPECT_EQ(held(2), 0);
}

TEST_F(LayeredVoices, TheSameProgramStruckAgainRestartsTheNote) {
    nw::output::SynthPlayer player(synth_);
    strike(player, 0, {kPiano});
    const int piano = held(0);
    strike(player, 0, {kPiano});
    EXPECT_EQ(held(0), piano);
}

}  // namespace
}  // namespace nwtest
