#pragma once
// A program scope with the path specifiers' state, the machine's folder
// classes registered, and an empty form that owns what a test creates.

#include <gtest/gtest.h>

#include "component/program_scope.h"
#include "definition_test_classes.h"
#include "paths/paths_module.h"

namespace vorlan::testing {

class PathsTest : public ::testing::Test {
 protected:
  PathsTest() {
    RegisterPathsModule(scope);
    RegisterPathSpecifierClasses({});
  }

  ProgramScope scope;
  testing_classes::TTestForm form{nullptr};
};

}  // namespace vorlan::testing
