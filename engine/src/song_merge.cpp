// The merge keeps the tracks in a binary heap ordered by (time of the next event, track number), so each
// stored event costs log(tracks) instead of a scan over every track.
#include "song_merge.h"

#include "song_messages.h"

namespace nw {
namespace {

const char *messageFor(TrackError error) {
    switch (error) {
        case TrackError::None:
            return nullptr;
        case TrackError::Delta:
            return song_message::kTrackLength;
        case TrackError::Event:
            return song_message::kTrackLength;
        case TrackError::RunningStatus:
            return song_message::kRunningStatus;
        case TrackError::SysexLength:
            return song_message::kSysexLength;
        case TrackError::MetaLength:
            return song_message::kMetaLength;
    }
    return song_message::kTrackLength;
}

const char *peekMessage(int track) {
    return track == 0 ? song_message::kFirstTrackDelta : song_message::kOtherTrackDelta;
}

class TrackHeap {
  public:
    explicit TrackHeap(const TrackCursor *tracks) : tracks_(tracks) {}

    bool empty() const { return size_ == 0; }
    int top() const { return heap_[0]; }

    void push(int track) {
        int i = size_++;
        heap_[i] = uint8_t(track);
        while (i > 0 && before(heap_[i], heap_[(i - 1) / 2])) {
            swap(i, (i - 1) / 2);
            i = (i - 1) / 2;
        }
    }
    // The top's key grew: move it down to its place.
    void settleTop() { siftDown(0); }
    void popTop() {
        heap_[0] = heap_[--size_];
        siftDown(0);
    }

  private:
    uint64_t nextTime(int t) const { return tracks_[t].time + tracks_[t].nextDelta; }
    bool before(int a, int b) const {
        uint64_t ta = nextTime(a), tb = nextTime(b);
        return ta < tb || (ta == tb && a < b);
    }
    void swap(int i, int j) {
        uint8_t t = heap_[i];
        heap_[i] = heap_[j];
        heap_[j] = t;
    }
    void siftDown(int i) {
        for (;;) {
            int l = 2 * i + 1, r = l + 1, m = i;
            if (l < size_ && before(heap_[l], heap_[m])) m = l;
            if (r < size_ && before(heap_[r], heap_[m])) m = r;
            if (m == i) return;
            swap(i, m);
            i = m;
        }
    }

    const TrackCursor *tracks_;
    uint8_t heap_[kMaxTracks];
    int size_ = 0;
};

}  // namespace

const char *mergeTracks(TrackCursor *tracks, int count, EngineEvent *song, uint8_t *roles,
                        uint32_t &records) {
    records = 0;
    TrackHeap heap(tracks);
    for (int t = 0; t < count; ++t) {
        if (!peekDelta(tracks[t])) return peekMessage(t);
        if (tracks[t].active) heap.push(t);
    }

    TrackEvent event{};  // data1/data2 carry over into system exclusive and meta records
    uint64_t lastTime = 0;
    while (!heap.empty()) {
        const int t = heap.top();
        TrackCursor &track = tracks[t];
        if (const char *message = messageFor(readEvent(track, event))) return message;

        EngineEvent &record = song[records];
        record.delta = uint32_t(track.time - lastTime);
        lastTime = track.time;
        record.status = event.status;
        record.data1 = event.data1;
        record.data2 = event.data2;
        if (event.status <= 0xEF) roles[event.status & 0x0F] = CH_SONG;
        if (event.isTempo) record.tempo = event.tempo;
        if (++records >= kSongLoadLimit) return song_message::kTooBig;

        if (!peekDelta(track)) return peekMessage(t);
        if (track.active) {
            heap.settleTop();
        } else {
            heap.popTop();
        }
    }
    return nullptr;
}

}  // namespace nw
