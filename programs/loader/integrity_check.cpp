#include "integrity_check.h"

#include <process.h>

#include <utility>

#include "base/format.h"
#include "loader_error.h"
#include "system/file_checksum.h"

namespace vorlan {

TIntegrityCheck::TIntegrityCheck(std::string path, std::string expected)
    : path_(std::move(path)), expected_(std::move(expected)) {
  if (expected_.empty()) return;
  thread_.Reset(reinterpret_cast<HANDLE>(_beginthreadex(nullptr, 0, &TIntegrityCheck::Run, this, 0, nullptr)));
  if (!thread_) Check();
}

TIntegrityCheck::~TIntegrityCheck() {
  if (thread_) WaitForSingleObject(thread_.Get(), INFINITE);
}

unsigned __stdcall TIntegrityCheck::Run(void* check) {
  static_cast<TIntegrityCheck*>(check)->Check();
  return 0;
}

void TIntegrityCheck::Check() {
  try {
    holds_ = CalcFileCheckSum(path_, true) == expected_;
  } catch (...) {
    error_ = std::current_exception();
  }
}

void TIntegrityCheck::Confirm() {
  if (thread_) WaitForSingleObject(thread_.Get(), INFINITE);
  if (error_) std::rethrow_exception(error_);
  if (!holds_) throw ELoaderError(Format(loader_error::kDamaged, path_));
}

}  // namespace vorlan
