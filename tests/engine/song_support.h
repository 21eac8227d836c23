// Helpers for the song, playback and file tests: building standard MIDI files byte by byte, a host that
// records what the engine posts and shows, reading the capture file, and temporary files.
#pragma once

#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <initializer_list>
#include <iterator>
#include <memory>
#include <mutex>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "engine.h"

namespace nw::test {

using Bytes = std::vector<uint8_t>;

inline void appendVlqBytes(Bytes &out, uint32_t v) {
    uint8_t tmp[5];
    int n = 0;
    do {
        tmp[n++] = uint8_t(v & 0x7F);
        v >>= 7;
    } while (v);
    while (n > 1)
        out.push_back(uint8_t(tmp[--n] | 0x80));
    out.push_back(tmp[0]);
}

inline void appendBe32(Bytes &out, uint32_t v) {
    for (int s = 24; s >= 0; s -= 8)
        out.push_back(uint8_t(v >> s));
}

// One track's data, written event by event.
struct Track {
    Bytes data;
    Track &ev(uint32_t delta, std::initializer_list<uint8_t> bytes) {
        appendVlqBytes(data, delta);
        data.insert(data.end(), bytes);
        return *this;
    }
    Track &meta(uint32_t delta, uint8_t type, Bytes body) {
        appendVlqBytes(data, delta);
        data.push_back(0xFF);
        data.push_back(type);
        appendVlqBytes(data, uint32_t(body.size()));
        data.insert(data.end(), body.begin(), body.end());
        return *this;
    }
    Track &tempo(uint32_t delta, uint32_t usPerQuarter) {
        return meta(delta, 0x51,
                    {uint8_t(usPerQuarter >> 16), uint8_t(usPerQuarter >> 8), uint8_t(usPerQuarter)});
    }
    Track &sysex(uint32_t delta, Bytes body, uint8_t status = 0xF0) {
        appendVlqBytes(data, delta);
        data.push_back(status);
        appendVlqBytes(data, uint32_t(body.size()));
        data.insert(data.end(), body.begin(), body.end());
        return *this;
    }
    Track &end(uint32_t delta = 0) { return meta(delta, 0x2F, {}); }
};

inline Bytes smfHeader(uint16_t tracks, uint16_t division, uint16_t format = 1) {
    Bytes out{'M', 'T', 'h', 'd', 0, 0, 0, 6};
    for (uint16_t v : {format, tracks, division}) {
        out.push_back(uint8_t(v >> 8));
        out.push_back(uint8_t(v));
    }
    return out;
}

inline void appendTrackChunk(Bytes &out, const Bytes &data) {
    out.insert(out.end(), {'M', 'T', 'r', 'k'});
    appendBe32(out, uint32_t(data.size()));
    out.insert(out.end(), data.begin(), data.end());
}

inline Bytes smf(const std::vector<Track> &tracks, uint16_t division = 96) {
    Bytes out = smfHeader(uint16_t(tracks.size()), division);
    for (const Track &t : tracks)
        appendTrackChunk(out, t.data);
    return out;
}

// A one-track file around raw track data.
inline Bytes withTrackData(Bytes data) {
    Bytes out = smfHeader(1, 96);
    appendTrackChunk(out, data);
    return out;
}

// A file in a fresh temporary directory, removed with it.
class TempDir {
  public:
    TempDir() {
        char pattern[] = "/tmp/notewire-test-XXXXXX";
        path_ = mkdtemp(pattern);
    }
    ~TempDir() { std::filesystem::remove_all(path_); }
    std::string file(const std::string &name) const { return (path_ / name).string(); }
    std::string write(const std::string &name, const Bytes &bytes) const {
        std::string p = file(name);
        std::ofstream(p, std::ios::binary).write(reinterpret_cast<const char *>(bytes.data()), bytes.size());
        return p;
    }
    const std::filesystem::path &path() const { return path_; }

  private:
    std::filesystem::path path_;
};

inline Bytes readFile(const std::string &path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), {});
}

// Records the engine's posts and message boxes; answers message boxes with `answer`.
struct RecordingHost {
    struct Post {
        uint32_t message, wparam, lparam;
    };
    struct Box {
        std::string text, caption;
        uint32_t style;
    };
    std::mutex mutex;
    std::vector<Post> posts;
    std::vector<Box> boxes;
    int32_t answer = NW_IDOK;
    std::function<void()> onBox;  // runs inside the message box, e.g. to prove the lock is free

    NwHost host() { return NwHost{this, &postThunk, &boxThunk}; }

    static void postThunk(void *c, uint32_t m, uint32_t w, uint32_t l) {
        auto *self = static_cast<RecordingHost *>(c);
        std::lock_guard<std::mutex> g(self->mutex);
        self->posts.push_back({m, w, l});
    }
    static int32_t boxThunk(void *c, const char *text, const char *caption, uint32_t style) {
        auto *self = static_cast<RecordingHost *>(c);
        {
            std::lock_guard<std::mutex> g(self->mutex);
            self->boxes.push_back({text, caption, style});
        }
        if (self->onBox) self->onBox();
        return self->answer;
    }
};

// Points the engine's devices at a capture file for the life of the object.
class Capture {
  public:
    Capture() : path_(dir_.file("capture.txt")) { setenv("NOTEWIRE_CAPTURE", path_.c_str(), 1); }
    ~Capture() { unsetenv("NOTEWIRE_CAPTURE"); }

    // Every short message that reached a device, in order.
    std::vector<uint32_t> messages() const {
        std::vector<uint32_t> out;
        std::ifstream in(path_);
        std::string ms, word;
        while (in >> ms >> word) {
            if (word == "msg") {
                std::string hex;
                in >> hex;
                out.push_back(uint32_t(std::stoul(hex, nullptr, 16)));
            } else {
                std::getline(in, word);
            }
        }
        return out;
    }

    // Notes (channel << 8 | note) switched on and not switched off since.
    std::set<int> soundingNotes() const {
        std::set<int> on;
        for (uint32_t m : messages()) {
            const int kind = m & 0xF0, key = int((m & 0x0F) << 8 | (m >> 8 & 0x7F));
            const int velocity = m >> 16 & 0x7F;
            if (kind == 0x90 && velocity > 0) on.insert(key);
            if (kind == 0x80 || (kind == 0x90 && velocity == 0)) on.erase(key);
        }
        return on;
    }

  private:
    TempDir dir_;
    std::string path_;
};

// An engine over its own state with the clock driven by hand.
struct ManualEngine {
    std::unique_ptr<EngineState> state = std::make_unique<EngineState>();
    RecordingHost host;
    NwHost callbacks = host.host();
    Engine engine{*state, Engine::ClockMode::Manual};

    explicit ManualEngine(bool open = true) {
        if (open) engine.command(MDRV_OPEN, 0, &callbacks, "");
    }
    int32_t command(int32_t code, int32_t arg = 0, const std::string &data = "") {
        return engine.command(code, arg, &callbacks, data.c_str());
    }
    void ticks(int n) {
        for (int i = 0; i < n; ++i)
            engine.tick();
    }
    EngineState &s() { return *state; }
};

}  // namespace nw::test
