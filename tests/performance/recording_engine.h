#pragma once
// The stand-in engine as the live-playing tests read it, and a canvas that records every key picture
// drawn.
#include <string>
#include <vector>

#include "fake_engine.h"
#include "performance.h"

namespace piano::test {

using Call = EngineCallRecord;

// The calls the current stand-in engine received.
inline std::vector<Call> &calls() {
    return FakeEngine::current().calls;
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
    FakeEngine fakeEngine;
    EngineBinding binding;
    RecordingCanvas recordingCanvas;
    RecordingPerformance() {
        fakeEngine.bind(binding);
        engine = &binding;
        canvas = &recordingCanvas;
        state.installDefaultMap();
        buttons.lastSent = {0, 8, 8, 8, 8};
    }
};

}  // namespace piano::test
