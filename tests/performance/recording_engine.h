#pragma once
// A stand-in for the engine's three entry points that records every call, and a canvas that records
// every key picture drawn.
#include <string>
#include <vector>

#include "performance.h"

namespace piano::test {

struct Call {
    char via;  // 'C' ControlMidiDrv, '1' sME1, '5' sME5
    int a, b, c;
    std::string data;
    bool operator==(const Call &) const = default;
};

inline std::vector<Call> &calls() {
    static std::vector<Call> log;
    return log;
}

inline Call sent(int status, int d1, int d2) {
    return {'1', status, d1, d2, ""};
}
inline Call silent(int status, int d1, int d2) {
    return {'5', status, d1, d2, ""};
}
inline Call command(int cmd, int arg = 0, std::string data = "") {
    return {'C', cmd, arg, 0, std::move(data)};
}

inline int32_t recordControl(int32_t cmd, int32_t arg, const NwHost *, const char *data) {
    calls().push_back({'C', cmd, arg, 0, data ? data : ""});
    return 1;
}
inline int32_t recordSend1(int32_t s, int32_t d1, int32_t d2) {
    calls().push_back({'1', s, d1, d2, ""});
    return 1;
}
inline int32_t recordSend5(int32_t s, int32_t d1, int32_t d2) {
    calls().push_back({'5', s, d1, d2, ""});
    return 1;
}

struct Drawn {
    int picture;  // 1..8, or 0 for a cleared keyboard
    int x;
    bool operator==(const Drawn &) const = default;
};

class RecordingCanvas : public KeyCanvas {
  public:
    std::vector<Drawn> drawn;
    void drawKeyPicture(int picture, int x) override { drawn.push_back({picture, x}); }
    void clearKeyboard() override { drawn.push_back({0, 0}); }
};

// A performance wired to the recorders, with the controller values already sent.
struct RecordingPerformance : Performance {
    RecordingCanvas recordingCanvas;
    RecordingPerformance() {
        calls().clear();
        engine.controlMidiDrv = recordControl;
        engine.sME1 = recordSend1;
        engine.sME5 = recordSend5;
        canvas = &recordingCanvas;
        state.installDefaultMap();
        buttons.lastSent = {0, 8, 8, 8, 8};
    }
};

}  // namespace piano::test
