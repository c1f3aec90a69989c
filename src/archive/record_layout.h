#pragma once
// Fixed-size little-endian records. Each record type describes its layout
// once, as a function template over an I/O object; TRecordWriter and
// TRecordReader walk that same description, so reading and writing cannot
// drift apart. Nothing is ever copied from memory as a whole struct.

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

namespace vorlan {

class TRecordWriter {
 public:
  // bytes must hold the whole record; it is zeroed first, so every gap and
  // reserved field is written as zero.
  TRecordWriter(uint8_t* bytes, size_t size) : bytes_(bytes) { std::memset(bytes, 0, size); }

  void Int32(size_t offset, int32_t value) {
    uint32_t bits = static_cast<uint32_t>(value);
    for (int i = 0; i < 4; ++i) bytes_[offset + i] = static_cast<uint8_t>(bits >> (8 * i));
  }
  void UInt8(size_t offset, uint8_t value) { bytes_[offset] = value; }
  void Float64(size_t offset, double value) {
    uint64_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    for (int i = 0; i < 8; ++i) bytes_[offset + i] = static_cast<uint8_t>(bits >> (8 * i));
  }
  // A length byte and at most max_length characters; the rest stays zero.
  void Text(size_t offset, size_t max_length, const std::string& value) {
    size_t length = value.size() < max_length ? value.size() : max_length;
    bytes_[offset] = static_cast<uint8_t>(length);
    std::memcpy(bytes_ + offset + 1, value.data(), length);
  }
  void Reserved(size_t /*offset*/, size_t /*count*/) {}

 private:
  uint8_t* bytes_;
};

class TRecordReader {
 public:
  explicit TRecordReader(const uint8_t* bytes) : bytes_(bytes) {}

  void Int32(size_t offset, int32_t& value) const {
    uint32_t bits = 0;
    for (int i = 0; i < 4; ++i) bits |= static_cast<uint32_t>(bytes_[offset + i]) << (8 * i);
    value = static_cast<int32_t>(bits);
  }
  void UInt8(size_t offset, uint8_t& value) const { value = bytes_[offset]; }
  void Float64(size_t offset, double& value) const {
    uint64_t bits = 0;
    for (int i = 0; i < 8; ++i) bits |= static_cast<uint64_t>(bytes_[offset + i]) << (8 * i);
    std::memcpy(&value, &bits, sizeof value);
  }
  // A length byte beyond the field's width is read as the full width, so a
  // damaged record never reaches into the next field.
  void Text(size_t offset, size_t max_length, std::string& value) const {
    size_t length = bytes_[offset] < max_length ? bytes_[offset] : max_length;
    value.assign(reinterpret_cast<const char*>(bytes_ + offset + 1), length);
  }
  void Reserved(size_t /*offset*/, size_t /*count*/) const {}

 private:
  const uint8_t* bytes_;
};

}  // namespace vorlan
