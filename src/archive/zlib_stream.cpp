#include "archive/zlib_stream.h"

#include "base/exceptions.h"

namespace vorlan {

namespace {
[[noreturn]] void Fail() { throw Exception("error"); }

void Check(int result) {
  if (result < 0) Fail();
}
}  // namespace

TDeflater::TDeflater(int level) {
  Check(deflateInit2(&stream_, level, Z_DEFLATED, 15, 8, Z_DEFAULT_STRATEGY));
}

void TDeflater::SetInput(const uint8_t* data, size_t size) {
  stream_.next_in = const_cast<Bytef*>(data);
  stream_.avail_in = static_cast<uInt>(size);
}

void TDeflater::SetOutput(uint8_t* data, size_t size) {
  stream_.next_out = data;
  stream_.avail_out = static_cast<uInt>(size);
}

bool TDeflater::Deflate(bool finish) {
  int result = deflate(&stream_, finish ? Z_FINISH : Z_NO_FLUSH);
  // No progress possible is not an error: the caller supplies more room or input.
  if (result == Z_BUF_ERROR) return false;
  Check(result);
  return result == Z_STREAM_END;
}

TInflater::TInflater() { Check(inflateInit(&stream_)); }

void TInflater::SetInput(const uint8_t* data, size_t size) {
  stream_.next_in = const_cast<Bytef*>(data);
  stream_.avail_in = static_cast<uInt>(size);
}

void TInflater::SetOutput(uint8_t* data, size_t size) {
  stream_.next_out = data;
  stream_.avail_out = static_cast<uInt>(size);
}

bool TInflater::Inflate() {
  int result = inflate(&stream_, Z_NO_FLUSH);
  if (result == Z_NEED_DICT) Fail();
  if (result == Z_BUF_ERROR) return false;
  Check(result);
  return result == Z_STREAM_END;
}

}  // namespace vorlan
