// The engine: its state, the host it reports to, the open output device and the 1 ms clock, behind one
// lock. The library keeps one Engine over static storage; tests build their own and drive ticks by hand.
#pragma once

#include <cstdint>
#include <memory>
#include <mutex>

#include "clock_thread.h"
#include "engine_state.h"
#include "host_link.h"
#include "input/midi_input.h"
#include "output/output.h"

namespace nw {

// The five send routines differ in whether they record, post the message and echo notes.
enum class Route : uint8_t {
    Plain,             // posts, echoes
    Recording,         // records, posts, echoes
    Posting,           // posts
    RecordingPosting,  // records, posts
    Silent,            // nothing but the device
};

// The six exported senders.
enum class Sender : uint8_t { Me, Me1, Me2, Me3, Me4, Me5 };

// midiOutShortMsg's results as the senders return them.
inline constexpr int32_t kSendOk = 0;
inline constexpr int32_t kSendNoDevice = 5;      // no open device (MMSYSERR_INVALHANDLE)
inline constexpr int32_t kSendInvalidData = 11;  // not a valid short message (MMSYSERR_INVALPARAM)

class Engine {
  public:
    enum class ClockMode { Thread, Manual };

    Engine(EngineState &storage, ClockMode mode);
    ~Engine();  // the library's unload
    Engine(const Engine &) = delete;
    Engine &operator=(const Engine &) = delete;

    int32_t command(int32_t code, int32_t arg, const NwHost *host, const char *data);
    int32_t send(Sender sender, int32_t status, int32_t data1, int32_t data2);
    void tick();  // one 1 ms clock tick
    // Runs `ms` ticks on the caller's thread when the clock is hand-driven and started; returns the
    // number run (0 otherwise, so a test that expected a hand-driven clock learns it has none).
    int32_t advanceManualClock(int32_t ms);

    // For tests and tools: the state, read while nothing else runs.
    EngineState &state() { return s_; }
    bool deviceOpen() const { return out_ != nullptr; }
    // Puts a device of the caller's in place of the open one (benchmarks measure with a null device).
    void attachDevice(std::unique_ptr<output::Device> device);
    ClockThread &clock() { return clock_; }

    // MIDI input (input/midi_input.h); called on the host's GUI thread, never with the lock held, as
    // opening a port may take a while and the clock must not wait for it.
    int32_t selectMidiInput(int32_t choice, const char *source);
    int32_t midiInputSourceCount();
    int32_t midiInputSourceName(int32_t index, char *name, int32_t size);

  private:
    using Lock = std::unique_lock<std::mutex>;

    // Sending (senders.cpp). All of these run with the lock held.
    int32_t route(Route route, uint8_t status, uint8_t data1, uint8_t data2);
    int32_t sendExportLocked(Sender sender, uint8_t status, uint8_t data1, uint8_t data2);
    void appendToBuffer(uint8_t status, uint8_t data1, uint8_t data2);
    void post(uint32_t message, uint32_t wparam, uint32_t lparam) { host_.post(message, wparam, lparam); }
    void postResetNotice() { post(WM_MDRV_KEYS, MDRV_NOTIFY_RESET, 120); }

    // Device lifecycle (device.cpp).
    int32_t open(Lock &lock, int32_t device, const NwHost *host);
    void prepareDevice(int32_t code, int32_t arg, const NwHost *host);
    bool openDevice();
    void closeDevice();
    bool reopenDevice();
    // The accompaniment's pitch and controller go out again before its next note (its channel was
    // reset, or it is a new one).
    void forgetAccompSettingsSent();

    // Commands (commands.cpp, song_commands.cpp, recording.cpp).
    int32_t dispatch(Lock &lock, int32_t code, int32_t arg, const char *data);
    void startSong(int32_t arg);
    void takeUpTempo();
    void stopSong();
    void selectDevice(int32_t device);
    void setVolume(int32_t volume);
    void changeSongPrograms(int delta, bool set, uint8_t program);
    void restoreSongPrograms();
    void skipForward();
    void skipBack();
    void seekSong(int32_t index);
    void resumeSong();
    void muteChannel(uint8_t channel);
    void unmuteChannel(uint8_t channel);
    void sendController(int32_t arg);
    void stopAccomp();
    int32_t loadSong(Lock &lock, int32_t device, const char *path);
    void startRecording(Lock &lock);
    // True when the file was written; every refusal or failure has been told to the user.
    bool saveBufferMidi(Lock &lock, const char *path);
    bool saveBufferTake(Lock &lock, const char *path);
    void loadAccomp(Lock &lock, const char *path);

    // Shows a message box with the lock released, as the host may wait for the user.
    int32_t ask(Lock &lock, const char *text, const char *caption, uint32_t style);

    // Clock (clock.cpp).
    bool songSection();  // false when the song ended, which ends the tick
    void bufferSection();
    void accompSection();
    void seekReplay(uint32_t upTo);
    void silenceSongRing();
    void silenceBufferRing();
    void silenceAccompRing();
    void sendSongBend(uint8_t channel, Route route);

    EngineState &s_;
    ClockMode clockMode_;
    std::mutex mutex_;
    HostLink host_;
    std::unique_ptr<output::Device> out_;
    ClockThread clock_;
    std::mutex inputMutex_;  // the input's own: selecting and listing
    input::MidiInput input_;
    // A song load is writing the song store with the lock released: nothing else reads or plays it.
    bool songStoreBusy_ = false;
};

// Channel roles and allocations (channels.cpp); plain functions on the state.
void resetRolesAtOpen(EngineState &s);
uint8_t allocateKeyboardChannel(EngineState &s);
uint8_t allocateAccompChannel(EngineState &s);

// The tempo of the last tempo record before a position of the song, or the default of a song without one.
uint32_t tempoInForceAt(const EngineState &s, uint32_t position);

// True when a packed message is a short message a device accepts: a status byte followed by the data
// bytes its kind carries, each below 0x80.
bool isValidShortMessage(uint32_t packed);

inline uint32_t pack(uint8_t status, uint8_t data1, uint8_t data2) {
    return uint32_t(status) | uint32_t(data1) << 8 | uint32_t(data2) << 16;
}

}  // namespace nw
