#include "component/class_registry.h"

#include "base/exceptions.h"
#include "base/strings.h"
#include "component/class_info.h"

namespace vorlan {

void TClassRegistry::Register(const TClassInfo& info) {
  const TClassInfo* existing = Find(info.Name());
  if (existing == &info) return;
  if (existing) throw Exception("A class named " + info.Name() + " is registered already");
  classes_.push_back(&info);
}

const TClassInfo* TClassRegistry::Find(std::string_view name) const {
  for (const TClassInfo* info : classes_) {
    if (SameText(info->Name(), name)) return info;
  }
  return nullptr;
}

}  // namespace vorlan
