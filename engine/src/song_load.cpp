// MDRV_LOAD_SONG: read a standard MIDI file into the song store, assign the channels around the song's
// own and reset the playback parameters for it.
#include <algorithm>

#include "engine.h"
#include "file_io.h"
#include "song_messages.h"
#include "song_reader.h"

namespace nw {
namespace {

constexpr const char *kDeviceFailure = "不能打开设备，请检查设备是否健康!或换一个设备试试";
constexpr const char *kDeviceCaption = "设备错误";

const char *readFailureMessage(ReadFileStatus status) {
    switch (status) {
        case ReadFileStatus::TooBig:
            return song_message::kTooBig;
        case ReadFileStatus::NoMemory:
            return song_message::kNoMemory;
        case ReadFileStatus::ShortRead:
            return song_message::kShortRead;
        default:
            return nullptr;
    }
}

}  // namespace

int32_t Engine::loadSong(Lock &lock, int32_t device, const char *path) {
    s_.songWait = 0;
    s_.songState = SONG_STOPPED;
    s_.deviceId = device;
    postResetNotice();
    silenceSongRing();  // the song stops here; what it holds must not keep sounding

    // Until the load ends the song store belongs to it: the tick and the seek commands leave the store
    // alone, so the file is read, merged and (when refused) cleared with the lock released and the
    // clock keeps ticking. The roles are merged into a copy and put in place under the lock.
    songStoreBusy_ = true;
    uint8_t roles[16];
    std::copy(std::begin(s_.roles), std::end(s_.roles), roles);
    lock.unlock();
    FileImage image;
    const ReadFileStatus status = readWholeFile(path, image, kSongFileLimit);
    SongReadResult read;
    read.error = readFailureMessage(status);
    if (status == ReadFileStatus::Ok) read = readSong(image.bytes.get(), image.size, s_.song, roles);
    image.bytes.reset();
    lock.lock();

    if (status == ReadFileStatus::CannotOpen) {
        songStoreBusy_ = false;
        return ask(lock, song_message::kCannotOpen, song_message::kCaption, NW_MB_ICONERROR);
    }
    if (read.mergeStarted) std::copy(std::begin(roles), std::end(roles), s_.roles);

    bool deviceFailed = false;
    if (!read.error) {
        s_.roles[9] = CH_SONG;
        allocateAccompChannel(s_);
        allocateKeyboardChannel(s_);
        s_.songLength = read.records;
        s_.songState = SONG_STOPPED;
        s_.division = read.division;
        s_.songTracks = read.tracks;
        s_.songPosition = 0;
        s_.programMode = PROG_SONG;
        s_.bendWord = 0x4000;
        // The song volume the program last set stays: its first notes sound at it, not silent.
        s_.speed = 5;
        s_.tempo = 500000;
        deviceFailed = !reopenDevice();
        if (!deviceFailed) {
            songStoreBusy_ = false;
            return 0;
        }
    }

    // A refused file leaves an empty song. Once the merge has begun the store no longer holds the old
    // song either, so its length is dropped then even without a running clock.
    if (s_.clockId != 0 || read.mergeStarted || deviceFailed) {
        s_.songPosition = 0;
        s_.songLength = 0;
        lock.unlock();
        std::fill(std::begin(s_.song), std::end(s_.song), EngineEvent{});
        lock.lock();
    }
    songStoreBusy_ = false;
    s_.songState = SONG_STOPPED;
    if (deviceFailed)
        ask(lock, kDeviceFailure, kDeviceCaption, NW_MB_ICONWARNING);
    else
        ask(lock, read.error, song_message::kCaption, NW_MB_ICONERROR);
    return 0;
}

}  // namespace nw
