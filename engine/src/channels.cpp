// Channel roles: who plays on which of the 16 channels.
#include "engine.h"

namespace nw {
namespace {

int lowestFree(const EngineState &s) {
    for (int c = 0; c < 16; ++c)
        if (s.roles[c] == CH_FREE) return c;
    return -1;
}

}  // namespace

void resetRolesAtOpen(EngineState &s) {
    for (auto &role : s.roles)
        role = CH_FREE;
    s.roles[5] = CH_KEYBOARD;
    s.roles[0] = CH_ACCOMP;
    s.roles[10] = CH_REPLAY;
    s.keyboardChannel = 5;
    s.accompChannel = 0;
}

// When every channel is taken, the keyboard takes 15 (or 14 when the accompaniment sits on 15) over
// whatever role that channel had.
uint8_t allocateKeyboardChannel(EngineState &s) {
    int c = lowestFree(s);
    if (c < 0) c = s.roles[15] == CH_ACCOMP ? 14 : 15;
    s.roles[c] = CH_KEYBOARD;
    s.keyboardChannel = uint8_t(c);
    return uint8_t(c);
}

uint8_t allocateAccompChannel(EngineState &s) {
    int c = lowestFree(s);
    if (c < 0) c = s.roles[14] == CH_KEYBOARD ? 15 : 14;
    s.roles[c] = CH_ACCOMP;
    s.accompChannel = uint8_t(c);
    return uint8_t(c);
}

}  // namespace nw
