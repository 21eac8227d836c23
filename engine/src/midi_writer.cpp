#include "midi_writer.h"

#include <cstddef>

namespace nw {
namespace {

void putBe32(uint8_t *p, uint32_t v) {
    p[0] = uint8_t(v >> 24);
    p[1] = uint8_t(v >> 16);
    p[2] = uint8_t(v >> 8);
    p[3] = uint8_t(v);
}

constexpr uint8_t kHeader[22] = {'M', 'T', 'h', 'd', 0,   0,   0,   6, 0, 1, 0,
                                 1,   0,   120, 'M', 'T', 'r', 'k', 0, 0, 0, 0};
constexpr size_t kTrackLengthOffset = 18;

}  // namespace

void appendVlq(std::vector<uint8_t> &out, uint32_t value) {
    if (value > kMaxVlq) value = kMaxVlq;
    if (value > 0x1FFFFF) out.push_back(uint8_t(value >> 21 | 0x80));
    if (value > 0x3FFF) out.push_back(uint8_t((value >> 14 & 0x7F) | 0x80));
    if (value > 0x7F) out.push_back(uint8_t((value >> 7 & 0x7F) | 0x80));
    out.push_back(uint8_t(value & 0x7F));
}

std::vector<uint8_t> buildMidiFile(const EngineEvent *events, uint32_t count) {
    std::vector<uint8_t> out(kHeader, kHeader + sizeof kHeader);
    out.reserve(sizeof kHeader + size_t(count) * 7 + 4);
    uint64_t carried = 0;  // time of left-out events
    for (uint32_t i = 0; i < count; ++i) {
        const EngineEvent &e = events[i];
        carried += e.delta;
        if (e.status < 0x80 || e.status >= 0xF0) continue;
        appendVlq(out, carried > kMaxVlq ? kMaxVlq : uint32_t(carried));
        carried = 0;
        out.push_back(e.status);
        out.push_back(e.data1);
        if (e.status < 0xC0 || e.status > 0xDF) out.push_back(e.data2);
    }
    appendVlq(out, 0);
    for (uint8_t b : {0xFF, 0x2F, 0x00})
        out.push_back(b);
    putBe32(out.data() + kTrackLengthOffset, uint32_t(out.size() - sizeof kHeader));
    return out;
}

}  // namespace nw
