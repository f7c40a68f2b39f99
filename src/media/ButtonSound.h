#pragma once
// The click sound of a skin element: its "wav" file from the book's folder, when the element
// has one (not empty, not "no") and the reader's "Wav" setting is on.

#include <string>

// Without `sync` the sound plays while the program goes on (a click); with it the call
// returns when the sound has ended (the exit button, as the window goes).
void PlayButtonSound(const std::string& wav, bool sync = false);
