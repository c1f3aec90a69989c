#pragma once
// A form with the objects and paths modules set up, and a helper that makes
// named install objects on it.

#include <gtest/gtest.h>

#include <string>
#include <type_traits>
#include <vector>

#include "component/program_scope.h"
#include "definition_test_classes.h"
#include "objects/objects_module.h"
#include "tree_test_classes.h"

namespace vorlan::tree_test {

class TreeFixture : public ::testing::Test {
 protected:
  TreeFixture() {
    RegisterObjectsModule(scope);
    Log().clear();
  }

  template <typename T>
  T* Make(const std::string& name, TInstallContainer* container = nullptr) {
    auto* object = new T(&form);
    object->SetName(name);
    if constexpr (std::is_base_of_v<TInstallObject, T>) {
      if (container) object->SetContainer(container);
    }
    return object;
  }

  static std::vector<std::string> ChildNames(const TInstallContainer& container) {
    std::vector<std::string> names;
    for (int i = 0; i < container.ChildCount(); ++i) names.push_back(container.Children(i)->Name());
    return names;
  }

  ProgramScope scope;
  testing_classes::TTestForm form{nullptr};
};

}  // namespace vorlan::tree_test
