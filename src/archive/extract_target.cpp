#include "archive/extract_target.h"

#include <cmath>
#include <utility>

#include "archive/archive_exceptions.h"
#include "base/format.h"
#include "base/strings.h"

namespace vorlan {

namespace {
// A name beside the target that no file has yet.
std::string TemporaryBeside(const std::string& target) {
  for (int n = 0;; ++n) {
    std::string name = target + ".~vx" + (n ? IntToStr(n) : std::string());
    if (!FileAttributes(name)) return name;
  }
}
}  // namespace

bool IsValidFileDate(TDateTime date) {
  // 1601-01-01 and 9999-12-31 in days since 1899-12-30.
  return std::isfinite(date) && date >= -109205.0 && date < 2958466.0;
}

TExtractTarget::TExtractTarget(const std::string& target) : target_(target) {
  // The exclusive create is the whole cost of a new target: it answers
  // whether one exists without a lookup of its own.
  stream_ = TFileStream::TryOpen(target, TFileMode::CreateNew);
  if (!stream_ && !FileExists(target)) {
    std::string directory = ExtractFileDir(target);
    if (!directory.empty()) ForceDirectories(directory);
    stream_ = TFileStream::TryOpen(target, TFileMode::CreateNew);
    if (!stream_) throw EVorlanCompress(Format("Cannot create the file %s", target_));
  }
  if (stream_) written_ = target;
}

TExtractTarget::TExtractTarget(const std::string& target, TFileStream stream)
    : target_(target), written_(target), stream_(std::move(stream)) {}

std::optional<TExtractTarget> TExtractTarget::Claim(const std::string& target) {
  std::optional<TFileStream> stream = TFileStream::TryOpen(target, TFileMode::CreateNew);
  if (!stream) return std::nullopt;
  return TExtractTarget(target, std::move(*stream));
}

TExtractTarget::TExtractTarget(TExtractTarget&& other) noexcept
    : target_(std::move(other.target_)),
      written_(std::exchange(other.written_, {})),
      stream_(std::move(other.stream_)),
      committed_(other.committed_) {}

TExtractTarget::~TExtractTarget() {
  if (committed_ || written_.empty()) return;
  stream_.reset();
  DeleteFileAt(written_);
}

void TExtractTarget::OpenBeside() {
  std::string name = TemporaryBeside(target_);
  stream_ = TFileStream::TryOpen(name, TFileMode::CreateNew);
  if (!stream_) throw EVorlanCompress(Format("Cannot create the file %s", target_));
  written_ = name;
}

void TExtractTarget::Commit(TDateTime date) {
  try {
    if (!IsValidFileDate(date)) throw EInOutError("invalid date");
    stream_->SetLastWriteTime(date);
  } catch (const EInOutError&) {
    throw EVorlanCompress("Cannot set the date of the file just extracted.");
  }
  stream_->Close();
  if (written_ != target_ && !RenameFileAt(written_, target_)) {
    throw EVorlanCompress(Format("Cannot create the file %s", target_));
  }
  committed_ = true;
}

}  // namespace vorlan
