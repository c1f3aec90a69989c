#include <windows.h>

#include "base/exceptions.h"
#include "base/file.h"

namespace vorlan {

namespace {
HANDLE H(intptr_t handle) { return reinterpret_cast<HANDLE>(handle); }

int64_t Join(DWORD high, DWORD low) { return static_cast<int64_t>((static_cast<uint64_t>(high) << 32) | low); }

int64_t Ticks(const FILETIME& time) { return Join(time.dwHighDateTime, time.dwLowDateTime); }

FILETIME FromTicks(int64_t ticks) {
  FILETIME time;
  time.dwLowDateTime = static_cast<DWORD>(ticks);
  time.dwHighDateTime = static_cast<DWORD>(static_cast<uint64_t>(ticks) >> 32);
  return time;
}

// The system's conversions apply the zone's current offset to every date:
// one file time for each local time, and back.
TDateTime LocalDateTime(const FILETIME& utc) {
  FILETIME local = utc;
  FileTimeToLocalFileTime(&utc, &local);
  return FileTimeTicksToDateTime(Ticks(local));
}

FILETIME UtcFileTime(TDateTime value) {
  int64_t ticks = DateTimeToFileTimeTicks(value);
  FILETIME local = FromTicks(ticks);
  FILETIME utc;
  if (ticks < 0 || !LocalFileTimeToFileTime(&local, &utc)) throw EConvertError("Date-time value out of range");
  return utc;
}

// Owns a handle that only this file opens outside a stream.
class ScopedHandle {
 public:
  explicit ScopedHandle(HANDLE handle) : handle_(handle) {}
  ~ScopedHandle() {
    if (valid()) CloseHandle(handle_);
  }
  ScopedHandle(const ScopedHandle&) = delete;
  ScopedHandle& operator=(const ScopedHandle&) = delete;
  bool valid() const { return handle_ != INVALID_HANDLE_VALUE; }
  HANDLE get() const { return handle_; }

 private:
  HANDLE handle_;
};

// The reason is taken first: building the message may change the last error.
[[noreturn]] void RaiseInOut(const std::string& what, const std::string& path) {
  std::string reason = LastErrorMessage();
  throw EInOutError(what + " \"" + path + "\". " + reason);
}

// Windows refuses to write to or replace a read-only file; Wine running as
// root lets both through, so the rule is kept here as well.
bool RefuseWriteProtected(const std::string& path) {
  DWORD attributes = GetFileAttributesA(path.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY) ||
      !(attributes & FILE_ATTRIBUTE_READONLY)) {
    return false;
  }
  SetLastError(ERROR_ACCESS_DENIED);
  return true;
}

bool DiskFull(DWORD error) { return error == ERROR_DISK_FULL || error == ERROR_HANDLE_DISK_FULL; }

// The directory's entry for a file, which every Windows reads through a
// search; a name with wildcards is no file's name.
std::optional<WIN32_FIND_DATAA> DirectoryEntry(const std::string& path) {
  if (path.find_first_of("*?") != std::string::npos) return std::nullopt;
  WIN32_FIND_DATAA entry;
  HANDLE find = FindFirstFileA(path.c_str(), &entry);
  if (find == INVALID_HANDLE_VALUE) return std::nullopt;
  FindClose(find);
  return entry;
}
}  // namespace

bool TFileStream::OpenHandle(TFileMode mode) {
  if ((mode == TFileMode::ReadWrite || mode == TFileMode::Create) && RefuseWriteProtected(path_)) return false;
  DWORD access = GENERIC_READ, share = FILE_SHARE_READ | FILE_SHARE_WRITE, disposition = OPEN_EXISTING;
  if (mode != TFileMode::Read) {
    access |= GENERIC_WRITE;
    share = FILE_SHARE_READ;
  }
  if (mode == TFileMode::Create) disposition = CREATE_ALWAYS;
  if (mode == TFileMode::CreateNew) disposition = CREATE_NEW;
  HANDLE handle = CreateFileA(path_.c_str(), access, share, nullptr, disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (handle == INVALID_HANDLE_VALUE) return false;
  handle_ = reinterpret_cast<intptr_t>(handle);
  return true;
}

void TFileStream::Close() {
  if (handle_ != -1) {
    CloseHandle(H(handle_));
    handle_ = -1;
  }
}

size_t TFileStream::Read(void* buffer, size_t count) {
  size_t done = 0;
  while (done < count) {
    DWORD n = 0;
    if (!ReadFile(H(handle_), static_cast<char*>(buffer) + done, static_cast<DWORD>(count - done), &n, nullptr)) {
      RaiseInOut("Read error on", path_);
    }
    if (n == 0) break;
    done += n;
  }
  return done;
}

size_t TFileStream::Write(const void* buffer, size_t count) {
  size_t done = 0;
  while (done < count) {
    DWORD n = 0;
    BOOL written = WriteFile(H(handle_), static_cast<const char*>(buffer) + done, static_cast<DWORD>(count - done),
                             &n, nullptr);
    done += n;
    // A full disk is a short write, not a refusal.
    if (!written && DiskFull(GetLastError())) break;
    if (!written) RaiseInOut("Write error on", path_);
    if (n == 0) break;
  }
  return done;
}

int64_t TFileStream::Seek(int64_t offset, TSeekOrigin origin) {
  static const DWORD kMethods[] = {FILE_BEGIN, FILE_CURRENT, FILE_END};
  LONG high = static_cast<LONG>(offset >> 32);
  // A position whose low half is all ones is told from a failure by the
  // last error alone.
  SetLastError(NO_ERROR);
  DWORD low = SetFilePointer(H(handle_), static_cast<LONG>(offset), &high, kMethods[static_cast<int>(origin)]);
  if (low == INVALID_SET_FILE_POINTER && GetLastError() != NO_ERROR) RaiseInOut("Seek error on", path_);
  return Join(static_cast<DWORD>(high), low);
}

int64_t TFileStream::Position() { return Seek(0, TSeekOrigin::Current); }

int64_t TFileStream::Size() {
  DWORD high = 0;
  SetLastError(NO_ERROR);
  DWORD low = GetFileSize(H(handle_), &high);
  if (low == INVALID_FILE_SIZE && GetLastError() != NO_ERROR) RaiseInOut("Cannot read the size of", path_);
  return Join(high, low);
}

void TFileStream::Truncate() {
  if (!SetEndOfFile(H(handle_))) RaiseInOut("Cannot truncate", path_);
}

TDateTime TFileStream::LastWriteTime() {
  FILETIME written;
  if (!GetFileTime(H(handle_), nullptr, nullptr, &written)) RaiseInOut("Cannot read the date of", path_);
  return LocalDateTime(written);
}

void TFileStream::SetLastWriteTime(TDateTime value) {
  FILETIME written = UtcFileTime(value);
  if (!SetFileTime(H(handle_), nullptr, nullptr, &written)) RaiseInOut("Cannot set the date of", path_);
}

bool FileExists(const std::string& path) {
  auto attributes = FileAttributes(path);
  return attributes && !(*attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool DirectoryExists(const std::string& path) {
  auto attributes = FileAttributes(path);
  return attributes && (*attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::optional<int64_t> FileSizeOf(const std::string& path) {
  auto entry = DirectoryEntry(path);
  if (!entry) return std::nullopt;
  return Join(entry->nFileSizeHigh, entry->nFileSizeLow);
}

std::optional<TDateTime> FileLastWriteTime(const std::string& path) {
  auto entry = DirectoryEntry(path);
  if (!entry) return std::nullopt;
  return LocalDateTime(entry->ftLastWriteTime);
}

bool SetFileLastWriteTime(const std::string& path, TDateTime value) {
  FILETIME written = UtcFileTime(value);
  ScopedHandle handle(CreateFileA(path.c_str(), FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                  OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
  return handle.valid() && SetFileTime(handle.get(), nullptr, nullptr, &written) != 0;
}

bool DeleteFileAt(const std::string& path) { return DeleteFileA(path.c_str()) != 0; }

bool RenameFileAt(const std::string& from, const std::string& to) {
  return !RefuseWriteProtected(to) && MoveFileExA(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING) != 0;
}

bool CreateDirectoryAt(const std::string& path) { return CreateDirectoryA(path.c_str(), nullptr) != 0; }

std::optional<uint32_t> FileAttributes(const std::string& path) {
  DWORD attributes = GetFileAttributesA(path.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) return std::nullopt;
  return attributes;
}

bool SetFileAttributesAt(const std::string& path, uint32_t attributes) {
  return SetFileAttributesA(path.c_str(), attributes) != 0;
}

uint32_t LastErrorCode() { return GetLastError(); }

std::string LastErrorMessage() {
  DWORD code = GetLastError();
  char* text = nullptr;
  DWORD length = FormatMessageA(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                                    FORMAT_MESSAGE_IGNORE_INSERTS,
                                nullptr, code, 0, reinterpret_cast<char*>(&text), 0, nullptr);
  std::string message = length ? std::string(text, length) : "System error " + std::to_string(code);
  if (text) LocalFree(text);
  while (!message.empty() && (message.back() == '\n' || message.back() == '\r' || message.back() == ' ')) {
    message.pop_back();
  }
  SetLastError(code);
  return message;
}

TDateTime Now() {
  SYSTEMTIME now;
  GetLocalTime(&now);
  return EncodeDateTime(now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute, now.wSecond,
                        now.wMilliseconds);
}

}  // namespace vorlan
