#include "SdlWaylandSeat.h"

#include <wayland-client.h>

#include <cstdint>
#include <cstring>

namespace {

void OnGlobal(void* hasSeat, wl_registry* /*registry*/, std::uint32_t /*name*/, const char* interface,
              std::uint32_t /*version*/) {
    if (std::strcmp(interface, wl_seat_interface.name) == 0) *static_cast<bool*>(hasSeat) = true;
}

void OnGlobalRemove(void* /*hasSeat*/, wl_registry* /*registry*/, std::uint32_t /*name*/) {}

}  // namespace

bool IsWaylandWithoutSeat() {
    wl_display* display = wl_display_connect(nullptr);
    if (display == nullptr) return false;  // no compositor: SDL's driver fails by itself
    static const wl_registry_listener listener = {OnGlobal, OnGlobalRemove};
    bool hasSeat = false;
    wl_registry* registry = wl_display_get_registry(display);
    wl_registry_add_listener(registry, &listener, &hasSeat);
    const bool isAnswered = wl_display_roundtrip(display) >= 0;
    wl_registry_destroy(registry);
    wl_display_disconnect(display);
    return isAnswered && !hasSeat;
}
