#pragma once
// An engine test whose install records are removed again when it ends, and
// the record root with them when nothing else is left in it.

#include <string>
#include <vector>

#include "engine_fixture.h"
#include "objects/objects_module.h"
#include "system/registry_routines.h"
#include "system/vorlan_registry.h"

namespace vorlan::engine_test {

class RecordFixture : public EngineFixture {
 protected:
  ~RecordFixture() override {
    for (const std::string& key : made_) DeleteRegKeyTree(hkLocalMachine, key);
    TVorlanRegistry registry;
    registry.SetRootKey(HKEY_LOCAL_MACHINE);
    if (registry.OpenKey(kInstallRecordRoot, false) && registry.GetKeyNames().empty()) {
      registry.CloseKey();
      registry.DeleteKey(kInstallRecordRoot);
    }
  }

  std::string Find(TCustomInstall& engine, bool create) {
    std::string key;
    bool found = engine.FindInstallRecord(create, key);
    EXPECT_EQ(found, !key.empty());
    if (found) made_.push_back(key);
    return key;
  }

  // The engine's record, created, as the run uses it.
  std::string UseRecord(TCustomInstall& engine) {
    std::string key = Find(engine, true);
    EXPECT_FALSE(key.empty());
    ObjectsState().install_record_key = key;
    return key;
  }

  static std::string Value(const std::string& key, const std::string& name) {
    return ReadRegString(hkLocalMachine, key, name, "<none>");
  }

  static bool KeyPresent(const std::string& key) {
    TVorlanRegistry registry;
    registry.SetRootKey(HKEY_LOCAL_MACHINE);
    return registry.KeyExists(key);
  }

  std::vector<std::string> made_;
};

}  // namespace vorlan::engine_test
