// uninstall.exe removes a product that the real install objects put on
// this machine: files in nested directories, a read-only one, shared
// libraries by their counters, COM servers of the three kinds, a shortcut
// in its program-menu folder and registry values. It is started as the
// Add/Remove Programs entry starts it and its message boxes are answered
// as a user would.

#include <windows.h>

#include <vector>

#include "base/file.h"
#include "box_answerer.h"
#include "file_fixture.h"
#include "links/install_shell_link.h"
#include "links/links_module.h"
#include "objects/install_registry.h"
#include "objects/objects_module.h"
#include "objects/uninstall_exe.h"
#include "program_run.h"
#include "system/com_ptr.h"
#include "system/system_dirs.h"
#include "uninstall_messages.h"

namespace vorlan {
namespace {

using testing::ReadWholeFile;
using testing::WriteWholeFile;

constexpr const char* kSelfRegistration = "\\Software\\VorlanTest\\FileSelfRegistration";
constexpr const char* kTypeLibKey = "\\TypeLib\\{6B4C7F0E-2D1A-4E8B-9C3F-5A7D2E1B0C49}";
constexpr const char* kSharedDLLs = "\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\SharedDLLs";
constexpr const char* kHelpFiles = "\\SOFTWARE\\Microsoft\\Windows\\Help";

// A file of the build tree, as Wine's programs see it.
std::string BuildTreeFile(const std::string& unix_path) {
  std::string path = "Z:" + unix_path;
  for (char& c : path) c = c == '/' ? '\\' : c;
  return path;
}

std::string UninstallProgram() { return BuildTreeFile(VORLAN_UNINSTALL_PROGRAM); }
std::string BuiltFile(const std::string& name) { return BuildTreeFile(VORLAN_TEST_FILES_DIR "/" + name); }
std::string BuiltDir() { return BuildTreeFile(VORLAN_TEST_FILES_DIR); }

bool KeyExists(HKEY root, const std::string& key) {
  TVorlanRegistry registry;
  registry.SetRootKey(root);
  return registry.KeyExists(key);
}

bool Exists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

// What the user answered and was told.
struct TUninstallRun {
  testing::TProgramRun run;
  std::vector<std::string> texts;
};

class UninstallerTest : public file_test::FileFixture {
 protected:
  UninstallerTest() {
    RegisterLinksModule(scope);
    settings_key = "\\Software\\VorlanTest\\Uninstaller " + ExtractFileName(temp.Dir());
    shared = MakeSpecifier("psShared", temp.Path("shared"));
    menu = MakeSpecifier("psMenu", temp.Path("menu\\Zarvik Product"));
    // The program menu is there before any product.
    ForceDirectories(temp.Path("menu"));
  }
  ~UninstallerTest() override {
    DeleteRegKeyTree(hkCurrentUser, settings_key);
    DeleteRegKeyTree(hkCurrentUser, kSelfRegistration);
    DeleteRegKeyTree(hkClassesRoot, kTypeLibKey);
    for (const std::string& name : {SharedPath("shared.dll"), SharedPath("common.dll")}) {
      TVorlanRegistry registry;
      registry.SetRootKey(HKEY_LOCAL_MACHINE);
      if (registry.OpenKey(kSharedDLLs, false)) registry.DeleteValue(name);
    }
    TVorlanRegistry registry;
    registry.SetRootKey(HKEY_LOCAL_MACHINE);
    if (registry.OpenKey(kHelpFiles, false)) registry.DeleteValue("UNINSTALLER_TEST.HLP");
  }

  std::string SharedPath(const std::string& name) const { return temp.Path("shared\\" + name); }
  std::string LinkPath() const { return temp.Path("menu\\Zarvik Product\\Read me.lnk"); }

  // Installed from the archive, as a run does; Process records it.
  TInstallFile* Install(TInstallFile* file) {
    file->Compress();
    file->ReadInfoFromArchive();
    file->Process();
    return file;
  }

  // A file built beside the test program, as a self-registering file of
  // its kind.
  TInstallFile* MakeServer(const std::string& name, const std::string& built) {
    TInstallFile* file = MakeFileFor(name, BuiltDir(), built);
    // A program says nothing of self-registration in its version resource.
    file->SetActiveX(true);
    file->SetFileType(iftNormal);
    file->SetDestDirType(dest);
    return file;
  }

  // Installed and registered.
  void InstallServer(TInstallFile* file, bool registered = true) {
    ForceDirectories(temp.Path("dest"));
    CopyFileA(BuiltFile(file->FileName()).c_str(), file->GetInstalledPath().c_str(), FALSE);
    if (registered) file->RegisterActiveX();
    file->RegisterUninstall(UninstallKey());
  }

  // Everything the uninstaller takes back, and the uninstaller itself,
  // installed runs times over as a user would run the same setup again.
  void InstallProduct(int runs = 1) {
    TInstallFile* readme = MakeFile("ReadMe", "readme.txt");
    TInstallFile* help = MakeFile("Help", "uninstaller_test.hlp");
    auto* bin = MakeDirectory("Bin", dest, "\\tools");
    auto* tool = Make<TInstallFile>("Tool", bin);
    tool->SetIncludeFromDir(temp.Path("src"));
    WriteWholeFile(temp.Path("src\\tool.txt"), "tool");
    tool->SetFileName("tool.txt");
    auto* docs = MakeDirectory("Docs", dest, "\\Docs\\Deep\\Er\\Still");
    auto* doc = Make<TInstallFile>("Doc", docs);
    doc->SetIncludeFromDir(temp.Path("src"));
    WriteWholeFile(temp.Path("src\\doc.txt"), "doc");
    doc->SetFileName("doc.txt");

    // One library this product alone uses, one another product counts on too.
    auto* shared_dir = MakeDirectory("Libraries", shared, "");
    WriteRegInteger(hkLocalMachine, kSharedDLLs, SharedPath("common.dll"), 1);
    std::vector<TInstallFile*> libraries;
    for (const char* name : {"shared.dll", "common.dll"}) {
      WriteWholeFile(temp.Path(std::string("src\\") + name), name);
      auto* library = Make<TInstallFile>(ChangeFileExt(name, ""), shared_dir);
      library->SetIncludeFromDir(temp.Path("src"));
      library->SetFileName(name);
      library->SetUpdateDLLCounter(true);
      libraries.push_back(library);
    }

    auto* link = Make<TInstallShellLink>("ReadMeLink");
    link->SetDestDirType(menu);
    link->SetLinkName("Read me");
    link->SetObjectLocation(DestPath("readme.txt"));

    WriteRegString(hkCurrentUser, settings_key + "\\Kept", "Other", "not the product's");
    std::vector<TInstallRegistry*> registries;
    for (const char* name : {"Settings", "Kept", "Nested"}) {
      auto* registry = Make<TInstallRegistry>(std::string(name) + "Values");
      registry->SetRootKey(hkCurrentUser);
      registry->SetKey(settings_key + "\\" + name + (std::string(name) == "Nested" ? "\\Deeper" : ""));
      for (const char* ident : {"Path", "Mode"}) {
        auto& entry = static_cast<TRegistryEntry&>(registry->Entries().Add());
        entry.SetIdent(ident);
        entry.SetText(std::string(ident) + " text");
      }
      registries.push_back(registry);
    }

    TInstallFile* library = MakeServer("Library", "self_register_ok.dll");
    TInstallFile* server = MakeServer("Server", "exe_server.exe");
    TInstallFile* types = MakeServer("Types", "type_library.tlb");
    auto* uninstaller = Make<TUninstallEXE>("Uninstaller", directory);
    uninstaller->SetDestName("uninstall.exe");

    for (int run = 0; run < runs; ++run) {
      for (TInstallFile* file : {readme, help, tool, doc}) Install(file);
      for (TInstallFile* shared_library : libraries) Install(shared_library);
      InstallServer(library);
      // The installer starts the server without waiting for it to end.
      std::string server_key = std::string(kSelfRegistration) + "\\Server";
      DeleteRegKeyTree(hkCurrentUser, server_key);
      InstallServer(server);
      for (int i = 0; i < 600 && !KeyExists(HKEY_CURRENT_USER, server_key); ++i) Sleep(50);
      InstallServer(types);
      TComInitScope com;
      link->Process();
      for (TInstallRegistry* registry : registries) registry->Process();
      CopyFileA(UninstallProgram().c_str(), DestPath("uninstall.exe").c_str(), FALSE);
      uninstaller->RegisterUninstall(UninstallKey());
    }
    SetFileAttributesA(DestPath("tools\\tool.txt").c_str(), FILE_ATTRIBUTE_READONLY);
  }

  TInstallDirectory* MakeDirectory(const std::string& name, TPathSpecifier* root, const std::string& dest_dir) {
    auto* made = Make<TInstallDirectory>(name, engine);
    made->SetDestDirType(root);
    made->SetDestDir(dest_dir);
    made->SetArchiveFileType(archive_root);
    made->SetArchiveFile("\\files.1");
    return made;
  }

  // Started as the entry starts it, each box answered by answer.
  TUninstallRun RunUninstaller(const testing::TBoxAnswerer::TAnswer& answer,
                               const std::string& command_line = "") {
    std::string command = command_line.empty()
                              ? ReadRegString(hkLocalMachine, UninstallKey(), "UninstallString", "")
                              : command_line;
    TUninstallRun result;
    testing::TBoxAnswerer user(uninstall_message::kCaption, answer, testing::TBoxAnswerer::kNoProcess);
    result.run = testing::RunProgram(command, 60000, [&user](DWORD process_id) { user.Watch(process_id); });
    result.texts = user.Texts();
    return result;
  }

  static std::string Said(const char* format, const std::string& product) { return Format(format, product); }

  // The library only this product used goes with its counter; the one
  // another product counts on too stays, with that product's count.
  void ExpectSharedLibrariesTakenBack() const {
    EXPECT_FALSE(Exists(SharedPath("shared.dll")));
    EXPECT_EQ(ReadRegInteger(hkLocalMachine, kSharedDLLs, SharedPath("shared.dll"), -1), -1);
    EXPECT_EQ(ReadWholeFile(SharedPath("common.dll")), "common.dll");
    EXPECT_EQ(ReadRegInteger(hkLocalMachine, kSharedDLLs, SharedPath("common.dll"), -1), 1);
  }

  std::string settings_key;
  TPathSpecifier* shared = nullptr;
  TPathSpecifier* menu = nullptr;
};

std::string AnswerYes(const std::string& text) { return text.find("Do you want") == 0 ? "&Yes" : "OK"; }

TEST_F(UninstallerTest, YesRemovesEverythingTheInstallationWrote) {
  InstallProduct();
  ASSERT_TRUE(KeyExists(HKEY_CURRENT_USER, std::string(kSelfRegistration) + "\\Library"));
  ASSERT_TRUE(KeyExists(HKEY_CURRENT_USER, std::string(kSelfRegistration) + "\\Server"));
  ASSERT_TRUE(KeyExists(HKEY_CLASSES_ROOT, kTypeLibKey));
  ASSERT_TRUE(Exists(LinkPath()));
  std::string product = engine->product_name;

  TUninstallRun removal = RunUninstaller(AnswerYes);
  ASSERT_TRUE(removal.run.ended);
  EXPECT_EQ(removal.run.exit_code, 0u);
  EXPECT_EQ(removal.texts, (std::vector<std::string>{Said(uninstall_message::kConfirm, product),
                                                      Said(uninstall_message::kRemoved, product)}));

  for (const char* name : {"readme.txt", "tools\\tool.txt", "self_register_ok.dll", "exe_server.exe",
                           "type_library.tlb"}) {
    EXPECT_FALSE(Exists(DestPath(name))) << name;
  }
  EXPECT_FALSE(Exists(temp.Path("dest\\tools")));
  EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, std::string(kSelfRegistration) + "\\Library"));
  EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, std::string(kSelfRegistration) + "\\Server"));
  EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, kTypeLibKey));

  ExpectSharedLibrariesTakenBack();

  EXPECT_FALSE(Exists(LinkPath()));
  EXPECT_FALSE(Exists(temp.Path("menu\\Zarvik Product")));
  EXPECT_TRUE(Exists(temp.Path("menu")));

  EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, settings_key + "\\Settings"));
  EXPECT_EQ(ReadRegString(hkCurrentUser, settings_key + "\\Kept", "Other", ""), "not the product's");
  EXPECT_EQ(ReadRegString(hkCurrentUser, settings_key + "\\Kept", "Path", "gone"), "gone");
  EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, UninstallKey()));

  // The uninstaller goes once it has ended, and its directory with it.
  for (int i = 0; i < 200 && Exists(temp.Path("dest")); ++i) Sleep(50);
  EXPECT_FALSE(Exists(DestPath("uninstall.exe")));
  EXPECT_FALSE(Exists(temp.Path("dest")));
}

// Installed twice, a file of the user's own added, removed once: nothing
// of the product is left, and what is not its own stays.
TEST_F(UninstallerTest, InstalledTwiceRemovedOnceLeavesOnlyWhatIsNotTheProducts) {
  ForceDirectories(temp.Path("dest\\tools"));
  InstallProduct(2);
  WriteWholeFile(DestPath("Docs\\Deep\\notes.txt"), "the user's");
  TUninstallRun removal = RunUninstaller(AnswerYes);
  EXPECT_EQ(removal.run.exit_code, 0u);
  ASSERT_EQ(removal.texts.size(), 2u);
  EXPECT_EQ(removal.texts[1], Said(uninstall_message::kRemoved, engine->product_name));

  for (const char* name : {"readme.txt", "tools\\tool.txt", "Docs\\Deep\\Er\\Still\\doc.txt",
                           "self_register_ok.dll", "exe_server.exe", "type_library.tlb", "Docs\\Deep\\Er"}) {
    EXPECT_FALSE(Exists(DestPath(name))) << name;
  }
  EXPECT_EQ(ReadWholeFile(DestPath("Docs\\Deep\\notes.txt")), "the user's");
  // There before the installation: stays, though empty.
  EXPECT_TRUE(Exists(DestPath("tools")));
  ExpectSharedLibrariesTakenBack();
  EXPECT_FALSE(Exists(LinkPath()));
  EXPECT_FALSE(Exists(temp.Path("menu\\Zarvik Product")));
  EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, settings_key + "\\Settings"));
  // Created with the key below it.
  EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, settings_key + "\\Nested"));
  EXPECT_EQ(ReadRegString(hkCurrentUser, settings_key + "\\Kept", "Other", ""), "not the product's");
  EXPECT_EQ(ReadRegString(hkLocalMachine, kHelpFiles, "UNINSTALLER_TEST.HLP", "gone"), "gone");
  EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, std::string(kSelfRegistration) + "\\Library"));
  EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, UninstallKey()));
  for (int i = 0; i < 200 && Exists(DestPath("uninstall.exe")); ++i) Sleep(50);
  EXPECT_FALSE(Exists(DestPath("uninstall.exe")));
  EXPECT_TRUE(Exists(DestPath("Docs\\Deep\\notes.txt")));
}

// An entry as installations wrote it before: the program unquoted, no list
// of the directories they created. The directories that held a removed file
// go once empty, and the uninstaller's own with it.
TEST_F(UninstallerTest, EntryWrittenBeforeIsRemovedAsBefore) {
  InstallProduct();
  WriteRegString(hkLocalMachine, UninstallKey(), "UninstallString",
                 DestPath("uninstall.exe") + " " + engine->product_name);
  for (const char* list : {"\\Directories", "\\SharedDLLs"}) DeleteRegKeyTree(hkLocalMachine, UninstallKey() + list);
  for (const char* record : {"\\RegistryKey1", "\\RegistryKey2", "\\RegistryKey3"}) {
    TVorlanRegistry registry;
    registry.SetRootKey(HKEY_LOCAL_MACHINE);
    if (registry.OpenKey(UninstallKey() + "\\RegistryKeys" + record, false)) registry.DeleteValue("Created");
  }
  TUninstallRun removal = RunUninstaller(AnswerYes);
  EXPECT_EQ(removal.run.exit_code, 0u);
  for (const char* name : {"readme.txt", "tools", "Docs\\Deep\\Er\\Still", "self_register_ok.dll"}) {
    EXPECT_FALSE(Exists(DestPath(name))) << name;
  }
  // Emptied, but it held no file of the product's.
  EXPECT_TRUE(Exists(DestPath("Docs\\Deep\\Er")));
  EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, settings_key + "\\Nested\\Deeper"));
  EXPECT_TRUE(KeyExists(HKEY_CURRENT_USER, settings_key + "\\Nested"));
  EXPECT_EQ(ReadRegString(hkLocalMachine, kHelpFiles, "UNINSTALLER_TEST.HLP", "gone"), "gone");
  EXPECT_FALSE(Exists(temp.Path("menu\\Zarvik Product")));
  EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, UninstallKey()));
  for (int i = 0; i < 200 && Exists(DestPath("uninstall.exe")); ++i) Sleep(50);
  EXPECT_FALSE(Exists(DestPath("uninstall.exe")));
}

// Tests that answer boxes run at the same time: a box is found only for the
// process it belongs to.
TEST(BoxAnswererTest, FindsOnlyTheBoxesOfTheProcessItWatches) {
  HWND found_for_the_test = reinterpret_cast<HWND>(1);
  testing::TBoxAnswerer user(
      uninstall_message::kCaption,
      [&](const std::string&) {
        found_for_the_test = testing::FindProcessBox(uninstall_message::kCaption, GetCurrentProcessId());
        return std::string("OK");
      },
      testing::TBoxAnswerer::kNoProcess);
  testing::TProgramRun run = testing::RunProgram("\"" + UninstallProgram() + "\"", 60000,
                                                 [&user](DWORD process_id) { user.Watch(process_id); });
  EXPECT_EQ(run.exit_code, 2u);
  EXPECT_EQ(user.Texts(), std::vector<std::string>{uninstall_message::kNoProduct});
  EXPECT_EQ(found_for_the_test, nullptr);
}

TEST_F(UninstallerTest, NoChangesNothing) {
  InstallProduct();
  TUninstallRun declined = RunUninstaller([](const std::string&) { return "&No"; });
  EXPECT_EQ(declined.run.exit_code, 1u);
  EXPECT_EQ(declined.texts, std::vector<std::string>{Said(uninstall_message::kConfirm, engine->product_name)});
  for (const char* name : {"readme.txt", "tools\\tool.txt", "self_register_ok.dll", "uninstall.exe"}) {
    EXPECT_TRUE(Exists(DestPath(name))) << name;
  }
  EXPECT_TRUE(Exists(LinkPath()));
  EXPECT_TRUE(KeyExists(HKEY_CURRENT_USER, std::string(kSelfRegistration) + "\\Library"));
  EXPECT_EQ(ReadRegString(hkCurrentUser, settings_key + "\\Settings", "Path", ""), "Path text");
  EXPECT_EQ(ReadRegInteger(hkLocalMachine, kSharedDLLs, SharedPath("common.dll"), -1), 2);
  EXPECT_EQ(ReadRegString(hkLocalMachine, UninstallKey() + "\\Files", "File1", ""), DestPath("readme.txt"));
}

TEST_F(UninstallerTest, NothingToRemoveIsSaidAndChangesNothing) {
  std::string program = "\"" + UninstallProgram() + "\"";
  std::string missing = "VorlanTest Missing " + ExtractFileName(temp.Dir());
  struct {
    std::string arguments;
    std::string said;
  } const cases[] = {
      {" " + missing, Said(uninstall_message::kNotInstalled, missing)},
      {"", uninstall_message::kNoProduct},
  };
  for (const auto& c : cases) {
    TUninstallRun run = RunUninstaller([](const std::string&) { return "OK"; }, program + c.arguments);
    EXPECT_EQ(run.run.exit_code, 2u) << c.arguments;
    EXPECT_EQ(run.texts, std::vector<std::string>{c.said}) << c.arguments;
  }
  EXPECT_TRUE(Exists(UninstallProgram()));
}

// Wine poses as another Windows for one program by its file name.
class TPosingAs {
 public:
  TPosingAs(const std::string& program, const std::string& windows)
      : key_("\\Software\\Wine\\AppDefaults\\" + program) {
    if (!windows.empty()) WriteRegString(hkCurrentUser, key_, "Version", windows);
  }
  ~TPosingAs() { DeleteRegKeyTree(hkCurrentUser, key_); }
  TPosingAs(const TPosingAs&) = delete;
  TPosingAs& operator=(const TPosingAs&) = delete;

 private:
  std::string key_;
};

// Holds a file open without sharing until it goes.
class TInUse {
 public:
  explicit TInUse(const std::string& path) {
    // Held once the file can no longer be opened. The probe itself may
    // keep the holder from opening it; the holder then ends and starts again.
    for (int i = 0; i < 1200 && !holding_; ++i) {
      if (!Running() && !Start(path)) return;
      Sleep(25);
      TUniqueFileHandle probe(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr));
      holding_ = !probe;
    }
  }
  ~TInUse() {
    if (!process_) return;
    TerminateProcess(process_.Get(), 0);
    WaitForSingleObject(process_.Get(), 5000);
  }
  TInUse(const TInUse&) = delete;
  TInUse& operator=(const TInUse&) = delete;
  bool Holding() const { return holding_; }

 private:
  bool Running() const { return process_ && WaitForSingleObject(process_.Get(), 0) == WAIT_TIMEOUT; }
  bool Start(const std::string& path) {
    std::string command = "\"" + BuiltFile("hold_open.exe") + "\" \"" + path + "\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info)) {
      return false;
    }
    process_.Reset(info.hProcess);
    TUniqueKernelHandle thread(info.hThread);
    return true;
  }

  TUniqueKernelHandle process_;
  bool holding_ = false;
};

std::string PendingRenames() {
  TVorlanRegistry registry;
  registry.SetRootKey(HKEY_LOCAL_MACHINE);
  if (!registry.OpenKey("\\SYSTEM\\CurrentControlSet\\Control\\Session Manager", false)) return {};
  DWORD size = 0;
  if (RegQueryValueExA(registry.CurrentKey(), "PendingFileRenameOperations", nullptr, nullptr, nullptr, &size) !=
      ERROR_SUCCESS) {
    return {};
  }
  std::string data(size, '\0');
  RegQueryValueExA(registry.CurrentKey(), "PendingFileRenameOperations", nullptr, nullptr,
                   reinterpret_cast<BYTE*>(data.data()), &size);
  registry.DeleteValue("PendingFileRenameOperations");
  return data;
}

std::string Wininit() {
  std::string path = AddBackslash(GetWindowsDir()) + "WININIT.INI";
  std::string text = Exists(path) ? ReadWholeFile(path) : std::string();
  DeleteFileA(path.c_str());
  return text;
}

// The NT family deletes at its start what the delayed moves list, the 9x
// family what WININIT.INI names.
TEST_F(UninstallerTest, FileInUseGoesAtTheRestart) {
  for (const char* windows : {"", "win98"}) {
    SCOPED_TRACE(windows);
    std::string name = std::string("in use") + windows + ".txt";
    TInstallFile* readme = MakeFile(std::string("InUse") + windows, name);
    ForceDirectories(temp.Path("dest"));
    WriteWholeFile(DestPath(name), "in use");
    readme->RegisterUninstall(UninstallKey());
    auto* uninstaller = Make<TUninstallEXE>("Uninstaller", directory);
    uninstaller->SetDestName("uninstall.exe");
    CopyFileA(UninstallProgram().c_str(), DestPath("uninstall.exe").c_str(), FALSE);
    uninstaller->RegisterUninstall(UninstallKey());
    TPosingAs posing("uninstall.exe", windows);
    TUninstallRun removal;
    {
      TInUse held(DestPath(name));
      ASSERT_TRUE(held.Holding());
      removal = RunUninstaller(AnswerYes);
    }
    EXPECT_EQ(removal.run.exit_code, 0u);
    ASSERT_EQ(removal.texts.size(), 2u);
    EXPECT_EQ(removal.texts[1], Said(uninstall_message::kRemovedAtRestart, engine->product_name));
    EXPECT_TRUE(Exists(DestPath(name)));
    std::string renames = PendingRenames();
    std::string wininit = Wininit();
    if (*windows) {
      EXPECT_NE(wininit.find("[Rename]\r\nNUL=" + GetShortPath(DestPath(name))), std::string::npos)
          << wininit;
    } else {
      EXPECT_NE(renames.find(DestPath(name)), std::string::npos);
    }
    EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, UninstallKey()));
    delete uninstaller;
    delete readme;
  }
}

TEST_F(UninstallerTest, TypeLibraryNoLongerRegisteredIsNoProblem) {
  InstallServer(MakeServer("Types", "type_library.tlb"), false);
  auto* uninstaller = Make<TUninstallEXE>("Uninstaller", directory);
  uninstaller->SetDestName("uninstall.exe");
  CopyFileA(UninstallProgram().c_str(), DestPath("uninstall.exe").c_str(), FALSE);
  uninstaller->RegisterUninstall(UninstallKey());
  TUninstallRun removal = RunUninstaller(AnswerYes);
  EXPECT_EQ(removal.run.exit_code, 0u);
  EXPECT_FALSE(Exists(DestPath("type_library.tlb")));
  EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, UninstallKey()));
}

TEST_F(UninstallerTest, DamagedRecordKeepsTheEntryForAnotherRun) {
  Install(MakeFile("ReadMe", "readme.txt"));
  WriteRegString(hkLocalMachine, UninstallKey() + "\\ActiveX", "File1", DestPath("readme.txt") + ";7");
  auto* uninstaller = Make<TUninstallEXE>("Uninstaller", directory);
  uninstaller->SetDestName("uninstall.exe");
  CopyFileA(UninstallProgram().c_str(), DestPath("uninstall.exe").c_str(), FALSE);
  uninstaller->RegisterUninstall(UninstallKey());

  TUninstallRun first = RunUninstaller(AnswerYes);
  EXPECT_EQ(first.run.exit_code, 3u);
  ASSERT_EQ(first.texts.size(), 2u);
  EXPECT_NE(first.texts[1].find("could not be removed completely"), std::string::npos) << first.texts[1];
  EXPECT_NE(first.texts[1].find(DestPath("readme.txt") + ";7"), std::string::npos) << first.texts[1];
  EXPECT_FALSE(Exists(DestPath("readme.txt")));
  EXPECT_TRUE(Exists(DestPath("uninstall.exe")));
  EXPECT_TRUE(KeyExists(HKEY_LOCAL_MACHINE, UninstallKey()));

  TUninstallRun second = RunUninstaller(AnswerYes);
  EXPECT_EQ(second.run.exit_code, 0u);
  EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, UninstallKey()));
}

}  // namespace
}  // namespace vorlan
