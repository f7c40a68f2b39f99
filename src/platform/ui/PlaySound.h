#pragma once
// The platform's sound of a click: one sound at a time, a new one cutting short the one that
// plays; nothing (no default sound) when the file cannot be played.

#include "platform/ui/MediaDevice.h"

// Without `sync` returns at once; with it, when the sound has ended (or could not play), at
// most a few seconds later. False when there is nothing to play.
bool PlaySound(const TMediaSource& source, bool sync);
