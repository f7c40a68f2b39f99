#pragma once
// The sizes of the rows or columns of a frameset.

#include <string>
#include <vector>

// `list` is a rows or cols attribute: a comma-separated list of pixels ("120"), percentages
// ("30%") and shares of the rest ("*", "2*"). Returns the size of each part in pixels, summing
// to `total`: pixels and percentages first (scaled down when they do not fit), the rest shared
// by the "*" parts, or spread over the others when there is none. An empty list is one part.
std::vector<int> FramesetSizes(const std::string& list, int total);
