// Install files: the settings cascade, identifiers, the install step with
// its overwrite decision and replacement of files in use, the disk prompt
// and the failures of the operations.

#include <windows.h>

#include <algorithm>

#include "archive/vorlan_compress.h"
#include "base/file.h"
#include "component/class_registry.h"
#include "component/definition_reader.h"
#include "component/definition_writer.h"
#include "file_fixture.h"
#include "box_answerer.h"
#include "objects/objects_module.h"
#include "objects/parameters.h"
#include "objects/container_specifiers.h"
#include "paths/folder_specifiers.h"
#include "paths/path_specifier_list.h"
#include "system/os_version.h"
#include "system/system_dirs.h"

namespace vorlan::file_test {
namespace {

using testing::BuiltFile;
using testing::ReadWholeFile;
using testing::WriteWholeFile;

template <typename T>
TCustomPathSpecifier* Standard() {
  return StandardPathSpecifiers().FindInstanceOf(T::StaticClassInfo());
}

class InstallFileTest : public FileFixture {};

TEST_F(InstallFileTest, OcxNameCascadesIntoASharedSystemLibrary) {
  TInstallFile* file = MakeFile("Control", "grid.ocx");
  file->SetDestDir("\\Somewhere");
  file->SetFileName("grid.OCX");
  EXPECT_EQ(file->DestName(), "grid.OCX");
  EXPECT_TRUE(file->ActiveX());
  EXPECT_EQ(file->FileType(), iftSystemWideDLL);
  EXPECT_TRUE(file->UpdateDLLCounter());
  EXPECT_EQ(file->OverwriteMode(), owVersionDate);
  EXPECT_EQ(file->DestDir(), "");
  EXPECT_EQ(file->DestDirType(), Standard<TpsSystem>());
}

struct TExtensionCase {
  const char* file_name;
  bool help;
  bool active_x;
};

class ExtensionTest : public FileFixture, public ::testing::WithParamInterface<TExtensionCase> {};

TEST_P(ExtensionTest, NameDecidesHelpAndSelfRegistration) {
  TInstallFile* file = MakeFile("File", GetParam().file_name);
  EXPECT_EQ(file->RegisterAsHelp(), GetParam().help);
  EXPECT_EQ(file->ActiveX(), GetParam().active_x);
  EXPECT_EQ(file->DestName(), GetParam().file_name);
}

INSTANTIATE_TEST_SUITE_P(Table, ExtensionTest,
                         ::testing::Values(TExtensionCase{"app.hlp", true, false}, TExtensionCase{"APP.CNT", true, false},
                                           TExtensionCase{"app.txt", false, false},
                                           TExtensionCase{"types.tlb", false, true},
                                           TExtensionCase{"app.hlp.txt", false, false}));

TEST_F(InstallFileTest, VersionResourceFlagMakesALibrarySelfRegistering) {
  TInstallFile* flagged = MakeFileFor("Flagged", testing::ProgramDir(), "self_register_ok.dll");
  TInstallFile* plain = MakeFileFor("Plain", testing::ProgramDir(), "self_register_fails.dll");
  EXPECT_TRUE(flagged->ActiveX());
  EXPECT_EQ(flagged->FileType(), iftSystemWideDLL);
  EXPECT_FALSE(plain->ActiveX());
  EXPECT_EQ(plain->FileType(), iftNormal);
}

TEST_F(InstallFileTest, DuplicateSourceIsRefusedAndChangesNothing) {
  MakeFile("First", "app.dll");
  TInstallFile* second = MakeFile("Second", "other.dll");
  try {
    second->SetFileName("APP.DLL");
    FAIL();
  } catch (const IEfcDuplicateFile& e) {
    EXPECT_EQ(std::string(e.what()), "There is already a file with the name :" + temp.Path("src") + "\\APP.DLL");
  }
  EXPECT_EQ(second->FileName(), "other.dll");
  EXPECT_EQ(second->DestName(), "other.dll");
}

TEST_F(InstallFileTest, ContainerMustBeAFileContainer) {
  TInstallFile* file = MakeFile("File", "app.txt");
  auto* other = Make<tree_test::TTestLink>("Link");
  try {
    file->SetContainer(other);
    FAIL();
  } catch (const IECustomInstallFile& e) {
    EXPECT_EQ(std::string(e.what()),
              "The following TInstallFile component File requires the Container property to be a component "
              "descended from the TFileContainer component");
  }
  EXPECT_EQ(file->Container(), directory);
}

TEST_F(InstallFileTest, WindowsAndSystemDirectoriesTightenLibraries) {
  TInstallFile* in_windows = MakeFile("InWindows", "a.dll");
  in_windows->SetDestDirType(Standard<TpsWindow>());
  EXPECT_EQ(in_windows->OverwriteMode(), owVersionDate);
  EXPECT_EQ(in_windows->FileType(), iftNormal);
  TInstallFile* in_system = MakeFile("InSystem", "b.exe");
  in_system->SetDestDirType(Standard<TpsSystem>());
  EXPECT_EQ(in_system->FileType(), iftSystemWideDLL);
  EXPECT_TRUE(in_system->UpdateDLLCounter());
  TInstallFile* text = MakeFile("Text", "c.txt");
  text->SetDestDirType(Standard<TpsWindow>());
  EXPECT_EQ(text->OverwriteMode(), owAlways);
}

TEST_F(InstallFileTest, FileTypesHaveTheirHomes) {
  TInstallFile* file = MakeFile("File", "lib.dll");
  file->SetFileType(iftApplicationSpecificDLL);
  EXPECT_EQ(file->DestDir(), "\\System");
  EXPECT_EQ(file->DestDirType(), Standard<TpsMainInstall>());
  EXPECT_EQ(file->OverwriteMode(), owVersionDate);
  EXPECT_FALSE(file->UpdateDLLCounter());
  file->SetFileType(iftVendorSharedDLL);
  EXPECT_EQ(file->DestDirType(), Standard<TpsCommonFiles>());
  EXPECT_TRUE(file->UpdateDLLCounter());
}

TEST_F(InstallFileTest, NewFilesTakeTheLowestFreeIdentifier) {
  TInstallFile* a = MakeFile("A", "a.txt");
  TInstallFile* b = MakeFile("B", "b.txt");
  int freed = a->UniqueID();
  delete a;
  TInstallFile* c = MakeFile("C", "c.txt");
  EXPECT_EQ(c->UniqueID(), freed);
  EXPECT_NE(b->UniqueID(), c->UniqueID());
}

TEST_F(InstallFileTest, LoadedDefinitionKeepsItsIdentifiers) {
  TInstallFile* earlier = MakeFile("Earlier", "e.txt");
  ASSERT_EQ(earlier->UniqueID(), 0);
  testing_classes::TTestForm loaded(nullptr);
  ReadDefinitionInto(loaded,
                 "object Form: TTestForm\n"
                 "  object Seven: TInstallFile\n"
                 "    FileName = 'seven.txt'\n"
                 "    UniqueID = 7\n"
                 "  end\n"
                 "  object Zero: TInstallFile\n"
                 "    UniqueID = 0\n"
                 "  end\n"
                 "end\n");
  auto* seven = dynamic_cast<TInstallFile*>(loaded.FindComponent("Seven"));
  ASSERT_TRUE(seven);
  EXPECT_EQ(seven->UniqueID(), 7);
  EXPECT_EQ(seven->FileName(), "seven.txt");
  EXPECT_EQ(seven->DestName(), "");  // loading only stores
  // The marks are the definition's own now: 1 is free again.
  TInstallFile* next = MakeFile("Next", "n.txt");
  EXPECT_EQ(next->UniqueID(), 1);
}

TEST_F(InstallFileTest, DefinitionKeepsEverySetting) {
  TInstallFile* file = MakeFile("Control", "grid.ocx");
  file->SetRunAfterInstall(true);
  file->SetRunParameters("/quiet");
  file->SetInstallAttributes(VfaBit(vfaReadOnly));
  file->SetUniqueID(42);
  form.SetName("Form");
  Classes().Register(tree_test::TTestEngine::StaticClassInfo());
  std::string written = WriteDefinition(form);
  testing_classes::TTestForm again(nullptr);
  ReadDefinitionInto(again, written);
  auto* read = dynamic_cast<TInstallFile*>(again.FindComponent("Control"));
  ASSERT_TRUE(read);
  EXPECT_EQ(read->UniqueID(), 42);
  EXPECT_EQ(read->FileName(), "grid.ocx");
  EXPECT_EQ(read->DestName(), "grid.ocx");
  EXPECT_TRUE(read->ActiveX());
  EXPECT_EQ(read->FileType(), iftSystemWideDLL);
  EXPECT_EQ(read->OverwriteMode(), owVersionDate);
  EXPECT_TRUE(read->UpdateDLLCounter());
  EXPECT_TRUE(read->RunAfterInstall());
  EXPECT_EQ(read->RunParameters(), "/quiet");
  EXPECT_EQ(read->InstallAttributes(), VfaBit(vfaReadOnly));
  EXPECT_EQ(read->IncludeFromDir(), temp.Path("src"));
  EXPECT_EQ(WriteDefinition(again), written);
}

// ---- the install step ----

TEST_F(InstallFileTest, InstallsFromTheArchive) {
  TInstallFile* file = MakeFile("File", "app.txt", "payload");
  CompressAndInstall(*file);
  EXPECT_EQ(ReadWholeFile(DestPath("app.txt")), "payload");
  EXPECT_TRUE(file->WillCopy());
  EXPECT_FALSE(file->ReplacedAtReboot());
  EXPECT_EQ(file->SourceSize(), 7);
}

// The directory of an archive is read once for all the files that install
// from it, but an archive written again since is read anew.
TEST_F(InstallFileTest, ArchiveWrittenAgainIsReadAnew) {
  TInstallFile* first = MakeFile("First", "first.txt", "one");
  CompressAndInstall(*first);
  TInstallFile* second = MakeFile("Second", "second.txt", "two, added later");
  CompressAndInstall(*second);
  EXPECT_TRUE(second->InfoRead());
  EXPECT_EQ(ReadWholeFile(DestPath("second.txt")), "two, added later");
}

TEST_F(InstallFileTest, InstallingADirectoryReportsProgressUpTheTree) {
  TInstallFile* small = MakeFile("Small", "small.txt", std::string(100, 's'));
  MakeFile("Large", "large.txt", std::string(300, 'l'));
  directory->Compress(static_cast<TCompressOptions>(1u << coForceNetFilesLocal));
  std::vector<std::string> seen;
  auto record = [&seen](const char* who) {
    return [&seen, who](TCustomInstallFile* file, int file_percent, int total_percent) {
      if (file_percent == 100) seen.push_back(std::string(who) + " " + file->Name() + " " + std::to_string(total_percent));
    };
  };
  small->OnStatus().Assign(record("file"));
  directory->OnStatus().Assign(record("directory"));
  directory->InstallObjects();
  EXPECT_EQ(ReadWholeFile(DestPath("small.txt")), std::string(100, 's'));
  EXPECT_EQ(ReadWholeFile(DestPath("large.txt")), std::string(300, 'l'));
  // Children are installed latest added first: the large file is three
  // quarters of the directory's work.
  ASSERT_FALSE(seen.empty());
  EXPECT_EQ(seen.back(), "directory Small 100");
  EXPECT_NE(std::find(seen.begin(), seen.end(), "directory Large 75"), seen.end());
  EXPECT_EQ(directory->State(), ifsNone);
}

TEST_F(InstallFileTest, WebDistributionInstallsFromTheDownloadedContainerArchive) {
  TInstallFile* file = MakeFile("File", "app.txt", "downloaded");
  file->Compress();
  std::string downloaded = temp.Path("download.1");
  ASSERT_TRUE(MoveFileA(temp.Path("archive\\files.1").c_str(), downloaded.c_str()));
  engine->distribute_type = dtWeb;
  directory->SetLocalArchivePath(downloaded);
  file->ReadInfoFromArchive();
  EXPECT_TRUE(file->InfoRead());
  file->InstallObjects();
  EXPECT_EQ(ReadWholeFile(DestPath("app.txt")), "downloaded");
}

TEST_F(InstallFileTest, ReadingTheArchiveNeedsAFileContainerWhenDistributedRemotely) {
  TInstallFile* file = MakeFile("File", "app.txt");
  file->SetContainer(nullptr);
  engine->distribute_type = dtWeb;
  try {
    file->ReadInfoFromArchive();
    FAIL();
  } catch (const IECustomInstallFile& e) {
    EXPECT_EQ(std::string(e.what()), "File cannot perform ReadInfoFromArchive because either no container is "
                                     "assigned or the container is not TFileContainer");
  }
}

TEST_F(InstallFileTest, KeptFileStillRegistersItsHelp) {
  TInstallFile* file = MakeFile("Help", "kept.hlp", "new");
  file->SetOverwriteMode(owNever);
  ForceDirectories(temp.Path("dest"));
  WriteWholeFile(DestPath("kept.hlp"), "old");
  CompressAndInstall(*file);
  EXPECT_FALSE(file->WillCopy());
  EXPECT_EQ(ReadWholeFile(DestPath("kept.hlp")), "old");
  EXPECT_EQ(ReadRegString(hkLocalMachine, "\\SOFTWARE\\Microsoft\\Windows\\Help", "KEPT.HLP", ""), temp.Path("dest"));
  TVorlanRegistry registry;
  registry.SetRootKey(HKEY_LOCAL_MACHINE);
  if (registry.OpenKey("\\SOFTWARE\\Microsoft\\Windows\\Help", false)) registry.DeleteValue("KEPT.HLP");
}

// A destination that is not there is written under every rule but the
// asking one (below), also where the rule would keep an existing file of
// the same version: an unversioned file under owVersion.
TEST_F(InstallFileTest, MissingDestinationIsWrittenWhateverTheRule) {
  for (TOverwriteType rule : {owAlways, owNever, owVersion, owDate, owVersionDate}) {
    std::string name = "rule" + IntToStr(rule);
    TInstallFile* file = MakeFile(name, name + ".txt", "content");
    file->SetOverwriteMode(rule);
    CompressAndInstall(*file);
    EXPECT_EQ(ReadWholeFile(DestPath(name + ".txt")), "content") << rule;
  }
}

TEST_F(InstallFileTest, AskIsAskedEvenWithoutADestination) {
  TInstallFile* refused = MakeFile("Refused", "refused.txt");
  refused->SetOverwriteMode(owAsk);
  refused->Compress();
  {
    testing::TBoxAnswerer no("Confirm", testing::TBoxAnswerer::Always("&No"));
    refused->InstallObjects();
    EXPECT_EQ(no.Texts(), std::vector<std::string>{"Copy This File refused.txt?"});
  }
  EXPECT_FALSE(FileExists(DestPath("refused.txt")));

  TInstallFile* accepted = MakeFile("Accepted", "accepted.txt");
  accepted->SetOverwriteMode(owAsk);
  accepted->Compress();
  testing::TBoxAnswerer yes("Confirm", testing::TBoxAnswerer::Always("&Yes"));
  accepted->InstallObjects();
  EXPECT_EQ(yes.Texts(), std::vector<std::string>{"Copy This File accepted.txt?"});
  EXPECT_EQ(ReadWholeFile(DestPath("accepted.txt")), "new");
}

TEST_F(InstallFileTest, SkippedByItsEventReportsTheSkip) {
  TInstallFile* file = MakeFile("File", "app.txt");
  file->OnBeforeInstall().Assign([](TCustomInstallFile*) { throw EAbort(); });
  file->Compress();
  file->InstallObjects();
  EXPECT_FALSE(FileExists(DestPath("app.txt")));
}

TEST_F(InstallFileTest, BlankDestinationIsRefused) {
  TInstallFile* file = MakeFile("File", "app.txt");
  file->SetDestDirType(nullptr);
  try {
    file->InstallObjects();
    FAIL();
  } catch (const IECustomInstallFile& e) {
    EXPECT_EQ(std::string(e.what()),
              "Cannot compress,copy, or install the following file because it's destination directory is blank. "
              "File is :File");
  }
}

TEST_F(InstallFileTest, UnreadableSourceIsReported) {
  TInstallFile* file = MakeFileFor("File", temp.Path("nowhere"), "gone.txt");
  try {
    file->ReadInfoFromSource();
    FAIL();
  } catch (const IECustomInstallFile& e) {
    EXPECT_EQ(std::string(e.what()),
              "Could not open or find the following file when trying to read the Size, Date, and Version :" +
                  temp.Path("nowhere") + "\\gone.txt");
  }
}

TEST_F(InstallFileTest, MemberMissingFromTheArchiveLeavesTheInformationUnread) {
  TInstallFile* built = MakeFile("Built", "built.txt");
  built->Compress();
  TInstallFile* absent = MakeFile("Absent", "absent.txt");
  absent->ReadInfoFromArchive();
  EXPECT_FALSE(absent->InfoRead());
  built->ReadInfoFromArchive();
  EXPECT_TRUE(built->InfoRead());
}

TEST_F(InstallFileTest, CorruptArchiveLeavesNoFileUnderTheTargetName) {
  TInstallFile* file = MakeFile("File", "app.txt", std::string(100000, 'x'));
  file->Compress();
  ForceDirectories(temp.Path("dest"));
  WriteWholeFile(DestPath("app.txt"), "old");
  std::string archive = temp.Path("archive\\files.1");
  std::string data = ReadWholeFile(archive);
  for (size_t i = data.size() / 2; i < data.size(); i += 7) data[i] = static_cast<char>(data[i] ^ 0x5A);
  WriteWholeFile(archive, data);
  EXPECT_ANY_THROW(file->InstallObjects());
  EXPECT_EQ(ReadWholeFile(DestPath("app.txt")), "old");
  EXPECT_EQ(file->State(), ifsNone);
}

TEST_F(InstallFileTest, DestinationThatCannotBeCreatedFails) {
  TInstallFile* file = MakeFile("File", "app.txt");
  file->Compress();
  WriteWholeFile(temp.Path("dest"), "a file where the directory should be");
  EXPECT_ANY_THROW(file->InstallObjects());
  EXPECT_EQ(ReadWholeFile(temp.Path("dest")), "a file where the directory should be");
}

TEST_F(InstallFileTest, BlankArchiveIsRefusedByTheBuild) {
  TInstallFile* file = MakeFile("File", "app.txt");
  file->SetArchiveFileType(nullptr);
  try {
    file->Compress();
    FAIL();
  } catch (const IECustomInstallFile& e) {
    EXPECT_EQ(std::string(e.what()),
              "Cannot either compress or decompress the following file because it's archive file property is "
              "blank. File is :app.txt");
  }
  EXPECT_EQ(file->State(), ifsNone);
}

TEST_F(InstallFileTest, CopyWritesTheSourceUncompressed) {
  TInstallFile* file = MakeFile("File", "copied.txt", "plain");
  file->Copy();
  EXPECT_EQ(ReadWholeFile(DestPath("copied.txt")), "plain");
}

TEST_F(InstallFileTest, SettingTheStatePerformsTheOperation) {
  TInstallFile* file = MakeFile("File", "state.txt", "by state");
  file->SetState(ifsCopying);
  EXPECT_EQ(ReadWholeFile(DestPath("state.txt")), "by state");
  EXPECT_EQ(file->State(), ifsNone);
  file->SetState(ifsCompress);
  EXPECT_TRUE(file->CompressedInBuild());
  EXPECT_EQ(file->State(), ifsNone);
}

TEST_F(InstallFileTest, CopyingADirectoryReadsAndCopiesItsSources) {
  MakeFile("A", "a.txt", "aaaa");
  TInstallFile* b = MakeFile("B", "b.txt", "bb");
  directory->CopyFiles();
  EXPECT_EQ(ReadWholeFile(DestPath("a.txt")), "aaaa");
  EXPECT_EQ(ReadWholeFile(DestPath("b.txt")), "bb");
  EXPECT_EQ(b->SourceSize(), 2);
  EXPECT_EQ(directory->TotalSize(), 6);
}

// ---- files in use ----

class TInUse {
 public:
  explicit TInUse(const std::string& path) {
    std::string command = "\"" + BuiltFile("hold_open.exe") + "\" \"" + path + "\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info)) {
      return;
    }
    process_ = info.hProcess;
    CloseHandle(info.hThread);
    // Held once the file can no longer be opened for writing.
    for (int i = 0; i < 200; ++i) {
      HANDLE probe = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
      if (probe == INVALID_HANDLE_VALUE) return;
      CloseHandle(probe);
      Sleep(25);
    }
  }
  ~TInUse() {
    if (!process_) return;
    TerminateProcess(process_, 0);
    WaitForSingleObject(process_, 5000);
    CloseHandle(process_);
  }
  TInUse(const TInUse&) = delete;
  TInUse& operator=(const TInUse&) = delete;
  bool Holding() const { return process_ != nullptr; }

 private:
  HANDLE process_ = nullptr;
};

bool Windows9x() {
  TOSVerType os = GetOSVersionType();
  return os == oswin95 || os == oswin98 || os == oswinME;
}

TEST_F(InstallFileTest, FileInUseArrivesBesideItUnderTheNextFreeName) {
  TInstallFile* file = MakeFile("File", "app.dll", "new");
  ForceDirectories(temp.Path("dest"));
  WriteWholeFile(DestPath("app.dll"), "old");
  WriteWholeFile(DestPath("app.1"), "someone else's");
  TInUse held(DestPath("app.dll"));
  ASSERT_TRUE(held.Holding());
  CompressAndInstall(*file);
  EXPECT_TRUE(file->ReplacedAtReboot());
  EXPECT_EQ(file->DestName(), "app.2");
  EXPECT_EQ(ReadWholeFile(DestPath("app.2")), "new");
  EXPECT_EQ(ReadWholeFile(DestPath("app.1")), "someone else's");
  EXPECT_TRUE(engine->reboot);
  EXPECT_EQ(engine->unfinished, std::vector<std::string>{"File;0"});
  std::string short_target = GetShortPath(DestPath("app.dll"));
  std::string short_new = GetShortPath(temp.Path("dest")) + "\\app.2";
  if (Windows9x()) {
    std::string wininit = AddBackslash(GetWindowsDir()) + "WININIT.INI";
    char value[MAX_PATH] = {};
    GetPrivateProfileStringA("Rename", short_target.c_str(), "", value, sizeof value, wininit.c_str());
    EXPECT_EQ(std::string(value), short_new);
    WritePrivateProfileStringA("Rename", short_target.c_str(), nullptr, wininit.c_str());
  } else {
    // The delayed move is recorded where the system performs it at its start.
    TVorlanRegistry registry;
    registry.SetRootKey(HKEY_LOCAL_MACHINE);
    ASSERT_TRUE(registry.OpenKey("\\SYSTEM\\CurrentControlSet\\Control\\Session Manager", false));
    DWORD size = 0;
    ASSERT_EQ(RegQueryValueExA(registry.CurrentKey(), "PendingFileRenameOperations", nullptr, nullptr, nullptr,
                               &size),
              ERROR_SUCCESS);
    std::string data(size, '\0');
    RegQueryValueExA(registry.CurrentKey(), "PendingFileRenameOperations", nullptr, nullptr,
                     reinterpret_cast<BYTE*>(data.data()), &size);
    EXPECT_NE(data.find("app.2"), std::string::npos);
    RegDeleteValueA(registry.CurrentKey(), "PendingFileRenameOperations");
  }
}

// Wine's restart performs what a restart of Windows would: the pending moves
// of the NT family, WININIT.INI on the 9x family.
bool Restart() {
  std::string command = "wineboot.exe -r";
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info{};
  if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info)) {
    return false;
  }
  DWORD waited = WaitForSingleObject(info.hProcess, 120000);
  CloseHandle(info.hThread);
  CloseHandle(info.hProcess);
  return waited == WAIT_OBJECT_0;
}

TEST_F(InstallFileTest, FileInUseIsInPlaceAfterTheRestart) {
  TInstallFile* file = MakeFile("File", "app.dll", "new");
  ForceDirectories(temp.Path("dest"));
  WriteWholeFile(DestPath("app.dll"), "old");
  {
    TInUse held(DestPath("app.dll"));
    ASSERT_TRUE(held.Holding());
    CompressAndInstall(*file);
  }
  ASSERT_TRUE(file->ReplacedAtReboot());
  EXPECT_EQ(ReadWholeFile(DestPath("app.dll")), "old");
  ASSERT_TRUE(Restart());
  EXPECT_EQ(ReadWholeFile(DestPath("app.dll")), "new");
  EXPECT_FALSE(FileExists(DestPath("app.1")));
}

// ---- the disk prompt ----

TEST_F(InstallFileTest, DiskPromptIsAskedWhenNoOneServesIt) {
  TInstallFile* file = MakeFile("File", "app.txt");
  TVorlanCompress archive(nullptr);
  struct TCase {
    const char* button;
    bool aborts;
  };
  for (TCase c : {TCase{"OK", false}, TCase{"Cancel", true}}) {
    std::string path;
    testing::TBoxAnswerer answer("Information", testing::TBoxAnswerer::Always(c.button));
    file->NewDiskHandler(archive, 2, path);
    EXPECT_EQ(answer.Texts(), std::vector<std::string>{"Please insert disk #2"});
    EXPECT_EQ(archive.Abort(), c.aborts) << c.button;
    EXPECT_EQ(path, temp.Path("archive"));
  }
}

TEST_F(InstallFileTest, DiskHandlerOfTheFileSuppliesThePathWithoutAPrompt) {
  TInstallFile* file = MakeFile("File", "app.txt");
  file->OnNewDisk().Assign([](TCustomInstallFile*, int disk, std::string& path) {
    path = "A:\\disk" + std::to_string(disk) + "\\";
  });
  file->SetTag(7);
  TVorlanCompress archive(nullptr);
  std::string path;
  file->NewDiskHandler(archive, 3, path);
  EXPECT_EQ(path, "A:\\disk3");
  EXPECT_FALSE(archive.Abort());
  EXPECT_EQ(file->Tag(), 7);
}

TEST_F(InstallFileTest, CancelAtTheDiskPromptAbortsTheInstallation) {
  TInstallFile* file = MakeFile("File", "app.txt");
  EXPECT_THROW(file->AbortInstall(), EAIUserAbort);
}

}  // namespace
}  // namespace vorlan::file_test
