// The remote distribution's file list as a run reads it: downloaded
// through the engine's location into a temporary file, applied to the
// install files of the names it lists, the download deleted.

#include "archive/remote_file_list.h"
#include "base/exceptions.h"
#include "base/file.h"
#include "objects/net_install_location.h"
#include "run_fixture.h"

namespace vorlan {
namespace {

using engine_test::RunFixture;
using engine_test::RunLog;

// A remote location whose server is a local directory.
class TLocalLocation : public TCustomNetInstallLocation {
 public:
  TLocalLocation(TComponent* owner, std::string dir) : TCustomNetInstallLocation(owner), dir_(std::move(dir)) {}
  void Download(const std::string& remote_name, const std::string& local_path) override {
    downloads.push_back(local_path);
    std::string content = testing::ReadWholeFile(dir_ + "\\" + remote_name);
    testing::WriteWholeFile(local_path, content);
  }
  std::vector<std::string> downloads;

 private:
  std::string dir_;
};

class RemoteFileListRunTest : public RunFixture {
 protected:
  // The engine as a remote distribution from the server directory whose
  // files also lie in the archive beside the loading program.
  TInstall& LoadNetEngine() {
    TInstall& engine = LoadEngine("    RunAutomatic = False\n");
    ForceDirectories(temp.Path("server"));
    location = new TLocalLocation(form.get(), temp.Path("server"));
    // The distribution type is the definition's, set while it loads.
    engine.SetStateFlag(csLoading, true);
    engine.SetNetLocation(location);
    engine.SetDistributeType(dtTraditionalNet);
    engine.SetStateFlag(csLoading, false);
    return engine;
  }

  void WriteServerList(const std::string& bytes) { testing::WriteWholeFile(temp.Path("server\\filelist.lst"), bytes); }

  static std::string ListBytes(const std::vector<TRemoteFileRecord>& records, const std::string& path) {
    WriteRemoteFileList(path, records);
    return testing::ReadWholeFile(path);
  }

  TLocalLocation* location = nullptr;
  static inline const TDateTime kDate = EncodeDateTime(2002, 3, 4, 5, 6, 8);
};

TEST_F(RemoteFileListRunTest, ListedFilesTakeTheirRecords) {
  struct {
    const char* name;
    std::vector<TRemoteFileRecord> records;
    int32_t size;
    std::string version;
  } const cases[] = {
      {"no records", {}, 3, ""},
      {"a record for the file, one for none", {{7, kDate, "OTHER", "9"}, {4242, kDate, "FIRST", std::string(24, '1')}},
       4242, std::string(20, '1')},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    TInstall& engine = LoadNetEngine();
    TInstallFile* first = MakeFile("First", "first.txt", "one");
    BuildArchive({first});
    WriteServerList(ListBytes(c.records, temp.Path("written.lst")));

    engine.ReadArchiveInfo();

    EXPECT_EQ(first->SourceSize(), c.size);
    EXPECT_EQ(first->SourceVersion(), c.version);
    if (!c.records.empty()) {
      EXPECT_EQ(first->SourceDate(), kDate);
    }
    ASSERT_EQ(location->downloads.size(), 1u);
    EXPECT_FALSE(FileExists(location->downloads[0]));
    EXPECT_TRUE(engine.ArchiveInfoRead());
  }
}

TEST_F(RemoteFileListRunTest, CutListChangesNoFile) {
  TInstall& engine = LoadNetEngine();
  TInstallFile* first = MakeFile("First", "first.txt", "one");
  BuildArchive({first});
  std::string bytes = ListBytes({{4242, kDate, "First", "1.0"}}, temp.Path("written.lst"));
  WriteServerList(bytes.substr(0, bytes.size() - 1));
  try {
    engine.ReadArchiveInfo();
    FAIL() << "a cut list was read";
  } catch (const IEInstall& error) {
    ASSERT_EQ(location->downloads.size(), 1u);
    EXPECT_EQ(error.Message(), "Cannot read the remote list of files: " + location->downloads[0]);
  }
  EXPECT_FALSE(FileExists(location->downloads[0]));
  EXPECT_EQ(first->SourceSize(), 3);
}

// The run fails before it installs anything: the file already at the
// destination keeps its content and the failure pages show.
TEST_F(RemoteFileListRunTest, CutListFailsTheRun) {
  TInstall& engine = LoadNetEngine();
  engine.SetRunAutomatic(true);
  MakeProbe("Pages", type_code::kDialog);
  TInstallFile* first = MakeFile("First", "first.txt", "new");
  BuildArchive({first});
  ForceDirectories(temp.Path("dest"));
  testing::WriteWholeFile(Dest("first.txt"), "old");
  WriteServerList(std::string(3, '\0'));
  CaptureErrors();

  Activate();

  ASSERT_EQ(location->downloads.size(), 1u);
  EXPECT_EQ(Errors(), "Cannot read the remote list of files: " + location->downloads[0] + "\n");
  EXPECT_EQ(testing::ReadWholeFile(Dest("first.txt")), "old");
  std::vector<int> heard = engine_test::HeardCodes("Pages");
  EXPECT_NE(std::find(heard.begin(), heard.end(), stage::kBadInstallPages), heard.end());
  EXPECT_TRUE(application->Terminated());
  EXPECT_EQ(application->ExitCode(), 1);
}

}  // namespace
}  // namespace vorlan
