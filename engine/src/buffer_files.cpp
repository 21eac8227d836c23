// Saving the recording buffer (as a standard MIDI file or a take file) and loading accompaniment patterns.
// The file image is built under the lock; the disk is written with the lock released, so the clock never
// waits for it.
#include <algorithm>
#include <vector>

#include "engine.h"
#include "file_io.h"
#include "midi_writer.h"
#include "take_file.h"

namespace nw {
namespace {

constexpr const char *kNothingRecorded = "没有发现一个事件，还没有录音不能存储";
constexpr const char *kTooManyForTake =
    "太多的事件，存储为伴奏文件格式事件不能大于4095个!\n多余的事件将不存储";
constexpr const char *kNotATake = "该文件的格式不是TKB文件格式，不能读取，请检查文件是否正确!";
constexpr const char *kCannotWrite = "不能写入文件,请检查文件夹是否存在、是否有写入权限或磁盘是否已满!";
constexpr const char *kFileCaption = "文件错误";

}  // namespace

bool Engine::saveBufferMidi(Lock &lock, const char *path) {
    if (s_.recordCount == 0) {
        ask(lock, kNothingRecorded, path, NW_MB_ICONERROR);
        return false;
    }
    const std::vector<uint8_t> file = buildMidiFile(s_.buffer, s_.recordCount);
    lock.unlock();
    const bool written = writeFileReplacing(path, file.data(), file.size());
    lock.lock();
    if (!written) ask(lock, kCannotWrite, kFileCaption, NW_MB_ICONERROR);
    return written;
}

bool Engine::saveBufferTake(Lock &lock, const char *path) {
    if (s_.recordCount > kPatternCapacity) ask(lock, kTooManyForTake, path, NW_MB_ICONWARNING);
    if (s_.recordCount == 0) {
        ask(lock, kNothingRecorded, path, NW_MB_ICONERROR);
        return false;
    }
    // Read the count again: recording may have gone on while the warning was shown.
    const uint32_t n = s_.recordCount > kPatternCapacity ? kTakeSavedWhenTooMany : s_.recordCount;
    const std::vector<uint8_t> file = buildTakeFile(s_.buffer, n);
    lock.unlock();
    const bool written = writeFileReplacing(path, file.data(), file.size());
    lock.lock();
    if (!written) ask(lock, kCannotWrite, kFileCaption, NW_MB_ICONERROR);
    return written;
}

void Engine::loadAccomp(Lock &lock, const char *path) {
    // Nothing past what a full pattern takes is ever read.
    std::vector<uint8_t> image(kTakeHeaderSize + size_t(kPatternCapacity) * kTakeRecordSize);
    lock.unlock();
    const long size = readFileStart(path, image.data(), image.size());
    lock.lock();
    const long records =
        size < 0 ? -1 : parseTakeFile(image.data(), size_t(size), s_.pattern, kPatternCapacity);
    s_.patternPosition = 0;
    s_.accompWait = 0;
    s_.patternLength = records < 0 ? 0 : uint32_t(records);
    if (records < 0) ask(lock, kNotATake, kFileCaption, NW_MB_ICONWARNING);
}

}  // namespace nw
