#pragma once
// Install objects of each kind the specifiers tell apart, streamable so that
// definitions can hold them, and a scope that has the install tree too.

#include <string>

#include <gtest/gtest.h>

#include "component/program_scope.h"
#include "definition_test_classes.h"
#include "objects/custom_install_file.h"
#include "objects/file_related.h"
#include "objects/objects_module.h"
#include "test_install_engine.h"

namespace vorlan::testing {

// A file-related object answering type code Code.
template <int Code>
class TPathTestObject : public TFileRelated {
 public:
  explicit TPathTestObject(TComponent* owner) : TFileRelated(owner, Code) {}
};

class TPathTestDir : public TPathTestObject<1000> {
  VORLAN_CLASS_INFO()

 public:
  using TPathTestObject::TPathTestObject;
};

class TPathTestFile : public TPathTestObject<2000> {
  VORLAN_CLASS_INFO()

 public:
  using TPathTestObject::TPathTestObject;
};

// An install file that never touches an archive or a source.
class TPathTestInstallFile : public TCustomInstallFile {
 public:
  using TCustomInstallFile::TCustomInstallFile;
  void ReadInfoFromArchive() override {}
  void ReadInfoFromSource() override {}
  void Copy() override {}
  void Compress() override {}
};

// A member of the tree that reads no archive (as a shell link).
class TPathTestLink : public TInstallObject {
  VORLAN_CLASS_INFO()

 public:
  explicit TPathTestLink(TComponent* owner) : TInstallObject(owner, type_code::kShellLink) {}
};

// The install tree's state and the test classes, beside the specifiers'.
class TreeTest : public ::testing::Test {
 protected:
  TreeTest();

  ProgramScope scope;
  testing_classes::TTestForm form{nullptr};
};

}  // namespace vorlan::testing
