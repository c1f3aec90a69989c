#pragma once
// What the system tests share: a fresh temporary directory per test, the
// directory of the test program (the test files are built beside it), and
// a registry key of the test's own.

#include <windows.h>

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace vorlan::testing {

// The directory of the running test program, without a trailing backslash.
std::string ProgramDir();
// A file built beside the test program.
std::string BuiltFile(const std::string& name);
std::string ReadWholeFile(const std::string& path);
void WriteWholeFile(const std::string& path, const std::string& data);

// A new empty directory, removed with its content when the object goes.
class TTempDir {
 public:
  TTempDir();
  ~TTempDir();
  TTempDir(const TTempDir&) = delete;
  TTempDir& operator=(const TTempDir&) = delete;
  std::string Path(const std::string& name) const { return dir_ + "\\" + name; }
  const std::string& Dir() const { return dir_; }

 private:
  std::string dir_;
};

// A fresh temporary directory for each test.
class TempDirTest : public ::testing::Test {
 protected:
  void SetUp() override { temp_.emplace(); }
  void TearDown() override { temp_.reset(); }
  std::string Path(const std::string& name) const { return temp_->Path(name); }
  const std::string& Dir() const { return temp_->Dir(); }

 private:
  std::optional<TTempDir> temp_;
};

// A unique key under HKEY_CURRENT_USER (and HKEY_LOCAL_MACHINE)
// "Software\VorlanTest", removed with everything under it when the test
// ends. KeyPath is the path from the root, with its leading "\".
class RegistryKeyTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;
  const std::string& KeyPath() const { return key_path_; }
  // Whether the key (relative to KeyPath when not absolute) exists.
  bool KeyPresent(HKEY root, const std::string& key) const;

 private:
  std::string key_path_;
};

}  // namespace vorlan::testing
