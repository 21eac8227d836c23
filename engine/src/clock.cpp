// The 1 ms tick: song, buffer and accompaniment sections, and the note rings that let the engine silence
// what sounds.
#include <algorithm>

#include "engine.h"

namespace nw {
namespace {

bool isNoteOn(uint8_t status) {
    return status >= 0x90 && status <= 0x9F;
}
bool isNoteOff(uint8_t status) {
    return status >= 0x80 && status <= 0x8F;
}
bool isProgramChange(uint8_t status) {
    return status >= 0xC0 && status <= 0xCF;
}
bool isController(uint8_t status) {
    return status >= 0xB0 && status <= 0xBF;
}

uint32_t packedEvent(const EngineEvent &e) {
    return uint32_t(e.status) | uint32_t(e.data1) << 8 | uint32_t(e.data2) << 16 | uint32_t(e.spare) << 24;
}

// (velocity / 10) x scale, kept a valid loudness instead of wrapping past 255.
uint8_t scaledVelocity(uint8_t velocity, int32_t scale) {
    int64_t v = int64_t(velocity / 10) * scale;
    return uint8_t(std::clamp<int64_t>(v, 0, 127));
}

// Song ring slots cycle 3..199 then 2; buffer and accompaniment rings 1..91 then 2.
template <int N>
uint16_t advanceCursor(NoteRing<N> &ring) {
    if constexpr (N == 200) {
        ring.cursor = ring.cursor >= 199 ? 2 : uint16_t(ring.cursor + 1);
    } else {
        ring.cursor = ring.cursor <= 90 ? uint16_t(ring.cursor + 1) : 2;
    }
    return ring.cursor;
}

}  // namespace

// A note-on takes the next slot; a note still held there is released first.
template <int N, typename Silence>
static void storeInRing(NoteRing<N> &ring, uint8_t status, uint8_t note, Silence silence) {
    uint16_t &slot = ring.slot[advanceCursor(ring)];
    if (slot) silence(uint8_t(slot >> 8), uint8_t(slot & 0xFF));
    slot = uint16_t(status << 8 | note);
}

template <int N, typename Silence>
static void silenceRing(NoteRing<N> &ring, Silence silence) {
    for (uint16_t &slot : ring.slot) {
        if (!slot) continue;
        silence(uint8_t(slot >> 8), uint8_t(slot & 0xFF));
        slot = 0;
    }
}

void Engine::silenceSongRing() {
    silenceRing(s_.songRing, [this](uint8_t st, uint8_t note) { route(Route::Plain, st, note, 0); });
}

void Engine::silenceBufferRing() {
    silenceRing(s_.bufferRing, [this](uint8_t st, uint8_t note) { route(Route::Plain, st, note, 0); });
}

void Engine::silenceAccompRing() {
    silenceRing(s_.accompRing,
                [this](uint8_t st, uint8_t note) { sendExportLocked(Sender::Me3, st, note, 0); });
}

// The 16-bit bend word, centred on 0x4000, as a 14-bit bend centred on 0x2000.
void Engine::sendSongBend(uint8_t channel, Route r) {
    uint32_t bend = std::min<uint32_t>(s_.bendWord >> 1, 0x3FFF);
    route(r, uint8_t(0xE0 + channel), uint8_t(bend & 0x7F), uint8_t(bend >> 7));
}

bool Engine::songSection() {
    if (s_.songState != SONG_PLAYING || songStoreBusy_) return true;
    if (s_.songWait > 0) {
        --s_.songWait;
        return true;
    }
    const Route songRoute = s_.recordSong ? Route::Recording : Route::Plain;
    for (;;) {
        if (s_.songPosition >= s_.songLength) {
            silenceSongRing();
            s_.songState = SONG_STOPPED;
            s_.songPosition = 0;
            return false;
        }
        EngineEvent &e = s_.song[s_.songPosition];
        const uint8_t status = e.status;
        const uint8_t c = status & 0x0F;
        if (isProgramChange(status)) {
            s_.songPrograms[c] = e.data1;
            post(WM_MDRV_EVENT, 2, packedEvent(e));
            if (s_.programMode != PROG_USER) s_.channelPrograms[c] = s_.songPrograms[c];
        }
        if (isController(status)) {
            // Bank select and expression reach the device as controller 3.
            if (e.data1 == 0) e.data1 = 3;
            post(WM_MDRV_EVENT, 3, packedEvent(e));
            if (e.data1 == 11) e.data1 = 3;
        }
        if (status == 0xFF && e.data1 == 0x51) s_.tempo = e.tempo;

        if (s_.roles[c] == CH_SONG) {
            if (s_.bendWord != s_.bendCache[c]) {
                sendSongBend(c, songRoute);
                s_.bendCache[c] = s_.bendWord;
            }
            if (s_.programMode == PROG_USER)
                route(songRoute, uint8_t(0xC0 + c), s_.channelPrograms[c] & 0x7F, 0);
            uint8_t data2 = e.data2;
            if (isNoteOn(status)) {
                data2 = scaledVelocity(e.data2, s_.songVelocityScale);
                storeInRing(s_.songRing, status, e.data1,
                            [this](uint8_t st, uint8_t note) { route(Route::Plain, st, note, 0); });
            }
            if (status <= 0xEF) route(songRoute, status, e.data1, data2);
        } else if (isNoteOn(status) && e.data2 == 0) {
            route(Route::Recording, status, e.data1, 0);  // releases still go out, so nothing hangs
        } else if (isNoteOff(status)) {
            route(Route::Recording, status, e.data1, e.data2);
        }

        ++s_.songPosition;
        if (s_.songPosition >= s_.songLength) continue;
        const uint32_t delta = s_.song[s_.songPosition].delta;
        if (delta == 0 && s_.songState == SONG_PLAYING) continue;
        // Integer steps in this order; the truncations are part of the song's timing.
        s_.songWait = (s_.division && s_.speed) ? ((s_.tempo / 200) / s_.division * delta) / s_.speed : 0;
        return true;
    }
}

void Engine::bufferSection() {
    if (s_.bufferState == BUF_RECORDING) {
        ++s_.recordTicks;
        return;
    }
    if (s_.bufferState != BUF_PLAYING || s_.recordCount == 0) return;
    if (s_.bufferWait > 0) {
        --s_.bufferWait;
        return;
    }
    for (;;) {
        if (s_.bufferPosition >= s_.recordCount) {
            silenceBufferRing();
            s_.bufferState = BUF_IDLE;
            return;
        }
        const EngineEvent &e = s_.buffer[s_.bufferPosition];
        if (isNoteOn(e.status))
            storeInRing(s_.bufferRing, e.status, e.data1,
                        [this](uint8_t st, uint8_t note) { route(Route::Plain, st, note, 0); });
        route(Route::Plain, e.status, e.data1, e.data2);
        ++s_.bufferPosition;
        if (s_.bufferPosition >= s_.recordCount) continue;
        const uint32_t delta = s_.buffer[s_.bufferPosition].delta;
        if (delta == 0) continue;
        s_.bufferWait = delta * 20 / 5;
        return;
    }
}

void Engine::accompSection() {
    if (s_.accompState == ACC_STOPPED) {
        s_.accompWait = 0;
        return;
    }
    if (s_.accompState != ACC_RUNNING || s_.patternLength == 0) return;
    if (s_.accompWait > 0) {
        --s_.accompWait;
        return;
    }
    auto me2 = [this](uint8_t st, uint8_t d1, uint8_t d2) { sendExportLocked(Sender::Me2, st, d1, d2); };
    auto me3 = [this](uint8_t st, uint8_t d1, uint8_t d2) { sendExportLocked(Sender::Me3, st, d1, d2); };
    // A pattern whose events all fall together would never give the tick back: play at most one pass.
    for (uint32_t played = 0; played < s_.patternLength; ++played) {
        if (s_.patternPosition >= s_.patternLength) {
            silenceAccompRing();
            s_.patternPosition = 0;
        }
        if (s_.accompBend != s_.accompBendCache) {
            me2(0xE0, s_.accompBend, s_.accompBend);
            s_.accompBendCache = s_.accompBend;
        }
        if (s_.accompControllerValue != s_.accompControllerValueCache) {
            me2(0xB0, s_.accompControllerNumber, s_.accompControllerValue);
            s_.accompControllerValueCache = s_.accompControllerValue;
        }
        if (s_.accompControllerNumber != s_.accompControllerNumberCache) {
            me2(0xB0, s_.accompControllerNumber, s_.accompControllerValue);
            s_.accompControllerNumberCache = s_.accompControllerNumber;
        }
        if (s_.accompProgramFlag == 1) {
            me2(0xC0, s_.accompProgram, 0);
            s_.patternProgram = s_.accompProgram;
        }
        const EngineEvent &e = s_.pattern[s_.patternPosition];
        if (isProgramChange(e.status)) s_.patternProgram = e.data1;
        uint8_t data2 = e.data2;
        if (isNoteOn(e.status)) {
            storeInRing(s_.accompRing, e.status, e.data1,
                        [&](uint8_t st, uint8_t note) { me3(st, note, 0); });
            // Volume and expression are reset for each note, except the one the accompaniment
            // controller slider drives: it keeps the slider's value, or the slider would not be heard.
            me3(0xB0, 7, s_.accompControllerNumber == 7 ? s_.accompControllerValue : 127);
            me3(0xB0, 10, kAccompPan);
            me3(0xB0, 11, s_.accompControllerNumber == 11 ? s_.accompControllerValue : 127);
            me2(0xC0, s_.patternProgram, 0);
            data2 = scaledVelocity(e.data2, s_.accompVelocityScale);
            if (e.data2 != 0) {
                ++s_.accompNoteCounter;
                post(WM_MDRV_ACCOMP_NOTE, uint32_t(s_.accompNoteCounter), 100);
                if (s_.accompNoteCounter == 4) s_.accompNoteCounter = 0;
            }
        }
        me2(e.status, e.data1, data2);
        ++s_.patternPosition;
        const uint32_t delta =
            s_.patternPosition < s_.patternLength ? s_.pattern[s_.patternPosition].delta : 0;
        if (delta != 0) {
            s_.accompWait = delta * 20 / (uint32_t(s_.accompSpeed) + 2);
            return;
        }
    }
    // A whole pass went by in this tick. The pattern goes on after the delta of the record it resumes
    // at, so a one-note pattern repeats at its own pace instead of firing its note every millisecond. A
    // pass that takes no time at all (a take saved right after recording began holds nothing but its
    // program changes) waits a floor instead, or it would flood the device and the host every tick.
    const uint32_t resume = s_.patternPosition < s_.patternLength ? s_.patternPosition : 0;
    s_.accompWait = s_.pattern[resume].delta * 20 / (uint32_t(s_.accompSpeed) + 2);
    if (s_.accompWait == 0) s_.accompWait = kTimelessPatternWait;
}

}  // namespace nw
