#pragma once
// Colours as book data writes them: red in the lowest byte, then green, then blue. Values with
// the top bit set name system colours.

#include <cstdint>

using TColor = int32_t;
