#include <gtest/gtest.h>

#include <algorithm>

#include "archive/vorlan_compress.h"
#include "archive/remote_file_list.h"
#include "base/exceptions.h"
#include "base/file.h"
#include "build_fixture.h"
#include "engine/build_cancelled.h"
#include "objects/custom_install_file.h"
#include "objects/net_install_location.h"
#include "objects/objects_module.h"
#include "system/file_checksum.h"

namespace vorlan {
namespace {

using engine_test::FileBytes;
using engine_test::MemberNames;
using engine_test::Payload;
using engine_test::RecordAt;
using engine_test::SameBytes;
using engine_test::Slice;

// The archive follows the tree's order of the files, not the definition's.
std::vector<std::string> Sorted(std::vector<std::string> names) {
  std::sort(names.begin(), names.end());
  return names;
}

class TTestNetLocation : public TCustomNetInstallLocation {
 public:
  using TCustomNetInstallLocation::TCustomNetInstallLocation;
  void Download(const std::string&, const std::string&) override {}
};

class BuildDistributablesTest : public engine_test::BuildFixture {
 protected:
  // The engine with these properties and, inside it, one file of the given
  // source for each entry.
  TInstall& LoadProduct(const std::string& properties, const std::vector<std::string>& sources) {
    std::string text = "object MainForm: TMainForm\n  object Install1: TInstall\n    RunAutomatic = False\n" +
                       properties + "  end\n";
    for (size_t i = 0; i < sources.size(); ++i) {
      text += "  object File" + std::to_string(i + 1) + ": TInstallFile\n    Container = Install1\n" +
              "    ArchiveFileType = psContainerArchiveFile\n    IncludeFromDir = '" + ExtractFileDir(sources[i]) +
              "'\n    FileName = '" + ExtractFileName(sources[i]) + "'\n    UniqueID = " + std::to_string(i + 1) +
              "\n  end\n";
    }
    Start();
    ReadDefinitionInto(*form, text + "end\n");
    return *Engine();
  }

  TCustomInstallFile& FileNumber(int n) {
    return *dynamic_cast<TCustomInstallFile*>(form->FindComponent("File" + std::to_string(n)));
  }

  std::string Extracted(const std::string& archive, int32_t offset, const std::string& source) {
    std::string out = Temp("out");
    ForceDirectories(out);
    TVorlanCompress reader(nullptr);
    reader.SetOffset(offset);
    reader.SetCompressedFile(archive);
    reader.SetExtractDirectory(out);
    reader.SetFilesToProcess({source});
    reader.Extract();
    return FileBytes(AddBackslash(out) + ExtractFileName(source));
  }
};

TEST_F(BuildDistributablesTest, TraditionalBuildWithoutFiles) {
  TInstall& engine = LoadProduct("", {});
  engine.BuildDistributables(program, build_dir, true);

  EXPECT_EQ(MemberNames(BuildPath("setup.1")), std::vector<std::string>{program});
  EXPECT_FALSE(FileExists(BuildPath("files.1")));
  std::string setup_archive = FileBytes(BuildPath("setup.1"));
  std::string exe = FileBytes(BuildPath("setup.exe"));
  const size_t loader = std::string(kLoaderBytes).size();
  ASSERT_EQ(exe.size(), loader + setup_archive.size() + 56 + 40);
  EXPECT_EQ(exe.substr(0, loader), kLoaderBytes);
  EXPECT_TRUE(SameBytes(exe.substr(loader, setup_archive.size()), setup_archive));
  SelfExtractInfo info = RecordAt(exe, exe.size() - 96);
  EXPECT_EQ(info.Signature, "SELFEXTRACTING");
  EXPECT_EQ(info.SetupArchiveStart, static_cast<int32_t>(loader));
  EXPECT_EQ(info.SetupArchiveEnd, static_cast<int32_t>(loader + setup_archive.size() - 1));
  EXPECT_EQ(info.FilesArchiveStart, 0);
  EXPECT_EQ(info.FilesArchiveEnd, 0);
  EXPECT_EQ(exe.substr(exe.size() - 40), CalcFileCheckSum(BuildPath("setup.exe"), true));
  // What the loading program reads is the same record.
  EXPECT_EQ(ReadSelfExtractInfo(BuildPath("setup.exe")), info);
}

TEST_F(BuildDistributablesTest, TraditionalBuildWithFiles) {
  std::string licence = Source("licence.rtf", "{\\rtf licence}");
  std::string readme = Source("readme.txt", "read me first");
  std::vector<std::string> sources = {Source("app.exe", Payload(30000, 2)), Source("app.hlp", Payload(5000, 3)),
                                      Source("notes.txt", std::string(40000, 'n'))};
  TInstall& engine = LoadProduct("    PresetupFiles = ('" + licence + "' '   ' '" + readme + "')\n", sources);
  FileNumber(3).SetInclude(false);  // a build takes every file, whatever the install type
  TCustomPathSpecifier* archive_type = engine.ArchiveFileType();
  engine.BuildDistributables(program, build_dir, true);

  EXPECT_EQ(MemberNames(BuildPath("setup.1")), (std::vector<std::string>{program, licence, readme}));
  EXPECT_EQ(Sorted(MemberNames(BuildPath("files.1"))), sources);
  for (int n = 1; n <= 3; ++n) EXPECT_TRUE(FileNumber(n).CompressedInBuild()) << n;
  EXPECT_FALSE(FileNumber(3).Include());
  EXPECT_EQ(engine.ArchiveFileType(), archive_type);
  EXPECT_EQ(engine.ArchiveFile(), "");

  std::string setup_archive = FileBytes(BuildPath("setup.1"));
  std::string files_archive = FileBytes(BuildPath("files.1"));
  std::string exe = FileBytes(BuildPath("setup.exe"));
  const size_t loader = std::string(kLoaderBytes).size();
  ASSERT_EQ(exe.size(), loader + setup_archive.size() + files_archive.size() + 96);
  SelfExtractInfo info = RecordAt(exe, exe.size() - 96);
  EXPECT_EQ(info.Signature, "SELFEXTRACTING");
  EXPECT_TRUE(SameBytes(Slice(exe, info.SetupArchiveStart, info.SetupArchiveEnd), setup_archive));
  EXPECT_TRUE(SameBytes(Slice(exe, info.FilesArchiveStart, info.FilesArchiveEnd), files_archive));
  EXPECT_EQ(info.FilesArchiveStart, info.SetupArchiveEnd + 1);
  EXPECT_EQ(static_cast<size_t>(info.FilesArchiveEnd), exe.size() - 97);
  // The archive inside the executable reads as the one beside it.
  EXPECT_TRUE(SameBytes(Extracted(BuildPath("setup.exe"), info.FilesArchiveStart, sources[0]), FileBytes(sources[0])));
  EXPECT_EQ(Extracted(BuildPath("setup.exe"), info.SetupArchiveStart, readme), "read me first");
}

TEST_F(BuildDistributablesTest, TrailerFollowsTheLoadingProgram) {
  Source("app.exe", "application");
  TInstall& engine = LoadProduct("", {Temp("source\\app.exe")});
  const std::string loader = kLoaderBytes;
  const std::string not_self_extract = std::string("\x0e") + "NOTSELFEXTRACT" + std::string(41, '\0');

  // With the loading program: its bytes, the record and the checksum.
  engine.BuildDistributables(program, build_dir, false);
  std::string exe = FileBytes(BuildPath("setup.exe"));
  ASSERT_EQ(exe.size(), loader.size() + 96);
  EXPECT_EQ(exe.substr(0, loader.size() + 56), loader + not_self_extract);
  EXPECT_EQ(exe.substr(loader.size() + 56), CalcFileCheckSum(BuildPath("setup.exe"), true));
  EXPECT_TRUE(FileExists(BuildPath("setup.1")));
  EXPECT_EQ(MemberNames(BuildPath("files.1")), std::vector<std::string>{Temp("source\\app.exe")});

  // Without it: this program under its own name, with the record only.
  std::string other_build = Temp("plain build");
  engine.SetUseLoadingProgram(false);
  engine.BuildDistributables(program, other_build, false);
  EXPECT_TRUE(SameBytes(FileBytes(other_build + "\\product_setup.exe"), FileBytes(program) + not_self_extract));
  EXPECT_FALSE(FileExists(other_build + "\\setup.exe"));
  EXPECT_FALSE(FileExists(other_build + "\\setup.1"));
  EXPECT_TRUE(FileExists(other_build + "\\files.1"));

  std::string refused = Temp("refused");
  try {
    engine.BuildDistributables(program, refused, true);
    FAIL();
  } catch (const IEInstall& e) {
    EXPECT_STREQ(e.what(),
                 "Cannot build a stand alone executable if the UseLoadingProgram property of the TInstall is set to "
                 "False");
  }
  EXPECT_FALSE(DirectoryExists(refused));
}

TEST_F(BuildDistributablesTest, WebBuildListsItsFiles) {
  std::vector<std::string> sources = {Source("one.dll", Payload(3000, 4)), Source("two.txt", "second file")};
  TInstall& engine = LoadProduct("", sources);
  auto* location = new TTestNetLocation(form.get());
  location->LoginInformation().SetHostname("files.zarvik.example");
  location->LoginInformation().SetDirectory("product");
  engine.SetNetLocation(location);
  // The distribution is an authoring choice.
  engine.SetStateFlag(csDesigning, true);
  engine.SetDistributeType(dtWeb);
  engine.SetStateFlag(csDesigning, false);
  engine.BuildDistributables(program, build_dir, true);

  std::string remote = BuildPath("files.zarvik.example\\product");
  std::vector<TRemoteFileRecord> records =
      ReadRemoteFileList(remote + "\\filelist.lst", [](const std::string& path) {
        return std::make_exception_ptr(Exception("unreadable " + path));
      });
  ASSERT_EQ(records.size(), 2u);
  for (int n = 1; n <= 2; ++n) {
    const TRemoteFileRecord& record = records[n - 1];
    TCustomInstallFile& file = FileNumber(n);
    EXPECT_EQ(record.Name, file.Name());
    EXPECT_EQ(record.SourceSize, static_cast<int32_t>(FileBytes(sources[n - 1]).size()));
    EXPECT_EQ(record.SourceDate, file.SourceDate());
    EXPECT_EQ(record.SourceVersion, file.SourceVersion());
  }
  EXPECT_EQ(FileSizeOf(remote + "\\filelist.lst"), 4 + 2 * 80);
  EXPECT_EQ(Sorted(MemberNames(remote + "\\Install1.1")), sources);
  EXPECT_FALSE(FileExists(BuildPath("files.1")));
  SelfExtractInfo info = ReadSelfExtractInfo(BuildPath("setup.exe"));
  EXPECT_EQ(info.FilesArchiveStart, 0);
  EXPECT_EQ(FileSizeOf(BuildPath("setup.exe")),
            std::string(kLoaderBytes).size() + FileBytes(BuildPath("setup.1")).size() + 96);
}

TEST_F(BuildDistributablesTest, NetFilesGoWhereTheDistributionSends) {
  std::vector<std::string> sources = {Source("net.dll", Payload(2000, 5)), Source("local.txt", "stays local")};
  std::string remote = BuildPath("files.zarvik.example\\HTTP Root directory");

  // A traditional build keeps every file local, with no location needed.
  LoadProduct("", sources);
  FileNumber(1).SetNet(true);
  Engine()->BuildDistributables(program, build_dir, true);
  EXPECT_EQ(Sorted(MemberNames(BuildPath("files.1"))), Sorted(sources));
  EXPECT_FALSE(DirectoryExists(BuildPath("files.zarvik.example")));

  // Mixed: the net file goes to the remote archive, the other one stays.
  TInstall& engine = LoadProduct("", sources);
  FileNumber(1).SetNet(true);
  auto* location = new TTestNetLocation(form.get());
  location->LoginInformation().SetHostname("files.zarvik.example");
  engine.SetNetLocation(location);
  engine.SetStateFlag(csDesigning, true);
  engine.SetDistributeType(dtTraditionalNet);
  engine.SetStateFlag(csDesigning, false);
  engine.BuildDistributables(program, build_dir, true);
  EXPECT_EQ(MemberNames(remote + "\\Install1.1"), std::vector<std::string>{sources[0]});
  EXPECT_EQ(MemberNames(BuildPath("files.1")), std::vector<std::string>{sources[1]});
  EXPECT_EQ(FileSizeOf(remote + "\\filelist.lst"), 4 + 2 * 80);
  SelfExtractInfo info = ReadSelfExtractInfo(BuildPath("setup.exe"));
  EXPECT_TRUE(SameBytes(Slice(FileBytes(BuildPath("setup.exe")), info.FilesArchiveStart, info.FilesArchiveEnd),
                        FileBytes(BuildPath("files.1"))));
}

TEST_F(BuildDistributablesTest, FailuresNameWhatIsMissing) {
  std::string bare = Temp("bare");
  ForceDirectories(bare);
  struct {
    std::string program;
    std::string framework;
    std::string message;
  } const cases[] = {
      {"  ", framework_dir, "Cannot create setup file. Executable is blank"},
      {Temp("nowhere.exe"), framework_dir, "TInstall: Cannot find the executable file " + Temp("nowhere.exe")},
      {program, Temp("no framework"),
       "The HKEY_LOCAL_MACHINE | \\Software\\Tevrin\\Q32V52 key in the registry is either missing or points to an "
       "invalid Kavix directory"},
  };
  TInstall& engine = LoadProduct("", {});
  for (const auto& c : cases) {
    testing::TFrameworkRegistration framework(c.framework);
    try {
      engine.BuildDistributables(c.program, build_dir, true);
      ADD_FAILURE() << c.message;
    } catch (const IEInstall& e) {
      EXPECT_EQ(e.what(), c.message);
    }
    EXPECT_FALSE(FileExists(BuildPath("setup.exe"))) << c.message;
  }

  DeleteFileAt(AddBackslash(framework_dir) + "VorlanLoadProgram.exe");
  try {
    engine.BuildDistributables(program, build_dir, true);
    FAIL();
  } catch (const IEInstall& e) {
    EXPECT_EQ(e.what(), "The loader program " + framework_dir + "\\VorlanLoadProgram.exe was not found");
  }
}

TEST_F(BuildDistributablesTest, ReadOnlyTargetsAreNotReplaced) {
  TInstall& engine = LoadProduct("", {});
  std::string loader = framework_dir + "\\VorlanLoadProgram.exe";
  struct {
    bool use_loading_program;
    std::string target;
    std::string message;
  } const cases[] = {
      {true, BuildPath("setup.exe"),
       "Cannot copy the loading program from " + loader + " to " + BuildPath("setup.exe")},
      {false, BuildPath("product_setup.exe"),
       "Cannot copy the installation application from " + program + " to " + BuildPath("product_setup.exe")},
  };
  for (const auto& c : cases) {
    engine.SetUseLoadingProgram(c.use_loading_program);
    ForceDirectories(build_dir);
    testing::WriteWholeFile(c.target, "kept");
    SetFileAttributesAt(c.target, kAttrReadOnly);
    try {
      engine.BuildDistributables(program, build_dir, false);
      ADD_FAILURE() << c.message;
    } catch (const IEInstall& e) {
      EXPECT_EQ(e.what(), c.message);
    }
    EXPECT_EQ(FileBytes(c.target), "kept");
    SetFileAttributesAt(c.target, kAttrNormal);
  }
}

TEST_F(BuildDistributablesTest, CancelledBuildStopsAtItsNextCopy) {
  TInstall& engine = LoadProduct("", {});
  SetBuildCancelled(true);
  EXPECT_THROW(engine.BuildDistributables(program, build_dir, true), EUserAbortInstall);
  EXPECT_FALSE(FileExists(BuildPath("setup.exe")));
  SetBuildCancelled(false);
  engine.BuildDistributables(program, build_dir, true);
  EXPECT_TRUE(FileExists(BuildPath("setup.exe")));
}

TEST_F(BuildDistributablesTest, AuthoringToolHearsEachStep) {
  TInstall& engine = LoadProduct("", {Source("app.exe", "application")});
  std::vector<std::string> heard;
  TBuildNotifications& notify = engine.BuildNotifications();
  auto step = [&heard](const char* name) { return [&heard, name](TCustomInstall&) { heard.push_back(name); }; };
  notify.before_setup_archive = step("before setup.1");
  notify.after_setup_archive = step("after setup.1");
  notify.before_program_copy = step("before copy");
  notify.after_program_copy = step("after copy");
  notify.after_loader_files = step("loader files");
  notify.after_product_archives = step("product archives");
  notify.before_stand_alone = step("before stand-alone");
  notify.after_stand_alone = step("after stand-alone");
  notify.after_setup_archive = [&](TCustomInstall&) {
    heard.push_back("after setup.1");
    EXPECT_TRUE(FileExists(BuildPath("setup.1")));
  };
  engine.BuildDistributables(program, build_dir, true);
  EXPECT_EQ(heard, (std::vector<std::string>{"before setup.1", "after setup.1", "loader files", "product archives",
                                             "before stand-alone", "after stand-alone"}));
  heard.clear();
  engine.SetUseLoadingProgram(false);
  engine.BuildDistributables(program, build_dir, false);
  EXPECT_EQ(heard, (std::vector<std::string>{"before copy", "after copy", "loader files", "product archives"}));
}

}  // namespace
}  // namespace vorlan
