#include <errno.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/time.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
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

std::optional<struct stat> Stat(const std::string& path) {
  struct stat info;
  if (stat(Native(path).c_str(), &info) != 0) return std::nullopt;
  return info;
}

constexpr int64_t kUnixEpochTicks = 116444736000000000LL;  // 1970-01-01 in file-time ticks
constexpr int64_t kTicksPerSecond = 10000000;

// The zone's offset from UTC at this moment, in ticks: what Windows applies
// to every file time, so that the conversion is the same in both directions.
int64_t CurrentOffsetTicks() {
  tzset();
  time_t now = time(nullptr);
  tm local;
  localtime_r(&now, &local);
  return static_cast<int64_t>(local.tm_gmtoff) * kTicksPerSecond;
}

int64_t LocalTicks(const timespec& utc) {
  return static_cast<int64_t>(utc.tv_sec) * kTicksPerSecond + utc.tv_nsec / 100 + kUnixEpochTicks +
         CurrentOffsetTicks();
}

timespec UtcFromLocal(TDateTime value) {
  int64_t ticks = DateTimeToFileTimeTicks(value) - kUnixEpochTicks - CurrentOffsetTicks();
  int64_t seconds = ticks / kTicksPerSecond - (ticks % kTicksPerSecond < 0 ? 1 : 0);
  timespec utc{};
  utc.tv_sec = static_cast<time_t>(seconds);
  utc.tv_nsec = static_cast<long>((ticks - seconds * kTicksPerSecond) * 100);
  return utc;
}

// Windows refuses to write to, replace or delete a read-only file, whoever
// asks; POSIX lets the owner (and root) do it, so the rule is kept here.
bool WriteProtected(const std::string& path) {
  auto info = Stat(path);
  return info && S_ISREG(info->st_mode) && !(info->st_mode & S_IWUSR);
}

bool RefuseWriteProtected(const std::string& path) {
  if (!WriteProtected(path)) return false;
  errno = EACCES;
  return true;
}

// The reason is taken first: building the message may touch errno.
[[noreturn]] void RaiseInOut(const std::string& what, const std::string& path) {
  std::string reason = LastErrorMessage();
  throw EInOutError(what + " \"" + path + "\". " + reason);
}

}  // namespace

bool TFileStream::OpenHandle(TFileMode mode) {
  if ((mode == TFileMode::ReadWrite || mode == TFileMode::Create) && RefuseWriteProtected(path_)) return false;
  int flags = mode == TFileMode::Read ? O_RDONLY : O_RDWR;
  if (mode == TFileMode::Create) flags |= O_CREAT | O_TRUNC;
  if (mode == TFileMode::CreateNew) flags |= O_CREAT | O_EXCL;
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
    if (n < 0) RaiseInOut("Read error on", path_);
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
    // A full disk is a short write, not a refusal.
    if (n < 0 && (errno == ENOSPC || errno == EDQUOT)) break;
    if (n < 0) RaiseInOut("Write error on", path_);
    if (n == 0) break;
    done += static_cast<size_t>(n);
  }
  return done;
}

int64_t TFileStream::Seek(int64_t offset, TSeekOrigin origin) {
  static const int kWhence[] = {SEEK_SET, SEEK_CUR, SEEK_END};
  off_t result = lseek(static_cast<int>(handle_), offset, kWhence[static_cast<int>(origin)]);
  if (result < 0) RaiseInOut("Seek error on", path_);
  return result;
}

int64_t TFileStream::Position() { return Seek(0, TSeekOrigin::Current); }

int64_t TFileStream::Size() {
  struct stat info;
  if (fstat(static_cast<int>(handle_), &info) != 0) RaiseInOut("Cannot read the size of", path_);
  return info.st_size;
}

void TFileStream::Truncate() {
  if (ftruncate(static_cast<int>(handle_), Position()) != 0) RaiseInOut("Cannot truncate", path_);
}

TDateTime TFileStream::LastWriteTime() {
  struct stat info;
  if (fstat(static_cast<int>(handle_), &info) != 0) RaiseInOut("Cannot read the date of", path_);
  return FileTimeTicksToDateTime(LocalTicks(info.st_mtim));
}

void TFileStream::SetLastWriteTime(TDateTime value) {
  timespec times[2] = {{0, UTIME_OMIT}, UtcFromLocal(value)};
  if (futimens(static_cast<int>(handle_), times) != 0) RaiseInOut("Cannot set the date of", path_);
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

bool DeleteFileAt(const std::string& path) {
  return !RefuseWriteProtected(path) && unlink(Native(path).c_str()) == 0;
}

bool RenameFileAt(const std::string& from, const std::string& to) {
  return !RefuseWriteProtected(to) && rename(Native(from).c_str(), Native(to).c_str()) == 0;
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
