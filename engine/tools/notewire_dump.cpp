// notewire-dump: loads a standard MIDI file the way the engine does and prints its song store.
//   notewire-dump [--summary] FILE
//   notewire-dump --take FILE
// First line "# tracks=T division=D events=E", then per record "TICK STATUS DATA1 DATA2 [TEMPO]" with
// TICK the absolute tick. With --take the file is loaded as an accompaniment pattern (a take file):
// "# take events=E", then per record "DELTA STATUS DATA1 DATA2". A refused file prints the engine's
// message on stderr and exits with 1.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>

#include "engine.h"

namespace {

struct DumpHost {
    bool refused = false;
};

int32_t showMessage(void *context, const char *text, const char *, uint32_t style) {
    static_cast<DumpHost *>(context)->refused = true;
    std::fprintf(stderr, "%s\n", text);
    return (style & 0xF) == NW_MB_YESNO ? NW_IDNO : NW_IDOK;
}

}  // namespace

int main(int argc, char **argv) {
    const bool summary = argc == 3 && std::strcmp(argv[1], "--summary") == 0;
    const bool take = argc == 3 && std::strcmp(argv[1], "--take") == 0;
    if (argc != 2 && !summary && !take) {
        std::fprintf(stderr, "usage: notewire-dump [--summary | --take] FILE\n");
        return 2;
    }
    const char *path = argv[argc - 1];

    // No sound is made: the device is a capture sink that writes nowhere.
    setenv("NOTEWIRE_CAPTURE", "/dev/null", 1);
    auto state = std::make_unique<nw::EngineState>();
    nw::Engine engine(*state, nw::Engine::ClockMode::Manual);
    DumpHost host;
    const NwHost callbacks{&host, nullptr, showMessage};
    engine.command(MDRV_OPEN, 0, &callbacks, "");
    if (host.refused) return 1;
    const nw::EngineState &s = engine.state();
    if (take) {
        engine.command(MDRV_LOAD_ACCOMP, 0, nullptr, path);
        if (host.refused) return 1;
        std::printf("# take events=%u\n", s.patternLength);
        for (uint32_t i = 0; i < s.patternLength; ++i) {
            const nw::EngineEvent &e = s.pattern[i];
            std::printf("%u %02X %u %u\n", e.delta, e.status, e.data1, e.data2);
        }
        return 0;
    }
    engine.command(MDRV_LOAD_SONG, 0, nullptr, path);
    if (host.refused) return 1;

    std::printf("# tracks=%u division=%u events=%u\n", unsigned(s.songTracks), s.division, s.songLength);
    if (summary) return 0;
    uint64_t tick = 0;
    for (uint32_t i = 0; i < s.songLength; ++i) {
        const nw::EngineEvent &e = s.song[i];
        tick += e.delta;
        if (e.status == 0xFF && e.data1 == 0x51)
            std::printf("%llu %02X %u %u %u\n", (unsigned long long)tick, e.status, e.data1, e.data2,
                        e.tempo);
        else
            std::printf("%llu %02X %u %u\n", (unsigned long long)tick, e.status, e.data1, e.data2);
    }
    return 0;
}
