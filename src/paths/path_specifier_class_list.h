#pragma once
// The registered specifier classes, in registration order: the classes of
// which the first install object on a form brings one instance each.

#include <vector>

namespace vorlan {

class TClassInfo;

class TPathSpecifierClassList {
 public:
  int Count() const { return static_cast<int>(classes_.size()); }
  const TClassInfo& Items(int index) const;
  // Appends; a missing class, or one that is no creatable specifier,
  // raises IEPathSpecifierClassList.
  void RegisterPathSpecifierClass(const TClassInfo* info);

 private:
  std::vector<const TClassInfo*> classes_;
};

TPathSpecifierClassList& PathSpecifierClasses();

}  // namespace vorlan
