// The built-in synthesizer's failures reach the user through the host's message box, once, and opening
// the device again tries again. Each case runs in a fresh process, as the synthesizer is made once per
// process.
#include <gtest/gtest.h>

#include "output/output.h"
#include "song_support.h"

namespace nw::test {
namespace {

constexpr const char *kRealSoundFont = "/usr/share/sounds/sf2/FluidR3_GM.sf2";

// Runs `scenario` in a fresh process; it returns 0, or the number of the step that went wrong.
void inFreshProcess(int (*scenario)()) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(std::_Exit(scenario()), ::testing::ExitedWithCode(0), "");
}

int soundFontThatIsNoSoundFont() {
    TempDir dir;
    const std::string notAFont =
        dir.write("piano.sf2", Bytes{'n', 'o', 't', ' ', 'a', ' ', 'f', 'o', 'n', 't'});
    setenv("NOTEWIRE_SOUNDFONT", notAFont.c_str(), 1);
    setenv("NOTEWIRE_AUDIO_DRIVER", "file", 1);
    setenv("NOTEWIRE_AUDIO_FILE", "/dev/null", 1);
    ManualEngine e(false);
    e.command(MDRV_OPEN, 0);
    if (e.host.boxes.size() != 1) return 1;
    if (e.host.boxes[0].caption != "设备错误" || e.host.boxes[0].text.find(notAFont) == std::string::npos)
        return 2;

    e.command(MDRV_SELECT_DEVICE, 0);  // tried again, failing the same way: not told twice
    if (e.host.boxes.size() != 1) return 3;

    setenv("NOTEWIRE_SOUNDFONT", kRealSoundFont, 1);
    e.command(MDRV_SELECT_DEVICE, 0);
    output::settle();
    if (!output::synthSoundFontLoaded()) return 4;
    if (e.host.boxes.size() != 1 || !output::takeFailure().empty()) return 5;
    return e.engine.deviceOpen() ? 0 : 6;
}

int audioOutputThatCannotStart() {
    setenv("NOTEWIRE_SOUNDFONT", kRealSoundFont, 1);
    setenv("NOTEWIRE_AUDIO_DRIVER", "no-such-driver", 1);
    ManualEngine e(false);
    e.command(MDRV_OPEN, 0);
    if (e.host.boxes.size() != 1 || e.host.boxes[0].caption != "设备错误") return 1;
    if (e.engine.deviceOpen()) return 2;

    setenv("NOTEWIRE_AUDIO_DRIVER", "file", 1);
    setenv("NOTEWIRE_AUDIO_FILE", "/dev/null", 1);
    e.command(MDRV_SELECT_DEVICE, 0);
    if (!e.engine.deviceOpen()) return 3;
    return e.host.boxes.size() == 1 ? 0 : 4;
}

TEST(SynthFailures, SoundFontThatIsNoSoundFontIsToldOnceAndTriedAgainWhenTheDeviceIsChosen) {
    inFreshProcess(soundFontThatIsNoSoundFont);
}

TEST(SynthFailures, AudioOutputThatCannotStartFailsTheOpenAndIsTriedAgain) {
    inFreshProcess(audioOutputThatCannotStart);
}

}  // namespace
}  // namespace nw::test
