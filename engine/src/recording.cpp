// Recording into the buffer: starting a take.
#include "engine.h"

namespace nw {

void Engine::startRecording(Lock &lock) {
    // A take playing back stops before the question, or it would sound on under it.
    if (s_.bufferState == BUF_PLAYING) s_.bufferState = BUF_IDLE;
    s_.bufferPosition = 0;
    s_.recordTicks = 0;
    silenceBufferRing();
    if (s_.recordCount != 0) {
        int32_t answer = ask(
            lock,
            "录音缓冲已经有事件，是否新建录音缓冲？\n选择是将新建缓冲.\n选择否将事件添加到当前缓冲的尾部.",
            "新建缓冲", NW_MB_YESNO | NW_MB_ICONWARNING);
        if (answer == NW_IDYES) s_.recordCount = 0;
    }
    s_.bufferState = BUF_RECORDING;
    // The take starts with the programs of the song's channels.
    for (int c = 0; c < 16; ++c)
        if (s_.roles[c] == CH_SONG)
            route(Route::Recording, uint8_t(0xC0 + c), s_.channelPrograms[c] & 0x7F, 0);
}

}  // namespace nw
