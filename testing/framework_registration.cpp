#include "framework_registration.h"

#include <gtest/gtest.h>

#include "objects/framework_directory.h"
#include "system/vorlan_registry.h"

namespace vorlan::testing {

namespace {
// The environment key under HKEY_CURRENT_USER, created when missing.
void OpenEnvironment(TVorlanRegistry& registry) {
  registry.SetRootKey(HKEY_CURRENT_USER);
  EXPECT_TRUE(registry.OpenKey(kEnvironmentKey, true));
}
}  // namespace

TFrameworkRegistration::TFrameworkRegistration(const std::string& directory) {
  TVorlanRegistry registry;
  OpenEnvironment(registry);
  previous_ = registry.ReadString(kSearchPathValue);
  registry.WriteString(kSearchPathValue, directory);
}

TFrameworkRegistration::~TFrameworkRegistration() {
  TVorlanRegistry registry;
  OpenEnvironment(registry);
  if (previous_) {
    registry.WriteString(kSearchPathValue, *previous_);
  } else {
    registry.DeleteValue(kSearchPathValue);
  }
}

}  // namespace vorlan::testing
