#include "win_test_support.h"

#include <shlwapi.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

#include "system/unique_handle.h"

namespace vorlan::testing {

namespace {
std::string UniqueName(const char* prefix) {
  std::random_device seed;
  std::mt19937 random(seed() ^ GetCurrentProcessId() ^ GetTickCount());
  return prefix + std::to_string(GetCurrentProcessId()) + "_" + std::to_string(random());
}

void RemoveTree(const std::string& dir) {
  std::error_code ignored;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(dir, ignored)) {
    SetFileAttributesA(entry.path().string().c_str(), FILE_ATTRIBUTE_NORMAL);
  }
  std::filesystem::remove_all(dir, ignored);
}
}  // namespace

std::string ProgramDir() {
  char path[MAX_PATH];
  DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string full(path, length);
  return full.substr(0, full.find_last_of('\\'));
}

std::string BuiltFile(const std::string& name) { return ProgramDir() + "\\" + name; }

std::string ReadWholeFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream data;
  data << in.rdbuf();
  return data.str();
}

void WriteWholeFile(const std::string& path, const std::string& data) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << data;
}

TTempDir::TTempDir() {
  char temp[MAX_PATH];
  GetTempPathA(MAX_PATH, temp);
  dir_ = std::string(temp) + UniqueName("vorlan_");
  EXPECT_TRUE(CreateDirectoryA(dir_.c_str(), nullptr)) << dir_;
}

TTempDir::~TTempDir() { RemoveTree(dir_); }

void RegistryKeyTest::SetUp() { key_path_ = "\\Software\\VorlanTest\\" + UniqueName("key_"); }

void RegistryKeyTest::TearDown() {
  for (HKEY root : {HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE}) {
    SHDeleteKeyA(root, key_path_.substr(1).c_str());
    // The parent goes too once no other test holds a key in it.
    RegDeleteKeyA(root, "Software\\VorlanTest");
  }
}

bool RegistryKeyTest::KeyPresent(HKEY root, const std::string& key) const {
  std::string path = key.starts_with("\\") ? key.substr(1) : key_path_.substr(1) + "\\" + key;
  TUniqueKey probe;
  return RegOpenKeyExA(root, path.c_str(), 0, KEY_READ, probe.Receive()) == ERROR_SUCCESS;
}

}  // namespace vorlan::testing
