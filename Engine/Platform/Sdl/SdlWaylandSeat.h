#pragma once

// True where a Wayland compositor answers but offers no seat (Weston's headless backend has
// no input devices): SDL 2.26's Wayland driver dereferences the seat while it starts and
// would crash there, so the engine must not let SDL try it.
bool IsWaylandWithoutSeat();
