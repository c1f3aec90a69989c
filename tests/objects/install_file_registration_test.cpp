// What installed files register: COM self-registration of the three kinds
// with real binaries, its deferred retry, the shared-DLL counter, and the
// records the uninstaller reads.

#include <windows.h>

#include "base/file.h"
#include "file_fixture.h"
#include "objects/objects_module.h"
#include "system/file_attributes.h"
#include "system/system_exceptions.h"
#include "system/system_dirs.h"

namespace vorlan::file_test {
namespace {

using testing::BuiltFile;
using testing::ProgramDir;

constexpr const char* kSelfRegistration = "\\Software\\VorlanTest\\FileSelfRegistration";
constexpr const char* kSharedDLLs = "\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\SharedDLLs";
constexpr const char* kTypeLibKey = "TypeLib\\{6B4C7F0E-2D1A-4E8B-9C3F-5A7D2E1B0C49}";

bool KeyExists(HKEY root, const std::string& key) {
  TVorlanRegistry registry;
  registry.SetRootKey(root);
  return registry.KeyExists(key);
}

class RegistrationTest : public FileFixture {
 protected:
  ~RegistrationTest() override {
    DeleteRegKeyTree(hkCurrentUser, kSelfRegistration);
    DeleteRegKeyTree(hkClassesRoot, kTypeLibKey);
    TVorlanRegistry registry;
    registry.SetRootKey(HKEY_LOCAL_MACHINE);
    if (!registry.OpenKey(kSharedDLLs, false)) return;
    for (const std::string& name : registry.GetValueNames()) {
      if (name.find("VORLAN") != std::string::npos || name.find("vorlan") != std::string::npos ||
          name.find(ExtractFileName(temp.Dir())) != std::string::npos ||
          SameText(ExtractFileDir(name), GetShortPath(temp.Path("dest")))) {
        registry.DeleteValue(name);
      }
    }
  }

  // An installed copy of a file built beside the test program.
  TInstallFile* Installed(const std::string& name, const std::string& built) {
    TInstallFile* file = MakeFileFor(name, ProgramDir(), built);
    // A self-registering library goes to the system directory unless it is
    // made an ordinary file first.
    file->SetFileType(iftNormal);
    file->SetDestDirType(dest);
    ForceDirectories(temp.Path("dest"));
    CopyFileA(BuiltFile(built).c_str(), DestPath(built).c_str(), FALSE);
    return file;
  }
};

TEST_F(RegistrationTest, LibraryRegistersItselfFromItsDirectory) {
  TInstallFile* file = Installed("Library", "self_register_ok.dll");
  ASSERT_TRUE(file->ActiveX());
  file->RegisterActiveX();
  std::string key = std::string(kSelfRegistration) + "\\Library";
  EXPECT_EQ(ReadRegString(hkCurrentUser, key, "Directory", ""), temp.Path("dest"));
}

TEST_F(RegistrationTest, RefusingLibraryGivesItsResult) {
  TInstallFile* file = Installed("Refusing", "self_register_fails.dll");
  try {
    file->RegisterInprocServer();
    FAIL();
  } catch (const IECustomInstallFile& e) {
    EXPECT_EQ(std::string(e.what()), "Could not register the ActiveX component, " + DestPath("self_register_fails.dll") +
                                         ", because the DllRegisterServer function returned a value of -2147467259. "
                                         "The file component is Refusing");
  }
}

TEST_F(RegistrationTest, LibraryWithoutTheEntryPointIsReported) {
  TInstallFile* file = Installed("NoEntry", "hold_open.exe");
  try {
    file->RegisterInprocServer();
    FAIL();
  } catch (const IECustomInstallFile& e) {
    EXPECT_NE(std::string(e.what()).find("because the DllRegisterServer function could not be found. The file "
                                         "component is NoEntry"),
              std::string::npos)
        << e.what();
  }
}

TEST_F(RegistrationTest, MissingInstalledFileCannotBeRegistered) {
  TInstallFile* file = MakeFileFor("Missing", ProgramDir(), "self_register_ok.dll");
  EXPECT_THROW(file->RegisterActiveX(), IECustomInstallFile);
}

TEST_F(RegistrationTest, TypeLibraryIsRegistered) {
  TInstallFile* file = Installed("Types", "type_library.tlb");
  ASSERT_TRUE(file->ActiveX());
  file->RegisterActiveX();
  EXPECT_TRUE(KeyExists(HKEY_CLASSES_ROOT, kTypeLibKey));
}

TEST_F(RegistrationTest, ExecutableServerAnswersRegserver) {
  TInstallFile* file = Installed("Server", "exe_server.exe");
  file->SetActiveX(true);
  file->SetFileType(iftNormal);
  file->SetDestDirType(dest);
  file->RegisterActiveX();
  std::string key = std::string(kSelfRegistration) + "\\Server";
  // The launcher waits until the server is ready, not until it ends.
  for (int i = 0; i < 100 && !KeyExists(HKEY_CURRENT_USER, key); ++i) Sleep(50);
  EXPECT_TRUE(KeyExists(HKEY_CURRENT_USER, key));
}

TEST_F(RegistrationTest, FailedRegistrationIsRetriedLaterUnlessStrict) {
  TInstallFile* file = MakeFileFor("Refusing", ProgramDir(), "self_register_fails.dll");
  file->SetActiveX(true);
  file->SetFileType(iftNormal);
  file->SetDestDirType(dest);
  file->Compress();
  file->InstallObjects();
  EXPECT_TRUE(DeferredRegistrationFiles().Contains(file));

  ObjectsState().strict_registration = true;
  EXPECT_THROW(file->InstallObjects(), IECustomInstallFile);
}

TEST_F(RegistrationTest, KeptFileIsStillCountedAndRegistered) {
  TInstallFile* file = Installed("Kept", "self_register_ok.dll");
  file->SetOverwriteMode(owNever);
  file->SetUpdateDLLCounter(true);
  file->Compress();
  file->InstallObjects();
  EXPECT_FALSE(file->WillCopy());
  EXPECT_TRUE(KeyExists(HKEY_CURRENT_USER, std::string(kSelfRegistration) + "\\Library"));
  std::string short_name = GetShortPath(DestPath("self_register_ok.dll"));
  int count = ReadRegInteger(hkLocalMachine, kSharedDLLs, DestPath("self_register_ok.dll"), 0) +
              ReadRegInteger(hkLocalMachine, kSharedDLLs, short_name, 0);
  EXPECT_EQ(count, 1);
}

TEST_F(RegistrationTest, SharedCounterGoesUpByOneEachTime) {
  TInstallFile* file = MakeFile("Shared", "shared.dll");
  ForceDirectories(temp.Path("dest"));
  testing::WriteWholeFile(DestPath("shared.dll"), "x");
  std::string full = DestPath("shared.dll");
  std::string short_name = GetShortPath(full);
  WriteRegInteger(hkLocalMachine, kSharedDLLs, short_name, 4);
  EXPECT_TRUE(file->UpdateDLLCount());
  EXPECT_EQ(ReadRegInteger(hkLocalMachine, kSharedDLLs, short_name, 0), 5);
  // No counter under the short name: the full name's starts from nothing.
  TVorlanRegistry registry;
  registry.SetRootKey(HKEY_LOCAL_MACHINE);
  ASSERT_TRUE(registry.OpenKey(kSharedDLLs, false));
  registry.DeleteValue(short_name);
  file->UpdateDLLCount();
  file->UpdateDLLCount();
  EXPECT_EQ(ReadRegInteger(hkLocalMachine, kSharedDLLs, full, 0), 2);
}

TEST_F(RegistrationTest, PlainFilesAreListedUnderFiles) {
  TInstallFile* a = MakeFile("A", "a.txt");
  TInstallFile* b = MakeFile("B", "b.txt");
  a->RegisterUninstall(UninstallKey());
  b->RegisterUninstall(UninstallKey());
  std::string files = UninstallKey() + "\\Files";
  EXPECT_EQ(ReadRegString(hkLocalMachine, files, "Entries", ""), "2");
  EXPECT_EQ(ReadRegString(hkLocalMachine, files, "File1", ""), DestPath("a.txt"));
  EXPECT_EQ(ReadRegString(hkLocalMachine, files, "File2", ""), DestPath("b.txt"));
}

// The list key stays open from one record to the next; a list deleted in
// between (by an uninstall, say) is made anew and counts from one again.
TEST_F(RegistrationTest, ListDeletedBetweenRecordsStartsAgain) {
  TInstallFile* a = MakeFile("A", "a.txt");
  TInstallFile* b = MakeFile("B", "b.txt");
  std::string files = UninstallKey() + "\\Files";
  a->RegisterUninstall(UninstallKey());
  DeleteRegKeyTree(hkLocalMachine, files);
  b->RegisterUninstall(UninstallKey());
  EXPECT_EQ(ReadRegString(hkLocalMachine, files, "Entries", ""), "1");
  EXPECT_EQ(ReadRegString(hkLocalMachine, files, "File1", ""), DestPath("b.txt"));
}

// Records gone since this program wrote them (an uninstall in between) are
// written again, not taken as there.
TEST_F(RegistrationTest, RecordDeletedSinceItWasWrittenIsWrittenAgain) {
  TInstallFile* file = MakeFile("File", "app.txt");
  file->RegisterUninstall(UninstallKey());
  DeleteRegKeyTree(hkLocalMachine, UninstallKey());
  file->RegisterUninstall(UninstallKey());
  EXPECT_EQ(ReadValues(UninstallKey() + "\\Files"), (Values{{"Entries", "1"}, {"File1", DestPath("app.txt")}}));
}

TEST_F(RegistrationTest, TwoActiveXRecordsCountUp) {
  TInstallFile* control = MakeFile("Control", "grid.ocx");
  TInstallFile* types = MakeFile("Types", "types.tlb");
  control->RegisterUninstall(UninstallKey());
  types->RegisterUninstall(UninstallKey());
  std::string records = UninstallKey() + "\\ActiveX";
  EXPECT_EQ(ReadRegString(hkLocalMachine, records, "Entries", ""), "2");
  EXPECT_EQ(ReadRegString(hkLocalMachine, records, "File1", ""), control->GetInstalledPath() + ";0");
  EXPECT_EQ(ReadRegString(hkLocalMachine, records, "File2", ""), types->GetInstalledPath() + ";2");
  EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, UninstallKey() + "\\Files"));
}

// The same installation run again: every record stays single, and the
// product's use of a shared library, which another product counts too, is
// counted once.
TEST_F(RegistrationTest, AnInstallationRunAgainRecordsEachThingOnce) {
  TInstallFile* plain = MakeFile("Plain", "plain.txt");
  TInstallFile* shared = MakeFile("Shared", "shared.dll");
  shared->SetFileType(iftNormal);
  shared->SetDestDirType(dest);
  shared->SetUpdateDLLCounter(true);
  TInstallFile* control = MakeFile("Control", "grid.ocx");
  WriteRegInteger(hkLocalMachine, kSharedDLLs, DestPath("shared.dll"), 1);
  for (int run = 1; run <= 2; ++run) {
    SCOPED_TRACE(run);
    for (TInstallFile* file : {plain, shared}) CompressAndProcess(*file);
    control->RegisterUninstall(UninstallKey());
    EXPECT_EQ(ReadValues(UninstallKey() + "\\Files"),
              (Values{{"Entries", "2"}, {"File1", DestPath("plain.txt")}, {"File2", DestPath("shared.dll")}}));
    EXPECT_EQ(ReadValues(UninstallKey() + "\\ActiveX"),
              (Values{{"Entries", "1"}, {"File1", control->GetInstalledPath() + ";0"}}));
    EXPECT_EQ(ReadValues(UninstallKey() + "\\SharedDLLs"),
              (Values{{"Entries", "1"}, {"File1", DestPath("shared.dll")}}));
    int count = ReadRegInteger(hkLocalMachine, kSharedDLLs, DestPath("shared.dll"), 0) +
                ReadRegInteger(hkLocalMachine, kSharedDLLs, GetShortPath(DestPath("shared.dll")), 0);
    EXPECT_EQ(count, 2);
  }
}

// Only what the installation made: the destination was there before, the
// directories below it were not; a second file and a second run add only
// what is new.
TEST_F(RegistrationTest, DirectoriesTheInstallationCreatedAreRecordedOutermostFirst) {
  ForceDirectories(temp.Path("dest"));
  auto* deep = Make<TInstallDirectory>("Deep", engine);
  deep->SetDestDirType(dest);
  deep->SetDestDir("\\Docs\\Deep\\Er\\Still");
  deep->SetArchiveFileType(archive_root);
  deep->SetArchiveFile("\\files.1");
  auto* other = Make<TInstallDirectory>("Other", engine);
  other->SetDestDirType(dest);
  other->SetDestDir("\\Docs\\Other");
  other->SetArchiveFileType(archive_root);
  other->SetArchiveFile("\\files.1");
  TInstallFile* still = MakeFile("Still", "still.txt");
  still->SetContainer(deep);
  TInstallFile* beside = MakeFile("Beside", "beside.txt");
  beside->SetContainer(other);
  const Values expected{{"Entries", "5"},
                        {"Directory1", DestPath("Docs")},
                        {"Directory2", DestPath("Docs\\Deep")},
                        {"Directory3", DestPath("Docs\\Deep\\Er")},
                        {"Directory4", DestPath("Docs\\Deep\\Er\\Still")},
                        {"Directory5", DestPath("Docs\\Other")}};
  for (int run = 1; run <= 2; ++run) {
    SCOPED_TRACE(run);
    for (TInstallFile* file : {still, beside}) CompressAndProcess(*file);
    EXPECT_EQ(ReadValues(UninstallKey() + "\\Directories"), expected);
  }
  EXPECT_EQ(testing::ReadWholeFile(DestPath("Docs\\Deep\\Er\\Still\\still.txt")), "new");
}

TEST_F(RegistrationTest, UnwritableRecordsEndInTheWriteError) {
  TInstallFile* file = MakeFile("File", "app.txt");
  // No key of that name can exist, so neither Files nor any FilesN can be written.
  std::string key = "\\Software\\VorlanTest\\" + std::string(300, 'k');
  EXPECT_THROW(file->RegisterUninstall(key), EIRCannotWriteValue);
}

TEST_F(RegistrationTest, ProcessedFileRecordsItselfForTheUninstaller) {
  TInstallFile* file = MakeFile("File", "app.txt");
  file->Compress();
  file->ReadInfoFromArchive();
  file->Process();
  EXPECT_EQ(ReadRegString(hkLocalMachine, UninstallKey() + "\\Files", "File1", ""), DestPath("app.txt"));
}

TEST_F(RegistrationTest, ResumeAppliesTheInstallAttributes) {
  TInstallFile* file = MakeFile("File", "app.txt");
  ForceDirectories(temp.Path("dest"));
  testing::WriteWholeFile(DestPath("app.txt"), "x");
  file->SetInstallAttributes(VfaBit(vfaReadOnly) | VfaBit(vfaHidden));
  file->ResumeUnfinished();
  DWORD attributes = GetFileAttributesA(DestPath("app.txt").c_str());
  EXPECT_TRUE(attributes & FILE_ATTRIBUTE_READONLY);
  EXPECT_TRUE(attributes & FILE_ATTRIBUTE_HIDDEN);
  SetFileAttributesA(DestPath("app.txt").c_str(), FILE_ATTRIBUTE_NORMAL);
}

}  // namespace
}  // namespace vorlan::file_test
