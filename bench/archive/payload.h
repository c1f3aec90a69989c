#pragma once
// The benchmark's payload, the same bytes on every run: about 150 MB in
// some 2000 files (many of 1-50 KB, some of 1-5 MB, two of 20-30 MB), half
// text-like and compressible, half noise; and 10,000 files of 1 KB.

#include <cstdint>
#include <string>
#include <vector>

namespace vorlan::bench {

struct TPayloadFile {
  std::string path;
  int64_t size;
};

// Writes the files into directory (created) unless they are there already.
std::vector<TPayloadFile> MakeMixedPayload(const std::string& directory);
std::vector<TPayloadFile> MakeSmallFiles(const std::string& directory, int count, int64_t size);

int64_t TotalSize(const std::vector<TPayloadFile>& files);

}  // namespace vorlan::bench
