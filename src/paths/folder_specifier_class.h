#pragma once
// The shape of a built-in folder specifier: default name, description,
// display name and path, serving every install object. One macro declares
// such a class, the other defines its constructor, texts and class info;
// the path is written beside it.

#include <string>

#include "component/class_info.h"
#include "paths/standard_path_specifier.h"

#define VORLAN_STANDARD_FOLDER_SPECIFIER(Class)              \
  class Class : public TStandardPathSpecifier {              \
    VORLAN_CLASS_INFO()                                      \
                                                             \
   public:                                                   \
    explicit Class(TComponent* owner);                       \
    std::string GetDescription() override;                   \
    std::string GetDisplayName() override;                   \
    std::string GetPath(TInstallContainer* object) override; \
  }

#define VORLAN_DEFINE_STANDARD_FOLDER_SPECIFIER(Class, default_name, description, display_name)      \
  Class::Class(TComponent* owner) : TStandardPathSpecifier(owner) { SetDefaultName(default_name); }   \
  std::string Class::GetDescription() { return description; }                                        \
  std::string Class::GetDisplayName() { return display_name; }                                        \
  const TClassInfo& Class::StaticClassInfo() {                                                        \
    static const TClassInfo info = TClassInfo::Define<Class, TStandardPathSpecifier>(#Class);         \
    return info;                                                                                      \
  }
