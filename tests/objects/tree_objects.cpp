#include "tree_objects.h"

#include "component/class_info.h"
#include "component/class_registry.h"

namespace vorlan::testing {

const TClassInfo& TPathTestDir::StaticClassInfo() {
  static const TClassInfo info = TClassInfo::Define<TPathTestDir, TFileRelated>("TPathTestDir");
  return info;
}

const TClassInfo& TPathTestFile::StaticClassInfo() {
  static const TClassInfo info = TClassInfo::Define<TPathTestFile, TFileRelated>("TPathTestFile");
  return info;
}

const TClassInfo& TPathTestLink::StaticClassInfo() {
  static const TClassInfo info = TClassInfo::Define<TPathTestLink, TInstallObject>("TPathTestLink");
  return info;
}

TreeTest::TreeTest() {
  RegisterObjectsModule(scope);
  testing_classes::RegisterTestClasses();
  for (const TClassInfo* info : {&TPathTestDir::StaticClassInfo(), &TPathTestFile::StaticClassInfo(),
                                 &TPathTestLink::StaticClassInfo(), &TTestEngine::StaticClassInfo()}) {
    Classes().Register(*info);
  }
}

}  // namespace vorlan::testing
