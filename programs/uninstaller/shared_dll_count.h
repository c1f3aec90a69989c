#pragma once
// A file's use count under HKEY_LOCAL_MACHINE ...\SharedDLLs, kept under its
// full path or, as older setups wrote it, under its short path. Products
// that share a library count it up; each uninstall counts it down, and only
// the last one deletes it.

#include <optional>
#include <string>

namespace vorlan {

class TSharedDLLCount {
 public:
  explicit TSharedDLLCount(const std::string& path);

  // No other product counts on the file once this one has gone.
  bool LastUser() const { return !count_ || *count_ <= 1; }
  // Counts this product's use down; the counter goes with the last use.
  void Release();

 private:
  std::string value_name_;
  std::optional<int32_t> count_;
};

}  // namespace vorlan
