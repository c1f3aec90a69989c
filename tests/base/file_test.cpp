#include "base/file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <random>
#include <string>

#include "base/exceptions.h"
#include "base/strings.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace vorlan {
namespace {

namespace fs = std::filesystem;

fs::path NativePath(std::string path) {
#ifndef _WIN32
  for (char& c : path) {
    if (c == '\\') c = '/';
  }
#endif
  return fs::path(path);
}

// The file's last-write time as the system keeps it: UTC seconds.
int64_t RawUtcSeconds(const std::string& path) {
#ifdef _WIN32
  WIN32_FILE_ATTRIBUTE_DATA data;
  if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data)) return -1;
  uint64_t ticks = (static_cast<uint64_t>(data.ftLastWriteTime.dwHighDateTime) << 32) |
                   data.ftLastWriteTime.dwLowDateTime;
  return static_cast<int64_t>(ticks / 10000000);
#else
  struct stat info;
  if (stat(NativePath(path).c_str(), &info) != 0) return -1;
  return info.st_mtim.tv_sec;
#endif
}

// Every test works in a fresh directory of its own.
class FileTest : public testing::Test {
 protected:
  void SetUp() override {
    std::random_device random;
    dir_ = AddBackslash(fs::temp_directory_path().string()) + "vorlan-base-" + std::to_string(random()) + "-" +
           testing::UnitTest::GetInstance()->current_test_info()->name();
    ASSERT_TRUE(CreateDirectoryAt(dir_)) << dir_;
  }

  void TearDown() override {
    std::error_code error;
    for (const auto& entry : fs::recursive_directory_iterator(NativePath(dir_), error)) {
      SetFileAttributesAt(entry.path().string(), kAttrNormal);
    }
    fs::remove_all(NativePath(dir_), error);
  }

  std::string PathOf(const std::string& name) const { return AddBackslash(dir_) + name; }

  std::string MakeFile(const std::string& name, const std::string& content) {
    std::string path = PathOf(name);
    TFileStream stream(path, TFileMode::Create);
    EXPECT_EQ(stream.Write(content.data(), content.size()), content.size());
    return path;
  }

  static std::string ReadAll(const std::string& path) {
    TFileStream stream(path, TFileMode::Read);
    std::string content(static_cast<size_t>(stream.Size()), '\0');
    EXPECT_EQ(stream.Read(content.data(), content.size()), content.size());
    return content;
  }

  std::string dir_;
};

TEST_F(FileTest, WritesReadsSeeksAndTruncates) {
  std::string path = PathOf("data.bin");
  {
    TFileStream stream(path, TFileMode::Create);
    EXPECT_EQ(stream.Path(), path);
    EXPECT_EQ(stream.Size(), 0);
    EXPECT_EQ(stream.Write("0123456789", 10), 10u);
    EXPECT_EQ(stream.Position(), 10);
    EXPECT_EQ(stream.Seek(2, TSeekOrigin::Begin), 2);
    EXPECT_EQ(stream.Write("ab", 2), 2u);
    EXPECT_EQ(stream.Seek(-1, TSeekOrigin::End), 9);
    EXPECT_EQ(stream.Seek(-3, TSeekOrigin::Current), 6);
    char buffer[16] = {};
    EXPECT_EQ(stream.Read(buffer, sizeof buffer), 4u);  // fewer only at the end
    EXPECT_EQ(std::string(buffer, 4), "6789");
    EXPECT_EQ(stream.Read(buffer, sizeof buffer), 0u);
    stream.Seek(5, TSeekOrigin::Begin);
    stream.Truncate();
    EXPECT_EQ(stream.Size(), 5);
    // Writing beyond the end extends the file.
    stream.Seek(8, TSeekOrigin::Begin);
    stream.Write("z", 1);
    EXPECT_EQ(stream.Size(), 9);
  }
  EXPECT_EQ(ReadAll(path), std::string("01ab4\0\0\0z", 9));
  EXPECT_EQ(FileSizeOf(path), 9);

  {
    TFileStream stream(path, TFileMode::ReadWrite);
    EXPECT_EQ(stream.Size(), 9);  // opening for writing keeps the content
    stream.Seek(0, TSeekOrigin::End);
    stream.Write("!", 1);
  }
  EXPECT_EQ(FileSizeOf(path), 10);
  TFileStream emptied(path, TFileMode::Create);
  EXPECT_EQ(emptied.Size(), 0);
}

// Positions and sizes keep their high half: the file is sparse, so the
// gigabytes cost nothing. A position whose low half is all ones is no error.
TEST_F(FileTest, PositionsAndSizesBeyondFourGigabytes) {
  constexpr int64_t kGiB = int64_t{1} << 30;
  std::string path = PathOf("large.bin");
  {
    TFileStream stream(path, TFileMode::Create);
    EXPECT_EQ(stream.Seek(8 * kGiB - 1, TSeekOrigin::Begin), 8 * kGiB - 1);
    EXPECT_EQ(stream.Seek(-(3 * kGiB), TSeekOrigin::Current), 5 * kGiB - 1);
    EXPECT_EQ(stream.Write("x", 1), 1u);
    EXPECT_EQ(stream.Position(), 5 * kGiB);
    EXPECT_EQ(stream.Size(), 5 * kGiB);
    EXPECT_EQ(stream.Seek(-(5 * kGiB - 3), TSeekOrigin::End), 3);
    EXPECT_EQ(stream.Seek(-1, TSeekOrigin::End), 5 * kGiB - 1);
    char c = 0;
    EXPECT_EQ(stream.Read(&c, 1), 1u);
    EXPECT_EQ(c, 'x');
  }
  EXPECT_EQ(FileSizeOf(path), 5 * kGiB);
}

TEST_F(FileTest, MovedStreamKeepsTheFileOpen) {
  std::string path = MakeFile("moved.txt", "abc");
  TFileStream first(path, TFileMode::Read);
  TFileStream second(std::move(first));
  char c = 0;
  EXPECT_EQ(second.Read(&c, 1), 1u);
  TFileStream third(MakeFile("other.txt", "xyz"), TFileMode::Read);
  third = std::move(second);
  EXPECT_EQ(third.Read(&c, 1), 1u);
  EXPECT_EQ(c, 'b');
  auto opened = TFileStream::TryOpen(path, TFileMode::Read);
  ASSERT_TRUE(opened);
  EXPECT_EQ(opened->Size(), 3);
}

TEST_F(FileTest, OpenErrorsNameTheFileAndTheReason) {
  std::string missing = PathOf("missing.txt");
  std::string in_missing_dir = PathOf("no such dir\\file.txt");
  struct Case {
    std::string path;
    TFileMode mode;
    bool create_error;
  } cases[] = {
      {missing, TFileMode::Read, false},
      {missing, TFileMode::ReadWrite, false},
      {in_missing_dir, TFileMode::Create, true},
      {dir_, TFileMode::Read, false},
      {dir_, TFileMode::ReadWrite, false},
  };
  for (const auto& c : cases) {
    std::string prefix = (c.create_error ? "Cannot create file \"" : "Cannot open file \"") + c.path + "\". ";
    try {
      TFileStream stream(c.path, c.mode);
      ADD_FAILURE() << "opened " << c.path;
    } catch (const EFCreateError& e) {
      EXPECT_TRUE(c.create_error) << e.Message();
      EXPECT_TRUE(StartsWithText(e.Message(), prefix)) << e.Message();
      EXPECT_GT(e.Message().size(), prefix.size()) << "no reason given";
    } catch (const EFOpenError& e) {
      EXPECT_FALSE(c.create_error) << e.Message();
      EXPECT_TRUE(StartsWithText(e.Message(), prefix)) << e.Message();
      EXPECT_GT(e.Message().size(), prefix.size()) << "no reason given";
    }
    EXPECT_FALSE(TFileStream::TryOpen(c.path, c.mode)) << c.path;
  }
  EXPECT_FALSE(FileExists(missing));
}

TEST_F(FileTest, RefusedWriteNamesTheFile) {
  std::string path = MakeFile("readonly-handle.txt", "abc");
  TFileStream stream(path, TFileMode::Read);
  try {
    stream.Write("x", 1);
    FAIL() << "wrote through a read handle";
  } catch (const EInOutError& e) {
    EXPECT_NE(e.Message().find("\"" + path + "\""), std::string::npos) << e.Message();
  }
  EXPECT_EQ(ReadAll(path), "abc");
}

TEST_F(FileTest, ShareModes) {
#ifndef _WIN32
  GTEST_SKIP() << "POSIX files have no share modes";
#else
  struct Case {
    TFileMode first, second;
    bool allowed;
  } cases[] = {
      {TFileMode::Read, TFileMode::Read, true},
      {TFileMode::Read, TFileMode::ReadWrite, true},  // a reader leaves writing to others
      {TFileMode::ReadWrite, TFileMode::Read, true},
      {TFileMode::ReadWrite, TFileMode::ReadWrite, false},  // a writer denies other writers
      {TFileMode::ReadWrite, TFileMode::Create, false},
      {TFileMode::Create, TFileMode::Read, true},
      {TFileMode::Create, TFileMode::ReadWrite, false},
  };
  for (const auto& c : cases) {
    std::string path = MakeFile("shared.txt", "content");
    TFileStream first(path, c.first);
    auto second = TFileStream::TryOpen(path, c.second);
    EXPECT_EQ(second.has_value(), c.allowed)
        << static_cast<int>(c.first) << " then " << static_cast<int>(c.second) << ": " << LastErrorMessage();
    if (!c.allowed) {
      EXPECT_EQ(LastErrorCode(), static_cast<uint32_t>(ERROR_SHARING_VIOLATION));
      first.Close();
      EXPECT_TRUE(TFileStream::TryOpen(path, c.second)) << "still locked after Close";
    }
  }
  // A reader sees what another handle writes meanwhile.
  std::string path = MakeFile("live.txt", "old");
  TFileStream reader(path, TFileMode::Read);
  TFileStream writer(path, TFileMode::ReadWrite);
  writer.Write("new", 3);
  char buffer[3];
  EXPECT_EQ(reader.Read(buffer, 3), 3u);
  EXPECT_EQ(std::string(buffer, 3), "new");
#endif
}

TEST_F(FileTest, ReadOnlyFileIsNotWrittenReplacedOrDeleted) {
  std::string path = MakeFile("locked.txt", "keep");
  std::string other = MakeFile("other.txt", "other");
  ASSERT_TRUE(SetFileAttributesAt(path, kAttrReadOnly));
  EXPECT_EQ(ReadAll(path), "keep");
  EXPECT_THROW(TFileStream(path, TFileMode::ReadWrite), EFOpenError);
  EXPECT_THROW(TFileStream(path, TFileMode::Create), EFCreateError);
  EXPECT_FALSE(DeleteFileAt(path));
  EXPECT_FALSE(RenameFileAt(other, path));
  EXPECT_EQ(ReadAll(path), "keep");
  EXPECT_TRUE(FileExists(other));

  ASSERT_TRUE(SetFileAttributesAt(path, kAttrNormal));
  EXPECT_TRUE(RenameFileAt(other, path));
  EXPECT_EQ(ReadAll(path), "other");
}

TEST_F(FileTest, Attributes) {
  std::string path = MakeFile("attr.txt", "x");
  auto attributes = FileAttributes(path);
  ASSERT_TRUE(attributes);
  EXPECT_FALSE(*attributes & (kAttrReadOnly | kAttrDirectory)) << *attributes;
  ASSERT_TRUE(SetFileAttributesAt(path, kAttrReadOnly));
  EXPECT_TRUE(*FileAttributes(path) & kAttrReadOnly);
  ASSERT_TRUE(SetFileAttributesAt(path, kAttrNormal));
  EXPECT_FALSE(*FileAttributes(path) & kAttrReadOnly);
  EXPECT_TRUE(*FileAttributes(dir_) & kAttrDirectory);
  EXPECT_FALSE(FileAttributes(PathOf("missing")));
  EXPECT_FALSE(SetFileAttributesAt(PathOf("missing"), kAttrNormal));
#ifdef _WIN32
  ASSERT_TRUE(SetFileAttributesAt(path, kAttrHidden | kAttrArchive));
  EXPECT_EQ(*FileAttributes(path) & (kAttrHidden | kAttrArchive | kAttrReadOnly), kAttrHidden | kAttrArchive);
#endif
}

TEST_F(FileTest, ExistenceSizeAndDeletion) {
  std::string path = MakeFile("five.txt", "12345");
  EXPECT_TRUE(FileExists(path));
  EXPECT_FALSE(DirectoryExists(path));
  EXPECT_TRUE(DirectoryExists(dir_));
  EXPECT_FALSE(FileExists(dir_));
  EXPECT_EQ(FileSizeOf(path), 5);
  EXPECT_EQ(FileSizeOf(PathOf("missing")), std::nullopt);
  EXPECT_EQ(FileLastWriteTime(PathOf("missing")), std::nullopt);
  // A name with wildcards is no file's name, even where one would match.
  for (const char* pattern : {"f*.txt", "five.tx?"}) {
    EXPECT_EQ(FileSizeOf(PathOf(pattern)), std::nullopt) << pattern;
    EXPECT_EQ(FileLastWriteTime(PathOf(pattern)), std::nullopt) << pattern;
  }
  EXPECT_FALSE(SetFileLastWriteTime(PathOf("missing"), EncodeDateTime(2000, 1, 1)));
  EXPECT_TRUE(DeleteFileAt(path));
  EXPECT_FALSE(FileExists(path));
  EXPECT_FALSE(DeleteFileAt(path));
  EXPECT_FALSE(CreateDirectoryAt(dir_));
}

TEST_F(FileTest, RenameReplacesTheTarget) {
  std::string from = MakeFile("new.dll", "new");
  std::string to = MakeFile("old.dll", "old content");
  EXPECT_TRUE(RenameFileAt(from, to));
  EXPECT_FALSE(FileExists(from));
  EXPECT_EQ(ReadAll(to), "new");
  // A missing source leaves the target alone.
  EXPECT_FALSE(RenameFileAt(from, to));
  EXPECT_EQ(ReadAll(to), "new");
  std::string fresh = PathOf("fresh.dll");
  EXPECT_TRUE(RenameFileAt(to, fresh));
  EXPECT_EQ(ReadAll(fresh), "new");
}

TEST_F(FileTest, ForceDirectories) {
  std::string deep = PathOf("a\\b\\c");
  EXPECT_TRUE(ForceDirectories(deep));
  EXPECT_TRUE(DirectoryExists(deep));
  EXPECT_TRUE(ForceDirectories(deep));  // already there
  EXPECT_TRUE(ForceDirectories(PathOf("a\\d\\")));
  EXPECT_TRUE(DirectoryExists(PathOf("a\\d")));
  std::string file = MakeFile("plain", "x");
  EXPECT_FALSE(ForceDirectories(file + "\\sub"));
  EXPECT_FALSE(DirectoryExists(file + "\\sub"));
  EXPECT_FALSE(ForceDirectories(""));
}

TEST_F(FileTest, NearestExistingDir) {
  ASSERT_TRUE(ForceDirectories(PathOf("app\\bin")));
  std::string file = MakeFile("app\\bin\\tool.exe", "x");
  struct Case {
    std::string path, expected;
  } cases[] = {
      {"", ""},
      {"   ", ""},
      {PathOf("app\\bin"), PathOf("app\\bin")},
      {PathOf("app\\bin\\missing\\deeper"), PathOf("app\\bin")},
      {PathOf("app\\missing"), PathOf("app")},
      {file, PathOf("app\\bin")},
      {"missing-without-separator", ""},
      {"missing\\relative\\path", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(NearestExistingDir(c.path), c.expected) << c.path;
#ifdef _WIN32
  // A drive answers without its backslash; the caller adds one for a root.
  EXPECT_EQ(NearestExistingDir("C:\\no-such-dir-of-vorlan\\deeper"), "C:");
  EXPECT_EQ(NearestExistingDir("C:\\"), "C:\\");
#endif
}

TEST_F(FileTest, LastWriteTimeRoundTripsToTheMillisecond) {
  const TDateTime values[] = {
      EncodeDateTime(1980, 1, 1),
      EncodeDateTime(1999, 12, 31, 23, 59, 59, 999),
      EncodeDateTime(2000, 2, 29, 12, 34, 56, 789),
      EncodeDateTime(2038, 1, 19, 3, 14, 9, 1),
      EncodeDateTime(2099, 12, 31, 23, 59, 57),
  };
  std::string path = MakeFile("dated.txt", "x");
  for (TDateTime value : values) {
    ASSERT_TRUE(SetFileLastWriteTime(path, value));
    EXPECT_EQ(FileLastWriteTime(path), value);
    {
      TFileStream stream(path, TFileMode::Read);
      EXPECT_EQ(stream.LastWriteTime(), value);
    }
    TDateTime other = value + 1.5;
    {
      TFileStream stream(path, TFileMode::ReadWrite);
      stream.SetLastWriteTime(other);
      EXPECT_EQ(stream.LastWriteTime(), other);
    }
    EXPECT_EQ(FileLastWriteTime(path), other);
    EXPECT_EQ(TruncateToTwoSeconds(*FileLastWriteTime(path)), TruncateToTwoSeconds(other));
  }
  // Directories carry a date as well.
  ASSERT_TRUE(SetFileLastWriteTime(dir_, values[2]));
  EXPECT_EQ(FileLastWriteTime(dir_), values[2]);
}

// Local times convert as Windows converts them: one offset for every date,
// so each local time, even one that a clock change skips or repeats, comes
// back as it was written.
TEST_F(FileTest, LocalTimesRoundTripThroughClockChanges) {
  std::string path = MakeFile("dst.txt", "x");
  for (int day = 0; day < 365; ++day) {
    for (int hour : {1, 2, 3}) {
      TDateTime value = EncodeDateTime(2021, 1, 1, hour, 30) + day;
      ASSERT_TRUE(SetFileLastWriteTime(path, value));
      ASSERT_EQ(FileLastWriteTime(path), value) << "day " << day << " " << hour << ":30";
    }
  }
  TDateTime winter = EncodeDateTime(2021, 1, 15, 12), summer = EncodeDateTime(2021, 7, 15, 12);
  ASSERT_TRUE(SetFileLastWriteTime(path, winter));
  int64_t winter_utc = RawUtcSeconds(path);
  ASSERT_TRUE(SetFileLastWriteTime(path, summer));
  EXPECT_EQ(RawUtcSeconds(path) - winter_utc, 181 * 86400);
}

TEST_F(FileTest, NewFileIsDatedNow) {
  TDateTime before = TruncateToTwoSeconds(Now());
  std::string path = MakeFile("now.txt", "x");
  auto written = FileLastWriteTime(path);
  ASSERT_TRUE(written);
  EXPECT_GE(*written, before - 2.0 / 86400);
  EXPECT_LE(*written, Now() + 2.0 / 86400);
}

// A disk that fills up makes a short write, which the caller reports as a
// full disk; it is not an I/O error. Natively the test mounts a small tmpfs
// itself; under Wine the test run mounts one and names it in
// VORLAN_SMALL_DISK. Both need root.
class FullDiskTest : public FileTest {
 protected:
  void SetUp() override {
    FileTest::SetUp();
#ifdef _WIN32
    char unix_path[MAX_PATH] = {};
    if (!GetEnvironmentVariableA("VORLAN_SMALL_DISK", unix_path, sizeof unix_path)) {
      GTEST_SKIP() << "VORLAN_SMALL_DISK is not set";
    }
    disk_ = std::string("Z:") + unix_path;
    for (char& c : disk_) {
      if (c == '/') c = '\\';
    }
    if (!FileExists(AddBackslash(disk_) + ".mounted")) {
      GTEST_SKIP() << "no small disk mounted at " << disk_ << " (mounting needs root)";
    }
#else
    disk_ = PathOf("small");
    ASSERT_TRUE(CreateDirectoryAt(disk_));
    if (geteuid() != 0 || mount("tmpfs", NativePath(disk_).c_str(), "tmpfs", 0, "size=64k") != 0) {
      GTEST_SKIP() << "mounting a small tmpfs needs root: " << LastErrorMessage();
    }
    mounted_ = true;
#endif
  }

  void TearDown() override {
    DeleteFileAt(AddBackslash(disk_) + "big.bin");
#ifndef _WIN32
    if (mounted_) umount(NativePath(disk_).c_str());
#endif
    FileTest::TearDown();
  }

  std::string disk_;
  bool mounted_ = false;
};

TEST_F(FullDiskTest, ShortWriteInsteadOfError) {
  TFileStream stream(AddBackslash(disk_) + "big.bin", TFileMode::Create);
  std::string block(1 << 20, 'x');
  size_t written = stream.Write(block.data(), block.size());
  EXPECT_GT(written, 0u);
  EXPECT_LT(written, block.size());
  EXPECT_EQ(stream.Size(), static_cast<int64_t>(written));
  EXPECT_EQ(stream.Write(block.data(), 100), 0u);
}

}  // namespace
}  // namespace vorlan
