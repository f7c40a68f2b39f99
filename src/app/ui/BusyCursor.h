#pragma once
// The application-wide busy state: the hourglass cursor, and `BusyFlag`, which makes the
// program refuse new commands while a long operation runs.

void SetBusyCursor(bool on);
