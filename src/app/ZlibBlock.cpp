#include "app/ZlibBlock.h"

#include <zlib.h>

#include <limits>
#include <stdexcept>

namespace {
constexpr uint64_t kMaxInflateRatio = 1032;
}  // namespace

bool CanInflateTo(uint64_t storedSize, uint64_t unpackedSize) { return unpackedSize <= storedSize * kMaxInflateRatio; }

bool InflateExact(std::string_view stream, size_t size, std::string& out) {
  if (stream.size() > std::numeric_limits<uInt>::max() || size >= std::numeric_limits<uInt>::max()) return false;
  // One spare byte tells a stream that runs long from one that ends on time.
  std::string buffer(size + 1, '\0');
  z_stream z{};
  if (inflateInit(&z) != Z_OK) return false;
  z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(stream.data()));
  z.avail_in = static_cast<uInt>(stream.size());
  z.next_out = reinterpret_cast<Bytef*>(buffer.data());
  z.avail_out = static_cast<uInt>(buffer.size());
  const int result = inflate(&z, Z_FINISH);
  const bool exact = result == Z_STREAM_END && z.total_out == size;
  inflateEnd(&z);
  if (!exact) return false;
  buffer.resize(size);
  out = std::move(buffer);
  return true;
}

std::string Deflate(std::string_view bytes) {
  uLongf size = compressBound(static_cast<uLong>(bytes.size()));
  std::string out(size, '\0');
  if (compress2(reinterpret_cast<Bytef*>(out.data()), &size, reinterpret_cast<const Bytef*>(bytes.data()),
                static_cast<uLong>(bytes.size()), Z_BEST_COMPRESSION) != Z_OK)
    throw std::runtime_error("zlib could not compress a block");
  out.resize(size);
  return out;
}
