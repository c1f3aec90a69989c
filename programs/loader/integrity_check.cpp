#include "integrity_check.h"

#include <utility>

#include "base/format.h"
#include "loader_error.h"
#include "system/file_checksum.h"

namespace vorlan {

TIntegrityCheck::TIntegrityCheck(std::string path, std::string expected) : path_(std::move(path)) {
  if (expected.empty()) return;
  holds_ = std::async(std::launch::async, [path = path_, expected = std::move(expected)] {
             return CalcFileCheckSum(path, true) == expected;
           }).share();
}

TIntegrityCheck::~TIntegrityCheck() {
  if (holds_.valid()) holds_.wait();
}

void TIntegrityCheck::Confirm() {
  if (!holds_.valid()) return;
  if (!holds_.get()) throw ELoaderError(Format(loader_error::kDamaged, path_));
}

}  // namespace vorlan
