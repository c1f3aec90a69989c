#pragma once
// A setup program's engine on its main form, a framework directory of the
// test's own with a stand-in loading program, and a product to build: the
// setup program (any bytes do, nothing runs it) and its files.

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "archive/self_extract_info.h"
#include "engine_fixture.h"
#include "framework_registration.h"
#include "win_test_support.h"

namespace vorlan::engine_test {

// Bytes that do not compress, the same for the same seed.
std::string Payload(size_t size, uint32_t seed);
// The source names of an archive's members, in archive order.
std::vector<std::string> MemberNames(const std::string& archive, int32_t offset = 0);
std::string Slice(const std::string& bytes, size_t start, size_t end_inclusive);
SelfExtractInfo RecordAt(const std::string& bytes, size_t position);
// Whatever the file holds; empty when it is missing.
std::string FileBytes(const std::string& path);
// Equal contents; a failure tells the sizes and the first difference, not
// the bytes.
::testing::AssertionResult SameBytes(const std::string& actual, const std::string& expected);

class BuildFixture : public EngineFixture {
 protected:
  static constexpr const char* kLoaderBytes = "MZ stand-in loading program";

  BuildFixture();

  std::string Temp(const std::string& name) const { return temp_.Path(name); }
  // A file in the product's source directory.
  std::string Source(const std::string& name, const std::string& contents);
  std::string BuildPath(const std::string& name) const { return AddBackslash(build_dir) + name; }

  testing::TTempDir temp_;
  std::string framework_dir;
  std::optional<testing::TFrameworkRegistration> registration;
  std::string program;
  std::string build_dir;
};

}  // namespace vorlan::engine_test
