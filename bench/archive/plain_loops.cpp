#include "plain_loops.h"

#include <zlib.h>

#include <algorithm>
#include <stdexcept>

#include "base/file.h"
#include "base/strings.h"

namespace vorlan::bench {

void PlainDeflate(const std::vector<TPayloadFile>& files, const std::string& output, int level) {
  TFileStream out(output, TFileMode::Create);
  std::vector<uint8_t> input(65536), block(65536);
  for (const TPayloadFile& file : files) {
    TFileStream source(file.path, TFileMode::Read);
    z_stream z{};
    if (deflateInit2(&z, level, Z_DEFLATED, 15, 8, Z_DEFAULT_STRATEGY) != Z_OK) {
      throw std::runtime_error("deflateInit2");
    }
    int flush = Z_NO_FLUSH;
    int result = Z_OK;
    z.next_out = block.data();
    z.avail_out = static_cast<uInt>(block.size());
    while (result != Z_STREAM_END) {
      if (z.avail_in == 0 && flush == Z_NO_FLUSH) {
        size_t count = source.Read(input.data(), input.size());
        if (count < input.size()) flush = Z_FINISH;
        z.next_in = input.data();
        z.avail_in = static_cast<uInt>(count);
      }
      result = deflate(&z, flush);
      if (z.avail_out == 0 || result == Z_STREAM_END) {
        out.Write(block.data(), block.size() - z.avail_out);
        z.next_out = block.data();
        z.avail_out = static_cast<uInt>(block.size());
      }
    }
    deflateEnd(&z);
  }
}

void PlainInflate(const std::string& archive, const std::vector<TMemberRange>& members, const std::string& directory) {
  TFileStream in(archive, TFileMode::Read);
  std::vector<uint8_t> input(65536);
  uint8_t block[4096];
  for (const TMemberRange& member : members) {
    TFileStream out(AddBackslash(directory) + member.name, TFileMode::CreateNew);
    in.Seek(member.data_offset, TSeekOrigin::Begin);
    int64_t left = member.end_offset - member.data_offset + 1;
    z_stream z{};
    if (inflateInit(&z) != Z_OK) throw std::runtime_error("inflateInit");
    int result = Z_OK;
    while (result != Z_STREAM_END) {
      if (z.avail_in == 0) {
        size_t count = in.Read(input.data(), static_cast<size_t>(std::min<int64_t>(left, input.size())));
        if (count == 0) throw std::runtime_error("member cut short");
        left -= static_cast<int64_t>(count);
        z.next_in = input.data();
        z.avail_in = static_cast<uInt>(count);
      }
      z.next_out = block;
      z.avail_out = sizeof block;
      result = inflate(&z, Z_NO_FLUSH);
      if (result < 0) throw std::runtime_error("inflate");
      out.Write(block, sizeof block - z.avail_out);
    }
    inflateEnd(&z);
  }
}

}  // namespace vorlan::bench
