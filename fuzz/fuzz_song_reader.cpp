// Feeds arbitrary bytes to the song reader as a file image of exactly that size.
#include <cstdint>
#include <cstring>
#include <memory>

#include "song_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    static auto *state = new nw::EngineState();
    auto image = std::make_unique<uint8_t[]>(size ? size : 1);
    if (size) std::memcpy(image.get(), data, size);
    nw::SongReadResult r = nw::readSong(image.get(), size, *state);
    if (!r.error && r.records >= nw::kSongLoadLimit) __builtin_trap();
    return 0;
}
