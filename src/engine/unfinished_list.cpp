// The unfinished list: the work the after-reboot run completes, one string
// value per entry under the install record's "Unfinished" key, the entry's
// kind as its data.

#include <windows.h>

#include "base/exceptions.h"
#include "engine/engine_errors.h"
#include "engine/install_record.h"
#include "system/registry_routines.h"
#include "system/vorlan_registry.h"

namespace vorlan {

// The list lives under the record; without a record there is none.
std::string TInstallRecord::UnfinishedKey() const {
  if (key_.empty()) throw IEInstall(engine_error::kNoUnfinishedList);
  return key_ + "\\Unfinished";
}

void TInstallRecord::ClearUnfinishedList() { DeleteRegKeyTree(hkLocalMachine, UnfinishedKey()); }

void TInstallRecord::AddUnfinishedEntry(const std::string& name, int kind) {
  std::string key = UnfinishedKey();
  ++unfinished_count_;
  WriteRegString(hkLocalMachine, key, name, std::to_string(kind));
}

// Lines of the name, ";" and the kind; a value that is no string has an
// empty kind, which the after-reboot run reports as an invalid entry.
void TInstallRecord::ReadUnfinishedList(TStringList& list) const {
  list.clear();
  std::string key = UnfinishedKey();
  TVorlanRegistry registry;
  registry.SetRootKey(HKEY_LOCAL_MACHINE);
  if (!registry.OpenKeyReadOnly(key)) return;
  for (const std::string& name : registry.GetValueNames()) {
    list.push_back(name + ";" + registry.ReadString(name).value_or(""));
  }
}

}  // namespace vorlan
