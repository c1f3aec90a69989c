// Reads the directory of a mutated archive and extracts every member on
// its own. Anything but the component's own exceptions is a finding, and
// so is a file that appears outside the extraction directory.

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>

#include <unistd.h>

#include "archive/vorlan_compress.h"
#include "base/exceptions.h"
#include "base/file.h"

namespace {

namespace fs = std::filesystem;

const fs::path& Root() {
  static const fs::path root = [] {
    fs::path path = fs::temp_directory_path() / ("vorlan-fuzz-archive-" + std::to_string(getpid()));
    fs::create_directories(path / "out");
    return path;
  }();
  return root;
}

void Write(const fs::path& path, const uint8_t* data, size_t size) {
  vorlan::TFileStream stream(path.string(), vorlan::TFileMode::Create);
  stream.Write(data, size);
}

// Only the archive, its second part and the extraction directory may be
// there, and the directory holds plain files only.
void CheckNothingEscaped() {
  for (const auto& entry : fs::directory_iterator(Root())) {
    std::string name = entry.path().filename().string();
    if (name != "files.1" && name != "files.2" && name != "out") std::abort();
  }
  for (const auto& entry : fs::directory_iterator(Root() / "out")) {
    if (!entry.is_regular_file()) std::abort();
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const fs::path& root = Root();
  fs::remove_all(root / "out");
  fs::create_directory(root / "out");
  // The same bytes serve as part 2, so spanned members have a next part to read.
  Write(root / "files.1", data, size);
  Write(root / "files.2", data, size);

  vorlan::TVorlanCompress compress(nullptr);
  compress.SetCompressedFile((root / "files.1").string());
  compress.SetExtractDirectory((root / "out").string());
  try {
    compress.ReadHeaders();
  } catch (const vorlan::Exception&) {
    return 0;
  }
  vorlan::TStringList names;
  for (int i = 0; i < compress.Count(); ++i) names.push_back(compress.Headers().Header(i).Record().SourceName);
  for (const std::string& name : names) {
    compress.SetFilesToProcess({name});
    try {
      compress.Extract();
    } catch (const vorlan::Exception&) {
    }
  }
  CheckNothingEscaped();
  return 0;
}
