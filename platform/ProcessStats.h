#pragma once
// What the running program holds: its resident memory and its windows.

namespace platform {

// Resident memory in KiB; 0 when the system does not tell.
long ResidentKiB();
// Native windows alive, shown or not.
int LiveWindowCount();

}  // namespace platform
