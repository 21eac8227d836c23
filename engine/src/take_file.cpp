#include "take_file.h"

namespace nw {
namespace {

void putLe32(uint8_t *p, uint32_t v) {
    for (int i = 0; i < 4; ++i)
        p[i] = uint8_t(v >> (8 * i));
}
uint32_t le32(const uint8_t *p) {
    return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
}

}  // namespace

std::vector<uint8_t> buildTakeFile(const EngineEvent *events, uint32_t count) {
    std::vector<uint8_t> out(kTakeHeaderSize + size_t(count) * kTakeRecordSize);
    out[0] = 0x02;
    out[1] = 0x04;
    putLe32(&out[2], 60000);
    putLe32(&out[6], uint32_t(count * kTakeRecordSize));
    uint8_t *p = out.data() + kTakeHeaderSize;
    for (uint32_t i = 0; i < count; ++i, p += kTakeRecordSize) {
        putLe32(p, events[i].delta);
        p[4] = events[i].status;
        p[5] = events[i].data1;
        p[6] = events[i].data2;
    }
    return out;
}

long parseTakeFile(const uint8_t *image, size_t size, EngineEvent *pattern, uint32_t capacity) {
    if (size < kTakeHeaderSize) return -1;
    const uint64_t length = le32(image + 6);
    const uint8_t *p = image + kTakeHeaderSize;
    const uint8_t *end = image + size;
    uint32_t n = 0;
    for (uint64_t consumed = 0; consumed < length && n < capacity && end - p >= long(kTakeRecordSize);
         consumed += kTakeRecordSize, p += kTakeRecordSize) {
        EngineEvent &e = pattern[n++];
        e.delta = le32(p);
        e.status = p[4];
        e.data1 = p[5];
        e.data2 = p[6];
    }
    return long(n);
}

}  // namespace nw
