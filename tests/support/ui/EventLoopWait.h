#pragma once
// Waiting in UI tests by running the GUI thread's event loop, deferred deletes included.

#include <functional>

// Processes events until `done` holds or `timeoutMs` passed; returns whether it holds.
bool ProcessEventsUntil(const std::function<bool()>& done, int timeoutMs = 20000);
// Processes events for `ms` milliseconds.
void ProcessEventsFor(int ms);
