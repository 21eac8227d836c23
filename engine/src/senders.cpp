// The five send routines and the six exported senders. Every message that leaves the engine goes
// through route(), which is also the one place that refuses malformed messages: a data byte of 0x80 or
// more would be read by a device as a new status, so such a message is neither recorded, reported nor sent.
#include "engine.h"

namespace nw {
namespace {

bool records(Route r) {
    return r == Route::Recording || r == Route::RecordingPosting;
}
bool posts(Route r) {
    return r != Route::Silent;
}
bool echoes(Route r) {
    return r == Route::Plain || r == Route::Recording;
}

int dataBytes(uint8_t status) {
    if (status < 0xF0) return (status & 0xE0) == 0xC0 ? 1 : 2;  // 0xC0 and 0xD0 carry one
    switch (status) {
        case 0xF1:
        case 0xF3:
            return 1;
        case 0xF2:
            return 2;
        case 0xF6:
        case 0xF8:
        case 0xFA:
        case 0xFB:
        case 0xFC:
        case 0xFE:
        case 0xFF:
            return 0;
        default:
            return -1;  // system exclusive and undefined codes are not short messages
    }
}

uint8_t withChannel(uint8_t status, uint8_t channel) {
    return uint8_t((status & 0xF0) + channel);
}

}  // namespace

bool isValidShortMessage(uint32_t packed) {
    uint8_t status = packed & 0xFF;
    if (status < 0x80 || (packed >> 24) != 0) return false;
    int n = dataBytes(status);
    if (n < 0) return false;
    if (n >= 1 && (packed >> 8 & 0xFF) >= 0x80) return false;
    if (n >= 2 && (packed >> 16 & 0xFF) >= 0x80) return false;
    return true;
}

void Engine::appendToBuffer(uint8_t status, uint8_t data1, uint8_t data2) {
    if (s_.bufferState != BUF_RECORDING || s_.recordCount > kRecordLastIndex) return;
    EngineEvent &e = s_.buffer[s_.recordCount];
    e.delta = s_.recordTicks / 4;
    e.status = status;
    e.data1 = data1;
    e.data2 = data2;
    s_.recordTicks = 0;
    ++s_.recordCount;
}

int32_t Engine::route(Route r, uint8_t status, uint8_t data1, uint8_t data2) {
    uint32_t packed = pack(status, data1, data2);
    if (!isValidShortMessage(packed)) return kSendInvalidData;
    if (records(r)) appendToBuffer(status, data1, data2);
    if (posts(r)) post(WM_MDRV_EVENT, 1, packed);
    if (echoes(r) && s_.echo == 1 && status >= 0x80 && status <= 0x9F) post(WM_MDRV_KEYS, 1, packed);
    return out_ ? out_->send(packed) : kSendNoDevice;
}

int32_t Engine::sendExportLocked(Sender sender, uint8_t status, uint8_t data1, uint8_t data2) {
    switch (sender) {
        case Sender::Me:
            return route(Route::Plain, status, data1, data2);
        case Sender::Me1:
            return route(Route::RecordingPosting, withChannel(status, s_.keyboardChannel), data1, data2);
        case Sender::Me2:
            return route(s_.recordAccomp ? Route::RecordingPosting : Route::Posting,
                         withChannel(status, s_.accompChannel), data1, data2);
        case Sender::Me3:
            return route(Route::Silent, withChannel(status, s_.accompChannel), data1, data2);
        case Sender::Me4:
            return route(Route::RecordingPosting, status, data1, data2);
        case Sender::Me5:
            return route(Route::Silent, withChannel(status, s_.keyboardChannel), data1, data2);
    }
    return kSendInvalidData;
}

int32_t Engine::send(Sender sender, int32_t status, int32_t data1, int32_t data2) {
    std::lock_guard<std::mutex> guard(mutex_);
    return sendExportLocked(sender, uint8_t(status), uint8_t(data1), uint8_t(data2));
}

}  // namespace nw
