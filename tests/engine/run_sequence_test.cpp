// The run sequence from the main form's first activation: the tree, then
// the passes, then the reboot or the success pages; failures and the
// user's cancel end in the failure pages.

#include <algorithm>

#include "archive/self_extract_info.h"
#include "archive/vorlan_compress.h"
#include "base/exceptions.h"
#include "base/file.h"
#include "engine/engine_errors.h"
#include "objects/install_directory.h"
#include "objects/objects_module.h"
#include "run_fixture.h"
#include "system/registry_routines.h"

namespace vorlan {
namespace {

using engine_test::HeardCodes;
using engine_test::RunFixture;
using engine_test::RunLog;
using engine_test::StatusTexts;

constexpr const char* kRunOnceKey = "\\Software\\Microsoft\\Windows\\CurrentVersion\\RunOnce";

class RunSequenceTest : public RunFixture {
 protected:
  // The entries of the log that begin with prefix, in order.
  static std::vector<std::string> Entries(const std::string& prefix) {
    std::vector<std::string> entries;
    for (const std::string& entry : RunLog()) {
      if (entry.rfind(prefix, 0) == 0) entries.push_back(entry);
    }
    return entries;
  }

  static bool Heard(const std::string& probe, int code) {
    std::vector<int> codes = HeardCodes(probe);
    return std::find(codes.begin(), codes.end(), code) != codes.end();
  }

  // codes occur in this order among what probe heard.
  static bool HeardInOrder(const std::string& probe, const std::vector<int>& codes) {
    std::vector<int> heard = HeardCodes(probe);
    auto at = heard.begin();
    for (int code : codes) {
      at = std::find(at, heard.end(), code);
      if (at == heard.end()) return false;
      ++at;
    }
    return true;
  }
};

TEST_F(RunSequenceTest, FilesOnlyRunEndsInTheSuccessPages) {
  TInstall& engine = LoadEngine();
  MakeProbe("Pages", type_code::kDialog);
  auto* directory = new TInstallDirectory(form.get());
  directory->SetName("Directory");
  directory->SetContainer(&engine);
  TInstallFile* first = MakeFile("First", "first.txt", "one");
  TInstallFile* second = MakeFile("Second", "second.txt", "two", directory);
  BuildArchive({first, second});
  bool after_install_objects = false;
  engine.OnAfterInstallObjects().Assign([&](TInstallContainer* container, bool was_aborted) {
    EXPECT_EQ(container, &engine);
    EXPECT_FALSE(was_aborted);
    EXPECT_FALSE(after_install_objects) << "fired twice";
    after_install_objects = true;
  });

  Activate();

  EXPECT_EQ(testing::ReadWholeFile(Dest("first.txt")), "one");
  EXPECT_EQ(testing::ReadWholeFile(Dest("second.txt")), "two");
  EXPECT_TRUE(after_install_objects);
  // None of the eleven passes finds anything to install, so none shows a status.
  EXPECT_EQ(StatusTexts("Pages"), std::vector<std::string>{"Reading file information..."});
  EXPECT_TRUE(HeardInOrder("Pages", {stage::kBeforeReadArchiveInfo, stage::kStatusText, stage::kStatusCleared,
                                     stage::kAfterReadArchiveInfo, stage::kRunStarted, stage::kBeforeInstall,
                                     stage::kGoodInstall, stage::kGoodInstallPages}));
  EXPECT_FALSE(Heard("Pages", stage::kBadInstallPages));
  EXPECT_FALSE(Heard("Pages", stage::kReboot));
  EXPECT_FALSE(engine.InProgress());
  EXPECT_FALSE(engine.Aborted());
  EXPECT_FALSE(HasInstallRecord());
  EXPECT_TRUE(application->Terminated());
  EXPECT_EQ(application->ExitCode(), 0);
  EXPECT_EQ(Errors(), "");
}

// Probes of every pass's code, created before the files and in the
// reverse order of the passes, some deep in the tree.
TEST_F(RunSequenceTest, PassesFollowTheTreeInTheirOrder) {
  TInstall& engine = LoadEngine();
  auto* early = new TInstallDirectory(form.get());
  early->SetName("Early");
  early->SetContainer(&engine);
  const int codes[] = {9054, 9050, 9052, 8700, 8500, 4000, 8000, 7000, 3000, 2875, 2750};
  for (int code : codes) {
    TInstallContainer* container = code % 2 ? static_cast<TInstallContainer*>(&engine) : early;
    MakeProbe("p" + std::to_string(code), code, container);
  }
  auto* late = new TInstallDirectory(form.get());
  late->SetName("Late");
  late->SetContainer(early);
  TInstallFile* first = MakeFile("First", "first.txt", "one");
  TInstallFile* deep = MakeFile("Deep", "deep.txt", "two", late);
  BuildArchive({first, deep});

  Activate();

  std::vector<std::string> installs;
  for (const std::string& entry : RunLog()) {
    if (entry.rfind("install ", 0) == 0 || entry.rfind("file ", 0) == 0) installs.push_back(entry);
  }
  // Directories come before files among a container's children.
  EXPECT_EQ(installs, (std::vector<std::string>{"file Deep", "file First", "install p2750", "install p2875",
                                                "install p3000", "install p7000", "install p8000", "install p4000",
                                                "install p8500", "install p8700", "install p9052", "install p9050",
                                                "install p9054"}));
  EXPECT_EQ(StatusTexts("p2875"),
            (std::vector<std::string>{"Reading file information...", "Installing ODBC drivers...",
                                      "Installing ODBC sources...", "Installing Borland Database Engine aliases...",
                                      "Installing shell links...", "Installing shell links...",
                                      "Installing INI files...", "Installing registry keys..."}));
  // Every status is cleared before the next one shows.
  std::vector<int> heard = HeardCodes("p2875");
  int shown = 0;
  for (int code : heard) {
    if (code == stage::kStatusText) {
      EXPECT_EQ(++shown, 1);
    }
    if (code == stage::kStatusCleared) --shown;
  }
  EXPECT_EQ(shown, 0);
  EXPECT_TRUE(Heard("p2875", stage::kGoodInstallPages));
}

TEST_F(RunSequenceTest, PassFailureStillClosesTheStatusAndTheInstall) {
  TInstall& engine = LoadEngine();
  MakeProbe("Pages", type_code::kDialog);
  engine_test::TRunProbe* link = MakeProbe("Link", type_code::kShellLink);
  engine.OnAfterInstallObjects().Assign([](TInstallContainer*, bool) { RunLog().push_back("after install objects"); });
  link->OnBeforeProcess().Assign([](TInstallContainer*) { throw IEInstall("Link failed"); });
  CaptureErrors();

  Activate();

  EXPECT_EQ(Errors(), "Link failed\n");
  EXPECT_EQ(StatusTexts("Pages"), (std::vector<std::string>{"Reading file information...", "Installing shell links..."}));
  EXPECT_TRUE(HeardInOrder("Pages", {stage::kStatusText, stage::kStatusText, stage::kStatusCleared,
                                     stage::kBadInstall, stage::kBadInstallPages}));
  EXPECT_EQ(Entries("after install objects").size(), 1u);
  EXPECT_FALSE(Heard("Pages", stage::kGoodInstallPages));
  // After an error the record stays for a later run to find.
  EXPECT_TRUE(HasInstallRecord());
  EXPECT_TRUE(application->Terminated());
  EXPECT_EQ(application->ExitCode(), 1);
}

// The user cancels on the first wizard page; a notification handler that
// fails in turn changes nothing.
TEST_F(RunSequenceTest, CancelInTheWizardInstallsNothing) {
  for (bool failing_notification : {false, true}) {
    SCOPED_TRACE(failing_notification ? "failing notification" : "plain");
    RunLog().clear();
    TInstall& engine = LoadEngine();
    engine_test::TRunProbe* pages = MakeProbe("Pages", type_code::kDialog);
    pages->OnCode(stage::kBeforeInstall, [] { throw EAIUserAbort(); });
    if (failing_notification) {
      engine.OnAfterNotifyBadInstall().Assign([](TObject*) { throw IEInstall("Page failed"); });
    }
    BuildArchive({MakeFile("First", "first.txt", "one")});
    CaptureErrors();

    Activate();

    EXPECT_EQ(Errors(), "");
    EXPECT_FALSE(FileExists(Dest("first.txt")));
    EXPECT_TRUE(HeardInOrder("Pages", {stage::kBeforeInstall, stage::kBadInstall, stage::kBadInstallPages}));
    EXPECT_FALSE(Heard("Pages", stage::kGoodInstall));
    EXPECT_TRUE(engine.Aborted());
    EXPECT_FALSE(engine.InProgress());
    // A failing page leaves the rest of the cancel's clean-up undone.
    EXPECT_EQ(HasInstallRecord(), failing_notification);
    EXPECT_TRUE(application->Terminated());
    EXPECT_EQ(application->ExitCode(), 1);
  }
}

TEST_F(RunSequenceTest, DeclinedRebootKeepsRunOnceAndTheRecord) {
  TInstall& engine = LoadEngine("    Reboot = True\n");
  engine_test::TRunProbe* pages = MakeProbe("Pages", type_code::kDialog);
  pages->OnCode(stage::kReboot, [&] { engine.SetReboot(false); });
  bool asked = false;
  engine.OnBeforeReboot().Assign([&](TCustomInstall*, bool&) { asked = true; });
  BuildArchive({MakeFile("First", "first.txt", "one")});

  Activate();

  EXPECT_EQ(testing::ReadWholeFile(Dest("first.txt")), "one");
  EXPECT_TRUE(Heard("Pages", stage::kReboot));
  EXPECT_FALSE(asked);
  EXPECT_FALSE(Heard("Pages", stage::kGoodInstall));
  // The running Windows decides whose RunOnce key it is.
  std::string command;
  for (int root : {hkCurrentUser, hkLocalMachine}) {
    if (command.empty()) command = ReadRegString(root, kRunOnceKey, "VorlanUnfinished", "");
  }
  EXPECT_NE(command.find(" -r"), std::string::npos) << command;
  EXPECT_TRUE(HasInstallRecord());
  EXPECT_TRUE(engine.InProgress());
  EXPECT_TRUE(application->Terminated());
  EXPECT_EQ(application->ExitCode(), 0);
}

TEST_F(RunSequenceTest, RefusedShutdownKeepsTheApplication) {
  TInstall& engine = LoadEngine();
  int asked = 0;
  engine.OnBeforeShutdown().Assign([&](TCustomInstall*, bool& quit_out) {
    ++asked;
    quit_out = false;
  });
  Activate();
  EXPECT_EQ(asked, 1);
  EXPECT_FALSE(application->Terminated());
  EXPECT_FALSE(engine.InProgress());
  EXPECT_FALSE(HasInstallRecord());
}

TEST_F(RunSequenceTest, PreparationFailuresAreShownWithTheFailurePages) {
  struct {
    const char* name;
    std::string properties;
    std::vector<std::string> parameters;
    std::string message;
  } const cases[] = {
      {"-n on a fresh machine", "", {"-n"}, engine_error::kNoUnfinishedList},
      {"self-extract record unreadable", "", {"-emissing.exe"},
       "Could not read the extraction info from the archive file %s\\missing.exe when trying to find the correct "
       "offset into the self extracting file"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    RunLog().clear();
    LoadEngine(c.properties, c.parameters);
    MakeProbe("Pages", type_code::kDialog);
    std::string key;
    if (engine->FindInstallRecord(false, key)) DeleteRegKeyTree(hkLocalMachine, key);
    CaptureErrors();

    Activate();

    std::string message = c.message;
    if (size_t at = message.find("%s"); at != std::string::npos) message.replace(at, 2, temp.Dir());
    EXPECT_EQ(Errors(), message + "\n");
    EXPECT_TRUE(Heard("Pages", stage::kBadInstallPages));
    EXPECT_TRUE(application->Terminated());
    EXPECT_EQ(application->ExitCode(), 1);
  }
}

// With -e the main archive lies inside the self-extracting executable,
// after the loading program and the setup archive.
TEST_F(RunSequenceTest, SelfExtractingSetupInstallsFromInsideItself) {
  LoadEngine("", {"-esetup.exe"});
  TInstallFile* first = MakeFile("First", "first.txt", "one");
  BuildArchive({first});
  std::string files = testing::ReadWholeFile(temp.Path("files.1"));
  DeleteFileAt(temp.Path("files.1"));
  std::string loader(3000, 'L'), setup(500, 'S');
  int32_t start = static_cast<int32_t>(loader.size() + setup.size());
  auto record = EncodeSelfExtractInfo({"SELFEXTRACTING", 3000, start - 1, start,
                                       static_cast<int32_t>(start + files.size() - 1)});
  testing::WriteWholeFile(temp.Path("setup.exe"),
                          loader + setup + files + std::string(record.begin(), record.end()) + std::string(40, 'c'));

  Activate();

  EXPECT_EQ(MainArchive().Offset(), start);
  EXPECT_EQ(testing::ReadWholeFile(Dest("first.txt")), "one");
  EXPECT_EQ(application->ExitCode(), 0);
}

// Without -s the loading program's directory is unknown: the run stops
// before it touches the registry.
TEST_F(RunSequenceTest, LoadingProgramWithoutItsPath) {
  Start();
  ReadDefinitionInto(*form, "object MainForm: TMainForm\n  object Install1: TInstall\n  end\nend\n");
  engine = Engine();
  CaptureErrors();
  Activate();
  EXPECT_EQ(Errors(), std::string(engine_error::kLoadingProgramPathMissing) + "\n");
  EXPECT_FALSE(HasInstallRecord());
  EXPECT_TRUE(application->Terminated());
}

TEST_F(RunSequenceTest, UserAbortQuestion) {
  TInstall& engine = LoadEngine("    RunAutomatic = False\n");
  EXPECT_TRUE(engine.DoUserAbort());
  engine.OnUserAbort().Assign([](TCustomInstall*, bool& quit_out) { quit_out = false; });
  EXPECT_FALSE(engine.DoUserAbort());
}

}  // namespace
}  // namespace vorlan
