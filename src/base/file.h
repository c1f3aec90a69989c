#pragma once
// The portable core's window on the file system. Names are Windows paths;
// the POSIX implementation reads "\" as "/", so portable code joins paths
// the same way everywhere. Times are local date-times, converted as Windows
// converts file times: with the zone's current offset from UTC, whatever the
// date, so that every local time maps to exactly one file time and back.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "base/date_time.h"

namespace vorlan {

enum class TFileMode {
  Read,       // existing file, read only, others may read and write
  ReadWrite,  // existing file, read and write, others may read
  Create,     // new or emptied file, read and write, others may read
  CreateNew,  // new file only (fails when one exists), read and write, others may read
};

enum class TSeekOrigin { Begin, Current, End };

// An open file; closed when the object goes.
class TFileStream {
 public:
  // Raises EFOpenError (EFCreateError for Create) naming the file and the
  // system's reason.
  TFileStream(const std::string& path, TFileMode mode);
  ~TFileStream();
  TFileStream(TFileStream&& other) noexcept;
  TFileStream& operator=(TFileStream&& other) noexcept;
  TFileStream(const TFileStream&) = delete;
  TFileStream& operator=(const TFileStream&) = delete;

  // Answers empty instead of raising when the file cannot be opened.
  static std::optional<TFileStream> TryOpen(const std::string& path, TFileMode mode);

  // Bytes read; fewer than asked only at the end of the file. Raises
  // EInOutError when the system refuses.
  size_t Read(void* buffer, size_t count);
  // Bytes written; fewer than asked when the disk is full. Raises
  // EInOutError when the system refuses outright.
  size_t Write(const void* buffer, size_t count);
  int64_t Seek(int64_t offset, TSeekOrigin origin);
  int64_t Position();
  int64_t Size();
  // Cuts the file at the current position.
  void Truncate();

  TDateTime LastWriteTime();
  void SetLastWriteTime(TDateTime value);

  const std::string& Path() const { return path_; }
  void Close();

 private:
  TFileStream() = default;
  bool OpenHandle(TFileMode mode);

  std::string path_;
  intptr_t handle_ = -1;
};

bool FileExists(const std::string& path);       // an existing file, not a directory
bool DirectoryExists(const std::string& path);
std::optional<int64_t> FileSizeOf(const std::string& path);
std::optional<TDateTime> FileLastWriteTime(const std::string& path);
bool SetFileLastWriteTime(const std::string& path, TDateTime value);

bool DeleteFileAt(const std::string& path);
bool RenameFileAt(const std::string& from, const std::string& to);  // replaces an existing target
bool CreateDirectoryAt(const std::string& path);
bool ForceDirectories(const std::string& path);  // with every missing parent
// Empty for a blank path; the path if it is an existing directory; else the
// same question for the text before its last "\"; empty if none exists.
std::string NearestExistingDir(const std::string& path);

// Windows attribute bits. POSIX reports read-only, directory and, for every
// file, archive, and sets read-only only. A read-only file is neither opened
// for writing nor replaced nor deleted, on either system.
constexpr uint32_t kAttrReadOnly = 0x1, kAttrHidden = 0x2, kAttrSystem = 0x4,
                   kAttrDirectory = 0x10, kAttrArchive = 0x20, kAttrNormal = 0x80,
                   kAttrTemporary = 0x100, kAttrOffline = 0x1000;
std::optional<uint32_t> FileAttributes(const std::string& path);
bool SetFileAttributesAt(const std::string& path, uint32_t attributes);

// The system's text for its last error.
std::string LastErrorMessage();
uint32_t LastErrorCode();

}  // namespace vorlan
