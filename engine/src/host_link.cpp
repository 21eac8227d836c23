#include "host_link.h"

#include <cstdio>

namespace nw {

void HostLink::attach(const NwHost *host) {
    host_ = host ? *host : NwHost{};
}

void HostLink::post(uint32_t message, uint32_t wparam, uint32_t lparam) const {
    if (host_.post) host_.post(host_.context, message, wparam, lparam);
}

int32_t HostLink::messageBox(const char *text, const char *caption, uint32_t style) const {
    if (host_.message_box) return host_.message_box(host_.context, text, caption, style);
    std::fprintf(stderr, "notewire: %s: %s\n", caption ? caption : "", text ? text : "");
    return (style & 0xF) == NW_MB_YESNO ? NW_IDNO : NW_IDOK;
}

}  // namespace nw
