#pragma once
// The baselines: zlib called directly, with the component's buffer sizes,
// through the same file layer, and nothing else.

#include <cstdint>
#include <string>
#include <vector>

#include "payload.h"

namespace vorlan::bench {

struct TMemberRange {
  std::string name;  // file name to write
  int64_t data_offset, end_offset;
};

// Deflates every file, one stream each, one after the other into output.
void PlainDeflate(const std::vector<TPayloadFile>& files, const std::string& output, int level);
// Inflates every member of archive into its own new file in directory.
void PlainInflate(const std::string& archive, const std::vector<TMemberRange>& members,
                  const std::string& directory);

}  // namespace vorlan::bench
