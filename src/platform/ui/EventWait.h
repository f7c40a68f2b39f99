#pragma once
// Waiting on the GUI thread for something that needs the event loop (a media file loading, a
// sound ending, a volume fade on another thread whose steps reach the player through queued
// calls). Events keep flowing meanwhile, except the reader's input, which waits until the wait
// is over, so that no command starts inside another.

#include <functional>

namespace EventWait {

// Processes events until `done` holds or `timeoutMs` passed; returns whether it holds.
bool Until(const std::function<bool()>& done, int timeoutMs);
// A wait of Until runs now (nested waits count once each).
bool Waiting();

}  // namespace EventWait
