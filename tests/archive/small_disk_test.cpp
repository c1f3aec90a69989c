// A disk that really fills up: a small tmpfs (R: under Wine). The next-disk
// handlers play the user, taking the full disk's files off to a shelf and
// putting back the part that is asked for.

#include <cstdlib>
#include <filesystem>

#include "archive/archive_exceptions.h"
#include "archive_fixture.h"

namespace vorlan {
namespace {

namespace fs = std::filesystem;

constexpr int64_t kDiskSize = 256 * 1024;

class SmallDiskTest : public ArchiveTest {
 protected:
  void SetUp() override {
    const char* disk = std::getenv("VORLAN_SMALL_DISK");
    if (!disk || !DirectoryExists(disk)) {
      GTEST_SKIP() << "no small disk: the test run mounts a tmpfs for it, which needs root ("
                   << (disk ? disk : "VORLAN_SMALL_DISK unset") << ")";
    }
    ArchiveTest::SetUp();
    // A folder on the disk: an empty drive root has no entries at all, not
    // even "." and "..", which the directory listing cannot take.
    disk_ = AddBackslash(RemoveBackslash(disk)) + "disk";
    ASSERT_TRUE(DirectoryExists(disk_) || CreateDirectoryAt(disk_)) << disk_;
    shelf_ = PathOf("shelf");
    ASSERT_TRUE(CreateDirectoryAt(shelf_));
    EmptyDisk();
  }

  void TearDown() override {
    if (disk_.empty()) return;
    EmptyDisk();
    ArchiveTest::TearDown();
  }

  std::string OnDisk(const std::string& name) const { return AddBackslash(disk_) + name; }
  std::string OnShelf(const std::string& name) const { return AddBackslash(shelf_) + name; }

  void EmptyDisk() {
    for (const auto& entry : fs::directory_iterator(NativePath(disk_))) fs::remove_all(entry.path());
  }

  // The user takes the disk out: its files go to the shelf.
  void ShelveDisk() {
    for (const auto& entry : fs::directory_iterator(NativePath(disk_))) {
      fs::copy_file(entry.path(), NativePath(OnShelf(entry.path().filename().string())),
                    fs::copy_options::overwrite_existing);
      fs::remove(entry.path());
    }
  }

  // ... and puts in the disk that holds the part.
  void InsertDiskWith(const std::string& name) {
    ShelveDisk();
    fs::copy_file(NativePath(OnShelf(name)), NativePath(OnDisk(name)));
  }

  std::vector<std::string> DiskListing() const {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(NativePath(disk_))) {
      names.push_back(entry.path().filename().string());
    }
    return names;
  }

  std::string disk_, shelf_;
};

TEST_F(SmallDiskTest, ExtractingOntoAFullDisk) {
  std::string big = MakeFile("big.bin", Payload(400 * 1024, 50, false));
  AddFiles({big});
  compress_.SetExtractDirectory(disk_);
  try {
    ExtractNames({big});
    FAIL();
  } catch (const EvcDiskFull& e) {
    EXPECT_EQ(e.Message(), "The disk is full");
  }
  EXPECT_TRUE(DiskListing().empty());

  // Replacing a file that is there: the old one stays, nothing else.
  WriteAll(OnDisk("big.bin"), "installed before");
  EXPECT_THROW(ExtractNames({big}), EvcDiskFull);
  EXPECT_EQ(ReadAll(OnDisk("big.bin")), "installed before");
  EXPECT_EQ(DiskListing(), std::vector<std::string>{"big.bin"});

  // A handler that lets it go on: the size check catches the loss.
  int full = 0;
  compress_.SetOnFullDisk([&](TVorlanCompress&) { ++full; });
  try {
    ExtractNames({big});
    FAIL();
  } catch (const EVorlanCompress& e) {
    EXPECT_EQ(e.Message(),
              "The decompressed file's size does not match with the actual size of the file.  The file is " + big);
  }
  EXPECT_GT(full, 0);
  EXPECT_EQ(ReadAll(OnDisk("big.bin")), "installed before");
  EXPECT_EQ(DiskListing(), std::vector<std::string>{"big.bin"});
}

TEST_F(SmallDiskTest, AddingAndCopyingOntoAFullDisk) {
  std::string big = MakeFile("big.bin", Payload(400 * 1024, 51, false));
  compress_.SetCompressedFile(OnDisk("files.1"));
  EXPECT_THROW(AddFiles({big}), EvcDiskFull);
  EXPECT_TRUE(DiskListing().empty());
  EXPECT_THROW(compress_.CopyFile(big, OnDisk("copy.bin")), EvcDiskFull);
  EXPECT_TRUE(DiskListing().empty());
}

TEST_F(SmallDiskTest, SpanningOverDisksAndExtractingFromThem) {
  TStringList sources;
  std::vector<std::string> contents;
  for (int i = 0; i < 12; ++i) {
    contents.push_back(Payload(i % 3 == 0 ? 200 * 1024 : 20 * 1024 + 777 * i, 60 + i, i % 4 == 1));
    sources.push_back(MakeFile("m" + IntToStr(i), contents.back()));
  }
  AddFiles(sources);
  const int64_t archive_size = static_cast<int64_t>(ArchiveBytes().size());
  ASSERT_GT(archive_size, 3 * kDiskSize);

  std::vector<int> asked;
  compress_.SetOnNewDisk([&](TVorlanCompress&, int disk_number, std::string& path) {
    asked.push_back(disk_number);
    EXPECT_EQ(path, disk_);
    if (disk_number == 1) {
      InsertDiskWith("files.1");
    } else {
      ShelveDisk();
    }
  });
  compress_.Span(disk_, "files.1");
  ShelveDisk();
  ASSERT_GE(asked.size(), 4u);
  EXPECT_EQ(asked.back(), 1);
  const int parts = asked[asked.size() - 2];
  EXPECT_EQ(parts, static_cast<int>(asked.size()));
  int64_t total = 0;
  for (int n = 1; n <= parts; ++n) {
    auto size = FileSizeOf(OnShelf("files." + IntToStr(n)));
    ASSERT_TRUE(size) << n;
    EXPECT_LE(*size, kDiskSize);
    if (n < parts) {
      EXPECT_GT(*size, kDiskSize - 16 * 1024) << "part " << n << " is not full";
    }
    total += *size;
  }
  // The same prefix, headers and data, only in another order.
  EXPECT_EQ(total, archive_size);

  InsertDiskWith("files.1");
  TVorlanCompress reader(nullptr);
  reader.SetCompressedFile(OnDisk("files.1"));
  reader.SetExtractDirectory(out_);
  reader.SetOnNewDisk([&](TVorlanCompress&, int disk_number, std::string&) {
    InsertDiskWith("files." + IntToStr(disk_number));
  });
  reader.SetFilesToProcess(sources);
  reader.Extract();
  for (size_t i = 0; i < sources.size(); ++i) EXPECT_EQ(ReadAll(OutPath("m" + IntToStr(i))), contents[i]) << i;
}

TEST_F(SmallDiskTest, SpanningWithoutAWayToChangeDisks) {
  std::string big = MakeFile("big.bin", Payload(400 * 1024, 70, false));
  AddFiles({big});
  try {
    compress_.Span(disk_, "files.1");
    FAIL();
  } catch (const EVorlanCompress& e) {
    EXPECT_EQ(e.Message(),
              "There was no event handler for the OnNewDisk event, therefore no new disk could be inserted");
  }
  EXPECT_TRUE(compress_.Abort());

  // A "new" disk that is still the full one.
  compress_.SetOnNewDisk([](TVorlanCompress&, int, std::string&) {});
  try {
    compress_.Span(disk_, "files.1");
    FAIL();
  } catch (const EVorlanCompress& e) {
    EXPECT_EQ(e.Message(), "There is too little space on this disk to operate");
  }
}

}  // namespace
}  // namespace vorlan
