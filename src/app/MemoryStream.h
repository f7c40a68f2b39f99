#pragma once
// A growable byte buffer with a read position: what every data file is read into.

#include <algorithm>
#include <cstddef>
#include <string>

class TMemoryStream {
 public:
  TMemoryStream() = default;
  explicit TMemoryStream(std::string bytes) : data_(std::move(bytes)) {}
  virtual ~TMemoryStream() = default;

  const std::string& Data() const { return data_; }
  std::string& Data() { return data_; }
  size_t Size() const { return data_.size(); }
  void SetSize(size_t size) {
    data_.resize(size);
    position_ = std::min(position_, size);
  }
  size_t Position() const { return position_; }
  void SetPosition(size_t position) { position_ = std::min(position, data_.size()); }

  // Reads up to `count` bytes at the position; returns how many were read.
  size_t Read(char* dst, size_t count) {
    const size_t n = std::min(count, data_.size() - position_);
    std::copy_n(data_.data() + position_, n, dst);
    position_ += n;
    return n;
  }
  bool ReadByte(char& byte) { return Read(&byte, 1) == 1; }

 private:
  std::string data_;
  size_t position_ = 0;
};
