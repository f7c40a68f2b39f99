#pragma once
// Plain conversions of description text: trimming and integers.

#include <cstdint>
#include <string_view>

// Without the characters with codes up to 32 at both ends (bytes above 127 are kept).
std::string_view TrimBlanks(std::string_view text);

// An optional sign and decimal digits, nothing else, within 32 bits.
bool TextToInt32(std::string_view text, int32_t& value);
