#pragma once
// The application-wide busy state: the hourglass cursor, and `BusyFlag`, which makes the
// program refuse new commands while a long operation runs.

void SetBusyCursor(bool on);

// The hourglass alone, while a step that is short but not instant runs (opening a media file,
// starting the music): commands are not refused.
class THourglass {
 public:
  THourglass();
  ~THourglass();
  THourglass(const THourglass&) = delete;
  THourglass& operator=(const THourglass&) = delete;
};
