// How loud the built-in synthesizer plays at the program's default settings, measured where a listener
// hears it: on the output of a PulseAudio server, through the engine's C interface. Nothing may reach
// full scale, and each scenario must be clearly heard.
#include <dlfcn.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <functional>
#include <initializer_list>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "monitor_recording.h"
#include "notewire/notewire.h"
#include "pulse_server.h"
#include "song_support.h"

namespace nwtest {
namespace {

using namespace std::chrono_literals;
using nw::test::Bytes;
using nw::test::TempDir;
using nw::test::Track;

// What the program sends with every slider at its default place (thumb 8 of 26; the accompaniment's
// pitch in tune at 16 of 30 and its controller, the accompaniment volume, at 24 of 30).
constexpr int32_t kDefaultMasterVolume = (26 - 8) * 2500;
constexpr int32_t kDefaultSongVelocityScale = (26 - 8) / 3 + 2;
constexpr int32_t kDefaultAccompVelocityScale = (26 - 8) / 3 + 2;
constexpr int32_t kDefaultAccompSpeed = 8 / 4;
constexpr int32_t kDefaultAccompBend = 16 * 4;
constexpr int32_t kDefaultAccompController = 7;
constexpr int32_t kDefaultAccompControllerValue = 24 * 4;
constexpr int kDefaultKeyboardVelocity = 115;  // the performance-volume slider at its default place
// The effect a first start selects layers strings under the acoustic grand piano.
constexpr int kLayerPrograms[] = {0, 48};
// Both hands, five fingers each, on a wide C major chord.
constexpr int kTenKeys[] = {36, 43, 48, 52, 55, 60, 64, 67, 72, 76};

// A song as songs are made: piano chords, a string pad, a bass line and drums, at the loudness
// sequencers write (channel volume 100, velocities up to 120), four bars of C, A minor, F and G.
Bytes fourBarSong() {
    constexpr uint32_t kBeat = 96;
    std::vector<std::pair<uint32_t, std::vector<uint8_t>>> events;
    auto note = [&](uint32_t at, uint32_t length, uint8_t channel, uint8_t key, uint8_t velocity) {
        events.push_back({at, {uint8_t(0x90 | channel), key, velocity}});
        events.push_back({at + length - 1, {uint8_t(0x80 | channel), key, 0}});
    };
    for (uint8_t channel : {0, 1, 2, 9})
        events.push_back({0, {uint8_t(0xB0 | channel), 7, 100}});
    events.push_back({0, {0xC1, 48}});
    events.push_back({0, {0xC2, 33}});
    const uint8_t chords[4][3] = {{60, 64, 67}, {57, 60, 64}, {53, 57, 60}, {55, 59, 62}};
    for (uint32_t bar = 0; bar < 4; ++bar) {
        const uint32_t start = bar * 4 * kBeat;
        const auto &chord = chords[bar];
        for (uint32_t half : {0u, 2 * kBeat})
            for (uint8_t key : {chord[0], chord[1], chord[2], uint8_t(chord[0] + 12)})
                note(start + half, 2 * kBeat, 0, key, 100);
        for (uint8_t key : chord)
            note(start, 4 * kBeat, 1, uint8_t(key - 12), 90);
        for (uint32_t beat = 0; beat < 4; ++beat) {
            note(start + beat * kBeat, kBeat, 2, uint8_t(chord[0] - 24), 110);
            note(start + beat * kBeat, kBeat / 2, 9, beat % 2 ? 38 : 36, 120);
            for (uint32_t eighth : {0u, kBeat / 2})
                note(start + beat * kBeat + eighth, kBeat / 4, 9, 42, 90);
        }
    }
    std::stable_sort(events.begin(), events.end(),
                     [](const auto &a, const auto &b) { return a.first < b.first; });
    Track track;
    uint32_t last = 0;
    for (const auto &[at, bytes] : events) {
        nw::test::appendVlqBytes(track.data, at - last);
        track.data.insert(track.data.end(), bytes.begin(), bytes.end());
        last = at;
    }
    return nw::test::smf({track.end(kBeat)}, uint16_t(kBeat));
}

class SoundLevels : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        server_ = new PulseServer;
        ASSERT_TRUE(server_->running()) << "the PulseAudio server did not start";
        setenv("NOTEWIRE_AUDIO_DRIVER", "pulseaudio", 1);
        unsetenv("NOTEWIRE_AUDIO_FILE");
        unsetenv("NOTEWIRE_CAPTURE");
        library_ = dlopen(NOTEWIRE_LIBRARY_PATH, RTLD_NOW | RTLD_LOCAL);
        ASSERT_NE(library_, nullptr) << dlerror();
        control_ = reinterpret_cast<decltype(&ControlMidiDrv)>(dlsym(library_, "ControlMidiDrv"));
        keyboard_ = reinterpret_cast<decltype(&sME1)>(dlsym(library_, "sME1"));
        ASSERT_TRUE(control_ && keyboard_);
        control_(MDRV_OPEN, 0, nullptr, "");
        control_(MDRV_SET_VOLUME, kDefaultMasterVolume, nullptr, "");
        waitUntilHeard();
    }

    static void TearDownTestSuite() {
        if (control_) control_(MDRV_CLOSE_DEVICE, 0, nullptr, "");
        if (library_) dlclose(library_);
        delete server_;
        control_ = nullptr;
        library_ = nullptr;
        server_ = nullptr;
    }

    // The SoundFont loads beside the open device: until it is in, notes are silent.
    static void waitUntilHeard() {
        MonitorRecording recording(tempDir_.file("probe.raw"));
        for (int attempt = 0; attempt < 60 && measure(recording.samples()).peakDbfs < -60.0; ++attempt) {
            keyboard_(0x90, 60, 40);
            std::this_thread::sleep_for(250ms);
            keyboard_(0x80, 60, 0);
        }
        ASSERT_GT(measure(recording.samples()).peakDbfs, -60.0) << "the synthesizer never sounded";
        recording.stop();
        std::this_thread::sleep_for(2s);  // the probe's release dies away
    }

    // Records while `play` runs and until what it played has died away.
    static Level record(const char *name, const std::function<void()> &play) {
        MonitorRecording recording(tempDir_.file(std::string(name) + ".raw"));
        for (int n = 0; n < 100 && !recording.started(); ++n)
            std::this_thread::sleep_for(50ms);
        play();
        std::this_thread::sleep_for(2s);
        recording.stop();
        const Level level = measure(recording.samples());
        std::printf("[ level    ] %s: peak %.1f dBFS, %ld clipped samples\n", name, level.peakDbfs,
                    level.clippedSamples);
        ::testing::Test::RecordProperty(std::string(name) + " peak dBFS", std::to_string(level.peakDbfs));
        return level;
    }

    static void strike(int key) {
        for (int program : kLayerPrograms) {
            keyboard_(0xC0, program, 0);
            keyboard_(0x90, key, kDefaultKeyboardVelocity);
        }
    }
    static void release(int key) {
        for (int program : kLayerPrograms) {
            (void)program;  // the program releases each layer's note
            keyboard_(0x80, key, 0);
        }
    }

    static void loadSong() {
        const std::string song = tempDir_.write("four-bars.mid", fourBarSong());
        ASSERT_EQ(control_(MDRV_LOAD_SONG, 0, nullptr, song.c_str()), 0);
        control_(MDRV_SET_VOLUME, kDefaultMasterVolume, nullptr, "");
        control_(MDRV_SET_SONG_VELOCITY, kDefaultSongVelocityScale, nullptr, "");
    }
    static void playSongToItsEnd(const std::function<void()> &meanwhile = [] {}) {
        control_(MDRV_START_SONG, 0, nullptr, "");
        meanwhile();
        for (int n = 0; n < 200 && control_(MDRV_GET_SONG_STATE, 0, nullptr, "") == SONG_PLAYING; ++n)
            std::this_thread::sleep_for(50ms);
    }

    // The first shipped pattern, as the panel's second cell starts it.
    static void startAccompaniment() {
        std::ifstream names(PATTERN_NAMES);
        std::string first;
        ASSERT_TRUE(std::getline(names, first)) << "no shipped patterns";
        const std::string path = std::string(PATTERN_DIR) + "/" + first;
        control_(MDRV_STOP_ACCOMP, 0, nullptr, "");
        control_(MDRV_LOAD_ACCOMP, 0, nullptr, path.c_str());
        control_(MDRV_SET_ACCOMP_VELOCITY, kDefaultAccompVelocityScale, nullptr, "");
        control_(MDRV_SET_ACCOMP_SPEED, kDefaultAccompSpeed, nullptr, "");
        control_(MDRV_SET_ACCOMP_BEND, kDefaultAccompBend, nullptr, "");
        control_(MDRV_SET_ACCOMP_CONTROLLER, kDefaultAccompController, nullptr, "");
        control_(MDRV_SET_ACCOMP_CONTROLLER_VALUE, kDefaultAccompControllerValue, nullptr, "");
        control_(MDRV_START_ACCOMP, 0, nullptr, "");
    }
    static void stopAccompaniment() { control_(MDRV_STOP_ACCOMP, 0, nullptr, ""); }

    static void expectCleanAndHeard(const Level &level) {
        EXPECT_EQ(level.clippedSamples, 0);
        EXPECT_LT(level.peakDbfs, -1.0);
        EXPECT_GT(level.peakDbfs, -30.0);
    }

    static inline PulseServer *server_ = nullptr;
    static inline void *library_ = nullptr;
    static inline decltype(&ControlMidiDrv) control_ = nullptr;
    static inline decltype(&sME1) keyboard_ = nullptr;
    static inline TempDir tempDir_;
};

TEST_F(SoundLevels, OneLayeredNote) {
    expectCleanAndHeard(record("one layered note", [] {
        strike(60);
        std::this_thread::sleep_for(2s);
        release(60);
    }));
}

TEST_F(SoundLevels, TenKeyChord) {
    expectCleanAndHeard(record("ten-key chord", [] {
        for (int key : kTenKeys)
            strike(key);
        std::this_thread::sleep_for(2s);
        for (int key : kTenKeys)
            release(key);
    }));
}

TEST_F(SoundLevels, Song) {
    loadSong();
    expectCleanAndHeard(record("song", [] { playSongToItsEnd(); }));
}

TEST_F(SoundLevels, TenKeyChordOverTheSong) {
    loadSong();
    expectCleanAndHeard(record("ten-key chord over the song", [] {
        playSongToItsEnd([] {
            std::this_thread::sleep_for(1s);
            for (int key : kTenKeys)
                strike(key);
            std::this_thread::sleep_for(3s);
            for (int key : kTenKeys)
                release(key);
        });
    }));
}

TEST_F(SoundLevels, Accompaniment) {
    expectCleanAndHeard(record("accompaniment", [] {
        startAccompaniment();
        std::this_thread::sleep_for(4s);
        stopAccompaniment();
    }));
}

// The loudest the defaults get: both hands on the keys over the song and the accompaniment.
TEST_F(SoundLevels, TenKeyChordOverTheSongAndTheAccompaniment) {
    loadSong();
    expectCleanAndHeard(record("ten-key chord over the song and the accompaniment", [] {
        playSongToItsEnd([] {
            startAccompaniment();
            std::this_thread::sleep_for(1s);
            for (int key : kTenKeys)
                strike(key);
            std::this_thread::sleep_for(3s);
            for (int key : kTenKeys)
                release(key);
        });
        stopAccompaniment();
    }));
}

// At their default sliders no part drowns another: a single key, the song and the accompaniment peak
// within 6 dB of each other.
TEST_F(SoundLevels, KeyboardSongAndAccompanimentAreBalanced) {
    const double key = record("balance: one layered note", [] {
                           strike(60);
                           std::this_thread::sleep_for(2s);
                           release(60);
                       }).peakDbfs;
    loadSong();
    const double song = record("balance: song", [] { playSongToItsEnd(); }).peakDbfs;
    const double accomp = record("balance: accompaniment", [] {
                              startAccompaniment();
                              std::this_thread::sleep_for(4s);
                              stopAccompaniment();
                          }).peakDbfs;
    const double loudest = std::max({key, song, accomp}), quietest = std::min({key, song, accomp});
    EXPECT_LE(loudest - quietest, 6.0)
        << "keyboard " << key << ", song " << song << ", accompaniment " << accomp;
}

}  // namespace
}  // namespace nwtest
