#include "base/exceptions.h"
#include "base/file.h"
#include "base/strings.h"

namespace vorlan {

TFileStream::TFileStream(const std::string& path, TFileMode mode) : path_(path) {
  if (!OpenHandle(mode)) {
    std::string reason = LastErrorMessage();
    if (mode == TFileMode::Create || mode == TFileMode::CreateNew) {
      throw EFCreateError("Cannot create file \"" + path + "\". " + reason);
    }
    throw EFOpenError("Cannot open file \"" + path + "\". " + reason);
  }
}

TFileStream::~TFileStream() { Close(); }

TFileStream::TFileStream(TFileStream&& other) noexcept
    : path_(std::move(other.path_)), handle_(other.handle_) {
  other.handle_ = -1;
}

TFileStream& TFileStream::operator=(TFileStream&& other) noexcept {
  if (this != &other) {
    Close();
    path_ = std::move(other.path_);
    handle_ = other.handle_;
    other.handle_ = -1;
  }
  return *this;
}

std::optional<TFileStream> TFileStream::TryOpen(const std::string& path, TFileMode mode) {
  TFileStream stream;
  stream.path_ = path;
  if (!stream.OpenHandle(mode)) return std::nullopt;
  return stream;
}

std::string NearestExistingDir(const std::string& path) {
  std::string candidate = path;
  while (!Trim(candidate).empty()) {
    if (DirectoryExists(candidate)) return candidate;
    size_t sep = candidate.find_last_of('\\');
    if (sep == std::string::npos) return {};
    candidate.resize(sep);
  }
  return {};
}

bool ForceDirectories(const std::string& path) {
  std::string dir = RemoveBackslash(path);
  if (dir.empty() || DirectoryExists(dir)) return !dir.empty();
  std::string parent = ExtractFileDir(dir);
  if (!parent.empty() && parent != dir && !DirectoryExists(parent) && !ForceDirectories(parent)) {
    return false;
  }
  return CreateDirectoryAt(dir) || DirectoryExists(dir);
}

}  // namespace vorlan
