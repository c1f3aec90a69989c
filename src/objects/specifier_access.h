#pragma once
// The path specifiers install objects take by default: the standard
// instances that EnsurePathSpecifiers put on the form, looked up by class.

#include "component/class_info.h"
#include "paths/custom_path_specifier.h"
#include "paths/path_specifier_list.h"

namespace vorlan {

class TComponent;

// Every registered specifier class on owner, when it is a form.
void EnsureFormSpecifiers(TComponent* owner);

// The first standard instance of T; none while the lists do not exist or
// hold none.
template <typename T>
T* StandardSpecifier() {
  TStandardPathSpecList* list = FindStandardPathSpecifiers();
  return list ? static_cast<T*>(list->FindInstanceOf(T::StaticClassInfo())) : nullptr;
}

// Whether specifier is a T or of a class derived from it.
template <typename T>
bool IsSpecifier(const TCustomPathSpecifier* specifier) {
  return specifier && specifier->ClassInfo().InheritsFrom(T::StaticClassInfo());
}

}  // namespace vorlan
