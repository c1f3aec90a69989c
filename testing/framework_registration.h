#pragma once
// Registers a framework directory on the development environment's library
// search path (HKEY_CURRENT_USER "SearchPath") for as long as the object
// lives, and puts back what was there before, or nothing. Tests that use it
// share that one value, so their ctest entries run one at a time
// (vorlan_use_framework in cmake/VorlanFramework.cmake); the build tree's
// own framework directory is the define VORLAN_FRAMEWORK_DIR.

#include <optional>
#include <string>

namespace vorlan::testing {

class TFrameworkRegistration {
 public:
  explicit TFrameworkRegistration(const std::string& directory);
  ~TFrameworkRegistration();
  TFrameworkRegistration(const TFrameworkRegistration&) = delete;
  TFrameworkRegistration& operator=(const TFrameworkRegistration&) = delete;

 private:
  std::optional<std::string> previous_;
};

}  // namespace vorlan::testing
