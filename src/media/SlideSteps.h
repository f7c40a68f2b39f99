#pragma once
// The steps of the picture index that all slide areas share, through the file list of the
// area shown last. The index may come from a longer list of another area.

#include <optional>

// Past the last entry the index goes back to 0. Nothing for an empty list.
std::optional<int> NextSlide(int index, int count);
// Below 0 the index goes to the last entry, and so does an index past the list's end.
// Nothing for an empty list.
std::optional<int> PreviousSlide(int index, int count);
// Any entry of the list. Nothing for an empty list.
std::optional<int> RandomSlide(int count);
