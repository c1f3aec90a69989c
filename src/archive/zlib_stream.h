#pragma once
// Owners of one zlib stream each, released however the operation ends. A
// negative zlib result raises the plain exception "error".

#include <zlib.h>

#include <cstddef>
#include <cstdint>

namespace vorlan {

class TDeflater {
 public:
  // level: 0 ... 9 or Z_DEFAULT_COMPRESSION; 15 window bits, memory level 8.
  explicit TDeflater(int level);
  ~TDeflater() { deflateEnd(&stream_); }
  TDeflater(const TDeflater&) = delete;
  TDeflater& operator=(const TDeflater&) = delete;

  void SetInput(const uint8_t* data, size_t size);
  bool InputUsed() const { return stream_.avail_in == 0; }
  void SetOutput(uint8_t* data, size_t size);
  size_t OutputLeft() const { return stream_.avail_out; }
  // One deflate call; answers true once the stream has ended (with finish).
  bool Deflate(bool finish);

 private:
  z_stream stream_{};
};

class TInflater {
 public:
  TInflater();
  ~TInflater() { inflateEnd(&stream_); }
  TInflater(const TInflater&) = delete;
  TInflater& operator=(const TInflater&) = delete;

  void SetInput(const uint8_t* data, size_t size);
  size_t InputLeft() const { return stream_.avail_in; }
  void SetOutput(uint8_t* data, size_t size);
  size_t OutputLeft() const { return stream_.avail_out; }
  // One inflate call; answers true once the stream has ended. A stream
  // that asks for a preset dictionary is damaged here and raises too.
  bool Inflate();

 private:
  z_stream stream_{};
};

}  // namespace vorlan
