#include <gtest/gtest.h>

#include "archive/vorlan_compress.h"
#include "container_test_classes.h"
#include "objects/install_directory.h"
#include "objects/install_group.h"
#include "objects/parameters.h"
#include "tree_fixture.h"

namespace vorlan {
namespace {

using namespace tree_test;

class FileContainerTest : public TreeFixture {
 protected:
  TTestInstallFile* MakeFile(const std::string& name, TInstallContainer* container, int32_t size) {
    auto* file = Make<TTestInstallFile>(name, container);
    file->SetSizes(size, size / 2);
    return file;
  }
};

TEST_F(FileContainerTest, SizesCountWhatWillInstall) {
  auto* dir = Make<TInstallDirectory>("Dir");
  MakeFile("A", dir, 100);
  MakeFile("Skipped", dir, 1000)->SetInclude(false);
  auto* inner = Make<TInstallDirectory>("Inner", dir);
  MakeFile("B", inner, 300);
  EXPECT_EQ(dir->OwnFilesSize(false), 100);
  EXPECT_EQ(dir->OwnFilesSize(true), 1100);
  EXPECT_EQ(dir->TotalFilesSize(false), 400);
  EXPECT_EQ(dir->TotalFilesSize(true), 1400);
  EXPECT_EQ(dir->ArchiveSizeOfFiles(false), 200);
  EXPECT_EQ(dir->FileCount(), 2);
  EXPECT_EQ(dir->FileContainerCount(), 1);
}

TEST_F(FileContainerTest, PercentagesAreOfEachLevelsOwnOperation) {
  auto* engine = Make<TTestEngine>("Engine");
  auto* dir = Make<TInstallDirectory>("Dir", engine);
  MakeFile("Small", dir, 100);
  MakeFile("Large", dir, 300);
  MakeFile("Other", engine, 400);
  std::vector<int> at_dir, at_engine;
  dir->OnStatus().Assign([&](TCustomInstallFile*, int, int total) { at_dir.push_back(total); });
  engine->OnStatus().Assign([&](TCustomInstallFile*, int, int total) { at_engine.push_back(total); });
  engine->InstallObjects();
  EXPECT_EQ(at_dir, (std::vector<int>{75, 100}));
  EXPECT_EQ(at_engine, (std::vector<int>{38, 50, 100}));
  EXPECT_EQ(dir->State(), ifsNone);
}

TEST_F(FileContainerTest, EmptyOperationReportsZeroPercent) {
  auto* dir = Make<TInstallDirectory>("Dir");
  MakeFile("Empty", dir, 0);
  std::vector<int> totals;
  dir->OnStatus().Assign([&](TCustomInstallFile*, int, int total) { totals.push_back(total); });
  dir->InstallObjects();
  EXPECT_EQ(totals, std::vector<int>{0});
}

TEST_F(FileContainerTest, IdleContainerNeitherHandlesNorPassesReports) {
  auto* engine = Make<TTestEngine>("Engine");
  auto* dir = Make<TInstallDirectory>("Dir", engine);
  auto* file = MakeFile("File", dir, 10);
  bool heard = false;
  dir->OnStatus().Assign([&](TCustomInstallFile*, int, int) { heard = true; });
  engine->OnStatus().Assign([&](TCustomInstallFile*, int, int) { heard = true; });
  dir->DoInformationEventControl(file, info_code::kFileFinished, {.file = file});
  dir->DoInformationEventControl(file, info_code::kFileFinished, {});  // not even checked
  EXPECT_FALSE(heard);
}

// A report that lacks what its code needs.
struct TBadReport {
  int code;
  int parameter;  // 0 nothing, 1 a message only, 2 the file only
  const char* message;
};

class BadReportTest : public FileContainerTest, public ::testing::WithParamInterface<TBadReport> {};

TEST_P(BadReportTest, IsRefusedWithItsText) {
  auto* dir = Make<TInstallDirectory>("Dir");
  auto* file = MakeFile("File", dir, 10);
  TMessageParameter message("x");
  const TReport reports[] = {{}, {.message = &message}, {.file = file}};
  std::string error;
  dir->OnBeforeInstallObjects().Assign([&](TInstallContainer*) {
    try {
      dir->DoInformationEventControl(file, GetParam().code, reports[GetParam().parameter]);
    } catch (const IEFileContainer& e) {
      error = e.what();
    }
  });
  dir->InstallObjects();
  EXPECT_EQ(error, GetParam().message);
}

INSTANTIATE_TEST_SUITE_P(
    Table, BadReportTest,
    ::testing::Values(TBadReport{1001, 0, "Dir got a nil PO parameter"},
                      TBadReport{1003, 1, "DoInformationEventControl parameter is not TInstallFile"},
                      TBadReport{1010, 1, "DoInformationEventControl says bad first parameter"},
                      TBadReport{1008, 2, "DoInformationEventControl says bad second parameter"},
                      TBadReport{1011, 1, "DoInformationEventControl says bad 1 parameter"},
                      TBadReport{1011, 2, "DoInformationEventControl says bad 2 parameter"},
                      TBadReport{1014, 1, "The PO object passed to Dir is not a TDownloadStatusParameter object"},
                      TBadReport{1016, 1, "DoInformationEventControl says bad first parameter"}));

TEST_F(FileContainerTest, NewDiskHandlerSuppliesThePath) {
  auto* dir = Make<TInstallDirectory>("Dir");
  auto* file = MakeFile("File", dir, 10);
  dir->OnNewDisk().Assign([](TCustomInstallFile*, int disk, std::string& path) {
    path = "D:\\Disk" + std::to_string(disk);
  });
  Make<TTestLink>("Manager", dir)->SetAutoProcess(false);
  file->SetTag(42);  // the author's, untouched by the report
  TDiskParameter disk;
  disk.NewDisk = 2;
  disk.Path = "A:";
  dir->OnBeforeInstallObjects().Assign([&](TInstallContainer*) {
    dir->DoInformationEventControl(file, info_code::kNextDisk, {.file = file, .disk = &disk});
  });
  dir->InstallObjects();
  EXPECT_EQ(disk.Path, "D:\\Disk2");
  EXPECT_TRUE(disk.Served);
  EXPECT_EQ(file->Tag(), 42);
  EXPECT_NE(std::find(Log().begin(), Log().end(), "Manager heard -993"), Log().end());
}

TEST_F(FileContainerTest, InstallObjectsAnnouncesItsStartAndEnd) {
  auto* dir = Make<TInstallDirectory>("Dir");
  MakeFile("File", dir, 10);
  Make<TTestLink>("Manager", dir)->SetAutoProcess(false);
  bool was_aborted = true;
  dir->OnAfterInstallObjects().Assign([&](TInstallContainer*, bool aborted) { was_aborted = aborted; });
  dir->InstallObjects();
  EXPECT_FALSE(was_aborted);
  EXPECT_EQ(Log(), (std::vector<std::string>{"archive info File", "Manager heard -992", "Manager heard -998",
                                             "Manager heard -996"}));
  EXPECT_TRUE(dir->ArchiveInfoRead());
}

TEST_F(FileContainerTest, FailedInstallStillEndsTheOperation) {
  auto* dir = Make<TInstallDirectory>("Dir");
  MakeFile("File", dir, 10);
  MainArchive().SetAbort(true);
  bool was_aborted = false;
  dir->OnBeforeInstallObjects().Assign([](TInstallContainer*) { throw IEInstall("broken"); });
  dir->OnAfterInstallObjects().Assign([&](TInstallContainer*, bool aborted) { was_aborted = aborted; });
  EXPECT_THROW(dir->InstallObjects(), IEInstall);
  EXPECT_TRUE(was_aborted);
  EXPECT_EQ(dir->State(), ifsNone);
}

TEST_F(FileContainerTest, GroupBelongsToTheEngineOrAnotherGroup) {
  auto* engine = Make<TTestEngine>("Engine");
  auto* group = Make<TInstallGroup>("Group");
  group->SetContainer(nullptr);
  EXPECT_EQ(group->Container(), engine);
  auto* inner = Make<TInstallGroup>("Inner", group);
  EXPECT_EQ(inner->Container(), group);
  auto* dir = Make<TInstallDirectory>("Dir", engine);
  try {
    group->SetContainer(dir);
    FAIL();
  } catch (const IEInstallGroup& e) {
    EXPECT_STREQ(e.what(),
                 "A TInstallGroup component can only be contained by a TInstall, or another TInstallGroup component");
  }
  EXPECT_EQ(group->Container(), dir);
}

TEST_F(FileContainerTest, NewDirectoryWhileAuthoringIsNumbered) {
  form.SetStateFlag(csDesigning, true);
  Make<TTestEngine>("Engine");
  Make<TInstallDirectory>("First");
  EXPECT_EQ(Make<TInstallDirectory>("Second")->Description(), "Install Directory 3");
}

TEST_F(FileContainerTest, CompressBuildsExcludedChildrenOnlyWhenAskedAndRestoresThem) {
  auto* engine = Make<TTestEngine>("Engine");
  engine->SetArchiveFile("C:\\build\\files.1");
  auto* group = Make<TInstallGroup>("Group", engine);
  auto* file = MakeFile("File", group, 10);
  file->SetInclude(false);
  const std::string appended = "compress File into C:\\build\\files.1 appending";
  group->Compress(SetBit(coForceNetFilesLocal));
  EXPECT_EQ(std::find(Log().begin(), Log().end(), appended), Log().end());
  group->SetInclude(false);
  engine->Compress(SetBit(coIncludeAll) | SetBit(coForceNetFilesLocal));
  EXPECT_NE(std::find(Log().begin(), Log().end(), appended), Log().end());
  EXPECT_FALSE(group->Include());
  EXPECT_FALSE(file->Include());
  EXPECT_EQ(file->AddToArchive(), lzcOverwrite);
  EXPECT_EQ(group->State(), ifsNone);
}

TEST_F(FileContainerTest, CompressRefusesBothForceOptions) {
  auto* dir = Make<TInstallDirectory>("Dir");
  try {
    dir->Compress(SetBit(coForceNetFilesLocal) | SetBit(coForceFilesNet));
    FAIL();
  } catch (const IEFileContainer& e) {
    EXPECT_STREQ(e.what(), "Cannot pass both coForceNetFilesLocal and coForceFilesNet to Compress");
  }
}

TEST_F(FileContainerTest, RemoteLayoutMirrorsTheLocation) {
  auto* engine = Make<TTestEngine>("Engine");
  auto* location = Make<TTestNetLocation>("Net");
  location->LoginInformation().SetHostname("files.example:80");
  engine->net_location = location;
  auto* dir = Make<TInstallDirectory>("Dir", engine);
  auto* file = MakeFile("File", dir, 10);
  EXPECT_EQ(file->FindNetLocation(), location);
  EXPECT_EQ(file->NetArchiveDir(), "files.example80\\HTTP Root directory");
  location->LoginInformation().SetProtocol(ipFTP);
  location->LoginInformation().SetDirectory("pub/setup");
  EXPECT_EQ(dir->NetArchiveDir(), "files.example80\\pub-setup");
  engine->net_location = nullptr;
  try {
    file->NetArchiveDir();
    FAIL();
  } catch (const IEFileRel_NoNetLocation& e) {
    EXPECT_STREQ(e.what(), "Could not find a net install location for File");
  }
}

TEST_F(FileContainerTest, DownloadReportsProgressAndHonoursCancel) {
  auto* engine = Make<TTestEngine>("Engine");
  auto* location = Make<TTestNetLocation>("Net");
  auto* dir = Make<TInstallDirectory>("Dir", engine);
  dir->SetNetLocation(location);
  try {
    dir->DownloadArchive();
    FAIL();
  } catch (const IEFileRelated& e) {
    EXPECT_NE(std::string(e.what()).find("the NetLocation property, have not been filled in"), std::string::npos);
  }
  location->LoginInformation().SetHostname("host");
  int percent = -1;
  dir->OnDataReceived().Assign([&](TObject*, const std::string&, int32_t, int32_t total, int32_t size, const void*) {
    percent = total * 100 / size;
  });
  location->cancel = true;
  EXPECT_THROW(dir->DownloadArchive(), EAIUserAbort);
  EXPECT_EQ(percent, 50);
  EXPECT_TRUE(dir->LocalArchivePath().empty());
}

}  // namespace
}  // namespace vorlan
