#include "queued_port.h"

#include <cerrno>

namespace nw::output {

bool QueuedPort::flush() {
    while (count_ > 0) {
        const int rc = writeNow(queue_[head_]);
        if (rc == -EAGAIN) return false;
        if (rc < 0) ++dropped_;
        head_ = (head_ + 1) % kQueueCapacity;
        --count_;
    }
    return true;
}

int32_t QueuedPort::send(uint32_t packed) {
    // What waits goes first, so the port sees the messages in the order they were sent.
    if (flush()) {
        const int rc = writeNow(packed);
        if (rc == 0) return 0;
        if (rc != -EAGAIN) {
            ++dropped_;
            return kSendNotReady;
        }
    }
    if (count_ == kQueueCapacity) {
        ++dropped_;
        return kSendNotReady;
    }
    queue_[(head_ + count_) % kQueueCapacity] = packed;
    ++count_;
    return 0;
}

}  // namespace nw::output
