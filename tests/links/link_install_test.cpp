#include <windows.h>
#include <objbase.h>
#include <shellapi.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <thread>

#include "base/file.h"
#include "links/custom_shell_link_group.h"
#include "links/install_shell_link.h"
#include "links/link_exceptions.h"
#include "link_fixture.h"
#include "objects/install_directory.h"
#include "objects/install_file.h"
#include "objects/uninstall_exe.h"
#include "system/com_ptr.h"
#include "system/system_dirs.h"
#include "system/unique_handle.h"

namespace vorlan {

namespace {

// A shortcut written as on another Windows.
class TPosingShellLink : public TInstallShellLink {
 public:
  using TInstallShellLink::TInstallShellLink;
  TOSVerType os = oswin98;

 protected:
  TOSVerType RunningWindows() const override { return os; }
};

// Notes whether its folder existed when the folder announced itself.
class TListeningShellLink : public TInstallShellLink {
 public:
  using TInstallShellLink::TInstallShellLink;
  void HandleMessage(TInstallContainer* sender, int code, const TReport& report) override {
    if (code == stage::kLinkGroupInstalled) folder_existed = DirectoryExists(GetDestinationPath());
    heard += code == stage::kLinkGroupInstalled ? 1 : 0;
    TInstallShellLink::HandleMessage(sender, code, report);
  }
  int heard = 0;
  bool folder_existed = true;
};

// What the shell reads back from a .LNK.
struct TLinkContent {
  std::string target, arguments, working_dir, icon_file;
  int icon_index = -1;
  WORD hot_key = 0;
};

TLinkContent LoadLink(const std::string& file_name) {
  TComPtr<IShellLinkA> link;
  EXPECT_EQ(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA, link.ReceiveVoid()),
            S_OK);
  TComPtr<IPersistFile> file;
  EXPECT_EQ(link->QueryInterface(IID_IPersistFile, file.ReceiveVoid()), S_OK);
  wchar_t wide[MAX_PATH] = {};
  MultiByteToWideChar(CP_ACP, 0, file_name.c_str(), -1, wide, MAX_PATH);
  EXPECT_EQ(file->Load(wide, STGM_READ), S_OK);
  TLinkContent content;
  char buffer[MAX_PATH] = {};
  link->GetPath(buffer, MAX_PATH, nullptr, SLGP_RAWPATH);
  content.target = buffer;
  link->GetArguments(buffer, MAX_PATH);
  content.arguments = buffer;
  link->GetWorkingDirectory(buffer, MAX_PATH);
  content.working_dir = buffer;
  link->GetIconLocation(buffer, MAX_PATH, &content.icon_index);
  content.icon_file = buffer;
  link->GetHotkey(&content.hot_key);
  return content;
}

std::string ReadUrl(const std::string& file_name) {
  char buffer[1024] = {};
  GetPrivateProfileStringA("InternetShortcut", "URL", "", buffer, sizeof buffer, file_name.c_str());
  return buffer;
}

class LinkInstallTest : public links_test::LinkFixture {
 protected:
  LinkInstallTest() {
    MakeEngine()->SetDestDirType(MakeSpecifier("psApp", temp.Path("app")));
    links = MakeSpecifier("psLinks", temp.Path("links"));
    ForceDirectories(temp.Path("app\\bin"));
    testing::WriteWholeFile(temp.Path("app\\bin\\tool.exe"), "tool");
  }

  template <typename T = TInstallShellLink>
  T* MakeLink(const std::string& name, const std::string& link_name) {
    auto* link = Make<T>(name);
    link->SetDestDirType(links);
    link->SetLinkName(link_name);
    return link;
  }

  std::string LinkPath(const std::string& name) const { return temp.Path("links\\" + name); }
  std::string FilesRecord(const std::string& value) const {
    return ReadRegString(hkLocalMachine, UninstallKey() + "\\Files", value, "");
  }

  TComInitScope com;
  TPathSpecifier* links = nullptr;
};

TEST_F(LinkInstallTest, ShellReadsBackEverySettingOfALinkFile) {
  auto* link = MakeLink("Tool", "Tool");
  link->SetObjectLocation(temp.Path("app\\bin\\tool.exe"));
  link->SetParameters("%i\\data 100%%");
  link->SetHotKey(MAKEWORD('T', HOTKEYF_CONTROL | HOTKEYF_ALT));
  link->SetIconFilePath(temp.Path("app\\icons.dll"));
  link->SetIconIndex(2);
  link->SetMethod(mtShellLinkInterface);
  link->Process();

  EXPECT_TRUE(link->Processed());
  EXPECT_TRUE(link->ComReady());
  TLinkContent content = LoadLink(LinkPath("Tool.LNK"));
  EXPECT_TRUE(SameText(content.target, temp.Path("app\\bin\\tool.exe"))) << content.target;
  EXPECT_EQ(content.arguments, temp.Path("app") + "\\data 100%");
  EXPECT_TRUE(SameText(content.working_dir, temp.Path("app\\bin"))) << content.working_dir;
  EXPECT_EQ(content.hot_key, MAKEWORD('T', HOTKEYF_CONTROL | HOTKEYF_ALT));
  EXPECT_TRUE(SameText(content.icon_file, temp.Path("app\\icons.dll"))) << content.icon_file;
  EXPECT_EQ(content.icon_index, 2);
  EXPECT_EQ(FilesRecord("Entries"), "1");
  EXPECT_EQ(FilesRecord("File1"), LinkPath("Tool.LNK"));
}

TEST_F(LinkInstallTest, LinkToAnInstalledObjectUsesItsPathAndItsOwnWorkingDirectory) {
  auto* directory = Make<TInstallDirectory>("Bin");
  directory->SetContainer(engine);
  directory->SetDestDir("\\bin");
  auto* file = Make<TInstallFile>("ToolFile");
  file->SetContainer(directory);
  file->SetDestName("tool.exe");
  auto* link = Make<TInstallShellLink>("Link");
  link->SetObjectLink(file);
  link->SetDestDirType(links);
  link->SetWorkingDir(temp.Path("work"));
  file->SetProcessed(true);
  link->Process();

  TLinkContent content = LoadLink(LinkPath("tool.lnk"));
  EXPECT_TRUE(SameText(content.target, temp.Path("app\\bin\\tool.exe"))) << content.target;
  EXPECT_EQ(content.working_dir, temp.Path("work"));
  EXPECT_EQ(content.icon_file, "");
}

TEST_F(LinkInstallTest, ShellStartsTheTargetOfALinkFile) {
  auto* link = MakeLink("Run", "Run");
  link->SetObjectLocation(GetSystemDir() + "\\cmd.exe");
  std::string marker = temp.Path("ran.txt");
  link->SetParameters("/c echo ran> \"" + marker + "\"");
  link->Process();
  std::string command = "start.exe /wait \"" + LinkPath("Run.LNK") + "\"";
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process = {};
  ASSERT_TRUE(CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process));
  TUniqueKernelHandle process_handle(process.hProcess), thread_handle(process.hThread);
  ASSERT_EQ(WaitForSingleObject(process.hProcess, 30000), WAIT_OBJECT_0);
  // The shell may hand the link's program on without waiting for it.
  std::string written;
  for (int i = 0; i < 100 && (written = Trim(testing::ReadWholeFile(marker))).empty(); ++i) Sleep(100);
  EXPECT_EQ(written, "ran");
}

TEST_F(LinkInstallTest, HardLinkSettingFollowsTheRunningWindows) {
  auto* link = MakeLink("Tool", "Tool");
  link->SetHardLink(true);
  link->SetObjectLocation(temp.Path("app\\bin\\tool.exe"));
  link->Process();
  TOSVerType os = GetOSVersionType();
  if (os == oswin2K || os == oswinXP) {
    testing::WriteWholeFile(temp.Path("app\\bin\\tool.exe"), "changed through the target");
    EXPECT_EQ(testing::ReadWholeFile(LinkPath("Tool.LNK")), "changed through the target");
  } else {
    EXPECT_TRUE(SameText(LoadLink(LinkPath("Tool.LNK")).target, temp.Path("app\\bin\\tool.exe")));
  }
}

TEST_F(LinkInstallTest, RecordsOfSeveralShortcutsAccumulate) {
  for (const char* name : {"One", "Two"}) {
    auto* link = MakeLink(name, name);
    link->SetObjectLocation(temp.Path("app\\bin\\tool.exe"));
    link->Process();
  }
  EXPECT_EQ(FilesRecord("Entries"), "2");
  EXPECT_EQ(FilesRecord("File1"), LinkPath("One.LNK"));
  EXPECT_EQ(FilesRecord("File2"), LinkPath("Two.LNK"));
}

TEST_F(LinkInstallTest, RecordThatCannotBeWrittenFailsAfterBoundedRetries) {
  auto* link = MakeLink("Tool", "Tool");
  link->SetObjectLocation(temp.Path("app\\bin\\tool.exe"));
  // No registry key name may be this long, so every Files key is refused.
  engine->product_name = std::string(300, 'x');
  EXPECT_THROW(link->RegisterUninstall(UninstallKey()), Exception);
  engine->product_name = "VorlanTest Links " + ExtractFileName(temp.Dir());
}

TEST_F(LinkInstallTest, IntranetAddressBecomesAnInternetShortcut) {
  auto* link = MakeLink("Intranet", "");
  link->SetObjectLocation("http://intranet");
  EXPECT_EQ(link->LinkName(), "intranet.URL");
  link->Process();
  EXPECT_EQ(ReadUrl(LinkPath("intranet.URL")), "http://intranet");
  EXPECT_EQ(FilesRecord("File1"), LinkPath("intranet.URL"));
}

TEST_F(LinkInstallTest, WindowsKindChoosesTheWriting) {
  struct {
    TMethodType method;
    bool hard_link;
    TOSVerType os;
    TLinkWriting writing;
  } cases[] = {
      {mtAutoDetect, true, oswin95, TLinkWriting::lwLinkFile},
      {mtAutoDetect, true, oswinNT, TLinkWriting::lwLinkFile},
      {mtAutoDetect, true, oswin98, TLinkWriting::lwLinkFile},
      {mtAutoDetect, true, oswinME, TLinkWriting::lwLinkFile},
      {mtAutoDetect, true, oswin2K, TLinkWriting::lwHardLink},
      {mtAutoDetect, true, oswinXP, TLinkWriting::lwHardLink},
      {mtAutoDetect, false, oswinXP, TLinkWriting::lwLinkFile},
      {mtAutoDetect, false, osUnidentified, TLinkWriting::lwNone},
      {mtAutoDetect, false, oswinNT351, TLinkWriting::lwNone},
      {mtShellLinkInterface, true, oswin2K, TLinkWriting::lwLinkFile},
      {mtShellLinkInterface, false, osUnidentified, TLinkWriting::lwLinkFile},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(LinkWritingFor(c.method, c.hard_link, c.os), c.writing) << int{c.os} << " " << c.hard_link;
  }
}

TEST_F(LinkInstallTest, HardLinkOnWindows2000SharesTheTargetsData) {
  auto* link = MakeLink<TPosingShellLink>("Hard", "tool.exe");
  link->os = oswin2K;
  link->SetHardLink(true);
  link->SetLinkName("tool.exe");
  EXPECT_EQ(link->LinkName(), "tool.LNK");
  link->SetObjectLocation(temp.Path("app\\bin\\tool.exe"));
  link->Process();
  testing::WriteWholeFile(LinkPath("tool.LNK"), "changed through the link");
  EXPECT_EQ(testing::ReadWholeFile(temp.Path("app\\bin\\tool.exe")), "changed through the link");
}

TEST_F(LinkInstallTest, HardLinkToAMissingFileFails) {
  auto* link = MakeLink<TPosingShellLink>("Hard", "gone");
  link->os = oswinXP;
  link->SetHardLink(true);
  link->SetObjectLocation(temp.Path("app\\missing.exe"));
  try {
    link->Process();
    FAIL() << "a hard link to nothing was made";
  } catch (const IEInstallShellLink& error) {
    EXPECT_STREQ(error.what(), "Could not create hardlink for Hard");
  }
  EXPECT_FALSE(FileExists(LinkPath("gone.LNK")));
}

TEST_F(LinkInstallTest, UnidentifiedWindowsWritesNothingYetProcesses) {
  auto* link = MakeLink<TPosingShellLink>("Tool", "Tool");
  link->os = osUnidentified;
  link->SetObjectLocation(temp.Path("app\\bin\\tool.exe"));
  link->Process();
  EXPECT_TRUE(link->Processed());
  EXPECT_FALSE(FileExists(LinkPath("Tool.LNK")));
}

TEST_F(LinkInstallTest, ShortcutToAnExcludedFileWritesNothing) {
  auto* directory = Make<TInstallDirectory>("Bin");
  auto* file = Make<TInstallFile>("ToolFile");
  file->SetContainer(directory);
  file->SetDestName("tool.exe");
  auto* link = Make<TInstallShellLink>("Link");
  link->SetObjectLink(file);
  link->SetDestDirType(links);
  EXPECT_NO_THROW(link->Process());
  EXPECT_FALSE(FileExists(LinkPath("tool.lnk")));
}

TEST_F(LinkInstallTest, UninstallerShortcutPassesTheProductName) {
  auto* uninstaller = Make<TUninstallEXE>("Uninstaller");
  uninstaller->SetContainer(engine);
  uninstaller->SetDestName("uninstall.exe");
  uninstaller->SetProcessed(true);
  auto* link = Make<TInstallShellLink>("Remove");
  link->SetObjectLink(uninstaller);
  link->SetDestDirType(links);
  link->SetParameters("/quiet %i");
  link->Process();
  EXPECT_EQ(link->Parameters(), engine->product_name);
  EXPECT_EQ(LoadLink(LinkPath("uninstall.lnk")).arguments, engine->product_name);
}

// Started as the shell starts a shortcut from the menu: the program's path,
// blanks and all, reaches it quoted, followed by the product name.
TEST_F(LinkInstallTest, UninstallerShortcutStartsTheProgramByItsQuotedPath) {
  std::string program = temp.Path("Program Files\\Zarvik\\uninstall.exe");
  ForceDirectories(ExtractFileDir(program));
  ASSERT_TRUE(CopyFileA(testing::BuiltFile("links_record_command_line.exe").c_str(), program.c_str(), FALSE));
  auto* uninstaller = Make<TUninstallEXE>("Uninstaller");
  uninstaller->SetContainer(engine);
  uninstaller->SetDestDirType(MakeSpecifier("psZarvik", ExtractFileDir(program)));
  uninstaller->SetDestName("uninstall.exe");
  uninstaller->SetProcessed(true);
  auto* link = Make<TInstallShellLink>("Remove");
  link->SetObjectLink(uninstaller);
  link->SetDestDirType(links);
  link->Process();

  std::string record = temp.Path("command line.txt");
  SetEnvironmentVariableA("VORLAN_RECORD_FILE", record.c_str());
  std::string link_file = LinkPath("uninstall.lnk");
  HINSTANCE started = ShellExecuteA(nullptr, nullptr, link_file.c_str(), nullptr, nullptr, SW_HIDE);
  SetEnvironmentVariableA("VORLAN_RECORD_FILE", nullptr);
  ASSERT_GT(reinterpret_cast<INT_PTR>(started), 32);
  // The shell tells nothing of the process it started; the record appears
  // whole once it has run.
  for (int i = 0; i < 1200 && !FileExists(record); ++i) Sleep(50);
  std::string command_line = testing::ReadWholeFile(record);
  EXPECT_EQ(command_line.substr(0, command_line.find('\n')), "\"" + program + "\" " + engine->product_name);
}

TEST_F(LinkInstallTest, FolderIsCreatedWithItsParentsAndAnnounced) {
  auto* folder = Make<TCustomShellLinkGroup>("Folder");
  folder->SetContainer(engine);
  folder->SetDestDirType(links);
  folder->SetDestDir("\\Product\\Tools");
  auto* inside = MakeLink<TListeningShellLink>("Inside", "Inside");
  inside->SetContainer(folder);
  inside->SetObjectLocation(temp.Path("app\\bin\\tool.exe"));
  // Neither is installed by its container: the requests of the passes do.
  engine->InstallObjects();
  EXPECT_FALSE(FileExists(temp.Path("links\\Product")));
  folder->HandleMessage(engine, stage::kLinkGroupRequest, {});
  EXPECT_TRUE(folder->Processed());
  EXPECT_TRUE(DirectoryExists(temp.Path("links\\Product\\Tools")));
  EXPECT_EQ(inside->heard, 1);
  EXPECT_FALSE(inside->folder_existed);
  EXPECT_FALSE(inside->Processed());
  folder->HandleMessage(engine, stage::kShellLinkRequest, {});
  EXPECT_FALSE(inside->Processed());
  inside->HandleMessage(engine, stage::kShellLinkRequest, {});
  EXPECT_TRUE(FileExists(LinkPath("Product\\Tools\\Inside.LNK")));
}

TEST_F(LinkInstallTest, ShortcutToAFolderCreatesItFirst) {
  auto* folder = Make<TCustomShellLinkGroup>("Folder");
  folder->SetDestDirType(links);
  folder->SetDestDir("\\Group");
  folder->SetProcessed(true);
  auto* link = MakeLink("Open", "Open");
  link->SetObjectLink(folder);
  link->SetDestDirType(MakeSpecifier("psDesk", temp.Path("desk")));
  link->Process();
  EXPECT_TRUE(DirectoryExists(temp.Path("links\\Group")));
  EXPECT_TRUE(SameText(LoadLink(temp.Path("desk\\Folder.lnk")).target, temp.Path("links\\Group")));
}

TEST_F(LinkInstallTest, BadInputFailsWithItsTextAndLeavesNoFile) {
  auto* blank = MakeLink("Blank", " ");
  try {
    blank->Process();
    FAIL() << "a blank name was installed";
  } catch (const IEInstallShellLink& error) {
    EXPECT_STREQ(error.what(), "The LinkName is blank for Blank and therefore could not be installed");
  }

  // The folder lies below a file, so it cannot be created.
  testing::WriteWholeFile(temp.Path("blocker"), "x");
  auto* blocked = Make<TInstallShellLink>("Blocked");
  blocked->SetDestDirType(MakeSpecifier("psBlocked", temp.Path("blocker\\links")));
  blocked->SetLinkName("Tool");
  blocked->SetObjectLocation(temp.Path("app\\bin\\tool.exe"));
  try {
    blocked->Process();
    FAIL() << "a shortcut was written below a file";
  } catch (const IEInstallShellLink& error) {
    std::string message = error.what();
    EXPECT_EQ(message.rfind("The TCustomInstallShellLink Blocked name could not be installed. The following error "
                            "was reported ",
                            0),
              0u)
        << message;
    EXPECT_NE(message.find(". Error code -"), std::string::npos) << message;
  }
  EXPECT_FALSE(FileExists(temp.Path("blocker\\links\\Tool.LNK")));

  auto* orphan = MakeLink("Orphan", "Orphan");
  orphan->SetParameters("%c");
  try {
    orphan->Process();
    FAIL() << "%c expanded without a container";
  } catch (const IEInstallShellLink& error) {
    EXPECT_STREQ(error.what(),
                 "The TCustomInstallShellLink Orphan name could not be installed. The following error was reported "
                 "Cannot expand the %c meta variable because the Container property is Nil");
  }
  EXPECT_FALSE(FileExists(LinkPath("Orphan.LNK")));

  auto* url = Make<TInstallShellLink>("Url");
  url->SetDestDirType(MakeSpecifier("psBlockedUrl", temp.Path("blocker\\urls")));
  url->SetObjectLocation("http://intranet");
  EXPECT_THROW(url->Process(), IEInstallShellLink);
}

TEST_F(LinkInstallTest, UninstallerShortcutNeedsTheEngine) {
  auto* uninstaller = Make<TUninstallEXE>("Uninstaller");
  uninstaller->SetProcessed(true);
  auto* link = MakeLink("Remove", "Remove");
  link->SetObjectLink(uninstaller);
  link->SetDestDirType(links);
  delete engine;
  engine = nullptr;
  try {
    link->InstallObjects();
    FAIL() << "the product name came from nowhere";
  } catch (const IEInstallShellLink& error) {
    EXPECT_STREQ(error.what(), "Remove cannot perform operation because there is no TInstall component");
  }
}

TEST_F(LinkInstallTest, ComIsInitialisedOnceOrTheFailureIsReported) {
  auto* link = MakeLink("Link", "Link");
  link->InitializeCom();
  EXPECT_TRUE(link->ComReady());
  link->InitializeCom();
  CoUninitialize();

  auto* other = MakeLink("Other", "Other");
  std::string message;
  std::thread([&] {
    CoInitializeEx(nullptr, COINIT_MULTITHREADED);
    try {
      other->InitializeCom();
    } catch (const IEInstallShellLink& error) {
      message = error.what();
    }
    CoUninitialize();
  }).join();
  EXPECT_EQ(message, "Could not initialize IShellLink with following error code returned: " +
                         std::to_string(static_cast<int>(RPC_E_CHANGED_MODE)));
  EXPECT_FALSE(other->ComReady());
}

}  // namespace
}  // namespace vorlan
