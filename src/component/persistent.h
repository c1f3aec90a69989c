#pragma once
// TPersistent: anything whose properties a definition can hold: components,
// the nested objects they own (Information.CompanyName) and collection items.

#include <string>
#include <string_view>
#include <vector>

namespace vorlan {

class TClassInfo;

// The root of every object that is passed around by reference without a
// known class: message and information parameters, components.
class TObject {
 public:
  virtual ~TObject() = default;
};

class TPersistent : public TObject {
 public:
  virtual const TClassInfo& ClassInfo() const = 0;

  // Whether the last definition read stored the property (a dotted path for
  // nested objects). Lets Loaded tell a stored value from a constructor's.
  bool IsPropertyStored(std::string_view name) const;
  void MarkPropertyStored(std::string name);

 private:
  std::vector<std::string> stored_properties_;
};

}  // namespace vorlan

// Declares the class info of a streamable class; the .cpp defines
// StaticClassInfo with TClassInfo::Define.
#define VORLAN_CLASS_INFO()                                             \
 public:                                                                \
  static const ::vorlan::TClassInfo& StaticClassInfo();                 \
  const ::vorlan::TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
