// Reads a mutated file list. It either fails with the caller's error or
// yields records that fit their fields and survive being written and read
// again; anything else is a finding.

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>

#include <unistd.h>

#include "archive/remote_file_list.h"
#include "base/exceptions.h"
#include "base/file.h"

namespace {

namespace fs = std::filesystem;

class TListError : public std::exception {};

const fs::path& Root() {
  static const fs::path root = [] {
    fs::path path = fs::temp_directory_path() / ("vorlan-fuzz-file-list-" + std::to_string(getpid()));
    fs::create_directories(path);
    return path;
  }();
  return root;
}

std::vector<vorlan::TRemoteFileRecord> Read(const std::string& path) {
  return vorlan::ReadRemoteFileList(path, [](const std::string&) { return std::make_exception_ptr(TListError()); });
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string path = (Root() / "filelist.lst").string();
  {
    vorlan::TFileStream stream(path, vorlan::TFileMode::Create);
    stream.Write(data, size);
  }
  std::vector<vorlan::TRemoteFileRecord> records;
  try {
    records = Read(path);
  } catch (const TListError&) {
    return 0;
  }
  if (4 + records.size() * vorlan::kRemoteFileRecordSize > size) std::abort();
  for (vorlan::TRemoteFileRecord& record : records) {
    if (record.Name.size() > 40 || record.SourceVersion.size() > vorlan::kRemoteFileVersionLength) std::abort();
    if (record.Name.find('\0') != std::string::npos || record.SourceVersion.find('\0') != std::string::npos) std::abort();
    // The writer keeps 39 characters of a name.
    record.Name.resize(std::min(record.Name.size(), vorlan::kRemoteFileNameLength));
  }
  vorlan::WriteRemoteFileList(path, records);
  std::vector<vorlan::TRemoteFileRecord> again = Read(path);
  // NaN dates compare unequal with themselves; compare their bits instead.
  if (again.size() != records.size()) std::abort();
  for (size_t i = 0; i < records.size(); ++i) {
    if (vorlan::EncodeRemoteFileRecord(again[i]) != vorlan::EncodeRemoteFileRecord(records[i])) std::abort();
  }
  return 0;
}
