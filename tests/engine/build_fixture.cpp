#include "build_fixture.h"

#include "archive/vorlan_compress.h"
#include "base/file.h"
#include "objects/framework_directory.h"

namespace vorlan::engine_test {

std::string Payload(size_t size, uint32_t seed) {
  std::string bytes(size, '\0');
  uint32_t state = seed * 2654435761u + 1;
  for (char& c : bytes) {
    state = state * 1664525u + 1013904223u;
    c = static_cast<char>(state >> 24);
  }
  return bytes;
}

std::vector<std::string> MemberNames(const std::string& archive, int32_t offset) {
  TVorlanCompress reader(nullptr);
  reader.SetOffset(offset);
  reader.SetCompressedFile(archive);
  reader.ReadHeaders();
  std::vector<std::string> names;
  for (int i = 0; i < reader.Headers().Count(); ++i) names.push_back(reader.Headers().Header(i).Record().SourceName);
  return names;
}

std::string Slice(const std::string& bytes, size_t start, size_t end_inclusive) {
  if (end_inclusive < start || end_inclusive >= bytes.size()) return {};
  return bytes.substr(start, end_inclusive - start + 1);
}

SelfExtractInfo RecordAt(const std::string& bytes, size_t position) {
  TSelfExtractInfoBytes record{};
  if (position + record.size() <= bytes.size()) bytes.copy(reinterpret_cast<char*>(record.data()), record.size(), position);
  return DecodeSelfExtractInfo(record);
}

std::string FileBytes(const std::string& path) { return FileExists(path) ? testing::ReadWholeFile(path) : ""; }

::testing::AssertionResult SameBytes(const std::string& actual, const std::string& expected) {
  if (actual == expected) return ::testing::AssertionSuccess();
  size_t at = 0;
  while (at < actual.size() && at < expected.size() && actual[at] == expected[at]) ++at;
  return ::testing::AssertionFailure() << actual.size() << " bytes where " << expected.size()
                                       << " were expected, first difference at " << at;
}

BuildFixture::BuildFixture()
    : framework_dir(temp_.Path("framework")), program(temp_.Path("program\\product_setup.exe")),
      build_dir(temp_.Path("build")) {
  ForceDirectories(framework_dir);
  ForceDirectories(temp_.Path("program"));
  ForceDirectories(temp_.Path("source"));
  testing::WriteWholeFile(AddBackslash(framework_dir) + kFrameworkMarker, "framework");
  testing::WriteWholeFile(AddBackslash(framework_dir) + "VorlanLoadProgram.exe", kLoaderBytes);
  testing::WriteWholeFile(program, Payload(20000, 1));
  registration.emplace(framework_dir);
}

std::string BuildFixture::Source(const std::string& name, const std::string& contents) {
  std::string path = temp_.Path("source\\" + name);
  testing::WriteWholeFile(path, contents);
  return path;
}

}  // namespace vorlan::engine_test
