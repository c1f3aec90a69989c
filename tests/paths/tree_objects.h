#pragma once
// Install objects of each kind the specifiers tell apart, streamable so that
// definitions can hold them, and a scope that has the install tree too.

#include <string>

#include "objects/custom_install_file.h"
#include "objects/file_container.h"
#include "objects/file_related.h"
#include "objects/install_engine.h"
#include "objects/objects_module.h"
#include "paths_fixture.h"

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

// The engine: a file container without a companion, as the real one, with
// the command-line facts the specifiers read.
class TPathTestEngine : public TFileContainer, public TInstallEngine {
  VORLAN_CLASS_INFO()

 public:
  explicit TPathTestEngine(TComponent* owner) : TFileContainer(owner, type_code::kFileContainer, false) {
    SetTheInstall(this);
  }
  ~TPathTestEngine() override { SetTheInstall(nullptr); }

  TInstallObject& AsInstallObject() override { return *this; }
  bool InProgress() const override { return false; }
  std::string CompanyName() const override { return "Test Company"; }
  std::string ProductName() const override { return "Test Product"; }
  std::string Version() const override { return "1.0"; }
  TDistributeType DistributeType() const override { return dtTraditional; }
  TCustomNetInstallLocation* DefaultNetLocation() const override { return nullptr; }
  std::string LoadingProgramDir() const override { return loading_program_dir; }
  bool SelfExtracting(std::string& executable) const override {
    executable = self_extract_text;
    return self_extracting;
  }
  void SetReboot(bool) override {}
  void AddUnfinishedEntry(const std::string&, int) override {}

  std::string loading_program_dir = "C:\\Setup\\";
  bool self_extracting = false;
  std::string self_extract_text;
};

// The install tree's state and the test classes, beside the specifiers'.
class TreeTest : public ::testing::Test {
 protected:
  TreeTest();

  ProgramScope scope;
  testing_classes::TTestForm form{nullptr};
};

}  // namespace vorlan::testing
