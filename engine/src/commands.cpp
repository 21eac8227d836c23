// ControlMidiDrv: one entry point, one small piece of behaviour per command code.
#include <string>

#include "engine.h"

namespace nw {
namespace {

constexpr const char *kDeviceCaption = "设备错误";

bool isChannel(int32_t arg) {
    return arg >= 0 && arg <= 15;
}

// Commands that take a channel build the controller status from it this way (0xB0 + channel).
uint8_t controllerStatus(int32_t arg) {
    return uint8_t((arg & 0xFF) - 0x50);
}

// Commands that may (re)open the built-in synthesizer, and the device they open.
bool opensDevice(int32_t code) {
    return code == MDRV_OPEN || code == MDRV_SELECT_DEVICE || code == MDRV_LOAD_SONG ||
           code == MDRV_STOP_SONG;
}

constexpr uint8_t kStartResetControllers[] = {
    2,  4,  5,  6,  8,  9,  10, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24, 25, 26,  27,  28, 29,
    30, 31, 64, 65, 66, 67, 68, 69, 80, 81, 82, 83, 91, 92, 93, 94, 95, 96, 97, 98, 99, 100, 101, 102};

}  // namespace

int32_t Engine::command(int32_t code, int32_t arg, const NwHost *host, const char *data) {
    if (opensDevice(code)) prepareDevice(code, arg, host);
    Lock lock(mutex_);
    if (code == MDRV_OPEN) return open(lock, arg, host);
    return dispatch(lock, code, arg, data ? data : "");
}

// Starting the built-in synthesizer's audio and SoundFont (again, when they failed before) may take a
// moment: it runs without the lock, so the clock never waits for it. A failure is told here, once.
void Engine::prepareDevice(int32_t code, int32_t arg, const NwHost *host) {
    int32_t device = arg;
    HostLink link;
    {
        std::lock_guard<std::mutex> guard(mutex_);
        if (code == MDRV_STOP_SONG) device = s_.deviceId;
        link = host_;
    }
    if (code == MDRV_OPEN) link.attach(host);
    output::prepare(device);
    const std::string failure = output::takeFailure();
    if (!failure.empty()) link.messageBox(failure.c_str(), kDeviceCaption, NW_MB_ICONWARNING);
}

int32_t Engine::dispatch(Lock &lock, int32_t code, int32_t arg, const char *data) {
    switch (code) {
        case MDRV_PLAY_FROM_ZERO:
            s_.songPosition = 0;
            takeUpTempo();
            s_.songState = SONG_PLAYING;
            return 1;
        case MDRV_START_SONG:
            startSong(arg);
            return 1;
        case MDRV_PAUSE_SONG:
            s_.songState = SONG_STOPPED;
            silenceSongRing();
            return 1;
        case MDRV_SELECT_DEVICE:
            selectDevice(arg);
            return 1;
        case MDRV_CLOSE_DEVICE:
            s_.songState = SONG_CLOSED;
            closeDevice();
            return 1;
        case MDRV_SPEED_UP:
            if (s_.speed <= 15) ++s_.speed;
            return 1;
        case MDRV_LOAD_SONG:
            return loadSong(lock, arg, data);
        case MDRV_GET_BUFFER_COUNT:
            return int32_t(s_.recordCount);
        case MDRV_SONG_PROGRAM_UP:
            changeSongPrograms(+1, false, 0);
            return 1;
        case MDRV_SPEED_DOWN:
            if (s_.speed >= 2) --s_.speed;
            return 1;
        case MDRV_SKIP_FORWARD:
            skipForward();
            return 1;
        case MDRV_SKIP_BACK:
            skipBack();
            return 1;
        case MDRV_BEND_ADD:
            if (s_.bendWord <= 32639) s_.bendWord = uint16_t(s_.bendWord + 1000);
            return 1;
        case MDRV_BEND_SUB:
            if (s_.bendWord >= 1000) s_.bendWord = uint16_t(s_.bendWord - 1000);
            return 1;
        case MDRV_SET_SONG_VELOCITY:
            s_.songVelocityScale = arg;
            return 1;
        case MDRV_GET_BUFFER_POS:
            return int32_t(s_.bufferPosition);
        case MDRV_RESTORE_SONG_PROGRAMS:
            restoreSongPrograms();
            return 1;
        case MDRV_GET_SONG_POS:
            return int32_t(s_.songPosition);
        case MDRV_GET_SONG_LENGTH:
            return int32_t(s_.songLength);
        case MDRV_RESET_SPEED:
            s_.speed = 5;
            return 1;
        case MDRV_SONG_PROGRAM_DOWN:
            changeSongPrograms(-1, false, 0);
            return 1;
        case MDRV_SET_SONG_PROGRAM:
            changeSongPrograms(0, true, uint8_t(arg));
            return 1;
        case MDRV_RESET_BEND:
        case MDRV_RESET_BEND_ALT:
            s_.bendWord = 0x4000;
            return 1;
        case MDRV_GET_CHANNEL0_PROGRAM:
            return s_.channelPrograms[0];
        case MDRV_GET_SPARE:
            return 0;
        case MDRV_SET_VOLUME:
            setVolume(arg);
            return 1;
        case MDRV_STOP_SONG:
            stopSong();
            return 1;
        case MDRV_SEEK_SONG:
            seekSong(arg);
            return 1;
        case MDRV_TOGGLE_ECHO:
            postResetNotice();
            s_.echo = s_.echo == 1 ? 0 : 1;
            return 1;
        case MDRV_ALLOC_KEYBOARD_CHANNEL:
            return allocateKeyboardChannel(s_);
        case MDRV_RESUME_SONG:
            resumeSong();
            return 1;
        case MDRV_PLAY_BUFFER:
            silenceBufferRing();  // the notes of a playback under way would never get their releases
            s_.bufferPosition = 0;
            s_.bufferState = BUF_PLAYING;
            return 1;
        case MDRV_START_RECORDING:
            startRecording(lock);
            return 1;
        case MDRV_STOP_BUFFER:
            s_.bufferState = BUF_IDLE;
            silenceBufferRing();
            return 1;
        case MDRV_CLEAR_BUFFER:
            s_.bufferState = BUF_IDLE;
            silenceBufferRing();
            s_.recordCount = 0;
            s_.bufferPosition = 0;
            return 1;
        case MDRV_SAVE_BUFFER_MIDI:
            return saveBufferMidi(lock, data) ? 1 : 0;
        case MDRV_SET_RECORD_SONG:
            s_.recordSong = uint8_t(arg);
            return 1;
        case MDRV_SET_RECORD_ACCOMP:
            s_.recordAccomp = uint8_t(arg);
            return 1;
        case MDRV_GET_CHANNEL_ROLE:
            if (!isChannel(arg)) return 1;
            return s_.roles[arg] ? s_.roles[arg] : s_.channelPrograms[arg];
        case MDRV_UNMUTE_CHANNEL:
            if (isChannel(arg)) unmuteChannel(uint8_t(arg));
            return 1;
        case MDRV_GET_CHANNEL_PROGRAM:
            if (!isChannel(arg)) return 1;
            s_.channelPrograms[arg] &= 0x7F;
            return s_.channelPrograms[arg];
        case MDRV_SET_CHANNEL_PROGRAM:
            if (!isChannel(arg & 0xFF)) return 1;
            s_.channelPrograms[arg & 0xFF] = uint8_t(arg >> 8);
            s_.programMode = PROG_USER;
            return 1;
        case MDRV_USER_PROGRAMS:
            s_.programMode = PROG_USER;
            return 1;
        case MDRV_MUTE_CHANNEL:
            if (isChannel(arg)) muteChannel(uint8_t(arg));
            return 1;
        case MDRV_SAVE_BUFFER_TKB:
            return saveBufferTake(lock, data) ? 1 : 0;
        case MDRV_LOAD_ACCOMP:
            s_.accompProgramFlag = 0;
            loadAccomp(lock, data);
            return 1;
        case MDRV_SET_ACCOMP_VELOCITY:
            s_.accompVelocityScale = uint8_t(arg);
            return 1;
        case MDRV_SET_ACCOMP_SPEED:
            s_.accompSpeed = uint8_t(arg);
            return 1;
        case MDRV_SET_ACCOMP_BEND:
            s_.accompBend = uint8_t(arg);
            return 1;
        case MDRV_SET_ACCOMP_CONTROLLER:
            s_.accompControllerNumber = uint8_t(arg);
            return 1;
        case MDRV_SET_ACCOMP_CONTROLLER_VALUE:
            s_.accompControllerValue = uint8_t(arg);
            return 1;
        case MDRV_STOP_ACCOMP:
            stopAccomp();
            return 1;
        case MDRV_START_ACCOMP:
            s_.accompState = ACC_RUNNING;
            return 1;
        case MDRV_SET_ACCOMP_PROGRAM:
            s_.accompProgram = uint8_t(arg);
            return 1;
        case MDRV_GET_ACCOMP_PROGRAM:
            return s_.accompProgram;
        case MDRV_SET_ACCOMP_PROGRAM_FLAG:
            s_.accompProgramFlag = uint8_t(arg);
            return 1;
        case MDRV_GET_SONG_STATE:
            return s_.songState;
        case MDRV_GET_ACCOMP_STATE:
            return s_.accompState;
        case MDRV_GET_BUFFER_STATE:
            return s_.bufferState;
        case MDRV_GET_PROGRAM_MODE:
            return s_.programMode;
        case MDRV_GET_BEND:
            return s_.bendWord;
        case MDRV_GET_SPEED:
            return int32_t(s_.speed);
        case MDRV_GET_ACCOMP_VELOCITY:
            return s_.accompVelocityScale;
        case MDRV_SEND_CONTROLLER:
            sendController(arg);
            return 1;
        default:
            return 1;  // unknown codes do nothing
    }
}

void Engine::startSong(int32_t arg) {
    postResetNotice();
    if (out_) s_.songPosition = 1;
    takeUpTempo();  // a song that sets its tempo in its first record plays at it from the start
    for (int status = 0x90; status <= 0x9F; ++status)
        sendExportLocked(Sender::Me2, uint8_t(status), 0, 0);
    // Another value than a channel would turn the modulation reset into some other message.
    if (isChannel(arg)) route(Route::Plain, controllerStatus(arg), 1, 0);
    for (uint8_t controller : kStartResetControllers)
        sendExportLocked(Sender::Me3, 0xB0, controller, 0);
    forgetAccompSettingsSent();
    s_.songState = SONG_PLAYING;
}

// A song (re)starting plays at the tempo in force where it starts, not at the one it was left at.
void Engine::takeUpTempo() {
    if (!songStoreBusy_) s_.tempo = tempoInForceAt(s_, s_.songPosition);
}

void Engine::stopSong() {
    if (out_) {
        s_.songState = SONG_CLOSED;
        // Release what the song holds before the device goes, so no note is left sounding.
        silenceSongRing();
        closeDevice();
        postResetNotice();
    }
    reopenDevice();
}

void Engine::selectDevice(int32_t device) {
    s_.deviceId = device;
    reopenDevice();
    s_.songPosition = 0;
    s_.songState = SONG_DEVICE_SET;
}

void Engine::setVolume(int32_t volume) {
    if (out_) out_->setVolume(uint32_t(volume) * 65537u);
}

void Engine::changeSongPrograms(int delta, bool set, uint8_t program) {
    for (int c = 0; c < 16; ++c) {
        if (s_.roles[c] != CH_SONG) continue;
        s_.channelPrograms[c] = set ? program : uint8_t(s_.channelPrograms[c] + delta);
    }
    s_.programMode = PROG_USER;
}

void Engine::restoreSongPrograms() {
    s_.programMode = PROG_SONG;
    for (int c = 0; c < 16; ++c) {
        if (s_.roles[c] != CH_SONG) continue;
        route(Route::Plain, uint8_t(0xC0 + c), s_.songPrograms[c], 0);
        s_.channelPrograms[c] = s_.songPrograms[c];
    }
}

void Engine::skipForward() {
    silenceSongRing();
    if (s_.songPosition < s_.songLength) {
        s_.songPosition += 50;
        seekReplay(s_.songPosition);
    }
}

void Engine::skipBack() {
    silenceSongRing();
    if (s_.songPosition > 100) {
        s_.songPosition -= 100;
        seekReplay(s_.songPosition);
    }
}

void Engine::seekSong(int32_t index) {
    s_.songPosition = 0;
    silenceSongRing();
    s_.songPosition = uint32_t(index);
    seekReplay(s_.songPosition);
}

void Engine::resumeSong() {
    postResetNotice();
    seekReplay(s_.songPosition);
    s_.songState = SONG_PLAYING;
}

void Engine::muteChannel(uint8_t channel) {
    route(Route::Plain, controllerStatus(channel), 7, 0);
    if (s_.roles[channel] == CH_SONG) s_.roles[channel] = CH_MUTED;
}

void Engine::unmuteChannel(uint8_t channel) {
    if (s_.roles[channel] == CH_MUTED) {
        s_.roles[channel] = CH_SONG;
        s_.channelPrograms[channel] = s_.songPrograms[channel];
    }
    route(Route::Plain, controllerStatus(channel), 7, 127);
}

void Engine::sendController(int32_t arg) {
    if (!isChannel(arg & 0xFF)) return;
    route(Route::Recording, controllerStatus(arg), uint8_t(arg >> 8), uint8_t(arg >> 16));
}

void Engine::stopAccomp() {
    s_.accompState = ACC_STOPPED;
    silenceAccompRing();
    auto reset = [this](uint8_t controller, uint8_t value) {
        sendExportLocked(Sender::Me3, 0xB0, controller, value);
    };
    for (uint8_t c : {1, 2, 4, 5, 6, 8, 9})
        reset(c, 0);
    reset(7, 127);
    reset(10, kAccompPan);
    reset(11, 127);
    for (uint8_t c = 12; c <= 31; ++c)
        reset(c, 0);
    for (uint8_t c = 64; c <= 69; ++c)
        reset(c, 0);
    for (uint8_t c = 80; c <= 83; ++c)
        reset(c, 0);
    for (uint8_t c = 91; c <= 102; ++c)
        reset(c, 0);
    forgetAccompSettingsSent();
}

}  // namespace nw
