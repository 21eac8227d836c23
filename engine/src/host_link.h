// The host the engine reports to: posts and message boxes, with a safe fallback when there is none.
#pragma once

#include <cstdint>

#include "notewire/notewire.h"

namespace nw {

class HostLink {
  public:
    void attach(const NwHost *host);  // copies the callbacks; null detaches

    // Never blocks; dropped when there is no host.
    void post(uint32_t message, uint32_t wparam, uint32_t lparam) const;

    // Without a host the text goes to stderr and the answer is No for a question, else OK.
    int32_t messageBox(const char *text, const char *caption, uint32_t style) const;

  private:
    NwHost host_{};
};

}  // namespace nw
