// Floppies for real: drive A: of the test's prefix is a small tmpfs. The
// answers to the disk prompts play the user: the full disk's files go to a
// shelf, one folder per disk, and the drive is empty for the next disk (or
// holds disk 1 again when that is asked for), so the test can replay the
// disks afterwards.

#include <windows.h>

#include <gtest/gtest.h>

#include <set>

#include "archive/vorlan_compress.h"
#include "base/exceptions.h"
#include "base/file.h"
#include "box_answerer.h"
#include "engine/build_cancelled.h"
#include "build_fixture.h"
#include "objects/install_file.h"
#include "objects/install_types.h"
#include "paths/path_specifier.h"
#include "system/registry_routines.h"
#include "system/unique_handle.h"

namespace vorlan {
namespace {

using engine_test::FileBytes;
using engine_test::Payload;
using engine_test::SameBytes;

constexpr const char* kDrive = "A:\\";

std::set<std::string> Names(const std::string& dir) {
  std::set<std::string> names;
  WIN32_FIND_DATAA found;
  TUniqueFindHandle find(FindFirstFileA((AddBackslash(dir) + "*").c_str(), &found));
  for (bool more = find.Valid(); more; more = FindNextFileA(find.Get(), &found)) {
    std::string name = found.cFileName;
    if (name != "." && name != "..") names.insert(name);
  }
  return names;
}

void MoveAll(const std::string& from, const std::string& to) {
  ForceDirectories(to);
  for (const std::string& name : Names(from)) {
    std::string source = AddBackslash(from) + name;
    EXPECT_TRUE(CopyFileA(source.c_str(), (AddBackslash(to) + name).c_str(), FALSE)) << source;
    EXPECT_TRUE(DeleteFileA(source.c_str())) << source;
  }
}

class FloppyTransferTest : public engine_test::BuildFixture {
 protected:
  void SetUp() override {
    if (!DirectoryExists(kDrive)) GTEST_SKIP() << "no floppy disk: the test run mounts a tmpfs as A:, which needs root";
    EmptyDrive();
  }
  void TearDown() override {
    if (DirectoryExists(kDrive)) EmptyDrive();
  }

  void EmptyDrive() {
    for (const std::string& name : Names(kDrive)) {
      std::string path = kDrive + name;
      if (DirectoryExists(path)) {
        for (const std::string& inner : Names(path)) DeleteFileA((AddBackslash(path) + inner).c_str());
        RemoveDirectoryA(path.c_str());
      } else {
        DeleteFileA(path.c_str());
      }
    }
  }
  std::string Shelf(int disk) const { return Temp("shelf\\disk" + std::to_string(disk)); }
  void TakeOut(int disk) { MoveAll(kDrive, Shelf(disk)); }
  void PutIn(int disk) {
    for (const std::string& name : Names(Shelf(disk))) {
      EXPECT_TRUE(CopyFileA((AddBackslash(Shelf(disk)) + name).c_str(), (kDrive + name).c_str(), FALSE));
    }
  }

  // A stand-alone setup of these files in the build directory.
  void BuildStandAlone(const std::vector<std::string>& sources) {
    std::string text = "object MainForm: TMainForm\n  object Install1: TInstall\n    RunAutomatic = False\n  end\n";
    for (size_t i = 0; i < sources.size(); ++i) {
      text += "  object File" + std::to_string(i + 1) + ": TInstallFile\n    Container = Install1\n" +
              "    ArchiveFileType = psContainerArchiveFile\n    IncludeFromDir = '" + ExtractFileDir(sources[i]) +
              "'\n    FileName = '" + ExtractFileName(sources[i]) + "'\n    UniqueID = " + std::to_string(i + 1) +
              "\n  end\n";
    }
    Start();
    ReadDefinitionInto(*form, text + "end\n");
    Engine()->BuildDistributables(program, build_dir, true);
  }

  // Started by that setup with -f; answers the texts of the errors it
  // showed, a line each.
  std::string Transfer() {
    testing::TBoxAnswerer errors("Error", testing::TBoxAnswerer::Always("OK"));
    Load("    RunAutomatic = False\n", {"-f", "-esetup.exe", "-s" + build_dir, "*TODISK"});
    return Lines(errors.Texts());
  }

  static std::string Lines(const std::vector<std::string>& texts) {
    std::string lines;
    for (const std::string& text : texts) lines += text + "\n";
    return lines;
  }

  std::vector<std::string> Sources(int count) {
    std::vector<std::string> sources;
    for (int i = 0; i < count; ++i) {
      sources.push_back(Source("part" + std::to_string(i) + ".bin", Payload(150 * 1024, 10 + i)));
    }
    return sources;
  }
};

int AskedDisk(const std::string& text) { return std::stoi(text.substr(text.rfind(' ') + 1)); }

TEST_F(FloppyTransferTest, SetupGoesOntoAsManyDisksAsItNeeds) {
  std::vector<std::string> sources = Sources(4);
  BuildStandAlone(sources);
  std::vector<std::string> asked;
  std::string shown;
  {
    int in_drive = 1;
    testing::TBoxAnswerer user("Confirm", [&](const std::string& text) {
      TakeOut(in_drive);
      in_drive = AskedDisk(text);
      if (in_drive == 1) PutIn(1);
      return std::string("OK");
    });
    shown = Transfer();
    asked = user.Texts();
  }
  EXPECT_EQ(shown, "");
  EXPECT_TRUE(application->Terminated());
  EXPECT_EQ(application->ExitCode(), 0);
  // 600 KiB of files on 256 KiB disks; the directory goes back onto disk 1.
  ASSERT_EQ(asked, (std::vector<std::string>{"Please insert disk 2", "Please insert disk 3", "Please insert disk 1"}));
  TakeOut(1);
  EXPECT_EQ(Names(Shelf(1)), (std::set<std::string>{"files.1", "setup.1", "setup.exe"}));
  EXPECT_EQ(Names(Shelf(2)), std::set<std::string>{"files.2"});
  EXPECT_EQ(Names(Shelf(3)), std::set<std::string>{"files.3"});

  SelfExtractInfo built = ReadSelfExtractInfo(BuildPath("setup.exe"));
  std::string setup_exe = FileBytes(Shelf(1) + "\\setup.exe");
  EXPECT_EQ(setup_exe.substr(0, built.SetupArchiveStart), kLoaderBytes);
  EXPECT_EQ(engine_test::RecordAt(setup_exe, built.SetupArchiveStart).Signature, "NOTSELFEXTRACT");
  EXPECT_EQ(setup_exe.size(), static_cast<size_t>(built.SetupArchiveStart) + 56);
  EXPECT_TRUE(SameBytes(FileBytes(Shelf(1) + "\\setup.1"), FileBytes(BuildPath("setup.1"))));

  // Installing from the disks.
  PutIn(1);
  std::string out = Temp("out");
  TVorlanCompress reader(nullptr);
  reader.SetCompressedFile(std::string(kDrive) + "files.1");
  reader.SetExtractDirectory(out);
  std::vector<int> inserted;
  reader.SetOnNewDisk([&](TVorlanCompress&, int disk, std::string&) {
    inserted.push_back(disk);
    EmptyDrive();
    PutIn(disk);
  });
  reader.SetFilesToProcess(sources);
  reader.Extract();
  // Each member is read from the disk it starts on.
  EXPECT_EQ(std::set<int>(inserted.begin(), inserted.end()), (std::set<int>{1, 2, 3}));
  for (const std::string& source : sources) {
    EXPECT_TRUE(SameBytes(FileBytes(out + "\\" + ExtractFileName(source)), FileBytes(source))) << source;
  }
}

TEST_F(FloppyTransferTest, CancelledPromptLeavesTheDisksWritten) {
  BuildStandAlone(Sources(3));
  std::vector<std::string> asked;
  std::string shown;
  {
    testing::TBoxAnswerer user("Confirm", testing::TBoxAnswerer::Always("Cancel"));
    shown = Transfer();
    asked = user.Texts();
  }
  EXPECT_EQ(asked, std::vector<std::string>{"Please insert disk 2"});
  EXPECT_EQ(shown, "Aborted by user\n");
  EXPECT_EQ(application->ExitCode(), 1);
  EXPECT_EQ(Names(kDrive), (std::set<std::string>{"files.1", "setup.1", "setup.exe"}));
}

TEST_F(FloppyTransferTest, AuthoringToolFollowsAndStopsTheTransfer) {
  BuildStandAlone(Sources(3));
  int reports = 0;
  std::vector<std::string> asked;
  std::string shown;
  {
    testing::TBoxAnswerer errors("Error", testing::TBoxAnswerer::Always("OK"));
    Load("    RunAutomatic = False\n", {"-esetup.exe", "-s" + build_dir});
    Engine()->BuildNotifications().floppy_progress = [&](TCustomInstall&, const TlzhFileStats& stats) {
      EXPECT_GT(stats.BytesDone, 0);
      if (++reports == 3) SetBuildCancelled(true);
    };
    testing::TBoxAnswerer user("Confirm", testing::TBoxAnswerer::Always("OK"));
    Engine()->TransferToFloppies("a:");
    asked = user.Texts();
    shown = Lines(errors.Texts());
  }
  SetBuildCancelled(false);
  EXPECT_EQ(shown, "Creating Install Aborted!\n");
  EXPECT_EQ(reports, 3);
  EXPECT_TRUE(asked.empty());
  EXPECT_EQ(Names(kDrive), (std::set<std::string>{"files.1", "setup.1", "setup.exe"}));

  // Cancelled before it starts, the transfer copies nothing into setup.exe.
  EmptyDrive();
  SetBuildCancelled(true);
  EXPECT_EQ(Transfer(), "Creating Install Aborted!\n");
  SetBuildCancelled(false);
  EXPECT_EQ(Names(kDrive), (std::set<std::string>{"setup.exe"}));
}

TEST_F(FloppyTransferTest, SetupWithoutEmbeddedFilesNeedsOneDisk) {
  BuildStandAlone({});
  EXPECT_EQ(Transfer(), "");
  EXPECT_EQ(Names(kDrive), (std::set<std::string>{"setup.1", "setup.exe"}));
  EXPECT_TRUE(SameBytes(FileBytes(std::string(kDrive) + "setup.1"), FileBytes(BuildPath("setup.1"))));
}

TEST_F(FloppyTransferTest, OnlyASelfExtractingSetupIsTransferred) {
  BuildStandAlone(Sources(1));
  const std::string exe = FileBytes(BuildPath("setup.exe"));
  const SelfExtractInfo good = ReadSelfExtractInfo(BuildPath("setup.exe"));
  const int32_t trailer = static_cast<int32_t>(exe.size()) - 96;
  struct {
    const char* what;
    SelfExtractInfo record;
  } const cases[] = {
      {"not self-extracting", {"NOTSELFEXTRACT", 0, 0, 0, 0}},
      {"setup archive into the trailer", {"SELFEXTRACTING", good.SetupArchiveStart, trailer, 0, 0}},
      {"setup archive ending before it starts",
       {"SELFEXTRACTING", good.SetupArchiveStart, good.SetupArchiveStart - 1, 0, 0}},
      {"main archive inside the setup archive",
       {"SELFEXTRACTING", good.SetupArchiveStart, good.SetupArchiveEnd, good.SetupArchiveEnd, good.FilesArchiveEnd}},
      {"main archive into the trailer",
       {"SELFEXTRACTING", good.SetupArchiveStart, good.SetupArchiveEnd, good.FilesArchiveStart, trailer}},
  };
  for (const auto& c : cases) {
    TSelfExtractInfoBytes record = EncodeSelfExtractInfo(c.record);
    testing::WriteWholeFile(BuildPath("setup.exe"), exe.substr(0, trailer) +
                                                        std::string(record.begin(), record.end()) +
                                                        exe.substr(trailer + 56));
    EXPECT_EQ(Transfer(), "Cannot transfer " + BuildPath("setup.exe") +
                              " to floppies: it is not a self-extracting setup executable\n")
        << c.what;
    EXPECT_TRUE(Names(kDrive).empty()) << c.what;
  }
}

TEST_F(FloppyTransferTest, BuildOntoAFullDisk) {
  struct {
    size_t program_size;
    std::string message;
  } const cases[] = {
      {400 * 1024,
       "The disk that you have specified has been determined to be either too full or is corrupt while trying to "
       "copy the SETUP.1 archive file. You should probably clear all files off of the drive. Minimally, you should "
       "leave enough space on the drive for the SETUP.1 archive file."},
      // setup.1 fits, but not a second time inside setup.exe.
      {150 * 1024, "Cannot create the self-extracting exe because A:\\build\\setup.1 could not be loaded onto "
                   "A:\\build\\setup.exe"},
  };
  Start();
  ReadDefinitionInto(*form, "object MainForm: TMainForm\n  object Install1: TInstall\n    RunAutomatic = False\n"
                            "  end\nend\n");
  for (const auto& c : cases) {
    EmptyDrive();
    testing::WriteWholeFile(program, Payload(c.program_size, 7));
    try {
      Engine()->BuildDistributables(program, "A:\\build", true);
      ADD_FAILURE() << c.program_size;
    } catch (const IEInstall& e) {
      EXPECT_EQ(e.what(), c.message);
    }
  }
}

// The user installs from the disks: disk 1 is in the drive, its setup
// program runs from there and asks for each further disk as a file on it is
// reached.
TEST_F(FloppyTransferTest, InstallationFromTheDisksAsksForEachNextDisk) {
  std::vector<std::string> sources = Sources(4);
  BuildStandAlone(sources);
  {
    int in_drive = 1;
    testing::TBoxAnswerer user("Confirm", [&](const std::string& text) {
      TakeOut(in_drive);
      in_drive = AskedDisk(text);
      if (in_drive == 1) PutIn(1);
      return std::string("OK");
    });
    ASSERT_EQ(Transfer(), "");
  }
  TakeOut(1);
  PutIn(1);

  std::string product = "VorlanFloppyTest " + ExtractFileName(temp_.Dir());
  std::string dest_dir = Temp("installed");
  std::vector<std::string> asked;
  {
    int in_drive = 1;
    testing::TBoxAnswerer user("Information", [&](const std::string& text) {
      int disk = std::stoi(text.substr(text.rfind('#') + 1));
      if (disk != in_drive) {
        EmptyDrive();
        PutIn(disk);
        in_drive = disk;
      }
      return std::string("OK");
    });
    testing::TBoxAnswerer errors("Error", testing::TBoxAnswerer::Always("OK"));
    Load("    RunAutomatic = False\n", {"-sA:"});
    Engine()->Information().SetProductName(product);
    auto* dest = new TPathSpecifier(form.get());
    dest->SetName("psInstalled");
    dest->OnGetPath().Assign([dest_dir](TInstallContainer*, std::string& out) { out = dest_dir; });
    for (size_t i = 0; i < sources.size(); ++i) {
      auto* file = new TInstallFile(form.get());
      file->SetName("File" + std::to_string(i + 1));
      file->SetContainer(Engine());
      file->SetUniqueID(static_cast<int>(i + 1));
      file->SetIncludeFromDir(ExtractFileDir(sources[i]));
      file->SetFileName(ExtractFileName(sources[i]));
      file->SetDestDirType(dest);
    }
    Engine()->Process();
    EXPECT_EQ(Lines(errors.Texts()), "");
    asked = user.Texts();
  }
  std::string record;
  if (Engine()->FindInstallRecord(false, record)) DeleteRegKeyTree(hkLocalMachine, record);
  DeleteRegKeyTree(hkLocalMachine, kUninstallKeyPrefix + product);

  EXPECT_FALSE(asked.empty());
  for (const std::string& text : asked) EXPECT_EQ(text.rfind("Please insert disk #", 0), 0u) << text;
  for (const std::string& source : sources) {
    EXPECT_TRUE(SameBytes(FileBytes(dest_dir + "\\" + ExtractFileName(source)), FileBytes(source))) << source;
  }
}

}  // namespace
}  // namespace vorlan
