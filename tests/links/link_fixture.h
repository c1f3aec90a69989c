#pragma once
// A form with the links module set up, the test engine, and a destination
// specifier for shortcuts and folders that points into a fresh temporary
// directory.

#include <gtest/gtest.h>

#include <string>

#include "base/strings.h"
#include "component/program_scope.h"
#include "definition_test_classes.h"
#include "links/links_module.h"
#include "objects/install_engine.h"
#include "paths/path_specifier.h"
#include "system/registry_routines.h"
#include "tree_test_classes.h"
#include "win_test_support.h"

namespace vorlan::links_test {

class LinkFixture : public ::testing::Test {
 protected:
  LinkFixture() { RegisterLinksModule(scope); }
  ~LinkFixture() override {
    if (engine) DeleteRegKeyTree(hkLocalMachine, UninstallKey());
  }

  template <typename T>
  T* Make(const std::string& name) {
    auto* object = new T(&form);
    object->SetName(name);
    return object;
  }

  tree_test::TTestEngine* MakeEngine() {
    engine = Make<tree_test::TTestEngine>("Engine");
    engine->product_name = "VorlanTest Links " + ExtractFileName(temp.Dir());
    return engine;
  }

  TPathSpecifier* MakeSpecifier(const std::string& name, const std::string& path) {
    auto* specifier = Make<TPathSpecifier>(name);
    specifier->OnGetPath().Assign([path](TInstallContainer*, std::string& out) { out = path; });
    return specifier;
  }

  std::string UninstallKey() const { return kUninstallKeyPrefix + engine->product_name; }

  ProgramScope scope;
  testing_classes::TTestForm form{nullptr};
  testing::TTempDir temp;
  tree_test::TTestEngine* engine = nullptr;
};

}  // namespace vorlan::links_test
