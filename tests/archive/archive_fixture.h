#pragma once
// A fresh directory per test, files written into it, and the archive
// component under test.

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "archive/vorlan_compress.h"
#include "base/file.h"
#include "base/strings.h"

namespace vorlan {

inline std::filesystem::path NativePath(std::string path) {
#ifndef _WIN32
  for (char& c : path) {
    if (c == '\\') c = '/';
  }
#endif
  return std::filesystem::path(path);
}

inline std::string ReadAll(const std::string& path) {
  TFileStream stream(path, TFileMode::Read);
  std::string content(static_cast<size_t>(stream.Size()), '\0');
  EXPECT_EQ(stream.Read(content.data(), content.size()), content.size());
  return content;
}

inline void WriteAll(const std::string& path, const std::string& content) {
  TFileStream stream(path, TFileMode::Create);
  ASSERT_EQ(stream.Write(content.data(), content.size()), content.size());
}

// Deterministic bytes: text-like when compressible, else noise.
inline std::string Payload(size_t size, uint32_t seed, bool compressible) {
  std::mt19937 random(seed);
  std::string bytes(size, '\0');
  static const char kWords[] = "setup archive member header disk part zlib stream ";
  for (size_t i = 0; i < size; ++i) {
    bytes[i] = compressible ? kWords[(i + random() % 3) % (sizeof kWords - 1)] : static_cast<char>(random());
  }
  return bytes;
}

class ArchiveTest : public testing::Test {
 protected:
  void SetUp() override {
    std::random_device random;
    dir_ = AddBackslash(std::filesystem::temp_directory_path().string()) + "vorlan-archive-" +
           std::to_string(random()) + "-" + testing::UnitTest::GetInstance()->current_test_info()->name();
    ASSERT_TRUE(ForceDirectories(dir_)) << dir_;
    archive_ = PathOf("files.1");
    out_ = PathOf("out");
    ASSERT_TRUE(CreateDirectoryAt(out_));
    compress_.SetCompressedFile(archive_);
    compress_.SetExtractDirectory(out_);
  }

  void TearDown() override {
    compress_.ReleaseArchive();
    std::error_code error;
    std::filesystem::remove_all(NativePath(dir_), error);
  }

  std::string PathOf(const std::string& name) const { return AddBackslash(dir_) + name; }
  std::string OutPath(const std::string& name) const { return AddBackslash(out_) + name; }

  // A source file with a fixed, even-second date.
  std::string MakeFile(const std::string& name, const std::string& content) {
    std::string path = PathOf(name);
    WriteAll(path, content);
    EXPECT_TRUE(SetFileLastWriteTime(path, kSourceDate));
    return path;
  }

  void AddFiles(const TStringList& paths, bool append = false, int id = 7) {
    compress_.SetFilesToProcess(paths);
    compress_.Add(append, id);
  }

  void ExtractNames(const TStringList& names) {
    compress_.SetFilesToProcess(names);
    compress_.Extract();
  }

  // The bytes of the archive file, to change them.
  std::string ArchiveBytes() const { return ReadAll(archive_); }
  void SetArchiveBytes(const std::string& bytes) const { WriteAll(archive_, bytes); }

  static inline const TDateTime kSourceDate = EncodeDateTime(2003, 4, 5, 6, 7, 8);

  std::string dir_, archive_, out_;
  TVorlanCompress compress_{nullptr};
};

// The little-endian integer at offset.
inline int32_t Int32At(const std::string& bytes, size_t offset) {
  uint32_t value = 0;
  for (int i = 0; i < 4; ++i) value |= static_cast<uint32_t>(static_cast<uint8_t>(bytes[offset + i])) << (8 * i);
  return static_cast<int32_t>(value);
}

inline void PutInt32(std::string& bytes, size_t offset, int32_t value) {
  for (int i = 0; i < 4; ++i) bytes[offset + i] = static_cast<char>(static_cast<uint32_t>(value) >> (8 * i));
}

}  // namespace vorlan
