#pragma once
// TClassRegistry: the classes a definition may name, registered by each
// module in its fixed order when the ProgramScope is set up.

#include <string>
#include <string_view>
#include <vector>

namespace vorlan {

class TClassInfo;

class TClassRegistry {
 public:
  // Registering a class again is harmless; a different class under a name
  // already taken raises.
  void Register(const TClassInfo& info);
  const TClassInfo* Find(std::string_view name) const;
  const std::vector<const TClassInfo*>& Classes() const { return classes_; }

 private:
  std::vector<const TClassInfo*> classes_;
};

// The classes of the current ProgramScope.
TClassRegistry& Classes();

}  // namespace vorlan
