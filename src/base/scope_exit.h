#pragma once
// Runs a clean-up when the scope ends, however it ends. The clean-up must
// not raise.

#include <utility>

namespace vorlan {

template <typename F>
class TScopeExit {
 public:
  explicit TScopeExit(F f) : f_(std::move(f)) {}
  ~TScopeExit() { f_(); }
  TScopeExit(const TScopeExit&) = delete;
  TScopeExit& operator=(const TScopeExit&) = delete;

 private:
  F f_;
};

}  // namespace vorlan
