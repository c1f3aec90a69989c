#pragma once
// A tree for install file tests: the test engine with one directory whose
// destination and archive lie in a fresh temporary directory, and sources
// written into it.

#include <map>
#include <string>

#include "objects/install_directory.h"
#include "objects/install_file.h"
#include "paths/path_specifier.h"
#include "system/registry_routines.h"
#include "tree_fixture.h"
#include "win_test_support.h"

namespace vorlan::file_test {

using Values = std::map<std::string, std::string>;

// Every value of a key under HKEY_LOCAL_MACHINE, as text.
inline Values ReadValues(const std::string& key) {
  TVorlanRegistry registry;
  registry.SetRootKey(HKEY_LOCAL_MACHINE);
  Values values;
  if (!registry.OpenKeyReadOnly(key)) return values;
  for (const std::string& name : registry.GetValueNames()) values[name] = registry.ReadString(name).value_or("?");
  return values;
}

class FileFixture : public tree_test::TreeFixture {
 protected:
  FileFixture() {
    engine = Make<tree_test::TTestEngine>("Engine");
    engine->product_name = "VorlanTest Files " + ExtractFileName(temp.Dir());
    dest = MakeSpecifier("psDest", temp.Path("dest"));
    archive_root = MakeSpecifier("psArchiveRoot", temp.Path("archive"));
    directory = Make<TInstallDirectory>("Directory", engine);
    directory->SetDestDirType(dest);
    directory->SetArchiveFileType(archive_root);
    directory->SetArchiveFile("\\files.1");
    ObjectsState().strict_registration = false;
  }
  ~FileFixture() override { DeleteRegKeyTree(hkLocalMachine, UninstallKey()); }

  TPathSpecifier* MakeSpecifier(const std::string& name, const std::string& path) {
    auto* specifier = new TPathSpecifier(&form);
    specifier->SetName(name);
    specifier->OnGetPath().Assign([path](TInstallContainer*, std::string& out) { out = path; });
    return specifier;
  }

  // A source file with content, and the install file for it.
  TInstallFile* MakeFile(const std::string& name, const std::string& file_name, const std::string& content = "new") {
    ForceDirectories(temp.Path("src"));
    testing::WriteWholeFile(temp.Path("src\\" + file_name), content);
    return MakeFileFor(name, temp.Path("src"), file_name);
  }

  TInstallFile* MakeFileFor(const std::string& name, const std::string& dir, const std::string& file_name) {
    auto* file = Make<TInstallFile>(name, directory);
    file->SetIncludeFromDir(dir);
    file->SetFileName(file_name);
    return file;
  }

  // Built into the archive and installed from it, as a run does.
  static void CompressAndInstall(TInstallFile& file) {
    file.Compress();
    file.ReadInfoFromArchive();
    file.InstallObjects();
  }

  // The same through Process, which records it for the uninstaller.
  static void CompressAndProcess(TInstallFile& file) {
    file.Compress();
    file.ReadInfoFromArchive();
    file.Process();
  }

  std::string DestPath(const std::string& name) const { return temp.Path("dest\\" + name); }
  std::string UninstallKey() const { return kUninstallKeyPrefix + engine->product_name; }

  testing::TTempDir temp;
  tree_test::TTestEngine* engine = nullptr;
  TPathSpecifier* dest = nullptr;
  TPathSpecifier* archive_root = nullptr;
  TInstallDirectory* directory = nullptr;
};

}  // namespace vorlan::file_test
