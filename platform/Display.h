#pragma once
// The connection to the display.

#include <QString>

namespace platform {

// The window system can be reached: for X11, a connection to DISPLAY opens.
// Other platforms (offscreen, for the tests) count as there.
bool DisplayAvailable();

// Before the application is made: pictures of windows go to the X server
// inside its requests, not through shared memory. The game's windows are a
// few pixels each, and a shared segment costs two round trips whenever one
// changes size: the course editor resizes dozens of windows at an edit.
void SendPicturesInRequests();

// Once the application is up: when the connection to the X server breaks
// (the server ended, a window of the game was killed from the X side), the
// program ends at once with status 1, like EndProgram, instead of running
// exit handlers after Qt has lost its display.
void EndAtOnceWhenDisplayLost();

// True when the game is connected to an X server that is gone.
bool DisplayLost();

// A clipboard manager that takes over the clipboard of a program that ends
// runs on the display.
bool ClipboardManagerRuns();

// The name the window manager gives itself; empty without one, or off X11.
QString WindowManagerName();

}  // namespace platform
