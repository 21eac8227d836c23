// Feeds arbitrary bytes to the take file reader.
#include <cstdint>
#include <cstring>
#include <memory>

#include "take_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    static auto *pattern = new nw::EngineEvent[nw::kPatternCapacity];
    auto image = std::make_unique<uint8_t[]>(size ? size : 1);
    if (size) std::memcpy(image.get(), data, size);
    long n = nw::parseTakeFile(image.get(), size, pattern, nw::kPatternCapacity);
    if (n > long(nw::kPatternCapacity)) __builtin_trap();
    return 0;
}
