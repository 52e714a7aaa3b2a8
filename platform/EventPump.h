#pragma once
// The event pump of the game's busy loops (flight, water sink, gauges, speed
// preview). What may run inside it is written down in docs/DESIGN.md.

namespace platform {

// Runs every pending event re-entrantly, then returns.
void PumpEvents();
// Pending events first, then a sleep of ms rounded half to even.
void PumpEventsThenSleep(double ms);
// Blocks until at least one event (a timer included) has been handled.
void WaitForEvents();

}  // namespace platform
