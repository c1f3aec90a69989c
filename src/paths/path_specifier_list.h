#pragma once
// The process-wide lists of specifier instances. They refer to the
// instances and never own them; the ProgramScope holds the lists.

#include <vector>

namespace vorlan {

class TClassInfo;
class TCustomPathSpecifier;

class TPathSpecifierList {
 public:
  int Count() const { return static_cast<int>(items_.size()); }
  TCustomPathSpecifier* Items(int index) const;
  // A missing instance raises IEPathSpecifierList.
  void Add(TCustomPathSpecifier* specifier);
  void Remove(TCustomPathSpecifier* specifier);
  // The first instance, in list order, of the class or a class derived from
  // it; raises IEPathSpecifier when there is none.
  TCustomPathSpecifier& FindByClass(const TClassInfo& info) const;
  template <typename T>
  T& FindByClass() const {
    return static_cast<T&>(FindByClass(T::StaticClassInfo()));
  }
  // The same without raising: none when there is no such instance.
  TCustomPathSpecifier* FindInstanceOf(const TClassInfo& info) const;

 private:
  std::vector<TCustomPathSpecifier*> items_;
};

// Only the built-in specifiers (TStandardPathSpecifier and descendants).
class TStandardPathSpecList : public TPathSpecifierList {};

// Every specifier instance alive, in creation order.
TPathSpecifierList& AllPathSpecifiers();
// Every built-in specifier instance alive, in creation order.
TStandardPathSpecList& StandardPathSpecifiers();

// The lists, or none while the program is starting or ending without them.
TPathSpecifierList* FindAllPathSpecifiers();
TStandardPathSpecList* FindStandardPathSpecifiers();

}  // namespace vorlan
