#pragma once
// Whole-buffer zlib streams (RFC 1950), as the resource pack stores its directory and members.

#include <cstdint>
#include <string>
#include <string_view>

// Deflate never packs more than about 1032 bytes into one, so a stream of `storedSize`
// bytes that claims more than that is damaged: checked before anything is allocated.
bool CanInflateTo(uint64_t storedSize, uint64_t unpackedSize);

// Inflates `stream` into `out`; false unless it ends after exactly `size` bytes.
bool InflateExact(std::string_view stream, size_t size, std::string& out);

// The smallest zlib stream zlib makes of `bytes`.
std::string Deflate(std::string_view bytes);
