#include <errno.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/time.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstring>

#include "base/exceptions.h"
#include "base/file.h"

namespace vorlan {

namespace {
std::string Native(const std::string& path) {
  std::string native = path;
  std::replace(native.begin(), native.end(), '\\', '/');
  return native;
}

constexpr int64_t kUnixEpochTicks = 116444736000000000LL;  // 1970-01-01 in file-time ticks

// Local wall-clock ticks of a UTC moment.
int64_t LocalTicks(const timespec& utc) {
  time_t seconds = utc.tv_sec;
  tm local;
  localtime_r(&seconds, &local);
  int64_t wall = static_cast<int64_t>(seconds) + local.tm_gmtoff;
  return wall * 10000000 + utc.tv_nsec / 100 + kUnixEpochTicks;
}

timespec UtcFromLocal(TDateTime value) {
  int64_t ticks = DateTimeToFileTimeTicks(value) - kUnixEpochTicks;
  int64_t wall = ticks >= 0 ? ticks / 10000000 : -((-ticks + 9999999) / 10000000);
  tm local{};
  time_t wall_seconds = wall;
  gmtime_r(&wall_seconds, &local);
  local.tm_isdst = -1;
  timespec utc{};
  utc.tv_sec = mktime(&local);
  utc.tv_nsec = static_cast<long>((ticks - wall * 10000000) * 100);
  return utc;
}

std::optional<struct stat> Stat(const std::string& path) {
  struct stat info;
  if (stat(Native(path).c_str(), &info) != 0) return std::nullopt;
  return info;
}
}  // namespace

bool TFileStream::OpenHandle(TFileMode mode) {
  int flags = mode == TFileMode::Read ? O_RDONLY : O_RDWR;
  if (mode == TFileMode::Create) flags |= O_CREAT | O_TRUNC;
  int fd = open(Native(path_).c_str(), flags | O_CLOEXEC, 0644);
  if (fd < 0) return false;
  struct stat info;
  if (fstat(fd, &info) != 0 || S_ISDIR(info.st_mode)) {
    close(fd);
    errno = EISDIR;
    return false;
  }
  handle_ = fd;
  return true;
}

void TFileStream::Close() {
  if (handle_ != -1) {
    close(static_cast<int>(handle_));
    handle_ = -1;
  }
}

size_t TFileStream::Read(void* buffer, size_t count) {
  size_t done = 0;
  while (done < count) {
    ssize_t n = read(static_cast<int>(handle_), static_cast<char*>(buffer) + done, count - done);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) throw EInOutError("Read error on \"" + path_ + "\". " + LastErrorMessage());
    if (n == 0) break;
    done += static_cast<size_t>(n);
  }
  return done;
}

size_t TFileStream::Write(const void* buffer, size_t count) {
  size_t done = 0;
  while (done < count) {
    ssize_t n = write(static_cast<int>(handle_), static_cast<const char*>(buffer) + done, count - done);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0 && errno == ENOSPC) break;
    if (n < 0) throw EInOutError("Write error on \"" + path_ + "\". " + LastErrorMessage());
    done += static_cast<size_t>(n);
  }
  return done;
}

int64_t TFileStream::Seek(int64_t offset, TSeekOrigin origin) {
  static const int kWhence[] = {SEEK_SET, SEEK_CUR, SEEK_END};
  off_t result = lseek(static_cast<int>(handle_), offset, kWhence[static_cast<int>(origin)]);
  if (result < 0) throw EInOutError("Seek error on \"" + path_ + "\". " + LastErrorMessage());
  return result;
}

int64_t TFileStream::Position() { return Seek(0, TSeekOrigin::Current); }

int64_t TFileStream::Size() {
  struct stat info;
  if (fstat(static_cast<int>(handle_), &info) != 0) throw EInOutError("Cannot read the size of \"" + path_ + "\"");
  return info.st_size;
}

void TFileStream::Truncate() {
  if (ftruncate(static_cast<int>(handle_), Position()) != 0) {
    throw EInOutError("Cannot truncate \"" + path_ + "\". " + LastErrorMessage());
  }
}

TDateTime TFileStream::LastWriteTime() {
  struct stat info;
  if (fstat(static_cast<int>(handle_), &info) != 0) throw EInOutError("Cannot read the date of \"" + path_ + "\"");
  return FileTimeTicksToDateTime(LocalTicks(info.st_mtim));
}

void TFileStream::SetLastWriteTime(TDateTime value) {
  timespec times[2] = {{0, UTIME_OMIT}, UtcFromLocal(value)};
  if (futimens(static_cast<int>(handle_), times) != 0) {
    throw EInOutError("Cannot set the date of \"" + path_ + "\". " + LastErrorMessage());
  }
}

bool FileExists(const std::string& path) {
  auto info = Stat(path);
  return info && !S_ISDIR(info->st_mode);
}

bool DirectoryExists(const std::string& path) {
  auto info = Stat(path);
  return info && S_ISDIR(info->st_mode);
}

std::optional<int64_t> FileSizeOf(const std::string& path) {
  auto info = Stat(path);
  if (!info) return std::nullopt;
  return info->st_size;
}

std::optional<TDateTime> FileLastWriteTime(const std::string& path) {
  auto info = Stat(path);
  if (!info) return std::nullopt;
  return FileTimeTicksToDateTime(LocalTicks(info->st_mtim));
}

bool SetFileLastWriteTime(const std::string& path, TDateTime value) {
  timespec times[2] = {{0, UTIME_OMIT}, UtcFromLocal(value)};
  return utimensat(AT_FDCWD, Native(path).c_str(), times, 0) == 0;
}

bool DeleteFileAt(const std::string& path) { return unlink(Native(path).c_str()) == 0; }

bool RenameFileAt(const std::string& from, const std::string& to) {
  return rename(Native(from).c_str(), Native(to).c_str()) == 0;
}

bool CreateDirectoryAt(const std::string& path) { return mkdir(Native(path).c_str(), 0755) == 0; }

std::optional<uint32_t> FileAttributes(const std::string& path) {
  auto info = Stat(path);
  if (!info) return std::nullopt;
  uint32_t attributes = S_ISDIR(info->st_mode) ? kAttrDirectory : kAttrArchive;
  if (!(info->st_mode & S_IWUSR)) attributes |= kAttrReadOnly;
  return attributes;
}

bool SetFileAttributesAt(const std::string& path, uint32_t attributes) {
  auto info = Stat(path);
  if (!info) return false;
  mode_t mode = info->st_mode & 07777;
  mode = (attributes & kAttrReadOnly) ? (mode & ~0222) : (mode | S_IWUSR);
  return chmod(Native(path).c_str(), mode) == 0;
}

uint32_t LastErrorCode() { return static_cast<uint32_t>(errno); }

std::string LastErrorMessage() {
  int code = errno;
  std::string message = strerror(code);
  errno = code;
  return message;
}

TDateTime Now() {
  timespec now;
  clock_gettime(CLOCK_REALTIME, &now);
  return FileTimeTicksToDateTime(LocalTicks(now));
}

}  // namespace vorlan
