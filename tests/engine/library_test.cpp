// The shared library as the program sees it: only the documented symbols, and a working engine behind
// them that starts its clock on open and stops it on unload.
#include <dlfcn.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <set>
#include <string>
#include <thread>

#include "notewire/manual_clock.h"
#include "notewire/notewire.h"
#include "support/capture.h"
#include "support/test_host.h"

namespace nwtest {
namespace {

std::set<std::string> exportedSymbols(const char *library) {
    std::set<std::string> names;
    std::string command = std::string("nm -D --defined-only ") + library;
    FILE *pipe = popen(command.c_str(), "r");
    if (!pipe) return names;
    char line[512];
    while (std::fgets(line, sizeof line, pipe)) {
        std::string text(line);
        text.erase(text.find_last_not_of("\r\n") + 1);
        names.insert(text.substr(text.find_last_of(' ') + 1));
    }
    pclose(pipe);
    return names;
}

TEST(Library, ExportsExactlyTheDocumentedEntryPoints) {
    // The program's entry points (MIDI input's among them), and the hand-driven clock's for tests of the
    // program.
    std::set<std::string> expected = {"ControlMidiDrv",
                                      "sME",
                                      "sME1",
                                      "sME2",
                                      "sME3",
                                      "sME4",
                                      "sME5",
                                      "nwOutputDeviceCount",
                                      "nwOutputDeviceCaps",
                                      "nwAdvanceManualClock",
                                      "nwSelectMidiInput",
                                      "nwMidiInputSourceCount",
                                      "nwMidiInputSourceName"};
    EXPECT_EQ(exportedSymbols(NOTEWIRE_LIBRARY_PATH), expected);
}

TEST(Library, OpenPlaysThroughTheClockAndUnloadStopsIt) {
    CaptureFile capture;
    TestHost host;
    void *lib = dlopen(NOTEWIRE_LIBRARY_PATH, RTLD_NOW | RTLD_LOCAL);
    ASSERT_NE(lib, nullptr) << dlerror();
    auto control = reinterpret_cast<decltype(&ControlMidiDrv)>(dlsym(lib, "ControlMidiDrv"));
    auto send1 = reinterpret_cast<decltype(&sME1)>(dlsym(lib, "sME1"));
    ASSERT_TRUE(control && send1);

    EXPECT_EQ(control(MDRV_OPEN, -1, host.host(), ""), 1);
    EXPECT_EQ(send1(0x90, 60, 100), 0);
    EXPECT_EQ(control(MDRV_START_RECORDING, 0, host.host(), ""), 1);
    // The clock counts the recording time base: a later event carries a delta.
    std::this_thread::sleep_for(std::chrono::milliseconds(60));
    send1(0x80, 60, 0);
    send1(0x90, 62, 100);
    EXPECT_EQ(control(MDRV_GET_BUFFER_COUNT, 0, host.host(), ""), 2);
    EXPECT_EQ(control(MDRV_CLOSE_DEVICE, 0, host.host(), ""), 1);
    dlclose(lib);

    auto messages = capture.messages();
    EXPECT_NE(std::find(messages.begin(), messages.end(), 0x643C95u), messages.end());
    EXPECT_EQ(capture.lines().back().kind, "close");
    EXPECT_EQ(host.postsOf(WM_MDRV_EVENT).size(), 3u);
}

// Asked for at open, the clock moves only when a test advances it: a take recorded with a 100 ms gap
// plays its release only once 100 ms have been advanced.
TEST(Library, HandDrivenClockMovesOnlyWhenAdvanced) {
    CaptureFile capture;
    TestHost host;
    void *lib = dlopen(NOTEWIRE_LIBRARY_PATH, RTLD_NOW | RTLD_LOCAL);
    ASSERT_NE(lib, nullptr) << dlerror();
    auto control = reinterpret_cast<decltype(&ControlMidiDrv)>(dlsym(lib, "ControlMidiDrv"));
    auto send1 = reinterpret_cast<decltype(&sME1)>(dlsym(lib, "sME1"));
    auto advance =
        reinterpret_cast<decltype(&nwAdvanceManualClock)>(dlsym(lib, NOTEWIRE_ADVANCE_MANUAL_CLOCK_SYMBOL));
    ASSERT_TRUE(control && send1 && advance);
    EXPECT_EQ(advance(10), 0) << "no clock before open";

    setenv(NOTEWIRE_MANUAL_CLOCK_VARIABLE, "1", 1);
    control(MDRV_OPEN, -1, host.host(), "");
    unsetenv(NOTEWIRE_MANUAL_CLOCK_VARIABLE);
    control(MDRV_START_RECORDING, 0, host.host(), "");
    send1(0x90, 60, 100);
    EXPECT_EQ(advance(100), 100);
    send1(0x80, 60, 0);
    control(MDRV_STOP_BUFFER, 0, host.host(), "");
    ASSERT_EQ(control(MDRV_GET_BUFFER_COUNT, 0, host.host(), ""), 2);

    capture.clear();
    control(MDRV_PLAY_BUFFER, 0, host.host(), "");
    advance(50);
    // The take plays on whichever channel the engine gives the keyboard.
    const auto heard = [&capture](bool press) {
        const auto messages = capture.messages();
        return std::any_of(messages.begin(), messages.end(), [press](uint32_t m) {
            const bool noteOn = (m & 0xF0) == 0x90 && (m >> 16) != 0;
            const bool noteOff = (m & 0xF0) == 0x80 || ((m & 0xF0) == 0x90 && (m >> 16) == 0);
            return ((m >> 8) & 0xFF) == 60 && (press ? noteOn : noteOff);
        });
    };
    EXPECT_TRUE(heard(true)) << "the press at the start of the take";
    EXPECT_FALSE(heard(false)) << "the release lies 100 ms in";
    advance(60);
    EXPECT_TRUE(heard(false));
    EXPECT_EQ(advance(-1), 0);
    control(MDRV_CLOSE_DEVICE, 0, host.host(), "");
    dlclose(lib);
}

}  // namespace
}  // namespace nwtest
