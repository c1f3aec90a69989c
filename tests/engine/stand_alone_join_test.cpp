// The stand-alone setup executable as the build joins it and as the floppy
// transfer checks it, without an engine: what one writes the other must
// take, and a record that places its archives anywhere else is refused.

#include <gtest/gtest.h>

#include <string>

#include "archive/self_extract_info.h"
#include "base/file.h"
#include "engine/distribution_build.h"
#include "engine/floppy_transfer.h"
#include "win_test_support.h"

namespace vorlan {
namespace {

using testing::ReadWholeFile;
using testing::WriteWholeFile;

class StandAloneJoinTest : public testing::TempDirTest {
 protected:
  // Joins the parts given (an empty text: no files archive) and answers
  // the executable's bytes.
  std::string Join(const std::string& files) {
    WriteWholeFile(Path("setup.exe"), "MZ the loading program");
    WriteWholeFile(Path("setup.1"), "setup archive");
    if (!files.empty()) WriteWholeFile(Path("files.1"), files);
    TDistributionBuild::MakeStandAlone(Path("setup.exe"), Path("setup.1"), Path("files.1"));
    return ReadWholeFile(Path("setup.exe"));
  }
};

// The trailer's checksum comes after the record; the transfer counts it in.
std::string WithChecksum(const std::string& path) {
  std::string bytes = ReadWholeFile(path) + std::string(kSelfExtractTrailerSize - kSelfExtractInfoSize, 'c');
  WriteWholeFile(path, bytes);
  return bytes;
}

std::string Part(const std::string& bytes, int32_t start, int32_t end) {
  return bytes.substr(static_cast<size_t>(start), static_cast<size_t>(end - start + 1));
}

TEST_F(StandAloneJoinTest, TheJoinedArchivesAreWhereTheRecordSays) {
  for (const std::string files : {"files archive", ""}) {
    Join(files);
    std::string bytes = WithChecksum(Path("setup.exe"));
    SelfExtractInfo info = ReadSelfExtractInfo(Path("setup.exe"));
    EXPECT_EQ(info.Signature, "SELFEXTRACTING");
    EXPECT_EQ(Part(bytes, 0, info.SetupArchiveStart - 1), "MZ the loading program");
    EXPECT_EQ(Part(bytes, info.SetupArchiveStart, info.SetupArchiveEnd), "setup archive");
    if (files.empty()) {
      EXPECT_EQ(info.FilesArchiveStart, 0);
      EXPECT_EQ(info.FilesArchiveEnd, 0);
    } else {
      EXPECT_EQ(Part(bytes, info.FilesArchiveStart, info.FilesArchiveEnd), files);
    }
    EXPECT_TRUE(TFloppyTransfer::LocatesItsArchives(info, static_cast<int64_t>(bytes.size()))) << files;
    DeleteFileAt(Path("files.1"));
  }
}

struct TRecordCase {
  const char* what;
  SelfExtractInfo info;
  bool taken;
};

// An executable of 1000 bytes: the trailer begins at 904.
TEST(LocatesItsArchivesTest, ArchivesLieInOrderBeforeTheTrailer) {
  const char* kSelf = "SELFEXTRACTING";
  const TRecordCase cases[] = {
      {"both archives", {kSelf, 100, 199, 200, 903}, true},
      {"setup archive only", {kSelf, 100, 903, 0, 0}, true},
      {"one-byte archives", {kSelf, 1, 1, 2, 2}, true},
      {"another signature", {"NOTSELFEXTRACT", 100, 199, 200, 899}, false},
      {"no loading program", {kSelf, 0, 199, 200, 899}, false},
      {"setup archive ends before it starts", {kSelf, 200, 199, 0, 0}, false},
      {"setup archive in the trailer", {kSelf, 100, 904, 0, 0}, false},
      {"files archive overlaps the setup archive", {kSelf, 100, 199, 199, 899}, false},
      {"files archive ends before it starts", {kSelf, 100, 199, 300, 299}, false},
      {"files archive in the trailer", {kSelf, 100, 199, 200, 904}, false},
      {"files archive end without a start", {kSelf, 100, 199, 0, 899}, false},
  };
  for (const TRecordCase& c : cases) EXPECT_EQ(TFloppyTransfer::LocatesItsArchives(c.info, 1000), c.taken) << c.what;
}

}  // namespace
}  // namespace vorlan
