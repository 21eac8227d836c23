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
    std::set<std::string> expected = {
        "ControlMidiDrv",    "sME", "sME1", "sME2", "sME3", "sME4", "sME5", "nwOutputDeviceCount",
        "nwOutputDeviceCaps"};
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

}  // namespace
}  // namespace nwtest
