// The self-extract record, and an archive read from inside an executable.

#include <cstring>

#include "archive/self_extract_info.h"
#include "archive_fixture.h"
#include "base/exceptions.h"

namespace vorlan {
namespace {

class SelfExtractTest : public ArchiveTest {};

TEST_F(SelfExtractTest, RecordBytesFollowTheTable) {
  SelfExtractInfo info{"SELFEXTRACTING", 1000, 1999, 2000, 0x01020304};
  auto bytes = EncodeSelfExtractInfo(info);
  std::string expected(56, '\0');
  expected[0] = 14;
  expected.replace(1, 14, "SELFEXTRACTING");
  PutInt32(expected, 16, 1000);
  PutInt32(expected, 20, 1999);
  PutInt32(expected, 24, 2000);
  PutInt32(expected, 28, 0x01020304);
  EXPECT_EQ(std::string(bytes.begin(), bytes.end()), expected);
  EXPECT_EQ(DecodeSelfExtractInfo(bytes), info);
}

TEST_F(SelfExtractTest, ArchiveInsideAnExecutable) {
  std::string content = Payload(20000, 40, true);
  std::string source = MakeFile("inside.txt", content);
  AddFiles({source});
  std::string loader = Payload(3000, 41, false), setup = Payload(500, 42, false), files = ArchiveBytes();
  SelfExtractInfo info{"SELFEXTRACTING", 3000, 3499, 3500, static_cast<int32_t>(3500 + files.size() - 1)};
  auto record = EncodeSelfExtractInfo(info);
  std::string exe = PathOf("setup.exe");
  WriteAll(exe, loader + setup + files + std::string(record.begin(), record.end()) + std::string(40, 'c'));

  EXPECT_EQ(ReadSelfExtractInfo(exe), info);
  compress_.SetCompressedFile(exe);
  compress_.SetOffset(info.FilesArchiveStart);
  ExtractNames({source});
  EXPECT_EQ(ReadAll(OutPath("inside.txt")), content);
}

TEST_F(SelfExtractTest, TooShortOrMissing) {
  WriteAll(PathOf("short.exe"), std::string(95, 'x'));
  for (const std::string& name : {PathOf("short.exe"), PathOf("none.exe")}) {
    try {
      ReadSelfExtractInfo(name);
      FAIL();
    } catch (const IEInstall& e) {
      EXPECT_EQ(e.Message(), "Could not read the extraction info from the archive file " + name +
                                 " when trying to find the correct offset into the self extracting file");
    }
  }
}

}  // namespace
}  // namespace vorlan
