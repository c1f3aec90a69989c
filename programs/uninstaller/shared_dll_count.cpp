#include "shared_dll_count.h"

#include "system/system_dirs.h"
#include "system/vorlan_registry.h"

namespace vorlan {

namespace {
constexpr const char* kSharedDLLsKey = "\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\SharedDLLs";
}  // namespace

TSharedDLLCount::TSharedDLLCount(const std::string& path) {
  TVorlanRegistry registry;
  registry.SetRootKey(HKEY_LOCAL_MACHINE);
  if (!registry.OpenKeyReadOnly(kSharedDLLsKey)) return;
  for (const std::string& name : {path, GetShortPath(path)}) {
    if (name.empty() || !registry.ValueExists(name)) continue;
    value_name_ = name;
    // A counter that is not a number still says the file is shared; this
    // product's use is then the only one known.
    count_ = registry.ReadInteger(name).value_or(1);
    return;
  }
}

void TSharedDLLCount::Release() {
  if (!count_) return;
  TVorlanRegistry registry;
  registry.SetRootKey(HKEY_LOCAL_MACHINE);
  if (!registry.OpenKey(kSharedDLLsKey, false)) return;
  if (LastUser()) {
    registry.DeleteValue(value_name_);
  } else {
    registry.WriteInteger(value_name_, *count_ - 1);
  }
}

}  // namespace vorlan
