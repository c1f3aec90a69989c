#include "archive/self_extract_info.h"

#include "archive/record_layout.h"
#include "base/exceptions.h"
#include "base/file.h"

namespace vorlan {

TSelfExtractInfoBytes EncodeSelfExtractInfo(const SelfExtractInfo& info) {
  TSelfExtractInfoBytes bytes;
  TRecordWriter writer(bytes.data(), bytes.size());
  SelfExtractInfoLayout(writer, info);
  return bytes;
}

SelfExtractInfo DecodeSelfExtractInfo(const TSelfExtractInfoBytes& bytes) {
  SelfExtractInfo info;
  TRecordReader reader(bytes.data());
  SelfExtractInfoLayout(reader, info);
  return info;
}

SelfExtractInfo ReadSelfExtractInfo(const std::string& executable) {
  auto fail = [&]() {
    return IEInstall(
        "Could not read the extraction info from the archive file %s when trying to find the correct offset "
        "into the self extracting file",
        executable);
  };
  auto stream = TFileStream::TryOpen(executable, TFileMode::Read);
  if (!stream || stream->Size() < kSelfExtractTrailerSize) throw fail();
  stream->Seek(-kSelfExtractTrailerSize, TSeekOrigin::End);
  TSelfExtractInfoBytes bytes;
  if (stream->Read(bytes.data(), bytes.size()) != bytes.size()) throw fail();
  return DecodeSelfExtractInfo(bytes);
}

}  // namespace vorlan
