// The remote distribution's file list: its bytes, and lists that are cut,
// damaged or written with texts too long for their fields.

#include <cstring>

#include "archive/remote_file_list.h"
#include "archive_fixture.h"
#include "base/exceptions.h"

namespace vorlan {
namespace {

class RemoteFileListTest : public ArchiveTest {
 protected:
  std::vector<TRemoteFileRecord> Read(const std::string& path) {
    return ReadRemoteFileList(path, [](const std::string& p) {
      return std::make_exception_ptr(IEInstall("Cannot read the remote list of files: %s", p));
    });
  }

  // The reader's error text for path, or "" when it read the list.
  std::string ReadError(const std::string& path) {
    try {
      Read(path);
      return "";
    } catch (const IEInstall& e) {
      return e.Message();
    }
  }

  static inline const TDateTime kDate = EncodeDateTime(2001, 2, 3, 4, 5, 6);
};

TEST_F(RemoteFileListTest, BytesFollowTheTable) {
  std::string path = PathOf("filelist.lst");
  WriteRemoteFileList(path, {{1234, kDate, "readme.txt", "1.2.3.4"}, {-5, 0, "b", ""}});
  std::string bytes = ReadAll(path);
  ASSERT_EQ(bytes.size(), 4u + 2 * 80);
  std::string first(80, '\0');
  PutInt32(first, 0, 1234);
  std::memcpy(first.data() + 8, &kDate, 8);
  first.replace(16, 10, "readme.txt");
  first.replace(56, 7, "1.2.3.4");
  EXPECT_EQ(Int32At(bytes, 0), 2);
  EXPECT_EQ(bytes.substr(4, 80), first);
  EXPECT_EQ(Int32At(bytes, 84), -5);
  EXPECT_EQ(bytes.substr(88), std::string(76, '\0').replace(12, 1, "b"));
  EXPECT_EQ(Read(path), (std::vector<TRemoteFileRecord>{{1234, kDate, "readme.txt", "1.2.3.4"}, {-5, 0, "b", ""}}));
}

TEST_F(RemoteFileListTest, LongTextsAreCutToTheirFields) {
  std::string path = PathOf("filelist.lst");
  WriteRemoteFileList(path, {{1, kDate, std::string(45, 'n'), std::string(30, 'v')}});
  std::string bytes = ReadAll(path);
  EXPECT_EQ(bytes.substr(4 + 16, 40), std::string(39, 'n') + '\0');
  EXPECT_EQ(bytes.substr(4 + 56, 24), std::string(20, 'v') + std::string(4, '\0'));
  EXPECT_EQ(Read(path), (std::vector<TRemoteFileRecord>{{1, kDate, std::string(39, 'n'), std::string(20, 'v')}}));
}

// Another writer may fill a field to its end: the name then takes all 40
// bytes and the version stops at 20 characters, and nothing spills over
// from one field into the next.
TEST_F(RemoteFileListTest, FullFieldsWithoutTerminator) {
  std::string bytes(4 + 80, '\0');
  PutInt32(bytes, 0, 1);
  bytes.replace(4 + 16, 40, std::string(40, 'N'));
  bytes.replace(4 + 56, 24, std::string(24, 'V'));
  WriteAll(PathOf("filelist.lst"), bytes);
  std::vector<TRemoteFileRecord> records = Read(PathOf("filelist.lst"));
  ASSERT_EQ(records.size(), 1u);
  EXPECT_EQ(records[0].Name, std::string(40, 'N'));
  EXPECT_EQ(records[0].SourceVersion, std::string(20, 'V'));
}

TEST_F(RemoteFileListTest, EmptyListHasACountOnly) {
  std::string path = PathOf("filelist.lst");
  WriteRemoteFileList(path, {});
  EXPECT_EQ(ReadAll(path), std::string(4, '\0'));
  EXPECT_TRUE(Read(path).empty());
}

TEST_F(RemoteFileListTest, UnreadableListsRaiseTheCallersError) {
  std::string record(80, '\0');
  std::string two_records = std::string(4, '\0') + record + record;
  PutInt32(two_records, 0, 2);
  std::string negative(4, '\0');
  PutInt32(negative, 0, -1);
  struct Case {
    const char* name;
    std::string bytes;
  } cases[] = {
      {"no bytes", ""},
      {"cut count", std::string(3, '\0')},
      {"cut first record", two_records.substr(0, 4 + 79)},
      {"cut second record", two_records.substr(0, 4 + 80 + 40)},
      {"negative count", negative},
  };
  for (const Case& c : cases) {
    std::string path = PathOf("filelist.lst");
    WriteAll(path, c.bytes);
    EXPECT_EQ(ReadError(path), "Cannot read the remote list of files: " + path) << c.name;
  }
  EXPECT_EQ(ReadError(PathOf("none.lst")), "Cannot read the remote list of files: " + PathOf("none.lst"));
}

TEST_F(RemoteFileListTest, WriterReplacesAnOldList) {
  std::string path = PathOf("filelist.lst");
  WriteAll(path, std::string(500, 'x'));
  WriteRemoteFileList(path, {{7, kDate, "a", "1"}});
  EXPECT_EQ(ReadAll(path).size(), 84u);
}

}  // namespace
}  // namespace vorlan
