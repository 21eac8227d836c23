// Delivery to a port that may refuse a message for now (a stalled synthesizer, a 31.25 kbaud cable
// still busy with a reset burst). Nothing here ever waits: what the port cannot take now waits in a
// bounded queue and goes out, in order, on a later send or clock tick; when the queue is full the
// message is dropped and counted.
#pragma once

#include <cstdint>

#include "output.h"

namespace nw::output {

class QueuedPort : public Device {
  public:
    static constexpr uint32_t kQueueCapacity = 1024;

    int32_t send(uint32_t packed) final;
    void service() final { flush(); }

    uint32_t queued() const { return count_; }
    uint64_t dropped() const { return dropped_; }

  protected:
    // Hands one message to the port at once: 0 when taken, -EAGAIN when the port cannot take it now, any
    // other negative value when it never will (the message is then lost, and counted).
    virtual int writeNow(uint32_t packed) = 0;
    // Tries once more to hand on what waits; true when nothing waits any more.
    bool flush();

  private:
    uint32_t queue_[kQueueCapacity];
    uint32_t head_ = 0;
    uint32_t count_ = 0;
    uint64_t dropped_ = 0;
};

}  // namespace nw::output
